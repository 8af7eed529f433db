#pragma once

// The eighteen rational drill entries: for a kind (RationalArt numbering:
// 1 addition, 2 subtraction, 3 multiplication, 4 division, 5 mixed) and a
// level, a draw w = 1 … 100 picks the builder variant from the entry's bands;
// the mixed entries also set the row's Form.

struct RationalWahl {
    int Variante = 0; // 0: no such entry
    int Form = 0;     // mixed entries only: shape 1 … 6 of the term
};

// The number of levels of a kind: 4, 4, 3, 3, 4 (0 for an unknown kind).
int RationalStufen(int art);

// The band that holds w (1 … 100) in the entry of kind art at level stufe.
RationalWahl RationalBand(int art, int stufe, int w);

// Fills row zeile (1 … 5) of RationalAufgaben through the entry of kind art
// at level stufe with RationalVereinfacht as display flag; returns the
// variant built (0, row untouched, for an unknown entry or row).
int RationalEintrag(int art, int stufe, int zeile);

// Kind (RationalArt numbering) and level of the open drill: the first level
// variable holding 1 … 4 of StufeRationalAdd … StufeRationalGem; false when
// none is open.
bool GewaehlteStufeRational(int& art, int& stufe);

// Fills row zeile for the open drill: the first non-zero level variable of
// StufeRationalAdd, StufeRationalSub, StufeRationalMult, StufeRationalDiv,
// StufeRationalGem. Returns the variant built, 0 when no drill is open.
int RationalZeileFuellen(int zeile);
