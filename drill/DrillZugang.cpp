#include "drill/DrillZugang.h"

#include "core/Zugang.h"
#include "speech/Sprechtext.h"

QString StatusName(std::optional<Verdikt> verdikt)
{
    if (!verdikt)
        return BewertungsName(Bewertung::Offen);
    switch (*verdikt) {
    case Verdikt::RichtigErster: return BewertungsName(Bewertung::RichtigErst);
    case Verdikt::RichtigZweiter: return BewertungsName(Bewertung::RichtigZweit);
    case Verdikt::FalschErster: return BewertungsName(Bewertung::FalschErst);
    case Verdikt::FalschZweiter: return BewertungsName(Bewertung::FalschZweit);
    case Verdikt::Formatfehler1:
    case Verdikt::Formatfehler2: break;
    }
    return BewertungsName(Bewertung::Offen);
}

QString MarkeName(int versuch, bool richtig)
{
    return MarkenName(versuch, richtig);
}

void BeschreibeTermfeld(QWidget* feld, const QString& gezeigt)
{
    BeschreibeAufgabe(feld, gezeigt, gezeigt.isEmpty() ? QString() : SprichTerm(gezeigt));
}
