#pragma once
#include "drill/Aufgabenquelle.h"
#include "history/FehlerAuswahl.h"

// The pages of "Fehler üben": the planned exercises in order, five to a
// page. A stored mistake is written back into the drill's store exactly as
// it was posed (in the other display mode its term is rewritten the way the
// catalogue writes that mode); a fresh one is drawn by the catalogue entry
// of its kind and level. Switching the mode keeps the page's mistakes.
class FehlerQuelle : public Aufgabenquelle {
public:
    explicit FehlerQuelle(FehlerPlan plan);

    AufgabenHerkunft Fuelle(int seite, int zeile, bool vereinfacht) override;
    int Seiten() const override;
    bool Wiederholung() const override { return true; }
    QString Titel() const override;

    const FehlerPlan& Plan() const { return plan_; }

    // The kind and level the screen is opened with (those of the first
    // exercise), so that its level variable can be set.
    int Art() const;
    int Stufe() const;

private:
    FehlerPlan plan_;
};

// The integer term of a stored exercise for the other display mode.
QString GanzTermFuerModus(const QString& term, bool vereinfacht);
// The rational term of a stored exercise for the other display mode. Only
// the mixed drill's first shapes differ: written in the simplified mode they
// leave out the "+" of positive fractions, which the signed mode shows.
QString RationalTermFuerModus(const QString& term, bool vereinfacht);
