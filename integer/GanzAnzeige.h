#pragma once
#include <QString>

// Display conversions of stored integer terms (the Term of an exercise
// record) into the text the drill screen paints:
//
//   AnzeigeMitVorzeichen("(+3)-(-5)*(+2)")   -> "(+3) – (–5) · (+2)"
//   AnzeigeVereinfacht("(+3)+(-5)", 1)       -> "3 – 5"
//   AnzeigeVereinfacht("(+3)*(-5)", 7)       -> "3 · (–5)"
//
// Minus signs become the en dash, * the middle dot, / a colon, with blanks
// around the operators. The simplified form depends on the kind of
// calculation (ArtGanz 1 … 9). Results are cut to 80 characters.

// Signed form ("mit Vorzeichen"): every number keeps its sign.
QString AnzeigeMitVorzeichen(const QString& term);

// Simplified form ("Vereinfacht") for the kind ArtGanz of the drill state.
QString AnzeigeVereinfacht(const QString& term);
// The same for an explicit kind 1 … 9.
QString AnzeigeVereinfacht(const QString& term, int art);

// The line text as the drill screen shows it: the conversion of the current
// mode (Vereinfacht, ArtGanz) followed by " =", cut to 80 characters.
QString AnzeigeTextGanz(const QString& term);

// In the simplified mode a single digit between bars keeps its plus sign
// tight to the bar: "| + 3|" reads "|+3|".
QString RepariereBetrag(QString text);

// The line text of an exercise of kind art in the given mode, exactly as the
// drill screen paints it (" =" included, bars repaired), cut to 80.
QString GanzZeilenText(const QString& term, int art, bool vereinfacht);

// The heading of a drill of kind art (1 … 9) at level stufe, e.g. "Division
// ganzer Zahlen mit Klammern!"; empty for an unknown kind.
QString GanzUeberschrift(int art, int stufe);
