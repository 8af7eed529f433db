// A whole drill from the main menu with "Ergebnisse speichern" on: every
// judgement is stored as the drill frame reports it, and "Mein Verlauf"
// shows the drill with the points and percentage of the evaluation. With the
// switch off a drill writes nothing.
#include "common/ModalHelper.h"
#include "history/VerlaufAufzeichnung.h"
#include "history/VerlaufMenue.h"
#include "history/VerlaufU.h"
#include "integer/AuswertungU.h"
#include "integer/GanzTestHilfen.h"
#include "shell/Formulare.h"
#include "shell/MinuslandU.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

class TestVerlaufDrill : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void ganzeUebungErscheintImVerlauf();
    void ausgeschaltetBleibtDieDateiUnberuehrt();

private:
    // Runs imDrill inside "Ganze Zahlen" › "Addition" › "Stufe 1".
    void Drill(const std::function<void(TfrmGanzUebung*)>& imDrill);
    VerlaufMenue* menue_ = nullptr;
};

void TestVerlaufDrill::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("MinuslandTest"));
    QCoreApplication::setApplicationName(QStringLiteral("test_verlauf_drill"));
    QFileInfo(VerlaufSpeicher::StandardPfad()).dir().removeRecursively();
    VerlaufAufzeichnung::SpeichereSchalter(false);
    ErzeugeFormulare();
    frmAuswertung->Schrittdauer = 1;
    menue_ = frmMinusland->findChild<VerlaufMenue*>();
    QVERIFY(menue_);
    frmMinusland->show();
    QVERIFY(QTest::qWaitForWindowExposed(frmMinusland));
}

void TestVerlaufDrill::cleanupTestCase()
{
    LoescheFormulare();
}

void TestVerlaufDrill::Drill(const std::function<void(TfrmGanzUebung*)>& imDrill)
{
    emit frmMinusland->findChild<QMenu*>(QStringLiteral("menGanz"))->aboutToShow();
    emit frmMinusland->findChild<QMenu*>(QStringLiteral("menAddG"))->aboutToShow();
    WhenModal([&](QWidget* w) {
        if (w == frmGanzUebung) {
            Aktiviere(frmGanzUebung);
            imDrill(frmGanzUebung);
        }
        frmGanzUebung->menSchliessen->trigger();
    });
    frmMinusland->findChild<QAction*>(QStringLiteral("menGanzAddSL"))->trigger();
}

void TestVerlaufDrill::ganzeUebungErscheintImVerlauf()
{
    menue_->menErgebnisseSpeichern->trigger();
    QVERIFY(menue_->menErgebnisseSpeichern->isChecked());

    QString punkte;
    int prozent = -1;
    Drill([&](TfrmGanzUebung* frm) {
        for (int seite = 1; seite <= 3; ++seite) {
            for (int i = 1; i <= 5; ++i) {
                if (seite == 1 && i == 1) { // right at the second attempt
                    Tippe(frm, i, QStringLiteral("+9999"));
                    Tippe(frm, i, RichtigeEingabe(i));
                } else if (seite == 2 && i == 3) { // wrong twice
                    Tippe(frm, i, QStringLiteral("+9999"));
                    Tippe(frm, i, QStringLiteral("+8888"));
                } else {
                    Tippe(frm, i, RichtigeEingabe(i));
                }
            }
            if (seite < 3)
                frm->btnWeiter->click();
        }
        QVERIFY(frm->btnAuswertung->isVisible());
        WhenModal([&](QWidget*) {
            QTRY_VERIFY(frmAuswertung->btnSchliessen->isVisible());
            punkte = frmAuswertung->pnlRichtig->text();
            prozent = frmAuswertung->Prozent();
            frmAuswertung->btnSchliessen->click();
        });
        frm->btnAuswertung->click();
    });
    QCOMPARE(punkte, QStringLiteral("13,5 / 17"));
    QCOMPARE(prozent, 79);

    menue_->Aufzeichnung()->Warte();
    VerlaufSpeicher s;
    QCOMPARE(s.Oeffnen(VerlaufSpeicher::StandardPfad()), VerlaufZustand::Offen);
    const auto uebungen = s.Uebungen(true);
    QCOMPARE(uebungen.size(), size_t(1));
    const auto urteile = s.Urteile(uebungen.front().id);
    QCOMPARE(urteile.size(), size_t(17)); // fifteen exercises, two second attempts
    QCOMPARE(urteile.front().verdikt, Verdikt::FalschErster);
    QCOMPARE(urteile.front().seite, 1);
    QCOMPARE(urteile.front().zeile, 1);
    QCOMPARE(urteile[1].verdikt, Verdikt::RichtigZweiter);
    QCOMPARE(urteile.back().seite, 3);
    QCOMPARE(urteile.back().zeile, 5);
    QCOMPARE(uebungen.front().art, 1);
    QCOMPARE(uebungen.front().stufe, 1);

    bool gesehen = false;
    WhenModal([&](QWidget* w) {
        auto* fenster = qobject_cast<TfrmVerlauf*>(w);
        gesehen = fenster != nullptr;
        if (fenster) {
            QCOMPARE(fenster->tblLetzte->item(0, 3)->text(), punkte);
            QCOMPARE(fenster->tblLetzte->item(0, 4)->text(), QStringLiteral("%1 %").arg(prozent));
            QCOMPARE(fenster->tblUebungen->item(0, 0)->text(), QStringLiteral("Ganze Zahlen: Addition, Stufe 1"));
            QCOMPARE(fenster->tblUebungen->item(0, 2)->text(), QStringLiteral("%1 %").arg(prozent));
        }
        w->close();
    });
    menue_->menMeinVerlauf->trigger();
    QVERIFY(gesehen);
}

void TestVerlaufDrill::ausgeschaltetBleibtDieDateiUnberuehrt()
{
    if (menue_->menErgebnisseSpeichern->isChecked())
        menue_->menErgebnisseSpeichern->trigger();
    const QString pfad = VerlaufSpeicher::StandardPfad();
    VerlaufSpeicher s;
    s.Oeffnen(pfad);
    const int vorher = s.AnzahlUrteile();
    Drill([](TfrmGanzUebung* frm) {
        for (int i = 1; i <= 5; ++i)
            Tippe(frm, i, RichtigeEingabe(i));
    });
    menue_->Aufzeichnung()->Warte();
    QCOMPARE(s.AnzahlUrteile(), vorher);
}

QTEST_MAIN(TestVerlaufDrill)
#include "test_verlauf_drill.moc"
