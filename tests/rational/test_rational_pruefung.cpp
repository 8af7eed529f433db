// Judging of rational entries and the written forms of results and decimal terms.
#include "core/NumberHelpers.h"
#include "rational/RationalAnzeige.h"
#include "rational/RationalPruefung.h"
#include "rational/RationalTermBauer.h"

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

    void shapeChoice()
    {
        using B = RationalBildschirm;
        // Operand count 2, 3, 3 grouped, in both modes.
        QCOMPARE(RationalFormNr(B::AddSub, false, 2, false, 0), 1);
        QCOMPARE(RationalFormNr(B::AddSub, false, 3, true, 0), 3);
        QCOMPARE(RationalFormNr(B::AddSub, true, 3, false, 0), 8);
        QCOMPARE(RationalFormNr(B::AddSub, true, 3, true, 0), 9);
        QCOMPARE(RationalFormNr(B::MultDiv, true, 2, false, 0), 10);
        QCOMPARE(RationalFormNr(B::MultDiv, true, 3, true, 0), 12);
        QCOMPARE(RationalFormNr(B::MultDiv, false, 4, false, 0), 0);
        // The mixed screen by Form; a count that does not fit is not painted.
        const int mitVorzeichen[] = {4, 2, 3, 6, 6, 5};
        const int einfach[] = {13, 11, 14, 15, 15, 16};
        for (int form = 1; form <= 6; ++form) {
            const int n = form <= 3 ? 3 : 4;
            QCOMPARE(RationalFormNr(B::Gem, false, n, true, form), mitVorzeichen[form - 1]);
            QCOMPARE(RationalFormNr(B::Gem, true, n, true, form), einfach[form - 1]);
            QCOMPARE(RationalFormNr(B::Gem, true, 7 - n, true, form), 0);
        }
    }

    void simplifiedTerms_data()
    {
        QTest::addColumn<int>("bildschirm");
        QTest::addColumn<bool>("sonder");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("vorzeichen");
        QTest::addColumn<QString>("einfach");
        const int addSub = int(RationalBildschirm::AddSub);
        const int multDiv = int(RationalBildschirm::MultDiv);
        QTest::newRow("sum, signs folded") << addSub << false << "!+{3/4}!+!-{1/2}!" << M("(+3/4) + (-1/2) =")
                                           << M("3/4 - 1/2 =");
        QTest::newRow("difference of three") << addSub << false << M("!-{1/3}!-!-{2/5}!-!+{4/15}!")
                                             << M("(-1/3) - (-2/5) - (+4/15) =") << M("-1/3 + 2/5 - 4/15 =");
        QTest::newRow("grouped difference") << addSub << true << M("!+{1/3}!-!-{2/5}!-!-{4/15}!")
                                            << M("(+1/3) - [(-2/5) - (-4/15)] =") << M("1/3 - (-2/5 + 4/15) =");
        QTest::newRow("product keeps its signs") << multDiv << false << M("!-{2/3}!·!+{4/9}!")
                                                 << M("(-2/3) · (+4/9) =") << M("(-2/3) · 4/9 =");
        QTest::newRow("grouped quotient") << multDiv << true << "!+{2/3}!:!-{4/9}!:!+{5/7}!"
                                          << M("(+2/3) : [(-4/9) : (+5/7)] =") << M("2/3 : [(-4/9) : 5/7] =");
    }
    void simplifiedTerms()
    {
        QFETCH(int, bildschirm);
        QFETCH(bool, sonder);
        QFETCH(QString, term);
        QFETCH(QString, vorzeichen);
        QFETCH(QString, einfach);
        const auto b = RationalBildschirm(bildschirm);
        for (bool vereinfacht : {false, true}) {
            TermTeile termTeile;
            const int n = ZerlegeTerm(term, termTeile);
            if (b == RationalBildschirm::MultDiv && vereinfacht)
                VereinfacheMultDiv(termTeile, sonder);
            BruchTeile teile;
            LeseBruchTeile(termTeile, teile);
            if (b == RationalBildschirm::AddSub && vereinfacht)
                VereinfacheAddSub(teile, n, sonder);
            QCOMPARE(LinearerTerm(RationalFormNr(b, vereinfacht, n, sonder, 0), teile),
                     vereinfacht ? einfach : vorzeichen);
        }
    }

    void groupedMinusBeforeNegativeOperand()
    {
        // A "–" before a negative third operand of a grouped term becomes "+".
        TermTeile teile;
        QCOMPARE(ZerlegeTerm(M("!+{2/3}!·!-{4/9}!-!-{5/7}!"), teile), 3);
        VereinfacheMultDiv(teile, true);
        QCOMPARE(teile.Operator[2], QChar(u'+'));
        QCOMPARE(teile.Teil[3], QString("{5/7}"));
    }
};

QTEST_MAIN(TestRationalPruefung)
#include "test_rational_pruefung.moc"
