#include "rational/RationalTermBauer.h"

#include "core/Bruch.h"
#include "core/NumberHelpers.h"
#include "core/Random.h"
#include "integer/TulpParser.h"
#include "rational/RationalZiehung.h"

#include <limits>
#include <utility>

using namespace Ziehung;

namespace {

// The exact value of an operand.
Bruch Wert(const RBruch& b)
{
    return Gekuerzt(b.Zaehler, b.Nenner);
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

void SchreibeBruch(TRationalAufgabe& aufgabe, const QString& term, Bruch wert, bool sonder)
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
bool KuerzbarMal(Bruch x, Bruch y)
{
    return Teilbar(x.z, y.n) && Teilbar(x.n, y.z);
}

// Both straight pairs of a quotient x : y share a factor.
bool KuerzbarDurch(Bruch x, Bruch y)
{
    return Teilbar(x.z, y.z) && Teilbar(x.n, y.n);
}

Bruch PlusMinus(Bruch a, Bruch b, bool minus)
{
    return minus ? a - b : a + b;
}

// The exact value of a mixed term as it is grouped (see SchreibeGemischt).
Bruch GemischtWert(int variante, const QList<RBruch>& o, bool minus1, bool minus2)
{
    const int n = variante <= 8 ? 3 : 4;
    if (o.size() != n)
        return UngueltigerBruch;
    const Bruch a = Wert(o[0]), b = Wert(o[1]), c = Wert(o[2]);
    const Bruch d = n == 4 ? Wert(o[3]) : Bruch{};
    switch (variante) {
    case 1: return (a + b) * c;
    case 2: return (a - b) * c;
    case 3: return (a + b) / c;
    case 4: return (a - b) / c;
    case 5: return (a * b) / c;
    case 6: return (a / b) * c;
    case 7: return a * (b / c);
    case 8: return a / (b * c);
    case 9: return PlusMinus(PlusMinus(a, b * c, minus1), d, minus2);
    case 10: return PlusMinus(PlusMinus(a, b / c, minus1), d, minus2);
    case 11: return PlusMinus(a * b, c * d, minus1);
    case 12: return PlusMinus(a * b, c / d, minus1);
    case 13: return PlusMinus(a / b, c * d, minus1);
    case 14: return PlusMinus(a / b, c / d, minus1);
    case 15: return PlusMinus(a, b, minus1) * PlusMinus(c, d, minus2);
    case 16: return PlusMinus(a, b, minus1) / PlusMinus(c, d, minus2);
    default: return UngueltigerBruch;
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

// ---- Mixed terms, drawing -------------------------------------------------------------

// a ± b · c, a ± b : c: the bracket (a ± b) reduced must cancel both ways with c.
void GemischtFormEins(int variante, bool vereinfacht, TRationalAufgabe& aufgabe)
{
    const bool minus = variante == 2 || variante == 4;
    const bool quotient = variante >= 3;
    int p1, q1, p2, q2, p3, q3;
    Bruch paar;
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
        paar = PlusMinus(Bruch{p1, q1}, Bruch{p2, q2}, minus);
        if (quotient ? KuerzbarDurch(paar, Bruch{p3, q3}) : KuerzbarMal(paar, Bruch{p3, q3}))
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
        Bruch r;
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
            r = paarProdukt ? Bruch{p[x], q[x]} * Bruch{p[y], q[y]} : Bruch{p[x], q[x]} / Bruch{p[y], q[y]};
            if (Betrag(r.z) > 1 && r.n > 1) // the second step needs factors on both sides
                break;
        }
        const Zwei c = ZieheGekuerzt(1, 20, 20);
        p[dritter] = c.a;
        q[dritter] = c.b;
        if (!Verschieden(p, q, 3, true))
            continue;
        const Bruch d{p[dritter], q[dritter]};
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
                    && (Bruch{bc.px, bc.qx} / Bruch{bc.py, bc.qy}).n != 1)
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
    Bruch wert;
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
        const Bruch wert = variante == 15 ? links.wert * rechts.wert : links.wert / rechts.wert;
        if (wert.Gueltig() && Betrag(wert.z) < 100 && wert.n < 100)
            break;
    }
    SchreibeGemischt(aufgabe, variante, vereinfacht,
                     {{links.px, links.qx}, {links.py, links.qy}, {rechts.px, rechts.qx}, {rechts.py, rechts.qy}},
                     minus1, minus2);
}
} // namespace

// ---- Pieces -------------------------------------------------------------------------------

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
    const Bruch r = Gekuerzt(zaehler, nenner);
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
    Bruch summe{0, 1};
    for (const RBruch& b : operanden)
        summe = summe + Wert(b);
    SchreibeBruch(aufgabe, Verbinde(operanden, {u'+', u'+', u'+'}), summe, false);
}

void SchreibeSubtraktion(TRationalAufgabe& aufgabe, const QList<RBruch>& operanden, bool gruppiert)
{
    Bruch wert = operanden.isEmpty() ? UngueltigerBruch : Wert(operanden[0]);
    for (qsizetype k = 1; k < operanden.size(); ++k) {
        // a − (b − c) = a − b + c
        const bool plus = gruppiert && k == 2;
        wert = plus ? wert + Wert(operanden[k]) : wert - Wert(operanden[k]);
    }
    QString term = Verbinde(operanden, {u'-', u'-', u'-'});
    term.replace(u'-', EnDash);
    SchreibeBruch(aufgabe, term, wert, gruppiert);
}

void SchreibeMultiplikation(TRationalAufgabe& aufgabe, const QList<RBruch>& operanden)
{
    Bruch produkt{1, 1};
    for (const RBruch& b : operanden)
        produkt = produkt * Wert(b);
    SchreibeBruch(aufgabe, Verbinde(operanden, {MiddleDot, MiddleDot, MiddleDot}), produkt, false);
}

void SchreibeDivision(TRationalAufgabe& aufgabe, const QList<RBruch>& operanden, bool gruppiert)
{
    Bruch wert = operanden.isEmpty() ? UngueltigerBruch : Wert(operanden[0]);
    if (gruppiert && operanden.size() == 3)
        wert = wert / (Wert(operanden[1]) / Wert(operanden[2]));
    else
        for (qsizetype k = 1; k < operanden.size(); ++k)
            wert = wert / Wert(operanden[k]);
    if (wert.Gueltig() && qMax(Betrag(wert.z), quint64(wert.n)) <= quint64(std::numeric_limits<int>::max())) {
        const RBruch mitVorzeichen = DivisionsVorzeichen(int(wert.z), int(wert.n));
        wert = {mitVorzeichen.Zaehler, mitVorzeichen.Nenner};
    } else {
        wert = UngueltigerBruch;
    }
    SchreibeBruch(aufgabe, Verbinde(operanden, {u':', u':', u':'}), wert, gruppiert);
}

bool SchreibeGemischt(TRationalAufgabe& aufgabe, int variante, bool vereinfacht,
                      const QList<RBruch>& operanden, bool minus1, bool minus2)
{
    const Bruch wert = GemischtWert(variante, operanden, minus1, minus2);
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
