#include "robust/ExakterTerm.h"
#include "worksheet/BlattPruefung.h"

#include "rational/RationalAnzeige.h"
#include "rational/RationalTermBauer.h"
#include "worksheet/Arbeitsblatt.h"
#include "worksheet/BlattSatz.h"

#include <QtTest>

#include <algorithm>

// Every catalogue entry as a worksheet: the PDF's text holds every exercise
// as the drill shows it and, on the solutions page, its result; each printed
// result is the exact value of the printed term.

namespace {

// The words of one band of a page, left to right.
QList<PdfWort> WoerterIn(const QList<PdfWort>& seite, const QRect& band)
{
    QList<PdfWort> w;
    for (const PdfWort& wort : seite)
        if (band.contains(wort.box.center().toPoint()))
            w << wort;
    std::sort(w.begin(), w.end(), [](const PdfWort& a, const PdfWort& b) { return a.box.left() < b.box.left(); });
    return w;
}

QString Zusammen(const QList<PdfWort>& woerter)
{
    QString t;
    for (const PdfWort& w : woerter)
        t += w.text;
    return t;
}

// The characters of a text but blanks and those in weg.
QStringList Zeichen(const QString& text, const QString& weg = {})
{
    QStringList z;
    for (const QChar c : text)
        if (!c.isSpace() && !weg.contains(c))
            z << QString(c);
    return z;
}

QStringList Sortiert(QStringList t)
{
    t.sort();
    return t;
}

QString OhneLeerzeichen(QString t)
{
    t.remove(u' ');
    return t;
}

// The written result as a number: en dash and plus sign read as usual.
ExaktBruch Wert(QString text)
{
    text.replace(QChar(0x2013), u'-');
    if (text.startsWith(u'+'))
        text.remove(0, 1);
    ExaktBruch w;
    if (!LeseErgebnis(text, w))
        qWarning() << "unreadable result" << text;
    return w;
}

} // namespace

class TestBlattPdf : public QObject {
    Q_OBJECT
private slots:
    void everyEntryPrintsItsExercisesAndTheirResults_data()
    {
        QTest::addColumn<int>("bereich");
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("stufe");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("vereinfacht");
        int eintraege = 0;
        for (const auto bereich : {Zahlenbereich::Ganz, Zahlenbereich::Rational}) {
            for (int art = 1; art <= BlattArten(bereich); ++art) {
                for (int stufe = 1; stufe <= BlattStufen(bereich, art); ++stufe) {
                    ++eintraege;
                    const QString name = QStringLiteral("%1-%2-%3").arg(bereich == Zahlenbereich::Ganz ? "g" : "r").arg(art).arg(stufe);
                    QTest::newRow(qPrintable(name + "-K7MP35")) << int(bereich) << art << stufe << "K7MP35" << false;
                    QTest::newRow(qPrintable(name + "-RT5W9H")) << int(bereich) << art << stufe << "RT5W9H" << true;
                }
            }
        }
        QCOMPARE(eintraege, 54);
    }

    void everyEntryPrintsItsExercisesAndTheirResults()
    {
        QFETCH(int, bereich);
        QFETCH(int, art);
        QFETCH(int, stufe);
        QFETCH(QString, code);
        QFETCH(bool, vereinfacht);
        BlattAuswahl a;
        a.bereich = Zahlenbereich(bereich);
        a.art = art;
        a.stufe = stufe;
        a.code = code;
        a.vereinfacht = vereinfacht;
        a.gruppen = 1;
        QVERIFY(BlattAuswahlFehler(a).isEmpty());

        const QByteArray pdf = ArbeitsblattPdf(a);
        QVERIFY(pdf.startsWith("%PDF"));
        const QList<QList<PdfWort>> seiten = PdfWoerter(pdf);
        const QList<QList<BlattAufgabe>> gruppen = BlattGruppen(a);
        const QList<BlattSeite> plan = BlattPlan(a, gruppen);
        QCOMPARE(seiten.size(), plan.size());

        int geprueft = 0;
        for (int k = 0; k < plan.size(); ++k) {
            const BlattSeite& seite = plan[k];
            const QString alles = Zusammen(seiten[k]);
            QVERIFY(alles.contains(OhneLeerzeichen(BlattFuss(a, seite.gruppe, seite.seiteInGruppe, seite.seitenInGruppe))));
            for (int z = 0; z < seite.nummern.size(); ++z) {
                const int n = seite.nummern[z];
                const BlattAufgabe& b = gruppen[seite.gruppe][n];
                const QList<PdfWort> zeile = WoerterIn(seiten[k], seite.zeilen[z]);
                const QString nummer = QStringLiteral("%1)").arg(n + 1);
                const QString gelesen = Zusammen(zeile);
                const QString ergebnis = seite.loesungen ? b.loesung : QString();
                if (a.bereich == Zahlenbereich::Ganz || !b.istBruch) {
                    // A line of text: exactly the drill's line, then the result.
                    const QString term = a.bereich == Zahlenbereich::Ganz ? b.anzeige : b.anzeige + QStringLiteral(" =");
                    QCOMPARE(gelesen, OhneLeerzeichen(nummer + term + ergebnis));
                    if (seite.loesungen) {
                        const QString gedruckt = gelesen.mid(nummer.size(), gelesen.lastIndexOf(u'=') - nummer.size());
                        const ExaktErgebnis wert =
                            BerechneExakt(gedruckt, a.bereich == Zahlenbereich::Ganz ? TermSchrift::GanzAnzeige : TermSchrift::Bruch,
                                          a.bereich == Zahlenbereich::Ganz);
                        QVERIFY2(wert.ok, qPrintable(gedruckt + ": " + wert.fehler));
                        QCOMPARE(wert.wert, Wert(gelesen.mid(gelesen.lastIndexOf(u'=') + 1)));
                    }
                } else {
                    // A built-up term: numerators and denominators stand apart,
                    // so the tokens are compared; brackets are strokes.
                    BruchTeile teile;
                    const int form = BruchzeileLesen(RationalBildschirmFuerArt(art), vereinfacht, b.term,
                                                     b.sonderdarstellung, b.form, teile);
                    QVERIFY(form > 0);
                    const QString linear = LinearerTerm(form, teile);
                    // pdftotext joins a numerator and its denominator into
                    // one word, so the characters are compared.
                    QStringList erwartet = Zeichen(nummer) + Zeichen(linear, QStringLiteral("()[]/"));
                    if (seite.loesungen)
                        erwartet << Zeichen(ergebnis, QStringLiteral("/"));
                    QVERIFY2(Sortiert(Zeichen(gelesen)) == Sortiert(erwartet),
                             qPrintable(gelesen + QStringLiteral("  |  ") + erwartet.join(u' ')));
                    if (seite.loesungen) {
                        const ExaktErgebnis wert = BerechneExakt(linear, TermSchrift::Bruch);
                        QVERIFY2(wert.ok, qPrintable(linear + ": " + wert.fehler));
                        QCOMPARE(wert.wert, Wert(ergebnis));
                    }
                }
                ++geprueft;
            }
        }
        QCOMPARE(geprueft, 2 * a.anzahl); // each exercise on the sheet and on the solutions page
    }

    void groupsComeWithTheirOwnSolutions()
    {
        BlattAuswahl a;
        a.bereich = Zahlenbereich::Ganz;
        a.art = 6;
        a.stufe = 3;
        a.code = QStringLiteral("K7MP35");
        a.gruppen = 3;
        a.anzahl = 30;
        const QList<BlattSeite> plan = BlattPlan(a, BlattGruppen(a));
        const QList<QList<PdfWort>> seiten = PdfWoerter(ArbeitsblattPdf(a));
        QCOMPARE(seiten.size(), plan.size());
        QList<int> loesungsseiten(3, 0);
        for (int k = 0; k < plan.size(); ++k) {
            const QString text = Zusammen(seiten[k]);
            const QString gruppe = QStringLiteral("Gruppe%1").arg(QChar(u'A' + plan[k].gruppe));
            QVERIFY2(text.contains(gruppe), qPrintable(text.left(80)));
            if (plan[k].loesungen) {
                QVERIFY(text.contains(QStringLiteral("Lösungen")));
                ++loesungsseiten[plan[k].gruppe];
            }
        }
        for (int n : loesungsseiten)
            QVERIFY(n >= 1);
    }
};

QTEST_MAIN(TestBlattPdf)
#include "test_blatt_pdf.moc"
