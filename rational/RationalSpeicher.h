#pragma once
#include "core/OneBased.h"

#include <QString>

// The five exercises of a rational drill page and the selection of the
// rational drills, shared by the builders, the catalogue and the screens.

struct TRationalAufgabe {
    QString Term;     // at most 80 characters: fraction markup or a decimal term
    QString Ergebnis; // at most 80 characters: exact reduced result
    bool Angezeigt = false;
    bool Richtig = false;
    bool ZweimalFalsch = false;
    bool IstBruch = false;
    bool Sonderdarstellung = false;
    int Form = 0; // shape of a mixed term, 1 … 6
    float TermLinks = 0;
    float TermBreite = 0;
    float TermRechts = 0;
};

inline OneBased<TRationalAufgabe, 5> RationalAufgaben;

inline int StufeRationalAdd = 0;  // 1 … 4
inline int StufeRationalSub = 0;  // 1 … 4
inline int StufeRationalMult = 0; // 1 … 3
inline int StufeRationalDiv = 0;  // 1 … 3
inline int StufeRationalGem = 0;  // 1 … 4
inline int RationalArt = 0;       // 1 … 5
inline bool RationalVereinfacht = false;

inline void RationalStufenLoeschen()
{
    StufeRationalAdd = StufeRationalSub = StufeRationalMult = StufeRationalDiv = StufeRationalGem = 0;
}

// The whole store back to its state at program start: no kind or level, an
// empty page, display "mit Vorzeichen".
inline void RationalSpeicherZuruecksetzen()
{
    RationalStufenLoeschen();
    RationalArt = 0;
    RationalVereinfacht = false;
    for (TRationalAufgabe& a : RationalAufgaben)
        a = {};
}
