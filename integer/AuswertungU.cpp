#include "integer/AuswertungU.h"

#include "core/FormHilfen.h"
#include "core/NumberHelpers.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

const QColor FarbeBemerkung(102, 153, 51);
const QColor BalkenRichtig(185, 233, 249);
const QColor BalkenFalsch(255, 145, 145);

QProgressBar* NeuerBalken(QWidget* parent, const char* name, int left, const QColor& colour)
{
    auto* gauge = Platziere(new QProgressBar(parent), name, left, 88, 100, 250);
    gauge->setOrientation(Qt::Vertical);
    gauge->setRange(0, 100);
    gauge->setValue(0);
    gauge->setTextVisible(false);
    // A plain white trough with a flat bar rising from the bottom, whatever the style.
    gauge->setStyleSheet(QStringLiteral("QProgressBar { border: 1px solid rgb(130,135,144); "
                                        "background: white; }"
                                        "QProgressBar::chunk { background-color: %1; margin: 0px; }")
                             .arg(colour.name()));
    return gauge;
}

QLabel* NeuesLabel(QWidget* parent, const char* name, int left, int top, int width, int height,
                   int pixels, const QColor& colour, const QString& text = {})
{
    auto* label = Platziere(new QLabel(text, parent), name, left, top, width, height);
    label->setFont(ArialFett(pixels));
    label->setAlignment(Qt::AlignCenter);
    SetzeTextfarbe(label, colour);
    return label;
}

QLabel* NeuesPanel(QWidget* parent, const char* name, int left, const QColor& colour)
{
    QLabel* panel = NeuesLabel(parent, name, left, 352, 100, 32, 19, colour);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    return panel;
}

// Sets a gauge and repaints all of it. QProgressBar skips the repaint of a
// change smaller than its chunk width and counts any paint as up to date,
// and the percentage label standing on the bar repaints a stripe of it at
// every step; so without this the bar stood still on screen except for that
// stripe.
void SetzeBalken(QProgressBar* gauge, int value)
{
    gauge->setValue(value);
    gauge->update();
}

} // namespace

int AuswertungProzent(float punkte, int versuche)
{
    if (versuche <= 0 || !(punkte > 0))
        return 0;
    long long prozent;
    const double halbe = double(punkte) * 2;
    if (halbe == std::floor(halbe) && halbe < 1e12) {
        // Points come in halves: exact integer arithmetic, so a true tie
        // (62,5) is recognised as one and goes to the even neighbour.
        const long long zaehler = static_cast<long long>(halbe) * 50;
        prozent = zaehler / versuche;
        const long long rest2 = (zaehler % versuche) * 2;
        if (rest2 > versuche || (rest2 == versuche && prozent % 2 != 0))
            ++prozent;
    } else {
        prozent = std::llrint(double(punkte) / versuche * 100); // default mode: ties to even
    }
    return int(std::clamp<long long>(prozent, 0, 100));
}

QString AuswertungBemerkung(int prozent)
{
    // Upper end of each band of the rounded percentage, with its remark.
    static const struct {
        int bis;
        const char* bemerkung;
    } baender[] = {
        {30, "Du musst noch sehr viel üben!"},
        {50, "Du solltest noch viel üben!"},
        {65, "Nicht schlecht, aber du solltest noch etwas üben!"},
        {75, "Du bist schon recht gut. Ein wenig Übung wäre aber günstig."},
        {90, "Du bist schon sehr gut, aber noch nicht Spitze! Übe noch etwas weiter."},
        {99, "Du bist schon fast perfekt! Du gehörst schon zu den Profis."},
    };
    for (const auto& band : baender)
        if (prozent <= band.bis)
            return QString::fromUtf8(band.bemerkung);
    return QStringLiteral("Sehr gut! Du bist ein Zahlenprofi.");
}

TfrmAuswertung::TfrmAuswertung(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmAuswertung"));
    setWindowTitle(QStringLiteral("Auswertung"));
    setFixedSize(392, 433);
    setModal(true);

    lblAnzeige = Platziere(new QLabel(this), "lblAnzeige", 0, 0, 392, 44);
    lblAnzeige->setFont(ArialFett(16));
    lblAnzeige->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    lblAnzeige->setWordWrap(true);
    SetzeTextfarbe(lblAnzeige, FarbeBemerkung);

    lblRichtig = NeuesLabel(this, "lblRichtig", 90, 56, 100, 25, 19, Qt::blue, QStringLiteral("Richtig"));
    lblFalsch = NeuesLabel(this, "lblFalsch", 210, 56, 100, 25, 19, Qt::red, QStringLiteral("Falsch"));

    gauRichtig = NeuerBalken(this, "gauRichtig", 90, BalkenRichtig);
    gauRichtig->setAccessibleName(QStringLiteral("Richtig"));
    gauFalsch = NeuerBalken(this, "gauFalsch", 210, BalkenFalsch);
    gauFalsch->setAccessibleName(QStringLiteral("Falsch"));

    // The percentages stand on the bars, so they are created after them.
    lblPRichtig = NeuesLabel(this, "lblPRichtig", 90, 204, 100, 19, 19, Qt::black);
    lblPFalsch = NeuesLabel(this, "lblPFalsch", 210, 204, 100, 19, 19, Qt::black);
    lblPRichtig->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblPFalsch->setAttribute(Qt::WA_TransparentForMouseEvents);

    pnlRichtig = NeuesPanel(this, "pnlRichtig", 90, Qt::blue);
    pnlFalsch = NeuesPanel(this, "pnlFalsch", 210, Qt::red);

    btnSchliessen = Platziere(new QPushButton(QStringLiteral("Schließen"), this), "btnSchliessen", 90,
                              392, 220, 36);
    btnSchliessen->setFont(ArialFett(16));
    btnSchliessen->hide();
    connect(btnSchliessen, &QPushButton::clicked, this, &TfrmAuswertung::btnSchliessenClick);

    zaehler_ = new QTimer(this);
    connect(zaehler_, &QTimer::timeout, this, &TfrmAuswertung::NaechsterSchritt);
}

void TfrmAuswertung::NaechsterSchritt()
{
    if (!zaehler_->isActive())
        return;
    if (schritt_ < prozent_)
        ZeigeSchritt(++schritt_);
    else
        Abschliessen(); // the last step has been on screen for one interval
}

void TfrmAuswertung::SetzeSummen(float punkte, int versuche)
{
    punkte_ = punkte;
    versuche_ = versuche;
}

void TfrmAuswertung::Auswerten(float punkte, int versuche)
{
    SetzeSummen(punkte, versuche);
    exec();
}

bool TfrmAuswertung::ZaehltNoch() const
{
    return zaehler_->isActive();
}

void TfrmAuswertung::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Each showing rates once; the window being restored or re-activated
    // does not start the count again.
    if (!event->spontaneous())
        FormActivate();
}

void TfrmAuswertung::FormActivate()
{
    zaehler_->stop();
    btnSchliessen->hide();
    lblAnzeige->clear();

    const int versuche = qMax(0, versuche_);
    pnlRichtig->setText(FestKomma(punkte_, 1) + QStringLiteral(" / ") + QString::number(versuche));
    pnlFalsch->setText(FestKomma(double(versuche) - punkte_, 1) + QStringLiteral(" / ")
                       + QString::number(versuche));

    prozent_ = AuswertungProzent(punkte_, versuche);
    SetzeTextfarbe(lblAnzeige, FarbeBemerkung);

    if (prozent_ > 0) {
        schritt_ = 0;
        ZeigeSchritt(0);
        zaehler_->start(qMax(0, Schrittdauer));
    } else {
        // Nothing right (or nothing attempted): the final picture at once.
        SetzeBalken(gauRichtig, 0);
        SetzeBalken(gauFalsch, 100);
        lblPRichtig->setText(FestKomma(0, 3) + QStringLiteral(" %"));
        lblPFalsch->setText(FestKomma(100, 3) + QStringLiteral(" %"));
        Abschliessen();
    }
}

void TfrmAuswertung::ZeigeSchritt(int k)
{
    const double anteil = double(punkte_) / versuche_;
    const double s = double(k) / prozent_ * anteil;
    lblPRichtig->setText(FestKomma(s * 100, 3) + QStringLiteral(" %"));
    lblPFalsch->setText(FestKomma((1 - s) * 100, 3) + QStringLiteral(" %"));
    SetzeBalken(gauRichtig, k);
    SetzeBalken(gauFalsch, 100 - k);
}

void TfrmAuswertung::Abschliessen()
{
    zaehler_->stop();
    btnSchliessen->show();
    btnSchliessen->setFocus();
    lblAnzeige->setText(AuswertungBemerkung(prozent_));
}

void TfrmAuswertung::btnSchliessenClick()
{
    accept();
}

void TfrmAuswertung::reject()
{
    // Escape waits for the count to finish, like the missing close button.
    if (ZaehltNoch())
        return;
    QDialog::reject();
}

void TfrmAuswertung::closeEvent(QCloseEvent* event)
{
    // A close request from the window system always ends the evaluation.
    zaehler_->stop();
    event->accept();
    done(QDialog::Rejected);
}
