#include "worksheet/KlassencodeFeld.h"

#include "worksheet/Klassencode.h"

#include <QFocusEvent>
#include <QLabel>

QValidator::State KlassencodeFilter::validate(QString& input, int& pos) const
{
    QString gefiltert;
    int neuePos = 0;
    QChar erstesAbgelehntes;
    for (int k = 0; k < input.size(); ++k) {
        const QChar c = input.at(k).toUpper();
        const bool behalten = KlassencodeAlphabet.contains(c) && gefiltert.size() < KlassencodeLaenge;
        if (behalten)
            gefiltert += c;
        else if (erstesAbgelehntes.isNull() && !c.isSpace() && c != u'-' && !KlassencodeAlphabet.contains(c))
            erstesAbgelehntes = input.at(k);
        if (k < pos && behalten)
            ++neuePos;
    }
    input = gefiltert;
    pos = qBound(0, neuePos, int(input.size()));
    if (!erstesAbgelehntes.isNull())
        emit abgelehnt(erstesAbgelehntes);
    return input.size() == KlassencodeLaenge ? Acceptable : Intermediate;
}

KlassencodeFeld::KlassencodeFeld(QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(QStringLiteral("edtKlassencode"));
    setAccessibleName(QStringLiteral("Klassencode"));
    setAccessibleDescription(QStringLiteral("Sechs Zeichen, zum Beispiel K7MP35"));
    setPlaceholderText(QStringLiteral("z. B. K7MP35"));
    auto* filter = new KlassencodeFilter(this);
    setValidator(filter);
    QFont f = font();
    f.setPointSize(16);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    setFont(f);
    connect(filter, &KlassencodeFilter::abgelehnt, this, [this](QChar c) {
        const QChar gross = c.toUpper();
        if (gross == u'0' || gross == u'O' || gross == u'1' || gross == u'I')
            Zeige(QStringLiteral("Ein Klassencode enthält kein „%1“. Schau noch einmal genau hin.").arg(c));
        else
            Zeige(QStringLiteral("„%1“ kommt in Klassencodes nicht vor.").arg(c));
    });
    connect(this, &QLineEdit::textChanged, this, &KlassencodeFeld::Geaendert);
}

QString KlassencodeFeld::Code() const
{
    return Gueltig() ? NormalisiereKlassencode(text()) : QString();
}

bool KlassencodeFeld::Gueltig() const
{
    return IstKlassencode(text());
}

void KlassencodeFeld::Zeige(const QString& text)
{
    meldungText_ = text;
    if (meldung_) {
        meldung_->setText(text);
        meldung_->setAccessibleName(text);
    }
}

void KlassencodeFeld::Geaendert()
{
    // A complete code is judged at once; a shorter one only clears an old
    // message, so typing is not interrupted.
    if (text().size() == KlassencodeLaenge)
        Zeige(KlassencodeFehler(text()));
    else if (!meldungText_.startsWith(u'„') && !meldungText_.startsWith(QStringLiteral("Ein Klassencode enthält")))
        Zeige({});
    if (Gueltig() != warGueltig_) {
        warGueltig_ = Gueltig();
        emit gueltigGeaendert(warGueltig_);
    }
}

void KlassencodeFeld::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (!text().isEmpty())
        Zeige(KlassencodeFehler(text()));
}
