#include "integer/GanzQuelle.h"

#include "drill/KatalogQuelle.h"

#include "integer/GanzKatalog.h"
#include "integer/GanzSpeicher.h"

std::unique_ptr<Aufgabenquelle> GanzKatalogquelle()
{
    return KatalogQuelle([](int zeile) { return FuelleAufgabeGanz(zeile); }, GanzHerkunft);
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
