#include "integer/GanzAnzeige.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzTermBauer.h"

#include <QtTest>

// Test texts are written with "-" for the en dash and "*" for the middle dot
// so that the tables stay readable.
static QString Gezeigt(QString text)
{
    return text.replace(u'-', QChar(0x2013)).replace(u'*', QChar(0x00B7));
}

class TestGanzAnzeige : public QObject {
    Q_OBJECT
private slots:
    void rewrites()
    {
        QCOMPARE(EckigeKlammern("((+3)-(-5))*(+2)"), QString("[(+3)-(-5)]*(+2)"));
        QCOMPARE(EckigeKlammern("((-2)-(+1))-((+10)-(+1))"), QString("[(-2)-(+1)]-[(+10)-(+1)]"));
        QCOMPARE(EckigeKlammern("(+80)/((+4)/(-2))"), QString("(+80)/[(+4)/(-2)]"));
        QCOMPARE(Betragsstriche("abs((+3)-(+9))*(+2)"), QString("|(+3)-(+9)|*(+2)"));
        QCOMPARE(Betragsstriche("abs((+3))+abs((-5))"), QString("|(+3)|+|(-5)|"));
        QCOMPARE(Betragsstriche("abs((-125)/(+25))/(-5)"), QString("|(-125)/(+25)|/(-5)"));
    }

    void results()
    {
        QCOMPARE(Ergebnistext("(+3)-(-5)*(+2)"), QString("13"));
        QCOMPARE(Ergebnistext("abs((+3)-(+9))*(-2)"), QString("-12"));
        // A zero bracket times a negative factor is -0.0 in floating point;
        // the result text must still be the "0" a pupil types.
        QCOMPARE(Ergebnistext("((+14)-(+14))*(-4)"), QString("0"));
        QCOMPARE(Ergebnistext("(-0.4)"), QString("0"));
        QCOMPARE(Ergebnistext(""), QString());
        QCOMPARE(Ergebnistext("(+1)/((+2)-(+2))"), QString()); // no division by zero result
        QCOMPARE(TermWert("((+7)-(-5))/(+4)"), 3);
        QCOMPARE(TermWert("(+7)/(+2)"), 4);
        QCOMPARE(TermWert("2*-3"), 0);
    }

    void signedForm_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("anzeige");
        QTest::newRow("chain") << "(+3)-(-5)*(+2)" << "(+3) - (-5) * (+2)";
        QTest::newRow("kind 1") << "(-10)+(-8)" << "(-10) + (-8)";
        QTest::newRow("kind 4") << "(-14)-[(+1)-(-13)]" << "(-14) - [(+1) - (-13)]";
        QTest::newRow("kind 4 two groups") << "[(-13)-(+1)]-[(-3)-(-1)]" << "[(-13) - (+1)] - [(-3) - (-1)]";
        QTest::newRow("kind 5") << "(+15)+[(-6)+(+1)]+(-1)" << "(+15) + [(-6) + (+1)] + (-1)";
        QTest::newRow("kind 6") << "(+9)-|(-2)+(-3)|+|(+4)|" << "(+9) - |(-2) + (-3)| + |(+4)|";
        QTest::newRow("kind 6 bars") << "|(+2)|+(-9)-|(-11)|" << "|(+2)| + (-9) - |(-11)|";
        QTest::newRow("kind 7 bars") << "(-4)*(+2)*|(-3)|*|(-2)|" << "(-4) * (+2) * |(-3)| * |(-2)|";
        QTest::newRow("kind 7 run") << "|(-2)*(-8)|*(-2)" << "|(-2) * (-8)| * (-2)";
        QTest::newRow("kind 7 bracket") << "[(-9)-(-1)+(-2)]*(-11)" << "[(-9) - (-1) + (-2)] * (-11)";
        QTest::newRow("kind 8") << "(+80)/[(+4)/(-2)]" << "(+80) : [(+4) : (-2)]";
        QTest::newRow("kind 8 left") << "[(+108)/(-18)]/(+3)" << "[(+108) : (-18)] : (+3)";
        QTest::newRow("kind 8 bars") << "|(-125)/(+25)|/(-5)" << "|(-125) : (+25)| : (-5)";
        QTest::newRow("kind 8 bar right") << "(+12)/|(-4)|" << "(+12) : |(-4)|";
        QTest::newRow("kind 9 bars") << "|(+28)|/(-2)-(-4)*|(-4)|-|(-47)|/(+47)"
                                     << "|(+28)| : (-2) - (-4) * |(-4)| - |(-47)| : (+47)";
        QTest::newRow("kind 9 bar pair") << "(+3)*|(-4)|+|(-5)|*(+2)" << "(+3) * |(-4)| + |(-5)| * (+2)";
        QTest::newRow("kind 9 groups") << "[(+7)-(-2)]/[(+8)+(-5)]" << "[(+7) - (-2)] : [(+8) + (-5)]";
        QTest::newRow("kind 9 times groups") << "[(+3)-(-1)]*[(+2)-(+6)]" << "[(+3) - (-1)] * [(+2) - (+6)]";
        QTest::newRow("kind 9 bracket right") << "(-3)*[(-5)-(-22)]" << "(-3) * [(-5) - (-22)]";
    }
    void signedForm()
    {
        QFETCH(QString, term);
        QFETCH(QString, anzeige);
        QCOMPARE(AnzeigeMitVorzeichen(term), Gezeigt(anzeige));
    }

    void simplifiedForm_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("anzeige");
        QTest::newRow("1") << 1 << "(+3)+(-5)" << "3 - 5";
        QTest::newRow("1 negative start") << 1 << "(-10)+(-8)" << "-10 - 8";
        QTest::newRow("2") << 2 << "(-10)-(-8)" << "-10 + 8";
        QTest::newRow("3") << 3 << "(+13)-(+2)+(-1)" << "13 - 2 - 1";
        QTest::newRow("4 groups") << 4 << "((-2)-(+1))-((+10)-(+1))" << "(-2 - 1) - (10 - 1)";
        QTest::newRow("4 plus in group") << 4 << "(+3)-((+5)-(+2))" << "3 - (5 - 2)";
        QTest::newRow("5") << 5 << "(+13)-((+2)+(-1))" << "13 - (2 - 1)";
        QTest::newRow("5 two groups") << 5 << "(-9)+((-1)-(-2))+((-2)+(-4))" << "-9 + (-1 + 2) + (-2 - 4)";
        QTest::newRow("6 run") << 6 << "|(+3)+(+5)|-(+2)" << "|3 + 5| - 2";
        QTest::newRow("6 minus in bars") << 6 << "(+9)-|(-2)+(-3)|" << "9 - |-2 - 3|";
        QTest::newRow("6 singles") << 6 << "|(-1)|+|(-1)|-|(-4)|-|(+1)|-(-5)" << "|-1| + |-1| - |-4| - |1| + 5";
        QTest::newRow("7") << 7 << "(+3)*(-5)" << "3 * (-5)";
        QTest::newRow("7 bars") << 7 << "(+2)*|(+3)|*|(-3)|*(-2)" << "2 * |3| * |(-3)| * (-2)";
        QTest::newRow("7 bracket") << 7 << "((-11)+(+7)-(-1))*(+11)" << "[(-11) + 7 - (-1)] * 11";
        QTest::newRow("8") << 8 << "(-96)/(+32)" << "-96 : 32";
        QTest::newRow("8 positive") << 8 << "(+16)/(-8)" << "16 : (-8)";
        QTest::newRow("8 group right") << 8 << "(-54)/((-6)/(+3))" << "-54 : [-6 : 3]";
        QTest::newRow("8 group left") << 8 << "((+128)/(+32))/(+2)" << "[128 : 32] : 2";
        QTest::newRow("8 bar") << 8 << "|(+129)|/(+43)" << "|129| : 43";
        QTest::newRow("8 bar negative") << 8 << "(-12)/|(-4)|" << "-12 : |-4|";
        QTest::newRow("8 bar quotient") << 8 << "(-144)/|(+12)/(+2)|" << "-144 : |12 : 2|";
        QTest::newRow("8 bracket") << 8 << "((+3)-(-13))/(+2)" << "[3 - (-13)] : 2";
        QTest::newRow("9 product group") << 9 << "(-72)/((-18)*(-4))" << "-72 : [-18 * (-4)]";
        QTest::newRow("9 sum group") << 9 << "((-80)+(+79))*(+28)" << "[-80 + 79] * 28";
        QTest::newRow("9 inner negative") << 9 << "(+5)*((-3)+(-5))" << "5 * [-3 - 5]";
        QTest::newRow("9 bars") << 9 << "(-4)*|(-6)|-|(-10)|*(-4)" << "-4 * |-6| - |-10| * (-4)";
        // The parentheses removed behind a bar are the ones of that bar's
        // number, even when other numbers before it keep theirs.
        QTest::newRow("9 bar after kept pair") << 9 << "|(+3)|*(-4)-(-2)*|(-5)|" << "|3| * (-4) - (-2) * |-5|";
        QTest::newRow("9 two groups") << 9 << "((+8)+(+9)-(+12)*(+2))*((+6)-(+13))" << "[8 + 9 - 12 * 2] * [6 - 13]";
        QTest::newRow("9 two sums") << 9 << "((-62)-(-16))/((+61)+(-62))" << "[-62 + 16] : [61 - 62]";
        QTest::newRow("9 group with product")
            << 9 << "((+20)+(+49)+(-12)*(+6))*(+26)" << "[20 + 49 + (-12) * 6] * 26";
    }
    void simplifiedForm()
    {
        QFETCH(int, art);
        QFETCH(QString, term);
        QFETCH(QString, anzeige);
        QCOMPARE(AnzeigeVereinfacht(term, art), Gezeigt(anzeige));
    }

    void lineTextFollowsTheMode()
    {
        ArtGanz = 7;
        Vereinfacht = false;
        QCOMPARE(AnzeigeTextGanz("(+3)*(-5)"), Gezeigt("(+3) * (-5) ="));
        Vereinfacht = true;
        QCOMPARE(AnzeigeTextGanz("(+3)*(-5)"), Gezeigt("3 * (-5) ="));
        QCOMPARE(AnzeigeVereinfacht("(+3)*(-5)"), Gezeigt("3 * (-5)"));
        Vereinfacht = false;

        // 78 characters of display text plus " =" fit whole; one more is cut.
        QStringList zahlen{"(+10)", "(+10)", "(+10)", "(+10)"};
        while (zahlen.size() < 11)
            zahlen << "(+1)";
        const QString term = zahlen.join('+');
        QCOMPARE(AnzeigeMitVorzeichen(term).size(), 78);
        QCOMPARE(AnzeigeTextGanz(term).size(), 80);
        QVERIFY(AnzeigeTextGanz(term).endsWith(" ="));
        const QString laenger = "(+100)+" + zahlen.mid(1).join('+');
        QCOMPARE(AnzeigeTextGanz(laenger).size(), 80);
        QVERIFY(AnzeigeTextGanz(laenger).endsWith(" "));
    }
};

QTEST_APPLESS_MAIN(TestGanzAnzeige)
#include "test_ganz_anzeige.moc"
