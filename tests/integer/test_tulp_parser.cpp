#include "integer/TulpParser.h"

#include <QtTest>

#include <atomic>
#include <new>

// The evaluator allocates its nodes with the non-throwing new; replacing it
// here lets a test run out of memory at a chosen node. Qt's own strings use
// malloc and are not affected. Memory comes from the ordinary new, so the
// ordinary delete releases it.
namespace {
std::atomic<int> knotenBisFehler{-1}; // -1: never fail
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    if (knotenBisFehler.load() == 0)
        return nullptr;
    if (knotenBisFehler.load() > 0)
        --knotenBisFehler;
    try {
        return ::operator new(size);
    } catch (...) {
        return nullptr;
    }
}

void operator delete(void* p, const std::nothrow_t&) noexcept
{
    ::operator delete(p);
}

namespace {
double Wert(const QString& text, double x = 1)
{
    TFunktion f(text);
    return f.Berechne(x);
}

int Fehler(const QString& text)
{
    TFunktion f(text);
    return f.Fehler();
}
} // namespace

class TestTulpParser : public QObject {
    Q_OBJECT
private slots:
    void values_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("wert");
        QTest::newRow("bracket is a function") << "(1+2)*3" << 9.0;
        QTest::newRow("power groups left") << "2^3^2" << 64.0;
        QTest::newRow("sign before power") << "-2^2" << -4.0;
        QTest::newRow("minus groups left") << "10-4-3" << 3.0;
        QTest::newRow("division groups left") << "12/3/2" << 2.0;
        QTest::newRow("mixed levels") << "2+3*4-6/2" << 11.0;
        QTest::newRow("exponent literal") << "1E-5+1" << 1.00001;
        QTest::newRow("exponent plus") << "2.5e+2" << 250.0;
        QTest::newRow("negative power") << "2^-3" << 0.125;
        QTest::newRow("divisor in brackets") << "3/(-4)" << -0.75;
        QTest::newRow("negated dividend") << "-3/(4)" << -0.75;
        QTest::newRow("leading plus") << "+(+7)" << 7.0;
        QTest::newRow("builder term") << "((+3)-(-5))*(+2)" << 16.0;
        QTest::newRow("abs") << "abs((+3)-(+9))*(+2)" << 12.0;
        QTest::newRow("blanks and case") << " sin( x ) " << std::sin(1.0);
        QTest::newRow("functions") << "SQRT(16)+LG(100)+LN(EXP(2))+COS(0)+TAN(0)" << 9.0;
        QTest::newRow("pi") << "pi" << 3.141592653589793;
        QTest::newRow("decimal point") << ".5+1." << 1.5;
    }
    void values()
    {
        QFETCH(QString, text);
        QFETCH(double, wert);
        TFunktion f(text);
        QCOMPARE(f.Fehler(), 0);
        QCOMPARE(f.Berechne(1), wert);
        QCOMPARE(f.Fehler(), 0);
    }

    void variable()
    {
        TFunktion f("x^2-3*X");
        QCOMPARE(f.Ausdruck(), QString("X^2-3*X"));
        QCOMPARE(f.Berechne(4), 4.0);
        QCOMPARE(f.Berechne(-1), 4.0);
    }

    void syntaxErrors_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks only") << "   ";
        QTest::newRow("sign after times") << "2*-3";
        QTest::newRow("sign after divide") << "2/-3";
        QTest::newRow("open bracket") << "(1+2";
        QTest::newRow("empty call") << "SIN()";
        QTest::newRow("unknown function") << "FOO(2)";
        QTest::newRow("two brackets") << "(1)(2)";
        QTest::newRow("trailing operator") << "1+";
        QTest::newRow("bare exponent") << "1E";
        QTest::newRow("two points") << "1.2.3";
        QTest::newRow("en dash") << QString(QChar(0x2013)) + "3";
        QTest::newRow("letters") << "Y";
    }
    void syntaxErrors()
    {
        QFETCH(QString, text);
        TFunktion f(text);
        QCOMPARE(f.Fehler(), 1);
        QCOMPARE(f.Berechne(1), 0.0);
        QCOMPARE(f.Fehler(), 1); // evaluating does not hide the error
    }

    // Nesting and chain length grow the parser's recursion; neither may
    // exhaust the stack, whatever the input.
    void deepInput()
    {
        const int n = 20000;
        QCOMPARE(Fehler(QString(n, u'(') + "1" + QString(n, u')')), 1);
        QCOMPARE(Fehler(QString(n, u'-') + "1"), 1);
        QString kette = "1";
        for (int i = 0; i < n; ++i)
            kette += "+1";
        QCOMPARE(Fehler(kette), 1);
        QCOMPARE(Fehler("ABS(" + QString(n, u'(')), 1);
        QString produkt = "2";
        for (int i = 0; i < n; ++i)
            produkt += "*2^2";
        QCOMPARE(Fehler(produkt), 1);

        // Within the limit deep formulas still work.
        const int tief = TFunktion::MaxTiefe / 2 - 1;
        QCOMPARE(Wert(QString(tief, u'(') + "2" + QString(tief, u')')), 2.0);
        QString negiert = "2";
        for (int i = 0; i < TFunktion::MaxTiefe / 3; ++i)
            negiert = "-(" + negiert + ")";
        QCOMPARE(Wert(negiert), (TFunktion::MaxTiefe / 3) % 2 ? -2.0 : 2.0);
        QCOMPARE(Fehler("--2"), 1); // a sign only at the start of an operand
    }

    void allocationFailure()
    {
        // "(1+2)*3" needs six nodes; fail at each of them in turn.
        for (int k = 0; k < 6; ++k) {
            knotenBisFehler = k;
            TFunktion f("(1+2)*3");
            knotenBisFehler = -1;
            QCOMPARE(f.Fehler(), 6);
            QCOMPARE(f.Berechne(1), 0.0);
        }
        knotenBisFehler = 6;
        TFunktion f("(1+2)*3");
        knotenBisFehler = -1;
        QCOMPARE(f.Fehler(), 0);
        QCOMPARE(f.Berechne(1), 9.0);
    }

    void undefinedArithmeticIsNotATrap()
    {
        QVERIFY(std::isinf(Wert("1/0")));
        QVERIFY(std::isnan(Wert("SQRT(-1)")));
    }
};

QTEST_APPLESS_MAIN(TestTulpParser)
#include "test_tulp_parser.moc"
