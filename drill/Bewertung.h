#pragma once
#include "drill/Urteil.h"

#include <QString>

// The outcome of judging one entry, the same for both drills: the verdict,
// the texts the screen shows and the points it earns. The screens only
// apply it.
struct Bewertung {
    Verdikt verdikt = Verdikt::RichtigErster;
    QString eingabe;  // the normalised entry (at most 20 characters)
    QString erwartet; // the result in the form the mode expects
    QString text;     // feedback for the label, or the message of a format error
    double punkte = 0;

    bool Formatfehler() const { return verdikt == Verdikt::Formatfehler1 || verdikt == Verdikt::Formatfehler2; }
    bool Richtig() const { return verdikt == Verdikt::RichtigErster || verdikt == Verdikt::RichtigZweiter; }
    // The line is finished: right, or wrong for the second time.
    bool Endgueltig() const { return Richtig() || verdikt == Verdikt::FalschZweiter; }
};

// The verdict of a well-formed entry compared with the expected text at
// attempt 1 or 2, with its feedback; gezeigt is the result as told after a
// second wrong entry. Line breaks are "\n".
Bewertung BewerteVergleich(const QString& eingabe, const QString& erwartet, int versuch, const QString& gezeigt);

// A refused entry: format error 1 (sign missing) or 2, with its message.
Bewertung BewerteFormatfehler(const QString& eingabe, const QString& erwartet, int fehler, const QString& meldung);
