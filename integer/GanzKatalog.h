#pragma once
#include <QString>

// The catalogue of the 36 integer generators, one per kind of calculation
// (1 … 9) and level (1 … 4). A generator draws a percentage, calls the term
// builder of its band, computes the result from the internal form and stores
// the rewritten term (square brackets, absolute-value bars).
//
// The drill screen fills line i of its page with FuelleAufgabeGanz(i) and
// shows AnzeigeTextGanz(AufgabenGanz[i].Term) (integer/GanzAnzeige.h).

// One drawn exercise: the builder call that made it, e.g. "BaueKette(3,4)" or
// "BaueGrundrechnung(31)", the stored term (at most 80 characters) and the
// result text (at most 20).
struct GanzAufgabe {
    QString Quelle;
    QString Term;
    QString Ergebnis;
};

// Draws one exercise of kind art at level stufe; the display mode decides
// whether groups are stored with square brackets (signed mode) or keep their
// doubled parentheses (simplified mode). Out-of-range arguments give an empty
// exercise.
GanzAufgabe ZieheAufgabeGanz(int art, int stufe, bool vereinfacht);

// The generator of kind art and level stufe on record i (1 … 5) of
// AufgabenGanz, in the current mode Vereinfacht: writes Term and Ergebnis.
void GeneriereAufgabeGanz(int art, int stufe, int i);

// Kind and level of the chosen level variable (StufeGanzAdd … StufeGanzAlle,
// the first one holding 1 … 4); false when none is chosen.
bool GewaehlteStufeGanz(int& art, int& stufe);

// Runs the generator of the chosen level on record i; false (record
// untouched) when no level is chosen.
bool FuelleAufgabeGanz(int i);
