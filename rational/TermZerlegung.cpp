#include "rational/TermZerlegung.h"

#include "core/NumberHelpers.h"

namespace {

// Numerator and denominator of "3/4" (no "/": all of it is the numerator).
void TeileBruch(const QString& text, QString& zaehler, QString& nenner)
{
    const qsizetype strich = text.indexOf(u'/');
    zaehler = Cut(strich < 0 ? text : text.left(strich), ShortLen20);
    nenner = strich < 0 ? QString() : Cut(text.mid(strich + 1), ShortLen20);
}

QString OhneKlammern(QString text)
{
    text.remove(u'{');
    text.remove(u'}');
    return text;
}

bool IstMinus(QChar c)
{
    return c == u'-' || c == EnDash;
}

QChar Anzeigeoperator(QChar c)
{
    return c == u'-' ? EnDash : c;
}

} // namespace

int ZerlegeTerm(const QString& term, TermTeile& teile)
{
    for (QString& t : teile.Teil)
        t.clear();
    for (QChar& o : teile.Operator)
        o = QChar();
    QString rest = Cut(term, ShortLen80);
    int anzahl = 0;
    while (!rest.isEmpty() && anzahl < 4) {
        const qsizetype ende = rest.indexOf(QLatin1String("}!"));
        if (ende < 0)
            break;
        ++anzahl;
        // From the second character up to and including the "}".
        teile.Teil[anzahl] = Cut(rest.mid(1, ende), ShortLen20);
        rest.remove(0, ende + 2);
        if (rest.isEmpty())
            break;
        if (anzahl < 4)
            teile.Operator[anzahl] = rest.at(0);
        rest.remove(0, 1);
    }
    return anzahl;
}

int ZaehleKlammern(const QString& term)
{
    return int(Cut(term, ShortLen80).count(u'('));
}

void ZerlegeErgebnis(const QString& ergebnis, ErgebnisTeile& teile)
{
    teile = ErgebnisTeile{};
    if (!ergebnis.contains(u'/'))
        return;
    QString text = OhneKlammern(WithSign(ergebnis));
    teile.Vorzeichen = text.left(1);
    text.remove(0, 1);
    if (!text.contains(u'/')) { // the bar lay beyond the 40 characters a number text keeps
        teile = ErgebnisTeile{}; // no fraction: no sign either
        return;
    }
    TeileBruch(text, teile.Zaehler, teile.Nenner);
    teile.IstBruch = true;
}

void LeseBruchTeile(const TermTeile& termTeile, BruchTeile& bruchTeile)
{
    for (int k = 1; k <= 3; ++k)
        bruchTeile.Operator[k] = Anzeigeoperator(termTeile.Operator[k]);
    for (int k = 1; k <= 4; ++k) {
        BruchOperand& o = bruchTeile.Operand[k];
        o = BruchOperand{};
        QString stueck = termTeile.Teil[k];
        if (stueck.isEmpty())
            continue;
        if (stueck.at(0) != u'{') { // a piece without sign starts with its brace
            o.Vorzeichen = Anzeigeoperator(stueck.at(0));
            stueck.remove(0, 1);
        }
        TeileBruch(OhneKlammern(stueck), o.Zaehler, o.Nenner);
    }
}

void LeseBruchTeileVereinfacht(const TermTeile& termTeile, BruchTeile& bruchTeile)
{
    for (int k = 1; k <= 4; ++k) {
        BruchOperand& o = bruchTeile.Operand[k];
        o = BruchOperand{};
        TeileBruch(OhneKlammern(termTeile.Teil[k]), o.Zaehler, o.Nenner);
        if (!o.Zaehler.isEmpty() && (IstMinus(o.Zaehler.at(0)) || o.Zaehler.at(0) == u'+')) {
            o.Vorzeichen = o.Zaehler.left(1);
            o.Zaehler.remove(0, 1);
        }
    }
    for (int k = 1; k <= 3; ++k)
        bruchTeile.Operator[k] = termTeile.Operator[k];

    // The second operand's sign goes into the operator before it.
    QString& zeichen = bruchTeile.Operand[2].Vorzeichen;
    QChar& op = bruchTeile.Operator[1];
    if (!zeichen.isEmpty() && (op == u'+' || IstMinus(op))) {
        const bool gleich = IstMinus(zeichen.at(0)) == IstMinus(op);
        op = gleich ? QChar(u'+') : EnDash;
        zeichen.clear();
    }
    for (BruchOperand& o : bruchTeile.Operand)
        if (o.Vorzeichen == QLatin1String("-"))
            o.Vorzeichen = EnDash;
    for (QChar& o : bruchTeile.Operator)
        o = Anzeigeoperator(o);
}
