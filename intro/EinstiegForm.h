#pragma once
#include "core/Bildschirm.h"
#include <QDialog>
#include <QString>

#include <array>
#include <functional>

class PaintBox;
class QAction;
class QLabel;
class QMenuBar;
class QPushButton;
class TEditCenter;
struct TAntwort;

// The character sets of the introductions' answer boxes: numbers (digits and
// the minus as the en dash) or relation signs, with or without "=".
struct TEinstiegFilter {
    enum class Art { Zahl, Zeichen, ZeichenOhneGleich };
};

// Lays out a screen: its menu bar on top of a client area of 1016 × 722
// pixels, the size fixed. Returns the client area; *menu gets the menu bar.
QWidget* SetUpScreen(QDialog* dialog, QMenuBar** menu);

// The frame both introductions share: the menu bar over a client area of
// 1016 × 722 pixels with the paint box, the instruction and feedback lines,
// the two overview pictures, the buttons and the five answer boxes.
//
// The box events arrive as the pupil sees them: EdtExit when the pupil moves
// on from a box (Enter, Tab, a click elsewhere in the screen), never when a
// message box or a menu takes the focus for a moment.
class TfrmEinstiegBasis : public TBildschirm {
    Q_OBJECT
public:
    explicit TfrmEinstiegBasis(QWidget* parent = nullptr);

    QMenuBar* MainMenu = nullptr;
    QAction* menSchliessen = nullptr;
    QWidget* Client = nullptr;
    PaintBox* pnt = nullptr;
    QLabel* lblAnzeige = nullptr;
    QLabel* lblMeldung = nullptr;
    QLabel* img1 = nullptr;
    QLabel* img2 = nullptr;
    QPushButton* btnSinnlos = nullptr;
    QPushButton* btnWiederholung = nullptr;
    std::array<TEditCenter*, 6> edt{}; // edt[1] … edt[5]

protected:
    // Creates edt1 … edt5 at the given size, hidden, with the key filter and
    // the event handling attached.
    void CreateEdits(int width, int height);
    QAction* AddMenuItem(const char* name, const QString& caption);

    // The common part of opening the screen: new random seed, the world
    // window, boxes and labels empty, the buttons hidden.
    void ResetScreen();
    // The common part of starting an exercise: boxes emptied and hidden,
    // feedback cleared, "Noch einmal" shown but disabled.
    void BeginExercise();
    // Pictures on the overview only; box i shown while open, described for
    // screen readers by its exercise: as shown and as a spoken sentence.
    void ShowBoxes(bool overview, const std::function<bool(int)>& open, const std::function<QString(int)>& describe,
                   const std::function<QString(int)>& speak);
    // Once the focus change in progress is over: a focus left on the hidden
    // focus target (or on nothing) moves to the first open box, or to
    // "Noch einmal" when the exercise is done, so it is always seen.
    void FocusOnward();
    // Shows the outcome of a typed answer in the feedback line; an entry that
    // is no number is told in a message box instead. A box that is not
    // finished keeps the focus.
    void ShowAnswer(int item, const TAntwort& answer);

    void SetAnzeige(const QString& text);
    void SetMeldung(const QString& text, const QColor& colour);
    void SetFilter(TEinstiegFilter::Art art);
    void EmptyEdits(int fontPoints);
    void PlaceEdit(int item, int left, int top);
    // Shows an information box once the focus change in progress is over,
    // then gives the focus back to the box.
    void MessageAndRefocus(int item, const QString& text);
    // Gives the focus back to the box once the focus change is over, without
    // judging the control that took it.
    void RefocusLater(int item);

    virtual void EdtExit(int item) = 0;
    virtual void EdtChange(int item) = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool refocusing_ = false;
};
