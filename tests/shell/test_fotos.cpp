// Screenshots for a look at the screens as a pupil sees them. Runs only when
// MINUSLAND_FOTOS names a folder: MINUSLAND_FOTOS=/tmp/fotos ./test_fotos
#include "shell/InformationU.h"
#include "shell/MaxanzahlU.h"
#include "shell/MinuslandU.h"

#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QtTest>

class TestFotos : public QObject {
    Q_OBJECT
private slots:
    void fotos()
    {
        const QString ordner = qEnvironmentVariable("MINUSLAND_FOTOS");
        if (ordner.isEmpty())
            QSKIP("MINUSLAND_FOTOS not set");
        TfrmMinusland haupt;
        frmMinusland = &haupt;
        TfrmInformation info;
        TfrmMaxanzahl max(&haupt);
        QDialog attrappe;
        for (Formular f : {Formular::GanzUebung, Formular::GanzEinstieg, Formular::GanzMuster,
                           Formular::RationalUebAddSub, Formular::RationalUebMultDiv, Formular::RationalUebGem})
            haupt.SetzeFormular(f, &attrappe);
        haupt.SetzeFormular(Formular::Information, &info);
        haupt.SetzeFormular(Formular::Maxanzahl, &max);
        haupt.show();
        QVERIFY(QTest::qWaitForWindowExposed(&haupt));
        QImage bild = haupt.grab().toImage();
        bild.save(ordner + "/hauptfenster.png");

        // The main window with "Ganze Zahlen" › "Addition" open, painted
        // together as on the screen.
        QMenu* ganz = haupt.findChild<QMenu*>("menGanz");
        QMenu* add = haupt.findChild<QMenu*>("menAddG");
        const QRect knopf = haupt.menuBar()->actionGeometry(ganz->menuAction());
        const QPoint p1 = haupt.menuBar()->mapTo(&haupt, knopf.bottomLeft());
        ganz->popup(haupt.mapToGlobal(p1));
        ganz->setActiveAction(add->menuAction());
        const QRect zeile = ganz->actionGeometry(add->menuAction());
        add->popup(ganz->mapToGlobal(zeile.topRight()));
        QTest::qWait(50);
        {
            QPainter maler(&bild);
            maler.drawPixmap(p1, ganz->grab());
            maler.drawPixmap(p1 + zeile.topRight(), add->grab());
        }
        bild.save(ordner + "/hauptfenster_menue.png");
        ganz->hide();
        add->hide();

        QMenu* rational = haupt.findChild<QMenu*>("menRational");
        const QRect knopf2 = haupt.menuBar()->actionGeometry(rational->menuAction());
        bild = haupt.grab().toImage();
        {
            QPainter maler(&bild);
            rational->popup(QPoint(0, 0));
            maler.drawPixmap(haupt.menuBar()->mapTo(&haupt, knopf2.bottomLeft()), rational->grab());
            rational->hide();
        }
        bild.save(ordner + "/hauptfenster_rational.png");

        info.show();
        QVERIFY(QTest::qWaitForWindowExposed(&info));
        info.grab().save(ordner + "/information.png");
        max.show();
        QVERIFY(QTest::qWaitForWindowExposed(&max));
        max.grab().save(ordner + "/durchgaenge.png");
        frmMinusland = nullptr;
    }
};

QTEST_MAIN(TestFotos)
#include "test_fotos.moc"
