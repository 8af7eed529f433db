#include "rational/RationalQuelle.h"

#include "drill/KatalogQuelle.h"

#include "rational/RationalKatalog.h"
#include "rational/RationalSpeicher.h"

std::unique_ptr<Aufgabenquelle> RationalKatalogquelle()
{
    return KatalogQuelle([](int zeile) { return RationalZeileFuellen(zeile) != 0; }, RationalHerkunft);
}

AufgabenHerkunft RationalHerkunft(int i)
{
    AufgabenHerkunft h;
    h.bereich = Zahlenbereich::Rational;
    // The first open level variable decides, as the catalogue does.
    GewaehlteStufeRational(h.art, h.stufe);
    const TRationalAufgabe& a = RationalAufgaben[i];
    h.term = a.Term;
    h.ergebnis = a.Ergebnis;
    h.istBruch = a.IstBruch;
    h.sonderdarstellung = a.Sonderdarstellung;
    h.form = a.Form;
    return h;
}
