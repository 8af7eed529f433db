#pragma once
#include "assets/Bilder.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

// The pictures that never change, painted (or decoded) once at build time
// by tools/bilddaten with the routines of Bilder.h and AppIcon.h and
// embedded as pixels: the program's start paints and decodes nothing for
// them. On a
// screen finer than one device pixel per pixel they are painted at run
// time instead, so they stay sharp.

QImage FertigesStatusBild(StatusArt art);
QImage FertigeMarkeRichtig();
QImage FertigeMarkeFalsch();
QImage FertigesTitelbild(); // decoded from assets/titelbild.jpg at build time

// The program icon in the sizes a window system asks for (16 … 128).
QIcon FertigesAppIcon();

// A pixmap on a picture's own pixels. The embedded pictures are stored
// premultiplied; an opaque one would otherwise be converted, which copies
// its pixels onto the heap.
QPixmap PixmapOhneKopie(const QImage& bild);

// The embedded pixels, written by tools/bilddaten (ARGB32 premultiplied,
// one picture after the other in the order of the functions above).
struct EingebettetesBild {
    const uchar* pixel;
    int breite;
    int hoehe;
};
extern const EingebettetesBild EingebetteteBilder[];
extern const int EingebetteteBilderAnzahl;
