#include "assets/FertigeBilder.h"

#include "assets/AppIcon.h"

#include <QGuiApplication>
#include <QPixmap>

namespace {

// Index of each picture in EingebetteteBilder.
constexpr int ErstesStatusBild = 0; // four, in the order of StatusArt
constexpr int ErsteMarke = 4;       // right, wrong
constexpr int Titel = 6;
constexpr int ErstesIcon = 7;

bool FeinerBildschirm()
{
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0;
}

// A picture on the embedded pixels, without copying them.
QImage Eingebettet(int nr)
{
    if (nr >= EingebetteteBilderAnzahl)
        return QImage();
    const EingebettetesBild& b = EingebetteteBilder[nr];
    return QImage(b.pixel, b.breite, b.hoehe, QImage::Format_ARGB32_Premultiplied);
}

} // namespace

QImage FertigesStatusBild(StatusArt art)
{
    return FeinerBildschirm() ? StatusBild(art) : Eingebettet(ErstesStatusBild + int(art));
}

QImage FertigeMarkeRichtig()
{
    return FeinerBildschirm() ? MarkeRichtig() : Eingebettet(ErsteMarke);
}

QImage FertigeMarkeFalsch()
{
    return FeinerBildschirm() ? MarkeFalsch() : Eingebettet(ErsteMarke + 1);
}

QImage FertigesTitelbild()
{
    // A JPEG has its pixels whatever the screen: always the embedded copy.
    return Eingebettet(Titel);
}

QIcon FertigesAppIcon()
{
    if (FeinerBildschirm())
        return AppIconSet();
    QIcon icon;
    for (int nr = ErstesIcon; nr < EingebetteteBilderAnzahl; ++nr)
        icon.addPixmap(PixmapOhneKopie(Eingebettet(nr)));
    return icon;
}

QPixmap PixmapOhneKopie(const QImage& bild)
{
    return QPixmap::fromImage(bild, Qt::NoFormatConversion);
}
