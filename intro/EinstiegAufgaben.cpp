#include "intro/EinstiegAufgaben.h"

#include "core/NumberHelpers.h"
#include "core/Random.h"

#include <algorithm>
#include <cstdlib>

namespace {

// -(1 … n) and -(0 … n).
int Negativ1(int n)
{
    return -(1 + Random(n));
}
int Negativ0(int n)
{
    return -Random(n + 1);
}

bool ThermoPasst(const TThermoAufgabe& t)
{
    return std::abs(t.StartTemp) - std::abs(t.EndTemp) >= 7 && t.StartTemp != t.EndTemp;
}

TThermoAufgabe Thermo(int start, int end)
{
    return {start, end, end - start};
}

// Both numbers -25 … 25 in one of three sign patterns, again while a + b = 0.
void ZieheGanzesPaar(int variante, int& a, int& b)
{
    do {
        switch (variante) {
        case 0:
            a = Negativ0(25);
            b = Random(26);
            break;
        case 1:
            a = Random(26);
            b = Negativ0(25);
            break;
        default:
            a = Negativ0(25);
            b = Negativ0(25);
            break;
        }
    } while (a + b == 0);
}

// Numerator 1 … 11 with a random sign, denominator 2 … 10.
void ZieheBruch(int& num, int& den)
{
    den = 2 + Random(9);
    num = 1 + Random(11);
    if (Random(2) == 1)
        num = -num;
}

bool Gekuerzt(int num, int den)
{
    return Gcd(std::abs(num), den) == 1;
}

// Sign of p/q - r/s for positive denominators, exactly.
QChar BruchRelation(long long p, long long q, long long r, long long s)
{
    return Relation(p * s, r * q);
}

TBruchPaar MitTexten(TBruchPaar b)
{
    b.leftText = BruchText(b.leftNum, b.leftDen);
    b.rightText = BruchText(b.rightNum, b.rightDen);
    return b;
}

} // namespace

// ---------------------------------------------------------------- thermometer

TThermoAufgabe ZieheEinstiegThermometer()
{
    const int s = Random(99);
    TThermoAufgabe t;
    do {
        if (s < 33)
            t = Thermo(Random(51), Negativ1(20));
        else if (s < 66)
            t = Thermo(Negativ1(20), Random(51));
        else
            t = Thermo(Negativ0(20), Negativ0(20));
    } while (!ThermoPasst(t));
    return t;
}

TThermoAufgabe ZieheMusterThermometer()
{
    const int v = 1 + Random(100);
    TThermoAufgabe t;
    do {
        if (v <= 25)
            t = Thermo(Random(51), Random(51));
        else if (v <= 50)
            t = Thermo(Random(51), Negativ1(20));
        else if (v <= 75)
            t = Thermo(Negativ1(20), Random(51));
        else
            t = Thermo(Negativ0(20), Negativ0(20));
    } while (!ThermoPasst(t));
    return t;
}

// ---------------------------------------------------------------- number line

TZahlengerade ZieheZahlengerade()
{
    static constexpr int Einheiten[] = {1, 2, 5, 10, 20, 25};
    TZahlengerade g;
    int negative = 0;
    do {
        g.LineMode = 1 + Random(2);
        const int anzahl = g.LineMode == 1 ? 25 : 13;
        const int mitte = (anzahl + 1) / 2;
        g.LineUnit = Einheiten[Random(6)];
        g.RefStep = 1 + Random(g.LineMode == 1 ? 10 : 5);

        bool belegt[26] = {};
        belegt[mitte] = true;
        belegt[mitte - g.RefStep] = true;
        belegt[mitte + g.RefStep] = true;
        int gewaehlt[5];
        for (int& stelle : gewaehlt) {
            do
                stelle = 1 + Random(anzahl);
            while (belegt[stelle]);
            belegt[stelle] = true;
        }
        std::sort(std::begin(gewaehlt), std::end(gewaehlt));
        negative = 0;
        for (int i = 1; i <= 5; ++i) {
            g.Positions[i] = gewaehlt[i - 1] - mitte;
            if (g.Positions[i] < 0)
                ++negative;
        }
    } while (negative != 3);
    return g;
}

int KlickWert(const TZahlengerade& g, int n)
{
    const int schritt = n - 13;
    return g.LineMode == 1 ? schritt * g.LineUnit : schritt * g.LineUnit / 2;
}

// ------------------------------------------------------- ordering, abs. value

QChar Relation(long long left, long long right)
{
    if (left < right)
        return u'<';
    if (left > right)
        return u'>';
    return u'=';
}

TPaar ZieheOrdnenPaar()
{
    TPaar p;
    const int s = Random(99);
    ZieheGanzesPaar(s < 33 ? 0 : s < 66 ? 1 : 2, p.a, p.b);
    p.relation = Relation(p.a, p.b);
    return p;
}

TPaar ZieheBetragPaar()
{
    TPaar p;
    const int s = Random(100);
    if (s < 75) {
        ZieheGanzesPaar(s / 25, p.a, p.b);
    } else if (s < 88) {
        p.a = 1 + Random(25);
        p.b = -p.a;
    } else {
        p.b = 1 + Random(25);
        p.a = -p.b;
    }
    const int t = Random(100);
    p.absA = t < 75;
    p.absB = t < 50 || t >= 75;
    p.relation = Relation(p.absA ? std::abs(p.a) : p.a, p.absB ? std::abs(p.b) : p.b);
    return p;
}

QString PaarZahlText(int value, bool absolute)
{
    const QString zahl = Vorzeichenzahl(value);
    return absolute ? u'|' + zahl + u'|' : zahl;
}

// --------------------------------------------------------- fraction pairs

QString BruchText(int num, int den)
{
    const QString bruch = QStringLiteral("{%1/%2}").arg(std::abs(num)).arg(den);
    return Cut(num < 0 ? EnDash + bruch : bruch, 10);
}

TBruchPaar ZieheBruchOrdnen()
{
    TBruchPaar b;
    do {
        ZieheBruch(b.leftNum, b.leftDen);
        ZieheBruch(b.rightNum, b.rightDen);
    } while (b.leftNum == b.rightNum || b.leftDen == b.rightDen || !Gekuerzt(b.leftNum, b.leftDen)
             || !Gekuerzt(b.rightNum, b.rightDen));
    // Different denominators in lowest terms: the values cannot be equal.
    b.relation = BruchRelation(b.leftNum, b.leftDen, b.rightNum, b.rightDen);
    return MitTexten(b);
}

TBruchPaar ZieheBruchBetrag()
{
    TBruchPaar b;
    do {
        ZieheBruch(b.leftNum, b.leftDen);
        ZieheBruch(b.rightNum, b.rightDen);
    } while (!Gekuerzt(b.leftNum, b.leftDen) || !Gekuerzt(b.rightNum, b.rightDen)
             || (b.leftNum == b.rightNum && b.leftDen == b.rightDen));
    const int t = Random(100);
    b.absLeft = t < 75;
    b.absRight = t < 50 || t >= 75;
    const int p = b.absLeft ? std::abs(b.leftNum) : b.leftNum;
    const int r = b.absRight ? std::abs(b.rightNum) : b.rightNum;
    b.relation = BruchRelation(p, b.leftDen, r, b.rightDen);
    return MitTexten(b);
}

float BetragsHalbbreite(const QString& termText)
{
    const int n = int(termText.size());
    if (termText.startsWith(EnDash))
        return n <= 6 ? 0.7f : n == 7 ? 0.8f : 0.95f;
    return n <= 5 ? 0.5f : 0.6f;
}

QString BruchLinear(const QString& termText, bool absolute)
{
    QString t = termText;
    t.remove(u'{').remove(u'}');
    return absolute ? u'|' + t + u'|' : t;
}

// ------------------------------------------------------------- money example

TGeldBeispiel ZieheGeldBeispiel(bool subtraktion)
{
    static constexpr int Betraege[] = {20, 50, 100, 200};
    TGeldBeispiel g;
    g.Subtraktion = subtraktion;
    int summe = 0;
    for (int i = 1; i <= 8; ++i) {
        const bool schuld = Random(2) == 1;
        const int betrag = Betraege[Random(4)];
        g.Amounts[i] = schuld ? -betrag : betrag;
        summe += g.Amounts[i];
    }
    g.Balance[1] = subtraktion ? summe : 0;
    for (int i = 1; i <= 8; ++i)
        g.Balance[i + 1] = subtraktion ? g.Balance[i] - g.Amounts[i] : g.Balance[i] + g.Amounts[i];
    return g;
}

// ------------------------------------------------------------- number texts

QString Vorzeichenzahl(int value)
{
    return value == 0 ? QStringLiteral("0") : WithSign(QString::number(value));
}

QString Minuszahl(int value)
{
    return ShowMinus(QString::number(value));
}

bool ZahlAusEingabe(const QString& text, int& value)
{
    const QString plain = PlainMinus(text);
    // Only a leading sign and digits: QString::toInt would also accept
    // surrounding blanks and a "+" that the key filter never lets through.
    const int start = plain.startsWith(u'-') ? 1 : 0;
    if (plain.size() <= start)
        return false;
    for (int i = start; i < plain.size(); ++i)
        if (!plain[i].isDigit() || plain[i].unicode() > '9')
            return false;
    bool ok = false;
    const int v = plain.toInt(&ok);
    if (ok)
        value = v;
    return ok;
}

// ------------------------------------------------------------------ judging

void TAuswertung::Clear()
{
    for (int i = 1; i <= 5; ++i) {
        Right[i] = false;
        Wrong[i] = false;
        Attempt[i] = 1;
    }
    RightCount = 0;
    WrongCount = 0;
    AnsweredCount = 0;
}

TUrteil TAuswertung::Judge(int item, bool correct)
{
    const bool zweiter = Attempt[item] >= 2;
    if (correct) {
        Right[item] = true;
        ++RightCount;
        ++AnsweredCount;
        Attempt[item] = 1;
        return Letztes[item] = zweiter ? TUrteil::RichtigZweit : TUrteil::RichtigErst;
    }
    ++WrongCount;
    if (!zweiter) {
        Attempt[item] = 2;
        return Letztes[item] = TUrteil::FalschErst;
    }
    Wrong[item] = true;
    ++AnsweredCount;
    Attempt[item] = 1;
    return Letztes[item] = TUrteil::FalschZweit;
}

namespace {
QString Wort(bool auswahl)
{
    return auswahl ? QStringLiteral("Auswahl") : QStringLiteral("Eingabe");
}
} // namespace

QString MeldungRichtig(TUrteil u, bool auswahl)
{
    if (u == TUrteil::RichtigZweit)
        return QStringLiteral("Beim zweiten Versuch ist deine %1 richtig!").arg(Wort(auswahl));
    return QStringLiteral("Bravo deine %1 ist richtig!").arg(Wort(auswahl));
}

QString MeldungFalschErst(bool auswahl)
{
    return QStringLiteral("Deine %1 ist leider falsch!\nÜberprüfe deine %1 und versuche es noch einmal.")
        .arg(Wort(auswahl));
}

QString MeldungFalschZweitLoesung(const QString& loesung, const QString& einheit, bool auswahl)
{
    return QStringLiteral("Deine ") + Wort(auswahl)
           + QStringLiteral(" ist leider wieder falsch! Das Ergebnis lautet ") + loesung + einheit
           + QStringLiteral("!\nVergleiche das Ergebnis mit deiner ") + Wort(auswahl)
           + QStringLiteral(" und überlege, warum du den Fehler begangen hast!");
}

QString MeldungFalschZweitZeichen(const QString& eingabe)
{
    return QStringLiteral("Deine Eingabe \"") + eingabe
           + QStringLiteral("\" ist leider wieder falsch!\nVergleiche das Ergebnis mit deiner Eingabe "
                            "und überlege, warum du den Fehler begangen hast!");
}
