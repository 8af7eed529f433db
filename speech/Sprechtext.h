#pragma once
#include <QString>
#include <QtGlobal>

// Terms and numbers as German sentences for speech engines. Screen readers
// read the glyphs of a shown term ("(–3/4) · [2 – |–7|] =") as dashes,
// slashes and brackets; these routines write what a teacher would say:
//
//   SprichTerm("(–3/4) + (+5/6) =")
//     -> "Klammer auf minus drei Viertel Klammer zu plus Klammer auf plus
//         fünf Sechstel Klammer zu ist gleich"
//   SprichTerm("|–7| · 2,4")  -> "Betrag von minus sieben mal zwei Komma vier"
//   SprichTerm("-5/12")       -> "minus fünf Zwölftel"
//
// The result never contains a bracket, bar, slash, dash, dot or colon, and it
// can be read back to the exact value: an absolute value of one number is
// "Betrag von" and that number; one of a longer term is enclosed in
// "Betragsstrich auf" … "Betragsstrich zu".

// "null", "eins", "einundzwanzig", "hundertzwei", "dreitausendvierhundert".
// Negative values get "minus" in front.
QString Zahlwort(qint64 n);

// The denominator as a noun: "Halb"/"Halbe", "Drittel", "Viertel", …,
// "Zwanzigstel", "Hundertstel". plural only matters for halves.
QString Nennerwort(qint64 nenner, bool plural);

// "drei Viertel", "ein Halb", "fünf Halbe", "einundzwanzig Hundertstel".
QString Bruchwort(qint64 zaehler, qint64 nenner);

// A decimal number with comma, digits after the comma one by one:
// "2,45" -> "zwei Komma vier fünf". A text without comma is a whole number.
QString Dezimalwort(const QString& zahl);

// The shown term (integer display text, rational linear form with a/b as
// built-up fraction, decimal terms, results; also the builders' fraction
// markup with braces and "!" around signed operands) as a German sentence.
// Signs after an opening bracket or bar, at the start or after an operator
// are read as the number's sign ("minus sieben"), all other "+" and "–" as
// operators. "·" and "*" are "mal", ":" is "geteilt durch", "=" "ist gleich",
// "<" and ">" "ist kleiner als"/"ist größer als", "°C" "Grad Celsius", "€"
// "Euro". Emphasis marks (#) and raised marks (^) are not spoken.
QString SprichTerm(const QString& gezeigt);

// The state of one item as status pictures, attempt marks and the number
// line's marks tell it to screen readers; the same words on every screen.
enum class Bewertungsstand { Offen, RichtigErst, FalschErst, RichtigZweit, FalschZweit };
QString BewertungsName(Bewertungsstand bewertung);
// The attempt mark of attempt 1 or 2 once judged right or wrong.
QString MarkenName(int versuch, bool richtig);
