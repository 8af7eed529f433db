#pragma once
#include <QtGlobal>

// Exact fractions for the term builders, the answer checks and the number
// helpers: integer arithmetic, every result reduced, the sign on the
// numerator. A product or sum that would leave 64 bits, and any division by
// zero, gives the invalid value (n == 0) instead of a wrong one; invalid
// operands give invalid results.
struct Bruch {
    qint64 z = 0; // numerator with the sign
    qint64 n = 1; // denominator > 0; 0 marks the invalid value
    bool Gueltig() const { return n != 0; }
    friend bool operator==(const Bruch&, const Bruch&) = default;
};

inline constexpr Bruch UngueltigerBruch{0, 0};

// z/n reduced with the sign on the numerator; invalid for n == 0.
Bruch Gekuerzt(qint64 z, qint64 n);

Bruch operator+(Bruch a, Bruch b);
Bruch operator-(Bruch a, Bruch b);
Bruch operator-(Bruch a);
Bruch operator*(Bruch a, Bruch b);
Bruch operator/(Bruch a, Bruch b); // invalid for a zero divisor

// |v| without overflow for the smallest qint64.
inline quint64 Betrag(qint64 v)
{
    return v < 0 ? quint64(0) - quint64(v) : quint64(v);
}

// Greatest common divisor of the magnitudes; Ggt(0, b) = b. (The sign rule of
// Gcd in the number helpers is for the fraction texts; conditions on common
// factors are about the unsigned numbers.)
quint64 Ggt(quint64 a, quint64 b);

// Whether |a| and |b| share a factor > 1 (a zero shares every factor of the
// other number) or are coprime. Fast for the small numbers of the drills.
// The draw loops ask this millions of times, mostly of small numbers: two
// numbers below 1024 whose smaller one is at most 36 share a factor exactly
// when they share a prime up to 31, which a table of prime bits answers.
namespace bruch_detail {
extern const unsigned short* const Primmaske;
}

// The primes up to 31 dividing n (0 < n < 1024) as bits: bit 0 for 2, bit 1
// for 3, bit 2 for 5, bit 3 for 7, and so on.
inline unsigned Primteiler(quint64 n)
{
    return bruch_detail::Primmaske[n];
}

inline bool Teilbar(qint64 a, qint64 b)
{
    const quint64 x = Betrag(a), y = Betrag(b);
    if (x < 1024 && y < 1024 && qMin(x, y) <= 36 && x != 0 && y != 0)
        return (Primteiler(x) & Primteiler(y)) != 0;
    return Ggt(x, y) > 1;
}

inline bool Teilerfremd(qint64 a, qint64 b)
{
    if (a == 0 || b == 0)
        return Ggt(Betrag(a), Betrag(b)) == 1;
    return !Teilbar(a, b);
}
