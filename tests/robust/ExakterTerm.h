#pragma once
// An exact evaluator of exercise texts for the tests, written apart from the
// program's own arithmetic (no TFunktion, no fraction helpers): it reads a
// term as the pupil sees it and computes its value as a reduced fraction, so
// a test can check a stored result against the text that is shown.
//
// Syntax: numbers (digits, a decimal comma, in fraction texts "3/4" as one
// fraction), + and - or the en dash, * or the middle dot, / or the colon,
// round and square brackets, absolute-value bars |…| and abs(…). The usual
// precedence: products and quotients before sums, both from the left.
#include <QString>
#include <QtGlobal>

struct ExaktBruch {
    qint64 z = 0;
    qint64 n = 1; // > 0, coprime to z
    friend bool operator==(const ExaktBruch&, const ExaktBruch&) = default;
};

enum class TermSchrift {
    Intern,      // the builders' internal form: (+3)-(-5)*(+2), abs(...), ((...))
    GanzAnzeige, // an integer display text: en dash, middle dot, colon, [ ], | |
    Bruch,       // a rational display text: 3/4 is one fraction, decimals with comma
};

struct ExaktErgebnis {
    bool ok = false;
    ExaktBruch wert;
    QString fehler; // why the text was refused
};

// Evaluates text (a trailing " =" is ignored). Refused, with a reason: a
// character the writing does not use, a sign where the pupil would not
// expect one (directly after an operator), unbalanced brackets or bars, a
// division by zero, a number beyond 64 bits, and with ganzzahlig a division
// that leaves a remainder.
ExaktErgebnis BerechneExakt(const QString& text, TermSchrift schrift, bool ganzzahlig = false);

// Reads a stored result: "-12", "7", "-5/12", "1,1", "-0,50".
bool LeseErgebnis(const QString& text, ExaktBruch& wert);

QString BruchText(const ExaktBruch& b); // "-5/12", "7"
