#include "core/Bruch.h"
#include "core/NumberHelpers.h"
#include "core/Random.h"

#include <QtTest>

#include <limits>
#include <numeric>

class TestNumberHelpers : public QObject {
    Q_OBJECT
private slots:
    void signs()
    {
        QCOMPARE(ShowMinus("-5"), QString(EnDash) + "5");
        QCOMPARE(ShowMinus("5-3"), QString("5-3")); // only the first character carries a sign
        QCOMPARE(PlainMinus(QString(EnDash) + "5"), QString("-5"));
        QCOMPARE(WithSign("5"), QString("+5"));
        QCOMPARE(WithSign("-5"), QString(EnDash) + "5");
        QCOMPARE(WithSign("+5"), QString("+5"));
        QCOMPARE(WithSign(QString(EnDash) + "5"), QString(EnDash) + "5");
        QCOMPARE(WithSign("0"), QString("+0"));
    }

    void bracketIfNonZero()
    {
        const QString minus3 = "#" + QString(EnDash) + "3#";
        QCOMPARE(BracketIfNonZero(minus3), "(" + minus3 + ")");
        QCOMPARE(BracketIfNonZero("0"), QString("0"));
        QCOMPARE(BracketIfNonZero("+4"), QString("(+4)"));
        QCOMPARE(BracketIfNonZero("x"), QString("x")); // not a number: left alone
    }

    void zeros_data()
    {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("lead");
        QTest::addColumn<QString>("trail");
        QTest::newRow("007,5") << "007,5" << "7,5" << "007,5";
        QTest::newRow("00,5") << "00,5" << "0,5" << "00,5";
        QTest::newRow("000") << "000" << "0" << "000";
        QTest::newRow("0,50") << "0,50" << "0,50" << "0,5";
        QTest::newRow("2,50") << "2,50" << "2,50" << "2,5";
        QTest::newRow("3,00") << "3,00" << "3,00" << "3";
        QTest::newRow("10") << "10" << "10" << "10";
        QTest::newRow("empty") << "" << "" << "";
    }
    void zeros()
    {
        QFETCH(QString, in);
        QTEST(TrimLeadingZeros(in), "lead");
        QTEST(TrimTrailingZeros(in), "trail");
    }

    void checkSignedEntry()
    {
        const QString d = QString(EnDash);
        QCOMPARE(CheckSignedEntry("7").errorKind, 1);
        QVERIFY(!CheckSignedEntry("7").accepted);
        QVERIFY(CheckSignedEntry("+3/4").accepted);
        QCOMPARE(CheckSignedEntry(d + "1/2/3").errorKind, 2);
        QVERIFY(CheckSignedEntry("0").accepted);
        QVERIFY(!CheckSignedEntry("").accepted);
        QVERIFY(!CheckSignedEntry("-7").accepted); // the hyphen is not the shown minus
    }

    void gcdSigns()
    {
        QCOMPARE(Gcd(12, 18), 6);
        QCOMPARE(Gcd(4, -6), -2);
        QCOMPARE(Gcd(6, -4), 2);
        QCOMPARE(Gcd(0, 5), 5);
        QCOMPARE(Gcd(-12, 18), 6);
        QCOMPARE(Gcd(7, 0), 7); // undefined in the arithmetic, but never a crash
    }

    void fractions()
    {
        QCOMPARE(ReduceFraction(12, 18), (Fraction{2, 3}));
        QCOMPARE(ReduceFraction(-12, 18), (Fraction{-2, 3}));
        QCOMPARE(ReduceFraction(4, -6), (Fraction{-2, 3}));
        QCOMPARE(ReduceFraction(6, -4), (Fraction{3, -2}));
        QCOMPARE(ReduceFraction(0, 5), (Fraction{0, 1}));
        QCOMPARE(AddFractions({1, 2}, {1, 3}), (Fraction{5, 6}));
        QCOMPARE(SubFractions({1, 2}, {1, 3}), (Fraction{1, 6}));
        QCOMPARE(MulFractions({2, 3}, {3, 4}), (Fraction{1, 2}));
        QCOMPARE(DivFractions({1, 2}, {3, 4}), (Fraction{2, 3}));
        QCOMPARE(Add3Fractions({1, 2}, {1, 3}, {1, 6}), (Fraction{1, 1}));
        QCOMPARE(SubSubFractions({1, 1}, {1, 2}, {1, 3}), (Fraction{1, 6}));
        QCOMPARE(SubAddFractions({1, 2}, {1, 3}, {1, 6}), (Fraction{1, 3}));
        QCOMPARE(Mul3Fractions({1, 2}, {2, 3}, {3, 4}), (Fraction{1, 4}));
        // Products beyond 32 bits are reduced before they are narrowed.
        QCOMPARE(MulFractions({65536, 3}, {65536, 65536}), (Fraction{65536, 3}));
        // The sign rule where an unreduced denominator is negative.
        QCOMPARE(DivFractions({3, 1}, {-2, 1}), (Fraction{3, -2}));
        QCOMPARE(DivFractions({1, 2}, {-3, 4}), (Fraction{-2, 3}));
        QCOMPARE(AddFractions({3, -1}, {0, 2}), (Fraction{-3, 1})); // 6/-2 by the rule
        QCOMPARE(MulFractions({6, 1}, {1, -4}), (Fraction{3, -2}));
        QCOMPARE(DivFractions({1, 2}, {0, 3}).den, 0); // never asked for; stays defined
    }

    // The exact fractions under the builders and the helpers above.
    void exactFractions()
    {
        QCOMPARE(Gekuerzt(4, -6), (Bruch{-2, 3}));
        QCOMPARE(Gekuerzt(-4, -6), (Bruch{2, 3}));
        QCOMPARE(Gekuerzt(0, -7), (Bruch{0, 1}));
        QVERIFY(!Gekuerzt(1, 0).Gueltig());
        QCOMPARE((Bruch{1, 2} + Bruch{1, 3} - Bruch{5, 6}), (Bruch{0, 1}));
        QCOMPARE((Bruch{-2, 3} / Bruch{4, 9}), (Bruch{-3, 2}));
        QCOMPARE((Bruch{-2, 3} / Bruch{-4, 9}), (Bruch{3, 2}));
        QVERIFY((!(Bruch{1, 2} / Bruch{0, 1}).Gueltig()));
        // Beyond 64 bits the value is refused, never wrapped around.
        constexpr qint64 gross = std::numeric_limits<qint64>::max() / 2;
        QVERIFY((!(Bruch{gross, 1} * Bruch{3, 1}).Gueltig()));
        QVERIFY((!(Bruch{gross, 1} + Bruch{gross, 1} + Bruch{gross, 1}).Gueltig()));
        QVERIFY((!(-Bruch{std::numeric_limits<qint64>::min(), 1}).Gueltig()));
        QCOMPARE((Bruch{gross, 3} * Bruch{3, gross}), (Bruch{1, 1})); // cancelled crosswise first
        // An invalid operand spoils the whole term.
        QVERIFY((!(UngueltigerBruch + Bruch{1, 1}).Gueltig()));
        QVERIFY((!(Bruch{1, 1} * UngueltigerBruch).Gueltig()));

        // Common factors of the magnitudes, by table and by Euclid alike.
        for (qint64 a : {1, 2, 6, 35, 36, 37, 1023, 1024, 3000})
            for (qint64 b : {1, 4, 15, 21, 36, 49, 1000, 2048}) {
                const bool teilbar = std::gcd(a, b) > 1;
                QCOMPARE(Teilbar(a, b), teilbar);
                QCOMPARE(Teilbar(-a, b), teilbar);
                QCOMPARE(Teilerfremd(a, -b), !teilbar);
            }
        QVERIFY(Teilbar(0, 6) && !Teilerfremd(0, 6));
        QVERIFY(Teilerfremd(0, 1) && !Teilbar(0, 1));
        QCOMPARE(Ggt(0, 5), quint64(5));
    }

    void polar()
    {
        const PolarPoint p = PolarToXY(1, 90);
        QVERIFY(qAbs(p.x) < 1e-6);
        QCOMPARE(p.y, 1.0f);
    }

    void longTextsAreCut()
    {
        const QString long50(50, u'1');
        QCOMPARE(WithSign(long50).size(), ShortLen40);
        QCOMPARE(BracketIfNonZero("#" + QString(45, u'1')).size(), ShortLen40);
    }

    void fixedPointWithDecimalComma()
    {
        QCOMPARE(FestKomma(4.5, 1), QStringLiteral("4,5"));
        QCOMPARE(FestKomma(100.0 * 5 / 6, 3), QStringLiteral("83,333"));
        QCOMPARE(FestKomma(0, 3), QStringLiteral("0,000"));
        QCOMPARE(FestKomma(-1e-9, 1), QStringLiteral("0,0"));
        QCOMPARE(FestKomma(-2.5, 1), QStringLiteral("-2,5"));
        QCOMPARE(FestKomma(12, 0), QStringLiteral("12"));
    }

    void randomIsReproducible()
    {
        RandSeed(42);
        QList<int> a;
        for (int i = 0; i < 20; ++i)
            a << Random(100);
        RandSeed(42);
        for (int i = 0; i < 20; ++i)
            QCOMPARE(Random(100), a[i]);
        for (int i = 0; i < 1000; ++i) {
            const int r = Random(7);
            QVERIFY(r >= 0 && r < 7);
        }
        QCOMPARE(Random(0), 0);
    }

    // The hooks of the generator: an observing draw hook sees every call and
    // leaves the draws as they are; a replacing one decides what Random
    // gives back without moving the generator; the seed hook stands in for
    // the clock; removing a hook restores the plain generator.
    void hooks()
    {
        static QList<std::pair<int, int>> gesehen;
        gesehen.clear();
        RandSeed(7);
        QList<int> ohne;
        for (int n : {10, 0, 1000, -3, 6})
            ohne << Random(n);

        QVERIFY(SetDrawHook([](int n, int drawn) {
                    gesehen.append({n, drawn});
                    return drawn;
                }) == nullptr);
        RandSeed(7);
        QList<int> mit;
        for (int n : {10, 0, 1000, -3, 6})
            mit << Random(n);
        QCOMPARE(mit, ohne);
        QCOMPARE(gesehen.size(), 5);
        QCOMPARE(gesehen[1], (std::pair<int, int>{0, 0}));
        QCOMPARE(gesehen[2], (std::pair<int, int>{1000, ohne[2]}));

        // Replacing: the pupil-facing value changes, the generator's course does not.
        SetDrawHook([](int n, int) { return n - 1; });
        RandSeed(7);
        QCOMPARE(Random(10), 9);
        SetDrawHook(nullptr);
        QCOMPARE(Random(0), 0);
        QCOMPARE(Random(1000), ohne[2]);

        static quint64 saat = 99;
        QVERIFY(SetSeedHook([] { return saat; }) == nullptr);
        Randomize();
        const int a = Random(1 << 30);
        Randomize();
        QCOMPARE(Random(1 << 30), a);
        RandSeed(99);
        QCOMPARE(Random(1 << 30), a);
        QVERIFY(SetSeedHook(nullptr) != nullptr);
        SetDrawHook(nullptr);
    }
};

QTEST_APPLESS_MAIN(TestNumberHelpers)
#include "test_number_helpers.moc"
