#pragma once
#include <QString>

// Term builders of the integer drills: random integer terms in the internal
// form the evaluator computes, their result texts, and the two rewrites that
// turn the internal form into the stored one.
//
// Internal form: every number in its own parentheses with its sign, (+7) or
// (-12); operators + - * / without blanks; a group of operands in one extra
// pair of parentheses, ((+3)-(-5))*(+2); an absolute value as abs(...),
// abs((+3)-(+9)). All draws come from Random() (core/Random.h).
//
// Operations: 1 addition, 2 subtraction, 3 both mixed, 4 multiplication,
// 5 division. Operand counts 2 … 6 (division: 2 or 3).

// A chain of signed numbers, e.g. (+3)-(-5)+(+12). The magnitudes of ops
// 1 … 4 multiply to less than 200; divisions are exact.
QString BaueKette(int op, int anzahl);
// A chain with one or two groups: (+3)-((-5)-(+2)).
QString BaueKlammern(int op, int anzahl);
// A chain with absolute values: abs((+3)-(+9))*(+2).
QString BaueBetraege(int op, int anzahl);
// art 1: ((+4)-(-2)+(+7))*(-3); art 2: the same bracket divided exactly by
// one number, with a bracket value between 1 and 299. anzahl 3 … 6 counts the
// bracket's operands and the factor.
QString BaueVerbindung(int art, int anzahl);
// One of 39 shapes mixing all four operations (variant 1 … 39); every
// division exact, the result between -99 and 99.
QString BaueGrundrechnung(int variante);

// The value of an internal term as result text: "-12", "7", "0" (never
// "-0"); empty if the text is no computable term.
QString Ergebnistext(const QString& term);
// The value of an internal term rounded to the nearest integer (0 if the
// text is no computable term).
int TermWert(const QString& term);

// Groups become square brackets: ((+3)-(-5))*(+2) -> [(+3)-(-5)]*(+2).
QString EckigeKlammern(const QString& term);
// abs(...) becomes bars: abs((+3)-(+9))*(+2) -> |(+3)-(+9)|*(+2).
QString Betragsstriche(const QString& term);
