#pragma once
#include "core/NumberHelpers.h"
#include "rational/Bruchsatz.h"

#include <vector>

// Terms of every kind the shapes meet: plus and minus signs, one- and
// many-digit numerators and denominators, each operator.
struct BeispielTerm {
    TOperanden operanden;
    TOperatoren operatoren;
};

inline TOperand Op(const QString& sign, const QString& z, const QString& n)
{
    return TOperand{sign, z, n};
}

inline std::vector<BeispielTerm> BeispielTerme()
{
    const QString plus = QStringLiteral("+");
    const QString minus = QString(EnDash);
    const QChar p = u'+';
    const QChar m = EnDash;
    const QChar mal = MiddleDot;
    const QChar durch = u':';
    return {
        {{Op(plus, "3", "4"), Op(minus, "1", "2"), Op(plus, "5", "6"), Op(minus, "7", "12")}, {p, m, p}},
        {{Op(minus, "5", "6"), Op(minus, "11", "12"), Op(minus, "2", "15"), Op(minus, "9", "14")},
         {mal, durch, m}},
        {{Op(plus, "12", "7"), Op(plus, "1", "24"), Op(minus, "13", "3"), Op(plus, "4", "21")},
         {durch, p, mal}},
        {{Op(minus, "123456", "7"), Op(plus, "3", "987654"), Op(plus, "45", "8"), Op(minus, "1", "100")},
         {m, mal, durch}},
        {{Op(plus, "1", "2"), Op(minus, "3", "4"), Op(minus, "5", "8"), Op(plus, "7", "16")}, {m, p, m}},
    };
}
