#pragma once
// The draw machinery of the fraction term builders: the denominator tables,
// numbers drawn in groups until their own conditions hold, and the random
// decimals. Every function draws from the shared generator (core/Random) in
// a fixed order, so a seed gives the same exercises on every compiler.
#include "core/Random.h"
#include "rational/RationalTermBauer.h"

#include <QList>

#include <utility>

namespace Ziehung {

// Denominator tables: rows of denominators; a builder draws a row and takes
// its columns in random order.
inline constexpr int NennerPaareA[18][2] = {{2, 4},  {2, 6},  {2, 8},  {2, 10}, {3, 6},  {3, 9},
                                     {3, 12}, {3, 15}, {4, 8},  {4, 12}, {8, 16}, {4, 20},
                                     {5, 10}, {5, 15}, {5, 20}, {6, 12}, {6, 18}, {7, 14}};
inline constexpr int NennerPaareB[27][2] = {
    {2, 4},  {2, 6},  {2, 8},  {2, 10}, {2, 12}, {2, 14}, {2, 16}, {3, 6},  {3, 9},
    {3, 12}, {3, 15}, {3, 18}, {3, 21}, {4, 8},  {4, 12}, {8, 16}, {4, 20}, {4, 24},
    {5, 10}, {5, 15}, {5, 20}, {5, 25}, {6, 12}, {6, 18}, {6, 24}, {7, 14}, {7, 21}};
inline constexpr int NennerPaareC[21][2] = {{3, 4}, {3, 5}, {3, 7}, {3, 8},  {3, 10}, {4, 5}, {4, 6},
                                     {4, 7}, {4, 9}, {4, 10}, {5, 6}, {5, 7},  {5, 8}, {5, 9},
                                     {6, 7}, {6, 8}, {6, 9}, {6, 10}, {7, 8},  {7, 9}, {7, 10}};
inline constexpr int NennerPaareD[10][2] = {{10, 12}, {12, 14}, {12, 15}, {12, 16}, {12, 18},
                                     {12, 20}, {12, 21}, {15, 18}, {15, 20}, {20, 24}};
inline constexpr int NennerTripelA[4][3] = {{2, 3, 6}, {2, 4, 8}, {2, 4, 12}, {3, 6, 12}};
inline constexpr int NennerTripelB[11][3] = {{2, 3, 6},  {2, 4, 8},  {2, 4, 12}, {2, 4, 16},
                                      {2, 8, 16}, {3, 6, 12}, {3, 6, 18}, {3, 9, 18},
                                      {3, 6, 24}, {3, 9, 27}, {4, 8, 16}};
inline constexpr int NennerTripelC[14][3] = {{2, 3, 4},  {2, 3, 5}, {2, 3, 7}, {2, 3, 8}, {2, 3, 10},
                                      {3, 4, 5},  {3, 4, 6}, {3, 4, 7}, {3, 4, 9}, {3, 4, 10},
                                      {4, 5, 6},  {4, 5, 7}, {4, 5, 8}, {4, 5, 9}};
inline constexpr int NennerTripelD[7][3] = {{3, 5, 15}, {3, 7, 14},  {3, 7, 21},  {3, 9, 10},
                                     {4, 5, 10}, {9, 12, 18}, {12, 15, 20}};

// A uniform number von … bis.
inline int Zahl(int von, int bis)
{
    return von + Random(bis - von + 1);
}

// Negative with probability one half.
inline int MitVorzeichen(int p)
{
    return Random(2) == 0 ? -p : p;
}

// Numerator for denominator d in 1 … maxZaehler: coprime to d, no multiple of d.
int ZaehlerZu(int d, int maxZaehler);

// A row of a denominator table drawn among its first `zeilen` rows, its
// columns in random order, numerators drawn for each, then the signs.
template <int Z, int K>
QList<RBruch> TabellenBrueche(const int (&tabelle)[Z][K], int zeilen, int maxZaehler)
{
    const int* reihe = tabelle[Random(zeilen)];
    int reihenfolge[K];
    bool genommen[K] = {};
    for (int genommenAnzahl = 0; genommenAnzahl < K;) {
        const int spalte = Random(K);
        if (!genommen[spalte]) {
            genommen[spalte] = true;
            reihenfolge[genommenAnzahl++] = spalte;
        }
    }
    QList<RBruch> operanden(K);
    for (int j = 0; j < K; ++j)
        operanden[j].Nenner = reihe[reihenfolge[j]];
    for (int j = 0; j < K; ++j)
        operanden[j].Zaehler = ZaehlerZu(operanden[j].Nenner, maxZaehler);
    for (int j = 0; j < K; ++j)
        operanden[j].Zaehler = MitVorzeichen(operanden[j].Zaehler);
    return operanden;
}

// The sign pattern of mixed variants 9, 10, 15, 16: (+,+), (+,−), (−,+), (−,−).
std::pair<bool, bool> Vorzeichenmuster();

// Every variant draws its numbers until all of its conditions hold. The
// numbers are drawn in groups: a group with conditions of its own (an operand
// in lowest terms, two numbers that share a factor) is redrawn on its own
// until they hold, and a condition that joins groups starts the whole draw
// over. As the groups are independent, the accepted exercises are distributed
// exactly as if every number were redrawn at each failure, with a fraction of
// the draws (multiplication 4 accepts one full draw in about 27,000). For the
// same reason a group may be refused early by a bound that the joining
// conditions imply.

struct Zwei {
    int a = 0;
    int b = 0;
};

// Two independent uniform numbers, a in vonA … bisA and b in vonB … bisB,
// from one draw of the shared generator: the digits of a uniform number
// below nA · nB are independent and uniform.
Zwei Zwillinge(int vonA, int bisA, int vonB, int bisB);

// Three independent uniform numbers x[k] in von[k] … bis[k] (ranges of at
// most 20 values) from one draw.
void Drillinge(const int (&von)[3], const int (&bis)[3], int (&x)[3]);

// a in vonA … bisA and b in vonB … bisB, drawn together until they differ and
// share a factor (mitFaktor) or are coprime. Every caller draws numbers up
// to 20, so the prime masks decide.
Zwei ZiehePaar(int vonA, int bisA, int vonB, int bisB, bool mitFaktor);

// An operand p/q with p in vonP … bisP and q in 2 … bisQ, drawn until it is
// in lowest terms (so p differs from q).
Zwei ZieheGekuerzt(int vonP, int bisP, int bisQ);

// Numerators pairwise different and each different from every denominator;
// with nennerVerschieden also the denominators pairwise different.
bool Verschieden(const int* p, const int* q, int n, bool nennerVerschieden);

// Multiplication: the crosswise pairs (numerator k with the denominator of
// partner[k]) are the groups; each must share a factor or be coprime as the
// variant says. The numbers are unsigned.
void ZieheMultiplikation(int variante, int (&p)[3], int (&q)[3]);

// Division: the straight pairs of numerators and of denominators are the
// groups, then the remaining operand. Returns the operand count.
int ZieheDivision(int variante, int (&p)[3], int (&q)[3]);

// Two operands x, y of mixed variants 9 … 14, each in lowest terms, drawn
// until their test holds. kreuzweise: the six inequalities and the crosswise
// pairs (px with qy, py with qx), else the four inequalities and the straight
// pairs. The pattern drawn with each try (both pairs share a factor, only the
// second, only the first) accepts exactly the draws where at least one pair
// shares a factor, each with the same chance, so that is the test here.
// nennerGrenze: the pair's unreduced denominator must stay below it.
struct Operandenpaar {
    int px, qx, py, qy;
};

Operandenpaar ZieheOperandenpaar(int bis, bool kreuzweise, bool quotient, int nennerGrenze);

} // namespace Ziehung
