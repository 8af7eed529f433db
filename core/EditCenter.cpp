#include "core/EditCenter.h"

TEditCenter::TEditCenter(QWidget* parent, int zeile)
    : TAntwortFeld(zeile, parent)
{
    setAlignment(Qt::AlignCenter);
}
