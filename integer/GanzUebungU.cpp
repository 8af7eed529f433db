#include "integer/GanzUebungU.h"

#include "core/AntwortFeld.h"
#include "core/Markup.h"
#include "core/NumberHelpers.h"
#include "core/PaintBox.h"
#include "core/WorldWindow.h"
#include "integer/GanzAnzeige.h"
#include "integer/GanzKatalog.h"
#include "integer/GanzPruefung.h"
#include "integer/GanzQuelle.h"
#include "integer/GanzSpeicher.h"

#include <QRegularExpression>

namespace {

constexpr int TermGroesse = 18; // points, bold

// World row of line i.
float ZeilenY(int zeile)
{
    return 11.3f - 5.6f * float(zeile - 1);
}

const DrillZaehler GanzZaehler{&AnzVersuche, &AnzVersucheGesamt, &Punkte, &PunkteGesamt, &AktDurchgang,
                               &MaxDurchgaenge};

} // namespace

// ---------------------------------------------------------------------------
// Texts

QString GanzUebungTitel()
{
    static const char* const arten[9] = {
        "Addition ganzer Zahlen",
        "Subtraktion ganzer Zahlen",
        "Addition+Subtraktion ganzer Zahlen",
        "Subtraktion ganzer Zahlen mit Klammern",
        "Addition+Subtraktion ganzer Zahlen mit Klammern",
        "Addition+Subtraktion ganzer Zahlen mit Beträgen",
        "Multiplikation ganzer Zahlen",
        "Division ganzer Zahlen",
        "Alle Grundrechnugsarten ganzer Zahlen",
    };
    int art = 0;
    int stufe = 0;
    if (!GewaehlteStufeGanz(art, stufe))
        return {};
    return QString::fromUtf8(arten[art - 1]) + QStringLiteral(": Stufe ") + QString::number(stufe);
}

QString GanzUebungUeberschrift()
{
    const int stufe = ArtGanz == 7 ? StufeGanzMult : ArtGanz == 8 ? StufeGanzDiv : 0;
    return GanzUeberschrift(ArtGanz, stufe);
}

QString GanzUebungAnleitung(bool vereinfacht)
{
    const QString ersteZeile = vereinfacht
        ? QStringLiteral("Gib die jeweiligen Zahlen ohne Pluszeichen ein.")
        : QStringLiteral("Gib die jeweiligen Zahlen mit dem entsprechenden Vorzeichen ein.");
    return ersteZeile + u'\n' + QStringLiteral("Drücke die Enter") + EnDash
        + QStringLiteral("Taste oder klicke mit der Maus ins nächste Feld!");
}

// ---------------------------------------------------------------------------
// Form

TfrmGanzUebung::TfrmGanzUebung(QWidget* parent)
    : TDrillRahmen("frmGanzUebung", Zahlenbereich::Ganz, GanzZaehler, {460, 90}, parent)
{
}

void TfrmGanzUebung::Einrichten()
{
    SetWorldWindow(0, 1000, 0, 700, -25, 25, -20, 20);
}

QString TfrmGanzUebung::Titel() const
{
    return GanzUebungTitel();
}

QString TfrmGanzUebung::Anleitung() const
{
    return GanzUebungAnleitung(::Vereinfacht);
}

bool TfrmGanzUebung::Vereinfacht() const
{
    return ::Vereinfacht;
}

void TfrmGanzUebung::SetzeVereinfacht(bool vereinfacht)
{
    ::Vereinfacht = vereinfacht;
    for (int i = 1; i <= 5; ++i)
        edt[i]->SetzeZeichen(Antwortzeichen::Ganzzahl(!vereinfacht));
}

int TfrmGanzUebung::UeblicheSeiten() const
{
    return GewaehlteDurchgaenge >= 1 ? GewaehlteDurchgaenge : 3;
}

std::unique_ptr<Aufgabenquelle> TfrmGanzUebung::Katalogquelle() const
{
    return GanzKatalogquelle();
}

int& TfrmGanzUebung::Versuch(int)
{
    return ::Versuch; // one attempt counter for the whole page
}

void TfrmGanzUebung::StufenZuruecksetzen()
{
    StufenLoeschen();
}

// ---------------------------------------------------------------------------
// Page operations

void TfrmGanzUebung::SeiteLeeren()
{
    for (int i = 1; i <= 5; ++i) {
        TAufgabeGanz& a = AufgabenGanz[i];
        a.Term.clear();
        a.Ergebnis.clear();
        a.TermSichtbar = false;
        a.Geloest = false;
        a.LoesungGezeigt = false;
    }
    ZeilenZuruecksetzen();
}

void TfrmGanzUebung::ZeilenFreigeben()
{
    for (int i = 1; i <= 5; ++i) {
        TAufgabeGanz& a = AufgabenGanz[i];
        a.Geloest = false;
        a.LoesungGezeigt = false;
        a.TermSichtbar = false;
        a.Ergebnis.clear();
    }
}

void TfrmGanzUebung::ZeileEinrichten(int i, bool gefuellt)
{
    TAufgabeGanz& a = AufgabenGanz[i];
    if (gefuellt)
        a.TermSichtbar = true;
    QImage messbild(1, 1, QImage::Format_RGB32);
    Canvas messen(messbild);
    // A line shows its own kind's form: a page of earlier mistakes mixes kinds.
    const int art = Herkunft(i).art > 0 ? Herkunft(i).art : ArtGanz;
    AnzeigeTexte[i] = GanzZeilenText(a.Term, art, ::Vereinfacht);
    a.TermBreite = MarkupWidth(messen, AnzeigeTexte[i], TermGroesse, true);
    a.HalbeBreite = float(a.TermBreite / 2);
    // The box stands 12 pixels after the text (the paint area is 8 pixels in).
    int left = 460;
    if (a.TermSichtbar)
        left = WorldToScreen((float(a.TermBreite) - a.HalbeBreite) / 20, 0).x() + 20;
    edt[i]->move(left, edt[i]->y());
}

QString TfrmGanzUebung::TermAnzeige(int i) const
{
    return AufgabenGanz[i].TermSichtbar ? AnzeigeTexte[i] : QString();
}

// ---------------------------------------------------------------------------
// Judging

bool TfrmGanzUebung::ZeileOffen(int i) const
{
    const TAufgabeGanz& a = AufgabenGanz[i];
    return a.TermSichtbar && !a.Geloest && !a.LoesungGezeigt;
}

Bewertung TfrmGanzUebung::Beurteile(int i, const QString& text, int versuch)
{
    const Bewertung b = PruefeEingabeGanz(text, AufgabenGanz[i].Ergebnis, ::Vereinfacht, versuch);
    Eingaben[i] = b.eingabe;
    return b;
}

void TfrmGanzUebung::ZeileAbschliessen(int i, const Bewertung& bewertung)
{
    TAufgabeGanz& a = AufgabenGanz[i];
    a.Geloest = bewertung.Richtig();
    a.LoesungGezeigt = !bewertung.Richtig();
}

// ---------------------------------------------------------------------------
// Painting

void TfrmGanzUebung::pntZahlenPaint(Canvas& canvas)
{
    SetWorldWindow(0, 1000, 0, 700, -25, 25, -20, 20);
    PaintTextCentred(canvas, GanzUebungUeberschrift(), Qt::black, 0, 19, 16, true);
    for (int i = 1; i <= 5; ++i) {
        const TAufgabeGanz& a = AufgabenGanz[i];
        const float y = ZeilenY(i);
        const float links = -a.HalbeBreite / 20;
        const float dahinter = links + float(a.TermBreite) / 20 + 0.5f;
        if (a.TermSichtbar)
            PaintTextLeft(canvas, AnzeigeTexte[i], Qt::black, links, y, TermGroesse, true);
        if (a.Geloest)
            PaintTextLeft(canvas, ErgebnisAnzeigeGanz(a.Ergebnis, ::Vereinfacht), Qt::blue, dahinter, y, TermGroesse, true);
        if (a.LoesungGezeigt)
            PaintTextLeft(canvas, Eingaben[i], Qt::red, dahinter, y, TermGroesse, true);
    }
}

