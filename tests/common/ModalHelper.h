#pragma once
// Lets a GUI test drive modal dialogs and message boxes without blocking.
//
// A modal exec() runs its own event loop and only returns when the dialog
// closes, so a test has to arrange beforehand what should happen once the
// dialog is up. Call one of these BEFORE the code that opens the dialog:
//
//   #include "common/ModalHelper.h"
//
//   WhenModal([](QWidget* w) {               // runs inside the dialog's loop
//       auto* dlg = qobject_cast<QDialog*>(w);
//       ...inspect or grab w...
//       dlg->accept();                        // the action must close it
//   });
//   frmSomething->exec();                     // returns after the action
//
//   QString text;
//   AnswerNextMessage(&text);                 // records the text, presses OK
//   edit->clearFocus();                       // ...code that shows a box
//   QCOMPARE(text, "...");
//
// How it works: a timer polls QApplication::activeModalWidget() every few
// milliseconds; the first visible modal widget that was not already the top
// modal widget when the call was made is handed to the action, exactly once.
// Nested cases work: inside a WhenModal action you may call AnswerNextMessage
// and then trigger a message box from the dialog.
// If no new modal widget appears within timeoutMs the watch gives up with a
// warning (the test then fails on its own checks instead of hanging); use
// ModalWatchesPending() to assert that every watch has fired, and
// CancelModalWatches() to drop watches that turned out not to be needed.
//
// Header-only; link Qt6::Widgets. Pointers handed in (textOut) must stay
// valid until the message box has appeared.

#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>

#include <functional>
#include <memory>

namespace modal_helper_detail {
inline QList<QPointer<QTimer>>& Watches()
{
    static QList<QPointer<QTimer>> watches;
    return watches;
}
inline void Finish(QTimer* timer)
{
    timer->stop();
    Watches().removeAll(QPointer<QTimer>(timer));
    timer->deleteLater();
}
} // namespace modal_helper_detail

// Number of WhenModal/AnswerNextMessage watches that have neither fired nor
// timed out yet.
inline int ModalWatchesPending()
{
    return int(modal_helper_detail::Watches().size());
}

// Drops every pending watch without a warning. Handy after code that shows
// its dialog synchronously: once it has returned, a watch that has not fired
// means no dialog appeared.
inline void CancelModalWatches()
{
    const auto watches = modal_helper_detail::Watches();
    for (const QPointer<QTimer>& timer : watches)
        if (timer)
            modal_helper_detail::Finish(timer);
    modal_helper_detail::Watches().clear();
}

inline void WhenModal(std::function<void(QWidget*)> action, int timeoutMs = 5000)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QPointer<QWidget> baseline = QApplication::activeModalWidget();
    const int maxTicks = qMax(1, timeoutMs / 5);
    auto ticks = std::make_shared<int>(0);
    modal_helper_detail::Watches().append(timer);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, baseline, ticks, maxTicks, action]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        // The widget that was modal at call time no longer counts as "old"
        // once it has stopped being modal (the same dialog may be re-opened).
        if (baseline && modal != baseline)
            baseline = nullptr;
        if (modal && modal != baseline && modal->isVisible()) {
            modal_helper_detail::Finish(timer);
            action(modal);
            return;
        }
        if (++*ticks >= maxTicks) {
            modal_helper_detail::Finish(timer);
            qWarning("ModalHelper: no modal widget appeared within the timeout");
        }
    });
    timer->start();
}

// Presses the accepting button of a message box (OK where there is one).
inline void PressOk(QMessageBox* box)
{
    if (QAbstractButton* ok = box->button(QMessageBox::Ok))
        ok->click();
    else if (QAbstractButton* def = box->defaultButton())
        def->click();
    else
        box->accept();
}

// The next modal widget is expected to be a QMessageBox: its text goes to
// *textOut (when given), its objectName to *nameOut (when given), and OK is
// pressed. Any other modal widget is rejected/closed and *textOut gets
// "<not a message box: objectName>" so the test's comparison fails visibly.
inline void AnswerNextMessage(QString* textOut = nullptr, QString* nameOut = nullptr, int timeoutMs = 5000)
{
    WhenModal(
        [textOut, nameOut](QWidget* w) {
            if (nameOut)
                *nameOut = w->objectName();
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                if (textOut)
                    *textOut = box->text();
                PressOk(box);
            } else {
                if (textOut)
                    *textOut = QStringLiteral("<not a message box: %1>").arg(w->objectName());
                w->close();
            }
        },
        timeoutMs);
}
