// The three screens opened from the main menu: each comes up modally on its
// first page, and a second opening starts afresh.
#include "common/ModalHelper.h"
#include "integer/GanzSpeicher.h"
#include "intro/EinstiegGanzU.h"
#include "intro/EinstiegRationalU.h"
#include "intro/GanzMusterU.h"
#include "shell/MinuslandU.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QtTest>

class TestIntroMenue : public QObject {
    Q_OBJECT

    // Triggers the main-menu item and runs the check inside the modal screen,
    // which then closes through its "Schließen" item.
    template <typename Form>
    void Oeffne(const char* item, Form* form, std::function<void(Form*)> check)
    {
        QAction* a = frmMinusland->findChild<QAction*>(QString::fromLatin1(item));
        QVERIFY2(a, item);
        QVERIFY(a->isEnabled());
        bool seen = false;
        WhenModal([&](QWidget* w) {
            seen = w == form;
            if (seen)
                check(form);
            form->menSchliessen->trigger();
        });
        a->trigger();
        QVERIFY(seen);
        QVERIFY(!form->isVisible());
    }

private slots:
    void initTestCase()
    {
        frmMinusland = new TfrmMinusland;
        frmGanzEinstieg = new TfrmGanzEinstieg;
        frmGanzMuster = new TfrmGanzMuster;
        frmRationalEinstieg = new TfrmRationalEinstieg;
        frmMinusland->SetzeFormular(Formular::GanzEinstieg, frmGanzEinstieg);
        frmMinusland->SetzeFormular(Formular::GanzMuster, frmGanzMuster);
        frmMinusland->SetzeFormular(Formular::RationalEinstieg, frmRationalEinstieg);
        frmMinusland->show();
    }
    void cleanupTestCase()
    {
        delete frmGanzEinstieg;
        delete frmGanzMuster;
        delete frmRationalEinstieg;
        delete frmMinusland;
    }

    // The introductions' menu bars look like the main window's, whatever
    // font the screens draw their texts in.
    void menueLeistenWieImHauptfenster()
    {
        const QMenuBar* haupt = frmMinusland->menuBar();
        for (QWidget* form : {static_cast<QWidget*>(frmGanzEinstieg), static_cast<QWidget*>(frmGanzMuster),
                              static_cast<QWidget*>(frmRationalEinstieg)}) {
            const auto* leiste = form->findChild<QMenuBar*>();
            QVERIFY(leiste);
            QCOMPARE(leiste->font(), haupt->font());
            QCOMPARE(leiste->sizeHint().height(), haupt->sizeHint().height());
        }
    }

    void integerIntroduction()
    {
        Oeffne<TfrmGanzEinstieg>("menEinstiegG", frmGanzEinstieg, [](TfrmGanzEinstieg* f) {
            QCOMPARE(f->windowTitle(), QStringLiteral("Einstieg"));
            QCOMPARE(f->Zustand().IntroPage, 0);
            f->menOrdnen->trigger();
        });
        // Opened again: the overview, not the exercise left behind.
        Oeffne<TfrmGanzEinstieg>("menEinstiegG", frmGanzEinstieg, [](TfrmGanzEinstieg* f) {
            QCOMPARE(f->Zustand().IntroPage, 0);
            QVERIFY(f->menOrdnen->isEnabled());
        });
    }

    void workedExamples()
    {
        Oeffne<TfrmGanzMuster>("menMusterGanzSub", frmGanzMuster, [](TfrmGanzMuster* f) {
            QVERIFY(f->Zustand().Subtraktion);
            QVERIFY(f->windowTitle().endsWith(QStringLiteral("(Subtraktion)")));
        });
        QCOMPARE(ArtGanz, 2);
        Oeffne<TfrmGanzMuster>("menMusterGanzAdd", frmGanzMuster, [](TfrmGanzMuster* f) {
            QVERIFY(!f->Zustand().Subtraktion);
            QVERIFY(!f->Zustand().Geld);
        });
    }

    void rationalIntroduction()
    {
        Oeffne<TfrmRationalEinstieg>("menEinstiegR", frmRationalEinstieg, [](TfrmRationalEinstieg* f) {
            QCOMPARE(f->Zustand().IntroPage, 0);
            QVERIFY(f->img1->isVisible());
        });
    }
};

QTEST_MAIN(TestIntroMenue)
#include "test_intro_menue.moc"
