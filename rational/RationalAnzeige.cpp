#include "rational/RationalAnzeige.h"

#include "core/NumberHelpers.h"

namespace {

// Replaces until the pattern no longer occurs (a replacement may create it anew).
void ErsetzeAlle(QString& text, const QString& was, const QString& durch)
{
    while (text.contains(was))
        text.replace(was, durch);
}

QString Vereinfacht(QString t)
{
    t.remove(u'(');
    t.remove(u')');
    if (t.startsWith(u'+'))
        t.remove(0, 1);
    static const QString muster[4][2] = {{"++", "+"}, {"+-", "-"}, {"-+", "-"}, {"--", "+"}};
    for (bool weiter = true; weiter;) {
        weiter = false;
        for (const auto& m : muster) {
            if (t.contains(m[0])) {
                ErsetzeAlle(t, m[0], m[1]);
                weiter = true;
            }
        }
    }
    t.replace(u'+', QStringLiteral(" + "));
    t.replace(u'-', QStringLiteral(" - "));
    // A leading minus belongs to its number, as it does inside a group below.
    if (t.startsWith(QLatin1String(" - ")))
        t.replace(0, 3, QStringLiteral("-"));
    t.replace(u'[', u'(');
    t.replace(u']', u')');
    ErsetzeAlle(t, QStringLiteral("( "), QStringLiteral("("));
    if (t.endsWith(u')') && t.size() >= 2)
        t.remove(t.size() - 2, 1);
    if (const int i = t.indexOf(QLatin1String("(-")); i >= 0 && i + 2 < t.size())
        t.remove(i + 2, 1);
    if (const int i = t.indexOf(QLatin1String("(+")); i >= 0)
        t.remove(i + 1, 2);
    return t;
}

QString MitVorzeichen(QString t)
{
    ErsetzeAlle(t, QStringLiteral(")+("), QStringLiteral(") + ("));
    ErsetzeAlle(t, QStringLiteral(")-("), QStringLiteral(") - ("));
    ErsetzeAlle(t, QStringLiteral(")-["), QStringLiteral(") - ["));
    return t;
}

} // namespace

QString DezimaltermAnzeige(const QString& term, bool vereinfacht)
{
    QString t = vereinfacht ? Vereinfacht(term) : MitVorzeichen(term);
    t.replace(u'-', EnDash);
    return Cut(t, ShortLen80);
}

#include "rational/RationalTermBauer.h"

int RationalFormNr(RationalBildschirm bildschirm, bool vereinfacht, int n, bool sonder, int form)
{
    if (bildschirm == RationalBildschirm::Gem) {
        static constexpr int mitVorzeichen[6] = {4, 2, 3, 6, 6, 5};
        static constexpr int einfach[6] = {13, 11, 14, 15, 15, 16};
        if (form < 1 || form > 6 || n != (form <= 3 ? 3 : 4))
            return 0;
        return vereinfacht ? einfach[form - 1] : mitVorzeichen[form - 1];
    }
    if (n != 2 && n != 3)
        return 0;
    const int spalte = n == 2 ? 0 : (sonder ? 2 : 1);
    if (!vereinfacht)
        return spalte + 1; // shapes 1, 2, 3
    return (bildschirm == RationalBildschirm::AddSub ? 7 : 10) + spalte;
}

namespace {

// The operator after a sign has been folded into it: equal characters give "+".
QChar Gefaltet(QChar op, const QString& vorzeichen)
{
    return QString(op) == vorzeichen ? QChar(u'+') : EnDash;
}

void OhnePlus(BruchOperand& operand)
{
    if (operand.Vorzeichen == QLatin1String("+"))
        operand.Vorzeichen.clear();
}

} // namespace

void VereinfacheAddSub(BruchTeile& teile, int n, bool sonder)
{
    OhnePlus(teile.Operand[1]);
    if (sonder)
        OhnePlus(teile.Operand[2]);
    for (int k = sonder ? 3 : 2; k <= n && k <= 4; ++k) {
        BruchOperand& operand = teile.Operand[k];
        teile.Operator[k - 1] = Gefaltet(teile.Operator[k - 1], operand.Vorzeichen);
        operand.Vorzeichen.clear();
    }
}

void VereinfacheMultDiv(TermTeile& teile, bool sonder)
{
    const QChar op = teile.Operator[2];
    QString& dritter = teile.Teil[3];
    if (sonder && (op == u'-' || op == EnDash) && (dritter.startsWith(u'-') || dritter.startsWith(EnDash))) {
        teile.Operator[2] = u'+';
        dritter.remove(0, 1);
    }
}

namespace {

QString Bruch(const BruchOperand& o)
{
    return o.Zaehler + u'/' + o.Nenner;
}

// "(" sign fraction ")"; without a sign the fraction alone.
QString B(const BruchOperand& o)
{
    return o.Vorzeichen.isEmpty() ? Bruch(o) : u'(' + o.Vorzeichen + Bruch(o) + u')';
}

// A "+" operand as its plain fraction, any other bracketed.
QString S(const BruchOperand& o)
{
    return o.Vorzeichen == QLatin1String("+") ? Bruch(o) : B(o);
}

// Sign and fraction without brackets; "+" only where the shape shows it.
QString L(const BruchOperand& o, bool plusZeigen)
{
    return (o.Vorzeichen == QLatin1String("+") && !plusZeigen ? QString() : o.Vorzeichen) + Bruch(o);
}

QString Op(const BruchTeile& t, int k)
{
    return u' ' + QString(t.Operator[k]) + u' ';
}

} // namespace

QString LinearerTerm(int formNr, const BruchTeile& t)
{
    const auto& o = t.Operand;
    QString text;
    switch (formNr) {
    case 1: text = B(o[1]) + Op(t, 1) + B(o[2]); break;
    case 2: text = B(o[1]) + Op(t, 1) + B(o[2]) + Op(t, 2) + B(o[3]); break;
    case 3: text = B(o[1]) + Op(t, 1) + u'[' + B(o[2]) + Op(t, 2) + B(o[3]) + u']'; break;
    case 4: text = u'[' + B(o[1]) + Op(t, 1) + B(o[2]) + u']' + Op(t, 2) + B(o[3]); break;
    case 5:
        text = u'[' + B(o[1]) + Op(t, 1) + B(o[2]) + u']' + Op(t, 2) + u'[' + B(o[3]) + Op(t, 3) + B(o[4]) + u']';
        break;
    case 6: text = B(o[1]) + Op(t, 1) + B(o[2]) + Op(t, 2) + B(o[3]) + Op(t, 3) + B(o[4]); break;
    case 7: text = L(o[1], true) + Op(t, 1) + Bruch(o[2]); break;
    case 8: text = L(o[1], true) + Op(t, 1) + Bruch(o[2]) + Op(t, 2) + Bruch(o[3]); break;
    case 9: text = L(o[1], true) + Op(t, 1) + u'(' + L(o[2], true) + Op(t, 2) + Bruch(o[3]) + u')'; break;
    case 10: text = S(o[1]) + Op(t, 1) + S(o[2]); break;
    case 11: text = S(o[1]) + Op(t, 1) + S(o[2]) + Op(t, 2) + S(o[3]); break;
    case 12: text = L(o[1], false) + Op(t, 1) + u'[' + S(o[2]) + Op(t, 2) + S(o[3]) + u']'; break;
    case 13: text = u'(' + L(o[1], false) + Op(t, 1) + Bruch(o[2]) + u')' + Op(t, 2) + S(o[3]); break;
    case 14: {
        const bool eckig = o[3].Vorzeichen != QLatin1String("+") && !o[3].Vorzeichen.isEmpty();
        text = L(o[1], false) + Op(t, 1) + (eckig ? u'[' : u'(') + L(o[2], false) + Op(t, 2) + S(o[3])
               + (eckig ? u']' : u')');
        break;
    }
    case 15: text = L(o[1], false) + Op(t, 1) + S(o[2]) + Op(t, 2) + S(o[3]) + Op(t, 3) + S(o[4]); break;
    case 16:
        text = u'[' + L(o[1], false) + Op(t, 1) + S(o[2]) + u']' + Op(t, 2) + u'[' + L(o[3], false) + Op(t, 3)
               + S(o[4]) + u']';
        break;
    default: return {};
    }
    return text + QStringLiteral(" =");
}

RationalBildschirm RationalBildschirmFuerArt(int art)
{
    switch (art) {
    case 1:
    case 2: return RationalBildschirm::AddSub;
    case 3:
    case 4: return RationalBildschirm::MultDiv;
    default: return RationalBildschirm::Gem;
    }
}

int BruchzeileLesen(RationalBildschirm bildschirm, bool vereinfacht, const QString& term, bool sonder,
                    int form, BruchTeile& teile)
{
    TermTeile termTeile;
    const int n = ZerlegeTerm(term, termTeile);
    if (bildschirm == RationalBildschirm::MultDiv && vereinfacht)
        VereinfacheMultDiv(termTeile, sonder);
    if (bildschirm == RationalBildschirm::Gem && vereinfacht && form == 1)
        LeseBruchTeileVereinfacht(termTeile, teile);
    else
        LeseBruchTeile(termTeile, teile);
    if (bildschirm == RationalBildschirm::AddSub && vereinfacht)
        VereinfacheAddSub(teile, n, sonder);
    return RationalFormNr(bildschirm, vereinfacht, n, sonder, form);
}
