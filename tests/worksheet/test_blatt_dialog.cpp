#include "common/ModalHelper.h"

#include "core/Modul.h"

#include "integer/GanzSpeicher.h"
#include "integer/GanzUebungU.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalUebMultDivU.h"
#include "shell/MinuslandU.h"
#include "worksheet/ArbeitsblattDialog.h"
#include "worksheet/DruckModul.h"
#include "worksheet/Klassencode.h"
#include "worksheet/KlassencodeFeld.h"
#include "worksheet/KlassencodeQuelle.h"
#include "worksheet/KlassencodeUeben.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

// The teacher's worksheet dialog, the class-code field and the drill's
// "Mit Klassencode üben …", driven as a user would.

class TestBlattDialog : public QObject {
    Q_OBJECT
private slots:
    void codeFieldTakesOnlyCodes()
    {
        QWidget fenster;
        KlassencodeFeld feld(&fenster);
        QLabel meldung(&fenster);
        feld.SetzeMeldung(&meldung);
        fenster.show();
        feld.setFocus();

        QTest::keyClicks(&feld, QStringLiteral("k7mp35"));
        QCOMPARE(feld.text(), QStringLiteral("K7MP35"));
        QVERIFY(feld.Gueltig());
        QCOMPARE(feld.Code(), QStringLiteral("K7MP35"));
        QVERIFY(meldung.text().isEmpty());

        // 0 and 1 never get in, and the pupil is told why.
        feld.clear();
        QTest::keyClicks(&feld, QStringLiteral("K7M0"));
        QCOMPARE(feld.text(), QStringLiteral("K7M"));
        QVERIFY2(meldung.text().contains(QStringLiteral("„0“")), qPrintable(meldung.text()));
        QVERIFY(!feld.Gueltig());

        // A typo in a complete code.
        feld.clear();
        QTest::keyClicks(&feld, QStringLiteral("K7MP36"));
        QVERIFY(!feld.Gueltig());
        QVERIFY(meldung.text().contains(QStringLiteral("vertippt")));

        // Pasted with blanks, hyphen and small letters; a seventh character
        // is not taken.
        feld.clear();
        QGuiApplication::clipboard()->setText(QStringLiteral(" k7m-p35x"));
        feld.paste();
        QCOMPARE(feld.text(), QStringLiteral("K7MP35"));
        QVERIFY(feld.Gueltig());
    }

    void dialogSavesThePdfOfTheChosenSheet()
    {
        QTemporaryDir dir;
        ArbeitsblattDialog dialog;
        QVERIFY(IstKlassencode(dialog.edtKlassencode->text())); // a fresh code is proposed
        QCOMPARE(dialog.spnAnzahl->value(), 15);
        QCOMPARE(dialog.cmbArt->count(), 9);
        dialog.rbRational->click();
        QCOMPARE(dialog.cmbArt->count(), 5);
        dialog.cmbArt->setCurrentIndex(2); // Multiplikation: three levels
        QCOMPARE(dialog.cmbStufe->count(), 3);
        dialog.cmbStufe->setCurrentIndex(2);
        dialog.cmbDarstellung->setCurrentIndex(1);
        dialog.spnAnzahl->setValue(10);
        dialog.spnGruppen->setValue(2);
        dialog.edtKlassencode->clear();
        QTest::keyClicks(dialog.edtKlassencode, QStringLiteral("mathe2"));

        const BlattAuswahl a = dialog.Auswahl();
        QCOMPARE(a.bereich, Zahlenbereich::Rational);
        QCOMPARE(a.art, 3);
        QCOMPARE(a.stufe, 3);
        QVERIFY(a.vereinfacht);
        QCOMPARE(a.anzahl, 10);
        QCOMPARE(a.gruppen, 2);
        QCOMPARE(a.code, QStringLiteral("MATHE2"));

        QString vorschlag;
        dialog.DateiWaehlen = [&](QWidget*, const QString& v) {
            vorschlag = v;
            return dir.filePath(QStringLiteral("blatt")); // the extension is added
        };
        QTest::mouseClick(dialog.btnPdf, Qt::LeftButton);
        QCOMPARE(vorschlag, QStringLiteral("Arbeitsblatt-rational-3-3-MATHE2.pdf"));
        QFile datei(dir.filePath(QStringLiteral("blatt.pdf")));
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QVERIFY(datei.readAll().startsWith("%PDF"));
        QVERIFY(dialog.lblMeldung->text().contains(QStringLiteral("MATHE2")));

        // A file that cannot be written is told in the dialog.
        dialog.DateiWaehlen = [&](QWidget*, const QString&) { return dir.filePath(QStringLiteral("fehlt/blatt.pdf")); };
        QVERIFY(!dialog.AlsPdfSpeichern());
        QVERIFY(dialog.lblMeldung->text().contains(QStringLiteral("kann nicht geschrieben werden")));

        // Printing hands the same selection to the print step.
        BlattAuswahl gedruckt;
        dialog.Drucken = [&](QWidget*, const BlattAuswahl& auswahl, QString*) {
            gedruckt = auswahl;
            return true;
        };
        QTest::mouseClick(dialog.btnDrucken, Qt::LeftButton);
        QCOMPARE(gedruckt.code, QStringLiteral("MATHE2"));
        QCOMPARE(gedruckt.art, 3);

        // Without a valid code nothing can be made.
        dialog.edtKlassencode->clear();
        QTest::keyClicks(dialog.edtKlassencode, QStringLiteral("MATHE3"));
        QVERIFY(!dialog.btnPdf->isEnabled());
        QVERIFY(!dialog.btnDrucken->isEnabled());
        QTest::mouseClick(dialog.btnNeuerCode, Qt::LeftButton);
        QVERIFY(dialog.btnPdf->isEnabled());
    }

    // Printing comes from a module: a cancelled print dialog prints nothing
    // and says nothing; without the module the dialog tells why it cannot
    // print and the PDF still works.
    void printingThroughItsModule()
    {
        const auto drucke = ModulFunktion<DruckDialogFunktion>(QString::fromLatin1(DruckModul), DruckDialogName);
        QVERIFY(drucke);
        bool gezeichnet = false;
        QString fehler = QStringLiteral("alt");
        WhenModal([](QWidget* w) { w->close(); });
        QVERIFY(!drucke(nullptr, QStringLiteral("Blatt"),
                        [&](QPagedPaintDevice&, QString*) { return gezeichnet = true; }, &fehler));
        QVERIFY(!gezeichnet);
        QVERIFY(fehler.isEmpty());

        QTemporaryDir leer;
        SetzeModulOrdner({leer.path()});
        ArbeitsblattDialog dialog;
        QTest::mouseClick(dialog.btnDrucken, Qt::LeftButton);
        SetzeModulOrdner({});
        QVERIFY(dialog.lblMeldung->text().startsWith(QStringLiteral("Drucken ist nicht möglich")));
        QVERIFY(dialog.lblMeldung->text().contains(QStringLiteral("libminusland_druck.so")));
        dialog.DateiWaehlen = [&](QWidget*, const QString&) { return leer.filePath(QStringLiteral("blatt.pdf")); };
        QVERIFY(dialog.AlsPdfSpeichern());
    }

    void mainMenuOpensTheDialog()
    {
        TfrmMinusland fenster;
        QAction* eintrag = fenster.findChild<QAction*>(QStringLiteral("menArbeitsblatt"));
        QVERIFY(eintrag);
        QCOMPARE(eintrag->text(), QStringLiteral("Arbeitsblatt …"));
        // It stands just before "Informationen".
        const QList<QAction*> oben = fenster.menuBar()->actions();
        const int hier = int(oben.indexOf(eintrag));
        QVERIFY(hier >= 0 && hier + 1 < oben.size());
        QCOMPARE(oben[hier + 1]->objectName(), QStringLiteral("menInfo"));
        bool gesehen = false;
        WhenModal([&](QWidget* w) {
            gesehen = qobject_cast<ArbeitsblattDialog*>(w) != nullptr;
            qobject_cast<QDialog*>(w)->reject();
        });
        eintrag->trigger();
        QVERIFY(gesehen);
    }

    void drillTakesTheSheetsExercisesFromTheCode()
    {
        GewaehlteDurchgaenge = 3;
        TfrmGanzUebung frm;
        QAction* eintrag = KlassencodeUeben(&frm, Zahlenbereich::Ganz);
        QCOMPARE(eintrag->text(), QStringLiteral("Mit Klassencode üben …"));
        QCOMPARE(eintrag->objectName(), QStringLiteral("menKlassencode"));
        StufenLoeschen();
        ArtGanz = 8;
        StufeGanzDiv = 2;
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));

        // A wrong code keeps the dialog open with the reason; then the right one.
        QString meldung;
        WhenModal([&](QWidget* w) {
            auto* dialog = qobject_cast<KlassencodeDialog*>(w);
            QVERIFY(dialog);
            QTest::keyClicks(dialog->edtKlassencode, QStringLiteral("K7MP36"));
            dialog->knoepfe->button(QDialogButtonBox::Ok)->click();
            QVERIFY(dialog->isVisible());
            meldung = dialog->lblMeldung->text();
            dialog->edtKlassencode->clear();
            QTest::keyClicks(dialog->edtKlassencode, QStringLiteral("k7mp35"));
            dialog->cmbGruppe->setCurrentIndex(1);
            dialog->knoepfe->button(QDialogButtonBox::Ok)->click();
        });
        eintrag->trigger();
        QVERIFY(meldung.contains(QStringLiteral("vertippt")));
        QVERIFY(frm.Quelle());
        QCOMPARE(frm.Quelle()->Klassencode(), QStringLiteral("K7MP35"));
        QCOMPARE(frm.Quelle()->Seiten(), 3);
        QVERIFY(frm.isVisible()); // the drill goes on, afresh

        BlattAuswahl a;
        a.art = 8;
        a.stufe = 2;
        a.code = QStringLiteral("K7MP35");
        const QList<BlattAufgabe> blatt = ZieheBlattAufgaben(a, 1, 15);
        QCOMPARE(AufgabenGanz[1].Term, blatt[0].term);

        // Cancelling leaves the source as it was.
        WhenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
        Aufgabenquelle* vorher = frm.Quelle();
        eintrag->trigger();
        QCOMPARE(frm.Quelle(), vorher);
        frm.close();
        StufenLoeschen();
        QCOMPARE(ModalWatchesPending(), 0);
    }

    void rationalDrillOffersTheEntryOnlyWithADrillOpen()
    {
        TfrmRationalUebMultDiv frm;
        QAction* eintrag = KlassencodeUeben(&frm, Zahlenbereich::Rational);
        RationalStufenLoeschen();
        // No drill open: nothing is asked.
        eintrag->trigger();
        QVERIFY(!frm.Quelle());
        int art = 0;
        int stufe = 0;
        StufeRationalDiv = 3;
        QVERIFY(GewaehlteStufeRational(art, stufe));
        QCOMPARE(art, 4);
        QCOMPARE(stufe, 3);
        RationalStufenLoeschen();
    }
};

QTEST_MAIN(TestBlattDialog)
#include "test_blatt_dialog.moc"
