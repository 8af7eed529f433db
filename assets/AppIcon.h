#pragma once
#include <QIcon>
#include <QImage>

// The program's icon, painted from shapes at any size so that every size of
// the icon theme and of the window icon is sharp: a minus sign and a plus
// sign over a number line on the red of the main window.
QImage AppIcon(int size);

// The icon in the sizes a window system asks for (title bar, task bar,
// switcher), each painted at its own size.
QIcon AppIconSet();
