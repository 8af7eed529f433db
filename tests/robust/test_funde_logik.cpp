// Regression tests of faults in the exercise logic that the fuzzing found,
// one test per fault (the inputs themselves are kept in tests/fuzz/corpus).
#include "core/NumberHelpers.h"
#include "rational/RationalTermBauer.h"

#include <QtTest>

class TestFundeLogik : public QObject {
    Q_OBJECT
private slots:
    // The three-fraction helpers multiplied three 32-bit numbers in 64 bits:
    // signed overflow (undefined) and a wrong result for large denominators.
    void dreiBruecheOhneUeberlauf()
    {
        QCOMPARE(Mul3Fractions({2000000, 3000000}, {3000000, 2000000}, {5000000, 7000000}), (Fraction{5, 7}));
        QCOMPARE(Add3Fractions({1, 3000000}, {1, 3000000}, {1, 1500000}), (Fraction{1, 750000}));
        QCOMPARE(SubSubFractions({1, 1}, {1, 3000000}, {-1, 3000000}), (Fraction{1, 1}));
        QCOMPARE(SubAddFractions({1, 1}, {1, 3000000}, {1, 3000000}), (Fraction{1, 1}));
        // The sign rule of small fractions stays as it was.
        QCOMPARE(ReduceFraction(4, -6), (Fraction{-2, 3}));
        QCOMPARE(ReduceFraction(6, -4), (Fraction{3, -2}));
    }

    // TrimLeadingZeros put a 0 before a leading comma beyond the 40
    // characters of a number text.
    void nullVorKommaInnerhalbDerKurzenZeichenkette()
    {
        const QString t = QString(40, u',');
        QCOMPARE(TrimLeadingZeros(t).size(), ShortLen40);
        QCOMPARE(TrimLeadingZeros(QStringLiteral(",5")), QStringLiteral("0,5"));
    }

    // ZerlegeErgebnis left a sign in the parts of a result that it found to
    // be no fraction (fraction bar beyond the 40 characters it reads).
    void keinVorzeichenOhneBruch()
    {
        ErgebnisTeile teile;
        ZerlegeErgebnis(QString(45, u'1') + QStringLiteral("/2"), teile);
        QVERIFY(!teile.IstBruch);
        QVERIFY(teile.Vorzeichen.isEmpty() && teile.Zaehler.isEmpty() && teile.Nenner.isEmpty());
        ZerlegeErgebnis(QStringLiteral("-5/12"), teile);
        QVERIFY(teile.IstBruch);
        QCOMPARE(teile.Zaehler + u'/' + teile.Nenner, QStringLiteral("5/12"));
    }
};

QTEST_APPLESS_MAIN(TestFundeLogik)
#include "test_funde_logik.moc"
