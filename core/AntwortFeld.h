#pragma once
#include <QLineEdit>
#include <QString>

// What an answer box lets in. Digits always; the minus (typed as "-" or any
// other minus character) as the en dash; "+" only where a sign is asked for;
// the separator of the row ("/" for fractions, "," for decimals); and, for
// the relation boxes of the introductions, the relation signs instead.
struct Antwortzeichen {
    bool ziffern = true;
    bool minus = true;
    bool plus = false;
    QChar trenner;     // '/' or ',', null for none
    QString weitere;   // further characters taken as they are ("<>=")

    // The character c becomes in the box; a null QChar when it is refused.
    QChar Zeichen(QChar c) const;
    // The text as the box keeps it.
    QString Gefiltert(const QString& text) const;

    static Antwortzeichen Ganzzahl(bool mitPlus) { return {true, true, mitPlus, {}, {}}; }
    static Antwortzeichen Bruch(bool mitPlus) { return {true, true, mitPlus, u'/', {}}; }
    static Antwortzeichen Dezimal(bool mitPlus) { return {true, true, mitPlus, u',', {}}; }
    static Antwortzeichen Relation(bool mitGleich)
    {
        return {false, false, false, {}, mitGleich ? QStringLiteral("<>=") : QStringLiteral("<>")};
    }
};

// The answer box of every screen that takes typed answers. Every way text
// gets in (typing, paste, drop, input methods) passes the box's character
// rule. Return moves on to the next control; leaving the box by the pupil's
// own move is reported once through Verlassen.
class TAntwortFeld : public QLineEdit {
    Q_OBJECT
public:
    explicit TAntwortFeld(int zeile = 0, QWidget* parent = nullptr);

    int Zeile() const { return zeile_; }
    void SetzeZeichen(const Antwortzeichen& zeichen);
    const Antwortzeichen& Zeichen() const { return zeichen_; }

    // True when a focus change for this reason is the pupil moving on (a
    // click, Tab, Return, a shortcut, the screen's own move) and not another
    // window, a popup or the menu bar taking the focus for a moment.
    static bool VomSchueler(Qt::FocusReason reason);

    // While set the box reports nothing: the screen moves the focus itself.
    void SetzeStumm(bool stumm) { stumm_ = stumm; }

signals:
    void Verlassen(int zeile);
    void Betreten(int zeile);
    void TasteLos(int zeile);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int zeile_;
    bool stumm_ = false;
    Antwortzeichen zeichen_ = Antwortzeichen::Ganzzahl(true);
};
