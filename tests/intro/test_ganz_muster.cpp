// The worked examples: the "Weiter" / "Noch einmal" sequence of the money
// example, its working lines, and the thermometer example.
#include "IntroTestHilfen.h"
#include "core/PaintBox.h"
#include "core/Random.h"
#include "integer/GanzSpeicher.h"
#include "intro/EinstiegBilder.h"
#include "intro/GanzMusterU.h"

#include <QAction>
#include <QFrame>
#include <QPushButton>

#include <cstdlib>

class TestGanzMuster : public QObject {
    Q_OBJECT
    TfrmGanzMuster* f = nullptr;

    void Oeffne(int art)
    {
        ArtGanz = art;
        f = new TfrmGanzMuster;
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
    }

private slots:
    void cleanup()
    {
        delete f;
        f = nullptr;
        GanzSpeicherZuruecksetzen();
    }

    void thermometerOnOpening()
    {
        Oeffne(1);
        QCOMPARE(f->windowTitle(), QStringLiteral("Rechnen mit ganzen Zahlen: Musterbeispiele (Addition)"));
        QCOMPARE(f->Client->size(), QSize(1016, 722));
        QVERIFY(!f->Zustand().Geld);
        QVERIFY(f->btnWiederholung->isVisible() && !f->btnWeiter->isVisible() && !f->bevRahmen->isVisible());
        Shot(f, QStringLiteral("muster_add_thermometer"));
        // "Noch einmal" draws another thermometer example and keeps the buttons.
        for (int k = 0; k < 20; ++k) {
            f->btnWiederholung->click();
            const TThermoAufgabe& t = f->Zustand().Thermo;
            QVERIFY(std::abs(t.StartTemp) - std::abs(t.EndTemp) >= 7 && t.StartTemp != t.EndTemp);
        }
        QVERIFY(f->btnWiederholung->isVisible() && !f->btnWeiter->isVisible());
        QVERIFY(!f->pnt->accessibleDescription().isEmpty());
    }

    void subtractionMoneyEndsBalanced()
    {
        Oeffne(2);
        QCOMPARE(f->windowTitle(), QStringLiteral("Rechnen mit ganzen Zahlen: Musterbeispiele (Subtraktion)"));
        Shot(f, QStringLiteral("muster_sub_thermometer"));
        for (int runde = 0; runde < 30; ++runde) {
            RandSeed(runde);
            if (runde == 0)
                f->menGeld->trigger();
            else
                f->btnWiederholung->click();
            const TGanzMuster& m = f->Zustand();
            QVERIFY(m.Geld);
            QCOMPARE(m.Step, 0);
            QVERIFY(f->bevRahmen->isVisible() && f->btnWeiter->isVisible() && !f->btnWiederholung->isVisible());
            QCOMPARE(m.Startzeile(), QStringLiteral("Das Startkapital beträgt: ") + Minuszahl(m.Konto.Balance[1])
                                         + QStringLiteral("€"));
            if (runde == 0)
                Shot(f, QStringLiteral("muster_sub_geld_0"));
            for (int k = 1; k <= 8; ++k) {
                QVERIFY(f->btnWeiter->isVisible());
                f->btnWeiter->click();
                QCOMPARE(m.Step, k);
                if (runde == 0 && k == 3)
                    Shot(f, QStringLiteral("muster_sub_geld_3"));
            }
            QVERIFY(!f->btnWeiter->isVisible() && f->btnWiederholung->isVisible());
            const TKontozeile z = Kontozeile(m.Kontostand());
            QCOMPARE(z.Titel, QStringLiteral("Ausgeglichen:"));
            QCOMPARE(z.Betrag, QStringLiteral("0€"));
            if (runde == 0) {
                // The balance line is painted in black at the bottom left.
                const QImage bild = f->pnt->Render();
                QVERIFY(CountColour(bild, QRect(60, 655, 170, 30), QColor(0, 0, 0)) > 50);
                Shot(f, QStringLiteral("muster_sub_geld_8"));
            }
        }
    }

    void workingLines()
    {
        Oeffne(1);
        RandSeed(3);
        f->menGeld->trigger();
        const TGanzMuster& m = f->Zustand();
        QCOMPARE(m.Startzeile(), QStringLiteral("Das Startkapital beträgt: 0€"));
        Shot(f, QStringLiteral("muster_add_geld_0"));
        for (int k = 1; k <= 8; ++k) {
            f->btnWeiter->click();
            const int betrag = m.Konto.Amounts[k];
            const QString zeile = m.Rechenzeile(k);
            QVERIFY2(zeile.startsWith(Kontotext(m.Konto.Balance[k]) + QStringLiteral(" + (#")), qPrintable(zeile));
            QVERIFY(zeile.endsWith(QStringLiteral("#) = ") + Kontotext(m.Konto.Balance[k + 1])));
            QCOMPARE(m.Merkregel(k), betrag < 0 ? QStringLiteral("+ vor #–# gibt –") : QStringLiteral("+ vor #+# gibt +"));
            if (k == 4)
                Shot(f, QStringLiteral("muster_add_geld_4"));
        }
        Shot(f, QStringLiteral("muster_add_geld_8"));
        // Back to the thermometer.
        f->menThermo->trigger();
        QVERIFY(!f->Zustand().Geld && !f->bevRahmen->isVisible() && f->btnWiederholung->isVisible());
    }

    void textForms()
    {
        TGanzMuster m;
        m.Subtraktion = true;
        m.Konto.Amounts[1] = -50;
        m.Konto.Amounts[2] = 20;
        m.Konto.Balance[1] = -30;
        m.Konto.Balance[2] = 20;
        m.Konto.Balance[3] = 0;
        QCOMPARE(m.Rechenzeile(1), QStringLiteral("(–30) – (#–50#) = +20"));
        QCOMPARE(m.Rechenzeile(2), QStringLiteral("+20 – (#+20#) = 0"));
        QCOMPARE(m.Merkregel(1), QStringLiteral("– vor #–# gibt +"));
        QCOMPARE(m.Merkregel(2), QStringLiteral("– vor #+# gibt –"));
        m.Thermo = {12, 0, -12};
        QCOMPARE(m.ThermoGleichung(), QStringLiteral("#0# – (#+12#) = (–12)"));
        m.Subtraktion = false;
        QCOMPARE(m.ThermoGleichung(), QStringLiteral("(#+12#) + (–12) = #0#"));
        QCOMPARE(Kontozeile(-40).Titel, QStringLiteral("Schulden:"));
        QCOMPARE(Kontozeile(-40).Betrag, QStringLiteral("–40€"));
        QCOMPARE(Kontozeile(70).Betrag, QStringLiteral("+70€"));
    }

    void overviewPictures()
    {
        const QImage bilder[] = {GanzEinstiegBild1(), GanzEinstiegBild2(), RationalEinstiegBild1(),
                                 RationalEinstiegBild2()};
        const QSize groessen[] = {{245, 22}, {362, 59}, {372, 35}, {235, 32}};
        for (int k = 0; k < 4; ++k) {
            const QImage& b = bilder[k];
            QCOMPARE(b.size(), groessen[k]);
            QVERIFY(b.hasAlphaChannel());
            int gemalt = 0;
            int rechtsAussen = 0;
            for (int y = 0; y < b.height(); ++y)
                for (int x = 0; x < b.width(); ++x)
                    if (qAlpha(b.pixel(x, y)) > 0) {
                        ++gemalt;
                        rechtsAussen = qMax(rechtsAussen, x);
                    }
            // Something is drawn, the background stays transparent, and
            // nothing runs into the right edge.
            QVERIFY(gemalt > 100);
            QVERIFY(gemalt < b.width() * b.height() / 2);
            QVERIFY2(rechtsAussen < b.width() - 1, qPrintable(QString::number(k)));
        }
    }
};

QTEST_MAIN(TestGanzMuster)
#include "test_ganz_muster.moc"
