#include "rational/RationalKatalog.h"

#include "core/Random.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalTermBauer.h"

namespace {

struct Band {
    int bis; // upper end of the band of w
    int variante;
    int form;
};

struct Eintrag {
    int art;
    int stufe;
    Band baender[8];
};

// Each entry's bands cover 1 … 100 without a gap; the last band ends at 100.
constexpr Eintrag Katalog[] = {
    {1, 1, {{40, 1, 0}, {80, 2, 0}, {100, 3, 0}}},
    {1, 2, {{34, 4, 0}, {68, 5, 0}, {100, 6, 0}}},
    {1, 3, {{34, 7, 0}, {68, 8, 0}, {100, 9, 0}}},
    {1, 4, {{40, 10, 0}, {80, 11, 0}, {90, 12, 0}, {100, 13, 0}}},
    {2, 1, {{40, 1, 0}, {80, 2, 0}, {100, 3, 0}}},
    {2, 2, {{34, 4, 0}, {68, 5, 0}, {100, 6, 0}}},
    {2, 3, {{34, 7, 0}, {68, 8, 0}, {100, 9, 0}}},
    {2, 4, {{25, 10, 0}, {50, 11, 0}, {75, 12, 0}, {100, 13, 0}}},
    {3, 1, {{50, 1, 0}, {100, 2, 0}}},
    {3, 2, {{50, 3, 0}, {100, 4, 0}}},
    {3, 3, {{50, 5, 0}, {100, 6, 0}}},
    {4, 1, {{50, 1, 0}, {75, 2, 0}, {100, 3, 0}}},
    {4, 2, {{50, 4, 0}, {75, 5, 0}, {100, 6, 0}}},
    {4, 3, {{50, 7, 0}, {75, 8, 0}, {100, 9, 0}}},
    {5, 1,
     {{12, 1, 1}, {25, 2, 1}, {37, 3, 1}, {50, 4, 1}, {62, 5, 2}, {75, 6, 2}, {87, 7, 3}, {100, 8, 3}}},
    {5, 2, {{50, 9, 4}, {100, 10, 4}}},
    {5, 3, {{25, 11, 5}, {50, 12, 5}, {75, 13, 5}, {100, 14, 5}}},
    {5, 4, {{50, 15, 6}, {100, 16, 6}}},
};

} // namespace

int RationalStufen(int art)
{
    static constexpr int Stufen[] = {0, 4, 4, 3, 3, 4};
    return art >= 1 && art <= 5 ? Stufen[art] : 0;
}

RationalWahl RationalBand(int art, int stufe, int w)
{
    if (w < 1 || w > 100)
        return {};
    for (const Eintrag& e : Katalog) {
        if (e.art != art || e.stufe != stufe)
            continue;
        for (const Band& b : e.baender)
            if (b.variante != 0 && w <= b.bis)
                return {b.variante, b.form};
    }
    return {};
}

int RationalEintrag(int art, int stufe, int zeile)
{
    if (zeile < 1 || zeile > 5 || stufe < 1 || stufe > RationalStufen(art))
        return 0;
    const RationalWahl wahl = RationalBand(art, stufe, Random(100) + 1);
    TRationalAufgabe& aufgabe = RationalAufgaben[zeile];
    if (art == 5)
        aufgabe.Form = wahl.Form;
    BaueRational(art, wahl.Variante, RationalVereinfacht, aufgabe);
    return wahl.Variante;
}

bool GewaehlteStufeRational(int& art, int& stufe)
{
    const int stufen[5] = {StufeRationalAdd, StufeRationalSub, StufeRationalMult, StufeRationalDiv,
                           StufeRationalGem};
    for (int k = 0; k < 5; ++k) {
        if (stufen[k] > 0) {
            art = k + 1;
            stufe = stufen[k];
            return true;
        }
    }
    return false;
}

int RationalZeileFuellen(int zeile)
{
    int art = 0;
    int stufe = 0;
    return GewaehlteStufeRational(art, stufe) ? RationalEintrag(art, stufe, zeile) : 0;
}
