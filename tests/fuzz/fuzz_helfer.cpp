// The number and text helpers on any text and any numbers. Text helpers keep
// their 40-character limit, the sign helpers agree with each other, the zero
// trimming of a number is idempotent and keeps its value; Gcd divides both
// numbers with the magnitude of the greatest common divisor; the fraction
// helpers compute the exact value, reduced, wherever it fits in an int.
#include "core/NumberHelpers.h"
#include "fuzz/FuzzHilfen.h"

#include <cmath>
#include <cstdlib>
#include <numeric>

namespace {

using I128 = __int128;

void Texte(const QString& t)
{
    for (const QString& r : {ShowMinus(t), PlainMinus(t), WithSign(t), BracketIfNonZero(t), TrimLeadingZeros(t),
                             TrimTrailingZeros(t), RemoveChar(t, u'0')})
        FUZZ_PRUEFE(r.size() <= ShortLen40, t);
    FUZZ_PRUEFE(Cut(t, 20).size() <= 20, t);
    FUZZ_PRUEFE(ShowMinus(PlainMinus(t)) == ShowMinus(t), t);
    FUZZ_PRUEFE(PlainMinus(ShowMinus(t)) == PlainMinus(t), t);
    FUZZ_PRUEFE(!ShowMinus(t).startsWith(u'-'), t);
    const QString mitZeichen = WithSign(t);
    if (!t.isEmpty())
        FUZZ_PRUEFE(mitZeichen.startsWith(u'+') || mitZeichen.startsWith(EnDash), t);

    const SignCheck s = CheckSignedEntry(t);
    const QString kurz = Cut(t, ShortLen20);
    FUZZ_PRUEFE(s.accepted == (s.errorKind == 0), t);
    if (s.accepted)
        FUZZ_PRUEFE(kurz == QLatin1String("0") || ((kurz.startsWith(EnDash) || kurz.startsWith(u'+')) && kurz.count(u'/') <= 1),
                    t);
}

// A decimal number with the comma keeps its value through the trimming the
// answer checks apply: trailing zeros first, then leading ones.
void Dezimal(const QString& t)
{
    FUZZ_PRUEFE(TrimLeadingZeros(TrimLeadingZeros(t)) == TrimLeadingZeros(t), t);
    FUZZ_PRUEFE(TrimTrailingZeros(TrimTrailingZeros(t)) == TrimTrailingZeros(t), t);
    const QString getrimmt = TrimLeadingZeros(TrimTrailingZeros(t));
    auto wert = [](QString z) {
        // digits without the comma and the count of decimal places
        const qsizetype komma = z.indexOf(u',');
        int stellen = komma < 0 ? 0 : int(z.size() - komma - 1);
        z.remove(u',');
        while (stellen > 0 && z.endsWith(u'0')) {
            z.chop(1);
            --stellen;
        }
        while (z.startsWith(u'0'))
            z.remove(0, 1);
        return z + u'e' + QString::number(stellen);
    };
    FUZZ_PRUEFE(wert(getrimmt) == wert(t), t + " -> " + getrimmt);
    FUZZ_PRUEFE(!getrimmt.isEmpty() && !getrimmt.endsWith(u','), t + " -> " + getrimmt);
    FUZZ_PRUEFE(getrimmt == QLatin1String("0") || !getrimmt.startsWith(u'0') || getrimmt.startsWith(QLatin1String("0,")),
                t + " -> " + getrimmt);
}

I128 Abs(I128 v)
{
    return v < 0 ? -v : v;
}

I128 Ggt(I128 a, I128 b)
{
    a = Abs(a);
    b = Abs(b);
    while (b != 0) {
        const I128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

bool PasstInInt(I128 v)
{
    return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
}

// The exact value z/n reduced with a positive denominator, if it fits.
bool Erwartet(I128 z, I128 n, Fraction& f)
{
    if (n == 0)
        return false;
    const I128 g = Ggt(z, n);
    z /= g;
    n /= g;
    if (n < 0) {
        z = -z;
        n = -n;
    }
    // Either part may carry the sign, so both must fit with either sign.
    if (!PasstInInt(z) || !PasstInInt(-z) || !PasstInInt(n) || !PasstInInt(-n))
        return false;
    f = {int(z), int(n)};
    return true;
}

// The helper's result is the exact value, reduced; its sign may sit on either part.
void GleicherWert(const Fraction& ist, I128 z, I128 n, const char* was)
{
    Fraction soll;
    if (!Erwartet(z, n, soll))
        return;
    Fraction norm = ist;
    if (norm.den < 0 && norm.den != std::numeric_limits<int>::min() && norm.num != std::numeric_limits<int>::min()) {
        norm.num = -norm.num;
        norm.den = -norm.den;
    }
    FUZZ_PRUEFE(norm == soll, QStringLiteral("%1: %2/%3 statt %4/%5").arg(was).arg(ist.num).arg(ist.den).arg(soll.num).arg(soll.den));
}

void Zahlen(Eingabe& e)
{
    // Small numbers as the program uses them, or any 32-bit numbers.
    const bool klein = e.Byte() % 2 == 0;
    auto zahl = [&] { return klein ? e.Zahl(-1000, 1000) : e.Int32(); };
    const int a = zahl(), b = zahl();

    if (a != 0 || b != 0) {
        const I128 g = Gcd(a, b);
        const I128 soll = Ggt(a, b);
        if (PasstInInt(soll))
            FUZZ_PRUEFE(Abs(g) == soll, QStringLiteral("Gcd(%1, %2) = %3").arg(a).arg(b).arg(qint64(g)));
    }

    const Fraction x{zahl(), zahl()}, y{zahl(), zahl()}, z{zahl(), zahl()};
    const QString fall = QStringLiteral("%1/%2 %3/%4 %5/%6").arg(x.num).arg(x.den).arg(y.num).arg(y.den).arg(z.num).arg(z.den);
    if (x.den == 0 || y.den == 0 || z.den == 0)
        return; // the program never builds a fraction over zero
    const I128 xn = x.num, xd = x.den, yn = y.num, yd = y.den, zn = z.num, zd = z.den;
    GleicherWert(ReduceFraction(x.num, x.den), xn, xd, qPrintable("Reduce " + fall));
    GleicherWert(AddFractions(x, y), xn * yd + yn * xd, xd * yd, qPrintable("Add " + fall));
    GleicherWert(SubFractions(x, y), xn * yd - yn * xd, xd * yd, qPrintable("Sub " + fall));
    GleicherWert(MulFractions(x, y), xn * yn, xd * yd, qPrintable("Mul " + fall));
    if (y.num != 0)
        GleicherWert(DivFractions(x, y), xn * yd, xd * yn, qPrintable("Div " + fall));
    GleicherWert(Add3Fractions(x, y, z), xn * yd * zd + yn * xd * zd + zn * xd * yd, xd * yd * zd,
                 qPrintable("Add3 " + fall));
    GleicherWert(SubSubFractions(x, y, z), xn * yd * zd - yn * xd * zd - zn * xd * yd, xd * yd * zd,
                 qPrintable("SubSub " + fall));
    GleicherWert(SubAddFractions(x, y, z), xn * yd * zd - yn * xd * zd + zn * xd * yd, xd * yd * zd,
                 qPrintable("SubAdd " + fall));
    GleicherWert(Mul3Fractions(x, y, z), xn * yn * zn, xd * yd * zd, qPrintable("Mul3 " + fall));

    const PolarPoint p = PolarToXY(float(a % 1000), float(b % 720));
    FUZZ_PRUEFE(std::isfinite(p.x) && std::isfinite(p.y), fall);
    FUZZ_PRUEFE(std::fabs(std::hypot(p.x, p.y) - std::fabs(float(a % 1000))) < 0.01f, fall);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    if (groesse > 4096)
        return 0;
    Eingabe e(daten, groesse);
    switch (e.Byte() % 3) {
    case 0:
        Texte(e.RestText());
        break;
    case 1: {
        const QString t = e.RestAus(QStringLiteral("0000123456789,,-+/") + EnDash);
        Texte(t);
        if (t.size() <= ShortLen40 && !t.isEmpty() && !t.contains(u'-') && !t.contains(u'+')
            && !t.contains(u'/') && !t.contains(EnDash) && t.count(u',') <= 1 && !t.startsWith(u',')
            && !t.endsWith(u','))
            Dezimal(t);
        break;
    }
    default:
        Zahlen(e);
        break;
    }
    return 0;
}
