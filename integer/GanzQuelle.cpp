#include "integer/GanzQuelle.h"

#include "integer/GanzKatalog.h"
#include "integer/GanzSpeicher.h"

namespace {

class GanzKatalog : public Aufgabenquelle {
public:
    AufgabenHerkunft Fuelle(int, int zeile, bool) override
    {
        if (!FuelleAufgabeGanz(zeile))
            return {};
        return GanzHerkunft(zeile);
    }
};

} // namespace

std::unique_ptr<Aufgabenquelle> GanzKatalogquelle()
{
    return std::make_unique<GanzKatalog>();
}

AufgabenHerkunft GanzHerkunft(int i)
{
    AufgabenHerkunft h;
    h.bereich = Zahlenbereich::Ganz;
    GewaehlteStufeGanz(h.art, h.stufe);
    h.term = AufgabenGanz[i].Term;
    h.ergebnis = AufgabenGanz[i].Ergebnis;
    return h;
}
