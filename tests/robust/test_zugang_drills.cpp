// What a screen reader finds on the drill screens, read through Qt's
// accessibility interfaces: every control named, every answer box described
// by its exercise in spoken German, counters with their values, verdicts
// announced, status pictures named with the words of every screen.
#include "robust/DrillOeffnen.h"
#include "common/ZugangMitschrift.h"
#include "common/ZugangPruefung.h"
#include "core/Zugang.h"
#include "integer/AuswertungU.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzUebungU.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalUebAddSubU.h"
#include "shell/MinuslandU.h"
#include "speech/Sprechtext.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

QAccessibleInterface* Zugang(QObject* o)
{
    return QAccessible::queryAccessibleInterface(o);
}

// The checks every drill screen must pass, on the open page of form.
void PruefeDrill(QWidget* form)
{
    QStringList ohne;
    AlleBenannt(Zugang(form), ohne);
    QVERIFY2(ohne.isEmpty(), qPrintable(ohne.join(u',')));
    for (int i = 1; i <= 5; ++i) {
        auto* feld = form->findChild<QLineEdit*>(QStringLiteral("edt%1").arg(i));
        QVERIFY(feld);
        QCOMPARE(Zugang(feld)->text(QAccessible::Name), QStringLiteral("Aufgabe %1").arg(i));
        const QString beschreibung = Zugang(feld)->text(QAccessible::Description);
        QVERIFY(!beschreibung.isEmpty());
        QVERIFY2(OhneGlyphen(beschreibung), qPrintable(beschreibung));
    }
    for (const char* name : {"grpDurchgang", "grpVersuche", "grpPunkte"}) {
        auto* gruppe = form->findChild<QGroupBox*>(QString::fromLatin1(name));
        QVERIFY(gruppe);
        const QString titel = gruppe->title().trimmed();
        QVERIFY2(Zugang(gruppe)->text(QAccessible::Name).startsWith(titel + QStringLiteral(": ")),
                 qPrintable(Zugang(gruppe)->text(QAccessible::Name)));
    }

    // A wrong answer: the verdict is announced, the status picture named.
    zugangsEreignisse.clear();
    auto* feld = form->findChild<QLineEdit*>(QStringLiteral("edt1"));
    QTRY_VERIFY(feld->hasFocus());
    QTest::keyClicks(feld, QStringLiteral("+999"));
    QTest::keyClick(feld, Qt::Key_Return);
    for (int k = 0; k < 5; ++k)
        QApplication::processEvents();
    auto* anzeige = form->findChild<QLabel*>(QStringLiteral("lblAnzeige"));
    QVERIFY(anzeige->text().contains(QStringLiteral("falsch")));
    QVERIFY(ZugangGemeldet(anzeige, QAccessible::Alert));
    auto* bild = form->findChild<QLabel*>(QStringLiteral("img1"));
    QVERIFY(bild);
    const QString gesagt = Zugang(bild)->text(QAccessible::Name) + u' ' + Zugang(bild)->text(QAccessible::Description);
    QVERIFY2(gesagt.contains(BewertungsName(Bewertungsstand::FalschErst)), qPrintable(gesagt));
}

} // namespace

class TestZugangDrills : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ZugangEinrichten();
        frmMinusland = new TfrmMinusland;
        frmAuswertung = new TfrmAuswertung;
    }

    void ganzeZahlen() { MitGanzDrill(6, 2, PruefeDrill); }
    void rationaleZahlen() { MitRationalDrill(1, PruefeDrill); }
};

QTEST_MAIN(TestZugangDrills)
#include "test_zugang_drills.moc"
