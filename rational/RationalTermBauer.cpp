#include "rational/RationalTermBauer.h"

#include "core/NumberHelpers.h"
#include "core/Random.h"
#include "integer/TulpParser.h"

#include <limits>
#include <utility>

namespace {

// ---- Denominator tables --------------------------------------------------------

constexpr int NennerPaareA[18][2] = {{2, 4},  {2, 6},  {2, 8},  {2, 10}, {3, 6},  {3, 9},
                                     {3, 12}, {3, 15}, {4, 8},  {4, 12}, {8, 16}, {4, 20},
                                     {5, 10}, {5, 15}, {5, 20}, {6, 12}, {6, 18}, {7, 14}};
constexpr int NennerPaareB[27][2] = {
    {2, 4},  {2, 6},  {2, 8},  {2, 10}, {2, 12}, {2, 14}, {2, 16}, {3, 6},  {3, 9},
    {3, 12}, {3, 15}, {3, 18}, {3, 21}, {4, 8},  {4, 12}, {8, 16}, {4, 20}, {4, 24},
    {5, 10}, {5, 15}, {5, 20}, {5, 25}, {6, 12}, {6, 18}, {6, 24}, {7, 14}, {7, 21}};
constexpr int NennerPaareC[21][2] = {{3, 4}, {3, 5}, {3, 7}, {3, 8},  {3, 10}, {4, 5}, {4, 6},
                                     {4, 7}, {4, 9}, {4, 10}, {5, 6}, {5, 7},  {5, 8}, {5, 9},
                                     {6, 7}, {6, 8}, {6, 9}, {6, 10}, {7, 8},  {7, 9}, {7, 10}};
constexpr int NennerPaareD[10][2] = {{10, 12}, {12, 14}, {12, 15}, {12, 16}, {12, 18},
                                     {12, 20}, {12, 21}, {15, 18}, {15, 20}, {20, 24}};
constexpr int NennerTripelA[4][3] = {{2, 3, 6}, {2, 4, 8}, {2, 4, 12}, {3, 6, 12}};
constexpr int NennerTripelB[11][3] = {{2, 3, 6},  {2, 4, 8},  {2, 4, 12}, {2, 4, 16},
                                      {2, 8, 16}, {3, 6, 12}, {3, 6, 18}, {3, 9, 18},
                                      {3, 6, 24}, {3, 9, 27}, {4, 8, 16}};
constexpr int NennerTripelC[14][3] = {{2, 3, 4},  {2, 3, 5}, {2, 3, 7}, {2, 3, 8}, {2, 3, 10},
                                      {3, 4, 5},  {3, 4, 6}, {3, 4, 7}, {3, 4, 9}, {3, 4, 10},
                                      {4, 5, 6},  {4, 5, 7}, {4, 5, 8}, {4, 5, 9}};
constexpr int NennerTripelD[7][3] = {{3, 5, 15}, {3, 7, 14},  {3, 7, 21},  {3, 9, 10},
                                     {4, 5, 10}, {9, 12, 18}, {12, 15, 20}};

// ---- Exact arithmetic ------------------------------------------------------------

quint64 Betrag(qint64 v)
{
    return v < 0 ? quint64(0) - quint64(v) : quint64(v);
}

// Greatest common divisor of the magnitudes; Ggt(0, b) = |b|. The conditions
// of the variants are about common factors of the unsigned numbers, so the
// sign rule of the shared Gcd must not reach them.
quint64 Ggt(quint64 a, quint64 b)
{
    while (b != 0) {
        a %= b;
        std::swap(a, b);
    }
    return a;
}

// The primes up to 31 dividing n, as bits, for n < 1024.
struct Primmasken {
    unsigned short maske[1024] = {};
    constexpr Primmasken()
    {
        constexpr int Primzahlen[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31};
        for (int n = 1; n < 1024; ++n)
            for (int i = 0; i < 11; ++i)
                if (n % Primzahlen[i] == 0)
                    maske[n] |= (1u << i);
    }
};
constexpr Primmasken Masken;

// Common factor of the magnitudes (a zero shares every factor of the other).
// The draw loops ask this millions of times, mostly of small numbers: two
// numbers below 1024 whose smaller one is at most 36 share a factor exactly
// when they share a prime up to 31.
inline bool Teilbar(qint64 a, qint64 b)
{
    const quint64 x = Betrag(a), y = Betrag(b);
    if (x < 1024 && y < 1024 && qMin(x, y) <= 36 && x != 0 && y != 0)
        return (Masken.maske[x] & Masken.maske[y]) != 0;
    return Ggt(x, y) > 1;
}

inline bool Teilerfremd(qint64 a, qint64 b)
{
    if (a == 0 || b == 0)
        return Ggt(Betrag(a), Betrag(b)) == 1;
    return !Teilbar(a, b);
}

// An exact fraction, reduced, n > 0; n == 0 marks a value that could not be
// formed (zero divisor, or a number beyond 64 bits: never for the builders'
// ranges, whose largest intermediate products stay below 2^30).
struct QB {
    qint64 z = 0;
    qint64 n = 1;
    bool Gueltig() const { return n != 0; }
};

constexpr QB Ungueltig{0, 0};

QB Gekuerzt(qint64 z, qint64 n)
{
    if (n == 0)
        return Ungueltig;
    const bool negativ = (z < 0) != (n < 0);
    quint64 bz = Betrag(z);
    quint64 bn = Betrag(n);
    const quint64 g = Ggt(bz, bn); // >= 1 as bn > 0
    bz /= g;
    bn /= g;
    constexpr quint64 Grenze = quint64(std::numeric_limits<qint64>::max());
    if (bz > Grenze || bn > Grenze)
        return Ungueltig;
    return {negativ ? -qint64(bz) : qint64(bz), qint64(bn)};
}

bool Mal64(qint64 a, qint64 b, qint64& r)
{
    return !__builtin_mul_overflow(a, b, &r);
}

QB Plus(QB a, QB b)
{
    qint64 x, y, s, n;
    if (!a.Gueltig() || !b.Gueltig() || !Mal64(a.z, b.n, x) || !Mal64(b.z, a.n, y)
        || __builtin_add_overflow(x, y, &s) || !Mal64(a.n, b.n, n))
        return Ungueltig;
    return Gekuerzt(s, n);
}

QB Negiert(QB a)
{
    if (!a.Gueltig() || a.z == std::numeric_limits<qint64>::min())
        return Ungueltig;
    return {-a.z, a.n};
}

QB Minus(QB a, QB b)
{
    return Plus(a, Negiert(b));
}

QB Mal(QB a, QB b)
{
    if (!a.Gueltig() || !b.Gueltig())
        return Ungueltig;
    // Cancel crosswise first so that the products stay as small as possible.
    const QB x = Gekuerzt(a.z, b.n);
    const QB y = Gekuerzt(b.z, a.n);
    qint64 z, n;
    if (!Mal64(x.z, y.z, z) || !Mal64(x.n, y.n, n))
        return Ungueltig;
    return Gekuerzt(z, n);
}

QB Durch(QB a, QB b)
{
    if (!b.Gueltig() || b.z == 0) // a zero divisor is refused before any division
        return Ungueltig;
    return Mal(a, Gekuerzt(b.n, b.z));
}

QB Wert(const RBruch& b)
{
    return Gekuerzt(b.Zaehler, b.Nenner);
}

// ---- Random draws -------------------------------------------------------------------

int Zahl(int von, int bis)
{
    return von + Random(bis - von + 1);
}

// Negative with probability one half.
int MitVorzeichen(int p)
{
    return Random(2) == 0 ? -p : p;
}

// Numerator for denominator d in 1 … maxZaehler: coprime to d, no multiple of d.
int ZaehlerZu(int d, int maxZaehler)
{
    for (;;) {
        const int m = Random(maxZaehler) + 1;
        if (Teilerfremd(m, d) && m % d != 0 && m != d)
            return m;
    }
}

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

// ---- Writing ----------------------------------------------------------------------------

QString Verbinde(const QList<RBruch>& operanden, const QList<QChar>& operatoren, bool ohnePlus = false)
{
    QString term;
    for (qsizetype k = 0; k < operanden.size(); ++k) {
        if (k > 0)
            term += operatoren.value(k - 1);
        term += BruchOperandText(operanden[k].Zaehler, operanden[k].Nenner, ohnePlus);
    }
    return Cut(term, ShortLen80);
}

void SchreibeBruch(TRationalAufgabe& aufgabe, const QString& term, QB wert, bool sonder)
{
    aufgabe.Term = term;
    aufgabe.Ergebnis = wert.Gueltig() ? BruchErgebnisText(wert.z, wert.n) : QString();
    aufgabe.IstBruch = true;
    aufgabe.Sonderdarstellung = sonder;
}

QString VorzeichenDezimal(qint64 wert, int stellen)
{
    return (wert >= 0 ? QStringLiteral("+") : QString()) + DezimalText(wert, stellen);
}

qint64 Zehnerpotenz(int stellen)
{
    qint64 p = 1;
    for (int i = 0; i < stellen; ++i)
        p *= 10;
    return p;
}

// Two random decimals drawn until they differ (and keep the bounds), then
// signed; written as (x)+(y) or (x)-(y).
void DezimalPaar(TRationalAufgabe& aufgabe, int (*zufallX)(), int (*zufallY)(), int grenzeEinzeln,
                 int grenzeSumme, bool minus, int stellen, int anzeigeStellen)
{
    int x, y;
    do {
        x = zufallX();
        y = zufallY();
    } while (x == y || (grenzeEinzeln > 0 && (x >= grenzeEinzeln || y >= grenzeEinzeln))
             || (grenzeSumme > 0 && x + y >= grenzeSumme));
    x = MitVorzeichen(x);
    y = MitVorzeichen(y);
    SchreibeDezimal(aufgabe, x, y, minus, stellen, anzeigeStellen);
}

// ---- Mixed terms ---------------------------------------------------------------------

// Both crosswise pairs of a product x · y share a factor.
bool KuerzbarMal(QB x, QB y)
{
    return Teilbar(x.z, y.n) && Teilbar(x.n, y.z);
}

// Both straight pairs of a quotient x : y share a factor.
bool KuerzbarDurch(QB x, QB y)
{
    return Teilbar(x.z, y.z) && Teilbar(x.n, y.n);
}

QB PlusMinus(QB a, QB b, bool minus)
{
    return minus ? Minus(a, b) : Plus(a, b);
}

// The exact value of a mixed term as it is grouped (see SchreibeGemischt).
QB GemischtWert(int variante, const QList<RBruch>& o, bool minus1, bool minus2)
{
    const int n = variante <= 8 ? 3 : 4;
    if (o.size() != n)
        return Ungueltig;
    const QB a = Wert(o[0]), b = Wert(o[1]), c = Wert(o[2]);
    const QB d = n == 4 ? Wert(o[3]) : QB{};
    switch (variante) {
    case 1: return Mal(Plus(a, b), c);
    case 2: return Mal(Minus(a, b), c);
    case 3: return Durch(Plus(a, b), c);
    case 4: return Durch(Minus(a, b), c);
    case 5: return Durch(Mal(a, b), c);
    case 6: return Mal(Durch(a, b), c);
    case 7: return Mal(a, Durch(b, c));
    case 8: return Durch(a, Mal(b, c));
    case 9: return PlusMinus(PlusMinus(a, Mal(b, c), minus1), d, minus2);
    case 10: return PlusMinus(PlusMinus(a, Durch(b, c), minus1), d, minus2);
    case 11: return PlusMinus(Mal(a, b), Mal(c, d), minus1);
    case 12: return PlusMinus(Mal(a, b), Durch(c, d), minus1);
    case 13: return PlusMinus(Durch(a, b), Mal(c, d), minus1);
    case 14: return PlusMinus(Durch(a, b), Durch(c, d), minus1);
    case 15: return Mal(PlusMinus(a, b, minus1), PlusMinus(c, d, minus2));
    case 16: return Durch(PlusMinus(a, b, minus1), PlusMinus(c, d, minus2));
    default: return Ungueltig;
    }
}

QList<QChar> GemischtOperatoren(int variante, bool minus1, bool minus2)
{
    const QChar plus = u'+', mal = MiddleDot, durch = u':';
    const QChar s1 = minus1 ? EnDash : plus;
    const QChar s2 = minus2 ? EnDash : plus;
    switch (variante) {
    case 1: return {plus, mal};
    case 2: return {EnDash, mal};
    case 3: return {plus, durch};
    case 4: return {EnDash, durch};
    case 5: case 7: return {mal, durch};
    case 6: case 8: return {durch, mal};
    case 9: case 15: return {s1, mal, s2};
    case 10: case 16: return {s1, durch, s2};
    case 11: return {mal, s1, mal};
    case 12: return {mal, s1, durch};
    case 13: return {durch, s1, mal};
    case 14: return {durch, s1, durch};
    default: return {};
    }
}

// The sign pattern of mixed variants 9, 10, 15, 16: (+,+), (+,−), (−,+), (−,−).
std::pair<bool, bool> Vorzeichenmuster()
{
    const int muster = Random(4) + 1;
    return {muster >= 3, muster == 2 || muster == 4};
}

// ---- Drawing in groups -------------------------------------------------------------
//
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
Zwei Zwillinge(int vonA, int bisA, int vonB, int bisB)
{
    const int nA = bisA - vonA + 1;
    const int r = Random(nA * (bisB - vonB + 1));
    return {vonA + r % nA, vonB + r / nA};
}

// Three independent uniform numbers x[k] in von[k] … bis[k] (ranges of at
// most 20 values) from one draw.
void Drillinge(const int (&von)[3], const int (&bis)[3], int (&x)[3])
{
    int anzahl = 1;
    for (int k = 0; k < 3; ++k)
        anzahl *= bis[k] - von[k] + 1;
    int r = Random(anzahl);
    for (int k = 0; k < 3; ++k) {
        const int n = bis[k] - von[k] + 1;
        x[k] = von[k] + r % n;
        r /= n;
    }
}

// a in vonA … bisA and b in vonB … bisB, drawn together until they differ and
// share a factor (mitFaktor) or are coprime. Every caller draws numbers up
// to 20, so the prime masks decide.
Zwei ZiehePaar(int vonA, int bisA, int vonB, int bisB, bool mitFaktor)
{
    for (;;) {
        const Zwei z = Zwillinge(vonA, bisA, vonB, bisB);
        if (z.a != z.b && ((Masken.maske[z.a] & Masken.maske[z.b]) != 0) == mitFaktor)
            return z;
    }
}

// An operand p/q with p in vonP … bisP and q in 2 … bisQ, drawn until it is
// in lowest terms (so p differs from q).
Zwei ZieheGekuerzt(int vonP, int bisP, int bisQ)
{
    for (;;) {
        const Zwei z = Zwillinge(vonP, bisP, 2, bisQ);
        if ((Masken.maske[z.a] & Masken.maske[z.b]) == 0)
            return z;
    }
}

// Numerators pairwise different and each different from every denominator;
// with nennerVerschieden also the denominators pairwise different.
bool Verschieden(const int* p, const int* q, int n, bool nennerVerschieden)
{
    for (int k = 0; k < n; ++k)
        for (int j = 0; j < n; ++j)
            if (p[k] == q[j] || (j != k && (p[k] == p[j] || (nennerVerschieden && q[k] == q[j]))))
                return false;
    return true;
}

// Multiplication: the crosswise pairs (numerator k with the denominator of
// partner[k]) are the groups; each must share a factor or be coprime as the
// variant says. The numbers are unsigned.
void ZieheMultiplikation(int variante, int (&p)[3], int (&q)[3])
{
    static constexpr int Groesste[] = {0, 20, 15, 20, 15, 12, 8}; // numerators 1 …, denominators 2 …
    const int m = Groesste[variante];
    const int n = variante % 2 == 1 ? 2 : 3;
    int partner[3] = {1, 0, 0};
    bool faktor[3] = {true, true, true};
    switch (variante) {
    case 2: { // one of the two cycles, chosen before drawing
        const bool zyklusNull = Random(2) == 0;
        partner[0] = zyklusNull ? 1 : 2;
        partner[1] = zyklusNull ? 2 : 0;
        partner[2] = zyklusNull ? 0 : 1;
        break;
    }
    case 3: { // exactly one crosswise pair, chosen before drawing
        const bool ersterPaar = Random(2) == 0;
        faktor[0] = ersterPaar;
        faktor[1] = !ersterPaar;
        break;
    }
    case 4: // gcd(p1, q3) = 1, gcd(p2, q1) > 1, gcd(p3, q2) > 1
    case 6: // gcd(p1, q3) = gcd(p2, q1) = gcd(p3, q2) = 1
        partner[0] = 2;
        partner[1] = 0;
        partner[2] = 1;
        faktor[0] = false;
        faktor[1] = faktor[2] = variante == 4;
        break;
    case 5: faktor[0] = faktor[1] = false; break;
    default: break;
    }
    const bool schranke = variante == 3 || variante == 4 || variante == 6;
    const bool nennerVerschieden = variante != 2 && variante != 4;
    if (n == 3 && schranke) {
        // Variants 4 and 6: the numerators and the denominators are the
        // groups, each with its product bound (the strongest conditions).
        // Variant 4 also refuses in each group what the joining conditions
        // rule out: p2 shares a prime with q1 (p2 != q1, both <= 15, so a
        // prime up to 7) but none with q2, so p2 has a prime up to 7 and q1
        // one that q2 lacks; likewise p3, q2 and q3. p2, p3 >= 2 are drawn
        // as such (a uniform draw refused at 1 is the same).
        const bool vier = variante == 4;
        const int ab = vier ? 2 : 1;
        constexpr unsigned BisSieben = 0xF; // the mask bits of 2, 3, 5, 7
        auto eigenerPrimteiler = [&](int x, int y) { return (Masken.maske[x] & ~Masken.maske[y] & BisSieben) != 0; };
        for (;;) {
            do
                Drillinge({1, ab, ab}, {m, m, m}, p);
            while (p[0] == p[1] || p[0] == p[2] || p[1] == p[2] || p[0] * p[1] * p[2] >= 100
                   || (vier && (!eigenerPrimteiler(p[1], 1) || !eigenerPrimteiler(p[2], 1))));
            do
                Drillinge({2, 2, 2}, {m, m, m}, q);
            while (q[0] * q[1] * q[2] >= 100 || (nennerVerschieden && (q[0] == q[1] || q[0] == q[2] || q[1] == q[2]))
                   || (vier && (!eigenerPrimteiler(q[0], q[1]) || !eigenerPrimteiler(q[1], q[2]))));
            bool gut = Verschieden(p, q, n, nennerVerschieden);
            for (int k = 0; k < n && gut; ++k)
                gut = Teilerfremd(p[k], q[k]) && Teilbar(p[k], q[partner[k]]) == faktor[k];
            if (gut)
                return;
        }
    }
    for (;;) {
        for (int k = 0; k < n; ++k) {
            const Zwei paar = ZiehePaar(1, m, 2, m, faktor[k]);
            p[k] = paar.a;
            q[partner[k]] = paar.b;
        }
        bool gut = Verschieden(p, q, n, nennerVerschieden);
        for (int k = 0; k < n && gut; ++k)
            gut = Teilerfremd(p[k], q[k]);
        if (gut && schranke) {
            int pp = 1, qq = 1;
            for (int k = 0; k < n; ++k) {
                pp *= p[k];
                qq *= q[k];
            }
            gut = pp < 100 && qq < 100;
        }
        if (gut)
            return;
    }
}

// Division: the straight pairs of numerators and of denominators are the
// groups, then the remaining operand. Returns the operand count.
int ZieheDivision(int variante, int (&p)[3], int (&q)[3])
{
    const int anzahl = (variante - 1) % 3 == 0 ? 2 : 3;
    const bool gruppiert = variante % 3 == 0;
    // Variants with two forms (in 4: two cancelling pairs) choose one before drawing.
    const bool zweiFormen = variante != 1 && variante != 3 && variante != 7;
    const int form = zweiFormen ? Random(2) : 0;
    // Which straight pairs share a factor.
    bool zaehlerFaktor = true, nennerFaktor = true;
    if (variante == 4 || variante == 6 || variante == 8) {
        zaehlerFaktor = form == 0;
        nennerFaktor = form == 1;
    } else if (variante == 7 || variante == 9) {
        zaehlerFaktor = nennerFaktor = false;
    }

    if (anzahl == 2) { // a : b
        for (;;) {
            const Zwei z = ZiehePaar(1, 20, 1, 20, zaehlerFaktor);
            const Zwei n = ZiehePaar(2, 20, 2, 20, nennerFaktor);
            p[0] = z.a, p[1] = z.b, q[0] = n.a, q[1] = n.b;
            if (Teilerfremd(p[0], q[0]) && Teilerfremd(p[1], q[1]) && p[0] * q[1] < 100 && q[0] * p[1] < 100)
                return 2;
        }
    }

    if (!gruppiert) { // a : b : c, the pairs of a and b first
        for (;;) {
            const Zwei z = ZiehePaar(1, 15, 1, 15, zaehlerFaktor);
            const Zwei n = ZiehePaar(2, 15, 2, 15, nennerFaktor);
            const int p1 = z.a, p2 = z.b, q1 = n.a, q2 = n.b;
            // a in lowest terms: variants 5 and 8, and form 1 of variant 2;
            // form 0 of variants 2 and 5 wants p1 coprime to q2.
            const bool aGekuerzt = variante != 2 || form == 1;
            if (p1 == q1 || !Teilerfremd(p2, q2) || (aGekuerzt && !Teilerfremd(p1, q1))
                || (variante != 8 && form == 0 && !Teilerfremd(p1, q2)) || q1 * q2 * 2 >= 150 || q1 * p2 >= 100)
                continue;
            const Zwei c = ZieheGekuerzt(1, 15, 15);
            const int p3 = c.a, q3 = c.b;
            if (q1 * q2 * q3 >= 150 || q1 * p2 * p3 >= 100)
                continue;
            const bool letzte = form == 0 ? Teilbar(p1 * q1, p3) : Teilbar(q1 * p2, q3);
            if (letzte == (variante != 5)) { // variant 5 wants it coprime
                p[0] = p1, p[1] = p2, p[2] = p3, q[0] = q1, q[1] = q2, q[2] = q3;
                return 3;
            }
        }
    }

    // a : (b : c), the pairs of b and c first
    const int vonP = variante == 3 ? 1 : 2;
    const int bisP = variante == 3 ? 15 : variante == 6 ? (form == 0 ? 15 : 16) : 11;
    const int bisQ = variante == 9 ? 9 : 15;
    for (;;) {
        const Zwei z = ZiehePaar(vonP, bisP, vonP, bisP, zaehlerFaktor);
        const Zwei n = ZiehePaar(2, bisQ, 2, bisQ, nennerFaktor);
        const int p2 = z.a, p3 = z.b, q2 = n.a, q3 = n.b;
        if (!Teilerfremd(p2, q2) || !Teilerfremd(p3, q3) || q2 * p3 * 2 >= 150 || p2 * q3 * 2 >= 100)
            continue;
        const Zwei a = ZieheGekuerzt(vonP, bisP, bisQ);
        const int p1 = a.a, q1 = a.b;
        if (q1 * q2 * p3 >= 150 || q1 * p2 * q3 >= 100)
            continue;
        bool gut;
        if (variante == 9)
            gut = form == 0 ? Teilbar(p2 * q3, p1) && !Teilbar(q2 * p3, q1)
                            : !Teilbar(p2 * q3, p1) && Teilbar(q2 * p3, q1);
        else
            gut = Teilbar(q2 * p3, p1);
        if (gut) {
            p[0] = p1, p[1] = p2, p[2] = p3, q[0] = q1, q[1] = q2, q[2] = q3;
            return 3;
        }
    }
}

// ---- Mixed terms, drawing -------------------------------------------------------------

// a ± b · c, a ± b : c: the bracket (a ± b) reduced must cancel both ways with c.
void GemischtFormEins(int variante, bool vereinfacht, TRationalAufgabe& aufgabe)
{
    const bool minus = variante == 2 || variante == 4;
    const bool quotient = variante >= 3;
    int p1, q1, p2, q2, p3, q3;
    QB paar;
    for (;;) {
        // a and b: denominators from one of the first ten rows of NennerPaareC,
        // columns in random order, numerators 1 … 15, signs.
        for (;;) {
            const int* reihe = NennerPaareC[Random(10)];
            const int erste = Random(2);
            q1 = reihe[erste];
            q2 = reihe[1 - erste];
            p1 = Zahl(1, 15);
            p2 = Zahl(1, 15);
            p1 = MitVorzeichen(p1);
            p2 = MitVorzeichen(p2);
            const int a1 = qAbs(p1), a2 = qAbs(p2);
            if (Teilerfremd(a1, q1) && Teilerfremd(a2, q2) && a1 != q2 && a2 != q1 && a1 != a2)
                break;
        }
        // c: numerator 1 … 15, denominator 2 … 15, sign
        const Zwei c = ZieheGekuerzt(1, 15, 15);
        p3 = MitVorzeichen(c.a);
        q3 = c.b;
        const int a1 = qAbs(p1), a2 = qAbs(p2), a3 = qAbs(p3);
        if (a3 == a1 || a3 == a2 || a1 == q3 || a2 == q3 || q1 == q3 || q2 == q3)
            continue;
        paar = PlusMinus(QB{p1, q1}, QB{p2, q2}, minus);
        if (quotient ? KuerzbarDurch(paar, QB{p3, q3}) : KuerzbarMal(paar, QB{p3, q3}))
            break;
    }
    SchreibeGemischt(aufgabe, variante, vereinfacht, {{p1, q1}, {p2, q2}, {p3, q3}}, false, false);
}

// (a · b) : c, (a : b) · c, a · (b : c), a : (b · c): the first operation's
// pair cancels both ways, then its reduced result with the third operand.
void GemischtFormZweiDrei(int variante, bool vereinfacht, TRationalAufgabe& aufgabe)
{
    const bool paarVorn = variante <= 6;            // (a ∘ b) ∘ c, else a ∘ (b ∘ c)
    const bool paarProdukt = variante == 5 || variante == 8;
    const int x = paarVorn ? 0 : 1, y = x + 1, dritter = paarVorn ? 2 : 0;
    int p[3], q[3];
    for (;;) {
        QB r;
        for (;;) {
            // The crosswise (product) or straight (quotient) pairs of x and y.
            const Zwei f = ZiehePaar(1, 20, paarProdukt ? 2 : 1, 20, true);
            const Zwei g = ZiehePaar(paarProdukt ? 1 : 2, 20, 2, 20, true);
            if (paarProdukt) {
                p[x] = f.a, q[y] = f.b, p[y] = g.a, q[x] = g.b;
            } else {
                p[x] = f.a, p[y] = f.b, q[x] = g.a, q[y] = g.b;
            }
            if (!Teilerfremd(p[x], q[x]) || !Teilerfremd(p[y], q[y]) || p[x] == p[y] || q[x] == q[y]
                || p[x] == q[y] || p[y] == q[x])
                continue;
            r = paarProdukt ? Mal(QB{p[x], q[x]}, QB{p[y], q[y]}) : Durch(QB{p[x], q[x]}, QB{p[y], q[y]});
            if (Betrag(r.z) > 1 && r.n > 1) // the second step needs factors on both sides
                break;
        }
        const Zwei c = ZieheGekuerzt(1, 20, 20);
        p[dritter] = c.a;
        q[dritter] = c.b;
        if (!Verschieden(p, q, 3, true))
            continue;
        const QB d{p[dritter], q[dritter]};
        const bool gut = variante == 5 ? KuerzbarDurch(r, d)
                         : variante == 6 ? KuerzbarMal(r, d)
                         : variante == 7 ? KuerzbarMal(d, r)
                                         : KuerzbarDurch(d, r);
        if (gut)
            break;
    }
    // The conditions are about magnitudes only, so the signs may follow.
    for (int& pk : p)
        pk = MitVorzeichen(pk);
    SchreibeGemischt(aufgabe, variante, vereinfacht, {{p[0], q[0]}, {p[1], q[1]}, {p[2], q[2]}}, false, false);
}

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

Operandenpaar ZieheOperandenpaar(int bis, bool kreuzweise, bool quotient, int nennerGrenze)
{
    for (;;) {
        const Zwei x = ZieheGekuerzt(1, bis, bis);
        const Zwei y = ZieheGekuerzt(1, bis, bis);
        const Operandenpaar o{x.a, x.b, y.a, y.b};
        if (o.px == o.py || o.qx == o.qy || (kreuzweise && (o.px == o.qy || o.py == o.qx)))
            continue;
        const bool teilt = kreuzweise ? Teilbar(o.px, o.qy) || Teilbar(o.py, o.qx)
                                      : Teilbar(o.px, o.py) || Teilbar(o.qx, o.qy);
        if (teilt && (quotient ? o.qx * o.py : o.qx * o.qy) < nennerGrenze)
            return o;
    }
}

// a ± b · c ± d (variant 9) and a ± b : c ± d (variant 10), plain precedence.
void GemischtFormVier(int variante, bool vereinfacht, TRationalAufgabe& aufgabe)
{
    const bool produkt = variante == 9;
    const auto [minus1, minus2] = Vorzeichenmuster();
    const int aussen = produkt ? 15 : 13;
    Operandenpaar bc;
    int p1, q1, p4, q4;
    for (;;) {
        // b and c; the common denominator q1 · (middle) · q4 < 100 with q1, q4 >= 2
        // needs the middle denominator below 25.
        if (produkt) {
            bc = ZieheOperandenpaar(10, true, false, 25);
        } else {
            for (;;) {
                const Zwei z = ZiehePaar(1, 11, 1, 11, false); // p2, p3 coprime
                const Zwei n = ZiehePaar(2, 11, 2, 11, true);  // q2, q3 share a factor
                bc = {z.a, n.a, z.b, n.b};
                if (bc.py != 1 && Teilerfremd(bc.px, bc.qx) && Teilerfremd(bc.py, bc.qy) && bc.qx * bc.py < 25
                    && Durch(QB{bc.px, bc.qx}, QB{bc.py, bc.qy}).n != 1)
                    break;
            }
        }
        const Zwei a = ZieheGekuerzt(1, aussen, aussen);
        const Zwei d = ZieheGekuerzt(1, aussen, aussen);
        p1 = a.a, q1 = a.b, p4 = d.a, q4 = d.b;
        // The middle term over its unreduced denominator, then all three over
        // the unreduced common denominator.
        const qint64 mn = produkt ? qint64(bc.qx) * bc.qy : qint64(bc.qx) * bc.py;
        const qint64 nenner = qint64(q1) * mn * q4;
        if (nenner >= 100)
            continue;
        p1 = MitVorzeichen(p1);
        bc.px = MitVorzeichen(bc.px);
        bc.py = MitVorzeichen(bc.py);
        p4 = MitVorzeichen(p4);
        const qint64 mz = produkt ? qint64(bc.px) * bc.py : qint64(bc.px) * bc.qy;
        const qint64 mnMitVorzeichen = produkt ? mn : qint64(bc.qx) * bc.py;
        const qint64 zaehler = qint64(p1) * mnMitVorzeichen * q4 + (minus1 ? -1 : 1) * mz * q1 * q4
                               + (minus2 ? -1 : 1) * qint64(p4) * q1 * mnMitVorzeichen;
        if (Teilbar(zaehler, nenner))
            break;
    }
    SchreibeGemischt(aufgabe, variante, vereinfacht,
                     {{p1, q1}, {bc.px, bc.qx}, {bc.py, bc.qy}, {p4, q4}}, minus1, minus2);
}

// a·b ± c·d, a·b ± c:d, a:b ± c·d, a:b ± c:d (variants 11 … 14).
void GemischtFormFuenf(int variante, bool vereinfacht, TRationalAufgabe& aufgabe)
{
    const bool minus = Random(2) + 1 == 2;
    const bool kreuzweise = variante <= 12;
    const bool ersterQuotient = variante >= 13;
    const bool zweiterQuotient = variante == 12 || variante == 14;
    // The common denominator n1 · n2 < 100, where a product pair's denominator
    // is at least 2 · 3 and a quotient pair's at least 2.
    const int grenze1 = zweiterQuotient ? 50 : 17;
    const int grenze2 = ersterQuotient ? 50 : 17;
    Operandenpaar ab, cd;
    for (;;) {
        ab = ZieheOperandenpaar(13, kreuzweise, ersterQuotient, grenze1);
        ab.px = MitVorzeichen(ab.px);
        ab.py = MitVorzeichen(ab.py);
        cd = ZieheOperandenpaar(13, kreuzweise, zweiterQuotient, grenze2);
        cd.px = MitVorzeichen(cd.px);
        cd.py = MitVorzeichen(cd.py);
        // Each part over its unreduced denominator, then the common one.
        const qint64 z1 = ersterQuotient ? qint64(ab.px) * ab.qy : qint64(ab.px) * ab.py;
        const qint64 n1 = ersterQuotient ? qint64(ab.qx) * ab.py : qint64(ab.qx) * ab.qy;
        const qint64 z2 = zweiterQuotient ? qint64(cd.px) * cd.qy : qint64(cd.px) * cd.py;
        const qint64 n2 = zweiterQuotient ? qint64(cd.qx) * cd.py : qint64(cd.qx) * cd.qy;
        const qint64 nenner = n1 * n2;
        const qint64 zaehler = z1 * n2 + (minus ? -1 : 1) * z2 * n1;
        if (Betrag(nenner) < 100 && Teilbar(zaehler, nenner))
            break;
    }
    SchreibeGemischt(aufgabe, variante, vereinfacht,
                     {{ab.px, ab.qx}, {ab.py, ab.qy}, {cd.px, cd.qx}, {cd.py, cd.qy}}, minus, false);
}

// One bracket x ± y of variants 15, 16: both in lowest terms with different
// denominators, signs drawn, its unreduced value reducible.
struct Klammer {
    int px, qx, py, qy;
    QB wert;
};

Klammer ZieheKlammer(bool minus, bool nichtNull)
{
    for (;;) {
        const Zwei x = ZieheGekuerzt(1, 12, 12);
        const Zwei y = ZieheGekuerzt(1, 12, 12);
        if (x.b == y.b)
            continue;
        Klammer k{MitVorzeichen(x.a), x.b, MitVorzeichen(y.a), y.b, {}};
        const qint64 zaehler = qint64(k.px) * k.qy + (minus ? -1 : 1) * qint64(k.py) * k.qx;
        const qint64 nenner = qint64(k.qx) * k.qy;
        if (nichtNull && zaehler == 0) // a divisor bracket of zero: draw again
            continue;
        if (Teilbar(zaehler, nenner)) {
            k.wert = Gekuerzt(zaehler, nenner);
            return k;
        }
    }
}

// (a ± b) · (c ± d) and (a ± b) : (c ± d) (variants 15, 16).
void GemischtFormSechs(int variante, bool vereinfacht, TRationalAufgabe& aufgabe)
{
    const auto [minus1, minus2] = Vorzeichenmuster();
    Klammer links, rechts;
    for (;;) {
        links = ZieheKlammer(minus1, false);
        rechts = ZieheKlammer(minus2, variante == 16);
        const QB wert = variante == 15 ? Mal(links.wert, rechts.wert) : Durch(links.wert, rechts.wert);
        if (wert.Gueltig() && Betrag(wert.z) < 100 && wert.n < 100)
            break;
    }
    SchreibeGemischt(aufgabe, variante, vereinfacht,
                     {{links.px, links.qx}, {links.py, links.qy}, {rechts.px, rechts.qx}, {rechts.py, rechts.qy}},
                     minus1, minus2);
}
} // namespace

// ---- Decimal numbers -------------------------------------------------------------------

int ZufallKleinEineStelle()
{
    const int u = Random(9) + 1;
    const int v = Random(9) + 1;
    return 10 * u + v;
}

int ZufallKleinZweiStellen()
{
    const int u = Random(90);
    const int v = Random(9) + 1;
    return 10 * u + 100 + v;
}

int ZufallGrossEineStelle()
{
    const int u = Random(90);
    const int v = Random(9) + 1;
    return 10 * u + 100 + v;
}

int ZufallGrossZweiStellen()
{
    const int u = Random(900);
    const int v = Random(9) + 1;
    return 10 * u + 1000 + v;
}

QString DezimalText(qint64 wert, int stellen)
{
    stellen = qBound(0, stellen, 9);
    const quint64 teiler = quint64(Zehnerpotenz(stellen));
    const quint64 b = Betrag(wert);
    QString text = wert < 0 ? QStringLiteral("-") : QString();
    text += QString::number(b / teiler);
    if (stellen > 0)
        text += u',' + QString::number(b % teiler).rightJustified(stellen, u'0');
    return text;
}

// ---- Pieces -------------------------------------------------------------------------------

QString BruchOperandText(int zaehler, int nenner, bool ohnePlus)
{
    QString text = QStringLiteral("!");
    if (zaehler < 0)
        text += u'-';
    else if (!ohnePlus)
        text += u'+';
    text += u'{' + QString::number(Betrag(zaehler)) + u'/' + QString::number(nenner) + QStringLiteral("}!");
    return Cut(text, ShortLen20);
}

QString BruchErgebnisText(qint64 zaehler, qint64 nenner)
{
    const QB r = Gekuerzt(zaehler, nenner);
    if (!r.Gueltig() || Betrag(r.z) > quint64(std::numeric_limits<int>::max())
        || r.n > std::numeric_limits<int>::max())
        return {};
    ErgebnisZaehler = int(r.z);
    ErgebnisNenner = int(r.n);
    if (r.n == 1)
        return QString::number(r.z);
    return Cut(QString::number(r.z) + u'/' + QString::number(r.n), ShortLen80);
}

void SchreibeAddition(TRationalAufgabe& aufgabe, const QList<RBruch>& operanden)
{
    QB summe{0, 1};
    for (const RBruch& b : operanden)
        summe = Plus(summe, Wert(b));
    SchreibeBruch(aufgabe, Verbinde(operanden, {u'+', u'+', u'+'}), summe, false);
}

void SchreibeSubtraktion(TRationalAufgabe& aufgabe, const QList<RBruch>& operanden, bool gruppiert)
{
    QB wert = operanden.isEmpty() ? Ungueltig : Wert(operanden[0]);
    for (qsizetype k = 1; k < operanden.size(); ++k) {
        // a − (b − c) = a − b + c
        const bool plus = gruppiert && k == 2;
        wert = plus ? Plus(wert, Wert(operanden[k])) : Minus(wert, Wert(operanden[k]));
    }
    QString term = Verbinde(operanden, {u'-', u'-', u'-'});
    term.replace(u'-', EnDash);
    SchreibeBruch(aufgabe, term, wert, gruppiert);
}

void SchreibeMultiplikation(TRationalAufgabe& aufgabe, const QList<RBruch>& operanden)
{
    QB produkt{1, 1};
    for (const RBruch& b : operanden)
        produkt = Mal(produkt, Wert(b));
    SchreibeBruch(aufgabe, Verbinde(operanden, {MiddleDot, MiddleDot, MiddleDot}), produkt, false);
}

void SchreibeDivision(TRationalAufgabe& aufgabe, const QList<RBruch>& operanden, bool gruppiert)
{
    QB wert = operanden.isEmpty() ? Ungueltig : Wert(operanden[0]);
    if (gruppiert && operanden.size() == 3)
        wert = Durch(wert, Durch(Wert(operanden[1]), Wert(operanden[2])));
    else
        for (qsizetype k = 1; k < operanden.size(); ++k)
            wert = Durch(wert, Wert(operanden[k]));
    if (wert.Gueltig() && qMax(Betrag(wert.z), quint64(wert.n)) <= quint64(std::numeric_limits<int>::max())) {
        const RBruch mitVorzeichen = DivisionsVorzeichen(int(wert.z), int(wert.n));
        wert = {mitVorzeichen.Zaehler, mitVorzeichen.Nenner};
    } else {
        wert = Ungueltig;
    }
    SchreibeBruch(aufgabe, Verbinde(operanden, {u':', u':', u':'}), wert, gruppiert);
}

bool SchreibeGemischt(TRationalAufgabe& aufgabe, int variante, bool vereinfacht,
                      const QList<RBruch>& operanden, bool minus1, bool minus2)
{
    const QB wert = GemischtWert(variante, operanden, minus1, minus2);
    if (!wert.Gueltig())
        return false;
    const bool ohnePlus = variante == 1 && vereinfacht;
    SchreibeBruch(aufgabe, Verbinde(operanden, GemischtOperatoren(variante, minus1, minus2), ohnePlus),
                  wert, variante >= 9);
    return true;
}

void SchreibeDezimal(TRationalAufgabe& aufgabe, qint64 x, qint64 y, bool minus, int stellen,
                     int anzeigeStellen)
{
    anzeigeStellen = qMax(anzeigeStellen, stellen);
    const qint64 faktor = Zehnerpotenz(anzeigeStellen - stellen);
    x *= faktor;
    y *= faktor;
    aufgabe.Term = Cut(u'(' + VorzeichenDezimal(x, anzeigeStellen) + (minus ? QStringLiteral(")-(") : QStringLiteral(")+("))
                           + VorzeichenDezimal(y, anzeigeStellen) + u')',
                       ShortLen80);
    aufgabe.Ergebnis = DezimalText(minus ? x - y : x + y, anzeigeStellen);
    aufgabe.IstBruch = false;
    aufgabe.Sonderdarstellung = false;
}

void SchreibeDezimalKlammer(TRationalAufgabe& aufgabe, qint64 x, qint64 y, qint64 z)
{
    aufgabe.Term = Cut(u'(' + VorzeichenDezimal(x, 2) + QStringLiteral(")-[ (") + VorzeichenDezimal(y, 2) + QStringLiteral(")-(")
                           + VorzeichenDezimal(z, 2) + QStringLiteral(") ]"),
                       ShortLen80);
    aufgabe.Ergebnis = DezimalText(x - (y - z), 2);
    aufgabe.IstBruch = false;
    aufgabe.Sonderdarstellung = false;
}

// ---- Evaluation ------------------------------------------------------------------------------

float BerechneTermwert(const QString& text)
{
    TFunktion funktion(Cut(text, ShortLen80));
    return float(funktion.Berechne(1));
}

RBruch DivisionsVorzeichen(int zaehler, int nenner)
{
    const float wert =
        BerechneTermwert(QString::number(zaehler) + QStringLiteral("/(") + QString::number(nenner) + u')');
    // The sign of the value itself: a formatted "-0,00" or "0,00" of a tiny
    // quotient must not decide it.
    const int z = int(qMin(Betrag(zaehler), quint64(std::numeric_limits<int>::max())));
    const int n = int(qMin(Betrag(nenner), quint64(std::numeric_limits<int>::max())));
    return {wert < 0 ? -z : z, n};
}

// ---- Builders ------------------------------------------------------------------------------------

void BaueAddition(int variante, bool, TRationalAufgabe& aufgabe)
{
    switch (variante) {
    case 1: SchreibeAddition(aufgabe, TabellenBrueche(NennerPaareA, 18, 8)); break;
    case 2: SchreibeAddition(aufgabe, TabellenBrueche(NennerTripelA, 4, 6)); break;
    case 3: DezimalPaar(aufgabe, ZufallKleinEineStelle, ZufallKleinEineStelle, 50, 0, false, 1, 1); break;
    case 4: SchreibeAddition(aufgabe, TabellenBrueche(NennerPaareB, 27, 8)); break;
    case 5: SchreibeAddition(aufgabe, TabellenBrueche(NennerTripelB, 4, 6)); break;
    case 6: DezimalPaar(aufgabe, ZufallKleinEineStelle, ZufallKleinEineStelle, 0, 0, false, 1, 1); break;
    case 7: SchreibeAddition(aufgabe, TabellenBrueche(NennerPaareC, 21, 8)); break;
    case 8: SchreibeAddition(aufgabe, TabellenBrueche(NennerTripelC, 14, 6)); break;
    case 9: DezimalPaar(aufgabe, ZufallGrossEineStelle, ZufallGrossEineStelle, 0, 500, false, 1, 1); break;
    case 10: SchreibeAddition(aufgabe, TabellenBrueche(NennerPaareD, 10, 6)); break;
    case 11: SchreibeAddition(aufgabe, TabellenBrueche(NennerTripelD, 7, 5)); break;
    case 12: DezimalPaar(aufgabe, ZufallKleinZweiStellen, ZufallGrossZweiStellen, 0, 10000, false, 2, 2); break;
    case 13: DezimalPaar(aufgabe, ZufallGrossZweiStellen, ZufallKleinZweiStellen, 0, 10000, false, 2, 2); break;
    default: break;
    }
}

void BaueSubtraktion(int variante, bool, TRationalAufgabe& aufgabe)
{
    switch (variante) {
    case 1: SchreibeSubtraktion(aufgabe, TabellenBrueche(NennerPaareA, 18, 8), false); break;
    case 2: SchreibeSubtraktion(aufgabe, TabellenBrueche(NennerTripelA, 4, 6), false); break;
    case 3: DezimalPaar(aufgabe, ZufallKleinEineStelle, ZufallKleinEineStelle, 50, 0, true, 1, 2); break;
    case 4: SchreibeSubtraktion(aufgabe, TabellenBrueche(NennerPaareB, 27, 8), false); break;
    case 5: SchreibeSubtraktion(aufgabe, TabellenBrueche(NennerTripelB, 11, 8), false); break;
    case 6: DezimalPaar(aufgabe, ZufallGrossZweiStellen, ZufallKleinZweiStellen, 0, 10000, true, 2, 2); break;
    case 7: SchreibeSubtraktion(aufgabe, TabellenBrueche(NennerPaareC, 21, 8), false); break;
    case 8: SchreibeSubtraktion(aufgabe, TabellenBrueche(NennerTripelC, 14, 6), false); break;
    case 9: DezimalPaar(aufgabe, ZufallGrossEineStelle, ZufallGrossEineStelle, 0, 1000, false, 1, 1); break;
    case 10: SchreibeSubtraktion(aufgabe, TabellenBrueche(NennerPaareD, 10, 6), false); break;
    case 11: SchreibeSubtraktion(aufgabe, TabellenBrueche(NennerTripelD, 7, 4), false); break;
    case 12: SchreibeSubtraktion(aufgabe, TabellenBrueche(NennerTripelD, 7, 4), true); break;
    case 13: {
        int x, y, z;
        do {
            x = ZufallGrossZweiStellen();
            y = ZufallGrossZweiStellen();
            z = ZufallGrossZweiStellen();
        } while (x >= 5000 || y >= 5000 || z >= 5000 || x == y || x == z || y == z);
        x = MitVorzeichen(x);
        y = MitVorzeichen(y);
        if (Random(3) == 0)
            z = -z;
        SchreibeDezimalKlammer(aufgabe, x, y, z);
        break;
    }
    default: break;
    }
}

void BaueMultiplikation(int variante, bool, TRationalAufgabe& aufgabe)
{
    if (variante < 1 || variante > 6)
        return;
    int p[3] = {}, q[3] = {};
    ZieheMultiplikation(variante, p, q);
    QList<RBruch> operanden;
    for (int k = 0; k < (variante % 2 == 1 ? 2 : 3); ++k)
        operanden.append({MitVorzeichen(p[k]), q[k]});
    SchreibeMultiplikation(aufgabe, operanden);
}

void BaueDivision(int variante, bool, TRationalAufgabe& aufgabe)
{
    if (variante < 1 || variante > 9)
        return;
    int p[3] = {}, q[3] = {};
    const int anzahl = ZieheDivision(variante, p, q);
    QList<RBruch> operanden;
    for (int k = 0; k < anzahl; ++k)
        operanden.append({MitVorzeichen(p[k]), q[k]});
    SchreibeDivision(aufgabe, operanden, variante % 3 == 0);
}

void BaueGemischt(int variante, bool vereinfacht, TRationalAufgabe& aufgabe)
{
    if (variante >= 1 && variante <= 4)
        GemischtFormEins(variante, vereinfacht, aufgabe);
    else if (variante <= 8 && variante >= 5)
        GemischtFormZweiDrei(variante, vereinfacht, aufgabe);
    else if (variante == 9 || variante == 10)
        GemischtFormVier(variante, vereinfacht, aufgabe);
    else if (variante >= 11 && variante <= 14)
        GemischtFormFuenf(variante, vereinfacht, aufgabe);
    else if (variante == 15 || variante == 16)
        GemischtFormSechs(variante, vereinfacht, aufgabe);
}

void BaueRational(int art, int variante, bool vereinfacht, TRationalAufgabe& aufgabe)
{
    switch (art) {
    case 1: BaueAddition(variante, vereinfacht, aufgabe); break;
    case 2: BaueSubtraktion(variante, vereinfacht, aufgabe); break;
    case 3: BaueMultiplikation(variante, vereinfacht, aufgabe); break;
    case 4: BaueDivision(variante, vereinfacht, aufgabe); break;
    case 5: BaueGemischt(variante, vereinfacht, aufgabe); break;
    default: break;
    }
}

QString BauerName(int art)
{
    switch (art) {
    case 1: return QStringLiteral("BaueAddition");
    case 2: return QStringLiteral("BaueSubtraktion");
    case 3: return QStringLiteral("BaueMultiplikation");
    case 4: return QStringLiteral("BaueDivision");
    case 5: return QStringLiteral("BaueGemischt");
    default: return {};
    }
}

int AnzahlVarianten(int art)
{
    static constexpr int Anzahl[] = {0, 13, 13, 6, 9, 16};
    return art >= 1 && art <= 5 ? Anzahl[art] : 0;
}

// ---- Splitting ---------------------------------------------------------------------------------

namespace {

// Numerator and denominator of "3/4" (no "/": all of it is the numerator).
void TeileBruch(const QString& text, QString& zaehler, QString& nenner)
{
    const qsizetype strich = text.indexOf(u'/');
    zaehler = Cut(strich < 0 ? text : text.left(strich), ShortLen20);
    nenner = strich < 0 ? QString() : Cut(text.mid(strich + 1), ShortLen20);
}

QString OhneKlammern(QString text)
{
    text.remove(u'{');
    text.remove(u'}');
    return text;
}

bool IstMinus(QChar c)
{
    return c == u'-' || c == EnDash;
}

QChar Anzeigeoperator(QChar c)
{
    return c == u'-' ? EnDash : c;
}

} // namespace

int ZerlegeTerm(const QString& term, TermTeile& teile)
{
    for (QString& t : teile.Teil)
        t.clear();
    for (QChar& o : teile.Operator)
        o = QChar();
    QString rest = Cut(term, ShortLen80);
    int anzahl = 0;
    while (!rest.isEmpty() && anzahl < 4) {
        const qsizetype ende = rest.indexOf(QLatin1String("}!"));
        if (ende < 0)
            break;
        ++anzahl;
        // From the second character up to and including the "}".
        teile.Teil[anzahl] = Cut(rest.mid(1, ende), ShortLen20);
        rest.remove(0, ende + 2);
        if (rest.isEmpty())
            break;
        if (anzahl < 4)
            teile.Operator[anzahl] = rest.at(0);
        rest.remove(0, 1);
    }
    return anzahl;
}

int ZaehleKlammern(const QString& term)
{
    return int(Cut(term, ShortLen80).count(u'('));
}

void ZerlegeErgebnis(const QString& ergebnis, ErgebnisTeile& teile)
{
    teile = ErgebnisTeile{};
    if (!ergebnis.contains(u'/'))
        return;
    QString text = OhneKlammern(WithSign(ergebnis));
    teile.Vorzeichen = text.left(1);
    text.remove(0, 1);
    if (!text.contains(u'/')) { // the bar lay beyond the 40 characters a number text keeps
        teile = ErgebnisTeile{}; // no fraction: no sign either
        return;
    }
    TeileBruch(text, teile.Zaehler, teile.Nenner);
    teile.IstBruch = true;
}

void LeseBruchTeile(const TermTeile& termTeile, BruchTeile& bruchTeile)
{
    for (int k = 1; k <= 3; ++k)
        bruchTeile.Operator[k] = Anzeigeoperator(termTeile.Operator[k]);
    for (int k = 1; k <= 4; ++k) {
        BruchOperand& o = bruchTeile.Operand[k];
        o = BruchOperand{};
        QString stueck = termTeile.Teil[k];
        if (stueck.isEmpty())
            continue;
        if (stueck.at(0) != u'{') { // a piece without sign starts with its brace
            o.Vorzeichen = Anzeigeoperator(stueck.at(0));
            stueck.remove(0, 1);
        }
        TeileBruch(OhneKlammern(stueck), o.Zaehler, o.Nenner);
    }
}

void LeseBruchTeileVereinfacht(const TermTeile& termTeile, BruchTeile& bruchTeile)
{
    for (int k = 1; k <= 4; ++k) {
        BruchOperand& o = bruchTeile.Operand[k];
        o = BruchOperand{};
        TeileBruch(OhneKlammern(termTeile.Teil[k]), o.Zaehler, o.Nenner);
        if (!o.Zaehler.isEmpty() && (IstMinus(o.Zaehler.at(0)) || o.Zaehler.at(0) == u'+')) {
            o.Vorzeichen = o.Zaehler.left(1);
            o.Zaehler.remove(0, 1);
        }
    }
    for (int k = 1; k <= 3; ++k)
        bruchTeile.Operator[k] = termTeile.Operator[k];

    // The second operand's sign goes into the operator before it.
    QString& zeichen = bruchTeile.Operand[2].Vorzeichen;
    QChar& op = bruchTeile.Operator[1];
    if (!zeichen.isEmpty() && (op == u'+' || IstMinus(op))) {
        const bool gleich = IstMinus(zeichen.at(0)) == IstMinus(op);
        op = gleich ? QChar(u'+') : EnDash;
        zeichen.clear();
    }
    for (BruchOperand& o : bruchTeile.Operand)
        if (o.Vorzeichen == QLatin1String("-"))
            o.Vorzeichen = EnDash;
    for (QChar& o : bruchTeile.Operator)
        o = Anzeigeoperator(o);
}
