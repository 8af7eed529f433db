#include "core/NumberHelpers.h"

#include <cmath>
#include <cstdlib>

namespace {

QString Number40(const QString& text)
{
    return Cut(text, ShortLen40);
}

// The Gcd rule on 64-bit values, so that products of 32-bit operands can be
// reduced before they are narrowed again.
qint64 Gcd64(qint64 a, qint64 b)
{
    if (b == 0) // a zero divisor never reaches here from the program; stay defined anyway
        return a == 0 ? 1 : std::llabs(a);
    qint64 x = std::llabs(a);
    qint64 y = b;
    qint64 r;
    do {
        r = x % y;
        x = y;
        y = r;
    } while (r != 0);
    return x == 0 ? 1 : x;
}

Fraction Reduce64(qint64 n, qint64 d)
{
    if (d == 0) // callers never divide by zero; keep the value well defined
        return {int(n), 0};
    const qint64 g = Gcd64(n, d);
    return {int(n / g), int(d / g)};
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
    return t;
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
    return int(Gcd64(a, b));
}

Fraction ReduceFraction(int n, int d)
{
    return Reduce64(n, d);
}

Fraction AddFractions(Fraction a, Fraction b)
{
    return Reduce64(qint64(a.num) * b.den + qint64(b.num) * a.den, qint64(a.den) * b.den);
}

Fraction SubFractions(Fraction a, Fraction b)
{
    return Reduce64(qint64(a.num) * b.den - qint64(b.num) * a.den, qint64(a.den) * b.den);
}

Fraction MulFractions(Fraction a, Fraction b)
{
    return Reduce64(qint64(a.num) * b.num, qint64(a.den) * b.den);
}

Fraction DivFractions(Fraction a, Fraction b)
{
    return Reduce64(qint64(a.num) * b.den, qint64(b.num) * a.den);
}

Fraction Add3Fractions(Fraction a, Fraction b, Fraction c)
{
    return Reduce64(qint64(a.num) * b.den * c.den + qint64(b.num) * a.den * c.den
                        + qint64(c.num) * a.den * b.den,
                    qint64(a.den) * b.den * c.den);
}

Fraction SubSubFractions(Fraction a, Fraction b, Fraction c)
{
    return Reduce64(qint64(a.num) * b.den * c.den - qint64(b.num) * a.den * c.den
                        - qint64(c.num) * a.den * b.den,
                    qint64(a.den) * b.den * c.den);
}

Fraction SubAddFractions(Fraction a, Fraction b, Fraction c)
{
    return Reduce64(qint64(a.num) * b.den * c.den - qint64(b.num) * a.den * c.den
                        + qint64(c.num) * a.den * b.den,
                    qint64(a.den) * b.den * c.den);
}

Fraction Mul3Fractions(Fraction a, Fraction b, Fraction c)
{
    return Reduce64(qint64(a.num) * b.num * c.num, qint64(a.den) * b.den * c.den);
}

PolarPoint PolarToXY(float radius, float angleDegrees)
{
    const double a = double(angleDegrees) * M_PI / 180.0;
    return {float(radius * std::cos(a)), float(radius * std::sin(a))};
}
