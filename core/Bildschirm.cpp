#include "core/Bildschirm.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QShowEvent>

TBildschirm::TBildschirm(QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
}

void TBildschirm::done(int result)
{
    // Closed before it hides, so that the focus changes of hiding are not
    // taken for the pupil's.
    offen_ = false;
    QDialog::done(result);
}

void TBildschirm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!offen_) {
        offen_ = true;
        FormActivate();
    }
}

void TBildschirm::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        offen_ = false;
}

void TBildschirm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    // The screens tell the pupil to press Enter: it presses the focused
    // button as Space does, not some default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* knopf = qobject_cast<QAbstractButton*>(focusWidget());
        if (knopf && knopf->isVisible() && knopf->isEnabled()) {
            event->accept();
            knopf->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}
