// "Mein Verlauf" on a real X server: the chart, drawn by its module, reaches
// the screen, and choosing another kind repaints it whole.
#include "VerlaufTestHilfen.h"
#include "common/EchtesFenster.h"
#include "history/VerlaufSpeicher.h"
#include "history/VerlaufU.h"

#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Pixels of the chart's line colour in w as the server shows it.
int Linienpunkte(QWidget* w)
{
    const QImage bild = echtes_fenster::Bild(w);
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y);
            n += qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) > 160;
        }
    return n;
}

} // namespace

class TestVerlaufX : public QObject {
    Q_OBJECT
private slots:
    void diagrammErreichtDenBildschirm();
};

void TestVerlaufX::diagrammErreichtDenBildschirm()
{
    ECHTES_FENSTER_NOETIG();
    QTemporaryDir ordner;
    VerlaufSpeicher s;
    QCOMPARE(s.Oeffnen(ordner.filePath(QStringLiteral("verlauf.sqlite"))), VerlaufZustand::Offen);
    // Eight integer drills rising from 40 % to 96 %, then two rational ones.
    const AufgabenHerkunft ganz = GanzAufgabe(1, 2, QStringLiteral("(+2)+(-5)"), QStringLiteral("-3"));
    const AufgabenHerkunft bruch = RationalAufgabe(5, 1, QStringLiteral("!+{1/2}!+!-{1/3}!"), QStringLiteral("1/6"));
    for (int k = 0; k < 10; ++k) {
        const bool rational = k >= 8;
        const Urteil u = EinUrteil(rational ? bruch : ganz, Verdikt::RichtigErster, Tag(1 + 2 * k));
        const auto id = s.BeginneUebung(u);
        QVERIFY(id);
        s.SchreibeUrteil(*id, u);
        s.BeendeUebung(*id, EinAbschluss(u.aufgabe.bereich, u.aufgabe.art, u.aufgabe.stufe, 12, 15,
                                         rational ? 50 + 10 * (k - 8) : 40 + 8 * k, Tag(1 + 2 * k, 11)));
    }

    TfrmVerlauf fenster;
    fenster.Laden(&s);
    QVERIFY(echtes_fenster::Zeigen(&fenster));
    // The latest kind comes first: the rational one with its two drills.
    QWidget* diagramm = fenster.chtVerlauf;
    echtes_fenster::Foto(&fenster, QStringLiteral("verlauf_x_rational"));
    const int rationalePunkte = Linienpunkte(diagramm);
    QVERIFY2(rationalePunkte > 20, qPrintable(QString::number(rationalePunkte)));
    QCOMPARE(echtes_fenster::Abweichungen(diagramm, 8), 0);

    // The integer kind's eight drills: a longer line, drawn afresh.
    fenster.tblUebungen->setCurrentCell(1, 0);
    echtes_fenster::Ruhe(150);
    echtes_fenster::Foto(&fenster, QStringLiteral("verlauf_x_ganz"));
    const int ganzePunkte = Linienpunkte(diagramm);
    QVERIFY2(ganzePunkte > rationalePunkte,
             qPrintable(QStringLiteral("%1 / %2").arg(ganzePunkte).arg(rationalePunkte)));
    QCOMPARE(echtes_fenster::Abweichungen(diagramm, 8), 0);
}

QTEST_MAIN(TestVerlaufX)
#include "test_verlauf_x.moc"
