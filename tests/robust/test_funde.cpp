// Regression tests of faults the robustness runs found (random walk, sweeps,
// fuzzing, sanitizers), one test per fault, each named after what went wrong.
#include "common/ModalHelper.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzUebungU.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestFunde : public QObject {
    Q_OBJECT

    static void Ruhe()
    {
        for (int k = 0; k < 5; ++k)
            QApplication::processEvents();
    }

    // Types into line i and leaves the box with Enter, as the pupil does.
    static void Tippe(TfrmGanzUebung* f, int i, const QString& text)
    {
        f->edt[i]->setFocus(Qt::MouseFocusReason);
        f->edt[i]->selectAll();
        QTest::keyClicks(f->edt[i], text);
        QTest::keyClick(f->edt[i], Qt::Key_Return);
        Ruhe();
    }

    static QString Richtig(int i)
    {
        const QString e = AufgabenGanz[i].Ergebnis;
        return e == QLatin1String("0") || e.startsWith(u'-') ? e : u'+' + e;
    }

private slots:
    // Random walk: "Weiter" pressed without a focus change (a screen
    // reader's press action) while a line waited for its second attempt
    // moved on anyway, on the last page to page 4 of 3.
    void weiterNurMitFertigenZeilen()
    {
        GewaehlteDurchgaenge = 3;
        TfrmGanzUebung f;
        StufenLoeschen();
        ArtGanz = 1;
        StufeGanzAdd = 1;
        f.show();
        QApplication::setActiveWindow(&f);
        QVERIFY(QTest::qWaitForWindowActive(&f));
        for (int seite = 1; seite <= 3; ++seite) {
            for (int i = 1; i <= 5; ++i)
                if (i != 4)
                    Tippe(&f, i, Richtig(i));
            Tippe(&f, 4, QStringLiteral("+999")); // wrong: the entry stays for the second attempt
            QTRY_VERIFY(f.edt[4]->hasFocus());
            f.btnWeiter->click();
            Ruhe();
            QCOMPARE(AktDurchgang, seite);
            QVERIFY(f.edt[4]->isVisible());
            QTRY_VERIFY(f.edt[4]->hasFocus());
            Tippe(&f, 4, Richtig(4)); // the line is finished now
            if (seite < 3) {
                f.btnWeiter->click();
                Ruhe();
                QCOMPARE(AktDurchgang, seite + 1);
            }
        }
        QVERIFY(f.btnAuswertung->isVisible());
        f.btnWeiter->click(); // hidden, but a press action still reaches it
        Ruhe();
        QCOMPARE(AktDurchgang, 3);
        QCOMPARE(f.lblDurchgang->text(), QStringLiteral("3 / 3"));
        f.close();
        GanzSpeicherZuruecksetzen();
    }
};

QTEST_MAIN(TestFunde)
#include "test_funde.moc"
