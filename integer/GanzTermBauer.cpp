#include "integer/GanzTermBauer.h"

#include "core/NumberHelpers.h"
#include "core/Random.h"
#include "integer/TulpParser.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

// ---------------------------------------------------------------- numbers --

// The operand text of a number: (+7), (-12).
QString Zahl(int n)
{
    return QLatin1String(n < 0 ? "(-" : "(+") + QString::number(std::abs(n)) + u')';
}

int MitVorzeichen(int betrag)
{
    return Random(2) == 0 ? -betrag : betrag;
}

// A signed draw of 2 … m: negative with probability 1/2.
int VorzeichenZahl(int m)
{
    return MitVorzeichen(Random(m - 1) + 2);
}

// A bar draw of 2 … m: negative with probability 7/9, for numbers that stand
// alone between bars.
int BetragsZahl(int m)
{
    const int betrag = Random(m - 1) + 2;
    return Random(9) > 1 ? -betrag : betrag;
}

QChar Plus(bool plus)
{
    return plus ? u'+' : u'-';
}

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

// ------------------------------------------------------ mixed operations --

using Bedingung = bool (*)(const int* n, const int* s);

// A part of a shape whose letters are redrawn together until the part's own
// condition holds. The condition must follow from the variant's conditions:
// it only spares redrawing the other numbers, the full check decides.
// A table part (its condition must not depend on the operators) is instead
// picked from all its admissible tuples, enumerated at first use: for parts
// that redrawing would rarely hit.
struct Teil {
    const char* buchstaben = nullptr;
    Bedingung passt = nullptr;
    bool tabelle = false;
};

// A shape: lower-case letters a … f are signed numbers in parentheses,
// upper-case ones numbers between bars, "±" an operator drawn once per
// exercise. Beyond the variant's own conditions every division must be
// exact, with a non-zero divisor, and the result must lie in -99 … 99.
struct Variante {
    const char16_t* form;
    std::array<int, 6> m;
    std::array<Teil, 3> teile;
    Bedingung bedingung;
};

int B(int x)
{
    return std::abs(x);
}

bool Teilbar(int a, int b)
{
    return b != 0 && a % b == 0;
}

bool Verschieden3(const int* n)
{
    return B(n[0]) != B(n[1]) && B(n[0]) != B(n[2]) && B(n[1]) != B(n[2]);
}

// Shorthands for the table below: P(i, j, max) is |n_i·n_j| ≤ max,
// Q(i, j) an exact quotient of n_i by n_j with different magnitudes, and
// G(i, j) an exact quotient with n_i ≠ n_j.
bool P(const int* n, int i, int j, int max)
{
    return B(n[i] * n[j]) <= max;
}
bool Q(const int* n, int i, int j)
{
    return Teilbar(n[i], n[j]) && B(n[i]) != B(n[j]);
}
bool G(const int* n, int i, int j)
{
    return Teilbar(n[i], n[j]) && n[i] != n[j];
}

#define BED [](const int* n, const int* s) -> bool
#define TEIL(b, ausdruck) Teil{b, BED { (void)s; return ausdruck; }, false}
#define TABELLE(b, ausdruck) Teil{b, BED { (void)s; return ausdruck; }, true}

const Variante Varianten[39] = {
    /* 1 */ {u"(a*b)/c", {41, 41, 41}, {TABELLE("ab", P(n, 0, 1, 49) && B(n[0]) != B(n[1]))},
             BED { (void)s; return P(n, 0, 1, 49) && Verschieden3(n); }},
    /* 2 */ {u"(a/b)*c", {41, 41, 41}, {TEIL("ab", Q(n, 0, 1))},
             BED { (void)s; return B(n[0]) != B(n[1]) && Verschieden3(n); }},
    /* 3 */ {u"a*(b/c)", {41, 41, 41}, {TEIL("bc", Teilbar(n[1], n[2]))},
             BED { (void)s; return Verschieden3(n); }},
    /* 4 */ {u"a/(b*c)", {101, 81, 81}, {TABELLE("bc", P(n, 1, 2, 101) && B(n[1]) != B(n[2]))},
             BED { (void)s; return Verschieden3(n); }},
    /* 5 */ {u"(a±b)*c", {101, 101, 101}, {}, BED { (void)s; return Verschieden3(n); }},
    /* 6 */ {u"(a±b)/c", {101, 101, 101}, {}, BED { (void)s; return Verschieden3(n); }},
    /* 7 */ {u"a*(b±c)", {101, 101, 101}, {}, BED { (void)s; return Verschieden3(n); }},
    /* 8 */ {u"a/(b±c)", {101, 101, 101}, {}, BED { (void)s; return Verschieden3(n); }},
    /* 9 */ {u"a*b±c*d", {41, 41, 41, 41}, {TEIL("ab", P(n, 0, 1, 49)), TEIL("cd", P(n, 2, 3, 49))},
             BED { (void)s; return P(n, 0, 1, 49) && P(n, 2, 3, 49); }},
    /* 10 */ {u"a/b±c/d", {101, 101, 101, 101}, {TEIL("ab", Q(n, 0, 1)), TEIL("cd", Q(n, 2, 3))},
              BED { (void)s; return B(n[0]) != B(n[1]) && B(n[2]) != B(n[3]); }},
    /* 11 */ {u"a*b±c/d", {101, 101, 101, 101}, {TEIL("ab", P(n, 0, 1, 99)), TEIL("cd", Q(n, 2, 3))},
              BED { (void)s; return P(n, 0, 1, 99) && B(n[2]) != B(n[3]); }},
    /* 12 */ {u"a/b±c*d", {101, 101, 101, 101}, {TEIL("ab", Q(n, 0, 1)), TEIL("cd", P(n, 2, 3, 79))},
              BED { (void)s; return B(n[0]) != B(n[1]) && P(n, 2, 3, 79); }},
    /* 13 */ {u"a/b±c*d±e", {101, 101, 101, 101, 101}, {TEIL("ab", Q(n, 0, 1)), TEIL("cd", P(n, 2, 3, 99))},
              BED { (void)s; return B(n[0]) != B(n[1]) && P(n, 2, 3, 99); }},
    /* 14 */ {u"a±b/c±d*e", {101, 101, 101, 101, 101}, {TEIL("bc", Q(n, 1, 2)), TEIL("de", P(n, 3, 4, 99))},
              BED { (void)s; return B(n[1]) != B(n[2]) && P(n, 3, 4, 99); }},
    /* 15 */ {u"a/b±c±d*e", {101, 101, 101, 101, 101}, {TEIL("ab", Q(n, 0, 1)), TEIL("de", P(n, 3, 4, 99))},
              BED { (void)s; return B(n[0]) != B(n[1]) && P(n, 3, 4, 99); }},
    /* 16 */ {u"A*b±c*D", {41, 41, 41, 41}, {TEIL("ab", P(n, 0, 1, 49)), TEIL("cd", P(n, 2, 3, 49))},
              BED { (void)s; return P(n, 0, 1, 49) && P(n, 2, 3, 49); }},
    /* 17 */ {u"a*B±C*d", {41, 41, 41, 41}, {TEIL("ab", P(n, 0, 1, 49)), TEIL("cd", P(n, 2, 3, 49))},
              BED { (void)s; return P(n, 0, 1, 49) && P(n, 2, 3, 49); }},
    /* 18 */ {u"a*B±c*D", {41, 41, 41, 41}, {TEIL("ab", P(n, 0, 1, 49)), TEIL("cd", P(n, 2, 3, 49))},
              BED { (void)s; return P(n, 0, 1, 49) && P(n, 2, 3, 49); }},
    /* 19 */ {u"A*b±C*d", {41, 41, 41, 41}, {TEIL("ab", P(n, 0, 1, 49)), TEIL("cd", P(n, 2, 3, 49))},
              BED { (void)s; return P(n, 0, 1, 49) && P(n, 2, 3, 49); }},
    /* 20 */ {u"a*b*c±d*e*f", {26, 26, 26, 26, 26, 26},
              {TEIL("abc", B(n[0] * n[1] * n[2]) <= 49), TEIL("def", B(n[3] * n[4] * n[5]) <= 49)},
              BED { (void)s; return B(n[0] * n[1] * n[2]) <= 49 && B(n[3] * n[4] * n[5]) <= 49; }},
    /* 21 */ {u"a*b±c*d±e*f", {31, 31, 31, 31, 31, 31},
              {TEIL("ab", P(n, 0, 1, 29)), TEIL("cd", P(n, 2, 3, 29)), TEIL("ef", P(n, 4, 5, 29))},
              BED { (void)s; return P(n, 0, 1, 29) && P(n, 2, 3, 29) && P(n, 4, 5, 29); }},
    /* 22 */ {u"a/b±c/d±e/f", {41, 41, 41, 41, 41, 41},
              {TEIL("ab", Teilbar(n[0], n[1])), TEIL("cd", Teilbar(n[2], n[3])), TEIL("ef", Teilbar(n[4], n[5]))},
              BED { (void)n; (void)s; return true; }},
    /* 23 */ {u"a/b±c*d±e*f", {31, 31, 31, 31, 31, 31},
              {TEIL("ab", G(n, 0, 1)), TEIL("cd", P(n, 2, 3, 39)), TEIL("ef", P(n, 4, 5, 39))},
              BED { (void)s; return P(n, 2, 3, 39) && P(n, 4, 5, 39) && n[0] != n[1]; }},
    /* 24 */ {u"a*b±c/d±e*f", {31, 31, 41, 41, 31, 31},
              {TEIL("ab", P(n, 0, 1, 39)), TEIL("cd", G(n, 2, 3)), TEIL("ef", P(n, 4, 5, 39))},
              BED { (void)s; return P(n, 0, 1, 39) && P(n, 4, 5, 39) && n[2] != n[3]; }},
    /* 25 */ {u"a*b±c*d±e/f", {31, 31, 31, 31, 41, 41},
              {TEIL("ab", P(n, 0, 1, 39)), TEIL("cd", P(n, 2, 3, 39)), TEIL("ef", G(n, 4, 5))},
              BED { (void)s; return P(n, 0, 1, 39) && P(n, 2, 3, 39) && n[4] != n[5]; }},
    /* 26 */ {u"a*b±c/d±e/f", {51, 51, 51, 51, 51, 51},
              {TEIL("ab", P(n, 0, 1, 39)), TEIL("cd", G(n, 2, 3)), TEIL("ef", G(n, 4, 5))},
              BED { (void)s; return P(n, 0, 1, 39) && n[2] != n[3] && n[4] != n[5]; }},
    /* 27 */ {u"a/b±c/d±e*f", {51, 51, 51, 51, 51, 51},
              {TEIL("ab", G(n, 0, 1)), TEIL("cd", G(n, 2, 3)), TEIL("ef", P(n, 4, 5, 39))},
              BED { (void)s; return P(n, 4, 5, 39) && n[0] != n[1] && n[2] != n[3]; }},
    /* 28 */ {u"a/b±c*d±e/f", {51, 51, 51, 51, 51, 51},
              {TEIL("ab", G(n, 0, 1)), TEIL("cd", P(n, 2, 3, 39)), TEIL("ef", G(n, 4, 5))},
              BED { (void)s; return P(n, 2, 3, 39) && n[0] != n[1] && n[4] != n[5]; }},
    /* 29 */ {u"A/b±c*D±E/f", {51, 51, 51, 51, 51, 51},
              {TEIL("ab", G(n, 0, 1)), TEIL("cd", P(n, 2, 3, 39)), TEIL("ef", G(n, 4, 5))},
              BED { (void)s; return P(n, 2, 3, 39) && n[0] != n[1] && n[4] != n[5]; }},
    /* 30 */ {u"a/B±C*d±e/F", {51, 51, 51, 51, 51, 51},
              {TEIL("ab", G(n, 0, 1)), TEIL("cd", P(n, 2, 3, 39)), TEIL("ef", G(n, 4, 5))},
              BED { (void)s; return P(n, 2, 3, 39) && n[0] != n[1] && n[4] != n[5]; }},
    /* 31 */ {u"(a±b)*(c±d)", {81, 81, 81, 81}, {},
              BED { (void)s; return n[0] + n[1] != 0 && n[2] + n[3] != 0 && n[0] != n[1] && n[2] != n[3]; }},
    /* 32 */ {u"(a±b)/(c±d)", {81, 81, 81, 81}, {},
              BED { (void)s; return n[1] != -n[0] && n[3] != -n[2] && n[0] != n[1] && n[2] != n[3]; }},
    /* 33 */ {u"(a±b±c)*(d±e)", {51, 51, 51, 51, 51}, {},
              BED { return n[0] + s[0] * n[1] + s[1] * n[2] != 0 && n[3] + s[2] * n[4] != 0; }},
    /* 34 */ {u"(a±b)/(c±d±e)", {51, 51, 31, 31, 31}, {},
              BED { return n[0] + s[0] * n[1] != 0 && n[2] + s[1] * n[3] + s[2] * n[4] != 0; }},
    /* 35 */ {u"(a±b)*(c±d±e)", {51, 51, 51, 51, 51}, {},
              BED { return n[0] + s[0] * n[1] != 0 && n[2] + s[1] * n[3] + s[2] * n[4] != 0; }},
    // 36: a factor e of at least 2 leaves the group at most 49.
    /* 36 */ {u"(a±b±c*d)*e", {51, 51, 41, 41, 51},
              {Teil{"abcd", BED {
                   const int g = n[0] + s[0] * n[1] + s[1] * n[2] * n[3];
                   return n[2] * n[3] <= 39 && g != 0 && B(g) <= 49;
               }}},
              BED { return n[2] * n[3] <= 39 && n[0] + s[0] * n[1] + s[1] * n[2] * n[3] != 0; }},
    /* 37 */ {u"(a±b±c*d)/e", {31, 31, 31, 31, 31}, {},
              BED { return n[2] * n[3] <= 39 && n[0] + s[0] * n[1] + s[1] * n[2] * n[3] != 0; }},
    /* 38 */ {u"(a±b±c*d)*(e±f)", {21, 21, 21, 21, 21, 21}, {},
              BED {
                  return n[2] * n[3] <= 39 && n[0] + s[0] * n[1] + s[1] * n[2] * n[3] != 0
                         && n[4] + s[2] * n[5] != 0;
              }},
    /* 39 */ {u"(a±b±c*d)/(e±f)", {21, 21, 21, 21, 21, 21}, {},
              BED {
                  (void)s;
                  const int cd = n[2] * n[3];
                  return cd != -n[0] - n[1] && cd != n[0] - n[1] && cd != n[0] + n[1]
                         && cd != n[1] - n[0] && n[5] != -n[4] && n[4] != n[5];
              }},
};

#undef TEIL
#undef TABELLE
#undef BED

bool IstZahlbuchstabe(char16_t c)
{
    return (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

int Buchstabe(char16_t c)
{
    return c >= u'a' ? c - u'a' : c - u'A';
}

// Integer value of a shape for the drawn numbers and signs; false when a
// divisor is 0 (tested before dividing) or a division is not exact.
class Formwert {
public:
    Formwert(const char16_t* form, const int* n, const int* s) : p_(form), n_(n), s_(s) {}

    bool Berechne(long long& wert)
    {
        wert = Summe();
        return ok_;
    }

private:
    long long Summe()
    {
        long long wert = Produkt();
        while (*p_ == u'±') {
            ++p_;
            const int vorzeichen = s_[op_++];
            wert += vorzeichen * Produkt();
        }
        return wert;
    }

    long long Produkt()
    {
        long long wert = Faktor();
        while (*p_ == u'*' || *p_ == u'/') {
            const char16_t op = *p_++;
            const long long rechts = Faktor();
            if (op == u'*') {
                wert *= rechts;
            } else if (rechts == 0 || wert % rechts != 0) {
                ok_ = false;
                return 0;
            } else {
                wert /= rechts;
            }
        }
        return wert;
    }

    long long Faktor()
    {
        const char16_t c = *p_++;
        if (c == u'(') {
            const long long wert = Summe();
            ++p_; // ")"
            return wert;
        }
        if (c >= u'a' && c <= u'f')
            return n_[c - u'a'];
        if (c >= u'A' && c <= u'F')
            return std::abs(n_[c - u'A']);
        ok_ = false;
        return 0;
    }

    const char16_t* p_;
    const int* n_;
    const int* s_;
    int op_ = 0;
    bool ok_ = true;
};

bool PasstVariante(const Variante& v, const int* n, const int* s)
{
    if (!v.bedingung(n, s))
        return false;
    long long wert = 0;
    return Formwert(v.form, n, s).Berechne(wert) && wert >= -99 && wert <= 99;
}

bool IstBetrag(const Variante& v, int buchstabe)
{
    for (const char16_t* p = v.form; *p; ++p)
        if (IstZahlbuchstabe(*p) && Buchstabe(*p) == buchstabe)
            return *p >= u'A' && *p <= u'F';
    return false;
}

// All value tuples of a table part that meet its condition, each repeated by
// its chance under the draws (a bar number is negative 7 times in 9, positive
// 2 times), so that one uniform pick from the list is one accepted draw.
std::vector<qint8> Teilliste(const Variante& v, const Teil& teil)
{
    const int k = int(std::strlen(teil.buchstaben));
    int index[3] = {};
    int werte[3][200] = {};
    int gewichte[3][200] = {};
    int anzahl[3] = {};
    for (int j = 0; j < k; ++j) {
        const int b = teil.buchstaben[j] - 'a';
        const bool betrag = IstBetrag(v, b);
        for (int x = -v.m[size_t(b)]; x <= v.m[size_t(b)]; ++x)
            if (x <= -2 || x >= 2) {
                werte[j][anzahl[j]] = x;
                gewichte[j][anzahl[j]] = betrag ? (x < 0 ? 7 : 2) : 1;
                ++anzahl[j];
            }
    }
    std::vector<qint8> liste;
    const int s[5] = {1, 1, 1, 1, 1};
    int n[6] = {};
    while (true) {
        int gewicht = 1;
        for (int j = 0; j < k; ++j) {
            n[teil.buchstaben[j] - 'a'] = werte[j][index[j]];
            gewicht *= gewichte[j][index[j]];
        }
        if (teil.passt(n, s))
            for (int w = 0; w < gewicht; ++w)
                for (int j = 0; j < k; ++j)
                    liste.push_back(qint8(werte[j][index[j]]));
        int j = k - 1;
        while (j >= 0 && ++index[j] == anzahl[j])
            index[j--] = 0;
        if (j < 0)
            break;
    }
    return liste;
}

struct Teillisten {
    std::array<std::vector<qint8>, 3> liste;
};

const Teillisten& TeillistenDer(int variante)
{
    static std::once_flag einmal[39];
    static Teillisten listen[39];
    std::call_once(einmal[variante - 1], [variante] {
        const Variante& v = Varianten[variante - 1];
        for (size_t t = 0; t < v.teile.size(); ++t)
            if (v.teile[t].tabelle)
                listen[variante - 1].liste[t] = Teilliste(v, v.teile[t]);
    });
    return listen[variante - 1];
}

QString Grundrechnungstext(const Variante& v, const int* n, const int* s)
{
    QString text;
    int op = 0;
    for (const char16_t* p = v.form; *p; ++p) {
        if (*p == u'±')
            text += Plus(s[op++] > 0);
        else if (*p >= u'a' && *p <= u'f')
            text += Zahl(n[*p - u'a']);
        else if (*p >= u'A' && *p <= u'F')
            text += QLatin1String("abs(") + Zahl(n[*p - u'A']) + u')';
        else
            text += QChar(*p);
    }
    return text;
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

QString BaueGrundrechnung(int variante)
{
    variante = std::clamp(variante, 1, 39);
    const Variante& v = Varianten[variante - 1];

    int s[5] = {};
    int ops = 0;
    for (const char16_t* p = v.form; *p; ++p)
        if (*p == u'±')
            s[ops++] = Random(2) == 0 ? 1 : -1;

    int buchstaben = 0;
    bool inTeil[6] = {};
    for (const char16_t* p = v.form; *p; ++p)
        if (IstZahlbuchstabe(*p))
            buchstaben = std::max(buchstaben, Buchstabe(*p) + 1);
    for (const Teil& t : v.teile)
        for (const char* b = t.buchstaben; b && *b; ++b)
            inTeil[*b - 'a'] = true;

    // A part is redrawn until its own condition holds; any failed full check
    // redraws every number. So the accepted numbers follow the distribution
    // of redrawing all of them at once until everything holds, only faster.
    const auto ziehe = [&v](int i) {
        return IstBetrag(v, i) ? BetragsZahl(v.m[size_t(i)]) : VorzeichenZahl(v.m[size_t(i)]);
    };
    int n[6] = {};
    do {
        for (int i = 0; i < buchstaben; ++i)
            if (!inTeil[i])
                n[i] = ziehe(i);
        for (size_t t = 0; t < v.teile.size(); ++t) {
            const Teil& teil = v.teile[t];
            if (!teil.buchstaben)
                continue;
            const int k = int(std::strlen(teil.buchstaben));
            if (teil.tabelle) {
                const auto& liste = TeillistenDer(variante).liste[t];
                const int wahl = Random(int(liste.size()) / k) * k;
                for (int j = 0; j < k; ++j)
                    n[teil.buchstaben[j] - 'a'] = liste[size_t(wahl + j)];
                continue;
            }
            do {
                for (int j = 0; j < k; ++j)
                    n[teil.buchstaben[j] - 'a'] = ziehe(teil.buchstaben[j] - 'a');
            } while (!teil.passt(n, s));
        }
    } while (!PasstVariante(v, n, s));

    return Cut(Grundrechnungstext(v, n, s), ShortLen80);
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
