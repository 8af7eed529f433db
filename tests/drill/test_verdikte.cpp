// The verdict tables of both drills, without a window: normalising the
// entry, the sign check of the signed mode, the comparison as text, the
// attempt, the points and the texts the screen shows.
#include "integer/GanzPruefung.h"
#include "rational/RationalPruefung.h"

#include <QtTest>

Q_DECLARE_METATYPE(Verdikt)

namespace {

const QString S = QStringLiteral("–"); // the en dash as typed answers hold it

void Spalten()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("ergebnis");
    QTest::addColumn<bool>("vereinfacht");
    QTest::addColumn<int>("versuch");
    QTest::addColumn<Verdikt>("verdikt");
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QString>("erwartet");
    QTest::addColumn<QString>("textteil");
}

void Pruefe(const Bewertung& b)
{
    QFETCH(Verdikt, verdikt);
    QFETCH(QString, eingabe);
    QFETCH(QString, erwartet);
    QFETCH(QString, textteil);
    QCOMPARE(b.verdikt, verdikt);
    QCOMPARE(b.eingabe, eingabe);
    QCOMPARE(b.erwartet, erwartet);
    QVERIFY2(b.text.contains(textteil), qPrintable(b.text));
    const double punkte = verdikt == Verdikt::RichtigErster ? 1.0 : verdikt == Verdikt::RichtigZweiter ? 0.5 : 0.0;
    QCOMPARE(b.punkte, punkte);
    QCOMPARE(b.Endgueltig(), verdikt == Verdikt::RichtigErster || verdikt == Verdikt::RichtigZweiter
                                 || verdikt == Verdikt::FalschZweiter);
}

} // namespace

class TestVerdikte : public QObject {
    Q_OBJECT

private slots:
    void ganz_data();
    void ganz();
    void rational_data();
    void rational();
    void texteDerBeidenDrills();
};

void TestVerdikte::ganz_data()
{
    Spalten();
    const auto R1 = Verdikt::RichtigErster, R2 = Verdikt::RichtigZweiter, F1 = Verdikt::FalschErster,
               F2 = Verdikt::FalschZweiter, E1 = Verdikt::Formatfehler1, E2 = Verdikt::Formatfehler2;
    QTest::newRow("mit Vorzeichen richtig") << "+7" << "7" << false << 1 << R1 << "+7" << "+7" << "Bravo";
    QTest::newRow("Vorzeichen fehlt") << "7" << "7" << false << 1 << E1 << "7" << "+7" << "Das Vorzeichen fehlt!";
    QTest::newRow("Vorzeichen fehlt beim zweiten Versuch")
        << "7" << "7" << false << 2 << E1 << "7" << "+7" << "Das Vorzeichen fehlt!";
    QTest::newRow("falsches Vorzeichen") << S + "7" << "7" << false << 1 << F1 << S + "7" << "+7"
                                         << "Überprüfe deine Eingabe";
    QTest::newRow("negativ richtig") << S + "12" << "-12" << false << 1 << R1 << S + "12" << S + "12" << "Bravo";
    QTest::newRow("vereinfacht ohne Plus") << "7" << "7" << true << 1 << R1 << "7" << "7" << "Bravo";
    QTest::newRow("vereinfacht negativ") << S + "7" << "-7" << true << 1 << R1 << S + "7" << S + "7" << "Bravo";
    QTest::newRow("vereinfacht kein Formatfehler") << "+7" << "7" << true << 1 << F1 << "+7" << "7" << "falsch";
    QTest::newRow("null") << "0" << "0" << false << 1 << R1 << "0" << "0" << "Bravo";
    QTest::newRow("null vereinfacht") << "0" << "0" << true << 1 << R1 << "0" << "0" << "Bravo";
    QTest::newRow("nullen werden null") << "00" << "0" << false << 1 << R1 << "0" << "0" << "Bravo";
    QTest::newRow("plus null ist falsch") << "+0" << "0" << false << 1 << F1 << "+0" << "0" << "falsch";
    QTest::newRow("führende Nullen ohne Zeichen") << "007" << "7" << true << 1 << R1 << "7" << "7" << "Bravo";
    QTest::newRow("Nullen nach dem Zeichen bleiben") << "+07" << "7" << false << 1 << F1 << "+07" << "+7" << "falsch";
    QTest::newRow("zwei Bruchstriche") << "+1/2/3" << "7" << false << 1 << E2 << "+1/2/3" << "+7"
                                       << "Mehrere Rechenzeichen vorhanden!";
    QTest::newRow("richtig beim zweiten") << "+7" << "7" << false << 2 << R2 << "+7" << "+7"
                                          << "Beim zweiten Versuch ist deine Eingabe richtig!";
    QTest::newRow("wieder falsch nennt das Ergebnis")
        << "+11" << "12" << false << 2 << F2 << "+11" << "+12" << "Das Ergebnis lautet +12!";
    QTest::newRow("wieder falsch vereinfacht") << "12" << "-12" << true << 2 << F2 << "12" << S + "12"
                                               << "Das Ergebnis lautet " + S + "12!";
    QTest::newRow("wieder falsch bei null") << "+1" << "0" << false << 2 << F2 << "+1" << "0"
                                            << "Das Ergebnis lautet 0!";
    QTest::newRow("lange Eingabe gekürzt")
        << "+1234567890123456789012" << "7" << false << 1 << F1 << "+1234567890123456789" << "+7" << "falsch";
}

void TestVerdikte::ganz()
{
    QFETCH(QString, text);
    QFETCH(QString, ergebnis);
    QFETCH(bool, vereinfacht);
    QFETCH(int, versuch);
    Pruefe(PruefeEingabeGanz(text, ergebnis, vereinfacht, versuch));
}

void TestVerdikte::rational_data()
{
    Spalten();
    const auto R1 = Verdikt::RichtigErster, R2 = Verdikt::RichtigZweiter, F1 = Verdikt::FalschErster,
               F2 = Verdikt::FalschZweiter, E1 = Verdikt::Formatfehler1, E2 = Verdikt::Formatfehler2;
    QTest::newRow("Vorzeichen fehlt") << "3/4" << "3/4" << false << 1 << E1 << "3/4" << "+3/4"
                                      << "Das Vorzeichen fehlt!";
    QTest::newRow("mit Vorzeichen richtig") << "+3/4" << "3/4" << false << 1 << R1 << "+3/4" << "+3/4" << "Bravo";
    QTest::newRow("falsches Vorzeichen") << S + "3/4" << "3/4" << false << 1 << F1 << S + "3/4" << "+3/4"
                                         << "noch einmal";
    QTest::newRow("vereinfacht negativ") << S + "3/4" << "-3/4" << true << 1 << R1 << S + "3/4" << S + "3/4"
                                         << "Bravo";
    QTest::newRow("null") << "0" << "0" << false << 1 << R1 << "0" << "0" << "Bravo";
    QTest::newRow("null mit Zeichen im Ergebnis") << "0" << "-0" << true << 1 << R1 << "0" << "0" << "Bravo";
    QTest::newRow("plus null ist falsch") << "+0" << "0" << false << 1 << F1 << "+0" << "0" << "falsch";
    QTest::newRow("ungekürzt ist falsch") << "+6/8" << "3/4" << false << 1 << F1 << "+6/8" << "+3/4" << "falsch";
    QTest::newRow("ganze Zahl als Bruch") << "+4/2" << "2" << false << 1 << F1 << "+4/2" << "+2" << "falsch";
    QTest::newRow("Nullen am Ende") << "+2,50" << "2,5" << false << 1 << R1 << "+2,5" << "+2,5" << "Bravo";
    QTest::newRow("Nullen im Ergebnis") << "2,5" << "2,500" << true << 1 << R1 << "2,5" << "2,5" << "Bravo";
    QTest::newRow("führende Nullen") << "007" << "7" << true << 1 << R1 << "7" << "7" << "Bravo";
    QTest::newRow("Komma vorn") << ",5" << "0,5" << true << 1 << R1 << "0,5" << "0,5" << "Bravo";
    QTest::newRow("zu viele Bruchstriche") << "+1/2/3" << "1/2" << false << 1 << E2 << "+1/2/3" << "+1/2"
                                           << "Es sind zuviele Bruchstriche vorhanden!";
    QTest::newRow("vereinfacht kein Formatfehler") << "1/2/3" << "1/2" << true << 1 << F1 << "1/2/3" << "1/2"
                                                   << "falsch";
    QTest::newRow("richtig beim zweiten") << "+3/4" << "3/4" << false << 2 << R2 << "+3/4" << "+3/4"
                                          << "Beim zweiten Versuch";
    QTest::newRow("wieder falsch nennt das Ergebnis")
        << "+1/4" << "-3/4" << false << 2 << F2 << "+1/4" << S + "3/4" << "Das Ergebnis lautet " + S + "3/4!";
}

void TestVerdikte::rational()
{
    QFETCH(QString, text);
    QFETCH(QString, ergebnis);
    QFETCH(bool, vereinfacht);
    QFETCH(int, versuch);
    Pruefe(BewerteEingabeR(text, ergebnis, vereinfacht, versuch));
}

// Both drills tell the pupil the same things in the same words.
void TestVerdikte::texteDerBeidenDrills()
{
    for (int versuch = 1; versuch <= 2; ++versuch) {
        const Bewertung g = PruefeEingabeGanz(QStringLiteral("+1"), QStringLiteral("2"), false, versuch);
        const Bewertung r = BewerteEingabeR(QStringLiteral("+1"), QStringLiteral("2"), false, versuch);
        QCOMPARE(g.verdikt, r.verdikt);
        QCOMPARE(g.text, r.text);
    }
    const Bewertung b = PruefeEingabeGanz(QStringLiteral("+1"), QStringLiteral("2"), false, 1);
    QCOMPARE(b.text, QStringLiteral("Deine Eingabe ist leider falsch!\nÜberprüfe deine Eingabe und versuche es noch "
                                    "einmal."));
    const Bewertung z = PruefeEingabeGanz(QStringLiteral("+1"), QStringLiteral("2"), false, 2);
    QCOMPARE(z.text, QStringLiteral("Deine Eingabe ist leider wieder falsch!\nDas Ergebnis lautet +2!\nVergleiche das "
                                    "Ergebnis mit deiner Eingabe und überlege, warum du den Fehler begangen hast!"));
}

QTEST_MAIN(TestVerdikte)
#include "test_verdikte.moc"
