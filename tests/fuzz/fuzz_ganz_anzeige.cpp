// The integer rewrites and display conversions on any text, and on terms of
// the builders' internal form made up from the input. Any text: no crash, no
// conversion grows a text past 80 characters, the shown text has no hyphen
// left. An internal term: the signed display (after the rewrite to square
// brackets and bars) has the value of the term itself.
#include "fuzz/FuzzHilfen.h"
#include "integer/GanzAnzeige.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzTermBauer.h"
#include "robust/ExakterTerm.h"

namespace {

constexpr int Grenze = 80;

void JedeUmwandlung(const QString& term)
{
    const QString eckig = EckigeKlammern(term);
    FUZZ_PRUEFE(eckig.size() <= Grenze, term);
    // Only characters change: the same length (cut), and back again without
    // square brackets in the original.
    FUZZ_PRUEFE(eckig.size() == qMin(term.size(), qsizetype(Grenze)), term);
    if (!term.contains(u'[') && !term.contains(u']'))
        FUZZ_PRUEFE(QString(eckig).replace(u'[', u'(').replace(u']', u')') == term.left(Grenze), term);
    FUZZ_PRUEFE(Betragsstriche(term).size() <= Grenze, term);

    const QString signiert = AnzeigeMitVorzeichen(term);
    FUZZ_PRUEFE(signiert.size() <= Grenze, term);
    FUZZ_PRUEFE(!signiert.contains(u'-'), term + " -> " + signiert);
    for (int art = 0; art <= 10; ++art) {
        const QString einfach = AnzeigeVereinfacht(term, art);
        FUZZ_PRUEFE(einfach.size() <= Grenze, term);
        FUZZ_PRUEFE(!einfach.contains(u'-') && !einfach.contains(u'*') && !einfach.contains(u'/'),
                    term + " -> " + einfach);
    }
    for (bool v : {false, true}) {
        Vereinfacht = v;
        ArtGanz = term.size() % 11;
        FUZZ_PRUEFE(AnzeigeTextGanz(term).size() <= Grenze, term);
    }
}

// A term in the internal form: signed numbers in parentheses joined by
// operators, with either groups of operands in double parentheses or
// absolute values of runs and single operands (never nested, never both, as
// the builders write them). *bars tells which.
QString InternerTerm(Eingabe& e, bool* bars)
{
    const int anzahl = e.Zahl(1, 6);
    *bars = e.Zahl(0, 1) == 1;
    const QString auf = *bars ? QStringLiteral("abs(") : QStringLiteral("(");
    QString term;
    int offen = 0; // operands left in the open group, 0 when none is open
    for (int k = 0; k < anzahl; ++k) {
        if (k > 0)
            term += QStringLiteral("+-*/")[e.Zahl(0, 3)];
        if (offen == 0 && k + 1 < anzahl && e.Zahl(0, 3) == 0) {
            offen = e.Zahl(2, anzahl - k);
            term += auf;
        } else if (offen == 0 && *bars && e.Zahl(0, 5) == 0) {
            offen = 1;
            term += auf;
        }
        const int zahl = e.Zahl(1, 999);
        term += (e.Zahl(0, 1) ? QStringLiteral("(+") : QStringLiteral("(-")) + QString::number(zahl) + u')';
        if (offen > 0 && --offen == 0)
            term += u')';
    }
    return term;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    if (groesse > 4096)
        return 0;
    Eingabe e(daten, groesse);
    switch (e.Byte() % 3) {
    case 0:
        JedeUmwandlung(e.RestText());
        break;
    case 1: // texts from the characters the terms are made of
        JedeUmwandlung(e.RestAus(QStringLiteral("()()((+-*/[]|abs0123456789 ")));
        break;
    default: {
        bool bars = false;
        const QString intern = InternerTerm(e, &bars);
        if (intern.size() > Grenze)
            break;
        JedeUmwandlung(intern);
        const ExaktErgebnis wert = BerechneExakt(intern, TermSchrift::Intern);
        FUZZ_PRUEFE(!wert.fehler.contains(QLatin1String("Zeichen")), intern + ": " + wert.fehler);
        if (!wert.ok)
            break; // a division by zero or an overflow of the made-up term
        const QString gespeichert = bars ? Betragsstriche(intern) : EckigeKlammern(intern);
        // No builder writes a quotient of two bars, and the display rules
        // have none for it.
        if (gespeichert.contains(QLatin1String("|/|")))
            break;
        const QString gezeigt = AnzeigeMitVorzeichen(gespeichert);
        if (gezeigt.size() >= Grenze)
            break; // cut: the builders' terms stay shorter
        const ExaktErgebnis gesehen = BerechneExakt(gezeigt, TermSchrift::GanzAnzeige);
        FUZZ_PRUEFE(gesehen.ok && gesehen.wert == wert.wert,
                    intern + " -> " + gezeigt + " (" + gesehen.fehler + ")");
        break;
    }
    }
    return 0;
}
