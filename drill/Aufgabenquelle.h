#pragma once
#include "drill/Urteil.h"

#include <QString>

// Where the exercises of a drill page come from. By default the drill screens
// draw from their catalogue; a class code or the pupil's own mistakes give a
// fixed list instead. A source belongs to one number range and writes the
// drill's own store (AufgabenGanz or RationalAufgaben), so the screen shows
// and judges the exercise exactly as a drawn one.
class Aufgabenquelle {
public:
    virtual ~Aufgabenquelle() = default;

    // Writes the exercise of line `zeile` (1 … 5) on page `seite` (1 …) into
    // the store and says where it came from; art 0 leaves the line empty.
    // Called again for the same page when the pupil switches the mode.
    virtual AufgabenHerkunft Fuelle(int seite, int zeile, bool vereinfacht) = 0;

    // The number of pages, 0 for the pass-count the pupil chose.
    virtual int Seiten() const { return 0; }
    // The class code the exercises are fixed by, empty when drawn freely.
    virtual QString Klassencode() const { return {}; }
    // True when the exercises are the pupil's own earlier mistakes.
    virtual bool Wiederholung() const { return false; }
    // The screen's caption while this source is in use; empty: the usual one.
    virtual QString Titel() const { return {}; }
};
