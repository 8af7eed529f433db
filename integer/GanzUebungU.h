#pragma once
#include "core/Bildschirm.h"
#include "core/OneBased.h"

#include <QDialog>
#include <QLineEdit>
#include <QString>
#include <QValidator>

#include <array>
#include <memory>

class Aufgabenquelle;

class PaintBox;
class Canvas;
class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QMenuBar;
class QPushButton;
class QRadioButton;

// The key filter of the answer boxes. It works on the whole text after every
// change, so typing, pasting (keyboard and context menu), dropping and input
// methods all pass through it: digits stay, "-" (and the other minus
// characters) becomes the en dash, "+" stays only in the signed mode, and
// everything else is dropped.
class TAntwortFilter : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
    // The character a typed character becomes; a null QChar when refused.
    static QChar Zeichen(QChar c);
};

// An answer box of the drill: reports the Enter key and every focus change
// with its reason, so the screen can judge the entry when it is left.
class TAntwortEdit : public QLineEdit {
    Q_OBJECT
public:
    TAntwortEdit(int zeile, QWidget* parent);
    int Zeile() const { return zeile_; }

signals:
    void EnterGedrueckt(int zeile);
    void Verlassen(int zeile, Qt::FocusReason reason);
    void Betreten(int zeile);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int zeile_;
};

// Caption of the drill for the one non-zero level variable ("Addition ganzer
// Zahlen: Stufe 2"); empty when no level is chosen.
QString GanzUebungTitel();
// Heading painted above the exercises, by ArtGanz (and the level for kinds 7
// and 8).
QString GanzUebungUeberschrift();
// The instruction of the signed or the simplified mode.
QString GanzUebungAnleitung(bool vereinfacht);

// The drill screen for all nine integer kinds: five exercises per page, each
// judged when its answer box is left.
class TfrmGanzUebung : public TBildschirm {
    Q_OBJECT
public:
    explicit TfrmGanzUebung(QWidget* parent = nullptr);
    ~TfrmGanzUebung() override;

    // Page operations on the drill state.
    void SeiteLeeren();
    void SeiteFuellen();

    // The client area below the menu bar (1016 × 722).
    QWidget* Flaeche() const { return flaeche_; }
    // The line that owes its second attempt, 0 when none does.
    int ZweiterVersuchZeile() const { return zweiterVersuchZeile_; }

    QMenuBar* menuBar = nullptr;
    QAction* menSchliessen = nullptr;
    PaintBox* pntZahlen = nullptr;
    QLabel* lblAnzeige = nullptr;
    OneBased<TAntwortEdit*, 5> edt;           // edt1 … edt5
    OneBased<QLabel*, 5> img;                 // status pictures img1 … img5
    OneBased<std::array<QLabel*, 2>, 5> imgZ; // marks: [0] first, [1] second attempt
    QGroupBox* grpDurchgang = nullptr;
    QLabel* lblDurchgang = nullptr;
    QGroupBox* grpVersuche = nullptr;
    QLabel* lblAktVersuche = nullptr;
    QGroupBox* grpPunkte = nullptr;
    QLabel* lblAktPunkte = nullptr;
    QGroupBox* grpEinfach = nullptr;
    QButtonGroup* grpEinfachItems = nullptr;
    QRadioButton* rbMitVorzeichen = nullptr;
    QRadioButton* rbVereinfacht = nullptr;
    QPushButton* btnWeiter = nullptr;
    QPushButton* btnAuswertung = nullptr;

    // The page as painted, for tests and screenshots.
    QImage PaintBild() const;

    void done(int result) override;

    // The exercises of the next opening come from this source instead of the
    // catalogue, until the screen closes.
    void SetzeQuelle(std::unique_ptr<Aufgabenquelle> quelle);
    Aufgabenquelle* Quelle() const { return quelle_.get(); }

protected:
    void FormActivate() override;

private:
    void pntZahlenPaint(Canvas& canvas);
    void btnWeiterClick();
    void grpEinfachClick(int index);
    void edtChange();
    void edtExit(int zeile, Qt::FocusReason reason);
    void edtEnter(int zeile);
    void btnAuswertungClick();
    void menSchliessenClick();

    void Pruefen(int zeile);
    void ZeigeAnleitung();
    void ZeigeRueckmeldung(const QColor& colour, const QString& text);
    void ZeigeZaehler();
    void ZeileZuruecksetzen(int zeile);
    void SetzeStatus(int zeile, int art);
    void SetzeMarke(int zeile, int versuch, int art);
    void SetzeEingabePositionen();
    void NeuerDurchgang();
    void NeueUebung(); // the counters of a fresh drill

    // A message or a focus return that must wait until the focus change
    // that triggered the judgement is complete.
    void PlaneNacharbeit(int zeile, int meldung);
    bool ErledigeNacharbeit();
    void FokusZurueck(int zeile);

    std::unique_ptr<Aufgabenquelle> quelle_;
    QWidget* flaeche_ = nullptr;
    bool eigenerFokus_ = false;   // a focus change made by the screen itself
    bool pruefeGerade_ = false;
    int zweiterVersuchZeile_ = 0;
    struct {
        bool aktiv = false;
        int zeile = 0;
        int meldung = 0; // 0: only the focus goes back
    } nacharbeit_;
};

// The one instance, created at program start.
inline TfrmGanzUebung* frmGanzUebung = nullptr;
