#pragma once
#include "drill/Bewertung.h"

#include <QString>

// Judging an entry of the integer drill: the entry is normalised, checked
// for its sign in the signed mode and compared with the stored result as
// text, character for character.

inline const QString MeldungVorzeichenFehltGanz = QStringLiteral("Das Vorzeichen fehlt!");
inline const QString MeldungMehrereRechenzeichen = QStringLiteral("Mehrere Rechenzeichen vorhanden!");

// The result as the display mode writes it: en dash for minus; in the signed
// mode "+" before a positive result, "0" unsigned.
QString ErgebnisAnzeigeGanz(const QString& ergebnis, bool vereinfacht);

// Judges the text of an answer box against the stored result at attempt
// versuch (1 or 2).
Bewertung PruefeEingabeGanz(const QString& text, const QString& ergebnis, bool vereinfacht, int versuch);
