#include "core/Bildschirm.h"

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
    QDialog::keyPressEvent(event);
}
