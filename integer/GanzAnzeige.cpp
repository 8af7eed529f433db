#include "integer/GanzAnzeige.h"

#include "core/NumberHelpers.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzTermBauer.h"

#include <QRegularExpression>

namespace {

const QChar Mal = MiddleDot;

bool IstZiffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Replaces until the pattern no longer occurs.
void ErsetzeAlle(QString& text, QStringView muster, QStringView durch)
{
    while (text.contains(muster))
        text.replace(muster.toString(), durch.toString());
}

// Merges the sign pairs left where parentheses were removed.
void ZeichenpaareVerschmelzen(QString& text)
{
    ErsetzeAlle(text, u"+-", u"-");
    ErsetzeAlle(text, u"-+", u"-");
    ErsetzeAlle(text, u"--", u"+");
    ErsetzeAlle(text, u"++", u"+");
}

// (+12) becomes 12; negative numbers keep their parentheses.
void PositiveOhneKlammern(QString& text)
{
    QString ergebnis;
    ergebnis.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'(' && i + 1 < text.size() && text[i + 1] == u'+') {
            int j = i + 2;
            while (j < text.size() && IstZiffer(text[j]))
                ++j;
            if (j > i + 2 && j < text.size() && text[j] == u')') {
                ergebnis += QStringView(text).mid(i + 2, j - i - 2);
                i = j;
                continue;
            }
        }
        ergebnis += text[i];
    }
    text = ergebnis;
}

// Deletes the "(" at position and the first ")" after it: the pair around the
// number that follows.
void KlammerpaarLoeschen(QString& text, int position)
{
    const int zu = text.indexOf(u')', position + 1);
    if (zu >= 0)
        text.remove(zu, 1);
    text.remove(position, 1);
}

// A leading negative number and the first one after "[" or an opening bar
// need no parentheses.
void KlammerpaareLoeschen(QString& text)
{
    if (text.startsWith(u'('))
        KlammerpaarLoeschen(text, 0);
    for (QStringView muster : {u"[(", u"|("}) {
        const int i = text.indexOf(muster);
        if (i >= 0)
            KlammerpaarLoeschen(text, i + 1);
    }
}

// Kind 9: a bracket group without multiplication or division is written like
// the plain chains, (−3)+(+5) inside becomes −3+5.
void EckigeGruppenVereinfachen(QString& text)
{
    int anfang = text.indexOf(u'[');
    while (anfang >= 0) {
        const int ende = text.indexOf(u']', anfang);
        if (ende < 0)
            return;
        QString gruppe = text.mid(anfang, ende - anfang + 1);
        if (!gruppe.contains(Mal) && !gruppe.contains(u':')) {
            gruppe.remove(u'(');
            gruppe.remove(u')');
            ZeichenpaareVerschmelzen(gruppe);
            text.replace(anfang, ende - anfang + 1, gruppe);
        }
        anfang = text.indexOf(u'[', anfang + int(gruppe.size()));
    }
}

// Blanks around operators, in one pass from the left. A sign right after an
// opening bar belongs to the number: a plus is dropped, a minus stays attached.
QString Abstaende(const QString& text)
{
    QString ergebnis;
    ergebnis.reserve(text.size() * 2);
    bool imBetrag = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar links = i > 0 ? text[i - 1] : QChar();
        const QChar rechts = i + 1 < text.size() ? text[i + 1] : QChar();
        if (c == u'|') {
            imBetrag = !imBetrag;
            ergebnis += c;
        } else if (c == u'+' || c == u'-') {
            const bool oeffnenderStrich = links == u'|' && imBetrag;
            const bool operatorLinks = IstZiffer(links) || links == u')' || (links == u'|' && !imBetrag);
            const bool operatorRechts = IstZiffer(rechts) || rechts == u'(' || rechts == u'|';
            if (operatorLinks && operatorRechts)
                ergebnis += u' ' + QString(c) + u' ';
            else if (c == u'+' && (links == u'(' || oeffnenderStrich))
                continue;
            else
                ergebnis += c;
        } else if (c == u':') {
            ergebnis += QLatin1String(" : ");
        } else if (c == Mal) {
            ergebnis += u' ' + QString(Mal) + u' ';
        } else {
            ergebnis += c;
        }
    }
    return ergebnis;
}

} // namespace

QString AnzeigeMitVorzeichen(const QString& term)
{
    static const QStringView ersetzungen[][2] = {
        {u")+(", u") + ("},
        {u")-(", u") \u2013 ("},
        {u")*(", u") \u00B7 ("},
        {u"*|", u" \u00B7 |"},
        {u"|*", u"| \u00B7 "},
        {u"*[", u" \u00B7 ["},
        {u"]*", u"] \u00B7 "},
        {u")/(", u") : ("},
        {u"]/(", u"] : ("},
        {u")/[", u") : ["},
        {u")-[", u") - ["},
        {u"]-(", u"] - ("},
        {u"]-[", u"] - ["},
        {u"]/[", u"] : ["},
        {u")+[", u") + ["},
        {u"]+(", u"] + ("},
        {u"]+[", u"] + ["},
        {u")+|", u") + |"},
        {u")-|", u") \u2013 |"},
        {u"|+(", u"| + ("},
        {u"|-(", u"| \u2013 ("},
        {u"|-|", u"| \u2013 |"},
        {u"|+|", u"| + |"},
        {u"|/(", u"| : ("},
        {u")/|", u") : |"},
    };
    QString text = term;
    for (const auto& e : ersetzungen)
        ErsetzeAlle(text, e[0], e[1]);
    text.replace(u'-', EnDash);
    return Cut(text, ShortLen80);
}

QString AnzeigeVereinfacht(const QString& term)
{
    return AnzeigeVereinfacht(term, ArtGanz);
}

QString AnzeigeVereinfacht(const QString& term, int art)
{
    QString text = EckigeKlammern(term);
    if (art >= 1 && art <= 6) {
        text.remove(u'(');
        text.remove(u')');
    }
    ZeichenpaareVerschmelzen(text);
    if (text.startsWith(u'+'))
        text.remove(0, 1);
    text.replace(u'*', Mal);
    text.replace(u'/', u':');

    switch (art) {
    case 7:
        text = Betragsstriche(text);
        PositiveOhneKlammern(text);
        break;
    case 8:
        PositiveOhneKlammern(text);
        KlammerpaareLoeschen(text);
        break;
    case 9:
        PositiveOhneKlammern(text);
        KlammerpaareLoeschen(text);
        text.replace(QLatin1String("|("), QLatin1String("|"));
        text.replace(QLatin1String(")|"), QLatin1String("|"));
        EckigeGruppenVereinfachen(text);
        if (text.startsWith(QLatin1String("(-")))
            KlammerpaarLoeschen(text, 0);
        break;
    case 4:
    case 5:
        text.replace(QLatin1String("[+"), QLatin1String("["));
        text.replace(u'[', u'(');
        text.replace(u']', u')');
        break;
    default: // 1 … 3 and 6: nothing further
        break;
    }

    text = Abstaende(text);
    text.replace(u'-', EnDash);
    return Cut(text, ShortLen80);
}

QString AnzeigeTextGanz(const QString& term)
{
    const QString anzeige = Vereinfacht ? AnzeigeVereinfacht(term) : AnzeigeMitVorzeichen(term);
    return Cut(anzeige + QLatin1String(" ="), ShortLen80);
}

QString RepariereBetrag(QString text)
{
    static const QRegularExpression muster(QStringLiteral("\\| \\+ (\\d)\\|"));
    while (text.contains(muster))
        text.replace(muster, QStringLiteral("|+\\1|"));
    return text;
}

QString GanzZeilenText(const QString& term, int art, bool vereinfacht)
{
    if (!vereinfacht)
        return Cut(AnzeigeMitVorzeichen(term) + QLatin1String(" ="), ShortLen80);
    return Cut(RepariereBetrag(AnzeigeVereinfacht(term, art) + QLatin1String(" =")), ShortLen80);
}

QString GanzUeberschrift(int art, int stufe)
{
    switch (art) {
    case 1: return QStringLiteral("Addition ganzer Zahlen!");
    case 2: return QStringLiteral("Subtraktion ganzer Zahlen!");
    case 3: return QStringLiteral("Addition+Subtraktion ganzer Zahlen!");
    case 4: return QStringLiteral("Subtraktion ganzer Zahlen mit Klammern!");
    case 5: return QStringLiteral("Addition+Subtraktion ganzer Zahlen mit Klammern!");
    case 6: return QStringLiteral("Addition+Subtraktion ganzer Zahlen mit Beträgen!");
    case 7:
        switch (stufe) {
        case 3: return QStringLiteral("Multiplikation ganzer Zahlen mit Beträgen!");
        case 4: return QStringLiteral("Multiplikation ganzer Zahlen mit Addition und Subtraktion!");
        default: return QStringLiteral("Multiplikation ganzer Zahlen!");
        }
    case 8:
        switch (stufe) {
        case 2: return QStringLiteral("Division ganzer Zahlen mit Klammern!");
        case 3: return QStringLiteral("Division ganzer Zahlen mit Beträgen!");
        case 4: return QStringLiteral("Division ganzer Zahlen mit Addition und Subtraktion!");
        default: return QStringLiteral("Division ganzer Zahlen!");
        }
    case 9: return QStringLiteral("Alle Grundrechnugsarten ganzer Zahlen!");
    default: return {};
    }
}
