#include "core/Bruch.h"

#include <limits>
#include <utility>

namespace {

bool Mal64(qint64 a, qint64 b, qint64& r)
{
    return !__builtin_mul_overflow(a, b, &r);
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

} // namespace

const unsigned short* const bruch_detail::Primmaske = Masken.maske;

quint64 Ggt(quint64 a, quint64 b)
{
    while (b != 0) {
        a %= b;
        std::swap(a, b);
    }
    return a;
}

Bruch Gekuerzt(qint64 z, qint64 n)
{
    if (n == 0)
        return UngueltigerBruch;
    const bool negativ = (z < 0) != (n < 0);
    quint64 bz = Betrag(z);
    quint64 bn = Betrag(n);
    const quint64 g = Ggt(bz, bn); // >= 1 as bn > 0
    bz /= g;
    bn /= g;
    constexpr quint64 Grenze = quint64(std::numeric_limits<qint64>::max());
    if (bz > Grenze || bn > Grenze)
        return UngueltigerBruch;
    return {negativ ? -qint64(bz) : qint64(bz), qint64(bn)};
}

Bruch operator+(Bruch a, Bruch b)
{
    qint64 x, y, s, n;
    if (!a.Gueltig() || !b.Gueltig() || !Mal64(a.z, b.n, x) || !Mal64(b.z, a.n, y)
        || __builtin_add_overflow(x, y, &s) || !Mal64(a.n, b.n, n))
        return UngueltigerBruch;
    return Gekuerzt(s, n);
}

Bruch operator-(Bruch a)
{
    if (!a.Gueltig() || a.z == std::numeric_limits<qint64>::min())
        return UngueltigerBruch;
    return {-a.z, a.n};
}

Bruch operator-(Bruch a, Bruch b)
{
    return a + -b;
}

Bruch operator*(Bruch a, Bruch b)
{
    if (!a.Gueltig() || !b.Gueltig())
        return UngueltigerBruch;
    // Cancel crosswise first so that the products stay as small as possible.
    const Bruch x = Gekuerzt(a.z, b.n);
    const Bruch y = Gekuerzt(b.z, a.n);
    qint64 z, n;
    if (!Mal64(x.z, y.z, z) || !Mal64(x.n, y.n, n))
        return UngueltigerBruch;
    return Gekuerzt(z, n);
}

Bruch operator/(Bruch a, Bruch b)
{
    if (!b.Gueltig() || b.z == 0) // a zero divisor is refused before any division
        return UngueltigerBruch;
    return a * Gekuerzt(b.n, b.z);
}
