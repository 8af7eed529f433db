#pragma once
#include "drill/Aufgabenquelle.h"
#include "worksheet/Arbeitsblatt.h"

#include <QList>

// The pages of a drill worked with a class code: exactly the first 15
// exercises of the worksheet with the same number range, kind, level, code
// and group, in the mode the drill is in. Exercise (seite − 1) · 5 + zeile of
// the sheet fills line zeile of page seite; the drill runs three pages.
class KlassencodeQuelle : public Aufgabenquelle {
public:
    // auswahl.anzahl and auswahl.gruppen are not used; gruppe 0 is "Gruppe A"
    // (and the sheet without groups).
    KlassencodeQuelle(const BlattAuswahl& auswahl, int gruppe);

    AufgabenHerkunft Fuelle(int seite, int zeile, bool vereinfacht) override;
    int Seiten() const override { return DrillAufgaben / 5; }
    QString Klassencode() const override { return auswahl_.code; }
    QString Titel() const override;

    // The exercise that fills the line, drawn on first use per mode.
    const BlattAufgabe& Aufgabe(int seite, int zeile, bool vereinfacht);

private:
    BlattAuswahl auswahl_;
    int gruppe_;
    QList<BlattAufgabe> aufgaben_[2]; // per mode: [0] with signs, [1] simplified
};
