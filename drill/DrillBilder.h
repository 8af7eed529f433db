#pragma once
#include <QPixmap>

// The status pictures and attempt marks every drill line shows. The main
// window keeps the originals and hands them down at start-up; a screen shown
// without it (tests, tools) gets the same pictures painted here.
enum class DrillBild { Neutral, RichtigErster, Falsch, RichtigZweiter, MarkeRichtig, MarkeFalsch };

void SetzeDrillBild(DrillBild bild, const QPixmap& pixmap);
QPixmap DrillBildPixmap(DrillBild bild);
