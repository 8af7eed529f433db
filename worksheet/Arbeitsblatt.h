#pragma once
#include "drill/Urteil.h"

#include <QList>
#include <QString>

// The content of a worksheet: which drill, how many exercises, the class code,
// and the exercises themselves, drawn by the very generators the drills use.
//
// The exercises of a sheet are one sequence per (number range, kind, level,
// mode, group, code): the process generator is seeded from the FNV-1a hash of
// these and the exercises are drawn one after the other. So the first 15 of
// any sheet are the 15 a pupil gets on screen with the same code, whatever the
// sheet's length. The integer builders write their terms differently in the
// two modes, so each mode has its own sequence: a pupil who works a
// "Vereinfacht" sheet switches the drill to "Vereinfacht" first.

inline constexpr int BlattAnzahlMin = 5;
inline constexpr int BlattAnzahlMax = 30;
inline constexpr int BlattAnzahlStandard = 15;
inline constexpr int BlattGruppenMax = 4;
inline constexpr int DrillAufgaben = 15; // three pages of five

struct BlattAuswahl {
    Zahlenbereich bereich = Zahlenbereich::Ganz;
    int art = 1;
    int stufe = 1;
    bool vereinfacht = false;
    int anzahl = BlattAnzahlStandard;
    int gruppen = 1; // 1: one sheet without group letter; 2 … 4: "Gruppe A" …
    QString code;    // a valid class code (normalised)
};

// The levels of a kind: 4 for every integer kind, 4, 4, 3, 3, 4 for the
// rational kinds; 0 for an unknown kind.
int BlattStufen(Zahlenbereich bereich, int art);
// The kinds of a number range: 9 or 5.
int BlattArten(Zahlenbereich bereich);

// Why the selection cannot make a sheet, empty when it can.
QString BlattAuswahlFehler(const BlattAuswahl& auswahl);

// One exercise as the drill stores it, with what the sheet shows.
struct BlattAufgabe {
    QString quelle;   // the builder call, e.g. "BaueKette(3,4)", "BaueDivision(6)"
    QString term;     // as stored by the builder
    QString ergebnis; // the exact result as stored
    bool istBruch = false;          // rational: a fraction term
    bool sonderdarstellung = false; // rational: grouped shape
    int form = 0;                   // rational mixed: shape of the term
    QString anzeige; // integer: the line text with " ="; rational decimal: the display term
    QString loesung; // the result in the form the drill accepts in the mode
};

// The seed of a group's sequence (gruppe 0 = A).
quint64 BlattSeed(const BlattAuswahl& auswahl, int gruppe);

// The first anzahl exercises of group gruppe. Reseeds the process generator;
// the drill stores (AufgabenGanz, RationalAufgaben) and mode flags are left as
// they were.
QList<BlattAufgabe> ZieheBlattAufgaben(const BlattAuswahl& auswahl, int gruppe, int anzahl);

// "Gruppe A" … for 2 … 4 groups, empty for a single sheet.
QString GruppenName(const BlattAuswahl& auswahl, int gruppe);
// "Division ganzer Zahlen mit Klammern – Stufe 2", "Rationale Zahlen:
// Multiplikation – Stufe 3".
QString BlattTitel(const BlattAuswahl& auswahl);
// The mode's name as the drill's radio group writes it.
QString ModusName(bool vereinfacht);
// What the pupil is asked to do.
QString BlattAnleitung(const BlattAuswahl& auswahl);
// The foot line that lets the sheet be made again, e.g. "Ganze Zahlen · Art 8
// · Stufe 2 · mit Vorzeichen · Klassencode K7MP35 · Gruppe B · Seite 1 / 2".
QString BlattFuss(const BlattAuswahl& auswahl, int gruppe, int seite, int seiten);
// The suggested file name, e.g. "Arbeitsblatt-ganz-8-2-K7MP35.pdf".
QString BlattDateiname(const BlattAuswahl& auswahl);
