#include "core/NumberHelpers.h"

#include "core/Bruch.h"

#include <cmath>
#include <initializer_list>
#include <limits>

namespace {

QString Number40(const QString& text)
{
    return Cut(text, ShortLen40);
}

// Sums and products of three 32-bit fractions need up to 96 bits, so the
// fractions are formed and reduced in 128 bits, where no operand can
// overflow them; Gcd itself works in 64 bits.
using Wide = __int128;

// The Gcd rule: the result takes its sign from the course of the remainders.
template <typename T>
T GcdRule(T a, T b)
{
    if (b == 0) // a zero divisor never reaches here from the program; stay defined anyway
        return a == 0 ? 1 : (a < 0 ? -a : a);
    T x = a < 0 ? -a : a;
    T y = b;
    T r;
    do {
        r = x % y;
        x = y;
        y = r;
    } while (r != 0);
    return x == 0 ? 1 : x;
}

// A reduced value beyond 32 bits is not representable in a Fraction; the
// program's fractions stay far below.
Fraction Reduce128(Wide n, Wide d)
{
    if (d == 0) // callers never divide by zero; keep the value well defined
        return {int(n), 0};
    const Wide g = GcdRule<Wide>(n, d);
    return {int(n / g), int(d / g)};
}

// The fraction routines compute with the exact fractions of core/Bruch. The
// sign rule of Gcd shows only with a negative denominator, which the program
// never forms; there, and for a value beyond 64 bits, the unreduced result
// n/d (at most 96 bits) is reduced by the rule itself.
Fraction Ausgerechnet(std::initializer_list<Fraction> operanden, Bruch (*rechnung)(Bruch, Bruch, Bruch),
                      Wide n, Wide d)
{
    Bruch wert[3] = {{0, 1}, {0, 1}, {0, 1}};
    int k = 0;
    for (const Fraction& f : operanden) {
        if (f.den <= 0)
            return Reduce128(n, d);
        wert[k++] = Gekuerzt(f.num, f.den);
    }
    const Bruch r = rechnung(wert[0], wert[1], wert[2]);
    constexpr qint64 Groesste = std::numeric_limits<int>::max();
    if (!r.Gueltig() || r.z > Groesste || r.z < -Groesste || r.n > Groesste)
        return Reduce128(n, d);
    return {int(r.z), int(r.n)};
}

} // namespace

QString ShowMinus(const QString& text)
{
    QString t = Number40(text);
    if (t.startsWith(u'-'))
        t[0] = EnDash;
    return t;
}

QString PlainMinus(const QString& text)
{
    QString t = Number40(text);
    if (t.startsWith(EnDash))
        t[0] = u'-';
    return t;
}

QString WithSign(const QString& text)
{
    const QString t = Number40(text);
    if (t.startsWith(u'-'))
        return ShowMinus(t);
    if (t.startsWith(EnDash) || t.startsWith(u'+'))
        return t;
    return Cut(u'+' + t, ShortLen40);
}

QString BracketIfNonZero(const QString& text)
{
    const QString t = Number40(text);
    bool ok = false;
    const qlonglong value = PlainMinus(RemoveChar(t, u'#')).toLongLong(&ok);
    if (ok && value != 0)
        return Cut(u'(' + t + u')', ShortLen40);
    return t;
}

QString TrimLeadingZeros(const QString& text)
{
    QString t = Number40(text);
    if (t.startsWith(QLatin1String("0,")))
        return t;
    const bool hadText = !t.isEmpty();
    while (t.startsWith(u'0'))
        t.remove(0, 1);
    if (t.isEmpty() && hadText)
        return QStringLiteral("0");
    if (t.startsWith(u','))
        t.prepend(u'0');
    return Cut(t, ShortLen40); // the added 0 stays within the short string
}

QString TrimTrailingZeros(const QString& text)
{
    QString t = Number40(text);
    if (!t.contains(u','))
        return t;
    while (t.endsWith(u'0'))
        t.chop(1);
    if (t.endsWith(u','))
        t.chop(1);
    return t;
}

QString RemoveChar(const QString& text, QChar c)
{
    QString t = Number40(text);
    t.remove(c);
    return t;
}

QString FestKomma(double value, int decimals)
{
    if (std::fabs(value) < 0.5 * std::pow(10.0, -decimals))
        value = 0; // a tiny negative rounding error would read "-0,0"
    QString text = QString::number(value, 'f', decimals); // C locale: always a point
    text.replace(u'.', u',');
    return text;
}

SignCheck CheckSignedEntry(const QString& text)
{
    const QString t = Cut(text, ShortLen20);
    if (t == QLatin1String("0"))
        return {};
    if (!t.startsWith(EnDash) && !t.startsWith(u'+'))
        return {false, 1};
    if (t.count(u'/') > 1)
        return {false, 2};
    return {};
}

int Gcd(int a, int b)
{
    return int(GcdRule<qint64>(a, b));
}

Fraction ReduceFraction(int n, int d)
{
    return Reduce128(n, d);
}

Fraction AddFractions(Fraction a, Fraction b)
{
    return Ausgerechnet({a, b}, [](Bruch x, Bruch y, Bruch) { return x + y; },
                        Wide(a.num) * b.den + Wide(b.num) * a.den, Wide(a.den) * b.den);
}

Fraction SubFractions(Fraction a, Fraction b)
{
    return Ausgerechnet({a, b}, [](Bruch x, Bruch y, Bruch) { return x - y; },
                        Wide(a.num) * b.den - Wide(b.num) * a.den, Wide(a.den) * b.den);
}

Fraction MulFractions(Fraction a, Fraction b)
{
    return Ausgerechnet({a, b}, [](Bruch x, Bruch y, Bruch) { return x * y; }, Wide(a.num) * b.num,
                        Wide(a.den) * b.den);
}

Fraction DivFractions(Fraction a, Fraction b)
{
    // A divisor's numerator is the unreduced denominator's sign, so a
    // negative one leaves the sign to the Gcd rule.
    if (b.num <= 0)
        return Reduce128(Wide(a.num) * b.den, Wide(b.num) * a.den);
    return Ausgerechnet({a, b}, [](Bruch x, Bruch y, Bruch) { return x / y; }, Wide(a.num) * b.den,
                        Wide(b.num) * a.den);
}

Fraction Add3Fractions(Fraction a, Fraction b, Fraction c)
{
    return Ausgerechnet({a, b, c}, [](Bruch x, Bruch y, Bruch z) { return x + y + z; },
                        Wide(a.num) * b.den * c.den + Wide(b.num) * a.den * c.den + Wide(c.num) * a.den * b.den,
                        Wide(a.den) * b.den * c.den);
}

Fraction SubSubFractions(Fraction a, Fraction b, Fraction c)
{
    return Ausgerechnet({a, b, c}, [](Bruch x, Bruch y, Bruch z) { return x - y - z; },
                        Wide(a.num) * b.den * c.den - Wide(b.num) * a.den * c.den - Wide(c.num) * a.den * b.den,
                        Wide(a.den) * b.den * c.den);
}

Fraction SubAddFractions(Fraction a, Fraction b, Fraction c)
{
    return Ausgerechnet({a, b, c}, [](Bruch x, Bruch y, Bruch z) { return x - y + z; },
                        Wide(a.num) * b.den * c.den - Wide(b.num) * a.den * c.den + Wide(c.num) * a.den * b.den,
                        Wide(a.den) * b.den * c.den);
}

Fraction Mul3Fractions(Fraction a, Fraction b, Fraction c)
{
    return Ausgerechnet({a, b, c}, [](Bruch x, Bruch y, Bruch z) { return x * y * z; },
                        Wide(a.num) * b.num * c.num, Wide(a.den) * b.den * c.den);
}

PolarPoint PolarToXY(float radius, float angleDegrees)
{
    const double a = double(angleDegrees) * M_PI / 180.0;
    return {float(radius * std::cos(a)), float(radius * std::sin(a))};
}
