#pragma once
#include "core/OneBased.h"

#include <QChar>
#include <QString>

// Fraction terms and results taken apart for the typesetting and the answer
// checks of the rational screens (term markup: see RationalTermBauer.h).

// One fraction term in pieces: Teil[k] = operand k as written without its
// enclosing "!" marks ("+{3/4}", "-{5/6}", "{3/4}", at most 20 characters);
// Operator[k] = the operator character after operand k (null QChar if none).
struct TermTeile {
    OneBased<QString, 4> Teil;
    OneBased<QChar, 3> Operator;
};

// One operand of BruchTeile: sign "+", "–" (en dash) or empty; numerator and
// denominator texts (at most 20 characters each, digits as in the term).
struct BruchOperand {
    QString Vorzeichen;
    QString Zaehler;
    QString Nenner;
};

struct BruchTeile {
    OneBased<BruchOperand, 4> Operand;
    OneBased<QChar, 3> Operator; // en dash for minus; null QChar if none
};

// A result or an entry split for typesetting: sign "+" or "–", numerator,
// denominator; IstBruch false for a whole number or a decimal (then the other
// fields are empty and the text itself is shown).
struct ErgebnisTeile {
    QString Zaehler;
    QString Nenner;
    QString Vorzeichen;
    bool IstBruch = false;
};

// Splits a fraction term into its operand pieces and operators; returns the
// number of pieces (2 … 4 for every term the builders write; 0 … 4 for any
// text, never reading outside it). All pieces and operators are rewritten.
int ZerlegeTerm(const QString& term, TermTeile& teile);

// The number of "(" in (the first 80 characters of) a decimal term: its
// number of operands.
int ZaehleKlammern(const QString& term);

// Splits a result text or a pupil's entry ("-5/12", "+3/4", "–1/2", "7").
void ZerlegeErgebnis(const QString& ergebnis, ErgebnisTeile& teile);

// Fills BruchTeile from TermTeile: each operand's sign (its first character,
// "-" as the en dash), numerator and denominator; the operators with "-" as
// the en dash. A piece without sign ("{3/4}") gives an empty sign.
void LeseBruchTeile(const TermTeile& termTeile, BruchTeile& bruchTeile);

// As LeseBruchTeile, for the mixed screen's simplified display: the second
// operand's sign is folded into the first operator ("+" and "-" give "–",
// "–" and "-" give "+", a "+" sign is dropped).
void LeseBruchTeileVereinfacht(const TermTeile& termTeile, BruchTeile& bruchTeile);
