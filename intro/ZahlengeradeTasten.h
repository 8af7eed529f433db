#pragma once
#include <QWidget>

#include <functional>

// The keyboard path on the number line of the click exercise: a marker that
// the arrow keys move from one click target to the next open one; Enter or
// Space chooses its place, judged exactly like a click there. The control
// lies over the line, lets every mouse event through to the targets below
// and draws only while it has the focus: a frame around the line and a ring
// with a pointer at the marked place.
class TZahlengeradeTasten : public QWidget {
    Q_OBJECT
public:
    explicit TZahlengeradeTasten(QWidget* parent = nullptr);

    // Target n (1 … 25) can be chosen now.
    std::function<bool(int n)> ZielOffen;
    // The place n was chosen.
    std::function<void(int n)> OnWahl;
    // The value at target n in words, for the accessible name.
    std::function<QString(int n)> Ortsname;

    // Centre of target 1 in the control and the distance between targets.
    static constexpr int ErsteMitteX = 25;
    static constexpr int Abstand = 40;
    static constexpr int MitteY = 29;

    int Marke() const { return marke_; }
    // Puts the marker on target n, or on the nearest open target.
    void Setze(int n);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool Offen(int n) const { return n >= 1 && n <= 25 && ZielOffen && ZielOffen(n); }
    // The next open target from n in direction richtung (+1 or -1), or 0.
    int Naechstes(int n, int richtung) const;
    void Benennen();

    int marke_ = 13;
};
