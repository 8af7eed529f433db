#pragma once
#include "core/OneBased.h"
#include "drill/DrillRahmen.h"
#include "rational/RationalAnzeige.h"
#include "rational/RationalTermBauer.h"

#include <QString>

#include <memory>

class Canvas;

// Drill counters of the rational drills, shared by the three rational screens
// (separate from the integer drill's counters).
inline int AnzVersucheR = 0;       // judged attempts on the current page
inline int AnzVersucheGesamtR = 0; // judged attempts over the whole drill
inline float PunkteR = 0;          // points on the current page
inline float PunkteGesamtR = 0;    // points over the whole drill
inline int AktDurchgangR = 1;      // current page, 1 … MaxDurchgaengeR
inline int MaxDurchgaengeR = 3;    // pages of a drill

// What distinguishes the three rational screens; everything else is shared.
struct RationalUebungsArt {
    RationalBildschirm bildschirm;
    const char* formName;  // objectName of the form
    float ersteZeile;      // world y of the fraction bars of row 1
    int edtLinks;          // left of the answer boxes before the first layout
    bool dezimal;          // decimal rows possible
    QString anleitungStart;
    QString anleitungVorzeichen;
    QString anleitungVereinfacht;
};

// The instructions of the screens whose results are fractions or whole
// numbers (multiplication/division and mixed).
inline const QString AnleitungGanzeZahlStart = QStringLiteral(
    "Gib den gekürzten Bruch (echt oder unecht) bzw. die ganze Zahl mit dem entsrechenden Vorzeichen ein.\r"
    "Drücke die Enter–Taste oder klicke mit der Maus ins nächste Feld!");
inline const QString AnleitungGanzeZahlVorzeichen = AnleitungGanzeZahlStart;
inline const QString AnleitungGanzeZahlVereinfacht = QStringLiteral(
    "Gib den gekürzten Bruch (echt oder unecht) bzw. die ganze Zahl ohne Pluszeichen ein.\r"
    "Drücke die Enter–Taste oder klicke mit der Maus ins nächste Feld!");

// The rational drill screen: five typeset terms with their answer boxes over
// three pages, judged when a box is left, rated by the evaluation at the end.
// The three screens are this class with their RationalUebungsArt; the frame
// runs the page, this class lays out and paints the fraction terms.
class TfrmRationalUebung : public TDrillRahmen {
    Q_OBJECT
public:
    const RationalUebungsArt& Art() const { return art_; }

    // Per screen: the attempt the next judgement of each row counts as (1 or
    // 2), the normalised entries, and each row's pieces and shape.
    OneBased<int, 5> VersuchR;
    OneBased<QString, 5> EingabenR;
    OneBased<BruchTeile, 5> ZeilenBruchTeile;
    OneBased<ErgebnisTeile, 5> ZeilenErgebnisTeile;
    OneBased<int, 5> ZeilenForm; // shape 1 … 16 of a fraction row, 0: not painted

    // The level of the open drill (1 … 4), 0 when none of the screen's level
    // variables is set.
    int Stufe() const;
    // The heading painted above the terms.
    QString Ueberschrift() const;
    // The instruction for the current mode.
    QString Anleitung() const override;
    // World y of the fraction bars of row i.
    float ZeilenHoehe(int i) const;
    // The term of row i as a screen reader reads it.
    QString TermLinear(int i) const;

    // Splits, measures and places row i from the term and result stored in
    // it (after the catalogue has filled it, or a test has written it).
    void ZeileSetzen(int i);

protected:
    TfrmRationalUebung(const RationalUebungsArt& art, QWidget* parent);

    void Einrichten() override;
    bool FolgtVollbild() const override { return true; }
    QString Titel() const override;
    QString Startanleitung() const override { return art_.anleitungStart; }
    bool Vereinfacht() const override;
    void SetzeVereinfacht(bool vereinfacht) override;
    int UeblicheSeiten() const override { return 3; }
    std::unique_ptr<Aufgabenquelle> Katalogquelle() const override;
    void SeiteLeeren() override { SeiteLeerenR(); }
    void ZeilenFreigeben() override;
    void ZeileEinrichten(int i, bool gefuellt) override;
    QString TermAnzeige(int i) const override { return TermLinear(i); }
    bool ZeileOffen(int i) const override;
    Bewertung Beurteile(int i, const QString& text, int versuch) override;
    void ZeileAbschliessen(int i, const Bewertung& bewertung) override;
    int& Versuch(int i) override { return VersuchR[i]; }
    void StufenZuruecksetzen() override;
    void pntZahlenPaint(Canvas& canvas) override;

private:
    void SeiteLeerenR();
    void ZeileAusrichten(int i);
    void ZeilePaint(Canvas& canvas, int i);
    void edtKeyUp();

    RationalUebungsArt art_;
};

// Caption of the form for a level: "Rationale Zahlen: Stufe 2".
QString RationalTitel(int stufe);
