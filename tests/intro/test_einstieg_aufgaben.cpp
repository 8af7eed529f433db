// Draw rules, number texts and judging of the introductions and examples,
// checked over many seeds without any screen.
#include "core/NumberHelpers.h"
#include "core/Random.h"
#include "intro/EinstiegAufgaben.h"

#include <QtTest>

#include <cstdlib>
#include <set>

namespace {
constexpr int Seeds = 3000;
}

class TestEinstiegAufgaben : public QObject {
    Q_OBJECT
private slots:
    void thermometerDraws()
    {
        bool sawFallToNegative = false;
        bool sawRiseFromNegative = false;
        for (int seed = 0; seed < Seeds; ++seed) {
            RandSeed(seed);
            const TThermoAufgabe t = ZieheEinstiegThermometer();
            QVERIFY(std::abs(t.StartTemp) - std::abs(t.EndTemp) >= 7);
            QVERIFY(t.StartTemp != t.EndTemp);
            QCOMPARE(t.TempChange, t.EndTemp - t.StartTemp);
            QVERIFY(t.StartTemp >= -20 && t.StartTemp <= 50);
            QVERIFY(t.EndTemp >= -20 && t.EndTemp <= 50);
            // Never two positive values: the introduction is about crossing or
            // staying below zero.
            QVERIFY(t.StartTemp <= 0 || t.EndTemp < 0);
            sawFallToNegative |= t.StartTemp >= 0 && t.EndTemp < 0;
            sawRiseFromNegative |= t.StartTemp < 0 && t.EndTemp >= 0;

            RandSeed(seed);
            const TThermoAufgabe m = ZieheMusterThermometer();
            QVERIFY(std::abs(m.StartTemp) - std::abs(m.EndTemp) >= 7);
            QVERIFY(m.StartTemp != m.EndTemp);
            QCOMPARE(m.TempChange, m.EndTemp - m.StartTemp);
            QVERIFY(m.StartTemp >= -20 && m.StartTemp <= 50 && m.EndTemp >= -20 && m.EndTemp <= 50);
        }
        QVERIFY(sawFallToNegative);
        QVERIFY(sawRiseFromNegative);
    }

    void numberLineDraws()
    {
        std::set<int> units;
        std::set<int> modes;
        for (int seed = 0; seed < Seeds; ++seed) {
            RandSeed(seed);
            const TZahlengerade g = ZieheZahlengerade();
            modes.insert(g.LineMode);
            units.insert(g.LineUnit);
            const int maxStep = g.LineMode == 1 ? 12 : 6;
            QVERIFY(g.RefStep >= 1 && g.RefStep <= (g.LineMode == 1 ? 10 : 5));
            int negative = 0;
            for (int i = 1; i <= 5; ++i) {
                const int p = g.Positions[i];
                QVERIFY(p != 0 && std::abs(p) != g.RefStep);
                QVERIFY(std::abs(p) <= maxStep);
                if (i > 1)
                    QVERIFY2(g.Positions[i - 1] < p, "positions ascending and distinct");
                negative += p < 0;
                QCOMPARE(ErwarteterWert(g, i), p * g.LineUnit);
            }
            QCOMPARE(negative, 3);
            // The click target on an asked position gives exactly its value.
            for (int i = 1; i <= 5; ++i) {
                const int n = 13 + g.Positions[i] * g.LineMode;
                QVERIFY(KlickZielSichtbar(g.LineMode, n));
                QCOMPARE(KlickWert(g, n), ErwarteterWert(g, i));
            }
        }
        QCOMPARE(modes, (std::set<int>{1, 2}));
        QCOMPARE(units, (std::set<int>{1, 2, 5, 10, 20, 25}));
    }

    void orderingAndAbsoluteDraws()
    {
        bool sawEqualWithBars = false;
        for (int seed = 0; seed < Seeds; ++seed) {
            RandSeed(seed);
            const TPaar o = ZieheOrdnenPaar();
            QVERIFY(o.a + o.b != 0);
            QVERIFY(std::abs(o.a) <= 25 && std::abs(o.b) <= 25);
            QVERIFY(!o.absA && !o.absB);
            QCOMPARE(o.relation, o.a < o.b ? u'<' : o.a > o.b ? u'>' : u'=');

            const TPaar b = ZieheBetragPaar();
            QVERIFY(b.absA || b.absB);
            const int l = b.absA ? std::abs(b.a) : b.a;
            const int r = b.absB ? std::abs(b.b) : b.b;
            QCOMPARE(b.relation, l < r ? u'<' : l > r ? u'>' : u'=');
            if (b.a == -b.b && b.a != 0) {
                if (b.absA && b.absB) {
                    QCOMPARE(b.relation, u'=');
                    sawEqualWithBars = true;
                }
            } else {
                QVERIFY(b.a + b.b != 0);
            }
        }
        QVERIFY(sawEqualWithBars);
        QCOMPARE(PaarZahlText(-7, true), QStringLiteral("|–7|"));
        QCOMPARE(PaarZahlText(7, false), QStringLiteral("+7"));
        QCOMPARE(PaarZahlText(0, true), QStringLiteral("|0|"));
    }

    void fractionDraws()
    {
        for (int seed = 0; seed < Seeds; ++seed) {
            RandSeed(seed);
            const TBruchPaar o = ZieheBruchOrdnen();
            QVERIFY(o.leftNum != o.rightNum);
            QVERIFY(o.leftDen != o.rightDen);
            QCOMPARE(Gcd(std::abs(o.leftNum), o.leftDen), 1);
            QCOMPARE(Gcd(std::abs(o.rightNum), o.rightDen), 1);
            QVERIFY(o.leftDen >= 2 && o.leftDen <= 10 && o.rightDen >= 2 && o.rightDen <= 10);
            QVERIFY(std::abs(o.leftNum) >= 1 && std::abs(o.leftNum) <= 11);
            QVERIFY(!o.absLeft && !o.absRight);
            const double l = double(o.leftNum) / o.leftDen;
            const double r = double(o.rightNum) / o.rightDen;
            QVERIFY(l != r);
            QCOMPARE(o.relation, r > l ? u'<' : u'>');
            QVERIFY(o.leftText.size() <= 10 && o.rightText.size() <= 10);
            QCOMPARE(o.leftText.startsWith(EnDash), o.leftNum < 0);

            const TBruchPaar b = ZieheBruchBetrag();
            QVERIFY(b.absLeft || b.absRight);
            QVERIFY(b.leftNum != b.rightNum || b.leftDen != b.rightDen);
            const double bl = b.absLeft ? std::abs(double(b.leftNum) / b.leftDen) : double(b.leftNum) / b.leftDen;
            const double br = b.absRight ? std::abs(double(b.rightNum) / b.rightDen)
                                         : double(b.rightNum) / b.rightDen;
            QCOMPARE(b.relation, bl < br ? u'<' : bl > br ? u'>' : u'=');
        }
        QCOMPARE(BruchText(-3, 4), QStringLiteral("–{3/4}"));
        QCOMPARE(BruchText(11, 10), QStringLiteral("{11/10}"));
        QCOMPARE(BruchLinear(QStringLiteral("–{1/2}"), true), QStringLiteral("|–1/2|"));
        QCOMPARE(BetragsHalbbreite(QStringLiteral("–{1/2}")), 0.7f);
        QCOMPARE(BetragsHalbbreite(QStringLiteral("–{11/10}")), 0.95f);
        QCOMPARE(BetragsHalbbreite(QStringLiteral("{1/2}")), 0.5f);
        QCOMPARE(BetragsHalbbreite(QStringLiteral("{11/10}")), 0.6f);
    }

    void moneyExamples()
    {
        for (int seed = 0; seed < 500; ++seed) {
            RandSeed(seed);
            for (bool sub : {false, true}) {
                const TGeldBeispiel g = ZieheGeldBeispiel(sub);
                int sum = 0;
                for (int i = 1; i <= 8; ++i) {
                    const int a = std::abs(g.Amounts[i]);
                    QVERIFY(a == 20 || a == 50 || a == 100 || a == 200);
                    sum += g.Amounts[i];
                    QCOMPARE(g.Balance[i + 1], sub ? g.Balance[i] - g.Amounts[i] : g.Balance[i] + g.Amounts[i]);
                }
                QCOMPARE(g.Balance[1], sub ? sum : 0);
                QCOMPARE(g.Balance[9], sub ? 0 : sum);
            }
        }
    }

    void numberTexts()
    {
        QCOMPARE(Vorzeichenzahl(-5), QStringLiteral("–5"));
        QCOMPARE(Vorzeichenzahl(5), QStringLiteral("+5"));
        QCOMPARE(Vorzeichenzahl(0), QStringLiteral("0"));
        QCOMPARE(Minuszahl(-12), QStringLiteral("–12"));
        QCOMPARE(Minuszahl(12), QStringLiteral("12"));

        int v = 99;
        QVERIFY(ZahlAusEingabe(QStringLiteral("–5"), v));
        QCOMPARE(v, -5);
        QVERIFY(ZahlAusEingabe(QStringLiteral("007"), v));
        QCOMPARE(v, 7);
        QVERIFY(ZahlAusEingabe(QStringLiteral("–0"), v));
        QCOMPARE(v, 0);
        v = 99;
        for (const char* bad : {"–", "5–3", "", "-", "+5", " 5", "5 ", "––5", "99999999999"})
            QVERIFY2(!ZahlAusEingabe(QString::fromUtf8(bad), v), bad);
        QCOMPARE(v, 99);
        QVERIFY(!ZahlAusEingabe(QStringLiteral("٣"), v)); // Arabic-Indic three is no digit here
    }

    void judgingTwoAttemptsPerItem()
    {
        TAuswertung a;
        QCOMPARE(a.Judge(1, false), TUrteil::FalschErst);
        QVERIFY(a.Offen(1));
        // Another item is still on its first attempt.
        QCOMPARE(a.Judge(2, false), TUrteil::FalschErst);
        QCOMPARE(a.Judge(2, true), TUrteil::RichtigZweit);
        QCOMPARE(a.Judge(1, false), TUrteil::FalschZweit);
        QVERIFY(a.Wrong[1] && !a.Right[1] && a.Right[2]);
        QCOMPARE(a.Judge(3, true), TUrteil::RichtigErst);
        QCOMPARE(a.RightCount, 2);
        QCOMPARE(a.WrongCount, 3);
        QCOMPARE(a.AnsweredCount, 3);
        QCOMPARE(a.Versuche(), 5);
        a.Clear();
        QCOMPARE(a.Versuche(), 0);
        QCOMPARE(a.Judge(1, true), TUrteil::RichtigErst);
    }

    void messages()
    {
        QCOMPARE(MeldungRichtig(TUrteil::RichtigErst, false), QStringLiteral("Bravo deine Eingabe ist richtig!"));
        QCOMPARE(MeldungRichtig(TUrteil::RichtigZweit, true),
                 QStringLiteral("Beim zweiten Versuch ist deine Auswahl richtig!"));
        QCOMPARE(MeldungFalschErst(true),
                 QStringLiteral("Deine Auswahl ist leider falsch!\nÜberprüfe deine Auswahl und versuche es noch einmal."));
        QCOMPARE(MeldungFalschZweitLoesung(QStringLiteral("–7"), QStringLiteral("°C"), false),
                 QStringLiteral("Deine Eingabe ist leider wieder falsch! Das Ergebnis lautet –7°C!\n"
                                "Vergleiche das Ergebnis mit deiner Eingabe und überlege, warum du den Fehler "
                                "begangen hast!"));
        QCOMPARE(MeldungFalschZweitZeichen(QStringLiteral("<")),
                 QStringLiteral("Deine Eingabe \"<\" ist leider wieder falsch!\nVergleiche das Ergebnis mit "
                                "deiner Eingabe und überlege, warum du den Fehler begangen hast!"));
    }
};

QTEST_GUILESS_MAIN(TestEinstiegAufgaben)
#include "test_einstieg_aufgaben.moc"
