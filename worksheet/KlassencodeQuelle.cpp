#include "worksheet/KlassencodeQuelle.h"

#include "integer/GanzSpeicher.h"
#include "rational/RationalQuelle.h"
#include "rational/RationalSpeicher.h"

KlassencodeQuelle::KlassencodeQuelle(const BlattAuswahl& auswahl, int gruppe)
    : auswahl_(auswahl), gruppe_(gruppe)
{
}

const BlattAufgabe& KlassencodeQuelle::Aufgabe(int seite, int zeile, bool vereinfacht)
{
    QList<BlattAufgabe>& liste = aufgaben_[vereinfacht ? 1 : 0];
    if (liste.isEmpty()) {
        BlattAuswahl a = auswahl_;
        a.vereinfacht = vereinfacht;
        liste = ZieheBlattAufgaben(a, gruppe_, DrillAufgaben);
    }
    // Pages beyond the third repeat the sheet rather than read past it.
    const int nummer = ((qMax(1, seite) - 1) * 5 + qBound(1, zeile, 5) - 1) % DrillAufgaben;
    static const BlattAufgabe leer;
    return nummer < liste.size() ? liste.at(nummer) : leer;
}

AufgabenHerkunft KlassencodeQuelle::Fuelle(int seite, int zeile, bool vereinfacht)
{
    AufgabenHerkunft h;
    if (zeile < 1 || zeile > 5)
        return h;
    const BlattAufgabe& b = Aufgabe(seite, zeile, vereinfacht);
    if (b.term.isEmpty())
        return h;
    h.bereich = auswahl_.bereich;
    h.art = auswahl_.art;
    h.stufe = auswahl_.stufe;
    h.term = b.term;
    h.ergebnis = b.ergebnis;
    h.istBruch = b.istBruch;
    h.sonderdarstellung = b.sonderdarstellung;
    h.form = b.form;
    if (auswahl_.bereich == Zahlenbereich::Ganz) {
        TAufgabeGanz& a = AufgabenGanz[zeile];
        a.Term = b.term;
        a.Ergebnis = b.ergebnis;
        a.TermSichtbar = true;
    } else {
        SchreibeRationalZeile(zeile, h);
        RationalAufgaben[zeile].Angezeigt = true;
    }
    return h;
}

QString KlassencodeQuelle::Titel() const
{
    const QString gruppe = gruppe_ > 0 ? QStringLiteral(" · Gruppe %1").arg(QChar(u'A' + gruppe_)) : QString();
    return BlattTitel(auswahl_) + QStringLiteral(" · Klassencode ") + auswahl_.code + gruppe;
}
