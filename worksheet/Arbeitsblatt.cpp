#include "worksheet/Arbeitsblatt.h"

#include "core/Random.h"
#include "integer/GanzAnzeige.h"
#include "integer/GanzPruefung.h"
#include "integer/GanzKatalog.h"
#include "integer/GanzSpeicher.h"
#include "rational/RationalAnzeige.h"
#include "rational/RationalKatalog.h"
#include "rational/RationalPruefung.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalTermBauer.h"
#include "worksheet/Klassencode.h"

#include <QSet>

int BlattArten(Zahlenbereich bereich)
{
    return bereich == Zahlenbereich::Ganz ? 9 : 5;
}

int BlattStufen(Zahlenbereich bereich, int art)
{
    if (art < 1 || art > BlattArten(bereich))
        return 0;
    return bereich == Zahlenbereich::Ganz ? 4 : RationalStufen(art);
}

QString BlattAuswahlFehler(const BlattAuswahl& a)
{
    if (a.art < 1 || a.art > BlattArten(a.bereich))
        return QStringLiteral("Die Art muss eine Zahl von 1 bis %1 sein.").arg(BlattArten(a.bereich));
    if (a.stufe < 1 || a.stufe > BlattStufen(a.bereich, a.art))
        return QStringLiteral("Die Stufe muss für Art %1 eine Zahl von 1 bis %2 sein.")
            .arg(a.art)
            .arg(BlattStufen(a.bereich, a.art));
    if (a.anzahl < BlattAnzahlMin || a.anzahl > BlattAnzahlMax)
        return QStringLiteral("Die Anzahl muss zwischen %1 und %2 liegen.").arg(BlattAnzahlMin).arg(BlattAnzahlMax);
    if (a.gruppen < 1 || a.gruppen > BlattGruppenMax)
        return QStringLiteral("Es gibt 1 bis %1 Gruppen.").arg(BlattGruppenMax);
    return KlassencodeFehler(a.code);
}

quint64 BlattSeed(const BlattAuswahl& a, int gruppe)
{
    // Everything that fixes the sequence, in one text; the sheet's length is
    // left out so that every sheet begins with the drill's 15 exercises.
    const QString schluessel = QStringLiteral("minusland|%1|%2|%3|%4|%5|%6")
                                   .arg(a.bereich == Zahlenbereich::Ganz ? QStringLiteral("ganz")
                                                                         : QStringLiteral("rational"))
                                   .arg(a.art)
                                   .arg(a.stufe)
                                   .arg(a.vereinfacht ? QStringLiteral("vereinfacht") : QStringLiteral("vorzeichen"))
                                   .arg(QChar(u'A' + gruppe))
                                   .arg(NormalisiereKlassencode(a.code));
    return Fnv1a64(schluessel);
}

namespace {

BlattAufgabe GanzBlattAufgabe(const BlattAuswahl& a)
{
    const GanzAufgabe g = ZieheAufgabeGanz(a.art, a.stufe, a.vereinfacht);
    BlattAufgabe b;
    b.quelle = g.Quelle;
    b.term = g.Term;
    b.ergebnis = g.Ergebnis;
    b.anzeige = GanzZeilenText(g.Term, a.art, a.vereinfacht);
    b.loesung = ErgebnisAnzeigeGanz(g.Ergebnis, a.vereinfacht);
    return b;
}

BlattAufgabe RationalBlattAufgabe(const BlattAuswahl& a)
{
    RationalAufgaben[1] = TRationalAufgabe{};
    const int variante = RationalEintrag(a.art, a.stufe, 1);
    const TRationalAufgabe& r = RationalAufgaben[1];
    BlattAufgabe b;
    b.quelle = BauerName(a.art) + u'(' + QString::number(variante) + u')';
    b.term = r.Term;
    b.ergebnis = r.Ergebnis;
    b.istBruch = r.IstBruch;
    b.sonderdarstellung = r.Sonderdarstellung;
    b.form = r.Form;
    if (!r.IstBruch)
        b.anzeige = DezimaltermAnzeige(r.Term, a.vereinfacht);
    b.loesung = AnzeigeformR(r.Ergebnis, a.vereinfacht);
    return b;
}

} // namespace

namespace {

// The sequence of one group: drawn from the group's seed, skipping what an
// earlier group already has. A level with few different exercises could
// skip for ever; after many skips in a row the draw is taken.
QList<BlattAufgabe> Folge(const BlattAuswahl& a, int gruppe, int anzahl, const QSet<QString>& vergeben)
{
    constexpr int MaxUebersprungen = 200;
    QList<BlattAufgabe> folge;
    RandSeed(BlattSeed(a, gruppe));
    int uebersprungen = 0;
    while (folge.size() < anzahl) {
        BlattAufgabe b = a.bereich == Zahlenbereich::Ganz ? GanzBlattAufgabe(a) : RationalBlattAufgabe(a);
        if (vergeben.contains(b.term) && ++uebersprungen < MaxUebersprungen)
            continue;
        uebersprungen = 0;
        folge << b;
    }
    return folge;
}

} // namespace

QList<BlattAufgabe> ZieheBlattAufgaben(const BlattAuswahl& a, int gruppe, int anzahl)
{
    QList<BlattAufgabe> aufgaben;
    if (BlattStufen(a.bereich, a.art) < a.stufe || a.stufe < 1 || gruppe < 0 || gruppe >= BlattGruppenMax)
        return aufgaben;
    // The builders read the drill's mode flags and write the drill's store;
    // both are put back, so making a sheet never disturbs an open drill.
    const bool vorherGanz = Vereinfacht;
    const bool vorherRational = RationalVereinfacht;
    const TRationalAufgabe vorherZeile = RationalAufgaben[1];
    Vereinfacht = a.vereinfacht;
    RationalVereinfacht = a.vereinfacht;
    // Groups differ: each leaves out the exercises of the groups before it,
    // as far as the longest sheet reaches, whatever this sheet's length.
    QSet<QString> vergeben;
    for (int g = 0; g < gruppe; ++g)
        for (const BlattAufgabe& b : Folge(a, g, BlattAnzahlMax, vergeben))
            vergeben << b.term;
    aufgaben = Folge(a, gruppe, anzahl, vergeben);
    Vereinfacht = vorherGanz;
    RationalVereinfacht = vorherRational;
    RationalAufgaben[1] = vorherZeile;
    return aufgaben;
}

QString GruppenName(const BlattAuswahl& a, int gruppe)
{
    if (a.gruppen < 2)
        return {};
    return QStringLiteral("Gruppe %1").arg(QChar(u'A' + gruppe));
}

QString BlattTitel(const BlattAuswahl& a)
{
    const QString stufe = QStringLiteral(" – Stufe %1").arg(a.stufe);
    if (a.bereich == Zahlenbereich::Ganz) {
        QString kopf = GanzUeberschrift(a.art, a.stufe);
        kopf.chop(1); // the screen's "!"
        return kopf + stufe;
    }
    static const char* const arten[5] = {"Addition", "Subtraktion", "Multiplikation", "Division",
                                         "Alle Grundrechnugsarten"};
    return QStringLiteral("Rationale Zahlen: ") + QString::fromUtf8(arten[qBound(1, a.art, 5) - 1]) + stufe;
}

QString ModusName(bool vereinfacht)
{
    return vereinfacht ? QStringLiteral("Vereinfacht") : QStringLiteral("mit Vorzeichen");
}

QString BlattAnleitung(const BlattAuswahl& a)
{
    const QString form = a.vereinfacht ? QStringLiteral("ohne Pluszeichen")
                                       : QStringLiteral("mit dem entsprechenden Vorzeichen");
    if (a.bereich == Zahlenbereich::Ganz)
        return QStringLiteral("Berechne und schreibe das Ergebnis %1 in das Kästchen.").arg(form);
    return QStringLiteral("Berechne und schreibe den gekürzten Bruch (echt oder unecht) bzw. die Zahl %1 in das Kästchen.")
        .arg(form);
}

QString BlattFuss(const BlattAuswahl& a, int gruppe, int seite, int seiten)
{
    QStringList teile{a.bereich == Zahlenbereich::Ganz ? QStringLiteral("Ganze Zahlen")
                                                       : QStringLiteral("Rationale Zahlen"),
                      QStringLiteral("Art %1").arg(a.art), QStringLiteral("Stufe %1").arg(a.stufe),
                      ModusName(a.vereinfacht), QStringLiteral("Klassencode %1").arg(NormalisiereKlassencode(a.code))};
    if (a.gruppen > 1)
        teile << GruppenName(a, gruppe);
    teile << QStringLiteral("Seite %1 / %2").arg(seite).arg(seiten);
    return teile.join(QStringLiteral(" · "));
}

QString BlattDateiname(const BlattAuswahl& a)
{
    return QStringLiteral("Arbeitsblatt-%1-%2-%3-%4.pdf")
        .arg(a.bereich == Zahlenbereich::Ganz ? QStringLiteral("ganz") : QStringLiteral("rational"))
        .arg(a.art)
        .arg(a.stufe)
        .arg(NormalisiereKlassencode(a.code));
}
