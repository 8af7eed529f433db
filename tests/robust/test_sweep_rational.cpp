// Sweep over the 18 rational catalogue entries, both display modes, thousands
// of seeded builds each. For every exercise: the draw loops ended within a
// bounded number of random draws; the stored result equals the value of the
// term as its screen shows it (the linear form of the typeset shape, or the
// decimal display), computed by the independent exact evaluator of
// robust/ExakterTerm.h; the result is written reduced, fits its answer box
// and is accepted when typed; term and result keep their length limits. Per
// entry the variants and shapes appear with the shares of the catalogue.
#include "core/NumberHelpers.h"
#include "core/Random.h"
#include "rational/RationalAnzeige.h"
#include "rational/RationalKatalog.h"
#include "rational/RationalPruefung.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalTermBauer.h"
#include "robust/ExakterTerm.h"
#include "robust/RationalSichtbar.h"
#include "robust/Sweep.h"

#include <QtTest>

#include <array>
#include <vector>

namespace {

QList<Band> RationalBaender(int art, int stufe)
{
    // (bis, variant, form)
    struct Zeile {
        int art, stufe;
        std::vector<std::array<int, 3>> b;
    };
    static const Zeile tabelle[] = {
        {1, 1, {{40, 1, 0}, {80, 2, 0}, {100, 3, 0}}},
        {1, 2, {{34, 4, 0}, {68, 5, 0}, {100, 6, 0}}},
        {1, 3, {{34, 7, 0}, {68, 8, 0}, {100, 9, 0}}},
        {1, 4, {{40, 10, 0}, {80, 11, 0}, {90, 12, 0}, {100, 13, 0}}},
        {2, 1, {{40, 1, 0}, {80, 2, 0}, {100, 3, 0}}},
        {2, 2, {{34, 4, 0}, {68, 5, 0}, {100, 6, 0}}},
        {2, 3, {{34, 7, 0}, {68, 8, 0}, {100, 9, 0}}},
        {2, 4, {{25, 10, 0}, {50, 11, 0}, {75, 12, 0}, {100, 13, 0}}},
        {3, 1, {{50, 1, 0}, {100, 2, 0}}},
        {3, 2, {{50, 3, 0}, {100, 4, 0}}},
        {3, 3, {{50, 5, 0}, {100, 6, 0}}},
        {4, 1, {{50, 1, 0}, {75, 2, 0}, {100, 3, 0}}},
        {4, 2, {{50, 4, 0}, {75, 5, 0}, {100, 6, 0}}},
        {4, 3, {{50, 7, 0}, {75, 8, 0}, {100, 9, 0}}},
        {5, 1, {{12, 1, 1}, {25, 2, 1}, {37, 3, 1}, {50, 4, 1}, {62, 5, 2}, {75, 6, 2}, {87, 7, 3}, {100, 8, 3}}},
        {5, 2, {{50, 9, 4}, {100, 10, 4}}},
        {5, 3, {{25, 11, 5}, {50, 12, 5}, {75, 13, 5}, {100, 14, 5}}},
        {5, 4, {{50, 15, 6}, {100, 16, 6}}},
    };
    QList<Band> baender;
    for (const Zeile& z : tabelle)
        if (z.art == art && z.stufe == stufe)
            for (const auto& b : z.b)
                baender.append({b[0], QStringLiteral("%1/%2").arg(b[1]).arg(b[2])});
    return baender;
}

} // namespace

class TestSweepRational : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ZiehungenZaehlen(); }

    void rational()
    {
        const int n = Bauten();
        Befund befund;
        for (int art = 1; art <= 5; ++art) {
            for (int stufe = 1; stufe <= RationalStufen(art); ++stufe) {
                const QString eintrag = QStringLiteral("Rational %1/%2").arg(art).arg(stufe);
                std::map<QString, int> baender;
                quint64 meisteZiehungen = 0;
                quint64 alleZiehungen = 0;
                for (bool vereinfacht : {false, true}) {
                    RandSeed(quint64(9000 + art * 10 + stufe + (vereinfacht ? 500 : 0)));
                    RationalVereinfacht = vereinfacht;
                    for (int k = 0; k < n; ++k) {
                        RationalAufgaben[1] = TRationalAufgabe{};
                        ziehungen = 0;
                        const int variante = RationalEintrag(art, stufe, 1);
                        meisteZiehungen = qMax(meisteZiehungen, ziehungen);
                        alleZiehungen += ziehungen;
                        const TRationalAufgabe& a = RationalAufgaben[1];
                        ++baender[QStringLiteral("%1/%2").arg(variante).arg(art == 5 ? a.Form : 0)];
                        int formNr = 0;
                        const QString zeige = RationalSichtbar(a, art, vereinfacht, formNr);
                        const QString fall = QStringLiteral("Variante %1 ").arg(variante) + a.Term + " -> " + zeige
                                             + " [" + a.Ergebnis + "]";
                        if (a.Term.isEmpty() || a.Term.size() > ShortLen80 || a.Ergebnis.size() > ShortLen80)
                            befund.Melde(eintrag, "Länge: " + fall);
                        if (a.IstBruch && formNr == 0)
                            befund.Melde(eintrag, "keine Termform: " + fall);
                        ExaktBruch erwartet;
                        const ExaktErgebnis gesehen = BerechneExakt(zeige, TermSchrift::Bruch);
                        if (!LeseErgebnis(a.Ergebnis, erwartet))
                            befund.Melde(eintrag, "Ergebnis unlesbar: " + fall);
                        else if (a.IstBruch && a.Ergebnis != BruchText(erwartet))
                            befund.Melde(eintrag, "Ergebnis nicht gekürzt geschrieben: " + fall);
                        else if (!gesehen.ok)
                            befund.Melde(eintrag, gesehen.fehler + ": " + fall);
                        else if (!(gesehen.wert == erwartet))
                            befund.Melde(eintrag, "Wert " + BruchText(gesehen.wert) + ": " + fall);
                        const QString antwort = AnzeigeformR(a.Ergebnis, vereinfacht);
                        if (antwort.size() > Antwortfeld)
                            befund.Melde(eintrag, "passt nicht ins Antwortfeld: " + fall);
                        else if (!PruefeEingabeR(antwort, a.Ergebnis, vereinfacht).richtig)
                            befund.Melde(eintrag, "richtige Eingabe " + antwort + " abgelehnt: " + fall);
                    }
                }
                if (meisteZiehungen > MaxZiehungen)
                    befund.Melde(eintrag, QStringLiteral("%1 Ziehungen für eine Aufgabe").arg(meisteZiehungen));
                qInfo("%s: %.1f draws per exercise on average, at most %llu", qPrintable(eintrag),
                      double(alleZiehungen) / (2 * n), meisteZiehungen);
                for (const QString& a : Anteile(RationalBaender(art, stufe), baender, 2 * n))
                    befund.Melde(eintrag, a);
            }
        }
        QVERIFY2(befund.fehler.isEmpty(), qPrintable(befund.fehler.join(u'\n')));
    }
};

QTEST_APPLESS_MAIN(TestSweepRational)
#include "test_sweep_rational.moc"
