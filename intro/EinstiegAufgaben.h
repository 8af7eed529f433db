#pragma once
#include "core/OneBased.h"

#include <QChar>
#include <QString>

// Exercise draws, number texts and judging of the introductions and the worked
// examples. Everything here is free of widgets and painting, so the rules can
// be checked over many seeds; the screens only show what these produce.

// ---------------------------------------------------------------- thermometer

struct TThermoAufgabe {
    int StartTemp = 0;
    int EndTemp = 0;
    int TempChange = 0; // EndTemp - StartTemp
};

// Introduction: a fall from 0 … 50 to below zero, a rise from below zero, or a
// change between two values at or below zero. |start| exceeds |end| by at
// least 7 and the two values differ.
TThermoAufgabe ZieheEinstiegThermometer();

// Worked example: as above, plus a change between two values 0 … 50.
TThermoAufgabe ZieheMusterThermometer();

// ---------------------------------------------------------------- number line

struct TZahlengerade {
    int LineMode = 1; // 1: a point at every integer -12 … 12; 2: at every even one, steps -6 … 6
    int LineUnit = 1; // value of one step
    int RefStep = 1;  // the steps ±RefStep carry a printed value
    OneBased<int, 5> Positions; // asked steps, ascending, signed
};

// Five distinct asked steps, three negative and two positive, never 0 or
// ±RefStep.
TZahlengerade ZieheZahlengerade();

// Value of asked item i (1 … 5).
inline int ErwarteterWert(const TZahlengerade& g, int i)
{
    return g.Positions[i] * g.LineUnit;
}

// Value of click target n (1 … 25, target 13 sits on 0).
int KlickWert(const TZahlengerade& g, int n);

// Whether click target n is offered: every target in mode 1, the odd ones
// (on the even positions) in mode 2.
inline bool KlickZielSichtbar(int lineMode, int n)
{
    return lineMode == 1 || n % 2 == 1;
}

// ------------------------------------------------------- ordering, abs. value

struct TPaar {
    int a = 0;
    int b = 0;
    QChar relation = u'=';
    bool absA = false;
    bool absB = false;
};

QChar Relation(long long left, long long right);

// Two integers -25 … 25 with a + b != 0.
TPaar ZieheOrdnenPaar();
// As ZieheOrdnenPaar, or a pair ±n, -+n; with bars around a, b or both.
TPaar ZieheBetragPaar();

// "–7", "+7", "0", and "|–7|" when flagged.
QString PaarZahlText(int value, bool absolute);

// --------------------------------------------------------- fraction pairs

struct TBruchPaar {
    int leftNum = 1;
    int leftDen = 2;
    int rightNum = 1;
    int rightDen = 2;
    QChar relation = u'<';
    QString leftText;  // "{3/4}", "–{3/4}"
    QString rightText;
    bool absLeft = false;
    bool absRight = false;
};

// "{num/den}" with the en dash in front of a negative fraction (at most 10
// characters, as the term painter expects).
QString BruchText(int num, int den);

// Two fractions in lowest terms with different numerators and denominators.
TBruchPaar ZieheBruchOrdnen();
// Two different fractions in lowest terms, bars around the left, the right or
// both, and the relation of the values as shown.
TBruchPaar ZieheBruchBetrag();

// Half width in world units of the bars around a term text.
float BetragsHalbbreite(const QString& termText);

// Linear form for screen readers: "–3/4", "|–3/4|".
QString BruchLinear(const QString& termText, bool absolute);

// ------------------------------------------------------------- money example

struct TGeldBeispiel {
    bool Subtraktion = false;
    OneBased<int, 8> Amounts; // credits positive, debts negative
    OneBased<int, 9> Balance; // balance before step i; Balance[9] is the final one
};

TGeldBeispiel ZieheGeldBeispiel(bool subtraktion);

// ------------------------------------------------------------- number texts

// "–5", "+5", "0": the sign always shown except for zero.
QString Vorzeichenzahl(int value);
// "–5", "5": the en dash as minus sign, no "+".
QString Minuszahl(int value);

// A typed whole number with the en dash as minus sign. Fails on anything that
// is not one optional leading sign and digits ("–" alone, "5–3", "").
bool ZahlAusEingabe(const QString& text, int& value);

// ------------------------------------------------------------------ judging

enum class TUrteil { RichtigErst, RichtigZweit, FalschErst, FalschZweit };

// Two attempts per item: each of the five items has its own attempt count, so
// an answer in another box never counts as this item's second attempt.
struct TAuswertung {
    OneBased<bool, 5> Right;
    OneBased<bool, 5> Wrong;
    OneBased<int, 5> Attempt;
    OneBased<TUrteil, 5> Letztes; // the item's last verdict, once judged
    int RightCount = 0;
    int WrongCount = 0;
    int AnsweredCount = 0;

    TAuswertung() { Clear(); }
    void Clear();
    TUrteil Judge(int item, bool correct);
    bool Offen(int item) const { return !Right[item] && !Wrong[item]; }
    int Versuche() const { return RightCount + WrongCount; }
    // Judged at all: a first wrong answer leaves the item open.
    bool Beurteilt(int item) const { return !Offen(item) || Attempt[item] >= 2; }
};

inline bool Abgeschlossen(TUrteil u)
{
    return u != TUrteil::FalschErst;
}

// Messages of the feedback line. "Eingabe" for typed answers, "Auswahl" for
// clicks; the solution ends with "°C!" on the thermometer and "!" otherwise.
QString MeldungRichtig(TUrteil u, bool auswahl);
QString MeldungFalschErst(bool auswahl);
QString MeldungFalschZweitLoesung(const QString& loesung, const QString& einheit, bool auswahl);
QString MeldungFalschZweitZeichen(const QString& eingabe);

// Fixed texts shared by the introductions.
inline const QString TextFehlerEingabe = QStringLiteral("Fehler in der Eingabe!");
inline const QString TextKeinEintrag = QStringLiteral("Es ist kein Eintrag vorhanden!");
inline const QString TextZeichenAnleitung = QStringLiteral(
    "Gib das jeweilige Zeichen ein.\nDrücke die Enter-Taste oder klicke nach der Eingabe mit der "
    "Maus ins nächste Feld!");
