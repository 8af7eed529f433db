#include "rational/RationalZiehung.h"

#include "core/Bruch.h"

namespace Ziehung {

int ZaehlerZu(int d, int maxZaehler)
{
    for (;;) {
        const int m = Random(maxZaehler) + 1;
        if (Teilerfremd(m, d) && m % d != 0 && m != d)
            return m;
    }
}

std::pair<bool, bool> Vorzeichenmuster()
{
    const int muster = Random(4) + 1;
    return {muster >= 3, muster == 2 || muster == 4};
}

Zwei Zwillinge(int vonA, int bisA, int vonB, int bisB)
{
    const int nA = bisA - vonA + 1;
    const int r = Random(nA * (bisB - vonB + 1));
    return {vonA + r % nA, vonB + r / nA};
}

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

Zwei ZiehePaar(int vonA, int bisA, int vonB, int bisB, bool mitFaktor)
{
    for (;;) {
        const Zwei z = Zwillinge(vonA, bisA, vonB, bisB);
        if (z.a != z.b && Teilbar(z.a, z.b) == mitFaktor)
            return z;
    }
}

Zwei ZieheGekuerzt(int vonP, int bisP, int bisQ)
{
    for (;;) {
        const Zwei z = Zwillinge(vonP, bisP, 2, bisQ);
        if (Teilerfremd(z.a, z.b))
            return z;
    }
}

bool Verschieden(const int* p, const int* q, int n, bool nennerVerschieden)
{
    for (int k = 0; k < n; ++k)
        for (int j = 0; j < n; ++j)
            if (p[k] == q[j] || (j != k && (p[k] == p[j] || (nennerVerschieden && q[k] == q[j]))))
                return false;
    return true;
}

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
        auto eigenerPrimteiler = [&](int x, int y) { return (Primteiler(x) & ~Primteiler(y) & BisSieben) != 0; };
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

} // namespace Ziehung

// ---- Random decimals ----------------------------------------------------------------

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
