#include "worksheet/BlattSatz.h"

#include "core/Canvas.h"
#include "core/Markup.h"
#include "rational/Bruchsatz.h"
#include "rational/KSys.h"
#include "rational/RationalAnzeige.h"
#include "rational/RationalTermBauer.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include <cmath>

namespace {

// The screens' sizes: integer terms 18 pt, fraction terms 20 pt; on paper
// they are scaled down together with their bars and brackets.
constexpr int GanzGroesse = 18;
constexpr int BruchGroesse = 20;
constexpr double GanzMassstab = 0.75;
constexpr double BruchMassstab = 0.7;

constexpr int NummerBreite = 34;    // "12)" before the term
constexpr int KastenAbstand = 10;   // between " =" and the answer box
constexpr int KastenBreite = 110;
constexpr int ErgebnisAbstand = 8;  // between " =" and the result
constexpr int KopfHoehe = 122;      // head of the first exercise page
constexpr int LoesungKopfHoehe = 80;
constexpr int FussHoehe = 24;

const QColor Schwarz(0, 0, 0);
const QColor Grau(90, 90, 90);
const QColor Loesungsfarbe(0, 0, 170);

int ZeilenHoehe(const BlattAuswahl& a, const BlattAufgabe& b)
{
    if (a.bereich == Zahlenbereich::Ganz || !b.istBruch)
        return 42;
    return 56;
}

// The left edge of the terms and the room they have before the box.
constexpr int TermLinks = BlattRand + NummerBreite;
constexpr int TermRaum = BlattBreite - BlattRand - TermLinks - KastenAbstand - KastenBreite;

// One exercise made ready for painting: how it is typeset and how wide it is
// at screen size.
struct Satz {
    bool bruch = false;   // a fraction term (shape)
    bool dezimal = false; // a decimal term in the fraction screens' text
                          // (else an integer line of the markup renderer)
    int form = 0;
    BruchTeile teile;
    QString text; // integer line or decimal term with " ="
    int breite = 0; // screen pixels
    double massstab = 1;
};

Satz Setze(Canvas& canvas, const BlattAuswahl& a, const BlattAufgabe& b)
{
    Satz s;
    if (a.bereich == Zahlenbereich::Ganz) {
        s.text = b.anzeige;
        s.breite = MarkupWidth(canvas, s.text, GanzGroesse, true);
        s.massstab = GanzMassstab;
    } else if (b.istBruch) {
        s.bruch = true;
        s.form = BruchzeileLesen(RationalBildschirmFuerArt(a.art), a.vereinfacht, b.term, b.sonderdarstellung,
                                 b.form, s.teile);
        const float welt = TermShapeWidth(s.form, canvas, Operanden(s.teile), Operatoren(s.teile), 'J', 'L',
                                          BruchGroesse);
        s.breite = int(std::ceil(welt * float(KSys().scaleX)));
        s.massstab = BruchMassstab;
    } else {
        s.dezimal = true;
        s.text = b.anzeige + ClosingText;
        s.breite = TermTextWidth(canvas, s.text, BruchGroesse);
        s.massstab = BruchMassstab;
    }
    // A term too long for the line is set smaller rather than cut.
    if (s.breite * s.massstab > TermRaum)
        s.massstab = double(TermRaum) / s.breite;
    return s;
}

// Paints the term with its left end at x and its middle (the fraction bars)
// at y, in page pixels; returns its right end in page pixels.
int MaleTerm(Canvas& canvas, const Satz& s, int x, int y)
{
    QPainter& p = canvas.Painter();
    p.save();
    p.translate(x, y);
    p.scale(s.massstab, s.massstab);
    if (s.bruch) {
        // World (0, 0) of the screens' system lies at pixel (500, 350).
        const TKSys& k = KSys();
        p.translate(-k.originX, -k.originY);
        PaintTermShape(s.form, canvas, Operanden(s.teile), Operatoren(s.teile), 'J', 'L', 0, 0, BruchGroesse,
                       Schwarz);
    } else if (s.dezimal) {
        const TKSys& k = KSys();
        p.translate(-k.originX, -k.originY);
        PaintTermText(canvas, s.text.trimmed(), BruchGroesse, 0, 0.2f, 'L', 'M');
    } else {
        DrawPlainRun(canvas, s.text, 0, -canvas.TextHeight(s.text) / 2, Schwarz, GanzGroesse, true);
    }
    p.restore();
    return x + int(std::ceil(s.breite * s.massstab));
}

void MaleErgebnis(Canvas& canvas, const BlattAuswahl& a, const BlattAufgabe& b, double massstab, int x, int y)
{
    QPainter& p = canvas.Painter();
    p.save();
    p.translate(x, y);
    p.scale(massstab, massstab);
    if (a.bereich == Zahlenbereich::Ganz) {
        canvas.SetFontSize(GanzGroesse);
        canvas.SetFontBold(true);
        DrawPlainRun(canvas, b.loesung, 0, -canvas.TextHeight(b.loesung) / 2, Loesungsfarbe, GanzGroesse, true);
    } else {
        const TKSys& k = KSys();
        p.translate(-k.originX, -k.originY);
        ErgebnisTeile teile;
        ZerlegeErgebnis(b.ergebnis, teile);
        if (teile.IstBruch) {
            const QString vorzeichen =
                a.vereinfacht && teile.Vorzeichen == QLatin1String("+") ? QString() : teile.Vorzeichen;
            PaintLeadOperand(canvas, vorzeichen, teile.Zaehler, teile.Nenner, 0, 0, BruchGroesse, Loesungsfarbe,
                             'L');
        } else {
            PaintTermTextColored(canvas, b.loesung, BruchGroesse, 0, 0.2f, Loesungsfarbe, 'L', 'M');
        }
    }
    p.restore();
}

void Text(Canvas& canvas, const QString& text, int x, int y, int groesse, bool fett, const QColor& farbe)
{
    canvas.SetBrushStyle(Canvas::BrushStyle::Clear);
    canvas.SetFontSize(groesse);
    canvas.SetFontBold(fett);
    canvas.SetFontColor(farbe);
    canvas.TextOut(x, y, text);
}

void Linie(Canvas& canvas, int x1, int y, int x2, const QColor& farbe)
{
    canvas.SetPenStyle(Canvas::PenStyle::Solid);
    canvas.SetPenWidth(1);
    canvas.SetPenColor(farbe);
    canvas.MoveTo(x1, y);
    canvas.LineTo(x2, y);
}

// Breaks the text into lines no wider than breite at the canvas font.
QStringList Umbrechen(Canvas& canvas, const QString& text, int breite)
{
    QStringList zeilen;
    QString zeile;
    for (const QString& wort : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString probe = zeile.isEmpty() ? wort : zeile + u' ' + wort;
        if (!zeile.isEmpty() && canvas.TextWidth(probe) > breite) {
            zeilen << zeile;
            zeile = wort;
        } else {
            zeile = probe;
        }
    }
    if (!zeile.isEmpty())
        zeilen << zeile;
    return zeilen;
}

// A bold title with the group at the right; a long title is set smaller
// until both fit on the line.
void Titelzeile(Canvas& canvas, const QString& titel, const QString& gruppe, int y)
{
    const int rechts = BlattBreite - BlattRand;
    int groesse = 16;
    canvas.SetFontBold(true);
    for (; groesse > 10; --groesse) {
        canvas.SetFontSize(groesse);
        const int platz = gruppe.isEmpty() ? 0 : canvas.TextWidth(gruppe) + 24;
        if (canvas.TextWidth(titel) + platz <= rechts - BlattRand)
            break;
    }
    Text(canvas, titel, BlattRand, y + (16 - groesse), groesse, true, Schwarz);
    if (!gruppe.isEmpty())
        Text(canvas, gruppe, rechts - canvas.TextWidth(gruppe), y + (16 - groesse), groesse, true, Schwarz);
}

void MaleKopf(Canvas& canvas, const BlattAuswahl& a, const BlattSeite& seite)
{
    const int x = BlattRand;
    const int rechts = BlattBreite - BlattRand;
    int y = seite.kopf.top();
    if (seite.kopf.height() == 0)
        return; // a continuation page
    const QString gruppe = GruppenName(a, seite.gruppe);
    if (seite.loesungen) {
        Titelzeile(canvas, QStringLiteral("Lösungen"), gruppe, y);
        Text(canvas, BlattTitel(a), x, y + 32, 11, false, Schwarz);
        Linie(canvas, x, seite.kopf.bottom() - 8, rechts, Grau);
        return;
    }
    // Name, class and date lines for the pupil.
    struct Feld {
        const char* text;
        int links;
        int ende;
    };
    const Feld felder[3] = {{"Name:", x, x + 330}, {"Klasse:", x + 350, x + 490}, {"Datum:", x + 510, rechts}};
    for (const Feld& f : felder) {
        const QString text = QString::fromUtf8(f.text);
        Text(canvas, text, f.links, y, 11, false, Schwarz);
        Linie(canvas, f.links + canvas.TextWidth(text) + 6, y + 16, f.ende, Schwarz);
    }
    y += 40;
    Titelzeile(canvas, BlattTitel(a), gruppe, y);
    y += 34;
    canvas.SetFontSize(11);
    canvas.SetFontBold(false);
    for (const QString& zeile : Umbrechen(canvas, BlattAnleitung(a), rechts - x)) {
        Text(canvas, zeile, x, y, 11, false, Schwarz);
        y += 18;
    }
}

void MaleFuss(Canvas& canvas, const BlattAuswahl& a, const BlattSeite& seite)
{
    Linie(canvas, BlattRand, seite.fuss.top(), BlattBreite - BlattRand, Grau);
    Text(canvas, BlattFuss(a, seite.gruppe, seite.seiteInGruppe, seite.seitenInGruppe), BlattRand,
         seite.fuss.top() + 6, 8, false, Grau);
}

void MaleSeite(Canvas& canvas, const BlattAuswahl& a, const QList<BlattAufgabe>& aufgaben, const BlattSeite& seite)
{
    MaleKopf(canvas, a, seite);
    // The answer boxes of a page stand in one column after its longest term.
    int spalte = 0;
    for (const int n : seite.nummern) {
        const Satz s = Setze(canvas, a, aufgaben[n]);
        spalte = qMax(spalte, TermLinks + int(std::ceil(s.breite * s.massstab)));
    }
    for (int k = 0; k < seite.nummern.size(); ++k) {
        const int n = seite.nummern[k];
        const QRect& band = seite.zeilen[k];
        const int mitte = band.center().y();
        const QString nummer = QStringLiteral("%1)").arg(n + 1);
        canvas.SetFontSize(12);
        canvas.SetFontBold(true);
        Text(canvas, nummer, BlattRand, mitte - canvas.TextHeight(nummer) / 2, 12, true, Schwarz);
        const Satz s = Setze(canvas, a, aufgaben[n]);
        const int ende = MaleTerm(canvas, s, TermLinks, mitte);
        if (seite.loesungen) {
            MaleErgebnis(canvas, a, aufgaben[n], s.massstab, ende + ErgebnisAbstand, mitte);
        } else {
            // The box for the answer, as high as the band allows.
            const int hoehe = band.height() - 12;
            canvas.SetBrushStyle(Canvas::BrushStyle::Clear);
            canvas.SetPenStyle(Canvas::PenStyle::Solid);
            canvas.SetPenWidth(1);
            canvas.SetPenColor(Schwarz);
            Q_UNUSED(ende);
            canvas.Rectangle(spalte + KastenAbstand, mitte - hoehe / 2, spalte + KastenAbstand + KastenBreite,
                             mitte + hoehe / 2);
        }
    }
    MaleFuss(canvas, a, seite);
}

} // namespace

QList<QList<BlattAufgabe>> BlattGruppen(const BlattAuswahl& auswahl)
{
    QList<QList<BlattAufgabe>> gruppen;
    for (int g = 0; g < qMax(1, auswahl.gruppen); ++g)
        gruppen << ZieheBlattAufgaben(auswahl, g, auswahl.anzahl);
    return gruppen;
}

QList<BlattSeite> BlattPlan(const BlattAuswahl& a, const QList<QList<BlattAufgabe>>& gruppen)
{
    QList<BlattSeite> plan;
    const QRect fuss(BlattRand, BlattHoehe - BlattRand - FussHoehe, BlattBreite - 2 * BlattRand, FussHoehe);
    for (int g = 0; g < gruppen.size(); ++g) {
        const QList<BlattAufgabe>& aufgaben = gruppen[g];
        const int ersteSeite = plan.size();
        for (const bool loesungen : {false, true}) {
            int n = 0;
            bool erste = true;
            while (n < aufgaben.size() || erste) {
                BlattSeite seite;
                seite.gruppe = g;
                seite.loesungen = loesungen;
                seite.fuss = fuss;
                // Every solutions page says what it is; a sheet's later pages
                // carry only exercises.
                const int kopf = loesungen ? LoesungKopfHoehe : erste ? KopfHoehe : 0;
                seite.kopf = QRect(BlattRand, BlattRand, BlattBreite - 2 * BlattRand, kopf);
                int y = BlattRand + kopf;
                while (n < aufgaben.size()) {
                    const int h = ZeilenHoehe(a, aufgaben[n]);
                    if (y + h > fuss.top() - 4 && !seite.nummern.isEmpty())
                        break;
                    seite.nummern << n;
                    seite.zeilen << QRect(BlattRand, y, BlattBreite - 2 * BlattRand, h);
                    y += h;
                    ++n;
                }
                plan << seite;
                erste = false;
            }
        }
        for (int k = ersteSeite; k < plan.size(); ++k) {
            plan[k].seiteInGruppe = k - ersteSeite + 1;
            plan[k].seitenInGruppe = int(plan.size()) - ersteSeite;
        }
    }
    return plan;
}

bool ZeichneArbeitsblatt(QPagedPaintDevice& geraet, const BlattAuswahl& auswahl, QString* fehler)
{
    const QString falsch = BlattAuswahlFehler(auswahl);
    if (!falsch.isEmpty()) {
        if (fehler)
            *fehler = falsch;
        return false;
    }
    const QList<QList<BlattAufgabe>> gruppen = BlattGruppen(auswahl);
    const QList<BlattSeite> plan = BlattPlan(auswahl, gruppen);
    // The fraction painters map through the process's coordinate system; the
    // screens' system is used here and the one in force is put back.
    const TKSys vorher = KSys();
    SetKSys(RationalKSys());
    {
        Canvas canvas(geraet);
        if (!canvas.Painter().isActive()) {
            SetKSys(vorher);
            if (fehler)
                *fehler = QStringLiteral("Das Blatt kann nicht gezeichnet werden.");
            return false;
        }
        for (int k = 0; k < plan.size(); ++k) {
            if (k > 0)
                geraet.newPage();
            MaleSeite(canvas, auswahl, gruppen[plan[k].gruppe], plan[k]);
        }
    }
    SetKSys(vorher);
    return true;
}

namespace {

bool SchreibePdf(QIODevice& ziel, const BlattAuswahl& auswahl, QString* fehler)
{
    QPdfWriter writer(&ziel);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setTitle(BlattTitel(auswahl));
    writer.setCreator(QStringLiteral("Minusland"));
    return ZeichneArbeitsblatt(writer, auswahl, fehler);
}

} // namespace

QByteArray ArbeitsblattPdf(const BlattAuswahl& auswahl)
{
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    if (!SchreibePdf(puffer, auswahl, nullptr))
        return {};
    puffer.close();
    return daten;
}

bool SpeichereArbeitsblatt(const QString& datei, const BlattAuswahl& auswahl, QString* fehler)
{
    const QString falsch = BlattAuswahlFehler(auswahl);
    if (!falsch.isEmpty()) {
        if (fehler)
            *fehler = falsch;
        return false;
    }
    // Made in memory first: a failure while painting never touches the file.
    const QByteArray pdf = ArbeitsblattPdf(auswahl);
    QSaveFile datei_(datei);
    if (pdf.isEmpty() || !datei_.open(QIODevice::WriteOnly) || datei_.write(pdf) != pdf.size() || !datei_.commit()) {
        if (fehler)
            *fehler = QStringLiteral("%1 kann nicht geschrieben werden: %2")
                          .arg(datei, pdf.isEmpty() ? QStringLiteral("das Blatt ist leer") : datei_.errorString());
        datei_.cancelWriting();
        return false;
    }
    return true;
}
