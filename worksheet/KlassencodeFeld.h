#pragma once
#include <QLineEdit>
#include <QString>
#include <QValidator>

class QLabel;

// What a class-code field lets in, however the text arrives (typing, paste,
// drop, input method): small letters become capitals, blanks and hyphens are
// dropped, characters that codes never hold are refused, at most six stay.
class KlassencodeFilter : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;

signals:
    // A character was refused; the field tells the pupil why.
    void abgelehnt(QChar zeichen) const;
};

// The field for a class code with the line below it that says what is wrong:
// a refused character at once, a code that is too short or mistyped when it
// has six characters or the field is left.
class KlassencodeFeld : public QLineEdit {
    Q_OBJECT
public:
    explicit KlassencodeFeld(QWidget* parent = nullptr);

    // The label that shows the messages (owned by the caller's layout).
    void SetzeMeldung(QLabel* meldung) { meldung_ = meldung; }
    QString Meldung() const { return meldungText_; }

    // The normalised code, empty while the text is no valid code.
    QString Code() const;
    bool Gueltig() const;

signals:
    void gueltigGeaendert(bool gueltig);

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Zeige(const QString& text);
    void Geaendert();

    QLabel* meldung_ = nullptr;
    QString meldungText_;
    bool warGueltig_ = false;
};
