#pragma once
#include "core/Bildschirm.h"
#include "core/OneBased.h"
#include "rational/RationalAnzeige.h"
#include "rational/RationalTermBauer.h"

#include <QDialog>
#include <QLineEdit>
#include <QString>

#include <array>
#include <memory>

class Aufgabenquelle;

class Canvas;
class PaintBox;
class QAction;
class QGroupBox;
class QLabel;
class QMenuBar;
class QPushButton;
class QRadioButton;

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

// An answer box of a rational row. Only what the row can take gets in, whether
// typed, pasted, dropped or composed by an input method: digits, "/" (fraction
// rows) or "," (decimal rows), "+" in mode "mit Vorzeichen" only, and "-" as
// the en dash. Return moves on to the next box, which judges this one.
class RationalAntwortFeld : public QLineEdit {
    Q_OBJECT
public:
    RationalAntwortFeld(int zeile, QWidget* parent);
    int Zeile() const { return zeile_; }

    // What the row accepts: a fraction or a decimal, with or without "+".
    void SetzeEingabeArt(bool bruch, bool vereinfacht);
    // The text filtered as the box lets it in ("-" as the en dash).
    QString Gefiltert(const QString& text) const;

signals:
    void verlassen(RationalAntwortFeld* feld); // the pupil left the box
    void tasteLos(RationalAntwortFeld* feld);  // a key was released in the box

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int zeile_;
    bool bruch_ = true;
    bool vereinfacht_ = false;
};

// The rational drill screen: five typeset terms with their answer boxes over
// three pages, judged when a box is left, rated by the evaluation at the end.
// The three screens are this class with their RationalUebungsArt.
class TfrmRationalUebung : public TBildschirm {
    Q_OBJECT
public:
    const RationalUebungsArt& Art() const { return art_; }

    // Controls, named as on the form.
    QMenuBar* MainMenu1 = nullptr;
    QAction* menSchliessen = nullptr;
    QWidget* client = nullptr; // the client area below the menu
    PaintBox* pntZahlen = nullptr;
    QLabel* lblAnzeige = nullptr;
    OneBased<QLabel*, 5> img;   // row status pictures img1 … img5
    OneBased<QLabel*, 5> imgZ1; // marks of the first attempt imgZ11 … imgZ51
    OneBased<QLabel*, 5> imgZ2; // marks of the second attempt imgZ12 … imgZ52
    OneBased<RationalAntwortFeld*, 5> edt;
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
    QString Anleitung() const;
    // World y of the fraction bars of row i.
    float ZeilenHoehe(int i) const;
    // The term of row i as a screen reader reads it.
    QString TermLinear(int i) const;

    // Splits, measures and places row i from the term and result stored in
    // it (after the catalogue has filled it, or a test has written it).
    void ZeileSetzen(int i);

    // The page as it is painted (for tests and pictures).
    QImage Bild() const;

    // The exercises of the next opening come from this source instead of the
    // catalogue, until the screen closes.
    void SetzeQuelle(std::unique_ptr<Aufgabenquelle> quelle);
    Aufgabenquelle* Quelle() const { return quelle_.get(); }
    ~TfrmRationalUebung() override;

protected:
    TfrmRationalUebung(const RationalUebungsArt& art, QWidget* parent);

    void FormActivate() override;

private:
    void SeiteLeerenR();
    void SeiteFuellenR();
    void ZeileAusrichten(int i);
    void pntZahlenPaint(Canvas& canvas);
    void ZeilePaint(Canvas& canvas, int i);
    void grpEinfachClick();
    void btnWeiterClick();
    void btnAuswertungClick();
    void edtExit(RationalAntwortFeld* feld);
    void edtKeyUp();
    void edtChange();
    void menSchliessenClick();

    void ZeigeText(const QString& text, const QColor& farbe);
    void ZeigeAnleitung();
    void ZeigeUrteil(const QString& text, bool richtig);
    void ZeilenZuruecksetzen();
    void ZaehlerZeigen();
    void NeuerDrill();
    void ModusSetzen(bool vereinfacht);
    void Zugaenglichkeit(int i);

    // A message or a focus return that waits until the focus change which
    // led to the judgement is complete.
    void PlaneNacharbeit(int zeile, int formatFehler);
    bool ErledigeNacharbeit();
    bool ZeileFertig(int i) const;

    RationalUebungsArt art_;
    std::unique_ptr<Aufgabenquelle> quelle_;
    struct {
        bool aktiv = false;
        int zeile = 0;
        int formatFehler = 0; // 0: only the focus goes back
    } nacharbeit_;
    bool prueft_ = false; // a judgement is running (its message box must not judge again)
};

// Caption of the form for a level: "Rationale Zahlen: Stufe 2".
QString RationalTitel(int stufe);
