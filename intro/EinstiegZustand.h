#pragma once
#include "intro/EinstiegAufgaben.h"

#include "speech/Sprechtext.h"

#include <QString>

// The state of the two introductions and of the worked examples, with every
// step that changes it. The screens turn pupil actions into calls here and
// show the result; the painters read the state.

// The outcome of one typed or clicked answer.
struct TAntwort {
    bool Eingabefehler = false; // not a number: told in a message box, nothing counted
    TUrteil Urteil = TUrteil::RichtigErst;
    QString Meldung;            // text of the feedback line

    bool Richtig() const { return Urteil == TUrteil::RichtigErst || Urteil == TUrteil::RichtigZweit; }
    // The item is finished (right, or wrong twice).
    bool Abgeschlossen() const { return !Eingabefehler && ::Abgeschlossen(Urteil); }
};

// The state of item i in the words the screen reader uses.
Bewertungsstand ItemBewertung(const TAuswertung& a, int item);

// Judges a typed relation sign for item i.
TAntwort BewerteZeichen(TAuswertung& auswertung, int item, const QString& text, QChar relation);

// ---------------------------------------------------------- integer introduction

class TGanzEinstieg {
public:
    enum Seite { Uebersicht = 0, Temperatur = 1, Gerade = 2, Ordnen = 3, Betrag = 4 };

    int IntroPage = Uebersicht;
    int Subtask = 0; // number line: 1 … 50 typing, 51 … 100 clicking
    TThermoAufgabe Thermo;
    int Entered = 0;
    TZahlengerade Zahlen;
    OneBased<TPaar, 5> Pairs;
    TAuswertung Auswertung;
    int ClickIndex = 1;
    bool TaskActive = false;
    bool ShowSolution = false;
    bool TallyShown = false;

    // Back to the overview page with nothing answered.
    void Zuruecksetzen();
    // Draws a new exercise of the given page (1 … 4) with nothing answered.
    void Starte(int page);

    bool Klickvariante() const { return IntroPage == Gerade && Subtask > 50; }
    // Number of answer boxes the page uses (0 on the overview and when clicking).
    int Felder() const;
    // Answer box i is shown: used by the page and not yet finished.
    bool FeldOffen(int item) const;
    // Click target n (1 … 25) is shown.
    bool ZielSichtbar(int n) const;
    // All items finished; the next exercise may be chosen.
    bool Fertig() const;

    // The instruction line of the current exercise.
    QString Anleitung() const;
    // The exercise of box i as the pupil sees it (glyphs, as painted).
    QString Beschreibung(int item) const;
    // The same as a German sentence for speech engines.
    QString GesprocheneBeschreibung(int item) const;
    // The question painted at the top of the page.
    QString Frage() const;
    // Click variant, for screen readers: the number asked next and what
    // happened to each asked number so far.
    QString GesuchteZahl() const;
    QString Markierungen() const;

    TAntwort Eingabe(int item, const QString& text);
    TAntwort Klick(int n);

private:
    OneBased<bool, 25> zielGefunden_;
};

// --------------------------------------------------------- rational introduction

class TRationalEinstieg {
public:
    enum Seite { Uebersicht = 0, Ordnen = 1, Betrag = 2 };

    int IntroPage = Uebersicht;
    OneBased<TBruchPaar, 5> FractionPairs;
    TAuswertung Auswertung;
    bool TallyShown = false;

    void Zuruecksetzen();
    void Starte(int page);
    bool FeldOffen(int item) const;
    bool Fertig() const { return IntroPage != Uebersicht && Auswertung.AnsweredCount >= 5; }
    // "=" is a possible answer only with absolute values.
    bool GleichErlaubt() const { return IntroPage == Betrag; }
    QString Beschreibung(int item) const;
    QString GesprocheneBeschreibung(int item) const;

    TAntwort Eingabe(int item, const QString& text);
};

// ------------------------------------------------------------- worked examples

class TGanzMuster {
public:
    bool Subtraktion = false;
    bool Geld = false; // money example shown, else the thermometer example
    TThermoAufgabe Thermo;
    TGeldBeispiel Konto;
    int Step = 0;      // transactions shown, 0 … 8

    // New examples of both kinds, thermometer shown.
    void Oeffne(bool subtraktion);
    void ZeigeThermometer();
    void ZeigeGeld();
    void Weiter();
    bool Durch() const { return Step >= 8; }
    void NochEinmal();

    // Balance after the last shown step.
    int Kontostand() const { return Konto.Balance[Step + 1]; }

    QString Titel() const;
    // One line of working for step i (1 … 8) and its sign rule.
    QString Rechenzeile(int i) const;
    QString Merkregel(int i) const;
    QString ThermoGleichung() const;
    QString Startzeile() const;
};

// The tally line after the last item: "Versuche: 6", "Richtig: 4x", "Falsch: 2x".
struct TTallyTexte {
    QString Versuche;
    QString Richtig;
    QString Falsch;
};
TTallyTexte TallyTexte(const TAuswertung& a);

// The balance line of the money example: "Guthaben:" / "Schulden:" /
// "Ausgeglichen:" and the amount with its sign and "€".
struct TKontozeile {
    QString Titel;
    QString Betrag;
};
TKontozeile Kontozeile(int stand);

// Text forms shared by the painters.
QString TempText(int value);       // "–5", "+5", "0"
QString KlammerWert(int value);    // "(#+5#)"; "#0#" for zero
QString Kontotext(int value);      // "+50", "–20", "0"
