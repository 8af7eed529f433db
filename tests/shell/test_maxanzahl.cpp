#include "common/ModalHelper.h"
#include "integer/GanzSpeicher.h"
#include "shell/MaxanzahlU.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

class TestMaxanzahl : public QObject {
    Q_OBJECT

    TfrmMaxanzahl* dlg = nullptr;

    // Shows the dialog without a modal loop and puts the focus in the box.
    void Zeige()
    {
        dlg->show();
        QApplication::setActiveWindow(dlg);
        QVERIFY(QTest::qWaitForWindowActive(dlg));
        dlg->edtMaxzahl->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(dlg->edtMaxzahl->hasFocus());
    }

    // Leaves the box as Tab would; returns the message shown, if any. The
    // check runs inside the focus change, so afterwards a watch that has not
    // fired means no message.
    QString Verlasse(const QString& text)
    {
        // The message box's closing may have left no window active.
        QApplication::setActiveWindow(dlg);
        dlg->edtMaxzahl->setFocus(Qt::OtherFocusReason);
        if (!QTest::qWaitFor([this] { return dlg->edtMaxzahl->hasFocus(); }, 2000))
            return QStringLiteral("<the box did not get the focus>");
        dlg->edtMaxzahl->setText(text);
        QString meldung;
        QString name;
        AnswerNextMessage(&meldung, &name);
        dlg->BitBtn2->setFocus(Qt::TabFocusReason);
        CancelModalWatches();
        if (!meldung.isEmpty() && name != QLatin1String("Meldung"))
            return QStringLiteral("<message box without the name Meldung>");
        return meldung;
    }

private slots:
    void init()
    {
        GewaehlteDurchgaenge = 3;
        dlg = new TfrmMaxanzahl;
    }
    void cleanup()
    {
        delete dlg;
        dlg = nullptr;
    }

    void layout()
    {
        QCOMPARE(dlg->windowTitle(), QString::fromUtf8("Durchgänge"));
        QCOMPARE(dlg->size(), QSize(392, 173));
        QCOMPARE(dlg->font().pixelSize(), 19);
        QVERIFY(dlg->font().bold());
        QCOMPARE(dlg->grpMax->title(), QString::fromUtf8(" Max. Anzahl der Durchgänge (3-10) "));
        QCOMPARE(dlg->grpMax->geometry(), QRect(8, 8, 377, 105));
        QCOMPARE(dlg->edtMaxzahl->parentWidget(), dlg->grpMax);
        QCOMPARE(dlg->edtMaxzahl->geometry(), QRect(120, 48, 140, 30));
        QCOMPARE(dlg->edtMaxzahl->text(), QString("3"));
        QCOMPARE(dlg->BitBtn1->geometry(), QRect(8, 128, 140, 40));
        QCOMPARE(dlg->BitBtn2->geometry(), QRect(246, 128, 140, 40));
    }

    void leavingTheBox()
    {
        Zeige();
        // Out of range: told, and back to 3.
        for (const char* falsch : {"11", "2", "0", "00", "99999999999999999999"}) {
            QCOMPARE(Verlasse(falsch), QString("Die eingegebene Zahl liegt nicht im Bereich!"));
            QCOMPARE(dlg->edtMaxzahl->text(), QString("3"));
            QCOMPARE(dlg->Gelesen(), QString("3"));
            QCOMPARE(dlg->focusWidget(), dlg->edtMaxzahl); // focus given back to the box
        }
        // In range: kept without a word.
        for (const char* gut : {"10", "3", "07"}) {
            QCOMPARE(Verlasse(gut), QString());
            QCOMPARE(dlg->edtMaxzahl->text(), QString(gut));
        }
        // Empty: "3" silently, focus back in the box.
        QCOMPARE(Verlasse(""), QString());
        QCOMPARE(dlg->edtMaxzahl->text(), QString("3"));
        QCOMPARE(dlg->focusWidget(), dlg->edtMaxzahl);
        QCOMPARE(GewaehlteDurchgaenge, 3); // leaving the box takes nothing
    }

    void okTakesTheValueCloseDoesNot()
    {
        WhenModal([this](QWidget*) {
            dlg->edtMaxzahl->setText("7");
            dlg->BitBtn1->click();
        });
        QCOMPARE(dlg->exec(), int(QDialog::Rejected));
        QCOMPARE(GewaehlteDurchgaenge, 3);

        WhenModal([this](QWidget*) {
            dlg->edtMaxzahl->setText("10");
            dlg->BitBtn2->click();
        });
        QCOMPARE(dlg->exec(), int(QDialog::Accepted));
        QCOMPARE(GewaehlteDurchgaenge, 10);

        // The next opening shows the count in force.
        QString gezeigt;
        WhenModal([&](QWidget*) {
            gezeigt = dlg->edtMaxzahl->text();
            dlg->reject();
        });
        dlg->exec();
        QCOMPARE(gezeigt, QString("10"));
    }

    void okWithAValueOutOfRangeKeepsTheDialogOpen()
    {
        QString meldung;
        bool nochOffen = false;
        WhenModal([&](QWidget*) {
            dlg->edtMaxzahl->setText("11");
            AnswerNextMessage(&meldung);
            dlg->BitBtn2->click();
            nochOffen = dlg->isVisible();
            QCOMPARE(dlg->edtMaxzahl->text(), QString("3"));
            dlg->BitBtn2->click();
        });
        QCOMPARE(dlg->exec(), int(QDialog::Accepted));
        QCOMPARE(meldung, QString("Die eingegebene Zahl liegt nicht im Bereich!"));
        QVERIFY(nochOffen);
        QCOMPARE(GewaehlteDurchgaenge, 3);
    }

    void onlyDigitsGetIn()
    {
        Zeige();
        QLineEdit* edt = dlg->edtMaxzahl;
        edt->clear();
        QTest::keyClicks(edt, "a1-b,2 x");
        QCOMPARE(edt->text(), QString("12"));

        edt->clear();
        QGuiApplication::clipboard()->setText("4a");
        edt->paste();
        QCOMPARE(edt->text(), QString());
        QGuiApplication::clipboard()->setText("5");
        edt->paste();
        QCOMPARE(edt->text(), QString("5"));
        QGuiApplication::clipboard()->setText(QString::fromUtf8("\u20136"));
        edt->paste();
        QCOMPARE(edt->text(), QString("5"));

        // Dropped text goes through the same check.
        auto lasseFallen = [edt](const QString& text) {
            QMimeData daten;
            daten.setText(text);
            const QPoint mitte = edt->rect().center();
            QDragEnterEvent betreten(mitte, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edt, &betreten);
            QDragMoveEvent bewegen(mitte, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edt, &bewegen);
            QDropEvent fallen(QPointF(mitte), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(edt, &fallen);
        };
        lasseFallen("x9");
        QCOMPARE(edt->text(), QString("5"));
        edt->clear();
        lasseFallen("8");
        QCOMPARE(edt->text(), QString("8"));
    }

    void switchingWindowsDoesNotCheck()
    {
        Zeige();
        dlg->edtMaxzahl->setText("42");
        // Another window taking over (the pupil switches programs) is not
        // leaving the box.
        QWidget anderes;
        anderes.show();
        QApplication::setActiveWindow(&anderes);
        QTRY_VERIFY(!dlg->edtMaxzahl->hasFocus());
        QCOMPARE(dlg->edtMaxzahl->text(), QString("42"));
    }
};

QTEST_MAIN(TestMaxanzahl)
#include "test_maxanzahl.moc"
