#include "integer/GanzKatalog.h"

#include "core/NumberHelpers.h"
#include "core/Random.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzTermBauer.h"

#include <vector>

namespace {

enum class Bauer { Kette, Klammern, Betraege, Verbindung, Grundrechnung };
enum class Umschrift { Keine, Klammern, Striche };

// A percentage band: p up to bis calls the builder with its arguments.
struct Band {
    int bis;
    Bauer bauer;
    int a = 0;
    int b = 0;
};

struct Generator {
    bool ziehtProzent;
    Umschrift umschrift;
    std::vector<Band> baender;
};

// Kind 9: consecutive variants over the percentage bands ending at the bounds.
std::vector<Band> Varianten(int erste, std::initializer_list<int> grenzen)
{
    std::vector<Band> baender;
    for (int bis : grenzen)
        baender.push_back({bis, Bauer::Grundrechnung, erste++});
    return baender;
}

std::vector<Band> Zwei(Bauer bauer, int op, int n1, int n2)
{
    return {{50, bauer, op, n1}, {100, bauer, op, n2}};
}

std::vector<Band> Vier(Bauer bauer, int op)
{
    return {{25, bauer, op, 3}, {50, bauer, op, 4}, {75, bauer, op, 5}, {100, bauer, op, 6}};
}

const Generator& GeneratorDer(int art, int stufe)
{
    using B = Bauer;
    using U = Umschrift;
    static const Generator tabelle[9][4] = {
        {{true, U::Keine, {{100, B::Kette, 1, 2}}},
         {true, U::Keine, Zwei(B::Kette, 1, 3, 4)},
         {true, U::Keine, Zwei(B::Kette, 1, 4, 5)},
         {true, U::Keine, Zwei(B::Kette, 1, 5, 6)}},
        {{true, U::Keine, Zwei(B::Kette, 2, 2, 3)},
         {true, U::Keine, Zwei(B::Kette, 2, 3, 4)},
         {true, U::Keine, Zwei(B::Kette, 2, 4, 5)},
         {true, U::Keine, Zwei(B::Kette, 2, 5, 6)}},
        {{true, U::Keine, Zwei(B::Kette, 3, 2, 3)},
         {true, U::Keine, Zwei(B::Kette, 3, 3, 4)},
         {true, U::Keine, Zwei(B::Kette, 3, 4, 5)},
         {true, U::Keine, Zwei(B::Kette, 3, 5, 6)}},
        {{true, U::Klammern, {{100, B::Klammern, 2, 3}}},
         {true, U::Klammern, Zwei(B::Klammern, 2, 3, 4)},
         {true, U::Klammern, Zwei(B::Klammern, 2, 4, 5)},
         {true, U::Klammern, Zwei(B::Klammern, 2, 5, 6)}},
        {{true, U::Klammern, {{100, B::Klammern, 3, 3}}},
         {true, U::Klammern, Zwei(B::Klammern, 3, 3, 4)},
         {true, U::Klammern, Zwei(B::Klammern, 3, 4, 5)},
         {true, U::Klammern, Zwei(B::Klammern, 3, 5, 6)}},
        {{true, U::Striche, {{70, B::Betraege, 3, 2}, {100, B::Betraege, 3, 3}}},
         {true, U::Striche, Zwei(B::Betraege, 3, 3, 4)},
         {true, U::Striche, {{20, B::Betraege, 3, 3}, {50, B::Betraege, 3, 4}, {100, B::Betraege, 3, 5}}},
         {true, U::Striche, Zwei(B::Betraege, 3, 5, 6)}},
        {{true, U::Keine, Zwei(B::Kette, 4, 2, 3)},
         {true, U::Keine, Zwei(B::Kette, 4, 4, 5)},
         {true, U::Striche, Vier(B::Betraege, 4)},
         {true, U::Klammern, Vier(B::Verbindung, 1)}},
        {{false, U::Keine, {{100, B::Kette, 5, 2}}},
         {false, U::Klammern, {{100, B::Kette, 5, 3}}},
         {true, U::Striche, Zwei(B::Betraege, 5, 2, 3)},
         {true, U::Klammern, Vier(B::Verbindung, 2)}},
        {{true, U::Klammern, Varianten(1, {12, 25, 37, 50, 62, 75, 87, 100})},
         {true, U::Striche, Varianten(9, {9, 18, 27, 36, 45, 54, 63, 72, 81, 90, 100})},
         {true, U::Striche, Varianten(20, {9, 18, 27, 36, 45, 54, 63, 72, 81, 90, 100})},
         {true, U::Klammern, Varianten(31, {11, 22, 33, 44, 55, 66, 77, 88, 100})}},
    };
    return tabelle[art - 1][stufe - 1];
}

QString Quelle(const Band& band)
{
    static const char* const namen[] = {"BaueKette", "BaueKlammern", "BaueBetraege", "BaueVerbindung",
                                        "BaueGrundrechnung"};
    const QString name = QLatin1String(namen[int(band.bauer)]);
    if (band.bauer == Bauer::Grundrechnung)
        return QStringLiteral("%1(%2)").arg(name).arg(band.a);
    return QStringLiteral("%1(%2,%3)").arg(name).arg(band.a).arg(band.b);
}

QString Baue(const Band& band)
{
    switch (band.bauer) {
    case Bauer::Kette: return BaueKette(band.a, band.b);
    case Bauer::Klammern: return BaueKlammern(band.a, band.b);
    case Bauer::Betraege: return BaueBetraege(band.a, band.b);
    case Bauer::Verbindung: return BaueVerbindung(band.a, band.b);
    case Bauer::Grundrechnung: return BaueGrundrechnung(band.a);
    }
    return {};
}

} // namespace

GanzAufgabe ZieheAufgabeGanz(int art, int stufe, bool vereinfacht)
{
    if (art < 1 || art > 9 || stufe < 1 || stufe > 4)
        return {};
    const Generator& g = GeneratorDer(art, stufe);
    const int p = g.ziehtProzent ? Random(100) + 1 : 1;
    const Band* band = &g.baender.back();
    for (const Band& b : g.baender)
        if (p <= b.bis) {
            band = &b;
            break;
        }

    GanzAufgabe aufgabe;
    aufgabe.Quelle = Quelle(*band);
    aufgabe.Term = Cut(Baue(*band), ShortLen80);
    // The result always comes from the internal form, before any rewrite.
    aufgabe.Ergebnis = Cut(Ergebnistext(aufgabe.Term), ShortLen20);
    if (g.umschrift == Umschrift::Klammern && !vereinfacht)
        aufgabe.Term = EckigeKlammern(aufgabe.Term);
    else if (g.umschrift == Umschrift::Striche)
        aufgabe.Term = Betragsstriche(aufgabe.Term);
    aufgabe.Term = Cut(aufgabe.Term, ShortLen80);
    return aufgabe;
}

void GeneriereAufgabeGanz(int art, int stufe, int i)
{
    if (i < 1 || i > 5)
        return;
    const GanzAufgabe aufgabe = ZieheAufgabeGanz(art, stufe, Vereinfacht);
    AufgabenGanz[size_t(i)].Term = aufgabe.Term;
    AufgabenGanz[size_t(i)].Ergebnis = aufgabe.Ergebnis;
}

bool GewaehlteStufeGanz(int& art, int& stufe)
{
    for (int k = 0; k < 9; ++k)
        if (StufenGanz[k] >= 1 && StufenGanz[k] <= 4) {
            art = k + 1;
            stufe = StufenGanz[k];
            return true;
        }
    return false;
}

bool FuelleAufgabeGanz(int i)
{
    int art = 0;
    int stufe = 0;
    if (!GewaehlteStufeGanz(art, stufe))
        return false;
    GeneriereAufgabeGanz(art, stufe, i);
    return true;
}
