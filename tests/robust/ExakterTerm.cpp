#include "robust/ExakterTerm.h"

#include <cstdlib>
#include <numeric>
#include <utility>

namespace {

constexpr QChar Strich{0x2013}; // en dash
constexpr QChar Punkt{0x00B7};  // middle dot

struct Fehler {
    QString grund;
};

qint64 Mal(qint64 a, qint64 b)
{
    qint64 r;
    if (__builtin_mul_overflow(a, b, &r))
        throw Fehler{QStringLiteral("Zahl zu groß")};
    return r;
}

qint64 Plus(qint64 a, qint64 b)
{
    qint64 r;
    if (__builtin_add_overflow(a, b, &r))
        throw Fehler{QStringLiteral("Zahl zu groß")};
    return r;
}

ExaktBruch Gekuerzt(qint64 z, qint64 n)
{
    if (n == 0)
        throw Fehler{QStringLiteral("Division durch 0")};
    if (n < 0) {
        z = Mal(z, -1);
        n = Mal(n, -1);
    }
    const qint64 g = std::gcd(z, n);
    return {z / g, n / g};
}

ExaktBruch Summe(ExaktBruch a, ExaktBruch b)
{
    return Gekuerzt(Plus(Mal(a.z, b.n), Mal(b.z, a.n)), Mal(a.n, b.n));
}

ExaktBruch Produkt(ExaktBruch a, ExaktBruch b)
{
    return Gekuerzt(Mal(a.z, b.z), Mal(a.n, b.n));
}

ExaktBruch Quotient(ExaktBruch a, ExaktBruch b)
{
    if (b.z == 0)
        throw Fehler{QStringLiteral("Division durch 0")};
    return Gekuerzt(Mal(a.z, b.n), Mal(a.n, b.z));
}

class Leser {
public:
    Leser(const QString& text, TermSchrift schrift, bool ganzzahlig)
        : t_(text), schrift_(schrift), ganzzahlig_(ganzzahlig)
    {
    }

    ExaktBruch Alles()
    {
        const ExaktBruch w = Ausdruck();
        Leerzeichen();
        if (i_ < t_.size())
            throw Fehler{QStringLiteral("unerwartetes Zeichen '%1' an Stelle %2").arg(t_[i_]).arg(i_ + 1)};
        return w;
    }

private:
    void Leerzeichen()
    {
        while (i_ < t_.size() && t_[i_] == u' ')
            ++i_;
    }

    QChar Sieh()
    {
        Leerzeichen();
        return i_ < t_.size() ? t_[i_] : QChar();
    }

    bool IstMinus(QChar c) const
    {
        return c == Strich || (c == u'-' && schrift_ == TermSchrift::Intern);
    }
    bool IstMal(QChar c) const
    {
        return schrift_ == TermSchrift::Intern ? c == u'*' : c == Punkt;
    }
    bool IstDurch(QChar c) const
    {
        return schrift_ == TermSchrift::Intern ? c == u'/' : c == u':';
    }

    // A sign is only read at the start of a sum: first in the text, after an
    // opening bracket or bar. "3 · –5" is refused as the pupil never sees it.
    ExaktBruch Ausdruck()
    {
        ExaktBruch w = Glied(true);
        for (;;) {
            const QChar c = Sieh();
            if (c == u'+' || IstMinus(c)) {
                ++i_;
                const ExaktBruch r = Glied(false);
                w = Summe(w, c == u'+' ? r : ExaktBruch{-r.z, r.n});
            } else {
                return w;
            }
        }
    }

    ExaktBruch Glied(bool vorzeichenErlaubt)
    {
        ExaktBruch w = Faktor(vorzeichenErlaubt);
        for (;;) {
            const QChar c = Sieh();
            if (IstMal(c)) {
                ++i_;
                w = Produkt(w, Faktor(false));
            } else if (IstDurch(c)) {
                ++i_;
                w = Quotient(w, Faktor(false));
                if (ganzzahlig_ && w.n != 1)
                    throw Fehler{QStringLiteral("Division mit Rest")};
            } else {
                return w;
            }
        }
    }

    ExaktBruch Faktor(bool vorzeichenErlaubt)
    {
        const QChar c = Sieh();
        if (c == u'+' || IstMinus(c)) {
            if (!vorzeichenErlaubt)
                throw Fehler{QStringLiteral("Vorzeichen nach einem Rechenzeichen an Stelle %1").arg(i_ + 1)};
            ++i_;
            const QChar danach = Sieh();
            if (danach == u'+' || IstMinus(danach))
                throw Fehler{QStringLiteral("zwei Vorzeichen an Stelle %1").arg(i_ + 1)};
            const ExaktBruch w = Faktor(false);
            return c == u'+' ? w : ExaktBruch{-w.z, w.n};
        }
        if (c == u'(' || c == u'[')
            return Gruppe(c == u'(' ? u')' : u']', false);
        if (c == u'|') {
            if (schrift_ == TermSchrift::Intern)
                throw Fehler{QStringLiteral("Betragsstrich in der internen Form")};
            return Gruppe(u'|', true);
        }
        if (schrift_ == TermSchrift::Intern && t_.mid(i_, 4) == QLatin1String("abs(")) {
            i_ += 3;
            return Gruppe(u')', true);
        }
        return Zahl();
    }

    ExaktBruch Gruppe(QChar zu, bool betrag)
    {
        ++i_; // the opening character
        ExaktBruch w = Ausdruck();
        if (Sieh() != zu)
            throw Fehler{QStringLiteral("'%1' fehlt an Stelle %2").arg(zu).arg(i_ + 1)};
        ++i_;
        if (betrag && w.z < 0)
            w.z = -w.z;
        return w;
    }

    qint64 Ziffern(int& anzahl)
    {
        qint64 v = 0;
        anzahl = 0;
        while (i_ < t_.size() && t_[i_] >= u'0' && t_[i_] <= u'9') {
            v = Plus(Mal(v, 10), t_[i_].unicode() - u'0');
            ++i_;
            ++anzahl;
        }
        return v;
    }

    ExaktBruch Zahl()
    {
        Leerzeichen();
        int anzahl = 0;
        qint64 z = Ziffern(anzahl);
        if (anzahl == 0)
            throw Fehler{i_ < t_.size() ? QStringLiteral("unerwartetes Zeichen '%1' an Stelle %2").arg(t_[i_]).arg(i_ + 1)
                                        : QStringLiteral("Text endet zu früh")};
        qint64 n = 1;
        if (schrift_ == TermSchrift::Bruch && i_ < t_.size() && t_[i_] == u',') {
            ++i_;
            int stellen = 0;
            const qint64 nachkomma = Ziffern(stellen);
            if (stellen == 0)
                throw Fehler{QStringLiteral("Komma ohne Ziffern")};
            for (int k = 0; k < stellen; ++k) {
                n = Mal(n, 10);
                z = Mal(z, 10);
            }
            z = Plus(z, nachkomma);
        } else if (schrift_ == TermSchrift::Bruch && i_ < t_.size() && t_[i_] == u'/') {
            ++i_;
            n = Ziffern(anzahl);
            if (anzahl == 0)
                throw Fehler{QStringLiteral("Bruchstrich ohne Nenner")};
        }
        return Gekuerzt(z, n);
    }

    const QString& t_;
    TermSchrift schrift_;
    bool ganzzahlig_;
    qsizetype i_ = 0;
};

} // namespace

ExaktErgebnis BerechneExakt(const QString& text, TermSchrift schrift, bool ganzzahlig)
{
    QString t = text.trimmed();
    if (t.endsWith(u'='))
        t.chop(1);
    ExaktErgebnis e;
    try {
        e.wert = Leser(t, schrift, ganzzahlig).Alles();
        e.ok = true;
    } catch (const Fehler& f) {
        e.fehler = f.grund;
    }
    return e;
}

bool LeseErgebnis(const QString& text, ExaktBruch& wert)
{
    QString t = text;
    bool negativ = false;
    if (t.startsWith(u'-') || t.startsWith(Strich)) {
        negativ = true;
        t.remove(0, 1);
    }
    const ExaktErgebnis e = BerechneExakt(t, TermSchrift::Bruch);
    // Only a plain number or fraction, no term.
    for (QChar c : std::as_const(t))
        if (!((c >= u'0' && c <= u'9') || c == u',' || c == u'/'))
            return false;
    if (!e.ok || t.isEmpty())
        return false;
    wert = e.wert;
    if (negativ)
        wert.z = -wert.z;
    return true;
}

QString BruchText(const ExaktBruch& b)
{
    return b.n == 1 ? QString::number(b.z) : QStringLiteral("%1/%2").arg(b.z).arg(b.n);
}
