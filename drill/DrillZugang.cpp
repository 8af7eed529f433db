#include "drill/DrillZugang.h"

#include "core/Zugang.h"
#include "speech/Sprechtext.h"

QString StatusName(std::optional<Verdikt> verdikt)
{
    if (!verdikt)
        return BewertungsName(Bewertungsstand::Offen);
    switch (*verdikt) {
    case Verdikt::RichtigErster: return BewertungsName(Bewertungsstand::RichtigErst);
    case Verdikt::RichtigZweiter: return BewertungsName(Bewertungsstand::RichtigZweit);
    case Verdikt::FalschErster: return BewertungsName(Bewertungsstand::FalschErst);
    case Verdikt::FalschZweiter: return BewertungsName(Bewertungsstand::FalschZweit);
    case Verdikt::Formatfehler1:
    case Verdikt::Formatfehler2: break;
    }
    return BewertungsName(Bewertungsstand::Offen);
}

QString MarkeName(int versuch, bool richtig)
{
    return MarkenName(versuch, richtig);
}

void BeschreibeTermfeld(QWidget* feld, const QString& gezeigt)
{
    BeschreibeAufgabe(feld, gezeigt, gezeigt.isEmpty() ? QString() : SprichTerm(gezeigt));
}
