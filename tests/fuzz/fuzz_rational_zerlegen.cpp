// The routines that take rational terms and results apart for typesetting
// and judging, on any text and on terms and results made up from the input.
// Any text: no crash, no read outside the text, every piece within its
// length, nothing beyond the pieces found, a shape number 0 … 16. A made-up
// fraction term comes apart into exactly its operands and operators; a
// made-up result into its sign, numerator and denominator; and the answer in
// the form the screen asks for is judged right.
#include "core/NumberHelpers.h"
#include "fuzz/FuzzHilfen.h"
#include "rational/RationalAnzeige.h"
#include "rational/RationalPruefung.h"
#include "rational/RationalTermBauer.h"

namespace {

void Pruefe(const BruchTeile& b, const QString& fall)
{
    for (const BruchOperand& o : b.Operand)
        FUZZ_PRUEFE(o.Vorzeichen.size() <= 1 && o.Zaehler.size() <= 20 && o.Nenner.size() <= 20, fall);
}

void JederText(const QString& t, int wahl)
{
    TermTeile teile;
    teile.Teil[2] = QStringLiteral("alt"); // every piece is rewritten
    const int n = ZerlegeTerm(t, teile);
    FUZZ_PRUEFE(n >= 0 && n <= 4, t);
    for (int k = 1; k <= 4; ++k) {
        FUZZ_PRUEFE(teile.Teil[k].size() <= 20, t);
        if (k > n)
            FUZZ_PRUEFE(teile.Teil[k].isEmpty(), t);
    }
    for (int k = n + 1; k <= 3; ++k)
        FUZZ_PRUEFE(teile.Operator[k].isNull(), t);
    FUZZ_PRUEFE(ZaehleKlammern(t) >= 0 && ZaehleKlammern(t) <= 80, t);

    ErgebnisTeile e;
    ZerlegeErgebnis(t, e);
    FUZZ_PRUEFE(e.Zaehler.size() <= 20 && e.Nenner.size() <= 20 && e.Vorzeichen.size() <= 1, t);
    if (!e.IstBruch)
        FUZZ_PRUEFE(e.Zaehler.isEmpty() && e.Nenner.isEmpty() && e.Vorzeichen.isEmpty(), t);

    const bool sonder = wahl & 1;
    const bool vereinfacht = wahl & 2;
    BruchTeile b;
    LeseBruchTeile(teile, b);
    Pruefe(b, t);
    VereinfacheAddSub(b, n, sonder);
    Pruefe(b, t);
    LeseBruchTeileVereinfacht(teile, b);
    Pruefe(b, t);
    VereinfacheMultDiv(teile, sonder);
    for (RationalBildschirm s : {RationalBildschirm::AddSub, RationalBildschirm::MultDiv, RationalBildschirm::Gem}) {
        const int form = RationalFormNr(s, vereinfacht, n, sonder, (wahl >> 2) % 8);
        FUZZ_PRUEFE(form >= 0 && form <= 16, t);
        LinearerTerm(form, b);
    }
    LinearerTerm(wahl % 18, b);

    const QString dezimal = DezimaltermAnzeige(t, vereinfacht);
    FUZZ_PRUEFE(dezimal.size() <= 80 && !dezimal.contains(u'-'), t + " -> " + dezimal);
    FUZZ_PRUEFE(NormalisiereEingabeR(t).size() <= 20, t);
    const UrteilR u = PruefeEingabeR(t, t.mid(t.size() / 2), vereinfacht);
    if (u.richtig)
        FUZZ_PRUEFE(u.formatFehler == 0, t);
}

QString Ziffern(Eingabe& e)
{
    return QString::number(e.Zahl(0, 99999));
}

// A term of 2 … 4 operands as the builders write them.
void Zusammengesetzt(Eingabe& e)
{
    const int anzahl = e.Zahl(2, 4);
    const QString zeichen[4] = {QStringLiteral("+"), QStringLiteral("-"), QString(EnDash), QString()};
    const QString operatoren = QStringLiteral("+-:") + MiddleDot + EnDash;
    QString term;
    QString vz[5], z[5], n[5];
    QChar op[4];
    for (int k = 1; k <= anzahl; ++k) {
        if (k > 1) {
            op[k - 1] = operatoren[e.Zahl(0, int(operatoren.size()) - 1)];
            term += op[k - 1];
        }
        vz[k] = zeichen[e.Zahl(0, 3)];
        z[k] = Ziffern(e);
        n[k] = QString::number(e.Zahl(1, 99999));
        term += u'!' + vz[k] + u'{' + z[k] + u'/' + n[k] + QStringLiteral("}!");
    }
    TermTeile teile;
    FUZZ_PRUEFE(ZerlegeTerm(term, teile) == anzahl, term);
    BruchTeile b;
    LeseBruchTeile(teile, b);
    for (int k = 1; k <= anzahl; ++k) {
        const QString gezeigt = vz[k] == QLatin1String("-") ? QString(EnDash) : vz[k];
        FUZZ_PRUEFE(b.Operand[k].Vorzeichen == gezeigt && b.Operand[k].Zaehler == z[k] && b.Operand[k].Nenner == n[k],
                    term);
        if (k < anzahl)
            FUZZ_PRUEFE(b.Operator[k] == (op[k] == u'-' ? EnDash : op[k]), term);
    }
}

// A result as the builders write it: a whole number, a fraction (numerator
// not 0) or a decimal, with "-" for a negative one.
void Ergebnis(Eingabe& e)
{
    const bool negativ = e.Zahl(0, 1);
    const int art = e.Zahl(0, 2);
    // A fraction result is reduced, so its numerator is never 0.
    QString zahl = QString::number(e.Zahl(art == 1 ? 1 : 0, 9999));
    if (art == 1)
        zahl += u'/' + QString::number(e.Zahl(2, 9999));
    else if (art == 2)
        zahl += u',' + QString::number(e.Zahl(0, 99)).rightJustified(e.Zahl(1, 2), u'0');
    const QString ergebnis = (negativ ? QStringLiteral("-") : QString()) + zahl;

    ErgebnisTeile t;
    ZerlegeErgebnis(ergebnis, t);
    FUZZ_PRUEFE(t.IstBruch == (art == 1), ergebnis);
    if (art == 1) {
        FUZZ_PRUEFE(t.Vorzeichen == (negativ ? QString(EnDash) : QStringLiteral("+")), ergebnis);
        FUZZ_PRUEFE(t.Zaehler + u'/' + t.Nenner == zahl, ergebnis);
    }
    for (bool vereinfacht : {false, true}) {
        const QString antwort = AnzeigeformR(ergebnis, vereinfacht);
        FUZZ_PRUEFE(PruefeEingabeR(antwort, ergebnis, vereinfacht).richtig, ergebnis + " / " + antwort);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    if (groesse > 4096)
        return 0;
    Eingabe e(daten, groesse);
    const int wahl = e.Byte();
    switch (wahl % 4) {
    case 0:
        JederText(e.RestText(), wahl >> 2);
        break;
    case 1: // texts from the characters the terms and results are made of
        JederText(e.RestAus(QStringLiteral("!!{}/+-:,()[] 0123456789") + MiddleDot + EnDash), wahl >> 2);
        break;
    case 2:
        Zusammengesetzt(e);
        break;
    default:
        Ergebnis(e);
        break;
    }
    return 0;
}
