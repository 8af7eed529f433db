#pragma once
#include "history/VerlaufSpeicher.h"

#include <QDate>

#include <optional>
#include <vector>

// "Fehler üben": which of the pupil's own mistakes are due, and the page of
// exercises made from them. Pure functions of the stored first attempts and
// the day, so any history can be replayed with any date.
//
// Spaced practice: an exercise answered wrong at the first attempt comes
// back one day later; answered wrong again (anywhere) it comes back after
// three, then after seven days (and seven from then on). Answered right at
// the first attempt in "Fehler üben" it comes back after the same span, and
// the second right answer in a row takes it off the list. Days are calendar
// days of the pupil's clock, so a mistake of the evening is due next morning.

// The drill screen a set of exercises is posed on.
enum class Uebungsgruppe { Ganz, RationalAddSub, RationalMultDiv, RationalGem };
Uebungsgruppe GruppeVon(Zahlenbereich bereich, int art);

inline constexpr int FehlerUebenAnzahl = 15;
inline constexpr int FehlerquoteTage = 14;

// The days until an exercise comes back after its n-th mistake (n from 1).
int Abstand(int fehler);

struct FaelligerFehler {
    AufgabenHerkunft aufgabe;
    bool vereinfacht = false; // the mode its term was stored in
    QDate faellig;
    int fehler = 0;           // first-attempt mistakes so far
    int richtigInFolge = 0;   // right in "Fehler üben" since the last mistake
};

// Every exercise still on the list, due or not, earliest due first.
std::vector<FaelligerFehler> FehlerListe(const std::vector<ErsterVersuch>& verlauf);
// Those due on `heute`.
std::vector<FaelligerFehler> FaelligeFehler(const std::vector<ErsterVersuch>& verlauf, const QDate& heute);

// First-attempt mistakes per kind and level over some attempts, highest
// share first (more attempts first on a tie, then the latest).
struct Fehlerquote {
    Zahlenbereich bereich = Zahlenbereich::Ganz;
    int art = 0;
    int stufe = 0;
    int versuche = 0;
    int fehler = 0;
    QDateTime zuletzt;
    double Quote() const { return versuche > 0 ? double(fehler) / versuche : 0.0; }
};
std::vector<Fehlerquote> Fehlerquoten(const std::vector<ErsterVersuch>& versuche);

// One exercise of the page: a stored mistake posed again exactly, or a fresh
// exercise of a kind and level (aufgabe.term empty).
struct GeplanteAufgabe {
    AufgabenHerkunft aufgabe;
    bool vereinfacht = false;
    bool ausVerlauf = false;
};

struct FehlerPlan {
    Uebungsgruppe gruppe = Uebungsgruppe::Ganz;
    std::vector<GeplanteAufgabe> aufgaben; // FehlerUebenAnzahl entries
    int faellige = 0;                      // how many come from the list
};

// The page: the due mistakes of the screen with the most of them (a tie
// goes to the screen whose oldest is due longest), the rest filled with
// fresh exercises of the kinds and levels of that screen with the highest
// mistake share in the last FehlerquoteTage days, taken in turn (at most
// three of them). Without any due mistake the screen of the kind and level
// with the highest share is taken. Empty when neither list holds anything.
std::optional<FehlerPlan> PlaneFehlerUeben(const std::vector<ErsterVersuch>& fehlerhafte,
                                           const std::vector<ErsterVersuch>& letzteVersuche,
                                           const QDate& heute, int anzahl = FehlerUebenAnzahl);

// The same read from a store at a moment; without attempts in the last
// FehlerquoteTage days the shares are taken over the whole history.
std::optional<FehlerPlan> PlaneFehlerUeben(const VerlaufSpeicher& speicher, const QDateTime& jetzt);
