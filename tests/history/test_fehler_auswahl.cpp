// The spaced-practice choice of "Fehler üben" on synthetic histories (the day
// is handed in, nothing waits), and the page source it feeds the screens.
#include "VerlaufTestHilfen.h"
#include "history/FehlerAuswahl.h"
#include "history/FehlerQuelle.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzTermBauer.h"
#include "rational/RationalSpeicher.h"

#include <QtTest>

namespace {

ErsterVersuch Erst(const AufgabenHerkunft& a, bool richtig, const QDateTime& zeit, bool wiederholung = false)
{
    ErsterVersuch v;
    v.aufgabe = a;
    v.richtig = richtig;
    v.zeit = zeit;
    v.wiederholung = wiederholung;
    return v;
}

const AufgabenHerkunft A = GanzAufgabe(1, 2, QStringLiteral("(+3)+(-5)"), QStringLiteral("-2"));
const AufgabenHerkunft B = GanzAufgabe(7, 1, QStringLiteral("(-4)*(+6)"), QStringLiteral("-24"));

bool Faellig(const std::vector<ErsterVersuch>& verlauf, int tag)
{
    return !FaelligeFehler(verlauf, Tag(tag).date()).empty();
}

} // namespace

class TestFehlerAuswahl : public QObject {
    Q_OBJECT
private slots:
    void kommtNachEinemDreiUndSiebenTagenWieder();
    void zweimalRichtigImFehlerUebenVerlaesstDieListe();
    void richtigImGewoehnlichenDrillZaehltNicht();
    void abendsFalschIstMorgensFaellig();
    void beideDarstellungenSindDieselbeAufgabe();
    void planNimmtFaelligeUndFuelltMitSchwaechstenArten();
    void planWaehltDenBildschirmMitDenMeistenFaelligen();
    void planOhneVerlaufGibtEsNicht();
    void quelleSchreibtGanzeAufgabenInBeidenDarstellungen();
    void quelleZiehtFrischeUndRationale();
};

void TestFehlerAuswahl::kommtNachEinemDreiUndSiebenTagenWieder()
{
    std::vector<ErsterVersuch> v = {Erst(A, false, Tag(1))};
    QVERIFY(!Faellig(v, 1));
    QVERIFY(Faellig(v, 2));
    QCOMPARE(FehlerListe(v).front().faellig, Tag(2).date());

    // Wrong again when it came back: three days.
    v.push_back(Erst(A, false, Tag(2), true));
    QVERIFY(!Faellig(v, 4));
    QVERIFY(Faellig(v, 5));
    // And again: seven days, and seven from then on.
    v.push_back(Erst(A, false, Tag(5), true));
    QVERIFY(!Faellig(v, 11));
    QVERIFY(Faellig(v, 12));
    v.push_back(Erst(A, false, Tag(12), true));
    QCOMPARE(FehlerListe(v).front().faellig, Tag(19).date());
    QCOMPARE(FehlerListe(v).front().fehler, 4);
}

void TestFehlerAuswahl::zweimalRichtigImFehlerUebenVerlaesstDieListe()
{
    std::vector<ErsterVersuch> v = {Erst(A, false, Tag(1)), Erst(A, false, Tag(2), true)};
    v.push_back(Erst(A, true, Tag(5), true));
    // Once right: back after the same span, still on the list.
    QCOMPARE(FehlerListe(v).size(), size_t(1));
    QCOMPARE(FehlerListe(v).front().faellig, Tag(8).date());
    QCOMPARE(FehlerListe(v).front().richtigInFolge, 1);
    // A mistake in between breaks the run.
    std::vector<ErsterVersuch> unterbrochen = v;
    unterbrochen.push_back(Erst(A, false, Tag(8), true));
    unterbrochen.push_back(Erst(A, true, Tag(15), true));
    QCOMPARE(FehlerListe(unterbrochen).size(), size_t(1));
    // Twice in a row: off the list, never due again.
    v.push_back(Erst(A, true, Tag(8), true));
    QVERIFY(FehlerListe(v).empty());
    QVERIFY(!Faellig(v, 100));
    // A new mistake puts it back at the start.
    v.push_back(Erst(A, false, Tag(20)));
    QCOMPARE(FehlerListe(v).front().faellig, Tag(21).date());
    QCOMPARE(FehlerListe(v).front().fehler, 1);
}

void TestFehlerAuswahl::richtigImGewoehnlichenDrillZaehltNicht()
{
    const std::vector<ErsterVersuch> v = {Erst(A, false, Tag(1)), Erst(A, true, Tag(2)), Erst(A, true, Tag(3))};
    QCOMPARE(FehlerListe(v).size(), size_t(1));
    QCOMPARE(FehlerListe(v).front().richtigInFolge, 0);
    // A right answer to an exercise never wrong puts nothing on the list.
    QVERIFY(FehlerListe({Erst(B, true, Tag(1), true)}).empty());
}

void TestFehlerAuswahl::abendsFalschIstMorgensFaellig()
{
    const std::vector<ErsterVersuch> v = {Erst(A, false, Tag(1, 23, 50))};
    QVERIFY(Faellig(v, 2));
    // Order of the input does not matter; the history is replayed by time.
    const std::vector<ErsterVersuch> umgekehrt = {Erst(A, true, Tag(3), true), Erst(A, false, Tag(1))};
    QCOMPARE(FehlerListe(umgekehrt).front().richtigInFolge, 1);
}

void TestFehlerAuswahl::beideDarstellungenSindDieselbeAufgabe()
{
    const AufgabenHerkunft eckig = GanzAufgabe(4, 1, QStringLiteral("[(+3)-(-5)]-(+2)"), QStringLiteral("6"));
    const AufgabenHerkunft rund = GanzAufgabe(4, 1, QStringLiteral("((+3)-(-5))-(+2)"), QStringLiteral("6"));
    const std::vector<ErsterVersuch> v = {Erst(eckig, false, Tag(1)), Erst(rund, true, Tag(2), true),
                                          Erst(eckig, true, Tag(3), true)};
    QVERIFY(FehlerListe(v).empty());
}

void TestFehlerAuswahl::planNimmtFaelligeUndFuelltMitSchwaechstenArten()
{
    std::vector<ErsterVersuch> fehlerhafte;
    for (int i = 0; i < 4; ++i)
        fehlerhafte.push_back(Erst(GanzAufgabe(2, 3, QStringLiteral("(+%1)-(+9)").arg(i), QString::number(i - 9)),
                                      false, Tag(1 + i)));
    // Not due yet on day 5: the one from day 5 itself.
    fehlerhafte.push_back(Erst(B, false, Tag(5)));

    std::vector<ErsterVersuch> letzte = fehlerhafte;
    // Kind 8 level 2: 3 of 4 wrong; kind 1 level 1: 1 of 10; kind 2 level 3: 4 of 4.
    for (int i = 0; i < 4; ++i)
        letzte.push_back(Erst(GanzAufgabe(8, 2, QStringLiteral("x%1").arg(i), QStringLiteral("1")), i > 0, Tag(3)));
    for (int i = 0; i < 10; ++i)
        letzte.push_back(Erst(GanzAufgabe(1, 1, QStringLiteral("y%1").arg(i), QStringLiteral("1")), i > 0, Tag(3)));

    const auto plan = PlaneFehlerUeben(fehlerhafte, letzte, Tag(5).date());
    QVERIFY(plan);
    QCOMPARE(plan->gruppe, Uebungsgruppe::Ganz);
    QCOMPARE(plan->aufgaben.size(), size_t(FehlerUebenAnzahl));
    QCOMPARE(plan->faellige, 4);
    for (int i = 0; i < 4; ++i) {
        QVERIFY(plan->aufgaben[size_t(i)].ausVerlauf);
        QCOMPARE(plan->aufgaben[size_t(i)].aufgabe.term, QStringLiteral("(+%1)-(+9)").arg(i)); // longest due first
    }
    // Fresh ones: kind 2/3 (share 1), kind 7/1 (1 of 1 as well, fewer tries),
    // kind 8/2 (0.25)... in turn, the worst first.
    const auto quoten = Fehlerquoten(letzte);
    QCOMPARE(quoten.front().art, 2);
    QCOMPARE(quoten.back().art, 1);
    QVERIFY(!plan->aufgaben[4].ausVerlauf);
    QCOMPARE(plan->aufgaben[4].aufgabe.art, 2);
    QVERIFY(plan->aufgaben[4].aufgabe.term.isEmpty());
    QCOMPARE(plan->aufgaben[5].aufgabe.art, quoten[1].art);
    QCOMPARE(plan->aufgaben[6].aufgabe.art, quoten[2].art);
    QCOMPARE(plan->aufgaben[7].aufgabe.art, 2);
    for (const GeplanteAufgabe& g : plan->aufgaben)
        QVERIFY(g.aufgabe.art != 1); // only the three worst

    // More than fifteen due: fifteen, all from the list.
    std::vector<ErsterVersuch> viele;
    for (int i = 0; i < 20; ++i)
        viele.push_back(Erst(GanzAufgabe(3, 1, QStringLiteral("z%1").arg(i), QStringLiteral("1")), false, Tag(1)));
    const auto voll = PlaneFehlerUeben(viele, viele, Tag(9).date());
    QCOMPARE(voll->faellige, FehlerUebenAnzahl);
    QCOMPARE(voll->aufgaben.size(), size_t(FehlerUebenAnzahl));
}

void TestFehlerAuswahl::planWaehltDenBildschirmMitDenMeistenFaelligen()
{
    std::vector<ErsterVersuch> v;
    v.push_back(Erst(A, false, Tag(1)));
    for (int i = 0; i < 3; ++i)
        v.push_back(Erst(RationalAufgabe(3 + i % 2, 1, QStringLiteral("r%1").arg(i), QStringLiteral("1/2")), false,
                            Tag(2)));
    v.push_back(Erst(RationalAufgabe(1, 1, QStringLiteral("s"), QStringLiteral("1/3")), false, Tag(2)));
    const auto plan = PlaneFehlerUeben(v, v, Tag(10).date());
    QVERIFY(plan);
    QCOMPARE(plan->gruppe, Uebungsgruppe::RationalMultDiv);
    QCOMPARE(plan->faellige, 3);
    for (const GeplanteAufgabe& g : plan->aufgaben) {
        QCOMPARE(g.aufgabe.bereich, Zahlenbereich::Rational);
        QVERIFY(g.aufgabe.art == 3 || g.aufgabe.art == 4);
    }
    // Tie: the screen whose mistake waited longest.
    const std::vector<ErsterVersuch> gleich = {Erst(RationalAufgabe(5, 2, QStringLiteral("g"), QStringLiteral("1")),
                                                       false, Tag(3)),
                                               Erst(A, false, Tag(1))};
    QCOMPARE(PlaneFehlerUeben(gleich, gleich, Tag(10).date())->gruppe, Uebungsgruppe::Ganz);

    // Nothing due: the screen of the worst recent kind, all fresh.
    const std::vector<ErsterVersuch> nichts = {Erst(RationalAufgabe(5, 2, QStringLiteral("g"), QStringLiteral("1")),
                                                       false, Tag(9)),
                                               Erst(A, true, Tag(9))};
    const auto frisch = PlaneFehlerUeben({}, nichts, Tag(9).date());
    QCOMPARE(frisch->gruppe, Uebungsgruppe::RationalGem);
    QCOMPARE(frisch->faellige, 0);
    QCOMPARE(frisch->aufgaben.size(), size_t(FehlerUebenAnzahl));
    QCOMPARE(frisch->aufgaben.back().aufgabe.stufe, 2);
}

void TestFehlerAuswahl::planOhneVerlaufGibtEsNicht()
{
    QVERIFY(!PlaneFehlerUeben({}, {}, Tag(1).date()));
}

void TestFehlerAuswahl::quelleSchreibtGanzeAufgabenInBeidenDarstellungen()
{
    FehlerPlan plan;
    const AufgabenHerkunft eckig = GanzAufgabe(4, 2, QStringLiteral("[(+3)-(-5)]-(+2)"), QStringLiteral("6"));
    plan.aufgaben.push_back({eckig, false, true});
    plan.aufgaben.push_back({GanzAufgabe(1, 3, {}, {}), false, false});
    plan.faellige = 1;
    FehlerQuelle quelle(plan);
    QVERIFY(quelle.Wiederholung());
    QCOMPARE(quelle.Seiten(), 1);
    QCOMPARE(quelle.Art(), 4);
    QCOMPARE(quelle.Stufe(), 2);
    QVERIFY(quelle.Titel().startsWith(QStringLiteral("Fehler üben")));

    AufgabenHerkunft h = quelle.Fuelle(1, 1, false);
    QCOMPARE(h.term, eckig.term);
    QCOMPARE(AufgabenGanz[1].Term, eckig.term);
    QCOMPARE(AufgabenGanz[1].Ergebnis, QStringLiteral("6"));
    // In the simplified mode the catalogue keeps doubled parentheses.
    h = quelle.Fuelle(1, 1, true);
    QCOMPARE(AufgabenGanz[1].Term, QStringLiteral("((+3)-(-5))-(+2)"));
    QCOMPARE(EckigeKlammern(AufgabenGanz[1].Term), eckig.term);
    QCOMPARE(h.ergebnis, QStringLiteral("6"));

    // A fresh one is drawn by its catalogue entry, its result computed.
    h = quelle.Fuelle(1, 2, false);
    QCOMPARE(h.art, 1);
    QVERIFY(!h.term.isEmpty());
    QCOMPARE(AufgabenGanz[2].Term, h.term);
    QCOMPARE(Ergebnistext(h.term), h.ergebnis);
    // Lines past the plan stay empty.
    QCOMPARE(quelle.Fuelle(1, 3, false).art, 0);
    QCOMPARE(quelle.Fuelle(2, 1, false).art, 0);
    QCOMPARE(quelle.Fuelle(0, 1, false).art, 0);
}

void TestFehlerAuswahl::quelleZiehtFrischeUndRationale()
{
    FehlerPlan plan;
    plan.gruppe = Uebungsgruppe::RationalGem;
    AufgabenHerkunft gespeichert = RationalAufgabe(5, 3, QStringLiteral("!+{3/4}!:!-{5/6}!"), QStringLiteral("-9/10"));
    gespeichert.sonderdarstellung = true;
    gespeichert.form = 4;
    plan.aufgaben.push_back({gespeichert, false, true});
    for (int i = 0; i < 14; ++i)
        plan.aufgaben.push_back({RationalAufgabe(5, 2, {}, {}), false, false});
    FehlerQuelle quelle(plan);
    QCOMPARE(quelle.Seiten(), 3);

    RationalAufgaben[1] = TRationalAufgabe{};
    const AufgabenHerkunft h = quelle.Fuelle(1, 1, false);
    QCOMPARE(RationalAufgaben[1].Term, gespeichert.term);
    QCOMPARE(RationalAufgaben[1].Ergebnis, gespeichert.ergebnis);
    QVERIFY(RationalAufgaben[1].IstBruch);
    QVERIFY(RationalAufgaben[1].Sonderdarstellung);
    QCOMPARE(RationalAufgaben[1].Form, 4);
    QCOMPARE(h.form, 4);

    // A mixed first shape saved in the simplified mode, without the plus
    // signs, gets them back in the signed mode and keeps its result.
    FehlerPlan ohnePlus;
    ohnePlus.gruppe = Uebungsgruppe::RationalGem;
    AufgabenHerkunft einfach = RationalAufgabe(5, 1, QStringLiteral("!{1/2}!+!-{1/3}!-!{1/4}!"), QStringLiteral("-1/12"));
    einfach.form = 1;
    ohnePlus.aufgaben.push_back({einfach, true, true});
    FehlerQuelle wieder(ohnePlus);
    QCOMPARE(wieder.Fuelle(1, 1, false).term, QStringLiteral("!+{1/2}!+!-{1/3}!-!+{1/4}!"));
    QCOMPARE(RationalAufgaben[1].Term, QStringLiteral("!+{1/2}!+!-{1/3}!-!+{1/4}!"));
    QCOMPARE(RationalAufgaben[1].Ergebnis, QStringLiteral("-1/12"));
    QCOMPARE(wieder.Fuelle(1, 1, true).term, einfach.term);

    for (int zeile = 1; zeile <= 5; ++zeile) {
        const AufgabenHerkunft f = quelle.Fuelle(3, zeile, false);
        QCOMPARE(f.art, 5);
        QVERIFY(!f.term.isEmpty());
        QCOMPARE(RationalAufgaben[zeile].Term, f.term);
        QCOMPARE(RationalAufgaben[zeile].Form, f.form);
        QVERIFY(f.form >= 1 && f.form <= 6);
    }
}

QTEST_GUILESS_MAIN(TestFehlerAuswahl)
#include "test_fehler_auswahl.moc"
