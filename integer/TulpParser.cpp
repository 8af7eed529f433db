#include "integer/TulpParser.h"

#include <cmath>
#include <utility>
#include <new>

namespace {

enum Art : unsigned char { Negation = 0, Operation = 1, Funktion = 2, Zahl = 3, Variable = 4, Pi = 5 };

constexpr double PiWert = 3.141592653589793;

// Function numbers 1 … 8 by name; 9 is the plain bracket (empty name).
constexpr const char* FunktionsNamen[] = {"ABS", "COS", "EXP", "LN", "LG", "SIN", "SQRT", "TAN"};
constexpr int Klammer = 9;

// 0 when the name is no function.
int FunktionsNummer(QStringView name)
{
    if (name.isEmpty())
        return Klammer;
    for (int i = 0; i < 8; ++i)
        if (name == QLatin1String(FunktionsNamen[i]))
            return i + 1;
    return 0;
}

bool IstZiffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

struct TFunktion::TKnoten {
    unsigned char art = 0;
    char operation = 0;  // + - * / ^ for an operation
    int nummer = 0;      // function number
    double wert = 0;     // a number's value
    TKnoten* erster = nullptr;  // negated operand, left operand
    TKnoten* zweiter = nullptr; // right operand, function argument
};

TFunktion::TFunktion(const QString& text)
{
    ausdruck_.reserve(text.size());
    for (QChar c : text)
        if (c != u' ')
            ausdruck_ += c;
    ausdruck_ = ausdruck_.toUpper();

    // Each bracket level costs one level of recursion; refuse too deep a
    // nesting before scanning it level by level.
    int tiefe = 0;
    for (QChar c : std::as_const(ausdruck_)) {
        tiefe += c == u'(' ? 1 : 0;
        if (tiefe > MaxTiefe) {
            fehler_ = 1;
            return;
        }
        tiefe -= c == u')' ? 1 : 0;
    }

    Zerlege(0, int(ausdruck_.size()), wurzel_, 0);
    if (fehler_ != 0) {
        // A half-built tree is of no use to anyone; drop it now.
        Freigeben(wurzel_);
        wurzel_ = nullptr;
    }
}

TFunktion::~TFunktion()
{
    Freigeben(wurzel_);
}

int TFunktion::Fehler() const
{
    return fehler_;
}

QString TFunktion::Ausdruck() const
{
    return ausdruck_;
}

double TFunktion::Berechne(double x)
{
    // A failed parse keeps its error code; there is no tree to evaluate.
    if (!wurzel_)
        return 0;
    x_ = x;
    return Auswerten(wurzel_);
}

TFunktion::TKnoten* TFunktion::NeuerKnoten(int art)
{
    auto* knoten = new (std::nothrow) TKnoten;
    if (!knoten) {
        fehler_ = 6;
        return nullptr;
    }
    knoten->art = static_cast<unsigned char>(art);
    return knoten;
}

void TFunktion::Freigeben(TKnoten* knoten)
{
    // Tree depth is bounded by MaxTiefe, so the recursion is too.
    if (!knoten)
        return;
    Freigeben(knoten->erster);
    Freigeben(knoten->zweiter);
    delete knoten;
}

// Scans [von, bis) from the right with a bracket depth and returns the
// position of the first operator of the set at depth 0 that is neither the
// first character nor follows "E" (exponent) or "^" (signed power); -1 if none.
int TFunktion::SucheOperator(const char* menge, int von, int bis) const
{
    int tiefe = 0;
    for (int i = bis - 1; i >= von; --i) {
        const QChar c = ausdruck_[i];
        if (c == u')')
            ++tiefe;
        else if (c == u'(')
            --tiefe;
        if (tiefe != 0 || i == von)
            continue;
        bool imSatz = false;
        for (const char* m = menge; *m; ++m)
            if (c == QLatin1Char(*m))
                imSatz = true;
        if (!imSatz)
            continue;
        const QChar davor = ausdruck_[i - 1];
        if (davor != u'E' && davor != u'^')
            return i;
    }
    return -1;
}

// A call: the first "(" at klammer, a closing ")" at the end and a function
// name (or nothing) before the bracket.
bool TFunktion::IstFunktion(int von, int bis, int& klammer, int& nummer) const
{
    klammer = -1;
    for (int i = von; i < bis; ++i)
        if (ausdruck_[i] == u'(') {
            klammer = i;
            break;
        }
    if (klammer < 0 || ausdruck_[bis - 1] != u')')
        return false;
    nummer = FunktionsNummer(QStringView(ausdruck_).mid(von, klammer - von));
    return nummer != 0;
}

// A complete literal: digits with an optional "." part (or "." and digits),
// then optionally "E", a sign and digits.
bool TFunktion::IstZahl(int von, int bis, double& wert) const
{
    int i = von;
    int ziffern = 0;
    while (i < bis && IstZiffer(ausdruck_[i])) {
        ++i;
        ++ziffern;
    }
    if (i < bis && ausdruck_[i] == u'.') {
        ++i;
        while (i < bis && IstZiffer(ausdruck_[i])) {
            ++i;
            ++ziffern;
        }
    }
    if (ziffern == 0)
        return false;
    if (i < bis && ausdruck_[i] == u'E') {
        ++i;
        if (i < bis && (ausdruck_[i] == u'+' || ausdruck_[i] == u'-'))
            ++i;
        int exponent = 0;
        while (i < bis && IstZiffer(ausdruck_[i])) {
            ++i;
            ++exponent;
        }
        if (exponent == 0)
            return false;
    }
    if (i != bis)
        return false;
    bool ok = false;
    wert = QStringView(ausdruck_).mid(von, bis - von).toDouble(&ok);
    return ok;
}

void TFunktion::Zerlege(int von, int bis, TKnoten*& knoten, int tiefe)
{
    if (fehler_ != 0)
        return;
    if (von >= bis || tiefe > MaxTiefe) {
        fehler_ = 1;
        return;
    }

    for (const char* menge : {"+-", "*/"}) {
        const int i = SucheOperator(menge, von, bis);
        if (i >= 0) {
            knoten = NeuerKnoten(Operation);
            if (!knoten)
                return;
            knoten->operation = char(ausdruck_[i].unicode());
            Zerlege(von, i, knoten->erster, tiefe + 1);
            Zerlege(i + 1, bis, knoten->zweiter, tiefe + 1);
            return;
        }
    }

    if (ausdruck_[von] == u'+') {
        Zerlege(von + 1, bis, knoten, tiefe + 1);
        return;
    }
    if (ausdruck_[von] == u'-') {
        knoten = NeuerKnoten(Negation);
        if (knoten)
            Zerlege(von + 1, bis, knoten->erster, tiefe + 1);
        return;
    }

    const int hoch = SucheOperator("^", von, bis);
    if (hoch >= 0) {
        knoten = NeuerKnoten(Operation);
        if (!knoten)
            return;
        knoten->operation = '^';
        Zerlege(von, hoch, knoten->erster, tiefe + 1);
        Zerlege(hoch + 1, bis, knoten->zweiter, tiefe + 1);
        return;
    }

    int klammer = 0;
    int nummer = 0;
    if (IstFunktion(von, bis, klammer, nummer)) {
        knoten = NeuerKnoten(Funktion);
        if (!knoten)
            return;
        knoten->nummer = nummer;
        Zerlege(klammer + 1, bis - 1, knoten->zweiter, tiefe + 1);
        return;
    }

    double wert = 0;
    if (IstZahl(von, bis, wert)) {
        knoten = NeuerKnoten(Zahl);
        if (knoten)
            knoten->wert = wert;
        return;
    }

    const QStringView name = QStringView(ausdruck_).mid(von, bis - von);
    if (name == u"X") {
        knoten = NeuerKnoten(Variable);
        return;
    }
    if (name == u"PI") {
        knoten = NeuerKnoten(Pi);
        return;
    }
    fehler_ = 1;
}

double TFunktion::Auswerten(const TKnoten* knoten) const
{
    if (fehler_ != 0 || !knoten)
        return 0;
    switch (knoten->art) {
    case Negation:
        return -Auswerten(knoten->erster);
    case Operation: {
        const double links = Auswerten(knoten->erster);
        const double rechts = Auswerten(knoten->zweiter);
        switch (knoten->operation) {
        case '+': return links + rechts;
        case '-': return links - rechts;
        case '*': return links * rechts;
        case '/': return links / rechts;
        case '^': return std::pow(links, rechts);
        default: return 0;
        }
    }
    case Funktion: {
        const double a = Auswerten(knoten->zweiter);
        switch (knoten->nummer) {
        case 1: return std::fabs(a);
        case 2: return std::cos(a);
        case 3: return std::exp(a);
        case 4: return std::log(a);
        case 5: return std::log(a) / std::log(10.0);
        case 6: return std::sin(a);
        case 7: return std::sqrt(a);
        case 8: return std::tan(a);
        case Klammer: return a;
        default: return 0;
        }
    }
    case Zahl:
        return knoten->wert;
    case Variable:
        return x_;
    case Pi:
        return PiWert;
    default:
        return 0;
    }
}
