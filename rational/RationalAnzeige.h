#pragma once
#include <QString>

// How the rational screens write a term for the pupil, apart from the
// typesetting itself.

// A decimal term of the builders, e.g. "(+2,4)+(-1,3)", as the screen shows
// it (without the closing " ="): "(+2,4) + (–1,3)" in mode "mit Vorzeichen",
// "2,4 – 1,3" in mode "Vereinfacht", where brackets around single numbers and
// plus signs are left out, signs are folded into the operators and a bracketed
// group keeps round brackets.
QString DezimaltermAnzeige(const QString& term, bool vereinfacht);

struct BruchTeile;
struct TermTeile;

// The three rational drill screens.
enum class RationalBildschirm { AddSub, MultDiv, Gem };

// The typesetting shape (1 … 16) of a fraction row: on the addition/
// subtraction and multiplication/division screens by the operand count n and
// Sonderdarstellung, on the mixed screen by the row's Form. 0 when the term
// does not fit (n = 4 outside the mixed screen, an operand count that does
// not match the Form): such a row is not painted.
int RationalFormNr(RationalBildschirm bildschirm, bool vereinfacht, int n, bool sonder, int form);

// Mode "Vereinfacht" on the addition/subtraction screen: each later operand's
// sign is folded into the operator before it and a "+" on the first operand
// is dropped; for a grouped term a − (b − c) the signs of the first two
// operands stay (without "+") and only the third is folded.
void VereinfacheAddSub(BruchTeile& teile, int n, bool sonder);

// Mode "Vereinfacht" on the multiplication/division screen, applied to the
// pieces before they are read: in a grouped term a "–" operator before a
// negative third operand becomes "+".
void VereinfacheMultDiv(TermTeile& teile, bool sonder);

// The term of a fraction row in linear form exactly as the shape shows it,
// for screen readers: "(+3/4) + (–1/2) =", "3/4 – 1/2 =".
QString LinearerTerm(int formNr, const BruchTeile& teile);

// The screen that runs a rational kind (RationalArt 1 … 5).
RationalBildschirm RationalBildschirmFuerArt(int art);

// Reads a fraction row's term into the pieces its screen paints in the mode
// (signs folded in mode "Vereinfacht" as that screen folds them) and returns
// the shape 1 … 16, 0 when the term does not fit and is not painted.
int BruchzeileLesen(RationalBildschirm bildschirm, bool vereinfacht, const QString& term, bool sonder,
                    int form, BruchTeile& teile);
