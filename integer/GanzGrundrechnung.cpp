// The mixed shapes of all four operations (BaueGrundrechnung).
#include "integer/GanzTermBauer.h"

#include "core/NumberHelpers.h"
#include "core/Random.h"
#include "integer/GanzZahlen.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <vector>

using namespace GanzZahlen;

namespace {

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
