#include "core/NumberHelpers.h"
#include "core/Random.h"
#include "rational/RationalKatalog.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalTermBauer.h"

#include <QLocale>
#include <QRegularExpression>
#include <QtTest>

#include <numeric>
#include <set>

// The builders' results are checked against an evaluation of their own term
// text, done here with plain exact fractions, as the term is grouped.

namespace {

long long G(long long a, long long b)
{
    return std::gcd(a < 0 ? -a : a, b < 0 ? -b : b);
}

struct F {
    long long z = 0, n = 1;
};

F Norm(long long z, long long n)
{
    if (n < 0) {
        z = -z;
        n = -n;
    }
    const long long g = G(z, n);
    return {z / g, n / g};
}
F Add(F a, F b) { return Norm(a.z * b.n + b.z * a.n, a.n * b.n); }
F Sub(F a, F b) { return Norm(a.z * b.n - b.z * a.n, a.n * b.n); }
F Mul(F a, F b) { return Norm(a.z * b.z, a.n * b.n); }
F Div(F a, F b) { return Norm(a.z * b.n, a.n * b.z); }
F Op(F a, QChar op, F b)
{
    if (op == u'+')
        return Add(a, b);
    if (op == EnDash || op == u'-')
        return Sub(a, b);
    if (op == MiddleDot)
        return Mul(a, b);
    return Div(a, b);
}

QString Text(F f)
{
    return f.n == 1 ? QString::number(f.z) : QString::number(f.z) + "/" + QString::number(f.n);
}

struct Term {
    QList<long long> p, q; // signed numerators, denominators
    QList<QChar> ops;
    QStringList zeichen; // sign marks as written
    bool ok = false;
    F operand(int k) const { return Norm(p[k], q[k]); }
};

Term Lies(const QString& text)
{
    static const QRegularExpression operand(QStringLiteral("!([+\\-\\x{2013}]?)\\{(\\d+)/(\\d+)\\}!"));
    Term t;
    qsizetype pos = 0;
    auto it = operand.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        if (!t.p.isEmpty()) {
            if (m.capturedStart() != pos + 1)
                return t;
            t.ops.append(text.at(pos));
        } else if (m.capturedStart() != 0) {
            return t;
        }
        const long long z = m.captured(2).toLongLong();
        t.p.append(m.captured(1) == "+" || m.captured(1).isEmpty() ? z : -z);
        t.q.append(m.captured(3).toLongLong());
        t.zeichen.append(m.captured(1));
        pos = m.capturedEnd();
    }
    t.ok = pos == text.size() && t.p.size() >= 2;
    return t;
}

// The value of a builder's term as it is meant to be grouped.
F Soll(int art, int variante, const Term& t)
{
    const int n = int(t.p.size());
    auto o = [&](int k) { return t.operand(k); };
    if (art == 2 && variante == 12)
        return Sub(o(0), Sub(o(1), o(2)));
    if (art == 4 && variante % 3 == 0)
        return Div(o(0), Div(o(1), o(2)));
    if (art <= 4) {
        F w = o(0);
        for (int k = 1; k < n; ++k)
            w = Op(w, t.ops[k - 1], o(k));
        return w;
    }
    if (variante <= 6)
        return Op(Op(o(0), t.ops[0], o(1)), t.ops[1], o(2));
    if (variante <= 8)
        return Op(o(0), t.ops[0], Op(o(1), t.ops[1], o(2)));
    if (variante <= 10)
        return Op(Op(o(0), t.ops[0], Op(o(1), t.ops[1], o(2))), t.ops[2], o(3));
    return Op(Op(o(0), t.ops[0], o(1)), t.ops[1], Op(o(2), t.ops[2], o(3)));
}

// Decimal operands "(+2,40)" as counts of their last place.
struct Dezimalterm {
    QList<long long> x;
    int stellen = -1;
    bool ok = false;
};

Dezimalterm LiesDezimal(const QString& text)
{
    static const QRegularExpression zahl(QStringLiteral("\\(([+-])(\\d+),(\\d+)\\)"));
    Dezimalterm d;
    auto it = zahl.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        const int stellen = int(m.captured(3).size());
        if (d.stellen >= 0 && d.stellen != stellen)
            return d;
        d.stellen = stellen;
        const long long v = m.captured(2).toLongLong() * (stellen == 1 ? 10 : 100) + m.captured(3).toLongLong();
        d.x.append(m.captured(1) == "-" ? -v : v);
    }
    d.ok = !d.x.isEmpty();
    return d;
}

QString Dez(long long v, int stellen)
{
    const long long t = stellen == 1 ? 10 : 100;
    const long long b = v < 0 ? -v : v;
    return (v < 0 ? "-" : "") + QString::number(b / t) + "," + QString::number(b % t).rightJustified(stellen, '0');
}

bool IstDezimalVariante(int art, int v)
{
    return art <= 2 && (v == 3 || v == 6 || v == 9 || v == 12 || v == 13);
}

bool ImBereich(const Term& t, int k, int minP, int maxP, int maxQ)
{
    const long long a = qAbs(t.p[k]);
    return a >= minP && a <= maxP && t.q[k] >= 2 && t.q[k] <= maxQ;
}

bool Gekuerzt(const Term& t, int k)
{
    return G(t.p[k], t.q[k]) == 1;
}

// The denominator tables, as sorted sets, for the addition and subtraction checks.
const QList<QList<int>> PaareA = {{2, 4}, {2, 6}, {2, 8}, {2, 10}, {3, 6}, {3, 9}, {3, 12}, {3, 15}, {4, 8},
                                  {4, 12}, {8, 16}, {4, 20}, {5, 10}, {5, 15}, {5, 20}, {6, 12}, {6, 18}, {7, 14}};
const QList<QList<int>> PaareB = {{2, 4}, {2, 6}, {2, 8}, {2, 10}, {2, 12}, {2, 14}, {2, 16}, {3, 6}, {3, 9},
                                  {3, 12}, {3, 15}, {3, 18}, {3, 21}, {4, 8}, {4, 12}, {8, 16}, {4, 20}, {4, 24},
                                  {5, 10}, {5, 15}, {5, 20}, {5, 25}, {6, 12}, {6, 18}, {6, 24}, {7, 14}, {7, 21}};
const QList<QList<int>> PaareC = {{3, 4}, {3, 5}, {3, 7}, {3, 8}, {3, 10}, {4, 5}, {4, 6}, {4, 7}, {4, 9}, {4, 10}, {5, 6},
                                  {5, 7}, {5, 8}, {5, 9}, {6, 7}, {6, 8}, {6, 9}, {6, 10}, {7, 8}, {7, 9}, {7, 10}};
const QList<QList<int>> PaareD = {{10, 12}, {12, 14}, {12, 15}, {12, 16}, {12, 18},
                                  {12, 20}, {12, 21}, {15, 18}, {15, 20}, {20, 24}};
const QList<QList<int>> TripelA = {{2, 3, 6}, {2, 4, 8}, {2, 4, 12}, {3, 6, 12}};
const QList<QList<int>> TripelB = {{2, 3, 6},  {2, 4, 8},  {2, 4, 12}, {2, 4, 16}, {2, 8, 16}, {3, 6, 12},
                                   {3, 6, 18}, {3, 9, 18}, {3, 6, 24}, {3, 9, 27}, {4, 8, 16}};
const QList<QList<int>> TripelC = {{2, 3, 4}, {2, 3, 5}, {2, 3, 7}, {2, 3, 8}, {2, 3, 10}, {3, 4, 5}, {3, 4, 6},
                                   {3, 4, 7}, {3, 4, 9}, {3, 4, 10}, {4, 5, 6}, {4, 5, 7}, {4, 5, 8}, {4, 5, 9}};
const QList<QList<int>> TripelD = {{3, 5, 15}, {3, 7, 14}, {3, 7, 21}, {3, 9, 10}, {4, 5, 10}, {9, 12, 18}, {12, 15, 20}};

// Why a fraction exercise breaks its variant's conditions; empty when it keeps them.
QString Verstoss(int art, int v, const Term& t)
{
    const int n = int(t.p.size());
    auto P = [&](int k) { return qAbs(t.p[k - 1]); };
    auto Q = [&](int k) { return t.q[k - 1]; };
    auto teil = [](long long a, long long b) { return G(a, b) > 1; };
    auto alleGekuerzt = [&] {
        for (int k = 0; k < n; ++k)
            if (!Gekuerzt(t, k))
                return false;
        return true;
    };
    auto bereich = [&](int minP, int maxP, int maxQ) {
        for (int k = 0; k < n; ++k)
            if (!ImBereich(t, k, minP, maxP, maxQ))
                return false;
        return true;
    };

    if (art <= 2) {
        static const QList<int> anzahl = {0, 2, 3, 0, 2, 3, 0, 2, 3, 0, 2, 3, 3, 0};
        if (n != anzahl[v])
            return "operand count";
        const QList<QList<int>>* tabelle = nullptr;
        int zeilen = 0, maxZ = 0;
        switch (v) {
        case 1: tabelle = &PaareA; maxZ = 8; break;
        case 2: tabelle = &TripelA; maxZ = 6; break;
        case 4: tabelle = &PaareB; maxZ = 8; break;
        case 5: tabelle = &TripelB; maxZ = art == 1 ? 6 : 8; zeilen = art == 1 ? 4 : 0; break;
        case 7: tabelle = &PaareC; maxZ = 8; break;
        case 8: tabelle = &TripelC; maxZ = 6; break;
        case 10: tabelle = &PaareD; maxZ = 6; break;
        default: tabelle = &TripelD; maxZ = art == 1 ? 5 : 4; break;
        }
        QList<int> nenner;
        for (int k = 1; k <= n; ++k)
            nenner.append(int(Q(k)));
        std::sort(nenner.begin(), nenner.end());
        const int idx = int(tabelle->indexOf(nenner));
        if (idx < 0 || (zeilen > 0 && idx >= zeilen))
            return "denominators not a table row";
        for (int k = 1; k <= n; ++k)
            if (P(k) < 1 || P(k) > maxZ || G(P(k), Q(k)) != 1)
                return "numerator";
        return {};
    }
    if (art == 3) {
        static const int maxZahl[] = {0, 20, 15, 20, 15, 12, 8};
        if (n != (v % 2 == 1 ? 2 : 3))
            return "operand count";
        if (!bereich(1, maxZahl[v], maxZahl[v]) || !alleGekuerzt())
            return "range or lowest terms";
        for (int k = 1; k <= n; ++k)
            for (int j = 1; j <= n; ++j) {
                if (P(k) == Q(j))
                    return "numerator equals a denominator";
                if (j != k && P(k) == P(j))
                    return "equal numerators";
                if (j != k && v != 2 && v != 4 && Q(k) == Q(j))
                    return "equal denominators";
            }
        switch (v) {
        case 1: return teil(P(1), Q(2)) && teil(P(2), Q(1)) ? "" : "crosswise";
        case 2:
            return (teil(P(1), Q(2)) && teil(P(2), Q(3)) && teil(P(3), Q(1)))
                           || (teil(P(1), Q(3)) && teil(P(2), Q(1)) && teil(P(3), Q(2)))
                       ? ""
                       : "cycle";
        case 3:
            return teil(P(1), Q(2)) != teil(P(2), Q(1)) && P(1) * P(2) < 100 && Q(1) * Q(2) < 100 ? ""
                                                                                                   : "one pair";
        case 4:
            return !teil(P(1), Q(3)) && teil(P(2), Q(1)) && teil(P(3), Q(2)) && P(1) * P(2) * P(3) < 100
                           && Q(1) * Q(2) * Q(3) < 100
                       ? ""
                       : "two of three";
        case 5: return !teil(P(1), Q(2)) && !teil(P(2), Q(1)) ? "" : "cancelling";
        default:
            return !teil(P(1), Q(3)) && !teil(P(2), Q(1)) && !teil(P(3), Q(2)) && P(1) * P(2) * P(3) < 100
                           && Q(1) * Q(2) * Q(3) < 100
                       ? ""
                       : "cancelling";
        }
    }
    if (art == 4) {
        if (n != ((v - 1) % 3 == 0 ? 2 : 3))
            return "operand count";
        if (n == 2) {
            if (!bereich(1, 20, 20) || !alleGekuerzt() || P(1) == P(2) || Q(1) == Q(2) || P(1) * Q(2) >= 100
                || Q(1) * P(2) >= 100)
                return "common";
            const bool z = teil(P(1), P(2)), m = teil(Q(1), Q(2));
            if (v == 1)
                return z && m ? "" : "both pairs";
            if (v == 4)
                return z != m ? "" : "one pair";
            return !z && !m ? "" : "no pair";
        }
        if (v == 2 || v == 5 || v == 8) {
            if (!bereich(1, 15, 15) || !Gekuerzt(t, 1) || !Gekuerzt(t, 2) || P(1) == Q(1) || P(2) == Q(2)
                || P(3) == Q(3) || P(1) == P(2) || Q(1) == Q(2) || Q(1) * Q(2) * Q(3) >= 150
                || Q(1) * P(2) * P(3) >= 100)
                return "common";
            if (v == 2) {
                if (!teil(P(1), P(2)) || !teil(Q(1), Q(2)))
                    return "pairs";
                const bool f0 = !teil(P(1), Q(2)) && teil(P(1) * Q(1), P(3));
                const bool f1 = !teil(P(1), Q(1)) && teil(Q(1) * P(2), Q(3));
                return f0 || f1 ? "" : "form";
            }
            if (!Gekuerzt(t, 0))
                return "a not in lowest terms";
            if (v == 5) {
                if (!teil(P(1), P(2)) || !teil(Q(1), Q(2)))
                    return "pairs";
                const bool f0 = !teil(P(1), Q(2)) && !teil(P(1) * Q(1), P(3));
                const bool f1 = !teil(Q(1) * P(2), Q(3));
                return f0 || f1 ? "" : "form";
            }
            const bool f0 = teil(P(1), P(2)) && !teil(Q(1), Q(2)) && teil(P(1) * Q(1), P(3));
            const bool f1 = !teil(P(1), P(2)) && teil(Q(1), Q(2)) && teil(Q(1) * P(2), Q(3));
            return f0 || f1 ? "" : "form";
        }
        const int minP = v == 3 ? 1 : 2;
        const int maxP = v == 3 ? 15 : v == 6 ? 16 : 11;
        const int maxQ = v == 9 ? 9 : 15;
        if (!bereich(minP, maxP, maxQ) || !alleGekuerzt() || P(2) == P(3) || Q(2) == Q(3)
            || Q(1) * Q(2) * P(3) >= 150 || Q(1) * P(2) * Q(3) >= 100)
            return "common";
        if (v == 3)
            return teil(P(2), P(3)) && teil(Q(2), Q(3)) && teil(Q(2) * P(3), P(1)) ? "" : "grouped";
        if (v == 6) {
            const bool f0 = teil(P(2), P(3)) && !teil(Q(2), Q(3)) && std::max({P(1), P(2), P(3)}) <= 15;
            const bool f1 = !teil(P(2), P(3)) && teil(Q(2), Q(3));
            return (f0 || f1) && teil(Q(2) * P(3), P(1)) ? "" : "grouped";
        }
        if (teil(P(2), P(3)) || teil(Q(2), Q(3)))
            return "inner pairs";
        const bool f0 = teil(P(2) * Q(3), P(1)) && !teil(Q(2) * P(3), Q(1));
        const bool f1 = !teil(P(2) * Q(3), P(1)) && teil(Q(2) * P(3), Q(1));
        return f0 || f1 ? "" : "form";
    }

    // mixed
    if (n != (v <= 8 ? 3 : 4))
        return "operand count";
    auto o = [&](int k) { return t.operand(k - 1); };
    auto kreuz = [&](F x, F y) { return teil(x.z, y.n) && teil(x.n, y.z); };
    auto gerade = [&](F x, F y) { return teil(x.z, y.z) && teil(x.n, y.n); };
    if (v <= 4) {
        if (!bereich(1, 15, 15) || !alleGekuerzt())
            return "range";
        QList<int> nenner = {int(Q(1)), int(Q(2))};
        std::sort(nenner.begin(), nenner.end());
        if (int(PaareC.indexOf(nenner)) < 0 || PaareC.indexOf(nenner) >= 10)
            return "denominators of a and b";
        if (P(1) == Q(2) || P(2) == Q(1) || P(1) == P(2) || P(1) == P(3) || P(2) == P(3) || P(1) == Q(3)
            || P(2) == Q(3) || P(3) == Q(3) || Q(1) == Q(3) || Q(2) == Q(3))
            return "distinct";
        const F paar = Op(o(1), t.ops[0], o(2));
        return (v <= 2 ? kreuz(paar, o(3)) : gerade(paar, o(3))) ? "" : "cancelling";
    }
    if (v <= 8) {
        if (!bereich(1, 20, 20) || !alleGekuerzt())
            return "range";
        for (int k = 1; k <= 3; ++k)
            for (int j = 1; j <= 3; ++j)
                if (P(k) == Q(j) || (j != k && (P(k) == P(j) || Q(k) == Q(j))))
                    return "distinct";
        switch (v) {
        case 5: return kreuz(o(1), o(2)) && gerade(Mul(o(1), o(2)), o(3)) ? "" : "cancelling";
        case 6: return gerade(o(1), o(2)) && kreuz(Div(o(1), o(2)), o(3)) ? "" : "cancelling";
        case 7: return gerade(o(2), o(3)) && kreuz(o(1), Div(o(2), o(3))) ? "" : "cancelling";
        default: return kreuz(o(2), o(3)) && gerade(o(1), Mul(o(2), o(3))) ? "" : "cancelling";
        }
    }
    auto zeichen = [&](int k) { return t.ops[k - 1] == u'+' ? 1LL : -1LL; };
    if (v <= 10) {
        const bool produkt = v == 9;
        if (!bereich(1, produkt ? 15 : 13, produkt ? 15 : 13) || !alleGekuerzt())
            return "range";
        const int mi = produkt ? 10 : 11;
        if (P(2) > mi || Q(2) > mi || P(3) > mi || Q(3) > mi)
            return "inner range";
        if (P(2) == Q(2) || P(3) == Q(3) || P(2) == P(3) || Q(2) == Q(3))
            return "inner distinct";
        if (produkt && (P(2) == Q(3) || P(3) == Q(2)))
            return "inner crosswise distinct";
        if (produkt && !teil(P(2), Q(3)) && !teil(P(3), Q(2)))
            return "inner crosswise pattern";
        if (!produkt && (teil(P(2), P(3)) || !teil(Q(2), Q(3)) || P(3) == 1 || Div(o(2), o(3)).n == 1))
            return "quotient";
        if (P(1) == Q(1) || P(4) == Q(4))
            return "outer";
        const long long mz = produkt ? t.p[1] * t.p[2] : t.p[1] * t.q[2];
        const long long mn = produkt ? t.q[1] * t.q[2] : t.q[1] * t.p[2];
        const long long nenner = Q(1) * mn * Q(4);
        const long long zaehler = t.p[0] * mn * Q(4) + zeichen(1) * mz * Q(1) * Q(4) + zeichen(3) * t.p[3] * Q(1) * mn;
        return qAbs(nenner) < 100 && G(zaehler, nenner) > 1 ? "" : "common denominator";
    }
    if (v <= 14) {
        if (!bereich(1, 13, 13) || !alleGekuerzt())
            return "range";
        const bool kreuzweise = v <= 12;
        for (int a : {1, 3}) {
            const int b = a + 1;
            if (P(a) == Q(a) || P(b) == Q(b) || P(a) == P(b) || Q(a) == Q(b))
                return "pair distinct";
            if (kreuzweise && (P(a) == Q(b) || P(b) == Q(a)))
                return "pair crosswise distinct";
            if (kreuzweise ? !teil(P(a), Q(b)) && !teil(P(b), Q(a)) : !teil(P(a), P(b)) && !teil(Q(a), Q(b)))
                return "pair pattern";
        }
        const bool q1 = v >= 13, q2 = v == 12 || v == 14;
        const long long z1 = q1 ? t.p[0] * t.q[1] : t.p[0] * t.p[1];
        const long long n1 = q1 ? t.q[0] * t.p[1] : t.q[0] * t.q[1];
        const long long z2 = q2 ? t.p[2] * t.q[3] : t.p[2] * t.p[3];
        const long long n2 = q2 ? t.q[2] * t.p[3] : t.q[2] * t.q[3];
        const long long zaehler = z1 * n2 + zeichen(2) * z2 * n1;
        return qAbs(n1 * n2) < 100 && G(zaehler, n1 * n2) > 1 ? "" : "common denominator";
    }
    if (!bereich(1, 12, 12) || !alleGekuerzt() || Q(1) == Q(2) || Q(3) == Q(4))
        return "range";
    const long long n1 = t.p[0] * Q(2) + zeichen(1) * t.p[1] * Q(1);
    const long long n2 = t.p[2] * Q(4) + zeichen(3) * t.p[3] * Q(3);
    if (G(n1, Q(1) * Q(2)) <= 1 || G(n2, Q(3) * Q(4)) <= 1)
        return "brackets";
    return {};
}

// The operands without signs, as a key of the admissible draws.
QString Schluessel(const Term& t)
{
    QString k;
    for (qsizetype i = 0; i < t.p.size(); ++i)
        k += QString::number(qAbs(t.p[i])) + "/" + QString::number(t.q[i]) + " ";
    return k;
}

Term Positiv(std::initializer_list<long long> pq, QChar op1, QChar op2)
{
    Term t;
    const QList<long long> w(pq);
    for (qsizetype i = 0; i + 1 < w.size(); i += 2) {
        t.p.append(w[i]);
        t.q.append(w[i + 1]);
        t.zeichen.append("+");
    }
    t.ops = {op1, op2};
    t.ok = true;
    return t;
}

// Builds n exercises of a variant and compares how often each unsigned draw
// comes with its exact probability (chi-square, far beyond chance).
void PruefeVerteilung(int art, int v, const QHash<QString, double>& erwartet, int n)
{
    QHash<QString, int> gezaehlt;
    TRationalAufgabe a;
    RandSeed(quint64(art) * 7777 + quint64(v));
    for (int i = 0; i < n; ++i) {
        BaueRational(art, v, false, a);
        const QString k = Schluessel(Lies(a.Term));
        QVERIFY2(erwartet.contains(k), qPrintable(k));
        gezaehlt[k]++;
    }
    double chi2 = 0;
    for (auto it = erwartet.cbegin(); it != erwartet.cend(); ++it) {
        const double e = it.value() * n;
        const double o = gezaehlt.value(it.key());
        chi2 += (o - e) * (o - e) / e;
    }
    const double df = double(erwartet.size() - 1);
    QVERIFY2(chi2 < df + 5 * std::sqrt(2 * df),
             qPrintable(QString("chi2 %1 for %2 cells").arg(chi2).arg(erwartet.size())));
}

} // namespace

class TestRationalBauer : public QObject {
    Q_OBJECT
private slots:
    // The reset leaves nothing of a drill behind that the next one could see.
    void storeResetsToStart()
    {
        StufeRationalGem = 3;
        StufeRationalDiv = 1;
        RationalArt = 5;
        RationalVereinfacht = true;
        BaueGemischt(9, false, RationalAufgaben[2]);
        RationalAufgaben[2].Form = 4;
        RationalAufgaben[2].Richtig = RationalAufgaben[4].ZweimalFalsch = true;
        RationalSpeicherZuruecksetzen();
        QCOMPARE(StufeRationalAdd + StufeRationalSub + StufeRationalMult + StufeRationalDiv + StufeRationalGem, 0);
        QCOMPARE(RationalArt, 0);
        QVERIFY(!RationalVereinfacht);
        for (const TRationalAufgabe& a : RationalAufgaben) {
            QVERIFY(a.Term.isEmpty() && a.Ergebnis.isEmpty());
            QVERIFY(!a.Richtig && !a.ZweimalFalsch && !a.Sonderdarstellung && !a.IstBruch);
            QCOMPARE(a.Form, 0);
        }
    }

    void initTestCase()
    {
        // Whatever the machine's locale says, numbers keep the decimal comma.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    void operandMarkupAndResults()
    {
        TRationalAufgabe a;
        SchreibeAddition(a, {{3, 4}, {-1, 2}});
        QCOMPARE(a.Term, QString("!+{3/4}!+!-{1/2}!"));
        QCOMPARE(a.Ergebnis, QString("1/4"));
        QVERIFY(a.IstBruch);
        QVERIFY(!a.Sonderdarstellung);

        SchreibeMultiplikation(a, {{4, 3}, {3, 2}});
        QCOMPARE(a.Ergebnis, QString("2")); // 12/6 is the whole number alone
        QCOMPARE(a.Term, QString("!+{4/3}!") + MiddleDot + "!+{3/2}!");
        SchreibeAddition(a, {{1, 2}, {-5, 6}, {1, 3}});
        QCOMPARE(a.Ergebnis, QString("0"));
        QCOMPARE(ErgebnisZaehler, 0);
        QCOMPARE(ErgebnisNenner, 1);
        SchreibeAddition(a, {{-1, 4}, {-1, 6}});
        QCOMPARE(a.Ergebnis, QString("-5/12"));
        QCOMPARE(ErgebnisZaehler, -5);
        QCOMPARE(ErgebnisNenner, 12);

        QCOMPARE(BruchErgebnisText(5, -12), QString("-5/12"));
        QCOMPARE(BruchErgebnisText(-4, -6), QString("2/3"));
        QCOMPARE(BruchErgebnisText(-8, 4), QString("-2"));
        QCOMPARE(BruchErgebnisText(1, 0), QString()); // no value: nothing written, nothing divided
    }

    void subtractionWritesOnlyEnDashes()
    {
        TRationalAufgabe a;
        SchreibeSubtraktion(a, {{1, 3}, {2, 5}, {4, 15}}, true);
        const QString d(EnDash);
        QCOMPARE(a.Term, "!+{1/3}!" + d + "!+{2/5}!" + d + "!+{4/15}!");
        QCOMPARE(a.Ergebnis, QString("1/5")); // 1/3 − (2/5 − 4/15)
        QVERIFY(a.Sonderdarstellung);
        SchreibeSubtraktion(a, {{1, 3}, {2, 5}, {4, 15}}, false);
        QCOMPARE(a.Ergebnis, QString("-1/3"));
        QVERIFY(!a.Sonderdarstellung);
        SchreibeSubtraktion(a, {{-3, 4}, {-1, 2}}, false);
        QCOMPARE(a.Term, "!" + d + "{3/4}!" + d + "!" + d + "{1/2}!");
        QCOMPARE(a.Ergebnis, QString("-1/4"));

        for (int v = 1; v <= 13; ++v) {
            RandSeed(v);
            for (int i = 0; i < 200; ++i) {
                BaueSubtraktion(v, false, a);
                if (a.IstBruch)
                    QVERIFY2(!a.Term.contains(u'-'), qPrintable(a.Term));
            }
        }
    }

    void divisionSigns()
    {
        TRationalAufgabe a;
        SchreibeDivision(a, {{-2, 3}, {4, 9}}, false);
        QCOMPARE(a.Term, QString("!-{2/3}!:!+{4/9}!"));
        QCOMPARE(a.Ergebnis, QString("-3/2"));
        SchreibeDivision(a, {{-2, 3}, {-4, 9}}, false);
        QCOMPARE(a.Ergebnis, QString("3/2"));
        SchreibeDivision(a, {{1, 2}, {-3, 4}, {1, 3}}, true); // 1/2 : (−3/4 : 1/3) = −2/9
        QCOMPARE(a.Ergebnis, QString("-2/9"));
        QVERIFY(a.Sonderdarstellung);
        SchreibeDivision(a, {{1, 2}, {-3, 4}, {1, 3}}, false); // (1/2 : −3/4) : 1/3 = −2
        QCOMPARE(a.Ergebnis, QString("-2"));

        const RBruch r = DivisionsVorzeichen(3, -2);
        QCOMPARE(r.Zaehler, -3);
        QCOMPARE(r.Nenner, 2);
        QCOMPARE(DivisionsVorzeichen(-1, 300).Zaehler, -1); // below 0,005: the sign still holds
        QCOMPARE(DivisionsVorzeichen(0, 7).Zaehler, 0);
        QCOMPARE(BerechneTermwert("-6/(4)"), -1.5f);
    }

    void mixedVariantOneMarkupFollowsDisplayFlag()
    {
        TRationalAufgabe a;
        const QString d(EnDash);
        QVERIFY(SchreibeGemischt(a, 1, true, {{1, 3}, {-1, 2}, {2, 3}}, false, false));
        QCOMPARE(a.Term, "!{1/3}!+!-{1/2}!" + QString(MiddleDot) + "!{2/3}!");
        QCOMPARE(a.Ergebnis, QString("-1/9"));
        QVERIFY(SchreibeGemischt(a, 1, false, {{1, 3}, {-1, 2}, {2, 3}}, false, false));
        QCOMPARE(a.Term, "!+{1/3}!+!-{1/2}!" + QString(MiddleDot) + "!+{2/3}!");
        QVERIFY(SchreibeGemischt(a, 2, true, {{1, 3}, {-1, 2}, {2, 3}}, false, false));
        QCOMPARE(a.Term, "!+{1/3}!" + d + "!-{1/2}!" + QString(MiddleDot) + "!+{2/3}!");
        QCOMPARE(a.Ergebnis, QString("5/9"));
        QVERIFY(!a.Sonderdarstellung);

        // (a − b) : (c − d) with a zero divisor is refused, the row untouched.
        a.Term = "alt";
        QVERIFY(!SchreibeGemischt(a, 16, false, {{1, 2}, {1, 3}, {1, 4}, {1, 4}}, true, true));
        QCOMPARE(a.Term, QString("alt"));
        QVERIFY(SchreibeGemischt(a, 16, false, {{1, 2}, {1, 3}, {1, 4}, {-1, 4}}, true, true));
        QCOMPARE(a.Ergebnis, QString("1/3")); // (1/6) : (1/2)
        QVERIFY(a.Sonderdarstellung);
        // 1/2 − 1/3 · 3/4 + 1/4: plain precedence
        QVERIFY(SchreibeGemischt(a, 9, false, {{1, 2}, {1, 3}, {3, 4}, {1, 4}}, true, false));
        QCOMPARE(a.Ergebnis, QString("1/2"));
        QCOMPARE(a.Term, "!+{1/2}!" + d + "!+{1/3}!" + QString(MiddleDot) + "!+{3/4}!+!+{1/4}!");
    }

    void decimals()
    {
        TRationalAufgabe a;
        SchreibeDezimal(a, 24, -13, false, 1, 1);
        QCOMPARE(a.Term, QString("(+2,4)+(-1,3)"));
        QCOMPARE(a.Ergebnis, QString("1,1"));
        QVERIFY(!a.IstBruch);
        SchreibeDezimal(a, 24, 13, true, 1, 2);
        QCOMPARE(a.Term, QString("(+2,40)-(+1,30)"));
        QCOMPARE(a.Ergebnis, QString("1,10"));
        SchreibeDezimal(a, 101, -299, false, 2, 2); // 1,01 − 2,99: no 0,0199999 or -1,9799999
        QCOMPARE(a.Ergebnis, QString("-1,98"));
        SchreibeDezimalKlammer(a, 1000, -3000, -2000);
        QCOMPARE(a.Term, QString("(+10,00)-[ (-30,00)-(-20,00) ]"));
        QCOMPARE(a.Ergebnis, QString("20,00"));
        SchreibeDezimalKlammer(a, 1000, 3000, 2000);
        QCOMPARE(a.Ergebnis, QString("0,00")); // zero never gets a sign
        QCOMPARE(DezimalText(-50, 2), QString("-0,50"));
        QCOMPARE(DezimalText(7, 0), QString("7"));
        QCOMPARE(ZaehleKlammern("(+10,00)-[ (-30,00)-(-20,00) ]"), 3);
        QCOMPARE(ZaehleKlammern("(+2,4)+(-1,3)"), 2);

        RandSeed(3);
        for (int i = 0; i < 5000; ++i) {
            const int a1 = ZufallKleinEineStelle(), a2 = ZufallKleinZweiStellen();
            const int a3 = ZufallGrossEineStelle(), a4 = ZufallGrossZweiStellen();
            QVERIFY(a1 >= 11 && a1 <= 99 && a1 % 10 != 0 && a1 / 10 != 0);
            QVERIFY(a2 >= 101 && a2 <= 999 && a2 % 10 != 0);
            QVERIFY(a3 >= 101 && a3 <= 999 && a3 % 10 != 0);
            QVERIFY(a4 >= 1001 && a4 <= 9999 && a4 % 10 != 0);
        }
    }

    // Every decimal variant: places, bounds, distinct numbers, and the result
    // exactly the decimal value of the term.
    void decimalVariants()
    {
        struct Fall {
            int art, v, stellen, anzahl;
            long long minX, maxX, minY, maxY, grenzeSumme;
            bool summe;
        };
        const Fall faelle[] = {
            {1, 3, 1, 2, 11, 49, 11, 49, 0, true},      {1, 6, 1, 2, 11, 99, 11, 99, 0, true},
            {1, 9, 1, 2, 101, 999, 101, 999, 500, true}, {1, 12, 2, 2, 101, 999, 1001, 9999, 10000, true},
            {1, 13, 2, 2, 1001, 9999, 101, 999, 10000, true}, {2, 3, 2, 2, 110, 490, 110, 490, 0, false},
            {2, 6, 2, 2, 1001, 9999, 101, 999, 10000, false}, {2, 9, 1, 2, 101, 999, 101, 999, 1000, true},
            {2, 13, 2, 3, 1001, 4999, 1001, 4999, 0, false},
        };
        for (const Fall& f : faelle) {
            RandSeed(100 + f.v);
            TRationalAufgabe a;
            int negativeZ = 0;
            for (int i = 0; i < 3000; ++i) {
                BaueRational(f.art, f.v, false, a);
                QVERIFY(!a.IstBruch);
                QVERIFY(!a.Sonderdarstellung);
                const Dezimalterm d = LiesDezimal(a.Term);
                QVERIFY2(d.ok && d.stellen == f.stellen && d.x.size() == f.anzahl, qPrintable(a.Term));
                QCOMPARE(ZaehleKlammern(a.Term), f.anzahl);
                const long long x = qAbs(d.x[0]), y = qAbs(d.x[1]);
                QVERIFY2(x >= f.minX && x <= f.maxX && y >= f.minY && y <= f.maxY, qPrintable(a.Term));
                QVERIFY(x != y);
                if (f.grenzeSumme)
                    QVERIFY2(x + y < f.grenzeSumme, qPrintable(a.Term));
                if (f.art == 2 && f.v == 3) // one-place numbers written with two places
                    QVERIFY(d.x[0] % 10 == 0 && d.x[1] % 10 == 0);
                long long soll;
                if (f.anzahl == 3) {
                    const long long z = qAbs(d.x[2]);
                    QVERIFY(z >= 1001 && z <= 4999 && z != x && z != y);
                    QVERIFY(a.Term.contains(")-[ ("));
                    negativeZ += d.x[2] < 0;
                    soll = d.x[0] - (d.x[1] - d.x[2]);
                } else {
                    QCOMPARE(a.Term.contains(")-("), !f.summe);
                    soll = f.summe ? d.x[0] + d.x[1] : d.x[0] - d.x[1];
                }
                QCOMPARE(a.Ergebnis, Dez(soll, f.stellen));
                QVERIFY(WithSign(a.Ergebnis).size() <= 8);
            }
            if (f.anzahl == 3) // z is negated with probability one third
                QVERIFY2(negativeZ > 850 && negativeZ < 1150, qPrintable(QString::number(negativeZ)));
        }
    }

    // Every fraction variant over many seeds: the result is the exact value
    // of the term as grouped, reduced, sign on the numerator, and the
    // variant's conditions hold.
    void fractionVariants_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("variante");
        for (int art = 1; art <= 5; ++art)
            for (int v = 1; v <= AnzahlVarianten(art); ++v)
                if (!IstDezimalVariante(art, v))
                    QTest::addRow("%s(%d)", qPrintable(BauerName(art)), v) << art << v;
    }

    void fractionVariants()
    {
        QFETCH(int, art);
        QFETCH(int, variante);
        const int durchlaeufe = art >= 3 ? 600 : 2000;
        const bool sonder = (art == 2 && variante == 12) || (art == 4 && variante % 3 == 0)
                            || (art == 5 && variante >= 9);
        static const QRegularExpression ergebnisForm(QStringLiteral("^(0|-?[1-9]\\d*(/[1-9]\\d*)?)$"));
        int negativ = 0;
        for (int i = 0; i < durchlaeufe; ++i) {
            RandSeed(quint64(art) * 1000003 + quint64(variante) * 7919 + quint64(i));
            TRationalAufgabe a;
            BaueRational(art, variante, i % 2 == 1, a);
            QVERIFY(a.IstBruch);
            QCOMPARE(a.Sonderdarstellung, sonder);
            const Term t = Lies(a.Term);
            QVERIFY2(t.ok, qPrintable(a.Term));
            const QString verstoss = Verstoss(art, variante, t);
            QVERIFY2(verstoss.isEmpty(), qPrintable(verstoss + ": " + a.Term));
            QCOMPARE(a.Ergebnis, Text(Soll(art, variante, t)));
            QVERIFY2(ergebnisForm.match(a.Ergebnis).hasMatch(), qPrintable(a.Ergebnis));
            QVERIFY2(WithSign(a.Ergebnis).size() <= 8, qPrintable(a.Ergebnis));
            QVERIFY(a.Term.size() <= 80);
            negativ += t.p[0] < 0;

            // The operators each builder writes, and its sign marks.
            for (QChar op : t.ops) {
                switch (art) {
                case 1: QCOMPARE(op, QChar(u'+')); break;
                case 2: QCOMPARE(op, EnDash); break;
                case 3: QCOMPARE(op, MiddleDot); break;
                case 4: QCOMPARE(op, QChar(u':')); break;
                default: QVERIFY(op == u'+' || op == EnDash || op == MiddleDot || op == u':');
                }
            }
            for (const QString& z : t.zeichen) {
                if (art == 2)
                    QVERIFY(z == "+" || z == QString(EnDash));
                else if (art == 5 && variante == 1 && i % 2 == 1)
                    QVERIFY(z.isEmpty() || z == "-");
                else
                    QVERIFY(z == "+" || z == "-");
            }
        }
        // Signs are drawn with probability one half.
        QVERIFY2(negativ > durchlaeufe * 4 / 10 && negativ < durchlaeufe * 6 / 10, qPrintable(QString::number(negativ)));
    }

    // The grouped redrawing gives every admissible draw the same chance as
    // redrawing everything would: compared with the admissible sets counted
    // here by brute force.
    void drawsAreUniformOverTheAdmissibleSets()
    {
        QHash<QString, double> m4;
        for (int p1 = 1; p1 <= 15; ++p1)
            for (int p2 = 1; p2 <= 15; ++p2)
                for (int p3 = 1; p3 <= 15; ++p3)
                    for (int q1 = 2; q1 <= 15; ++q1)
                        for (int q2 = 2; q2 <= 15; ++q2)
                            for (int q3 = 2; q3 <= 15; ++q3) {
                                if (p1 * p2 * p3 >= 100 || q1 * q2 * q3 >= 100)
                                    continue;
                                const Term t = Positiv({p1, q1, p2, q2, p3, q3}, MiddleDot, MiddleDot);
                                if (Verstoss(3, 4, t).isEmpty())
                                    m4.insert(Schluessel(t), 0);
                            }
        QCOMPARE(m4.size(), 344);
        for (double& w : m4)
            w = 1.0 / 344;
        PruefeVerteilung(3, 4, m4, 344 * 25);

        QHash<QString, double> d3, d9a, d9b;
        for (int p1 = 1; p1 <= 15; ++p1)
            for (int q1 = 2; q1 <= 15; ++q1)
                for (int p2 = 1; p2 <= 15; ++p2)
                    for (int q2 = 2; q2 <= 15; ++q2)
                        for (int p3 = 1; p3 <= 15; ++p3)
                            for (int q3 = 2; q3 <= 15; ++q3) {
                                if (q1 * q2 * p3 >= 150 || q1 * p2 * q3 >= 100 || G(p2, p3) == 1 || G(q2, q3) == 1)
                                    continue;
                                const Term t = Positiv({p1, q1, p2, q2, p3, q3}, u':', u':');
                                if (Verstoss(4, 3, t).isEmpty())
                                    d3.insert(Schluessel(t), 0);
                            }
        QCOMPARE(d3.size(), 660);
        for (double& w : d3)
            w = 1.0 / 660;
        PruefeVerteilung(4, 3, d3, 660 * 20);

        // Variant 9 picks one of two forms with chance one half each.
        for (int p1 = 2; p1 <= 11; ++p1)
            for (int q1 = 2; q1 <= 9; ++q1)
                for (int p2 = 2; p2 <= 11; ++p2)
                    for (int q2 = 2; q2 <= 9; ++q2)
                        for (int p3 = 2; p3 <= 11; ++p3)
                            for (int q3 = 2; q3 <= 9; ++q3) {
                                const Term t = Positiv({p1, q1, p2, q2, p3, q3}, u':', u':');
                                if (Verstoss(4, 9, t).isEmpty())
                                    (G(p2 * q3, p1) > 1 ? d9a : d9b).insert(Schluessel(t), 0);
                            }
        QCOMPARE(d9a.size() + d9b.size(), 1599 + 2203);
        QHash<QString, double> d9;
        for (auto it = d9a.cbegin(); it != d9a.cend(); ++it)
            d9.insert(it.key(), 0.5 / double(d9a.size()));
        for (auto it = d9b.cbegin(); it != d9b.cend(); ++it)
            d9.insert(it.key(), 0.5 / double(d9b.size()));
        PruefeVerteilung(4, 9, d9, 3802 * 8);

        // Mixed variant 5, (a · b) : c: the pairs that cancel both ways first.
        QHash<QString, double> g5;
        for (int p1 = 1; p1 <= 20; ++p1)
            for (int q1 = 2; q1 <= 20; ++q1)
                for (int p2 = 1; p2 <= 20; ++p2)
                    for (int q2 = 2; q2 <= 20; ++q2) {
                        if (G(p1, q1) != 1 || G(p2, q2) != 1 || G(p1, q2) == 1 || G(p2, q1) == 1)
                            continue;
                        for (int p3 = 1; p3 <= 20; ++p3)
                            for (int q3 = 2; q3 <= 20; ++q3) {
                                const Term t = Positiv({p1, q1, p2, q2, p3, q3}, MiddleDot, u':');
                                if (Verstoss(5, 5, t).isEmpty())
                                    g5.insert(Schluessel(t), 0);
                            }
                    }
        QCOMPARE(g5.size(), 4604);
        for (double& w : g5)
            w = 1.0 / 4604;
        PruefeVerteilung(5, 5, g5, 4604 * 6);
    }

    void mixedSignPatternsAreEvenlySpread()
    {
        for (int v : {9, 15, 11}) {
            RandSeed(77 + v);
            QMap<QString, int> muster;
            TRationalAufgabe a;
            for (int i = 0; i < 800; ++i) {
                BaueGemischt(v, false, a);
                const Term t = Lies(a.Term);
                muster[v == 11 ? QString(t.ops[1]) : QString(t.ops[0]) + t.ops[2]]++;
            }
            const int erwartet = v == 11 ? 400 : 200;
            QCOMPARE(muster.size(), v == 11 ? 2 : 4);
            for (int anzahl : muster)
                QVERIFY2(qAbs(anzahl - erwartet) < erwartet / 4, qPrintable(QString::number(anzahl)));
        }
    }

    // The catalogue: each entry's variants in the shares of its bands, the
    // mixed entries' Form, and the open level variable deciding the entry.
    void catalogueBands()
    {
        struct Anteil {
            int art, stufe;
            QList<int> varianten;
            QList<int> prozent;
        };
        const QList<Anteil> katalog = {
            {1, 1, {1, 2, 3}, {40, 40, 20}},      {1, 2, {4, 5, 6}, {34, 34, 32}},
            {1, 3, {7, 8, 9}, {34, 34, 32}},      {1, 4, {10, 11, 12, 13}, {40, 40, 10, 10}},
            {2, 1, {1, 2, 3}, {40, 40, 20}},      {2, 2, {4, 5, 6}, {34, 34, 32}},
            {2, 3, {7, 8, 9}, {34, 34, 32}},      {2, 4, {10, 11, 12, 13}, {25, 25, 25, 25}},
            {3, 1, {1, 2}, {50, 50}},             {3, 2, {3, 4}, {50, 50}},
            {3, 3, {5, 6}, {50, 50}},             {4, 1, {1, 2, 3}, {50, 25, 25}},
            {4, 2, {4, 5, 6}, {50, 25, 25}},      {4, 3, {7, 8, 9}, {50, 25, 25}},
            {5, 1, {1, 2, 3, 4, 5, 6, 7, 8}, {12, 13, 12, 13, 12, 13, 12, 13}},
            {5, 2, {9, 10}, {50, 50}},            {5, 3, {11, 12, 13, 14}, {25, 25, 25, 25}},
            {5, 4, {15, 16}, {50, 50}},
        };
        static const int formen[] = {0, 1, 1, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 5, 5, 6, 6};
        const int n = 2000;
        for (const Anteil& e : katalog) {
            QMap<int, int> gezaehlt;
            RandSeed(quint64(e.art * 10 + e.stufe));
            for (int i = 0; i < n; ++i) {
                const int zeile = i % 5 + 1;
                RationalAufgaben[zeile].Form = -1;
                const int v = RationalEintrag(e.art, e.stufe, zeile);
                gezaehlt[v]++;
                QCOMPARE(RationalAufgaben[zeile].Form, e.art == 5 ? formen[v] : -1);
            }
            QCOMPARE(gezaehlt.size(), e.varianten.size());
            for (int k = 0; k < e.varianten.size(); ++k) {
                const double p = e.prozent[k] / 100.0;
                const double sigma = std::sqrt(n * p * (1 - p));
                const int c = gezaehlt.value(e.varianten[k]);
                QVERIFY2(qAbs(c - n * p) < 4.5 * sigma,
                         qPrintable(QString("%1/%2 variant %3: %4").arg(e.art).arg(e.stufe).arg(e.varianten[k]).arg(c)));
            }
        }
        QCOMPARE(RationalEintrag(3, 4, 1), 0); // no fourth level
        QCOMPARE(RationalEintrag(1, 1, 6), 0);
    }

    void fillByOpenLevel()
    {
        RationalStufenLoeschen();
        QCOMPARE(RationalZeileFuellen(1), 0);
        StufeRationalDiv = 2;
        RandSeed(5);
        for (int zeile = 1; zeile <= 5; ++zeile) {
            const int v = RationalZeileFuellen(zeile);
            QVERIFY(v >= 4 && v <= 6);
            QVERIFY(RationalAufgaben[zeile].Term.contains(u':'));
        }
        RationalStufenLoeschen();
        StufeRationalGem = 1;
        RationalVereinfacht = true;
        for (int i = 0; i < 200; ++i) {
            if (RationalZeileFuellen(1) == 1)
                QVERIFY(!RationalAufgaben[1].Term.contains("!+{"));
        }
        RationalVereinfacht = false;
        RationalStufenLoeschen();
    }

    void splittingEveryTermShape()
    {
        RandSeed(11);
        TermTeile tt;
        BruchTeile bt;
        for (int art = 1; art <= 5; ++art) {
            for (int v = 1; v <= AnzahlVarianten(art); ++v) {
                if (IstDezimalVariante(art, v))
                    continue;
                for (int modus = 0; modus < 2; ++modus) {
                    TRationalAufgabe a;
                    BaueRational(art, v, modus == 1, a);
                    const Term t = Lies(a.Term);
                    const int n = ZerlegeTerm(a.Term, tt);
                    QCOMPARE(n, int(t.p.size()));
                    LeseBruchTeile(tt, bt);
                    for (int k = 1; k <= 4; ++k) {
                        if (k > n) {
                            QVERIFY(tt.Teil[k].isEmpty());
                            QVERIFY(bt.Operand[k].Zaehler.isEmpty());
                            continue;
                        }
                        const QString z = t.zeichen[k - 1];
                        QCOMPARE(tt.Teil[k], z + "{" + QString::number(qAbs(t.p[k - 1])) + "/" + QString::number(t.q[k - 1]) + "}");
                        QCOMPARE(bt.Operand[k].Vorzeichen, z == "-" ? QString(EnDash) : z);
                        QCOMPARE(bt.Operand[k].Zaehler, QString::number(qAbs(t.p[k - 1])));
                        QCOMPARE(bt.Operand[k].Nenner, QString::number(t.q[k - 1]));
                    }
                    for (int k = 1; k <= 3; ++k) {
                        const QChar soll = k < n ? t.ops[k - 1] : QChar();
                        QCOMPARE(tt.Operator[k], soll);
                        QCOMPARE(bt.Operator[k], soll == u'-' ? EnDash : soll);
                    }
                }
            }
        }
    }

    void simplifiedReadingFoldsTheSecondSign_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QStringList>("zeichen");
        const QString d(EnDash), m(MiddleDot);
        QTest::newRow("+ +") << "!+{1/3}!+!+{1/2}!" + m + "!+{2/3}!" << "+" << QStringList{"+", "", "+"};
        QTest::newRow("+ -") << "!-{1/3}!+!-{1/2}!" + m + "!-{2/3}!" << d << QStringList{d, "", d};
        QTest::newRow("– +") << "!+{1/3}!" + d + "!+{1/2}!:!+{2/3}!" << d << QStringList{"+", "", "+"};
        QTest::newRow("– -") << "!+{1/3}!" + d + "!-{1/2}!:!+{2/3}!" << "+" << QStringList{"+", "", "+"};
        QTest::newRow("no marks") << "!{1/3}!" + d + "!{1/2}!" + m + "!-{2/3}!" << d << QStringList{"", "", d};
    }

    void simplifiedReadingFoldsTheSecondSign()
    {
        QFETCH(QString, term);
        QFETCH(QString, op);
        QFETCH(QStringList, zeichen);
        TermTeile tt;
        BruchTeile bt;
        QCOMPARE(ZerlegeTerm(term, tt), 3);
        LeseBruchTeileVereinfacht(tt, bt);
        QCOMPARE(QString(bt.Operator[1]), op);
        for (int k = 1; k <= 3; ++k) {
            QCOMPARE(bt.Operand[k].Vorzeichen, zeichen[k - 1]);
            QCOMPARE(bt.Operand[k].Nenner.isEmpty(), false);
        }
        QCOMPARE(bt.Operand[2].Zaehler, QString("1"));
        QCOMPARE(bt.Operand[2].Nenner, QString("2"));

        // The plain reading keeps a piece without sign mark unsigned.
        LeseBruchTeile(tt, bt);
        QCOMPARE(bt.Operand[2].Zaehler, QString("1"));
    }

    void splittingResults()
    {
        ErgebnisTeile e;
        ZerlegeErgebnis("-5/12", e);
        QVERIFY(e.IstBruch);
        QCOMPARE(e.Vorzeichen, QString(EnDash));
        QCOMPARE(e.Zaehler, QString("5"));
        QCOMPARE(e.Nenner, QString("12"));
        ZerlegeErgebnis("3/4", e);
        QCOMPARE(e.Vorzeichen, QString("+"));
        QCOMPARE(e.Zaehler, QString("3"));
        ZerlegeErgebnis(QString(EnDash) + "1/2", e);
        QCOMPARE(e.Vorzeichen, QString(EnDash));
        QCOMPARE(e.Nenner, QString("2"));
        ZerlegeErgebnis("+1/2/3", e); // an entry with two bars: split at the first
        QCOMPARE(e.Zaehler, QString("1"));
        QCOMPARE(e.Nenner, QString("2/3"));
        ZerlegeErgebnis("7", e);
        QVERIFY(!e.IstBruch);
        ZerlegeErgebnis("-1,25", e);
        QVERIFY(!e.IstBruch);
        ZerlegeErgebnis("", e);
        QVERIFY(!e.IstBruch);
        ZerlegeErgebnis("/", e);
        QVERIFY(e.IstBruch);
        QVERIFY(e.Zaehler.isEmpty() && e.Nenner.isEmpty());
    }

    // Malformed and overlong terms (arbitrary texts are fuzzed elsewhere).
    void splittingOddTerms()
    {
        TermTeile tt;
        QCOMPARE(ZerlegeTerm("", tt), 0);
        QCOMPARE(ZerlegeTerm("}!", tt), 1);
        QCOMPARE(ZerlegeTerm("!+{1/2}!+", tt), 1);
        QCOMPARE(tt.Operator[1], QChar(u'+'));
        QCOMPARE(ZerlegeTerm("!+{1/2}!+!+{1/2}!+!+{1/2}!+!+{1/2}!+!+{1/2}!", tt), 4);
        QCOMPARE(tt.Teil[4], QString("+{1/2}"));
    }
};

QTEST_GUILESS_MAIN(TestRationalBauer)
#include "test_rational_bauer.moc"
