#include "core/Meldung.h"

#include <QMessageBox>

void Meldung(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Minusland"), text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("Meldung"));
    box.exec();
}
