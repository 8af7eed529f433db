#include "core/EditCenter.h"

TEditCenter::TEditCenter(QWidget* parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignCenter);
}
