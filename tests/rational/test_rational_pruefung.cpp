// Judging of rational entries and the written forms of results and decimal terms.
#include "core/NumberHelpers.h"
#include "rational/RationalAnzeige.h"
#include "rational/RationalPruefung.h"

#include <QTest>

namespace {
const QString D = QString(EnDash);
QString M(const char* text) // "-" written as the en dash the pupil sees
{
    return QString::fromUtf8(text).replace(u'-', EnDash);
}
} // namespace

class TestRationalPruefung : public QObject {
    Q_OBJECT
private slots:
    void verdicts_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("ergebnis");
        QTest::addColumn<bool>("vereinfacht");
        QTest::addColumn<int>("fehler");
        QTest::addColumn<bool>("richtig");

        QTest::newRow("missing sign refused") << "3/4" << "3/4" << false << 1 << false;
        QTest::newRow("signed right") << "+3/4" << "3/4" << false << 0 << true;
        QTest::newRow("wrong sign") << M("-3/4") << "3/4" << false << 0 << false;
        QTest::newRow("unreduced wrong") << "+6/8" << "3/4" << false << 0 << false;
        QTest::newRow("4/2 is not 2") << "+4/2" << "2" << false << 0 << false;
        QTest::newRow("two bars refused") << "+1/2/3" << "1/2" << false << 2 << false;
        QTest::newRow("two bars without sign: sign first") << "1/2/3" << "1/2" << false << 1 << false;
        QTest::newRow("simplified negative") << M("-3/4") << "-3/4" << true << 0 << true;
        QTest::newRow("simplified positive") << "3/4" << "3/4" << true << 0 << true;
        QTest::newRow("simplified no check of bars") << "1/2/3" << "1/2" << true << 0 << false;
        QTest::newRow("zero signed") << "0" << "0" << false << 0 << true;
        QTest::newRow("zero simplified") << "0" << "0" << true << 0 << true;
        QTest::newRow("plus zero wrong") << "+0" << "0" << false << 0 << false;
        QTest::newRow("00 is 0") << "00" << "0" << false << 0 << true;
        QTest::newRow("decimal trailing zeros") << "+2,50" << "2,5" << false << 0 << true;
        QTest::newRow("result trailing zeros") << "+2,4" << "2,40" << false << 0 << true;
        QTest::newRow("simplified leading zeros") << "007" << "7" << true << 0 << true;
        QTest::newRow("comma first") << ",5" << "0,5" << true << 0 << true;
        QTest::newRow("negative decimal") << M("-1,1") << "-1,10" << false << 0 << true;
        QTest::newRow("signed zero result, plain entry") << "0" << "-0,00" << false << 0 << true;
        QTest::newRow("signed zero result, simplified") << "0" << "-0,00" << true << 0 << true;
        QTest::newRow("longest result") << "+1835/39" << "1835/39" << false << 0 << true;
    }
    void verdicts()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, ergebnis);
        QFETCH(bool, vereinfacht);
        QFETCH(int, fehler);
        QFETCH(bool, richtig);
        const UrteilR u = PruefeEingabeR(eingabe, ergebnis, vereinfacht);
        QCOMPARE(u.formatFehler, fehler);
        QCOMPARE(u.richtig, richtig);
    }

    void normalisedEntryAndDisplayForm()
    {
        QCOMPARE(NormalisiereEingabeR("2,50"), QString("2,5"));
        QCOMPARE(NormalisiereEingabeR("007"), QString("7"));
        QCOMPARE(NormalisiereEingabeR(",5"), QString("0,5"));
        QCOMPARE(NormalisiereEingabeR("+06/8"), QString("+06/8")); // zeros after a sign stay
        QCOMPARE(AnzeigeformR("-5/12", false), D + "5/12");
        QCOMPARE(AnzeigeformR("-5/12", true), D + "5/12");
        QCOMPARE(AnzeigeformR("5/12", false), QString("+5/12"));
        QCOMPARE(AnzeigeformR("5/12", true), QString("5/12"));
        QCOMPARE(AnzeigeformR("+0", false), QString("0"));
        // Already in display form: judging twice leaves it alone.
        QCOMPARE(AnzeigeformR(AnzeigeformR("-3/4", false), false), D + "3/4");
        QCOMPARE(FormatMeldungR(1), QString("Das Vorzeichen fehlt!"));
        QCOMPARE(FormatMeldungR(2), QString("Es sind zuviele Bruchstriche vorhanden!"));
    }

    void decimalTerms_data()
    {
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("vorzeichen");
        QTest::addColumn<QString>("einfach");
        QTest::newRow("sum") << "(+2,4)+(-1,3)" << M("(+2,4) + (-1,3)") << M("2,4 - 1,3");
        QTest::newRow("difference") << "(-2,40)-(-1,30)" << M("(-2,40) - (-1,30)") << M("-2,40 + 1,30");
        QTest::newRow("group, negative inside")
            << "(+12,34)-[ (-5,67)-(+8,90) ]" << M("(+12,34) - [ (-5,67) - (+8,90) ]") << M("12,34 - (-5,67 - 8,90)");
        QTest::newRow("group, positive inside")
            << "(-12,34)-[ (+5,67)-(-8,90) ]" << M("(-12,34) - [ (+5,67) - (-8,90) ]") << M("-12,34 - (5,67 + 8,90)");
    }
    void decimalTerms()
    {
        QFETCH(QString, term);
        QFETCH(QString, vorzeichen);
        QFETCH(QString, einfach);
        QCOMPARE(DezimaltermAnzeige(term, false), vorzeichen);
        QCOMPARE(DezimaltermAnzeige(term, true), einfach);
    }
};

QTEST_MAIN(TestRationalPruefung)
#include "test_rational_pruefung.moc"
