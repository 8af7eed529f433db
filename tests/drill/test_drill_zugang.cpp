// The words the drill frame gives screen readers come from the table every
// screen uses: each verdict maps to its own state, a refused entry leaves the
// line open, and the answer boxes are described in spoken German.
#include "drill/DrillZugang.h"
#include "speech/Sprechtext.h"

#include <QLineEdit>
#include <QSet>
#include <QtTest>

class TestDrillZugang : public QObject {
    Q_OBJECT
private slots:
    void zustaendeAusDerEinenTabelle()
    {
        QCOMPARE(StatusName(std::nullopt), BewertungsName(Bewertungsstand::Offen));
        QCOMPARE(StatusName(Verdikt::RichtigErster), BewertungsName(Bewertungsstand::RichtigErst));
        QCOMPARE(StatusName(Verdikt::RichtigZweiter), BewertungsName(Bewertungsstand::RichtigZweit));
        QCOMPARE(StatusName(Verdikt::FalschErster), BewertungsName(Bewertungsstand::FalschErst));
        QCOMPARE(StatusName(Verdikt::FalschZweiter), BewertungsName(Bewertungsstand::FalschZweit));
        // A refused entry judges nothing.
        QCOMPARE(StatusName(Verdikt::Formatfehler1), StatusName(std::nullopt));
        QCOMPARE(StatusName(Verdikt::Formatfehler2), StatusName(std::nullopt));

        QSet<QString> marken;
        for (int versuch : {1, 2})
            for (bool richtig : {true, false}) {
                QCOMPARE(MarkeName(versuch, richtig), MarkenName(versuch, richtig));
                marken.insert(MarkeName(versuch, richtig));
            }
        QCOMPARE(marken.size(), 4);
    }

    void feldBeschreibung()
    {
        QLineEdit feld;
        const QString gezeigt = QString::fromUtf8("(–3) + (+5) =");
        BeschreibeTermfeld(&feld, gezeigt);
        QCOMPARE(feld.property("aufgabentext").toString(), gezeigt);
        QCOMPARE(feld.accessibleDescription(), SprichTerm(gezeigt));
        QVERIFY(feld.accessibleDescription().startsWith(QStringLiteral("Klammer auf minus drei")));

        // A hidden line leaves nothing behind from the line before.
        BeschreibeTermfeld(&feld, QString());
        QVERIFY(feld.property("aufgabentext").toString().isEmpty());
        QVERIFY(feld.accessibleDescription().isEmpty());
    }
};

QTEST_MAIN(TestDrillZugang)
#include "test_drill_zugang.moc"
