#include "speech/Sprechtext.h"

#include <QList>
#include <QStringList>

namespace {

const char* const Einer[20] = {"null",     "eins",     "zwei",     "drei",     "vier",
                               "fünf",     "sechs",    "sieben",   "acht",     "neun",
                               "zehn",     "elf",      "zwölf",    "dreizehn", "vierzehn",
                               "fünfzehn", "sechzehn", "siebzehn", "achtzehn", "neunzehn"};
const char* const Zehner[10] = {"", "", "zwanzig", "dreißig", "vierzig", "fünfzig",
                                "sechzig", "siebzig", "achtzig", "neunzig"};

QString W(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// 1 … 99; "ein" instead of "eins" where a word follows ("einundzwanzig",
// "eintausend" is written "tausend" below).
QString Unter100(int n, bool amEnde)
{
    if (n == 1)
        return amEnde ? W("eins") : W("ein");
    if (n < 20)
        return W(Einer[n]);
    const int e = n % 10;
    const QString zehner = W(Zehner[n / 10]);
    if (e == 0)
        return zehner;
    return (e == 1 ? W("ein") : W(Einer[e])) + QStringLiteral("und") + zehner;
}

// 1 … 999.
QString Unter1000(int n, bool amEnde)
{
    const int h = n / 100;
    const int r = n % 100;
    QString s;
    if (h > 0)
        s = (h == 1 ? QString() : Unter100(h, false)) + QStringLiteral("hundert");
    if (r > 0)
        s += Unter100(r, amEnde);
    return s;
}

// 1 … 999,999 in one word.
QString Unter1Mio(int n, bool amEnde)
{
    const int t = n / 1000;
    const int r = n % 1000;
    QString s;
    if (t > 0)
        s = (t == 1 ? QString() : Unter1000(t, false)) + QStringLiteral("tausend");
    if (r > 0)
        s += Unter1000(r, amEnde);
    return s;
}

QString Gross(QString wort)
{
    if (!wort.isEmpty())
        wort[0] = wort[0].toUpper();
    return wort;
}

// Digits one by one, for the places after the comma and for numbers too
// long to say as one word.
QString Ziffern(const QString& ziffern)
{
    QStringList w;
    for (QChar c : ziffern)
        if (c.isDigit())
            w << W(Einer[c.digitValue()]);
    return w.join(u' ');
}

// The numerator in front of a denominator: "ein Viertel", not "eins Viertel".
QString Zaehlerwort(qint64 z)
{
    return z == 1 ? W("ein") : Zahlwort(z);
}

// ------------------------------------------------------------------- tokens

enum class Art { Zahl, Vorzeichen, Operator, Auf, Zu, BetragAuf, BetragZu, Wort };

struct Token {
    Art art;
    QString text; // Zahl: "3", "3/4", "2,45"; Vorzeichen/Operator: the spoken word
};

bool IstMinus(QChar c)
{
    return c == u'-' || c == QChar(0x2013) || c == QChar(0x2212);
}

// A sign stands where no operand has ended: at the start, after an opening
// bracket or bar, after an operator or another sign.
bool OperandEndet(const QList<Token>& t)
{
    if (t.isEmpty())
        return false;
    const Art a = t.last().art;
    return a == Art::Zahl || a == Art::Zu || a == Art::BetragZu;
}

QList<Token> Zerlege(const QString& s)
{
    QList<Token> t;
    QList<bool> ausrufKlammer; // "!" pairs of the fraction markup: bracket or not
    for (int i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c.isDigit()) {
            int j = i;
            while (j < s.size() && s[j].isDigit())
                ++j;
            // A fraction bar or a decimal comma inside the number; braces of
            // the fraction markup around it do not part it.
            auto naechsteZiffer = [&](int k) {
                while (k < s.size() && (s[k] == u'{' || s[k] == u'}'))
                    ++k;
                return k < s.size() && s[k].isDigit() ? k : -1;
            };
            QString zahl = s.mid(i, j - i);
            if (j < s.size() && (s[j] == u'/' || s[j] == u',')) {
                const int k = naechsteZiffer(j + 1);
                if (k >= 0) {
                    int m = k;
                    while (m < s.size() && s[m].isDigit())
                        ++m;
                    zahl += s[j] + s.mid(k, m - k);
                    j = m;
                }
            }
            // A whole number right before a fraction is a mixed number.
            if (!t.isEmpty() && t.last().art == Art::Zahl && zahl.contains(u'/'))
                t.append({Art::Wort, QStringLiteral("und")});
            t.append({Art::Zahl, zahl});
            i = j - 1;
        } else if (c == u'+' || IstMinus(c)) {
            const QString wort = c == u'+' ? QStringLiteral("plus") : QStringLiteral("minus");
            t.append({OperandEndet(t) ? Art::Operator : Art::Vorzeichen, wort});
        } else if (c == u'*' || c == QChar(0x00B7) || c == QChar(0x00D7)) {
            t.append({Art::Operator, QStringLiteral("mal")});
        } else if (c == u':' || c == u'/' || c == QChar(0x00F7)) {
            t.append({Art::Operator, QStringLiteral("geteilt durch")});
        } else if (c == u'(') {
            t.append({Art::Auf, QStringLiteral("Klammer auf")});
        } else if (c == u')') {
            t.append({Art::Zu, QStringLiteral("Klammer zu")});
        } else if (c == u'[') {
            t.append({Art::Auf, QStringLiteral("eckige Klammer auf")});
        } else if (c == u']') {
            t.append({Art::Zu, QStringLiteral("eckige Klammer zu")});
        } else if (c == u'|') {
            t.append({OperandEndet(t) ? Art::BetragZu : Art::BetragAuf, QString()});
        } else if (c == u'!') {
            // "!-{5/6}!" is a signed operand in brackets, "!{5/6}!" a plain one.
            const bool oeffnet = ausrufKlammer.isEmpty() || !OperandEndet(t);
            if (oeffnet) {
                const bool klammer = i + 1 < s.size() && (s[i + 1] == u'+' || IstMinus(s[i + 1]));
                ausrufKlammer.append(klammer);
                if (klammer)
                    t.append({Art::Auf, QStringLiteral("Klammer auf")});
            } else if (ausrufKlammer.takeLast()) {
                t.append({Art::Zu, QStringLiteral("Klammer zu")});
            }
        } else if (c == u'=') {
            t.append({Art::Operator, QStringLiteral("ist gleich")});
        } else if (c == u'<') {
            t.append({Art::Operator, QStringLiteral("ist kleiner als")});
        } else if (c == u'>') {
            t.append({Art::Operator, W("ist größer als")});
        } else if (c == QChar(0x00B0)) {
            t.append({Art::Wort, QStringLiteral("Grad")});
            if (i + 1 < s.size() && s[i + 1] == u'C') {
                t.last().text = QStringLiteral("Grad Celsius");
                ++i;
            }
        } else if (c == QChar(0x20AC)) {
            t.append({Art::Wort, QStringLiteral("Euro")});
        } else if (c.isLetter()) {
            int j = i;
            while (j < s.size() && s[j].isLetter())
                ++j;
            t.append({Art::Wort, s.mid(i, j - i)});
            i = j - 1;
        } else if (c == u'?' || c == u'.' || c == u',' || c == u';') {
            // Sentence marks stay with the word before them.
            if (!t.isEmpty() && (t.last().art == Art::Wort || t.last().art == Art::Zahl))
                t.append({Art::Wort, QString(c)});
        }
        // Blanks, emphasis and raise marks, braces: nothing to say.
    }
    return t;
}

QString ZahlSprechen(const QString& zahl)
{
    const int strich = zahl.indexOf(u'/');
    if (strich > 0)
        return Bruchwort(zahl.left(strich).toLongLong(), zahl.mid(strich + 1).toLongLong());
    return Dezimalwort(zahl);
}

// The index of the bar that closes the one opened at auf, or -1.
int PassendesZu(const QList<Token>& t, int auf)
{
    int tiefe = 0;
    for (int k = auf; k < t.size(); ++k) {
        if (t[k].art == Art::BetragAuf)
            ++tiefe;
        else if (t[k].art == Art::BetragZu && --tiefe == 0)
            return k;
    }
    return -1;
}

} // namespace

QString Zahlwort(qint64 n)
{
    if (n < 0)
        return QStringLiteral("minus ") + Zahlwort(-n);
    if (n == 0)
        return W("null");
    if (n < 1000000)
        return Unter1Mio(int(n), true);
    if (n < 1000000000000LL) {
        const int mio = int(n / 1000000);
        const int rest = int(n % 1000000);
        QString s = mio == 1 ? QStringLiteral("eine Million")
                             : Unter1Mio(mio, true) + QStringLiteral(" Millionen");
        if (rest > 0)
            s += u' ' + Unter1Mio(rest, true);
        return s;
    }
    return Ziffern(QString::number(n));
}

QString Nennerwort(qint64 nenner, bool plural)
{
    if (nenner == 2)
        return plural ? QStringLiteral("Halbe") : QStringLiteral("Halb");
    if (nenner <= 0 || nenner >= 1000000)
        return QStringLiteral("durch ") + Zahlwort(nenner);
    const int n = int(nenner);
    // The last part below twenty decides the ending: "Drittel", "Hundertdrittel";
    // tens, hundreds and thousands take "-stel": "Zwanzigstel", "Hundertstel".
    const int rest = n % 100;
    if (rest > 0 && rest < 20) {
        QString vorne = n >= 100 ? Unter1Mio(n - rest, false) : QString();
        QString hinten;
        switch (rest) {
        case 1: hinten = QStringLiteral("eintel"); break;
        case 3: hinten = QStringLiteral("drittel"); break;
        case 7: hinten = QStringLiteral("siebtel"); break;
        case 8: hinten = QStringLiteral("achtel"); break;
        default: hinten = W(Einer[rest]) + QStringLiteral("tel"); break;
        }
        return Gross(vorne + hinten);
    }
    return Gross(Unter1Mio(n, false) + QStringLiteral("stel"));
}

QString Bruchwort(qint64 zaehler, qint64 nenner)
{
    if (zaehler < 0)
        return QStringLiteral("minus ") + Bruchwort(-zaehler, nenner);
    return Zaehlerwort(zaehler) + u' ' + Nennerwort(nenner, zaehler != 1);
}

QString Dezimalwort(const QString& zahl)
{
    QString t = zahl.trimmed();
    QString vorne;
    if (!t.isEmpty() && (t[0] == u'+' || IstMinus(t[0]))) {
        vorne = t[0] == u'+' ? QStringLiteral("plus ") : QStringLiteral("minus ");
        t.remove(0, 1);
    }
    const int komma = t.indexOf(u',');
    const QString ganz = komma < 0 ? t : t.left(komma);
    bool ok = false;
    const qint64 wert = ganz.isEmpty() ? 0 : ganz.toLongLong(&ok);
    QString s = vorne + (ok || ganz.isEmpty() ? Zahlwort(wert) : Ziffern(ganz));
    if (komma >= 0)
        s += QStringLiteral(" Komma ") + Ziffern(t.mid(komma + 1));
    return s;
}

QString SprichTerm(const QString& gezeigt)
{
    const QList<Token> t = Zerlege(gezeigt);
    QStringList worte;
    QList<int> ohneSchluss; // closing bars of single numbers, said as nothing
    for (int k = 0; k < t.size(); ++k) {
        const Token& tok = t[k];
        switch (tok.art) {
        case Art::Zahl:
            worte << ZahlSprechen(tok.text);
            break;
        case Art::BetragAuf: {
            const int zu = PassendesZu(t, k);
            const int laenge = zu - k - 1;
            const bool einzeln = zu > 0
                                 && ((laenge == 1 && t[k + 1].art == Art::Zahl)
                                     || (laenge == 2 && t[k + 1].art == Art::Vorzeichen && t[k + 2].art == Art::Zahl));
            if (einzeln) {
                worte << QStringLiteral("Betrag von");
                ohneSchluss << zu;
            } else {
                worte << QStringLiteral("Betragsstrich auf");
            }
            break;
        }
        case Art::BetragZu:
            if (!ohneSchluss.removeOne(k))
                worte << QStringLiteral("Betragsstrich zu");
            break;
        default:
            worte << tok.text;
            break;
        }
    }
    QString satz = worte.join(u' ');
    // Sentence marks were kept as words of their own; they belong to the word before.
    for (const QString& zeichen : {QStringLiteral(" ?"), QStringLiteral(" ."), QStringLiteral(" ,"),
                                   QStringLiteral(" ;")})
        satz.replace(zeichen, zeichen.mid(1));
    return satz;
}

QString BewertungsName(Bewertungsstand bewertung)
{
    switch (bewertung) {
    case Bewertungsstand::Offen: return QStringLiteral("noch nicht beantwortet");
    case Bewertungsstand::RichtigErst: return QStringLiteral("richtig im ersten Versuch");
    case Bewertungsstand::FalschErst: return QStringLiteral("falsch im ersten Versuch");
    case Bewertungsstand::RichtigZweit: return QStringLiteral("richtig im zweiten Versuch");
    case Bewertungsstand::FalschZweit: return QStringLiteral("falsch im zweiten Versuch");
    }
    return {};
}

QString MarkenName(int versuch, bool richtig)
{
    if (versuch == 1)
        return BewertungsName(richtig ? Bewertungsstand::RichtigErst : Bewertungsstand::FalschErst);
    return BewertungsName(richtig ? Bewertungsstand::RichtigZweit : Bewertungsstand::FalschZweit);
}

