#pragma once
// The numbers of the integer term builders: operand texts and signed draws,
// shared by the chains (GanzTermBauer.cpp) and the mixed shapes
// (GanzGrundrechnung.cpp). All draws come from Random() (core/Random.h).
#include "core/Random.h"

#include <QChar>
#include <QLatin1String>
#include <QString>

#include <cstdlib>

namespace GanzZahlen {

// The operand text of a number: (+7), (-12).
inline QString Zahl(int n)
{
    return QLatin1String(n < 0 ? "(-" : "(+") + QString::number(std::abs(n)) + u')';
}

inline int MitVorzeichen(int betrag)
{
    return Random(2) == 0 ? -betrag : betrag;
}

// A signed draw of 2 … m: negative with probability 1/2.
inline int VorzeichenZahl(int m)
{
    return MitVorzeichen(Random(m - 1) + 2);
}

// A bar draw of 2 … m: negative with probability 7/9, for numbers that stand
// alone between bars.
inline int BetragsZahl(int m)
{
    const int betrag = Random(m - 1) + 2;
    return Random(9) > 1 ? -betrag : betrag;
}

inline QChar Plus(bool plus)
{
    return plus ? u'+' : u'-';
}

} // namespace GanzZahlen
