#include "integer/GanzTermBauer.h"

#include "core/NumberHelpers.h"
#include "core/Random.h"
#include "integer/GanzZahlen.h"
#include "integer/TulpParser.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <mutex>
#include <vector>

using namespace GanzZahlen;

namespace {

// Position of the n-th occurrence of c (n from 1), -1 if there is none.
int NtePosition(const QString& text, QChar c, int n)
{
    for (int i = 0; i < text.size(); ++i)
        if (text[i] == c && --n == 0)
            return i;
    return -1;
}

// ----------------------------------------------------------------- chains --

// Magnitude tuples of a chain. Drawing magnitudes until their product is below
// 200 accepts each admissible tuple with the same chance, so picking one of
// the enumerated tuples uniformly gives exactly that distribution, without
// the 160,000 redraws a six-factor product needs on average.
using Tupel = std::array<quint8, 6>;
using Tupelliste = std::vector<Tupel>;

void SammleBetraege(Tupelliste& liste, Tupel& t, int i, int anzahl, int von, int bis, int produkt)
{
    if (i == anzahl) {
        liste.push_back(t);
        return;
    }
    for (int b = von; b <= bis && produkt * b < 200; ++b) {
        t[i] = quint8(b);
        SammleBetraege(liste, t, i + 1, anzahl, von, bis, produkt * b);
    }
}

// Ops 1 … 3 draw magnitudes 1 … 15, op 4 draws 2 … 16. Each list is built
// at its first use.
const Tupelliste& KettenBetraege(int op, int anzahl)
{
    static std::once_flag einmal[2][7];
    static Tupelliste listen[2][7];
    const int mal = op == 4 ? 1 : 0;
    std::call_once(einmal[mal][anzahl], [mal, anzahl] {
        Tupel tupel{};
        SammleBetraege(listen[mal][anzahl], tupel, 0, anzahl, mal ? 2 : 1, mal ? 16 : 15, 1);
    });
    return listen[mal][anzahl];
}

// Exact quotients: pairs a / b with a, b in 2 … 151, b | a, a > b; triples
// a / b / c with a in 2 … 151, b in 2 … 121, c in 2 … 101, b | a, c | b,
// c | a / b, a > b > c. Only about one random triple in 10,000 qualifies, so
// these are enumerated once and picked uniformly as well.
const Tupelliste& Quotienten(int anzahl)
{
    static const auto tabellen = [] {
        std::array<Tupelliste, 2> t;
        for (int b = 2; b <= 151; ++b)
            for (int a = 2 * b; a <= 151; a += b)
                t[0].push_back({quint8(a), quint8(b)});
        for (int c = 2; c <= 101; ++c)
            for (int b = 2 * c; b <= 121; b += c)
                for (int a = 2 * b; a <= 151; a += b)
                    if ((a / b) % c == 0)
                        t[1].push_back({quint8(a), quint8(b), quint8(c)});
        return t;
    }();
    return tabellen[anzahl == 2 ? 0 : 1];
}

QString Quotientenkette(int anzahl)
{
    const Tupelliste& liste = Quotienten(anzahl);
    const Tupel& q = liste[size_t(Random(int(liste.size())))];
    const int a = MitVorzeichen(q[0]);
    const int b = MitVorzeichen(q[1]);
    if (anzahl == 2)
        return Zahl(a) + u'/' + Zahl(b);
    const int c = MitVorzeichen(q[2]);
    // Both readings are exact: b | a, and c | b makes a / (b / c) = a·c / b whole.
    if (Random(2) == 0)
        return u'(' + Zahl(a) + u'/' + Zahl(b) + QLatin1String(")/") + Zahl(c);
    return Zahl(a) + QLatin1String("/(") + Zahl(b) + u'/' + Zahl(c) + u')';
}

// A drawn chain of ops 1 … 4; the text is only written for the chain that is
// kept, so rejection loops over chains stay cheap.
struct Kette {
    int op = 1;
    int anzahl = 0;
    int zahlen[6] = {};
    bool plus[6] = {}; // the operator in front of operand i (op 3)
    int summe = 0;     // value of an addition/subtraction chain

    QString Text() const
    {
        QString text;
        for (int i = 0; i < anzahl; ++i) {
            if (i > 0)
                text += op == 4 ? QChar(u'*') : Plus(plus[i]);
            text += Zahl(zahlen[i]);
        }
        return text;
    }
};

Kette ZieheKette(int op, int anzahl)
{
    Kette k;
    k.op = std::clamp(op, 1, 4);
    k.anzahl = std::clamp(anzahl, 2, 6);
    const Tupelliste& liste = KettenBetraege(k.op, k.anzahl);
    const Tupel& t = liste[size_t(Random(int(liste.size())))];
    for (int i = 0; i < k.anzahl; ++i)
        k.zahlen[i] = MitVorzeichen(t[size_t(i)]);
    for (int i = 0; i < k.anzahl; ++i) {
        k.plus[i] = i == 0 || k.op == 1 || (k.op == 3 && Random(2) == 0);
        k.summe += k.plus[i] ? k.zahlen[i] : -k.zahlen[i];
    }
    return k;
}

QString Kettentext(int op, int anzahl)
{
    if (op == 5)
        return Quotientenkette(anzahl <= 2 ? 2 : 3);
    return ZieheKette(op, anzahl).Text();
}

// ------------------------------------------------------ groups and bars --

// Encloses operands k … m in one more pair of parentheses (or in "abs(" … ")").
void Umschliesse(QString& text, int k, int m, QLatin1String auf)
{
    const int zu = NtePosition(text, u')', m);
    const int anfang = NtePosition(text, u'(', k);
    if (zu < 0 || anfang < 0 || anfang > zu)
        return;
    text.insert(zu + 1, u')');
    text.insert(anfang, auf);
}

struct Gruppe {
    int von = 0, bis = 0;
};

// Groups by operand count and draw; with two groups the right one comes first.
struct Klammerwahl {
    Gruppe g[2];
};

const std::vector<Klammerwahl>& Klammerwahlen(int anzahl)
{
    static const std::vector<Klammerwahl> tabelle[7] = {
        {},
        {},
        {Klammerwahl{}},
        {{{{2, 3}}}},
        {{{{2, 3}}}, {{{3, 4}}}, {{{2, 4}}}, {{{3, 4}, {1, 2}}}},
        {{{{2, 3}}}, {{{3, 4}}}, {{{4, 5}}}, {{{4, 5}, {2, 3}}}, {{{2, 4}}}, {{{3, 5}}}},
        {{{{2, 3}}},
         {{{3, 4}}},
         {{{4, 5}}},
         {{{5, 6}}},
         {{{5, 6}, {2, 4}}},
         {{{2, 4}}},
         {{{2, 5}}},
         {{{3, 6}}},
         {{{2, 5}}}},
    };
    return tabelle[anzahl];
}

// Absolute values by operand count and e = 1 … 100.
enum class Betragsart { Operand, Einzelne, Lauf };
struct Betragszeile {
    int bisE;
    Betragsart art;
    int wert;  // Operand: its number; Einzelne: how many; Lauf: its length
    int start; // Lauf: first operand, 0 for a random start
};

const std::vector<Betragszeile>& Betragszeilen(int anzahl)
{
    using A = Betragsart;
    static const std::vector<Betragszeile> tabelle[7] = {
        {},
        {},
        {{25, A::Operand, 1, 0}, {50, A::Operand, 2, 0}, {100, A::Lauf, 2, 1}},
        {{10, A::Operand, 1, 0},
         {20, A::Operand, 2, 0},
         {30, A::Operand, 3, 0},
         {55, A::Einzelne, 2, 0},
         {80, A::Lauf, 2, 1},
         {100, A::Lauf, 2, 2}},
        {{10, A::Einzelne, 1, 0},
         {20, A::Einzelne, 2, 0},
         {30, A::Einzelne, 3, 0},
         {70, A::Lauf, 2, 0},
         {100, A::Lauf, 3, 0}},
        {{5, A::Einzelne, 1, 0},
         {10, A::Einzelne, 2, 0},
         {20, A::Einzelne, 3, 0},
         {40, A::Einzelne, 4, 0},
         {70, A::Lauf, 2, 0},
         {100, A::Lauf, 3, 0}},
        {{5, A::Einzelne, 1, 0},
         {15, A::Einzelne, 2, 0},
         {30, A::Einzelne, 3, 0},
         {45, A::Einzelne, 4, 0},
         {70, A::Lauf, 2, 0},
         {85, A::Lauf, 3, 0},
         {100, A::Lauf, 4, 0}},
    };
    return tabelle[anzahl];
}

void SetzeBetraege(QString& text, int anzahl, int e)
{
    const auto& zeilen = Betragszeilen(anzahl);
    const auto zeile = std::find_if(zeilen.begin(), zeilen.end(),
                                    [e](const Betragszeile& z) { return e <= z.bisE; });
    if (zeile == zeilen.end())
        return;
    const QLatin1String abs("abs(");
    switch (zeile->art) {
    case Betragsart::Operand:
        Umschliesse(text, zeile->wert, zeile->wert, abs);
        break;
    case Betragsart::Lauf: {
        const int start = zeile->start ? zeile->start : Random(anzahl - zeile->wert + 1) + 1;
        Umschliesse(text, start, start + zeile->wert - 1, abs);
        break;
    }
    case Betragsart::Einzelne: {
        std::vector<int> gewaehlt;
        while (int(gewaehlt.size()) < zeile->wert) {
            const int k = Random(anzahl) + 1;
            if (std::find(gewaehlt.begin(), gewaehlt.end(), k) == gewaehlt.end())
                gewaehlt.push_back(k);
        }
        // From the rightmost to the leftmost, so the counts of the others hold.
        std::sort(gewaehlt.rbegin(), gewaehlt.rend());
        for (int k : gewaehlt)
            Umschliesse(text, k, k, abs);
        break;
    }
    }
}

} // namespace

// ------------------------------------------------------------- builders --

QString BaueKette(int op, int anzahl)
{
    return Cut(Kettentext(op, anzahl), ShortLen80);
}

QString BaueKlammern(int op, int anzahl)
{
    anzahl = std::clamp(anzahl, 2, 6);
    QString text = Kettentext(op, anzahl);
    if (op == 5) // a three-number quotient has its group already
        return Cut(text, ShortLen80);
    const auto& wahlen = Klammerwahlen(anzahl);
    const Klammerwahl& wahl = wahlen.size() > 1 ? wahlen[size_t(Random(int(wahlen.size())))] : wahlen[0];
    for (const Gruppe& g : wahl.g)
        if (g.von > 0)
            Umschliesse(text, g.von, g.bis, QLatin1String("("));
    return Cut(text, ShortLen80);
}

QString BaueBetraege(int op, int anzahl)
{
    anzahl = std::clamp(anzahl, 2, 6);
    QString text = Kettentext(op, anzahl);
    const int e = Random(100) + 1;
    if (op == 5 && anzahl >= 3) {
        // The bracketed quotient becomes the absolute value.
        const int gruppe = text.indexOf(QLatin1String("(("));
        if (gruppe >= 0)
            text.insert(gruppe, QLatin1String("abs"));
    } else {
        SetzeBetraege(text, anzahl, e);
    }
    return Cut(text, ShortLen80);
}

QString BaueVerbindung(int art, int anzahl)
{
    anzahl = std::clamp(anzahl, 3, 6);
    if (art != 2) {
        while (true) {
            const int x = VorzeichenZahl(11);
            const Kette kette = ZieheKette(3, anzahl - 1);
            if (kette.summe * x < 150)
                return Cut(u'(' + kette.Text() + QLatin1String(")*") + Zahl(x), ShortLen80);
        }
    }
    while (true) {
        const int x = VorzeichenZahl(26);
        const Kette kette = ZieheKette(3, anzahl - 1);
        const int c = kette.summe;
        if (c % x == 0 && c > 0 && c < 300)
            return Cut(u'(' + kette.Text() + QLatin1String(")/") + Zahl(x), ShortLen80);
    }
}

// ------------------------------------------------------- results, rewrites --

QString Ergebnistext(const QString& term)
{
    TFunktion f(term);
    const double wert = f.Berechne(1);
    if (f.Fehler() != 0 || !std::isfinite(wert) || std::fabs(wert) >= 1e15)
        return {};
    // Fixed notation with no decimals; a zero (also -0.0) is written "0".
    const long long gerundet = std::llround(wert);
    return Cut(QString::number(gerundet == 0 ? 0LL : gerundet), ShortLen20);
}

int TermWert(const QString& term)
{
    TFunktion f(term);
    const double wert = f.Berechne(1);
    if (f.Fehler() != 0 || !std::isfinite(wert))
        return 0;
    return int(std::clamp(std::round(wert), -2147483648.0, 2147483647.0));
}

namespace {
QString Umschreiben(const QString& term, QChar auf, QChar zu)
{
    QString text = term;
    for (int i; (i = text.indexOf(QLatin1String("(("))) >= 0;)
        text[i] = auf;
    for (int i; (i = text.indexOf(QLatin1String("))"))) >= 0;)
        text[i + 1] = zu;
    return text;
}
} // namespace

QString EckigeKlammern(const QString& term)
{
    return Cut(Umschreiben(term, u'[', u']'), ShortLen80);
}

QString Betragsstriche(const QString& term)
{
    QString text = Umschreiben(term, u'|', u'|');
    text.remove(QLatin1String("abs"));
    return Cut(text, ShortLen80);
}
