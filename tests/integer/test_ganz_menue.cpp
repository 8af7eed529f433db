// The integer drills as the pupil reaches them: through the main menu.
#include "GanzTestHilfen.h"
#include "common/ModalHelper.h"
#include "integer/AuswertungU.h"
#include "integer/GanzUebungU.h"
#include "shell/MinuslandU.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>

namespace {

struct Art {
    const char* menue;
    const char* prefix;
    const char* titel;
};

const Art Arten[9] = {
    {"menAddG", "menGanzAdd", "Addition ganzer Zahlen"},
    {"menSubG", "menGanzSub", "Subtraktion ganzer Zahlen"},
    {"menAddSubG", "menGanzAddSub", "Addition+Subtraktion ganzer Zahlen"},
    {"menSubKlG", "menGanzSubKl", "Subtraktion ganzer Zahlen mit Klammern"},
    {"menAddSubKlG", "menGanzAddSubKl", "Addition+Subtraktion ganzer Zahlen mit Klammern"},
    {"menBetrag", "menGanzAddSubBet", "Addition+Subtraktion ganzer Zahlen mit Beträgen"},
    {"menMultG", "menGanzMult", "Multiplikation ganzer Zahlen"},
    {"menDivG", "menGanzDiv", "Division ganzer Zahlen"},
    {"menAlleG", "menGanzAlle", "Alle Grundrechnugsarten ganzer Zahlen"},
};
const char* const Endungen[4] = {"SL", "L", "M", "S"};

} // namespace

class TestGanzMenue : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void ganzeUebungAusDemMenue();
    void alleSechsunddreissigUebungen();

private:
    // Opens "Ganze Zahlen" › kind › "Stufe n" and runs imDrill while the
    // drill is up; the drill is closed with "Schließen" afterwards.
    void Waehle(int art, int stufe, const std::function<void()>& imDrill);
    void SeiteRichtig();

    TfrmGanzUebung* frm = nullptr;
};

void TestGanzMenue::initTestCase()
{
    frmMinusland = new TfrmMinusland;
    frmGanzUebung = frm = new TfrmGanzUebung;
    frmAuswertung = new TfrmAuswertung;
    frmAuswertung->Schrittdauer = 1;
    frmMinusland->SetzeFormular(Formular::GanzUebung, frm);
    frmMinusland->show();
    QVERIFY(QTest::qWaitForWindowExposed(frmMinusland));
}

void TestGanzMenue::cleanupTestCase()
{
    delete frmAuswertung;
    delete frm;
    delete frmMinusland;
    frmAuswertung = nullptr;
    frmGanzUebung = nullptr;
    frmMinusland = nullptr;
}

void TestGanzMenue::Waehle(int art, int stufe, const std::function<void()>& imDrill)
{
    const Art& a = Arten[art - 1];
    auto* ganz = frmMinusland->findChild<QMenu*>(QStringLiteral("menGanz"));
    auto* artMenue = frmMinusland->findChild<QMenu*>(QString::fromLatin1(a.menue));
    auto* befehl = frmMinusland->findChild<QAction*>(QString::fromLatin1(a.prefix) + QString::fromLatin1(Endungen[stufe - 1]));
    QVERIFY(ganz && artMenue && befehl);
    QVERIFY(befehl->isEnabled());
    emit ganz->aboutToShow();
    emit artMenue->aboutToShow();
    bool geoeffnet = false;
    WhenModal([&](QWidget* w) {
        geoeffnet = w == frm;
        if (geoeffnet) {
            Aktiviere(frm);
            imDrill();
        }
        frm->menSchliessen->trigger();
    });
    befehl->trigger();
    QVERIFY(geoeffnet);
    QVERIFY(!frm->isVisible());
    QVERIFY(frmMinusland->isVisible());
    for (int s : StufenGanz)
        QCOMPARE(s, 0);
}

void TestGanzMenue::SeiteRichtig()
{
    for (int i = 1; i <= 5; ++i)
        Tippe(frm, i, RichtigeEingabe(i));
    QCOMPARE(frm->lblAktPunkte->text(), QStringLiteral("5,0"));
    QCOMPARE(frm->lblAktVersuche->text(), QStringLiteral("5"));
}

void TestGanzMenue::ganzeUebungAusDemMenue()
{
    Waehle(1, 2, [this] {
        QCOMPARE(ArtGanz, 1);
        QCOMPARE(StufeGanzAdd, 2);
        QVERIFY(!frmMinusland->isVisible());
        QCOMPARE(frm->windowTitle(), QStringLiteral("Addition ganzer Zahlen: Stufe 2"));
        // The status pictures are the main window's.
        QCOMPARE(frm->img[1]->pixmap().toImage(), frmMinusland->imgB->pixmap().toImage());

        for (int seite = 1; seite <= 3; ++seite) {
            QCOMPARE(frm->lblDurchgang->text(), QStringLiteral("%1 / 3").arg(seite));
            SeiteRichtig();
            if (seite < 3)
                frm->btnWeiter->click();
        }
        QCOMPARE(frm->img[5]->pixmap().toImage(), frmMinusland->imgG->pixmap().toImage());
        QCOMPARE(frm->imgZ[5][0]->pixmap().toImage(), frmMinusland->img1->pixmap().toImage());
        QVERIFY(frm->btnAuswertung->isVisible());
        QVERIFY(!frm->btnWeiter->isVisible());

        QString bemerkung, prozent;
        WhenModal([&](QWidget*) {
            QTRY_VERIFY(frmAuswertung->btnSchliessen->isVisible());
            bemerkung = frmAuswertung->lblAnzeige->text();
            prozent = frmAuswertung->lblPRichtig->text();
            frmAuswertung->btnSchliessen->click();
        });
        frm->btnAuswertung->click();
        QCOMPARE(prozent, QStringLiteral("100,000 %"));
        QCOMPARE(bemerkung, QStringLiteral("Sehr gut! Du bist ein Zahlenprofi."));

        QCOMPARE(frm->lblDurchgang->text(), QStringLiteral("1 / 3"));
        QVERIFY(frm->btnWeiter->isVisible());
        QVERIFY(!frm->btnAuswertung->isVisible());
        QCOMPARE(StufeGanzAdd, 2);
        SeiteRichtig(); // the new drill can be worked at once
    });
}

void TestGanzMenue::alleSechsunddreissigUebungen()
{
    for (int art = 1; art <= 9; ++art) {
        for (int stufe = 1; stufe <= 4; ++stufe) {
            Waehle(art, stufe, [&] {
                QCOMPARE(frm->windowTitle(),
                         QString::fromUtf8(Arten[art - 1].titel) + QStringLiteral(": Stufe %1").arg(stufe));
                QCOMPARE(ArtGanz, art);
                QVERIFY(!GanzUebungUeberschrift().isEmpty());
                for (int i = 1; i <= 5; ++i) {
                    QVERIFY(AufgabenGanz[i].TermSichtbar);
                    QVERIFY(!AufgabenGanz[i].Ergebnis.isEmpty());
                    // The box stands beside its term, inside the window.
                    QVERIFY2(frm->edt[i]->geometry().right() < 1016, qPrintable(AnzeigeTexte[i]));
                    QVERIFY(frm->edt[i]->x() > 103);
                }
                Foto(frm, QStringLiteral("ganz_%1_%2_vorzeichen").arg(art).arg(stufe));
                SeiteRichtig();
                // The simplified mode works for every kind as well.
                frm->btnWeiter->click();
                frm->rbVereinfacht->click();
                Foto(frm, QStringLiteral("ganz_%1_%2_vereinfacht").arg(art).arg(stufe));
                QVERIFY(Vereinfacht);
                for (int i = 1; i <= 5; ++i)
                    QVERIFY2(!AnzeigeTexte[i].contains(QStringLiteral("(+")), qPrintable(AnzeigeTexte[i]));
                SeiteRichtig();
            });
            if (QTest::currentTestFailed())
                return;
        }
    }
}

QTEST_MAIN(TestGanzMenue)
#include "test_ganz_menue.moc"
