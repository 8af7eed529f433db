#include "intro/EinstiegZustand.h"

#include "core/NumberHelpers.h"
#include "core/Random.h"
#include "speech/Sprechtext.h"

#include <QStringList>

#include <cstdlib>

namespace {

const QString AnleitungThermo = QStringLiteral("Trage die Endtemperatur und drücke die Enter-Taste!");
const QString AnleitungTippen = QStringLiteral(
    "Gib die jeweiligen Zahlen nacheinander ein.\nDrücke die Enter-Taste oder klicke nach der Eingabe "
    "mit der Maus ins nächste Feld!");
const QString AnleitungKlicken =
    QStringLiteral("Klicke mit der Maus die jeweiligen Zahlen in der angegebenen Reihenfolge an.");

// Judges one item; the text for a second wrong answer depends on the page.
TAntwort Urteilen(TAuswertung& auswertung, int item, bool correct, bool auswahl, const QString& zweitFalsch)
{
    TAntwort a;
    a.Urteil = auswertung.Judge(item, correct);
    switch (a.Urteil) {
    case TUrteil::RichtigErst:
    case TUrteil::RichtigZweit:
        a.Meldung = MeldungRichtig(a.Urteil, auswahl);
        break;
    case TUrteil::FalschErst:
        a.Meldung = MeldungFalschErst(auswahl);
        break;
    case TUrteil::FalschZweit:
        a.Meldung = zweitFalsch;
        break;
    }
    return a;
}

QString Teilstriche(int n)
{
    return n == 1 ? QStringLiteral("1 Teilstrich") : QStringLiteral("%1 Teilstriche").arg(n);
}

QString TeilstricheGesprochen(int n)
{
    return n == 1 ? QStringLiteral("ein Teilstrich") : Zahlwort(n) + QStringLiteral(" Teilstriche");
}

// The question for a relation sign between two spoken terms.
QString ZeichenFrage(const QString& links, const QString& rechts, bool gleich)
{
    return QStringLiteral("Welches Zeichen gehört zwischen ") + SprichTerm(links) + QStringLiteral(" und ")
           + SprichTerm(rechts) + (gleich ? QStringLiteral("? Kleiner als, größer als oder gleich.")
                                          : QStringLiteral("? Kleiner als oder größer als."));
}

} // namespace

TAntwort BewerteZeichen(TAuswertung& auswertung, int item, const QString& text, QChar relation)
{
    return Urteilen(auswertung, item, text == QString(relation), false, MeldungFalschZweitZeichen(text));
}

Bewertungsstand ItemBewertung(const TAuswertung& a, int item)
{
    if (a.Right[item])
        return a.Letztes[item] == TUrteil::RichtigZweit ? Bewertungsstand::RichtigZweit : Bewertungsstand::RichtigErst;
    if (a.Wrong[item])
        return Bewertungsstand::FalschZweit;
    return a.Attempt[item] >= 2 ? Bewertungsstand::FalschErst : Bewertungsstand::Offen;
}

QString TempText(int value)
{
    return Vorzeichenzahl(value);
}

QString KlammerWert(int value)
{
    return value == 0 ? QStringLiteral("#0#") : QStringLiteral("(#") + Vorzeichenzahl(value) + QStringLiteral("#)");
}

QString Kontotext(int value)
{
    return Vorzeichenzahl(value);
}

TTallyTexte TallyTexte(const TAuswertung& a)
{
    return {QStringLiteral("Versuche: ") + QString::number(a.Versuche()),
            QStringLiteral("Richtig: %1x").arg(a.RightCount), QStringLiteral("Falsch: %1x").arg(a.WrongCount)};
}

TKontozeile Kontozeile(int stand)
{
    if (stand > 0)
        return {QStringLiteral("Guthaben:"), Kontotext(stand) + QStringLiteral("€")};
    if (stand < 0)
        return {QStringLiteral("Schulden:"), Kontotext(stand) + QStringLiteral("€")};
    return {QStringLiteral("Ausgeglichen:"), QStringLiteral("0€")};
}

// ---------------------------------------------------------- integer introduction

void TGanzEinstieg::Zuruecksetzen()
{
    IntroPage = Uebersicht;
    Subtask = 0;
    Entered = 0;
    Auswertung.Clear();
    ClickIndex = 1;
    TaskActive = false;
    ShowSolution = false;
    TallyShown = false;
    for (bool& g : zielGefunden_)
        g = false;
}

void TGanzEinstieg::Starte(int page)
{
    Zuruecksetzen();
    IntroPage = page;
    switch (page) {
    case Temperatur:
        Subtask = 1 + Random(99);
        Thermo = ZieheEinstiegThermometer();
        break;
    case Gerade:
        Zahlen = ZieheZahlengerade();
        Subtask = 1 + Random(100);
        TaskActive = true;
        break;
    case Ordnen:
        for (TPaar& p : Pairs)
            p = ZieheOrdnenPaar();
        break;
    case Betrag:
        for (TPaar& p : Pairs)
            p = ZieheBetragPaar();
        break;
    default:
        IntroPage = Uebersicht;
        break;
    }
}

int TGanzEinstieg::Felder() const
{
    switch (IntroPage) {
    case Temperatur:
        return 1;
    case Gerade:
        return Klickvariante() ? 0 : 5;
    case Ordnen:
    case Betrag:
        return 5;
    default:
        return 0;
    }
}

bool TGanzEinstieg::FeldOffen(int item) const
{
    return item >= 1 && item <= Felder() && Auswertung.Offen(item);
}

bool TGanzEinstieg::ZielSichtbar(int n) const
{
    return Klickvariante() && !Fertig() && KlickZielSichtbar(Zahlen.LineMode, n) && !zielGefunden_[n];
}

bool TGanzEinstieg::Fertig() const
{
    if (IntroPage == Uebersicht)
        return true;
    return Auswertung.AnsweredCount >= (IntroPage == Temperatur ? 1 : 5);
}

QString TGanzEinstieg::Anleitung() const
{
    switch (IntroPage) {
    case Temperatur:
        return AnleitungThermo;
    case Gerade:
        return Klickvariante() ? AnleitungKlicken : AnleitungTippen;
    case Ordnen:
    case Betrag:
        return TextZeichenAnleitung;
    default:
        return {};
    }
}

QString TGanzEinstieg::Frage() const
{
    switch (IntroPage) {
    case Temperatur:
        return QStringLiteral("Welche Temperatur zeigt das Termometer nach einer ")
               + (Thermo.TempChange <= 0 ? QStringLiteral("#Temperaturabnahme#") : QStringLiteral("#Temperaturzunahme#"))
               + QStringLiteral(" um ") + QString::number(std::abs(Thermo.TempChange)) + QStringLiteral("°C an?");
    case Gerade:
        return Klickvariante()
                   ? QStringLiteral("An welcher Stelle am Zahlenstrahl befinden sich die angegebenen Zahlen?")
                   : QStringLiteral("Welche ganzen Zahlen sind auf der Zahlengeraden markiert?");
    case Ordnen:
    case Betrag:
        return QStringLiteral("Setze das Zeichen #<# und #># bzw. #=# so ein, dass die Größenbeziehung stimmt!");
    default:
        return {};
    }
}

QString TGanzEinstieg::Beschreibung(int item) const
{
    switch (IntroPage) {
    case Temperatur:
        return RemoveChar(Frage(), u'#') + QStringLiteral(" Anfangstemperatur: ") + TempText(Thermo.StartTemp)
               + QStringLiteral("°C. Endtemperatur:");
    case Gerade: {
        const int k = Zahlen.RefStep;
        const int p = Zahlen.Positions[item];
        return QStringLiteral("Zahlengerade: 0 in der Mitte, %1 und %2 je %3 von 0 entfernt. "
                              "Markierung %4 von 5 liegt %5 %6 von 0. Welche Zahl ist das?")
            .arg(Vorzeichenzahl(-k * Zahlen.LineUnit), Vorzeichenzahl(k * Zahlen.LineUnit), Teilstriche(k))
            .arg(item)
            .arg(Teilstriche(std::abs(p)), p < 0 ? QStringLiteral("links") : QStringLiteral("rechts"));
    }
    case Ordnen:
    case Betrag: {
        const TPaar& p = Pairs[item];
        return PaarZahlText(p.a, p.absA) + QStringLiteral(" ? ") + PaarZahlText(p.b, p.absB)
               + QStringLiteral(" (<, > oder =)");
    }
    default:
        return {};
    }
}

QString TGanzEinstieg::GesprocheneBeschreibung(int item) const
{
    switch (IntroPage) {
    case Temperatur:
        return SprichTerm(Frage()) + QStringLiteral(" Anfangstemperatur ") + SprichTerm(TempText(Thermo.StartTemp))
               + QStringLiteral(" Grad Celsius. Wie lautet die Endtemperatur?");
    case Gerade: {
        const int k = Zahlen.RefStep;
        const int p = Zahlen.Positions[item];
        return QStringLiteral("Zahlengerade mit null in der Mitte, %1 und %2 je %3 von null entfernt. "
                              "Markierung %4 von fünf liegt %5 %6 von null. Welche Zahl ist das?")
            .arg(SprichTerm(Vorzeichenzahl(-k * Zahlen.LineUnit)), SprichTerm(Vorzeichenzahl(k * Zahlen.LineUnit)),
                 TeilstricheGesprochen(k), Zahlwort(item), TeilstricheGesprochen(std::abs(p)),
                 p < 0 ? QStringLiteral("links") : QStringLiteral("rechts"));
    }
    case Ordnen:
    case Betrag: {
        const TPaar& p = Pairs[item];
        return ZeichenFrage(PaarZahlText(p.a, p.absA), PaarZahlText(p.b, p.absB), true);
    }
    default:
        return {};
    }
}

QString TGanzEinstieg::GesuchteZahl() const
{
    if (!Klickvariante() || Fertig())
        return {};
    return QStringLiteral("Gesucht ist die Zahl %1, Zahl %2 von fünf.")
        .arg(SprichTerm(Vorzeichenzahl(ErwarteterWert(Zahlen, ClickIndex))), Zahlwort(ClickIndex));
}

QString TGanzEinstieg::Markierungen() const
{
    QStringList teile;
    for (int i = 1; i <= 5; ++i)
        if (Auswertung.Beurteilt(i))
            teile << SprichTerm(Vorzeichenzahl(ErwarteterWert(Zahlen, i))) + u' '
                         + BewertungsName(ItemBewertung(Auswertung, i));
    return teile.join(QStringLiteral(", "));
}

TAntwort TGanzEinstieg::Eingabe(int item, const QString& text)
{
    TAntwort a;
    if (IntroPage == Ordnen || IntroPage == Betrag) {
        a = BewerteZeichen(Auswertung, item, text, Pairs[item].relation);
    } else {
        int wert = 0;
        if (!ZahlAusEingabe(text, wert)) {
            a.Eingabefehler = true;
            a.Meldung = TextFehlerEingabe;
            return a;
        }
        Entered = wert;
        const bool thermo = IntroPage == Temperatur;
        const int erwartet = thermo ? Thermo.EndTemp : ErwarteterWert(Zahlen, item);
        a = Urteilen(Auswertung, item, wert == erwartet, false,
                     MeldungFalschZweitLoesung(Minuszahl(erwartet), thermo ? QStringLiteral("°C") : QString(), false));
    }
    // The thermometer has one item and no tally.
    if (IntroPage != Temperatur && Fertig())
        TallyShown = true;
    return a;
}

TAntwort TGanzEinstieg::Klick(int n)
{
    const int wert = KlickWert(Zahlen, n);
    const int erwartet = ErwarteterWert(Zahlen, ClickIndex);
    Entered = wert;
    TAntwort a = Urteilen(Auswertung, ClickIndex, wert == erwartet, true,
                          MeldungFalschZweitLoesung(Minuszahl(erwartet), QString(), true));
    if (a.Richtig()) {
        ShowSolution = false;
        zielGefunden_[n] = true;
    } else if (a.Urteil == TUrteil::FalschZweit) {
        ShowSolution = true;
    }
    if (a.Abgeschlossen() && ClickIndex < 5)
        ++ClickIndex;
    if (Fertig())
        TallyShown = true;
    return a;
}

// --------------------------------------------------------- rational introduction

void TRationalEinstieg::Zuruecksetzen()
{
    IntroPage = Uebersicht;
    Auswertung.Clear();
    TallyShown = false;
}

void TRationalEinstieg::Starte(int page)
{
    Zuruecksetzen();
    IntroPage = page == Betrag ? Betrag : Ordnen;
    for (TBruchPaar& p : FractionPairs)
        p = IntroPage == Betrag ? ZieheBruchBetrag() : ZieheBruchOrdnen();
}

bool TRationalEinstieg::FeldOffen(int item) const
{
    return IntroPage != Uebersicht && item >= 1 && item <= 5 && Auswertung.Offen(item);
}

QString TRationalEinstieg::Beschreibung(int item) const
{
    if (IntroPage == Uebersicht)
        return {};
    const TBruchPaar& p = FractionPairs[item];
    return BruchLinear(p.leftText, p.absLeft) + QStringLiteral(" ? ") + BruchLinear(p.rightText, p.absRight)
           + (GleichErlaubt() ? QStringLiteral(" (<, > oder =)") : QStringLiteral(" (< oder >)"));
}

QString TRationalEinstieg::GesprocheneBeschreibung(int item) const
{
    if (IntroPage == Uebersicht)
        return {};
    const TBruchPaar& p = FractionPairs[item];
    return ZeichenFrage(BruchLinear(p.leftText, p.absLeft), BruchLinear(p.rightText, p.absRight), GleichErlaubt());
}

TAntwort TRationalEinstieg::Eingabe(int item, const QString& text)
{
    TAntwort a = BewerteZeichen(Auswertung, item, text, FractionPairs[item].relation);
    if (Fertig())
        TallyShown = true;
    return a;
}

// ------------------------------------------------------------- worked examples

void TGanzMuster::Oeffne(bool subtraktion)
{
    Subtraktion = subtraktion;
    Geld = false;
    Thermo = ZieheMusterThermometer();
    Konto = ZieheGeldBeispiel(Subtraktion);
    Step = 0;
}

void TGanzMuster::ZeigeThermometer()
{
    Geld = false;
    Thermo = ZieheMusterThermometer();
}

void TGanzMuster::ZeigeGeld()
{
    Geld = true;
    Thermo = ZieheMusterThermometer();
    Konto = ZieheGeldBeispiel(Subtraktion);
    Step = 0;
}

void TGanzMuster::Weiter()
{
    if (Step < 8)
        ++Step;
}

void TGanzMuster::NochEinmal()
{
    Thermo = ZieheMusterThermometer();
    if (Geld) {
        Konto = ZieheGeldBeispiel(Subtraktion);
        Step = 0;
    }
}

QString TGanzMuster::Titel() const
{
    return Subtraktion ? QStringLiteral("Rechnen mit ganzen Zahlen: Musterbeispiele (Subtraktion)")
                       : QStringLiteral("Rechnen mit ganzen Zahlen: Musterbeispiele (Addition)");
}

QString TGanzMuster::Rechenzeile(int i) const
{
    const QString betrag = QStringLiteral(" (#") + Kontotext(Konto.Amounts[i]) + QStringLiteral("#) = ")
                           + Kontotext(Konto.Balance[i + 1]);
    if (!Subtraktion)
        return Kontotext(Konto.Balance[i]) + QStringLiteral(" +") + betrag;
    const QString vorher = i == 1 ? u'(' + Kontotext(Konto.Balance[1]) + u')' : Kontotext(Konto.Balance[i]);
    return vorher + u' ' + EnDash + betrag;
}

QString TGanzMuster::Merkregel(int i) const
{
    const bool schuld = Konto.Amounts[i] < 0;
    if (!Subtraktion)
        return schuld ? QStringLiteral("+ vor #–# gibt –") : QStringLiteral("+ vor #+# gibt +");
    return schuld ? QStringLiteral("– vor #–# gibt +") : QStringLiteral("– vor #+# gibt –");
}

QString TGanzMuster::ThermoGleichung() const
{
    const QString aenderung = u'(' + Vorzeichenzahl(Thermo.TempChange) + u')';
    if (!Subtraktion)
        return KlammerWert(Thermo.StartTemp) + QStringLiteral(" + ") + aenderung + QStringLiteral(" = ")
               + KlammerWert(Thermo.EndTemp);
    return KlammerWert(Thermo.EndTemp) + u' ' + EnDash + u' ' + KlammerWert(Thermo.StartTemp)
           + QStringLiteral(" = ") + aenderung;
}

QString TGanzMuster::Startzeile() const
{
    return QStringLiteral("Das Startkapital beträgt: ") + Minuszahl(Konto.Balance[1]) + QStringLiteral("€");
}
