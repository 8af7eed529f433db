#pragma once
#include <QDateTime>
#include <QString>

// What a drill reports: one record per judged entry and one per finished
// drill. The drill frame sends them through DrillBericht(); the history and
// the tests listen. Plain values, so a listener may keep them.

enum class Zahlenbereich { Ganz, Rational };

enum class Verdikt {
    RichtigErster,  // right at the first attempt: 1 point
    RichtigZweiter, // right at the second attempt: 0.5 points
    FalschErster,   // wrong at the first attempt: the pupil tries again
    FalschZweiter,  // wrong again: the result is told
    Formatfehler1,  // refused, nothing counted: the sign is missing
    Formatfehler2,  // refused, nothing counted: too many operators or bars
};

// Where the exercise of a line came from, so that it can be posed again
// exactly (the history's "Fehler üben" fills a page from these).
struct AufgabenHerkunft {
    Zahlenbereich bereich = Zahlenbereich::Ganz;
    int art = 0;   // ArtGanz 1 … 9 or RationalArt 1 … 5
    int stufe = 0; // 1 … 4
    QString term;     // the stored term (builders' markup), not the shown text
    QString ergebnis; // the stored exact result
    // Rational records only: the shape flags the typesetting needs.
    bool istBruch = false;
    bool sonderdarstellung = false;
    int form = 0;
};

struct Urteil {
    AufgabenHerkunft aufgabe;
    bool vereinfacht = false; // display mode "Vereinfacht"
    int seite = 0;            // page 1 … MaxDurchgaenge
    int zeile = 0;            // line 1 … 5
    QString termAnzeige;      // the term as shown, e.g. "(–3) + (+5) ="
    QString eingabe;          // the normalised entry
    QString erwartet;         // the result in the form the mode expects
    Verdikt verdikt = Verdikt::RichtigErster;
    double punkte = 0;        // points this judgement earned (1, 0.5 or 0)
    QString klassencode;      // the page's class code, empty when drawn freely
    bool wiederholung = false; // the page came from the pupil's own mistakes
    QDateTime zeit;
};

struct DrillAbschluss {
    Zahlenbereich bereich = Zahlenbereich::Ganz;
    int art = 0;
    int stufe = 0;
    bool vereinfacht = false;
    QString klassencode;
    bool wiederholung = false;
    double punkteGesamt = 0;
    int versucheGesamt = 0;
    int prozent = 0; // rounded as the evaluation rates it
    QDateTime zeit;
};
