// The rational introduction: the two fraction exercises typed through to
// the tally, and the key filter of each page.
#include "IntroTestHilfen.h"
#include "core/EditCenter.h"
#include "core/PaintBox.h"
#include "core/Random.h"
#include "intro/EinstiegRationalU.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>

class TestRationalEinstieg : public QObject {
    Q_OBJECT
    TfrmRationalEinstieg* f = nullptr;

private slots:
    void init()
    {
        f = new TfrmRationalEinstieg;
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f));
    }
    void cleanup()
    {
        delete f;
        f = nullptr;
    }

    void overview()
    {
        QCOMPARE(f->Zustand().IntroPage, 0);
        QVERIFY(f->img1->isVisible() && f->img2->isVisible());
        QCOMPARE(f->img1->size(), QSize(372, 35));
        QCOMPARE(f->img2->size(), QSize(235, 32));
        QVERIFY(f->menOrdnen->isEnabled() && f->menBetrag->isEnabled());
        Shot(f, QStringLiteral("rational_0_uebersicht"));
    }

    void orderingRefusesEquals()
    {
        f->menOrdnen->trigger();
        QVERIFY(!f->menOrdnen->isEnabled() && !f->menBetrag->isEnabled());
        QVERIFY(!f->img1->isVisible());
        TEditCenter* e = f->edt[1];
        QCOMPARE(e->pos(), QPoint(480, 150));
        QTest::keyClicks(e, QStringLiteral("=3a"));
        QCOMPARE(e->text(), QString());
        QApplication::clipboard()->setText(QStringLiteral("=="));
        e->paste();
        QCOMPARE(e->text(), QString());
        QTest::keyClicks(e, QStringLiteral(">"));
        QCOMPARE(e->text(), QStringLiteral(">"));
        QVERIFY(e->property("aufgabentext").toString().contains(QStringLiteral("(< oder >)")));
        QVERIFY(e->accessibleDescription().endsWith(QStringLiteral("Kleiner als oder größer als.")));
    }

    void orderingThroughToTally()
    {
        RandSeed(7);
        f->menOrdnen->trigger();
        const TRationalEinstieg& z = f->Zustand();
        Shot(f, QStringLiteral("rational_1_ordnen_offen"));
        const QChar anders = z.FractionPairs[3].relation == u'<' ? u'>' : u'<';
        Antworte(f, 1, QString(z.FractionPairs[1].relation));
        QCOMPARE(f->lblMeldung->text(), QStringLiteral("Bravo deine Eingabe ist richtig!"));
        Antworte(f, 2, QString(z.FractionPairs[2].relation));
        Antworte(f, 3, QString(anders));
        QCOMPARE(f->lblMeldung->text(), MeldungFalschErst(false));
        Antworte(f, 3, QString(anders));
        QCOMPARE(f->lblMeldung->text(), MeldungFalschZweitZeichen(QString(anders)));
        Antworte(f, 4, QString(z.FractionPairs[4].relation));
        QVERIFY(!z.TallyShown);
        Antworte(f, 5, QString(z.FractionPairs[5].relation));
        QVERIFY(z.TallyShown);
        const TTallyTexte t = TallyTexte(z.Auswertung);
        QCOMPARE(t.Versuche, QStringLiteral("Versuche: 6"));
        QCOMPARE(t.Richtig, QStringLiteral("Richtig: 4x"));
        QCOMPARE(t.Falsch, QStringLiteral("Falsch: 2x"));
        QVERIFY(f->btnWiederholung->isEnabled() && f->menBetrag->isEnabled());
        for (int i = 1; i <= 5; ++i)
            QVERIFY(!f->edt[i]->isVisible());
        Shot(f, QStringLiteral("rational_1_ordnen_fertig"));

        f->btnWiederholung->click();
        QCOMPARE(f->Zustand().IntroPage, 1);
        QVERIFY(!z.TallyShown && f->edt[1]->isVisible() && f->edt[1]->text().isEmpty());
    }

    void absoluteValueTakesEquals()
    {
        // A row of opposite fractions, both between bars, needs "=".
        for (int seed = 1;; ++seed) {
            QVERIFY(seed < 20000);
            RandSeed(seed);
            f->menArtClick(2);
            const TBruchPaar& p = f->Zustand().FractionPairs[1];
            if (p.absLeft && p.absRight && p.leftNum == -p.rightNum && p.leftDen == p.rightDen)
                break;
        }
        const TRationalEinstieg& z = f->Zustand();
        QCOMPARE(z.FractionPairs[1].relation, u'=');
        QVERIFY(f->edt[1]->property("aufgabentext").toString().startsWith(u'|'));
        QVERIFY(f->edt[1]->accessibleDescription().startsWith(QStringLiteral("Welches Zeichen gehört zwischen Betrag von")));
        Shot(f, QStringLiteral("rational_2_betrag_offen"));
        Antworte(f, 1, QStringLiteral("="));
        QCOMPARE(f->lblMeldung->text(), QStringLiteral("Bravo deine Eingabe ist richtig!"));
        for (int i = 2; i <= 5; ++i)
            Antworte(f, i, QString(z.FractionPairs[i].relation));
        QCOMPARE(TallyTexte(z.Auswertung).Richtig, QStringLiteral("Richtig: 5x"));
        // The bars are painted beside the terms.
        const QImage bild = f->pnt->Render();
        QVERIFY(CountColour(bild, QRect(300, 130, 400, 50), QColor(0, 0, 255)) > 10);
        Shot(f, QStringLiteral("rational_2_betrag_fertig"));
    }
};

QTEST_MAIN(TestRationalEinstieg)
#include "test_rational_einstieg.moc"
