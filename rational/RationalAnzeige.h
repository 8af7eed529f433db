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
