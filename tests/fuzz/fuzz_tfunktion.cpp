// The formula evaluator TFunktion on any text and any nesting. Beyond not
// crashing: a text that parses gives the same value whatever its blanks and
// the case of its letters; a text that does not parse gives 0; the result
// texts of the builders agree with the rounded value.
#include "fuzz/FuzzHilfen.h"
#include "integer/GanzTermBauer.h"
#include "integer/TulpParser.h"

#include <cmath>

namespace {

bool Gleich(double a, double b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

// ASCII letters in the other case: the grammar is ASCII, and other letters'
// case rules (ß, dotless i) are no business of the evaluator.
QString AndererFall(const QString& text)
{
    QString t = text;
    for (QChar& c : t) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
        else if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    }
    return t;
}

// Blanks taken out, then one blank after every character.
QString Gesperrt(const QString& text)
{
    QString t;
    for (QChar c : text)
        if (c != u' ') {
            t += c;
            t += u' ';
        }
    return t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    if (groesse > 8192)
        return 0;
    Eingabe e(daten, groesse);
    const QString text = e.RestText();

    TFunktion f(text);
    const double x1 = f.Berechne(1);
    const double x2 = f.Berechne(-2.5);
    FUZZ_PRUEFE(f.Fehler() == 0 || f.Fehler() == 1 || f.Fehler() == 6, text);
    if (f.Fehler() != 0)
        FUZZ_PRUEFE(x1 == 0 && x2 == 0, text);

    for (const QString& variante : {AndererFall(text), Gesperrt(text), QString(text).remove(u' ')}) {
        TFunktion g(variante);
        FUZZ_PRUEFE(g.Fehler() == f.Fehler(), text + " / " + variante);
        FUZZ_PRUEFE(Gleich(g.Berechne(1), x1), text + " / " + variante);
        FUZZ_PRUEFE(Gleich(g.Berechne(-2.5), x2), text + " / " + variante);
    }

    // Ergebnistext is the value written without decimals, TermWert the same
    // rounded to an int; they agree wherever both can hold the value.
    const QString ergebnis = Ergebnistext(text);
    const int wert = TermWert(text);
    FUZZ_PRUEFE(ergebnis.size() <= 20, text);
    FUZZ_PRUEFE(ergebnis != QLatin1String("-0"), text);
    if (f.Fehler() != 0)
        FUZZ_PRUEFE(ergebnis.isEmpty() && wert == 0, text);
    if (!ergebnis.isEmpty() && std::fabs(x1) < 2e9)
        FUZZ_PRUEFE(ergebnis.toLongLong() == wert, text + " -> " + ergebnis);
    return 0;
}
