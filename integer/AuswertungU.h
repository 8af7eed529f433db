#pragma once
#include <QDialog>
#include <QString>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

// The rating of a finished drill, shared by the integer and the rational
// drill screens. A screen hands over its totals and shows the form modally:
//
//   frmAuswertung->Auswerten(PunkteGesamt, AnzVersucheGesamt);
//
// The count-up runs on a timer, so the window keeps repainting and moving
// while the bars rise; "Schließen" appears once the count is complete.

// points / attempts in per cent, rounded to the nearest integer with a tie
// going to the even neighbour (62,5 -> 62); 0 when there were no attempts.
// Clamped to 0 … 100.
int AuswertungProzent(float punkte, int versuche);

// The fixed remark for a rounded percentage.
QString AuswertungBemerkung(int prozent);

class TfrmAuswertung : public QDialog {
    Q_OBJECT
public:
    explicit TfrmAuswertung(QWidget* parent = nullptr);

    // Hands over the totals and shows the evaluation modally; returns when
    // the pupil has closed it.
    void Auswerten(float punkte, int versuche);

    // The totals the next showing rates (Auswerten sets them too).
    void SetzeSummen(float punkte, int versuche);
    float Punkte() const { return punkte_; }
    int Versuche() const { return versuche_; }

    // Rounded percentage of the last rating.
    int Prozent() const { return prozent_; }
    // True while the bars are still rising.
    bool ZaehltNoch() const;

    // Milliseconds between two steps of the count-up.
    int Schrittdauer = 100;
    // The next step of the count-up, or its end after the last one; the timer
    // calls it, and a test may step by hand with a long Schrittdauer.
    void NaechsterSchritt();

    // Child controls, named as on the form.
    QLabel* lblAnzeige = nullptr;
    QLabel* lblRichtig = nullptr;
    QLabel* lblFalsch = nullptr;
    QProgressBar* gauRichtig = nullptr;
    QProgressBar* gauFalsch = nullptr;
    QLabel* lblPRichtig = nullptr;
    QLabel* lblPFalsch = nullptr;
    QLabel* pnlRichtig = nullptr;
    QLabel* pnlFalsch = nullptr;
    QPushButton* btnSchliessen = nullptr;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormActivate();
    void ZeigeSchritt(int k);
    void Abschliessen();
    void btnSchliessenClick();

    float punkte_ = 0;
    int versuche_ = 0;
    int prozent_ = 0;
    int schritt_ = 0;
    QTimer* zaehler_ = nullptr;
};

// The one instance, created at program start.
inline TfrmAuswertung* frmAuswertung = nullptr;
