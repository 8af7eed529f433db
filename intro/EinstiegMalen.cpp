#include "intro/EinstiegMalen.h"

#include "core/Markup.h"
#include "core/NumberHelpers.h"
#include "core/Thermometer.h"
#include "core/WorldWindow.h"

#include <QStringList>

#include <algorithm>
#include <cstdlib>

namespace {

const QColor Schwarz(0, 0, 0);
const QColor Rot(255, 0, 0);
const QColor Blau(0, 0, 255);
const QColor Dunkelrot(128, 0, 0);

void Links(Canvas& c, const QString& t, const QColor& f, float x, float y, int size)
{
    PaintTextLeft(c, t, f, x, y, size, true);
}
void Mitte(Canvas& c, const QString& t, const QColor& f, float x, float y, int size)
{
    PaintTextCentred(c, t, f, x, y, size, true);
}
void Rechts(Canvas& c, const QString& t, const QColor& f, float x, float y, int size)
{
    PaintTextRight(c, t, f, x, y, size, true);
}
void Linie(Canvas& c, int pen, const QColor& f, float x1, float y1, float x2, float y2)
{
    WorldLine(c, pen, f, x1, y1, x2, y2, LineSolid);
}

// Vertical arrow of pen 3 at x from one level to another, head at the second.
void PfeilZu(Canvas& c, const QColor& f, float x, float von, float nach)
{
    if (nach < von)
        ArrowV(c, 3, f, x, von, nach, 'U');
    else
        ArrowV(c, 3, f, x, nach, von, 'O');
}

// The number line of both overview pages: values x/2 at the even places,
// "<" between them.
void UebersichtsGerade(Canvas& c)
{
    Linie(c, 3, Schwarz, -12, 3, 12, 3);
    for (int x = -12; x <= 12; ++x) {
        if (x % 2 != 0) {
            Mitte(c, QStringLiteral("<"), Schwarz, x, 2.7f, 12);
            continue;
        }
        Linie(c, 2, Schwarz, x, 2.8f, x, 3.2f);
        const int wert = x / 2;
        const QColor farbe = wert < 0 ? Rot : wert > 0 ? Blau : Schwarz;
        Mitte(c, Minuszahl(wert), farbe, x, 2.7f, 12);
    }
    Mitte(c, QStringLiteral("positive ganze Zahlen"), Blau, 6, 2, 12);
    Mitte(c, QStringLiteral("negative ganze Zahlen"), Rot, -6, 2, 12);
}

// ------------------------------------------------ beside a thermometer

// One line of 12-point text in world units, with a little air.
constexpr float Zeile = 0.55f;

// Pixel box of the scale label at k tens of a thermometer whose labels stand
// centred at labelX (as the thermometer figure paints them).
QRect Skalenschrift(Canvas& c, float labelX, int k)
{
    const QString label = k < 0 ? EnDash + QString::number(-10 * k) : QString::number(10 * k);
    const int breite = MarkupWidth(c, label, 12, true); // also sets the label font
    const QPoint p = WorldToScreen(labelX, k + 0.25f);
    return QRect(p.x() - breite / 2, p.y(), breite, c.TextHeight(label));
}

// A horizontal line (heads 'N') or arrow (heads as ArrowH) of pen 3 at level
// y from x1 to x2 (x1 < x2). Where it would run through a scale label of the
// thermometer whose labels stand at labelX, it breaks off and goes on behind
// the label, so the number stays readable.
void QuerNebenSkala(Canvas& c, const QColor& f, float x1, float x2, float y, char heads, float labelX)
{
    const int py = WorldToScreen(0, y).y();
    const float proPixel = 1.0f / float(WorldToScreen(1, 0).x() - WorldToScreen(0, 0).x());
    const float x0 = float(WorldToScreen(0, 0).x());
    for (int k = -2; k <= 5; ++k) {
        const QRect box = Skalenschrift(c, labelX, k).adjusted(-5, -3, 5, 3);
        const float links = (box.left() - x0) * proPixel, rechts = (box.right() + 1 - x0) * proPixel;
        if (py < box.top() || py > box.bottom() || rechts <= x1 || links >= x2)
            continue;
        const bool kopfLinks = heads == 'L' || heads == 'B', kopfRechts = heads == 'R' || heads == 'B';
        if (links > x1)
            ArrowH(c, 3, f, x1, links, y, kopfLinks ? 'L' : 'N');
        if (rechts < x2)
            ArrowH(c, 3, f, rechts, x2, y, kopfRechts ? 'R' : 'N');
        return;
    }
    ArrowH(c, 3, f, x1, x2, y, heads);
}

// Where the reading of an entered temperature is drawn: at its level on the
// scale (-20 … 50 °C); beyond the scale at its end.
float Anzeigehoehe(int grad)
{
    return std::clamp(grad, -20, 50) / 10.0f;
}

// Height of a text that belongs to level `hoehe` but must keep a line away
// from another text at level `belegt`: pushed away from it on its own side.
float Abgerueckt(float hoehe, float belegt, bool oberhalb)
{
    return oberhalb ? std::max(hoehe, belegt + Zeile) : std::min(hoehe, belegt - Zeile);
}

void Auswertungszeile(Canvas& c, const TAuswertung& a)
{
    const TTallyTexte t = TallyTexte(a);
    Rechts(c, t.Versuche, Schwarz, -3, 8.3f, 14);
    Mitte(c, t.Richtig, Blau, 0, 8.3f, 14);
    Links(c, t.Falsch, Rot, 3, 8.3f, 14);
}

// The relation of a finished row: blue when right, red when wrong twice.
void Loesungszeichen(Canvas& c, const TAuswertung& a, int i, QChar relation, float y)
{
    if (a.Right[i])
        Mitte(c, QString(relation), Blau, 0, y, 18);
    else if (a.Wrong[i])
        Mitte(c, QString(relation), Rot, 0, y, 18);
}

// ------------------------------------------------------ integer introduction

void GanzUebersicht(Canvas& c)
{
    Links(c, QStringLiteral("Menge der ganze Zahlen"), ColourGreen, -12, 9, 14);
    PaintEmphLeft(c,
                  QStringLiteral("Die Menge der ganzen Zahlen enthält neben den negativen und den positiven "
                                 "Zahlen auch die #Zahl Null#."),
                  Schwarz, Rot, -12, 7, 12, true);
    Links(c, QStringLiteral("Zahlengerade"), ColourGreen, -12, 5, 14);
    UebersichtsGerade(c);
    Links(c, QStringLiteral("Menge der positiven und negativen ganzen Zahlen"), ColourGreen, -12, 0, 14);
    Links(c, QStringLiteral("Rechnen mit ganzen Zahlen"), ColourGreen, -12, -4, 14);
    PaintEmphCentred(c, QStringLiteral("3 #–# 5 = #–#2"), Schwarz, Rot, 0.5f, -5, 20, true);
    Rechts(c, QStringLiteral("Rechenzeichen"), Rot, -1, -7, 12);
    Links(c, QStringLiteral("Vorzeichen"), Rot, 1, -7, 12);
    Linie(c, 3, Rot, -2.5f, -6.8f, -1.1f, -5.8f);
    Linie(c, 3, Rot, 2.1f, -6.8f, 0.7f, -5.8f);
}

void GanzThermometer(Canvas& c, const TGanzEinstieg& e)
{
    const TThermoAufgabe& t = e.Thermo;
    PaintEmphCentred(c, e.Frage(), Schwarz, t.TempChange <= 0 ? Blau : Rot, 0, 9, 14, true);
    const float start = t.StartTemp / 10.0f;
    const float ende = t.EndTemp / 10.0f;
    Thermometer(c, Schwarz, ColourLightGrey, 0, 0, start, ColourPink, 2, 'L', true);
    ArrowH(c, 3, ColourPink, 1, 3, start, 'L');
    Links(c, Minuszahl(t.StartTemp) + QStringLiteral("°C"), ColourPink, 3.5f, start + 0.2f, 12);

    const TAuswertung& a = e.Auswertung;
    if (!a.Right[1] && !a.Wrong[1])
        return;
    const float eingabe = Anzeigehoehe(e.Entered);
    ArrowH(c, 3, Blau, 1, 3, eingabe, 'L');
    if (e.Entered > 50 || e.Entered < -20) {
        // Off the scale: the reading stands at its end, pointing on beyond it.
        const bool oben = e.Entered > 50;
        ArrowV(c, 3, Blau, 2, oben ? eingabe + 0.8f : eingabe, oben ? eingabe : eingabe - 0.8f,
               oben ? 'O' : 'U');
    }
    // The lines cross the scale column on the left.
    QuerNebenSkala(c, ColourPink, -4, -1, start, 'N', -2);
    QuerNebenSkala(c, Blau, -4, -1, ende, 'N', -2);
    // The arrow shows the real change, also when the answer was wrong.
    PfeilZu(c, Schwarz, -3, start, ende);
    const QString betrag = QString::number(std::abs(t.TempChange));
    const QString aenderung = t.TempChange < 0
                                  ? QStringLiteral("um ") + betrag + QStringLiteral("°C gefallen (") + EnDash
                                        + betrag + QStringLiteral("°C)")
                                  : QStringLiteral("um ") + betrag + QStringLiteral("°C gestiegen (+") + betrag
                                        + QStringLiteral("°C)");
    float aenderungY = (t.StartTemp + t.EndTemp) / 20.0f + 0.25f;
    // The entered value keeps a line away from the start value beside it.
    const float eingabeText = Abgerueckt(eingabe, start, e.Entered >= t.StartTemp) + 0.2f;
    if (a.Right[1]) {
        Links(c, TempText(e.Entered) + QStringLiteral("°C"), Blau, 3.5f, eingabeText, 12);
    } else {
        Links(c, TempText(e.Entered) + QStringLiteral("°C (falsch)"), Rot, 3.5f, eingabeText, 12);
        Rechts(c, TempText(t.EndTemp) + QStringLiteral("°C"), Blau, -5, ende + 0.2f, 12);
        // The correct value stands at the end level on the same side; for a
        // small change the text of the change keeps a line's distance from it.
        aenderungY = Abgerueckt(aenderungY, ende + 0.2f, t.TempChange <= 0);
    }
    Rechts(c, aenderung, Schwarz, -5, aenderungY, 12);
}

void GanzGerade(Canvas& c, const TGanzEinstieg& e)
{
    const TZahlengerade& g = e.Zahlen;
    const TAuswertung& a = e.Auswertung;
    Mitte(c, e.Frage(), Schwarz, 0, 9, 14);
    Linie(c, 3, Schwarz, -12, 0, 12, 0);
    for (int x = -12; x <= 12; x += g.LineMode)
        Linie(c, 2, Schwarz, x, -0.2f, x, 0.2f);
    Mitte(c, QStringLiteral("0"), Schwarz, 0, -0.3f, 14);
    const int k = g.RefStep;
    Mitte(c, Vorzeichenzahl(-k * g.LineUnit), Schwarz, -k * g.LineMode, -0.3f, 12);
    Mitte(c, Vorzeichenzahl(k * g.LineUnit), Schwarz, k * g.LineMode, -0.3f, 12);
    if (!e.TaskActive)
        return;

    const bool klicken = e.Klickvariante();
    QStringList liste;
    for (int i = 1; i <= 5; ++i) {
        const float x = float(g.Positions[i] * g.LineMode);
        const QString wert = Vorzeichenzahl(ErwarteterWert(g, i));
        // The number asked next stands out in the list.
        liste << (klicken && i == e.ClickIndex && !e.Fertig() ? u'#' + wert + u'#' : wert);
        if (a.Right[i]) {
            Cross(c, Blau, x, 0, 0.15f);
            if (!klicken)
                Mitte(c, wert, ColourCornflower, x, -0.3f, 12);
        } else if (a.Wrong[i]) {
            Cross(c, Rot, x, 0, 0.15f);
            Mitte(c, wert, Rot, x, -0.3f, 12);
        } else if (!klicken) {
            Cross(c, ColourOrange, x, 0, 0.15f);
        }
    }
    if (klicken)
        PaintEmphCentred(c, QStringLiteral("{ ") + liste.join(QStringLiteral(", ")) + QStringLiteral(" }"), Blau,
                         Schwarz, 0, 5, 18, true);
}

void GanzZeichen(Canvas& c, const TGanzEinstieg& e)
{
    PaintEmphCentred(c, e.Frage(), Schwarz, Rot, 0, 9, 14, true);
    const bool betrag = e.IntroPage == TGanzEinstieg::Betrag;
    for (int i = 1; i <= 5; ++i) {
        const TPaar& p = e.Pairs[i];
        const float y = 6.5f - 2 * i;
        Rechts(c, PaarZahlText(p.a, betrag && p.absA), Schwarz, -3.5f, y, 16);
        Rechts(c, PaarZahlText(p.b, betrag && p.absB), Schwarz, 4, y, 16);
        Loesungszeichen(c, e.Auswertung, i, p.relation, y);
    }
}

} // namespace

void SetIntroWorldWindow()
{
    SetWorldWindow(0, 1000, 0, 700, -12.5f, 12.5f, -9, 9);
}

void PaintGanzEinstieg(Canvas& canvas, const TGanzEinstieg& e)
{
    switch (e.IntroPage) {
    case TGanzEinstieg::Uebersicht:
        GanzUebersicht(canvas);
        return;
    case TGanzEinstieg::Temperatur:
        GanzThermometer(canvas, e);
        return;
    case TGanzEinstieg::Gerade:
        GanzGerade(canvas, e);
        break;
    default:
        GanzZeichen(canvas, e);
        break;
    }
    if (e.TallyShown)
        Auswertungszeile(canvas, e.Auswertung);
}

// ------------------------------------------------------- rational introduction

void PaintRationalEinstieg(Canvas& c, const TRationalEinstieg& e)
{
    if (e.IntroPage == TRationalEinstieg::Uebersicht) {
        Links(c, QStringLiteral("Menge der rationalen Zahlen"), ColourGreen, -12, 9, 14);
        PaintEmphLeft(c,
                      QStringLiteral("Die Menge der rationalen Zahlen enthält neben den ganzen Zahlen auch "
                                     "#Bruch–# bzw. #Dezimalzahlen#, die als Bruch dargestellt"),
                      Schwarz, Rot, -12, 7, 12, true);
        PaintEmphLeft(c, QStringLiteral("werden können."), Schwarz, Rot, -12, 6.5f, 12, true);
        Links(c, QStringLiteral("Zahlengerade"), ColourGreen, -12, 5, 14);
        UebersichtsGerade(c);
        PaintTermLeft(c, QStringLiteral("-4{1/3}"), ColourBrown, -9.25f, 3.8f, 12);
        PaintTermLeft(c, QStringLiteral("-{3/2}"), ColourBrown, -3.5f, 3.8f, 12);
        PaintTermLeft(c, QStringLiteral("3{1/10}"), ColourBrown, 5.8f, 3.8f, 12);
        Mitte(c, QStringLiteral("0,6"), ColourBrown, 1.2f, 4, 12);
        for (const float x : {-8.67f, -3.0f, 1.2f, 6.2f})
            Linie(c, 2, ColourBrown, x, 2.8f, x, 3.2f);
        Links(c, QStringLiteral("Menge der rationalen Zahlen"), ColourGreen, -12, 0, 14);
        Links(c, QStringLiteral("Rechnen mit rationalen Zahlen"), ColourGreen, -12, -4, 14);
        PaintTermLeft(c, QStringLiteral("{1/5}"), Schwarz, -2, -5.3f, 18);
        PaintTermLeft(c, QStringLiteral("{1/3}"), Schwarz, -0.5f, -5.3f, 18);
        PaintTermLeft(c, QStringLiteral("{2/15}"), Schwarz, 1.6f, -5.3f, 18);
        Mitte(c, QString(EnDash), Rot, -1.1f, -4.9f, 20);
        Mitte(c, QStringLiteral("="), Schwarz, 0.5f, -4.9f, 20);
        Mitte(c, QString(EnDash), Rot, 1.2f, -4.9f, 20);
        Rechts(c, QStringLiteral("Rechenzeichen"), Rot, -1, -7, 12);
        Links(c, QStringLiteral("Vorzeichen"), Rot, 1.5f, -7, 12);
        Linie(c, 3, Rot, -2, -6.8f, -1.1f, -5.8f);
        Linie(c, 3, Rot, 2.2f, -6.8f, 1.3f, -5.8f);
        return;
    }

    const bool betrag = e.IntroPage == TRationalEinstieg::Betrag;
    PaintEmphCentred(c,
                     betrag ? QStringLiteral("Setze das Zeichen #<# und #># bzw. #=# so ein, dass die "
                                             "Größenbeziehung stimmt!")
                            : QStringLiteral("Setze das Zeichen #<# bzw. #># so ein, dass die Größenbeziehung "
                                             "stimmt!"),
                     Schwarz, Rot, 0, 9, 14, true);
    for (int i = 1; i <= 5; ++i) {
        const TBruchPaar& p = e.FractionPairs[i];
        const float y = 7.0f - 2 * i;
        PaintTermCentred(c, p.leftText, Schwarz, -4, y, 20);
        PaintTermCentred(c, p.rightText, Schwarz, 4, y, 20);
        if (betrag) {
            const auto striche = [&](const QString& text, float mitte) {
                const float h = BetragsHalbbreite(text);
                Linie(c, 3, Schwarz, mitte - h, y - 0.7f, mitte - h, y + 0.7f);
                Linie(c, 3, Schwarz, mitte + h, y - 0.7f, mitte + h, y + 0.7f);
            };
            if (p.absLeft)
                striche(p.leftText, -4);
            if (p.absRight)
                striche(p.rightText, 4);
        }
        Loesungszeichen(c, e.Auswertung, i, p.relation, 7.3f - 2 * i);
    }
    if (e.TallyShown)
        Auswertungszeile(c, e.Auswertung);
}

// ------------------------------------------------------------ worked examples

void Voucher(Canvas& c, int amount, float cx, float cy)
{
    CentredBox(c, 1, Schwarz, cx, cy, 5, 1.5f, ColourLightGrey, true);
    Mitte(c, amount <= 0 ? QStringLiteral("Schuldschein") : QStringLiteral("Gutschein"), Schwarz, cx, cy + 0.75f, 14);
    Mitte(c, Minuszahl(amount) + QStringLiteral("€"), amount < 0 ? Rot : Blau, cx, cy, 14);
}

namespace {

QString Operation(const TGanzMuster& m)
{
    return m.Subtraktion ? QStringLiteral("Subtraktion ganzer Zahlen") : QStringLiteral("Addition ganzer Zahlen");
}

void MusterThermometer(Canvas& c, const TGanzMuster& m)
{
    const TThermoAufgabe& t = m.Thermo;
    const float start = t.StartTemp / 10.0f;
    const float ende = t.EndTemp / 10.0f;
    Mitte(c, QStringLiteral("Thermometer"), ColourBrown, 0, 9, 14);
    if (m.Subtraktion)
        Mitte(c, QStringLiteral("Berechnung der Differenz: Endwert minus Anfangswert"), Schwarz, 0, 7.5f, 14);

    Thermometer(c, Schwarz, ColourLightGrey, -4, 0, start, ColourPink, 2, 'L', true);
    QuerNebenSkala(c, ColourPink, -8, -5, start, 'R', -6);
    Rechts(c, TempText(t.StartTemp) + QStringLiteral("°C"), ColourPink, -8.3f, start + 0.2f, 12);
    Linie(c, 3, ColourPink, -2.3f, start, 2.3f, start);

    Thermometer(c, Schwarz, ColourLightGrey, 4, 0, ende, ColourCornflower, 2, 'R', true);
    QuerNebenSkala(c, Blau, 5, 8, ende, 'L', 6);
    Links(c, TempText(t.EndTemp) + QStringLiteral("°C"), Blau, 8.3f, ende + 0.2f, 12);
    Linie(c, 3, Blau, -2.3f, ende, 2.3f, ende);

    PfeilZu(c, Schwarz, 0, start, ende);
    const QString betrag = QString::number(std::abs(t.TempChange));
    if (t.EndTemp < t.StartTemp)
        Mitte(c, QStringLiteral("um ") + betrag + QStringLiteral("°C gefallen"), Schwarz, 0, start + 1, 12);
    else
        Mitte(c, QStringLiteral("um ") + betrag + QStringLiteral("°C gestiegen"), Schwarz, 0, ende + 1, 12);
    Links(c, TempText(t.TempChange) + QStringLiteral("°C"), Schwarz, 0.3f,
          (t.StartTemp + t.EndTemp) / 20.0f + 0.22f, 12);

    Mitte(c, Operation(m), ColourBrown, 0, -5, 14);
    PaintEmph3(c, m.ThermoGleichung(), Schwarz, m.Subtraktion ? Blau : ColourPink,
               m.Subtraktion ? ColourPink : Blau, 1, -6, 24, true, true);
}

void MusterGeld(Canvas& c, const TGanzMuster& m)
{
    Mitte(c, QStringLiteral("Geldgeschäfte"), ColourBrown, -8, 9, 14);
    Mitte(c, Operation(m), ColourBrown, 1, 9, 14);
    Mitte(c, QStringLiteral("Merkregel"), ColourBrown, 9, 9, 14);

    for (int i = 1; i <= 8; ++i) {
        const float cy = 9.0f - 2 * i;
        if (!m.Subtraktion && m.Step < i)
            break;
        Voucher(c, m.Konto.Amounts[i], -8, cy);
        // Subtracting a note takes it away: it is struck through.
        if (m.Subtraktion && i <= m.Step) {
            Linie(c, 3, Dunkelrot, -10.5f, cy + 0.5f, -5.5f, cy - 0.5f);
            Linie(c, 3, Dunkelrot, -10.5f, cy - 0.5f, -5.5f, cy + 0.5f);
        }
    }

    if (m.Step == 0)
        Mitte(c, m.Startzeile(), Schwarz, 1.3f, 7.5f, 20);
    for (int i = 1; i <= m.Step; ++i) {
        const float y = 9.5f - 2 * i;
        const QColor betont = m.Konto.Amounts[i] < 0 ? Rot : Blau;
        PaintEmphCentred(c, m.Rechenzeile(i), Schwarz, betont, 1.3f, y, 20, true);
        PaintEmphLeft(c, m.Merkregel(i), Schwarz, betont, 7, y, 20, true);
    }

    const int stand = m.Kontostand();
    const QColor farbe = stand > 0 ? Blau : stand < 0 ? Rot : Schwarz;
    const TKontozeile zeile = Kontozeile(stand);
    Links(c, zeile.Titel, farbe, -10.6f, -8, 16);
    Rechts(c, zeile.Betrag, farbe, -5.4f, -8, 16);
}

} // namespace

void PaintGanzMuster(Canvas& canvas, const TGanzMuster& m)
{
    if (m.Geld)
        MusterGeld(canvas, m);
    else
        MusterThermometer(canvas, m);
}
