#include "core/AntwortFeld.h"

#include "core/NumberHelpers.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>

namespace {

bool IstMinus(QChar c)
{
    return c == u'-' || c == EnDash || c == QChar(0x2212) || c == QChar(0x2012) || c == QChar(0x2014)
        || c == QChar(0xFE63) || c == QChar(0xFF0D);
}

// The validator carries the character rule to paste, drop and input methods;
// it works on the whole text and keeps the cursor on the kept characters.
class Zeichenfilter : public QValidator {
public:
    explicit Zeichenfilter(TAntwortFeld* feld) : QValidator(feld), feld_(feld) {}

    State validate(QString& input, int& pos) const override
    {
        const Antwortzeichen& z = feld_->Zeichen();
        QString kept;
        int neuePos = pos;
        for (int k = 0; k < input.size(); ++k) {
            const QChar c = z.Zeichen(input.at(k));
            if (c.isNull()) {
                if (k < pos)
                    --neuePos;
                continue;
            }
            kept += c;
        }
        input = kept;
        pos = qBound(0, neuePos, int(input.size()));
        return Acceptable;
    }

private:
    TAntwortFeld* feld_;
};

} // namespace

QChar Antwortzeichen::Zeichen(QChar c) const
{
    if (ziffern && c >= u'0' && c <= u'9')
        return c;
    if (minus && IstMinus(c))
        return EnDash;
    if (plus && c == u'+')
        return c;
    if (!trenner.isNull() && c == trenner)
        return c;
    if (weitere.contains(c))
        return c;
    return {};
}

QString Antwortzeichen::Gefiltert(const QString& text) const
{
    QString kept;
    for (QChar c : text) {
        const QChar z = Zeichen(c);
        if (!z.isNull())
            kept += z;
    }
    return kept;
}

TAntwortFeld::TAntwortFeld(int zeile, QWidget* parent)
    : QLineEdit(parent), zeile_(zeile)
{
    if (zeile > 0) {
        setObjectName(QStringLiteral("edt%1").arg(zeile));
        setAccessibleName(QStringLiteral("Aufgabe %1").arg(zeile));
    }
    setValidator(new Zeichenfilter(this));
    // Nothing but the filtered characters: no word completion, no prediction.
    setInputMethodHints(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
}

void TAntwortFeld::SetzeZeichen(const Antwortzeichen& zeichen)
{
    zeichen_ = zeichen;
}

bool TAntwortFeld::VomSchueler(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

void TAntwortFeld::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Moving on judges the entry; the dialog must not take Return for a button.
        event->accept();
        focusNextChild();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TAntwortFeld::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    emit TasteLos(zeile_);
}

void TAntwortFeld::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!stumm_ && VomSchueler(event->reason()))
        emit Verlassen(zeile_);
}

void TAntwortFeld::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    if (!stumm_)
        emit Betreten(zeile_);
}
