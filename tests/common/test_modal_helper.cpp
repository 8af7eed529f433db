#include "common/ModalHelper.h"

#include <QDialog>
#include <QMessageBox>
#include <QtTest>

class TestModalHelper : public QObject {
    Q_OBJECT
private slots:
    void dialogIsHandedToTheAction()
    {
        QDialog dlg;
        dlg.setObjectName("dlg");
        QString seen;
        WhenModal([&](QWidget* w) {
            seen = w->objectName();
            static_cast<QDialog*>(w)->accept();
        });
        QCOMPARE(dlg.exec(), int(QDialog::Accepted));
        QCOMPARE(seen, QString("dlg"));
        QCOMPARE(ModalWatchesPending(), 0);

        // The same dialog opened a second time is found again.
        WhenModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        QCOMPARE(dlg.exec(), int(QDialog::Rejected));
    }

    void messageInsideADialog()
    {
        QDialog dlg;
        QString text;
        QString name;
        WhenModal([&](QWidget* w) {
            AnswerNextMessage(&text, &name);
            QMessageBox box(QMessageBox::Information, "t", "Hallo", QMessageBox::Ok, w);
            box.setObjectName("Meldung");
            QCOMPARE(box.exec(), int(QMessageBox::Ok));
            static_cast<QDialog*>(w)->accept();
        });
        dlg.exec();
        QCOMPARE(text, QString("Hallo"));
        QCOMPARE(name, QString("Meldung"));
        QCOMPARE(ModalWatchesPending(), 0);
    }

    void cancelledWatchesStaySilent()
    {
        WhenModal([](QWidget*) { QFAIL("cancelled"); });
        AnswerNextMessage();
        QCOMPARE(ModalWatchesPending(), 2);
        CancelModalWatches();
        QCOMPARE(ModalWatchesPending(), 0);
        QTest::qWait(30);
    }

    void givesUpWhenNothingAppears()
    {
        QTest::ignoreMessage(QtWarningMsg, "ModalHelper: no modal widget appeared within the timeout");
        WhenModal([](QWidget*) { QFAIL("no dialog was opened"); }, 50);
        QTRY_COMPARE(ModalWatchesPending(), 0);
    }
};

QTEST_MAIN(TestModalHelper)
#include "test_modal_helper.moc"
