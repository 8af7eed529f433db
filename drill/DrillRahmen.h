#pragma once
#include "core/AntwortFeld.h"
#include "core/Bildschirm.h"
#include "core/OneBased.h"
#include "drill/Aufgabenquelle.h"
#include "drill/Bewertung.h"
#include "drill/DrillBilder.h"
#include "drill/Urteil.h"

#include <QColor>
#include <QImage>
#include <QString>

#include <array>
#include <memory>
#include <optional>

class Canvas;
class PaintBox;
class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QMenuBar;
class QPushButton;
class QRadioButton;

// The drill's counters the frame works on: the integer drill binds its
// AnzVersuche … MaxDurchgaenge, the rational drills their …R twins.
struct DrillZaehler {
    int* anzVersuche;
    int* anzVersucheGesamt;
    float* punkte;
    float* punkteGesamt;
    int* aktDurchgang;
    int* maxDurchgaenge;
};

// Where the frame puts the answer boxes before the first page is laid out.
struct DrillMasse {
    int edtLinks;
    int edtBreite;
};

// What every drill screen shares: the menu bar over the 1016 × 722 client
// area, the paint area, the feedback label, the line pictures, five answer
// boxes, the counter groups, the display-mode choice and "Weiter" /
// "Auswertung". It fills a page from its source, judges an entry with the
// drill's verdict routine, shows the verdict, counts, and hands the finished
// drill to the evaluation. Every judgement is reported through Beurteilt and
// DrillBericht().
class TDrillRahmen : public TBildschirm {
    Q_OBJECT
public:
    ~TDrillRahmen() override;

    // The menu bar; other features add their items here.
    QMenuBar* MenueLeiste() const { return menueLeiste_; }
    // The client area below the menu bar (1016 × 722).
    QWidget* Flaeche() const { return flaeche_; }

    // The exercises of the next openings come from this source instead of the
    // catalogue, until the screen closes.
    void SetzeQuelle(std::unique_ptr<Aufgabenquelle> quelle);
    Aufgabenquelle* Quelle() const { return quelle_.get(); }
    // Starts a fresh drill in the open screen, as a new opening does (so a
    // source just set takes effect at once).
    void NeuStarten();

    // The line that owes its second attempt, 0 when none does.
    int ZweiterVersuchZeile() const { return zweiterVersuchZeile_; }
    // Where the exercise of line i came from.
    const AufgabenHerkunft& Herkunft(int i) const { return herkunft_[i]; }

    // The page as painted, for tests and pictures.
    QImage Bild() const;

    void done(int result) override;

    QAction* menSchliessen = nullptr;
    PaintBox* pntZahlen = nullptr;
    QLabel* lblAnzeige = nullptr;
    OneBased<TAntwortFeld*, 5> edt;           // edt1 … edt5
    OneBased<QLabel*, 5> img;                 // status pictures img1 … img5
    OneBased<std::array<QLabel*, 2>, 5> imgZ; // marks: [0] first, [1] second attempt
    QGroupBox* grpDurchgang = nullptr;
    QLabel* lblDurchgang = nullptr;
    QGroupBox* grpVersuche = nullptr;
    QLabel* lblAktVersuche = nullptr;
    QGroupBox* grpPunkte = nullptr;
    QLabel* lblAktPunkte = nullptr;
    QGroupBox* grpEinfach = nullptr;
    QRadioButton* rbMitVorzeichen = nullptr;
    QRadioButton* rbVereinfacht = nullptr;
    QPushButton* btnWeiter = nullptr;
    QPushButton* btnAuswertung = nullptr;

signals:
    void Beurteilt(const Urteil& urteil);

protected:
    TDrillRahmen(const char* formName, Zahlenbereich bereich, const DrillZaehler& zaehler, const DrillMasse& masse,
                 QWidget* parent);

    // ---- what each drill supplies
    // The opening steps before the page: world window, palette.
    virtual void Einrichten() = 0;
    // Follows the main window's full-screen flag.
    virtual bool FolgtVollbild() const { return false; }
    virtual QString Titel() const = 0;
    virtual QString Anleitung() const = 0;
    virtual QString Startanleitung() const { return Anleitung(); }
    virtual bool Vereinfacht() const = 0;
    virtual void SetzeVereinfacht(bool vereinfacht) = 0;
    virtual int UeblicheSeiten() const = 0;
    virtual std::unique_ptr<Aufgabenquelle> Katalogquelle() const = 0;
    // Clears the page: the store's lines and, through ZeilenZuruecksetzen, the controls.
    virtual void SeiteLeeren() = 0;
    // Clears the results of the lines before the next page is filled.
    virtual void ZeilenFreigeben() = 0;
    // Lays out line i after the source wrote it (gefuellt) or left it empty.
    virtual void ZeileEinrichten(int i, bool gefuellt) = 0;
    // The term of line i as shown and read out, empty when there is none.
    virtual QString TermAnzeige(int i) const = 0;
    // Line i has an exercise that is not finished yet.
    virtual bool ZeileOffen(int i) const = 0;
    // Judges the text of line i at the given attempt and keeps the entry.
    virtual Bewertung Beurteile(int i, const QString& text, int versuch) = 0;
    // Marks line i finished (right or told) in the store.
    virtual void ZeileAbschliessen(int i, const Bewertung& bewertung) = 0;
    // The attempt the next judgement of line i counts as.
    virtual int& Versuch(int i) = 0;
    // True when a line that owes its second attempt keeps the focus until it
    // is given (the other lines are not judged meanwhile).
    virtual bool ZweiterVersuchBindet() const { return false; }
    virtual void StufenZuruecksetzen() = 0;
    virtual void pntZahlenPaint(Canvas& canvas) = 0;

    // ---- what the frame offers the drills
    void FormActivate() override;
    void SeiteFuellen();
    // Resets the controls of every line: neutral picture, no marks, box shown and empty.
    void ZeilenZuruecksetzen();
    // The one place the answer box of line i is described for screen readers.
    void BeschreibeFeld(int i);
    // The one place the feedback label is set ("\r" breaks the line too).
    void ZeigeRueckmeldung(const QString& text, const QColor& farbe);
    void ZeigeAnleitung();
    // The one place the counters are shown: page, attempts and points (with
    // one decimal; a fresh drill shows a plain 0; a first wrong attempt
    // leaves the points as they stand).
    enum class Punktanzeige { EineStelle, Null, Unveraendert };
    void ZeigeZaehler(Punktanzeige punkte = Punktanzeige::EineStelle);
    void FokusZurueck(int zeile);

    static const QColor Hinweisfarbe;
    static const QColor Richtigfarbe;
    static const QColor Falschfarbe;

private:
    void btnWeiterClick();
    void btnAuswertungClick();
    void grpEinfachClick(bool vereinfacht);
    void edtExit(int zeile);
    void edtEnter(int zeile);
    void menSchliessenClick();

    bool ZeileFertig(int i) const;
    // The status picture and its name: open, or what the verdict left.
    void SetzeStatus(int zeile, std::optional<Verdikt> verdikt);
    // The mark of an attempt: none, right or wrong.
    void SetzeMarke(int zeile, int versuch, std::optional<bool> richtig);
    void Melde(int zeile, const Bewertung& bewertung);
    void NeueUebung();

    // The follow-up of a judgement (a message, the focus back to the line)
    // waits until the focus change that led to it is over.
    void PlaneNacharbeit(int zeile, const QString& meldung);
    bool ErledigeNacharbeit();

    Zahlenbereich bereich_;
    DrillZaehler z_;
    QMenuBar* menueLeiste_ = nullptr;
    QWidget* flaeche_ = nullptr;
    QButtonGroup* darstellung_ = nullptr; // ids: 0 "mit Vorzeichen", 1 "Vereinfacht"
    std::unique_ptr<Aufgabenquelle> quelle_;
    bool eigeneQuelle_ = false; // set from outside, dropped when the screen closes
    OneBased<AufgabenHerkunft, 5> herkunft_;
    bool eigenerFokus_ = false; // a focus change made by the screen itself
    bool pruefe_ = false;       // a judgement or its message is running
    int zweiterVersuchZeile_ = 0;
    struct {
        bool aktiv = false;
        int zeile = 0;
        QString meldung; // empty: only the focus goes back
    } nacharbeit_;
};
