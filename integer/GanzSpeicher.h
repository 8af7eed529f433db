#pragma once
#include "core/OneBased.h"

#include <QString>

// Selection and drill state of the integer drills: written by the main menu,
// the catalogue, the exercise screen and its answer check, read by the
// evaluation. All of it lives for the process and starts zeroed.

// Kind of calculation 1 … 9 (also 1 or 2 for the worked examples).
inline int ArtGanz = 0;

// The nine levels lie together so that one call clears them all; at most one
// is non-zero, and it picks the drill's generator.
inline int StufenGanz[9] = {};
inline int& StufeGanzAdd = StufenGanz[0];
inline int& StufeGanzSub = StufenGanz[1];
inline int& StufeGanzAddSub = StufenGanz[2];
inline int& StufeGanzSubKl = StufenGanz[3];
inline int& StufeGanzAddSubKl = StufenGanz[4];
inline int& StufeGanzAddSubBet = StufenGanz[5];
inline int& StufeGanzMult = StufenGanz[6];
inline int& StufeGanzDiv = StufenGanz[7];
inline int& StufeGanzAlle = StufenGanz[8];

inline void StufenLoeschen()
{
    for (int& stufe : StufenGanz)
        stufe = 0;
}

// One exercise line of the page.
struct TAufgabeGanz {
    QString Term;     // at most 80 characters, builders' markup
    QString Ergebnis; // at most 20 characters: optional "-" and digits
    bool TermSichtbar = false;
    bool Geloest = false;
    bool LoesungGezeigt = false;
    int TermBreite = 0;
    float HalbeBreite = 0;
};

inline OneBased<TAufgabeGanz, 5> AufgabenGanz;
inline OneBased<QString, 5> AnzeigeTexte; // display text + " =", at most 80
inline OneBased<QString, 5> Eingaben;     // normalised entries, at most 20

// Display mode: false "mit Vorzeichen", true "Vereinfacht".
inline bool Vereinfacht = false;

inline int Versuch = 1;
inline int AnzVersuche = 0;
inline int AnzVersucheGesamt = 0;
inline float Punkte = 0;
inline float PunkteGesamt = 0;
inline int AktDurchgang = 1;
inline int MaxDurchgaenge = 3;

// Pages per drill as chosen in the pass-count dialog; a drill starts with it.
inline int GewaehlteDurchgaenge = 3;

// The whole store back to its state at program start: no kind or level, an
// empty page, no entries, display "mit Vorzeichen", counters at their start.
inline void GanzSpeicherZuruecksetzen()
{
    ArtGanz = 0;
    StufenLoeschen();
    for (TAufgabeGanz& a : AufgabenGanz)
        a = {};
    for (QString& t : AnzeigeTexte)
        t.clear();
    for (QString& e : Eingaben)
        e.clear();
    Vereinfacht = false;
    Versuch = 1;
    AnzVersuche = AnzVersucheGesamt = 0;
    Punkte = PunkteGesamt = 0;
    AktDurchgang = 1;
    MaxDurchgaenge = 3;
    GewaehlteDurchgaenge = 3;
}
