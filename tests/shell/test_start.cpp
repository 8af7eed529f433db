// The start-up with the real screens: created once in order, every menu
// command reaches its screen and comes back to the main window.
#include "common/ModalHelper.h"
#include "integer/GanzSpeicher.h"
#include "rational/RationalSpeicher.h"
#include "shell/Formulare.h"
#include "shell/InformationU.h"
#include "shell/MaxanzahlU.h"
#include "shell/MinuslandU.h"

#include <QDialog>
#include <QMenu>
#include <QStandardPaths>
#include <QtTest>

class TestStart : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The "Verlauf" menu reads its switch and store from the test folders.
        QStandardPaths::setTestModeEnabled(true);
        ErzeugeFormulare();
    }

    void formsCreatedOnceInOrder()
    {
        QStringList klassen;
        for (QWidget* form : ErzeugteFormulare())
            klassen << form->metaObject()->className();
        QCOMPARE(klassen, QStringList({"TfrmMinusland", "TfrmGanzUebung", "TfrmGanzEinstieg", "TfrmGanzMuster",
                                       "TfrmAuswertung", "TfrmMaxanzahl", "TfrmRationalUebAddSub",
                                       "TfrmRationalEinstieg", "TfrmRationalUebMultDiv", "TfrmRationalUebGem",
                                       "TfrmInformation"}));
        QCOMPARE(ErzeugteFormulare().front(), frmMinusland);
        QCOMPARE(ErzeugteFormulare().back(), frmInformation);
        QCOMPARE(frmMaxanzahl->parentWidget(), frmMinusland);
        ErzeugeFormulare(); // a second call creates nothing
        QCOMPARE(ErzeugteFormulare().size(), size_t(11));
        for (QAction* aktion : frmMinusland->findChildren<QAction*>())
            QVERIFY2(aktion->isEnabled(), qPrintable(aktion->objectName()));
    }

    void everyScreenOpensAndComesBack_data()
    {
        QTest::addColumn<QString>("befehl");
        QTest::addColumn<QString>("klasse");
        QTest::newRow("Einstieg G") << "menEinstiegG" << "TfrmGanzEinstieg";
        QTest::newRow("Muster") << "menMusterGanzSub" << "TfrmGanzMuster";
        QTest::newRow("Add 2") << "menGanzAddL" << "TfrmGanzUebung";
        QTest::newRow("Alle 4") << "menGanzAlleS" << "TfrmGanzUebung";
        QTest::newRow("Durchgaenge") << "menDurchgaenge" << "TfrmMaxanzahl";
        QTest::newRow("Einstieg R") << "menEinstiegR" << "TfrmRationalEinstieg";
        QTest::newRow("R Add 4") << "menRationalAddSS" << "TfrmRationalUebAddSub";
        QTest::newRow("R Div 3") << "menRationalDivS" << "TfrmRationalUebMultDiv";
        QTest::newRow("R Gem 1") << "menRationalGemSL" << "TfrmRationalUebGem";
        QTest::newRow("Info") << "menInfo" << "TfrmInformation";
    }

    void everyScreenOpensAndComesBack()
    {
        QFETCH(QString, befehl);
        QFETCH(QString, klasse);
        frmMinusland->show();
        StufenLoeschen();
        RationalStufenLoeschen();
        QString gesehen;
        WhenModal([&gesehen](QWidget* w) {
            gesehen = w->metaObject()->className();
            w->close();
        });
        frmMinusland->findChild<QAction*>(befehl)->trigger();
        QCOMPARE(gesehen, klasse);
        QVERIFY(frmMinusland->isVisible());
        for (int stufe : StufenGanz)
            QCOMPARE(stufe, 0);
        QCOMPARE(StufeRationalAdd + StufeRationalSub + StufeRationalMult + StufeRationalDiv + StufeRationalGem, 0);
    }

    void cleanupTestCase()
    {
        LoescheFormulare();
        QVERIFY(frmMinusland == nullptr);
        QVERIFY(frmInformation == nullptr);
        QVERIFY(frmMaxanzahl == nullptr);
        QVERIFY(ErzeugteFormulare().empty());
    }
};

QTEST_MAIN(TestStart)
#include "test_start.moc"
