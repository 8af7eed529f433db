#pragma once
#include "rational/RationalSpeicher.h"
// The screens take the terms written here apart with the splitting routines.
#include "rational/TermZerlegung.h"

#include <QList>
#include <QString>

// The fraction term builders: each call draws one random rational exercise
// of a variant and writes Term, Ergebnis, IstBruch and Sonderdarstellung of
// one row (never Form, never the layout or answer fields). The draws
// themselves are in rational/RationalZiehung, the exact arithmetic in
// core/Bruch, the splitting of written terms in rational/TermZerlegung.
//
// Term markup of a fraction exercise: every operand is "!" sign "{" n "/" d
// "}!" with the sign "+" or "-" (the subtraction builder turns every "-" of
// its terms into the en dash; mixed variant 1 in simplified mode writes a
// positive operand without sign as "!{3/4}!"). Operands are joined by one
// operator character: "+", "-"/en dash, middle dot, ":".
//   !+{3/4}!+!-{1/2}!                   addition
//   !+{3/4}!–!–{1/2}!                   subtraction (en dashes only)
//   !-{2/3}!·!+{4/9}!                   multiplication
//   !+{1/3}!–!-{1/2}!·!+{2/3}!          mixed (en dash operator, "-" signs)
// Decimal exercises are plain terms with the decimal comma:
//   (+2,4)+(-1,3)     (+12,50)-[ (-3,25)-(+40,01) ]
//
// Ergebnis of a fraction exercise: the reduced value with the sign on the
// numerator and a positive denominator ("-5/12"), a whole number alone ("2",
// "-3", "0"). Of a decimal exercise: the exact value with the variant's
// number of places and the decimal comma ("1,1", "-0,50"). All arithmetic is
// exact (integers, decimals as scaled integers), whatever the locale.

// The result fraction of the latest fraction build (reduced, denominator > 0).
inline int ErgebnisZaehler = 0;
inline int ErgebnisNenner = 1;

// ---- Builders ---------------------------------------------------------------
// Variant ranges: addition and subtraction 1 … 13, multiplication 1 … 6,
// division 1 … 9, mixed 1 … 16. vereinfacht is RationalVereinfacht; only
// mixed variant 1 looks at it. A variant out of range leaves the row alone.
void BaueAddition(int variante, bool vereinfacht, TRationalAufgabe& aufgabe);
void BaueSubtraktion(int variante, bool vereinfacht, TRationalAufgabe& aufgabe);
void BaueMultiplikation(int variante, bool vereinfacht, TRationalAufgabe& aufgabe);
void BaueDivision(int variante, bool vereinfacht, TRationalAufgabe& aufgabe);
void BaueGemischt(int variante, bool vereinfacht, TRationalAufgabe& aufgabe);

// The builder of a rational kind (RationalArt numbering: 1 addition,
// 2 subtraction, 3 multiplication, 4 division, 5 mixed) and its name.
void BaueRational(int art, int variante, bool vereinfacht, TRationalAufgabe& aufgabe);
QString BauerName(int art); // "BaueAddition" …, empty for an unknown kind
int AnzahlVarianten(int art); // 13, 13, 6, 9, 16; 0 for an unknown kind

// ---- Decimal numbers ----------------------------------------------------------
// The random decimals, returned exactly as a count of their last place
// (tenths or hundredths) so that no binary rounding ever reaches a result:
int ZufallKleinEineStelle();  // 1,1 … 9,9 without a zero digit: 11 … 99 tenths
int ZufallKleinZweiStellen(); // 1,01 … 9,99, last digit not 0: 101 … 999 hundredths
int ZufallGrossEineStelle();  // 10,1 … 99,9, last digit not 0: 101 … 999 tenths
int ZufallGrossZweiStellen(); // 10,01 … 99,99, last digit not 0: 1001 … 9999 hundredths

// wert / 10^stellen in fixed-point notation with exactly `stellen` places and
// the decimal comma, a leading "-" when negative: DezimalText(-50, 2) = "-0,50".
// stellen 0 … 9.
QString DezimalText(qint64 wert, int stellen);

// ---- Pieces the builders write with (pure; also for tests) ------------------
// One operand: numerator with its sign, denominator > 0.
struct RBruch {
    int Zaehler = 0;
    int Nenner = 1;
};

// "!+{3/4}!" or "!-{5/6}!"; "!{3/4}!" for a non-negative numerator when ohnePlus.
QString BruchOperandText(int zaehler, int nenner, bool ohnePlus = false);

// The result text of zaehler/nenner (nenner != 0): reduced, sign on the
// numerator, a whole number alone. Sets ErgebnisZaehler and ErgebnisNenner.
QString BruchErgebnisText(qint64 zaehler, qint64 nenner);

// Write a fraction exercise from given operands (what each builder does once
// its draw is accepted). Operand counts: 2 or 3 (mixed: 3 for variants 1 … 8,
// 4 for 9 … 16). gruppiert: subtraction a − (b − c), division a : (b : c).
// minus1/minus2: the ± operators of mixed variants 9 … 16 (minus1 the first
// or only one); ignored by mixed variants 1 … 8. A mixed quotient with a zero
// divisor writes nothing and returns false.
void SchreibeAddition(TRationalAufgabe& aufgabe, const QList<RBruch>& operanden);
void SchreibeSubtraktion(TRationalAufgabe& aufgabe, const QList<RBruch>& operanden, bool gruppiert);
void SchreibeMultiplikation(TRationalAufgabe& aufgabe, const QList<RBruch>& operanden);
void SchreibeDivision(TRationalAufgabe& aufgabe, const QList<RBruch>& operanden, bool gruppiert);
bool SchreibeGemischt(TRationalAufgabe& aufgabe, int variante, bool vereinfacht,
                      const QList<RBruch>& operanden, bool minus1, bool minus2);

// Write a decimal exercise (x)+(y) or (x)-(y). x, y signed counts of 10^-stellen;
// the numbers and the result are written with anzeigeStellen >= stellen places.
void SchreibeDezimal(TRationalAufgabe& aufgabe, qint64 x, qint64 y, bool minus, int stellen,
                     int anzeigeStellen);
// (x)-[ (y)-(z) ] with two places; result x − (y − z).
void SchreibeDezimalKlammer(TRationalAufgabe& aufgabe, qint64 x, qint64 y, qint64 z);

// ---- Evaluation -------------------------------------------------------------------
// The value of a formula (evaluator syntax, at most 80 characters) at x = 1.
float BerechneTermwert(const QString& text);

// The division result sign rule: the reduced result n/d gets its sign from
// the evaluated quotient text n + "/(" + d + ")"; returns the fraction with
// the numerator −|n| or |n| and the denominator |d|.
RBruch DivisionsVorzeichen(int zaehler, int nenner);
