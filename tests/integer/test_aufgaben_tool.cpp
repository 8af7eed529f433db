#include "common/Programmlauf.h"
#include "core/Random.h"
#include "integer/GanzAnzeige.h"
#include "integer/GanzKatalog.h"
#include "integer/GanzSpeicher.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

// The exercise printer, run as a separate program (its path comes from the
// build as AUFGABEN_PROGRAMM).

namespace {

Lauf Starte(const QStringList& args)
{
    return StarteProgramm(QStringLiteral(AUFGABEN_PROGRAMM), args, 30000);
}

QList<QByteArray> Zeilen(const QByteArray& text)
{
    QList<QByteArray> zeilen = text.split('\n');
    if (!zeilen.isEmpty() && zeilen.last().isEmpty())
        zeilen.removeLast();
    return zeilen;
}

} // namespace

class TestAufgabenTool : public QObject {
    Q_OBJECT
private slots:
    void sameSeedSameExercises()
    {
        const QStringList args{"ganz", "9", "4", "--seed", "123"};
        const Lauf a = Starte(args);
        const Lauf b = Starte(args);
        QCOMPARE(a.code, 0);
        QCOMPARE(a.out, b.out);
        QCOMPARE(Zeilen(a.out).size(), 10);
        QVERIFY(a.err.isEmpty());
        QVERIFY(Starte({"ganz", "9", "4", "--seed", "124"}).out != a.out);
    }

    // Every line is the library's draw for that seed, with the display text
    // of the chosen mode.
    void linesAreTheDrawnExercises_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("stufe");
        QTest::addColumn<bool>("vereinfacht");
        QTest::newRow("addition") << 1 << 2 << false;
        QTest::newRow("brackets simplified") << 4 << 3 << true;
        QTest::newRow("bars") << 6 << 4 << false;
        QTest::newRow("division simplified") << 8 << 2 << true;
        QTest::newRow("mixed") << 9 << 3 << false;
    }
    void linesAreTheDrawnExercises()
    {
        QFETCH(int, art);
        QFETCH(int, stufe);
        QFETCH(bool, vereinfacht);
        QStringList args{"ganz", QString::number(art), QString::number(stufe), "--anzahl=7", "--seed", "99"};
        if (vereinfacht)
            args.insert(1, "--vereinfacht"); // options may stand anywhere
        const Lauf lauf = Starte(args);
        QCOMPARE(lauf.code, 0);
        const QList<QByteArray> zeilen = Zeilen(lauf.out);
        QCOMPARE(zeilen.size(), 7);

        RandSeed(99);
        ArtGanz = art;
        Vereinfacht = vereinfacht;
        for (const QByteArray& zeile : zeilen) {
            QJsonParseError fehler;
            const QJsonObject o = QJsonDocument::fromJson(zeile, &fehler).object();
            QCOMPARE(fehler.error, QJsonParseError::NoError);
            QCOMPARE(o.keys(), (QStringList{"anzeige", "ergebnis", "quelle", "term"}));
            QVERIFY(zeile.startsWith("{\"quelle\":"));
            const GanzAufgabe a = ZieheAufgabeGanz(art, stufe, vereinfacht);
            QCOMPARE(o["quelle"].toString(), a.Quelle);
            QCOMPARE(o["term"].toString(), a.Term);
            QCOMPARE(o["ergebnis"].toString(), a.Ergebnis);
            QCOMPARE(o["anzeige"].toString(), AnzeigeTextGanz(a.Term));
            QVERIFY(o["anzeige"].toString().endsWith(" ="));
        }
        Vereinfacht = false;
        QVERIFY(lauf.out.contains("\xE2\x80\x93") || art == 1); // the en dash in UTF-8
    }

    void countZero()
    {
        const Lauf lauf = Starte({"ganz", "1", "1", "--anzahl", "0"});
        QCOMPARE(lauf.code, 0);
        QVERIFY(lauf.out.isEmpty());
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown number kind") << QStringList{"bruch", "1", "1"};
        QTest::newRow("no level") << QStringList{"ganz", "3"};
        QTest::newRow("too many") << QStringList{"ganz", "3", "2", "1"};
        QTest::newRow("kind 0") << QStringList{"ganz", "0", "1"};
        QTest::newRow("kind 10") << QStringList{"ganz", "10", "1"};
        QTest::newRow("level 5") << QStringList{"ganz", "1", "5"};
        QTest::newRow("level text") << QStringList{"ganz", "1", "x"};
        QTest::newRow("negative count") << QStringList{"ganz", "1", "1", "--anzahl", "-1"};
        QTest::newRow("count missing") << QStringList{"ganz", "1", "1", "--anzahl"};
        QTest::newRow("seed text") << QStringList{"ganz", "1", "1", "--seed", "abc"};
        QTest::newRow("unknown option") << QStringList{"ganz", "1", "1", "--bunt"};
        QTest::newRow("rational nonsense") << QStringList{"rational", "99", "99"};
    }
    void badArguments()
    {
        QFETCH(QStringList, args);
        const Lauf lauf = Starte(args);
        QCOMPARE(lauf.code, 2);
        QVERIFY(lauf.out.isEmpty());
        QCOMPARE(Zeilen(lauf.err).size(), 1);
    }
};

QTEST_APPLESS_MAIN(TestAufgabenTool)
#include "test_aufgaben_tool.moc"
