#include "drill/DrillBilder.h"

#include "assets/Bilder.h"

#include <array>

namespace {

std::array<QPixmap, 6>& Bilder()
{
    static std::array<QPixmap, 6> bilder;
    return bilder;
}

QImage Gemalt(DrillBild bild)
{
    switch (bild) {
    case DrillBild::Neutral: return StatusBild(StatusArt::Neutral);
    case DrillBild::RichtigErster: return StatusBild(StatusArt::RichtigErster);
    case DrillBild::Falsch: return StatusBild(StatusArt::Falsch);
    case DrillBild::RichtigZweiter: return StatusBild(StatusArt::RichtigZweiter);
    case DrillBild::MarkeRichtig: return MarkeRichtig();
    case DrillBild::MarkeFalsch: return MarkeFalsch();
    }
    return {};
}

} // namespace

void SetzeDrillBild(DrillBild bild, const QPixmap& pixmap)
{
    Bilder()[size_t(bild)] = pixmap;
}

QPixmap DrillBildPixmap(DrillBild bild)
{
    QPixmap& p = Bilder()[size_t(bild)];
    if (p.isNull())
        p = QPixmap::fromImage(Gemalt(bild));
    return p;
}
