#include "worksheet/BlattPruefung.h"

#include "worksheet/Arbeitsblatt.h"
#include "worksheet/BlattSatz.h"

#include <QtTest>

// The pages as a printer would put them on paper, rendered by pdftoppm:
// nothing outside the printable area, every exercise inside its own band,
// fraction bars drawn, and the same arguments give the same pages.

namespace {

constexpr int Dpi = 120;
constexpr double Px = Dpi / 96.0; // page pixels to rendered pixels

bool Tinte(QRgb p)
{
    return qGray(p) < 200;
}

QRect Gerendert(const QRect& r)
{
    return QRect(QPoint(int(r.left() * Px), int(r.top() * Px)), QPoint(int((r.right() + 1) * Px) - 1, int((r.bottom() + 1) * Px) - 1));
}

BlattAuswahl Blatt(Zahlenbereich bereich, int art, int stufe, bool vereinfacht, int anzahl, int gruppen)
{
    BlattAuswahl a;
    a.bereich = bereich;
    a.art = art;
    a.stufe = stufe;
    a.vereinfacht = vereinfacht;
    a.anzahl = anzahl;
    a.gruppen = gruppen;
    a.code = QStringLiteral("MATHE2");
    return a;
}

// The longest run of ink along one pixel row inside the rectangle.
int LaengsterStrich(const QImage& bild, const QRect& r, int y)
{
    int best = 0;
    int lauf = 0;
    for (int x = r.left(); x <= r.right(); ++x) {
        lauf = Tinte(bild.pixel(x, y)) ? lauf + 1 : 0;
        best = qMax(best, lauf);
    }
    return best;
}

} // namespace

class TestBlattSeiten : public QObject {
    Q_OBJECT
private slots:
    void pagesStayInsideTheirAreas_data()
    {
        QTest::addColumn<int>("bereich");
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("stufe");
        QTest::addColumn<bool>("vereinfacht");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<int>("gruppen");
        QTest::newRow("ganz brackets and bars") << int(Zahlenbereich::Ganz) << 9 << 4 << false << 15 << 1;
        QTest::newRow("ganz bars simplified") << int(Zahlenbereich::Ganz) << 6 << 4 << true << 30 << 2;
        QTest::newRow("rational mixed") << int(Zahlenbereich::Rational) << 5 << 4 << false << 15 << 1;
        QTest::newRow("rational mixed simplified") << int(Zahlenbereich::Rational) << 5 << 3 << true << 30 << 1;
        QTest::newRow("rational decimals") << int(Zahlenbereich::Rational) << 2 << 4 << true << 15 << 2;
        QTest::newRow("rational division") << int(Zahlenbereich::Rational) << 4 << 3 << false << 5 << 4;
    }

    void pagesStayInsideTheirAreas()
    {
        QFETCH(int, bereich);
        QFETCH(int, art);
        QFETCH(int, stufe);
        QFETCH(bool, vereinfacht);
        QFETCH(int, anzahl);
        QFETCH(int, gruppen);
        const BlattAuswahl a = Blatt(Zahlenbereich(bereich), art, stufe, vereinfacht, anzahl, gruppen);
        const QList<QList<BlattAufgabe>> aufgaben = BlattGruppen(a);
        const QList<BlattSeite> plan = BlattPlan(a, aufgaben);
        const QByteArray pdf = ArbeitsblattPdf(a);
        const QList<QImage> seiten = PdfSeiten(pdf, Dpi);
        QCOMPARE(seiten.size(), plan.size());

        for (int k = 0; k < plan.size(); ++k) {
            const QImage& bild = seiten[k];
            // A4 at the resolution.
            QVERIFY(qAbs(bild.width() - int(210 / 25.4 * Dpi)) <= 1);
            QVERIFY(qAbs(bild.height() - int(297 / 25.4 * Dpi)) <= 1);
            const BlattSeite& seite = plan[k];
            QList<QRect> bereiche{Gerendert(seite.kopf), Gerendert(seite.fuss)};
            for (const QRect& band : seite.zeilen)
                bereiche << Gerendert(band);
            // Printers leave about 5 mm; the sheet keeps its ink 10 mm in.
            const QRect druckbar(int(10 / 25.4 * Dpi), int(10 / 25.4 * Dpi), bild.width() - 2 * int(10 / 25.4 * Dpi),
                                 bild.height() - 2 * int(10 / 25.4 * Dpi));
            QList<int> tinteJeBand(seite.zeilen.size(), 0);
            for (int y = 0; y < bild.height(); ++y) {
                const QRgb* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
                for (int x = 0; x < bild.width(); ++x) {
                    if (!Tinte(zeile[x]))
                        continue;
                    const QPoint p(x, y);
                    QVERIFY2(druckbar.contains(p), qPrintable(QStringLiteral("page %1: ink at %2,%3").arg(k).arg(x).arg(y)));
                    bool drin = false;
                    for (int b = 0; b < bereiche.size(); ++b) {
                        // One pixel of tolerance for antialiased edges.
                        if (bereiche[b].adjusted(-1, -1, 1, 1).contains(p)) {
                            drin = true;
                            if (b >= 2 && bereiche[b].contains(p))
                                ++tinteJeBand[b - 2];
                        }
                    }
                    QVERIFY2(drin, qPrintable(QStringLiteral("page %1: ink outside every area at %2,%3").arg(k).arg(x).arg(y)));
                }
            }
            for (int z = 0; z < seite.zeilen.size(); ++z) {
                QVERIFY2(tinteJeBand[z] > 200, qPrintable(QStringLiteral("page %1 band %2 empty").arg(k).arg(z)));
                // The bands are disjoint, and an exercise's ink stays off the
                // bands' border rows: exercises never touch.
                const QRect band = Gerendert(seite.zeilen[z]);
                QCOMPARE(LaengsterStrich(bild, band, band.top()), 0);
                QCOMPARE(LaengsterStrich(bild, band, band.bottom()), 0);
                const BlattAufgabe& b = aufgaben[seite.gruppe][seite.nummern[z]];
                if (a.bereich == Zahlenbereich::Rational && b.istBruch) {
                    // A fraction bar: a short, solid, level stroke at least two
                    // rendered pixels thick near the band's middle.
                    const QRect term(band.left() + int(40 * Px), band.top(), int(300 * Px), band.height());
                    int dicke = 0;
                    int bestDicke = 0;
                    for (int y = band.center().y() - int(8 * Px); y <= band.center().y() + int(8 * Px); ++y) {
                        dicke = LaengsterStrich(bild, term, y) >= int(8 * Px) ? dicke + 1 : 0;
                        bestDicke = qMax(bestDicke, dicke);
                    }
                    QVERIFY2(bestDicke >= 2, qPrintable(QStringLiteral("page %1 band %2: no fraction bar").arg(k).arg(z)));
                }
            }
        }
    }

    void sameArgumentsSamePages()
    {
        const BlattAuswahl a = Blatt(Zahlenbereich::Rational, 1, 4, false, 20, 2);
        const QList<QImage> eins = PdfSeiten(ArbeitsblattPdf(a), 100);
        const QList<QImage> zwei = PdfSeiten(ArbeitsblattPdf(a), 100);
        QVERIFY(!eins.isEmpty());
        QCOMPARE(eins.size(), zwei.size());
        for (int k = 0; k < eins.size(); ++k)
            QVERIFY(eins[k] == zwei[k]);
        BlattAuswahl b = a;
        b.code = QStringLiteral("K7MP35");
        QVERIFY(PdfSeiten(ArbeitsblattPdf(b), 100).first() != eins.first());
    }

    void savingFailsCleanly()
    {
        QTemporaryDir dir;
        const BlattAuswahl a = Blatt(Zahlenbereich::Ganz, 4, 2, false, 15, 1);
        const QString datei = dir.filePath(QStringLiteral("blatt.pdf"));
        QString fehler;
        QVERIFY(SpeichereArbeitsblatt(datei, a, &fehler));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray alt = f.readAll();
        f.close();
        QVERIFY(alt.startsWith("%PDF") && alt.trimmed().endsWith("%%EOF"));
        // A bad selection and a folder that is not there leave the old file
        // and no stray temporary behind.
        BlattAuswahl falsch = a;
        falsch.code = QStringLiteral("K7MP36");
        QVERIFY(!SpeichereArbeitsblatt(datei, falsch, &fehler));
        QVERIFY(!fehler.isEmpty());
        QVERIFY(!SpeichereArbeitsblatt(dir.filePath(QStringLiteral("fehlt/blatt.pdf")), a, &fehler));
        QVERIFY(fehler.contains(QStringLiteral("fehlt/blatt.pdf")));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), alt);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("blatt.pdf")});
    }
};

QTEST_MAIN(TestBlattSeiten)
#include "test_blatt_seiten.moc"
