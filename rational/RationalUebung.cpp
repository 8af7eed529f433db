#include "rational/RationalUebung.h"

#include "drill/Aufgabenquelle.h"
#include "core/Canvas.h"
#include "core/KeyboardState.h"
#include "core/Meldung.h"
#include "core/NumberHelpers.h"
#include "core/PaintBox.h"
#include "core/Random.h"
#include "integer/AuswertungU.h"
#include "core/FormHilfen.h"
#include "rational/Bruchsatz.h"
#include "rational/RationalKatalog.h"
#include "rational/RationalPruefung.h"
#include "rational/RationalSpeicher.h"
#include "shell/MinuslandU.h"

#include <QAction>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <QValidator>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int TermGroesse = 20;     // font size of terms and results
constexpr int KastenAbstand = 10;   // pixels between a term and its answer box
// The answer box is 10 pixels wider than the form was drawn with: at 120 the
// longest results ("+1835/39") filled it to the last pixel and scrolled away
// under a style with a wider frame.
constexpr int KastenBreite = 130;
constexpr int KastenHoehe = 40;
const QColor Blau(0, 0, 255);       // a right result
const QColor Rot(255, 0, 0);        // the pupil's entry after two wrong attempts
const QColor Marineblau(0, 0, 128); // page and attempts
const QColor Kastanienbraun(128, 0, 0);

// Lets in what the key filter lets in, character by character, for every way
// text reaches the box (paste, drag and drop, input methods).
class EingabeFilter : public QValidator {
public:
    explicit EingabeFilter(RationalAntwortFeld* feld)
        : QValidator(feld), feld_(feld)
    {
    }
    State validate(QString& input, int& pos) const override
    {
        const QString gefiltert = feld_->Gefiltert(input);
        if (gefiltert != input) {
            pos -= int(input.left(pos).size() - feld_->Gefiltert(input.left(pos)).size());
            input = gefiltert;
            pos = qBound(0, pos, int(input.size()));
        }
        return Acceptable;
    }

private:
    RationalAntwortFeld* feld_;
};

QString Punktzahl(float punkte)
{
    return FestKomma(punkte, 1);
}

// The status pictures and marks are kept by the main window; the screens copy them.
enum class Bild { Neutral, RichtigErster, Falsch, RichtigZweiter, MarkeRichtig, MarkeFalsch };

QPixmap HauptfensterBild(Bild bild)
{
    if (!frmMinusland)
        return {};
    QLabel* quelle = nullptr;
    switch (bild) {
    case Bild::Neutral: quelle = frmMinusland->imgB; break;
    case Bild::RichtigErster: quelle = frmMinusland->imgG; break;
    case Bild::Falsch: quelle = frmMinusland->imgR; break;
    case Bild::RichtigZweiter: quelle = frmMinusland->imgO; break;
    case Bild::MarkeRichtig: quelle = frmMinusland->img1; break;
    case Bild::MarkeFalsch: quelle = frmMinusland->img2; break;
    }
    return quelle ? quelle->pixmap() : QPixmap();
}

// What a picture tells, for screen readers.
QString BildText(Bild bild)
{
    switch (bild) {
    case Bild::Neutral: return QStringLiteral("noch nicht beantwortet");
    case Bild::RichtigErster: return QStringLiteral("beim ersten Versuch richtig");
    case Bild::Falsch: return QStringLiteral("falsch");
    case Bild::RichtigZweiter: return QStringLiteral("beim zweiten Versuch richtig");
    case Bild::MarkeRichtig: return QStringLiteral("richtig");
    case Bild::MarkeFalsch: return QStringLiteral("falsch");
    }
    return {};
}

void SetzeBild(QLabel* ziel, Bild bild)
{
    ziel->setPixmap(HauptfensterBild(bild));
    ziel->setAccessibleDescription(BildText(bild));
}

void LoescheMarke(QLabel* marke)
{
    marke->clear();
    marke->setAccessibleDescription({});
}

QLabel* NeuesBild(QWidget* parent, const QString& name, int left, int top, int width, int height)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(left, top, width, height);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

// A group box with one centred label, as the counters below the page.
QLabel* Zaehlergruppe(QWidget* parent, QGroupBox*& gruppe, const char* gruppenName, const QString& titel,
                      const char* labelName, int left, int width, const QColor& farbe)
{
    gruppe = Platziere(new QGroupBox(titel, parent), gruppenName, left, 642, width, 70);
    SetzeTextfarbe(gruppe, farbe);
    auto* label = Platziere(new QLabel(gruppe), labelName, 2, 22, width - 4, 42);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(ArialFett(19));
    SetzeTextfarbe(label, farbe);
    label->setAccessibleName(titel.trimmed());
    return label;
}

} // namespace

QString RationalTitel(int stufe)
{
    return QStringLiteral("Rationale Zahlen: Stufe %1").arg(stufe);
}

// ---- Answer box ---------------------------------------------------------------

RationalAntwortFeld::RationalAntwortFeld(int zeile, QWidget* parent)
    : QLineEdit(parent), zeile_(zeile)
{
    setObjectName(QStringLiteral("edt%1").arg(zeile));
    setAccessibleName(QStringLiteral("Aufgabe %1").arg(zeile));
    setMaxLength(8);
    setFont(ArialFett(27));
    setValidator(new EingabeFilter(this));
    // Nothing but the filtered characters: no word completion, no prediction.
    setInputMethodHints(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase);
}

void RationalAntwortFeld::SetzeEingabeArt(bool bruch, bool vereinfacht)
{
    bruch_ = bruch;
    vereinfacht_ = vereinfacht;
}

QString RationalAntwortFeld::Gefiltert(const QString& text) const
{
    QString ergebnis;
    for (QChar c : text) {
        if (c >= u'0' && c <= u'9')
            ergebnis += c;
        else if (c == u'/' && bruch_)
            ergebnis += c;
        else if (c == u',' && !bruch_)
            ergebnis += c;
        else if (c == u'+' && !vereinfacht_)
            ergebnis += c;
        else if (c == u'-' || c == EnDash)
            ergebnis += EnDash;
    }
    return ergebnis;
}

void RationalAntwortFeld::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Moving on judges the entry; the dialog must not take Return for a button.
        focusNextChild();
        event->accept();
        return;
    }
    const QString text = event->text();
    const bool zeichen = !text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier);
    if (zeichen && Gefiltert(text) != text) {
        const QString erlaubt = Gefiltert(text);
        if (!erlaubt.isEmpty())
            insert(erlaubt); // "-" typed as the en dash
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void RationalAntwortFeld::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    emit tasteLos(this);
}

void RationalAntwortFeld::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Left by the pupil (Return, Tab, a click elsewhere) — not when another
    // window (a message box, another program) or a popup takes the focus.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit verlassen(this);
}

// ---- Screen ---------------------------------------------------------------------

TfrmRationalUebung::TfrmRationalUebung(const RationalUebungsArt& art, QWidget* parent)
    : TBildschirm(parent, FesterRahmen(Qt::Dialog)),
      art_(art)
{
    setObjectName(QString::fromLatin1(art.formName));
    setWindowTitle(QStringLiteral("Rationale Zahlen"));
    setFont(ArialFett(16));
    setModal(true);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    menSchliessen = MainMenu1->addAction(QStringLiteral("Schließen"));
    menSchliessen->setObjectName(QStringLiteral("menSchliessen"));
    connect(menSchliessen, &QAction::triggered, this, &TfrmRationalUebung::menSchliessenClick);

    client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(1016, 722);
    client->setAutoFillBackground(true);
    QPalette hintergrund = client->palette();
    hintergrund.setColor(QPalette::Window, QColor(240, 240, 240));
    client->setPalette(hintergrund);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(MainMenu1);
    layout->addWidget(client, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    pntZahlen = Platziere(new PaintBox(client), "pntZahlen", 8, 8, 1000, 700);
    pntZahlen->SetBackground(QColor(240, 240, 240));
    pntZahlen->OnPaint = [this](Canvas& canvas) { pntZahlenPaint(canvas); };

    lblAnzeige = Platziere(new QLabel(client), "lblAnzeige", 8, 45, 1001, 73);
    lblAnzeige->setAlignment(Qt::AlignCenter);
    lblAnzeige->setWordWrap(true);
    lblAnzeige->setFont(ArialFett(19));

    for (int i = 1; i <= 5; ++i) {
        const int versatz = 100 * (i - 1);
        img[i] = NeuesBild(client, QStringLiteral("img%1").arg(i), 40, 134 + versatz, 63, 69);
        img[i]->setAccessibleName(QStringLiteral("Aufgabe %1").arg(i));
        imgZ1[i] = NeuesBild(client, QStringLiteral("imgZ%11").arg(i), 900, 154 + versatz, 40, 40);
        imgZ1[i]->setAccessibleName(QStringLiteral("Aufgabe %1, erster Versuch").arg(i));
        imgZ2[i] = NeuesBild(client, QStringLiteral("imgZ%12").arg(i), 955, 154 + versatz, 40, 40);
        imgZ2[i]->setAccessibleName(QStringLiteral("Aufgabe %1, zweiter Versuch").arg(i));
        edt[i] = new RationalAntwortFeld(i, client);
        edt[i]->setGeometry(art.edtLinks, 150 + versatz, KastenBreite, KastenHoehe);
        connect(edt[i], &RationalAntwortFeld::verlassen, this, &TfrmRationalUebung::edtExit);
        connect(edt[i], &RationalAntwortFeld::tasteLos, this, &TfrmRationalUebung::edtKeyUp);
        connect(edt[i], &QLineEdit::textEdited, this, &TfrmRationalUebung::edtChange);
        VersuchR[i] = 1;
    }
    for (int i = 1; i < 5; ++i)
        setTabOrder(edt[i], edt[i + 1]);

    lblDurchgang = Zaehlergruppe(client, grpDurchgang, "grpDurchgang", QStringLiteral(" Durchgang "),
                                 "lblDurchgang", 7, 218, Marineblau);
    lblAktVersuche = Zaehlergruppe(client, grpVersuche, "grpVersuche", QStringLiteral(" Versuche "),
                                   "lblAktVersuche", 240, 153, Marineblau);
    lblAktPunkte = Zaehlergruppe(client, grpPunkte, "grpPunkte", QStringLiteral(" Punkte "), "lblAktPunkte",
                                 408, 153, Kastanienbraun);

    grpEinfach = Platziere(new QGroupBox(QStringLiteral(" Darstellung "), client), "grpEinfach", 576, 642, 153, 70);
    rbMitVorzeichen = Platziere(new QRadioButton(QStringLiteral("mit Vorzeichen"), grpEinfach),
                                 "rbMitVorzeichen", 8, 20, 142, 22);
    rbVereinfacht = Platziere(new QRadioButton(QStringLiteral("Vereinfacht"), grpEinfach), "rbVereinfacht", 8,
                               43, 142, 22);
    rbMitVorzeichen->setChecked(true);
    connect(rbMitVorzeichen, &QRadioButton::clicked, this, &TfrmRationalUebung::grpEinfachClick);
    connect(rbVereinfacht, &QRadioButton::clicked, this, &TfrmRationalUebung::grpEinfachClick);

    btnWeiter = Platziere(new QPushButton(QStringLiteral("Weiter"), client), "btnWeiter", 800, 670, 200, 40);
    btnAuswertung = Platziere(new QPushButton(QStringLiteral("Auswertung"), client), "btnAuswertung", 800, 670,
                              200, 40);
    for (QPushButton* knopf : {btnWeiter, btnAuswertung})
        knopf->setAutoDefault(false); // Return belongs to the answer boxes
    btnAuswertung->hide();
    connect(btnWeiter, &QPushButton::clicked, this, &TfrmRationalUebung::btnWeiterClick);
    connect(btnAuswertung, &QPushButton::clicked, this, &TfrmRationalUebung::btnAuswertungClick);

    ZeilenZuruecksetzen();
}

int TfrmRationalUebung::Stufe() const
{
    switch (art_.bildschirm) {
    case RationalBildschirm::AddSub: return StufeRationalAdd ? StufeRationalAdd : StufeRationalSub;
    case RationalBildschirm::MultDiv: return StufeRationalMult ? StufeRationalMult : StufeRationalDiv;
    case RationalBildschirm::Gem: return StufeRationalGem;
    }
    return 0;
}

QString TfrmRationalUebung::Ueberschrift() const
{
    // By the open level variable, which always matches the drill being run.
    switch (art_.bildschirm) {
    case RationalBildschirm::AddSub:
        return StufeRationalAdd || (!StufeRationalSub && RationalArt != 2) ? QStringLiteral("Addition")
                                                                            : QStringLiteral("Subtraktion");
    case RationalBildschirm::MultDiv:
        return StufeRationalMult || (!StufeRationalDiv && RationalArt != 4) ? QStringLiteral("Multiplikation")
                                                                             : QStringLiteral("Division");
    case RationalBildschirm::Gem: return QStringLiteral("Alle Grundrechnugsarten");
    }
    return {};
}

QString TfrmRationalUebung::Anleitung() const
{
    return RationalVereinfacht ? art_.anleitungVereinfacht : art_.anleitungVorzeichen;
}

float TfrmRationalUebung::ZeilenHoehe(int i) const
{
    return art_.ersteZeile - 5.6f * float(i - 1);
}

QImage TfrmRationalUebung::Bild() const
{
    return pntZahlen->Render();
}

void TfrmRationalUebung::FormActivate()
{
    if (Vollbild) {
        layout()->setSizeConstraint(QLayout::SetMinimumSize);
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        setWindowState(windowState() & ~Qt::WindowMaximized);
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
    Randomize();
    InitTermPalette();
    SetKSys(TKSys(-25, 25, -20, 20, 0, 1000, 0, 700));
    SeiteLeerenR();
    setWindowTitle(Stufe() > 0 ? RationalTitel(Stufe()) : QStringLiteral("Rationale Zahlen"));
    ZeigeText(art_.anleitungStart, TermPalette.Hint);
    NeuerDrill();
    SeiteFuellenR();
    btnAuswertung->hide();
    btnWeiter->show();
    edt[1]->setFocus();
    pntZahlen->update();
}

void TfrmRationalUebung::NeuerDrill()
{
    AnzVersucheR = 0;
    PunkteR = 0;
    PunkteGesamtR = 0;
    AnzVersucheGesamtR = 0;
    AktDurchgangR = 1;
    MaxDurchgaengeR = 3;
    for (int i = 1; i <= 5; ++i)
        VersuchR[i] = 1;
    lblAktVersuche->setText(QStringLiteral("0"));
    lblAktPunkte->setText(QStringLiteral("0"));
    lblDurchgang->setText(QStringLiteral("1 / %1").arg(MaxDurchgaengeR));
}

void TfrmRationalUebung::ZeilenZuruecksetzen()
{
    for (int i = 1; i <= 5; ++i) {
        SetzeBild(img[i], Bild::Neutral);
        img[i]->show();
        LoescheMarke(imgZ1[i]);
        LoescheMarke(imgZ2[i]);
        edt[i]->show();
        edt[i]->clear();
        EingabenR[i].clear();
        VersuchR[i] = 1;
    }
}

void TfrmRationalUebung::SeiteLeerenR()
{
    for (int i = 1; i <= 5; ++i) {
        TRationalAufgabe& a = RationalAufgaben[i];
        a.Term.clear();
        a.Ergebnis.clear();
        a.Angezeigt = a.Richtig = a.ZweimalFalsch = a.IstBruch = a.Sonderdarstellung = false;
        ZeilenForm[i] = 0;
    }
    ZeilenZuruecksetzen();
    ModusSetzen(false);
    grpEinfach->setEnabled(true);
}

void TfrmRationalUebung::ModusSetzen(bool vereinfacht)
{
    RationalVereinfacht = vereinfacht;
    (vereinfacht ? rbVereinfacht : rbMitVorzeichen)->setChecked(true);
}

void TfrmRationalUebung::SeiteFuellenR()
{
    for (int i = 1; i <= 5; ++i) {
        // Without an open drill nothing is built and the page stays empty.
        if (RationalZeileFuellen(i) == 0)
            continue;
        RationalAufgaben[i].Angezeigt = true;
        ZeileSetzen(i);
    }
}

void TfrmRationalUebung::ZeileSetzen(int i)
{
    TRationalAufgabe& a = RationalAufgaben[i];
    const bool vereinfacht = RationalVereinfacht;
    // Terms are measured with the same canvas services they are painted with.
    QImage messflaeche(1, 1, QImage::Format_RGB32);
    Canvas messen(messflaeche);

    if (a.IstBruch) {
        BruchTeile& teile = ZeilenBruchTeile[i];
        ZeilenForm[i] = BruchzeileLesen(art_.bildschirm, vereinfacht, a.Term, a.Sonderdarstellung, a.Form, teile);
        if (ZeilenForm[i] != 0)
            a.TermBreite = TermShapeWidth(ZeilenForm[i], messen, Operanden(teile), Operatoren(teile), 'J', 'L',
                                          TermGroesse);
    } else {
        ZeilenForm[i] = 0;
        a.Term = DezimaltermAnzeige(a.Term, vereinfacht);
        a.TermBreite = TermTextWorldWidth(messen, a.Term + ClosingText, TermGroesse);
    }
    ZeileAusrichten(i);
    ZerlegeErgebnis(a.Ergebnis, ZeilenErgebnisTeile[i]);
    edt[i]->SetzeEingabeArt(a.IstBruch, vereinfacht);
    Zugaenglichkeit(i);
}

void TfrmRationalUebung::ZeileAusrichten(int i)
{
    TRationalAufgabe& a = RationalAufgaben[i];
    a.TermLinks = -(a.TermBreite / 2 + 3);
    a.TermRechts = a.TermLinks + a.TermBreite;
    const int rechts = KSys().WorldToPixel(a.TermRechts, 0).x();
    edt[i]->move(pntZahlen->x() + rechts + KastenAbstand, edt[i]->y());
}

QString TfrmRationalUebung::TermLinear(int i) const
{
    const TRationalAufgabe& a = RationalAufgaben[i];
    if (!a.Angezeigt)
        return {};
    if (!a.IstBruch)
        return a.Term + QStringLiteral(" =");
    return LinearerTerm(ZeilenForm[i], ZeilenBruchTeile[i]);
}

void TfrmRationalUebung::Zugaenglichkeit(int i)
{
    edt[i]->setAccessibleDescription(TermLinear(i));
}

void TfrmRationalUebung::pntZahlenPaint(Canvas& canvas)
{
    KSys().PaintBackdrop(canvas);
    PaintTermTextAt(canvas, Ueberschrift(), 16, 0, 19, 'M');
    for (int i = 1; i <= 5; ++i)
        ZeilePaint(canvas, i);
}

void TfrmRationalUebung::ZeilePaint(Canvas& canvas, int i)
{
    const TRationalAufgabe& a = RationalAufgaben[i];
    if (!a.Angezeigt)
        return;
    const float y = ZeilenHoehe(i);
    if (!std::isfinite(a.TermLinks) || !std::isfinite(a.TermRechts))
        return; // a row that could not be laid out is not painted
    const bool vereinfacht = RationalVereinfacht;
    if (a.IstBruch) {
        if (ZeilenForm[i] == 0)
            return;
        const BruchTeile& teile = ZeilenBruchTeile[i];
        PaintTermShape(ZeilenForm[i], canvas, Operanden(teile), Operatoren(teile), 'J', 'L', a.TermLinks, y,
                       TermGroesse, Qt::black);
    } else {
        PaintTermText(canvas, a.Term + QStringLiteral(" ="), TermGroesse, a.TermLinks, y + 0.2f, 'L', 'M');
    }

    // The result or the failed entry stands where the answer box was.
    auto zeige = [&](const ErgebnisTeile& teile, const QString& text, const QColor& farbe) {
        if (teile.IstBruch) {
            const QString vorzeichen =
                vereinfacht && teile.Vorzeichen == QLatin1String("+") ? QString() : teile.Vorzeichen;
            PaintLeadOperand(canvas, vorzeichen, teile.Zaehler, teile.Nenner, a.TermRechts, y, TermGroesse, farbe,
                             'L');
        } else {
            PaintTermTextColored(canvas, text, TermGroesse, a.TermRechts, y + 0.2f, farbe, 'L', 'M');
        }
    };
    if (a.Richtig) {
        zeige(ZeilenErgebnisTeile[i], AnzeigeformR(a.Ergebnis, vereinfacht), Blau);
    } else if (a.ZweimalFalsch) {
        ErgebnisTeile eingabe;
        ZerlegeErgebnis(EingabenR[i], eingabe);
        zeige(eingabe, EingabenR[i], Rot);
    }
}

bool TfrmRationalUebung::ZeileFertig(int i) const
{
    const TRationalAufgabe& a = RationalAufgaben[i];
    return !edt[i]->text().isEmpty() && (a.Richtig || a.ZweimalFalsch);
}

// The texts write their line breaks as carriage returns; the label breaks at "\n".
void TfrmRationalUebung::ZeigeText(const QString& text, const QColor& farbe)
{
    lblAnzeige->setText(QString(text).replace(u'\r', u'\n'));
    SetzeTextfarbe(lblAnzeige, farbe);
}

void TfrmRationalUebung::ZeigeAnleitung()
{
    ZeigeText(Anleitung(), TermPalette.Hint);
}

void TfrmRationalUebung::ZeigeUrteil(const QString& text, bool richtig)
{
    ZeigeText(text, richtig ? TermPalette.Right : TermPalette.Wrong);
}

void TfrmRationalUebung::grpEinfachClick()
{
    const bool vereinfacht = rbVereinfacht->isChecked();
    if (!grpEinfach->isEnabled() || vereinfacht == RationalVereinfacht)
        return;
    RationalVereinfacht = vereinfacht;
    ZeigeAnleitung();
    edt[1]->setFocus();
    SeiteFuellenR();
    pntZahlen->update();
}

void TfrmRationalUebung::btnWeiterClick()
{
    // A refused entry or a second attempt that the click interrupted comes first.
    if (ErledigeNacharbeit())
        return;
    int leer = 0;
    int ersteLeere = 0;
    for (int i = 5; i >= 1; --i) {
        if (edt[i]->text().isEmpty()) {
            ++leer;
            ersteLeere = i;
        }
    }
    if (leer > 0) {
        prueft_ = true; // the message box judges nothing
        Meldung(this, leer == 1 ? QStringLiteral("Es fehlt noch 1 Eintrag!")
                                : QStringLiteral("Es fehlen noch %1 Einträge!").arg(leer));
        edt[ersteLeere]->setFocus();
        prueft_ = false;
        return;
    }
    // Every row must be judged before the page moves on; a box still open
    // holds an entry that was refused or waits for its second attempt.
    for (int i = 1; i <= 5; ++i) {
        if (!ZeileFertig(i)) {
            edt[i]->setFocus();
            return;
        }
    }
    for (int i = 1; i <= 5; ++i) {
        TRationalAufgabe& a = RationalAufgaben[i];
        a.Ergebnis.clear();
        a.Angezeigt = a.Richtig = a.ZweimalFalsch = false;
    }
    ZeilenZuruecksetzen();
    SeiteFuellenR();
    grpEinfach->setEnabled(true);
    ++AktDurchgangR;
    lblDurchgang->setText(QStringLiteral("%1 / %2").arg(AktDurchgangR).arg(MaxDurchgaengeR));
    AnzVersucheR = 0;
    lblAktVersuche->setText(QStringLiteral("0"));
    PunkteR = 0;
    lblAktPunkte->setText(Punktzahl(PunkteR));
    edt[1]->setFocus();
    pntZahlen->update();
}

void TfrmRationalUebung::edtExit(RationalAntwortFeld* feld)
{
    if (prueft_ || feld->text().isEmpty() || feld->isHidden())
        return;
    const int i = feld->Zeile();
    TRationalAufgabe& a = RationalAufgaben[i];
    if (!a.Angezeigt || a.Richtig || a.ZweimalFalsch)
        return; // nothing to judge on this row

    prueft_ = true;
    grpEinfach->setEnabled(false);
    const bool vereinfacht = RationalVereinfacht;
    a.Ergebnis = TrimTrailingZeros(a.Ergebnis);
    const UrteilR urteil = PruefeEingabeR(feld->text(), a.Ergebnis, vereinfacht);
    EingabenR[i] = urteil.eingabe;
    if (urteil.formatFehler != 0) {
        // Refused: nothing is counted and the attempt is not used up.
        PlaneNacharbeit(i, urteil.formatFehler);
        prueft_ = false;
        return;
    }
    a.Ergebnis = urteil.erwartet;

    if (!urteil.richtig && VersuchR[i] == 1) {
        SetzeBild(img[i], Bild::Falsch);
        SetzeBild(imgZ1[i], Bild::MarkeFalsch);
        ZeigeUrteil(QStringLiteral("Deine Eingabe ist leider falsch!\rÜberprüfe deine Eingabe und versuche es "
                                   "noch einmal."),
                    false);
        VersuchR[i] = 2;
        ++AnzVersucheGesamtR;
        ++AnzVersucheR;
        lblAktVersuche->setText(QString::number(AnzVersucheR));
        PlaneNacharbeit(i, 0); // the second attempt in the same box
        prueft_ = false;
        return;
    }
    if (!urteil.richtig) {
        SetzeBild(imgZ2[i], Bild::MarkeFalsch);
        ZeigeUrteil(QStringLiteral("Deine Eingabe ist leider wieder falsch!\rDas Ergebnis lautet ") + urteil.erwartet
                        + QStringLiteral("!\rVergleiche das Ergebnis mit deiner Eingabe und überlege, warum du den "
                                         "Fehler begangen hast!"),
                    false);
        a.Richtig = false;
        a.ZweimalFalsch = true;
    } else {
        const bool ersterVersuch = VersuchR[i] == 1;
        SetzeBild(img[i], ersterVersuch ? Bild::RichtigErster : Bild::RichtigZweiter);
        SetzeBild(ersterVersuch ? imgZ1[i] : imgZ2[i], Bild::MarkeRichtig);
        const float punkte = ersterVersuch ? 1.0f : 0.5f;
        PunkteR += punkte;
        PunkteGesamtR += punkte;
        ZeigeUrteil(ersterVersuch ? QStringLiteral("Bravo, deine Eingabe ist richtig!")
                                  : QStringLiteral("Beim zweiten Versuch ist deine Eingabe richtig!"),
                    true);
        a.Richtig = true;
    }
    VersuchR[i] = 1;

    // Final judgement of the row.
    feld->hide();
    ++AnzVersucheR;
    lblAktVersuche->setText(QString::number(AnzVersucheR));
    ++AnzVersucheGesamtR;
    lblAktPunkte->setText(Punktzahl(PunkteR));
    bool alleVoll = true;
    for (int k = 1; k <= 5; ++k)
        alleVoll = alleVoll && ZeileFertig(k);
    if (AktDurchgangR >= MaxDurchgaengeR && alleVoll) {
        btnAuswertung->show();
        btnWeiter->hide();
    }
    pntZahlen->update();
    prueft_ = false;
}

void TfrmRationalUebung::PlaneNacharbeit(int zeile, int formatFehler)
{
    nacharbeit_ = {true, zeile, formatFehler};
    QTimer::singleShot(0, this, [this] { ErledigeNacharbeit(); });
}

bool TfrmRationalUebung::ErledigeNacharbeit()
{
    if (!nacharbeit_.aktiv)
        return false;
    const auto arbeit = nacharbeit_;
    nacharbeit_ = {};
    prueft_ = true; // the message box and the focus return judge nothing
    if (isVisible()) {
        if (arbeit.formatFehler != 0)
            Meldung(this, FormatMeldungR(arbeit.formatFehler));
        if (edt[arbeit.zeile]->isVisible())
            edt[arbeit.zeile]->setFocus();
    }
    prueft_ = false;
    return true;
}

void TfrmRationalUebung::btnAuswertungClick()
{
    if (frmAuswertung)
        frmAuswertung->Auswerten(PunkteGesamtR, AnzVersucheGesamtR);
    NeuerDrill();
    btnWeiter->show();
    btnAuswertung->hide();
    SeiteLeerenR();
    SeiteFuellenR();
    lblAktPunkte->setText(Punktzahl(0));
    ZeigeAnleitung();
    edt[1]->setFocus();
    pntZahlen->update();
}

void TfrmRationalUebung::edtKeyUp()
{
    CapsLockAus();
}

void TfrmRationalUebung::edtChange()
{
    ZeigeAnleitung();
}

TfrmRationalUebung::~TfrmRationalUebung() = default;

void TfrmRationalUebung::SetzeQuelle(std::unique_ptr<Aufgabenquelle> quelle)
{
    quelle_ = std::move(quelle);
}

void TfrmRationalUebung::menSchliessenClick()
{
    switch (art_.bildschirm) {
    case RationalBildschirm::AddSub: StufeRationalAdd = StufeRationalSub = 0; break;
    case RationalBildschirm::MultDiv: StufeRationalMult = StufeRationalDiv = 0; break;
    case RationalBildschirm::Gem: StufeRationalGem = 0; break;
    }
    close();
}
