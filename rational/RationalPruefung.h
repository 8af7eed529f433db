#pragma once
#include <QString>

// Judging an entry of a rational answer box: the entry and the stored result
// are brought into one written form and then compared as texts. There is no
// arithmetic comparison: an unreduced fraction, 4/2 for 2 or a missing or
// superfluous sign is wrong.

inline const QString MeldungVorzeichenFehlt = QStringLiteral("Das Vorzeichen fehlt!");
inline const QString MeldungZuvieleBruchstriche = QStringLiteral("Es sind zuviele Bruchstriche vorhanden!");

// The entry as it is compared: trailing zeros of a decimal, then leading
// zeros trimmed ("2,50" -> "2,5", "007" -> "7", ",5" -> "0,5"); at most 20
// characters.
QString NormalisiereEingabeR(const QString& text);

// The form in which a result is compared and shown: "0" for zero (whatever
// sign the result text carries), otherwise with an explicit sign ("+3/4",
// "–3/4") in mode "mit Vorzeichen" and without a plus sign in "Vereinfacht".
QString AnzeigeformR(const QString& ergebnis, bool vereinfacht);

struct UrteilR {
    int formatFehler = 0; // 0 none, 1 sign missing, 2 too many fraction bars
    bool richtig = false;
    QString eingabe;  // normalised entry
    QString erwartet; // display form of the result
};

// Judges one entry against the row's stored result. A format error (only in
// mode "mit Vorzeichen") means the entry is refused and nothing is judged.
UrteilR PruefeEingabeR(const QString& text, const QString& ergebnis, bool vereinfacht);

// The message of a refused entry's format error (1 or 2).
QString FormatMeldungR(int formatFehler);

#include "drill/Bewertung.h"

// The same judgement with its verdict at attempt versuch (1 or 2) and the
// texts the screen shows.
Bewertung BewerteEingabeR(const QString& text, const QString& ergebnis, bool vereinfacht, int versuch);
