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
    LeseRationalZeile(i, h);
    return h;
}

void SchreibeRationalZeile(int i, const AufgabenHerkunft& h)
{
    TRationalAufgabe& a = RationalAufgaben[i];
    a.Term = h.term;
    a.Ergebnis = h.ergebnis;
    a.IstBruch = h.istBruch;
    a.Sonderdarstellung = h.sonderdarstellung;
    a.Form = h.form;
}

void LeseRationalZeile(int i, AufgabenHerkunft& h)
{
    const TRationalAufgabe& a = RationalAufgaben[i];
    h.term = a.Term;
    h.ergebnis = a.Ergebnis;
    h.istBruch = a.IstBruch;
    h.sonderdarstellung = a.Sonderdarstellung;
    h.form = a.Form;
}
