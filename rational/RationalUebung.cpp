#include "rational/RationalUebung.h"

#include "core/AntwortFeld.h"
#include "core/Canvas.h"
#include "core/KeyboardState.h"
#include "core/NumberHelpers.h"
#include "core/PaintBox.h"
#include "rational/Bruchsatz.h"
#include "rational/RationalPruefung.h"
#include "rational/RationalQuelle.h"
#include "rational/RationalSpeicher.h"

#include <QRadioButton>

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

const DrillZaehler RationalZaehler{&AnzVersucheR, &AnzVersucheGesamtR, &PunkteR, &PunkteGesamtR, &AktDurchgangR,
                                   &MaxDurchgaengeR};


} // namespace

QString RationalTitel(int stufe)
{
    return QStringLiteral("Rationale Zahlen: Stufe %1").arg(stufe);
}

// ---- Screen ---------------------------------------------------------------------

TfrmRationalUebung::TfrmRationalUebung(const RationalUebungsArt& art, QWidget* parent)
    : TDrillRahmen(art.formName, Zahlenbereich::Rational, RationalZaehler, {art.edtLinks, KastenBreite}, parent),
      art_(art)
{
    setWindowTitle(QStringLiteral("Rationale Zahlen"));
    for (int i = 1; i <= 5; ++i) {
        edt[i]->resize(KastenBreite, KastenHoehe);
        connect(edt[i], &TAntwortFeld::TasteLos, this, &TfrmRationalUebung::edtKeyUp);
    }
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

void TfrmRationalUebung::Einrichten()
{
    InitTermPalette();
    SetKSys(TKSys(-25, 25, -20, 20, 0, 1000, 0, 700));
}

QString TfrmRationalUebung::Titel() const
{
    return Stufe() > 0 ? RationalTitel(Stufe()) : QStringLiteral("Rationale Zahlen");
}

bool TfrmRationalUebung::Vereinfacht() const
{
    return RationalVereinfacht;
}

void TfrmRationalUebung::SetzeVereinfacht(bool vereinfacht)
{
    RationalVereinfacht = vereinfacht;
    (vereinfacht ? rbVereinfacht : rbMitVorzeichen)->setChecked(true);
}

std::unique_ptr<Aufgabenquelle> TfrmRationalUebung::Katalogquelle() const
{
    return RationalKatalogquelle();
}

void TfrmRationalUebung::ZeilenFreigeben()
{
    for (int i = 1; i <= 5; ++i) {
        TRationalAufgabe& a = RationalAufgaben[i];
        a.Ergebnis.clear();
        a.Angezeigt = a.Richtig = a.ZweimalFalsch = false;
        EingabenR[i].clear();
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
        EingabenR[i].clear();
    }
    ZeilenZuruecksetzen();
    SetzeVereinfacht(false);
}

void TfrmRationalUebung::ZeileEinrichten(int i, bool gefuellt)
{
    // Without an open drill nothing is built and the page stays empty.
    if (!gefuellt)
        return;
    RationalAufgaben[i].Angezeigt = true;
    ZeileSetzen(i);
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
    edt[i]->SetzeZeichen(a.IstBruch ? Antwortzeichen::Bruch(!vereinfacht) : Antwortzeichen::Dezimal(!vereinfacht));
    BeschreibeFeld(i);
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

bool TfrmRationalUebung::ZeileOffen(int i) const
{
    const TRationalAufgabe& a = RationalAufgaben[i];
    return a.Angezeigt && !a.Richtig && !a.ZweimalFalsch;
}

Bewertung TfrmRationalUebung::Beurteile(int i, const QString& text, int versuch)
{
    TRationalAufgabe& a = RationalAufgaben[i];
    a.Ergebnis = TrimTrailingZeros(a.Ergebnis);
    const Bewertung b = BewerteEingabeR(text, a.Ergebnis, RationalVereinfacht, versuch);
    EingabenR[i] = b.eingabe;
    if (!b.Formatfehler())
        a.Ergebnis = b.erwartet; // compared and shown in the mode's form
    return b;
}

void TfrmRationalUebung::ZeileAbschliessen(int i, const Bewertung& bewertung)
{
    TRationalAufgabe& a = RationalAufgaben[i];
    a.Richtig = bewertung.Richtig();
    a.ZweimalFalsch = !bewertung.Richtig();
}

void TfrmRationalUebung::edtKeyUp()
{
    CapsLockAus();
}

void TfrmRationalUebung::StufenZuruecksetzen()
{
    switch (art_.bildschirm) {
    case RationalBildschirm::AddSub: StufeRationalAdd = StufeRationalSub = 0; break;
    case RationalBildschirm::MultDiv: StufeRationalMult = StufeRationalDiv = 0; break;
    case RationalBildschirm::Gem: StufeRationalGem = 0; break;
    }
}
