// The introductions and worked examples with the keyboard alone (key events
// only, no mouse) and through the accessibility interfaces.
#include "common/ZugangMitschrift.h"
#include "common/ZugangPruefung.h"
#include "core/EditCenter.h"
#include "core/MyShape.h"
#include "core/PaintBox.h"
#include "core/Random.h"
#include "core/Zugang.h"
#include "integer/GanzSpeicher.h"
#include "intro/EinstiegGanzU.h"
#include "intro/EinstiegRationalU.h"
#include "intro/GanzMusterU.h"
#include "intro/ZahlengeradeTasten.h"
#include "IntroTestHilfen.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace {

// The menu item at position k (0: "Schließen") through Alt and the arrow keys.
void MenuePunkt(QWidget* f, int k)
{
    QTest::keyClick(f, Qt::Key_Alt);
    Settle();
    auto* bar = f->findChild<QMenuBar*>();
    QVERIFY(bar);
    QTRY_VERIFY(bar->activeAction() != nullptr);
    for (int i = 0; i < k; ++i)
        QTest::keyClick(bar, Qt::Key_Right);
    QTest::keyClick(bar, Qt::Key_Return);
    Settle();
}

QWidget* Fokus()
{
    return QApplication::focusWidget();
}

// A seed whose number-line exercise is the click variant.
quint64 SeedKlicken()
{
    for (quint64 seed = 1; seed < 5000; ++seed) {
        RandSeed(seed);
        TGanzEinstieg e;
        e.Starte(TGanzEinstieg::Gerade);
        if (e.Klickvariante())
            return seed;
    }
    return 0;
}

// The click target that holds value v.
int ZielFuer(const TGanzEinstieg& e, int v)
{
    for (int n = 1; n <= 25; ++n)
        if (KlickWert(e.Zahlen, n) == v && KlickZielSichtbar(e.Zahlen.LineMode, n))
            return n;
    return 0;
}

// Moves the marker with the arrow keys onto target n.
void MarkeAuf(TZahlengeradeTasten* t, int n)
{
    for (int i = 0; i < 30 && t->Marke() != n; ++i)
        QTest::keyClick(t, t->Marke() < n ? Qt::Key_Right : Qt::Key_Left);
    QCOMPARE(t->Marke(), n);
}

} // namespace

class TestZugangIntro : public QObject {
    Q_OBJECT
    TfrmGanzEinstieg* f = nullptr;

private slots:
    void initTestCase() { ZugangEinrichten(); }
    void init()
    {
        zugangsEreignisse.clear();
        f = new TfrmGanzEinstieg;
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f));
    }
    void cleanup()
    {
        delete f;
        f = nullptr;
    }

    // The number line of the click variant from the menu to "Noch einmal"
    // and out again, with keys alone.
    void zahlengeradeMitTasten()
    {
        const quint64 seed = SeedKlicken();
        QVERIFY(seed > 0);
        RandSeed(seed);
        MenuePunkt(f, 2); // "Zahlengerade"
        const TGanzEinstieg& e = f->Zustand();
        QCOMPARE(e.IntroPage, int(TGanzEinstieg::Gerade));
        QVERIFY(e.Klickvariante());
        TZahlengeradeTasten* t = f->geradeTasten;
        QTRY_COMPARE(Fokus(), t);
        // The marker and the frame are seen.
        QVERIFY(CountColour(t->grab().toImage(), t->rect(), FokusFarbe()) > 100);
        QVERIFY(t->accessibleName().startsWith(QStringLiteral("Zahlengerade, Markierung bei ")));

        Shot(f, QStringLiteral("zugang_zahlengerade"));
        // Item 1: a wrong place first, then the right one.
        const int soll1 = ErwarteterWert(e.Zahlen, 1);
        QVERIFY(t->accessibleDescription().contains(SprichTerm(Vorzeichenzahl(soll1))));
        const int richtig1 = ZielFuer(e, soll1);
        const int falsch1 = richtig1 == 13 ? 12 + e.Zahlen.LineMode : 13;
        MarkeAuf(t, falsch1);
        QTest::keyClick(t, Qt::Key_Return);
        QCOMPARE(e.Auswertung.WrongCount, 1);
        QCOMPARE(e.ClickIndex, 1);
        QVERIFY(ZugangGemeldet(f->lblMeldung, QAccessible::Alert));
        MarkeAuf(t, richtig1);
        QTest::keyClick(t, Qt::Key_Space);
        QVERIFY(e.Auswertung.Right[1]);
        QCOMPARE(e.ClickIndex, 2);
        QCOMPARE(QAccessible::queryAccessibleInterface(f->lblMeldung)->text(QAccessible::Name),
                 QStringLiteral("Beim zweiten Versuch ist deine Auswahl richtig!"));

        for (int i = 2; i <= 5; ++i) {
            MarkeAuf(t, ZielFuer(e, ErwarteterWert(e.Zahlen, i)));
            QTest::keyClick(t, Qt::Key_Return);
            QVERIFY(e.Auswertung.Right[i]);
        }
        QVERIFY(e.Fertig());
        Settle();
        QTRY_COMPARE(Fokus(), f->btnWiederholung);
        QVERIFY(f->pnt->accessibleDescription().contains(BewertungsName(Bewertungsstand::RichtigZweit)));
        QVERIFY(f->pnt->accessibleDescription().contains(QStringLiteral("Versuche: 6")));

        QTest::keyClick(f->btnWiederholung, Qt::Key_Return);
        Settle();
        QCOMPARE(e.Auswertung.AnsweredCount, 0);
        QCOMPARE(e.IntroPage, int(TGanzEinstieg::Gerade));

        MenuePunkt(f, 0); // "Schließen"
        QTRY_VERIFY(!f->isVisible());
    }

    // One double click on a wrong place is one wrong answer, not two.
    void doppelklickAufDerGeraden()
    {
        const quint64 seed = SeedKlicken();
        RandSeed(seed);
        f->menArtClick(TGanzEinstieg::Gerade);
        const TGanzEinstieg& e = f->Zustand();
        const int richtig = ZielFuer(e, ErwarteterWert(e.Zahlen, 1));
        const int falsch = richtig == 13 ? 12 + e.Zahlen.LineMode : 13;
        TMyShape* s = f->shp[falsch];
        QVERIFY(s->isVisible());
        const QPoint mitte = s->mapTo(f, s->rect().center());
        QTest::mouseDClick(f->windowHandle(), Qt::LeftButton, {}, mitte);
        Settle();
        QCOMPARE(e.Auswertung.WrongCount, 1);
        QVERIFY(!e.Auswertung.Wrong[1]);
        QCOMPARE(e.ClickIndex, 1);
    }

    // After the last box the focus is on "Noch einmal", never on the
    // hidden focus target; descriptions are spoken and never cut.
    void thermometerMitTasten()
    {
        MenuePunkt(f, 1); // "Temperaturänderung"
        const TGanzEinstieg& e = f->Zustand();
        QCOMPARE(e.IntroPage, int(TGanzEinstieg::Temperatur));
        QLineEdit* box = f->edt[1];
        QTRY_COMPARE(Fokus(), box);
        QVERIFY(OhneGlyphen(box->accessibleDescription()));
        QVERIFY(box->accessibleDescription().contains(QStringLiteral("Grad Celsius an? Anfangstemperatur")));
        QVERIFY(box->property(EigenschaftAufgabentext).toString().contains(QStringLiteral("°C")));
        QVERIFY(f->pnt->accessibleDescription().size() > 40);
        QVERIFY(f->pnt->accessibleDescription().endsWith(QStringLiteral("Grad Celsius an?")));

        QTest::keyClicks(box, Minuszahl(e.Thermo.EndTemp).replace(QChar(0x2013), u'-'));
        QTest::keyClick(box, Qt::Key_Return);
        Settle();
        QVERIFY(e.Auswertung.Right[1]);
        QTRY_COMPARE(Fokus(), f->btnWiederholung);
        QVERIFY(f->btnWiederholung->isEnabled());
        Shot(f, QStringLiteral("zugang_thermometer_fertig"));
    }

    // Ordering with a wrong answer in the last box: the box keeps the focus;
    // the right one moves it on to "Noch einmal".
    void ordnenMitTasten()
    {
        MenuePunkt(f, 3); // "Ordnen"
        const TGanzEinstieg& e = f->Zustand();
        for (int i = 1; i <= 5; ++i) {
            QTRY_COMPARE(Fokus(), f->edt[i]);
            QVERIFY(f->edt[i]->accessibleDescription().startsWith(QStringLiteral("Welches Zeichen gehört zwischen")));
            if (i == 5) {
                const QChar falsch = e.Pairs[5].relation == u'<' ? u'>' : u'<';
                QTest::keyClicks(f->edt[5], QString(falsch));
                QTest::keyClick(f->edt[5], Qt::Key_Return);
                Settle();
                QTRY_COMPARE(Fokus(), f->edt[5]);
                f->edt[5]->selectAll();
            }
            QTest::keyClicks(f->edt[i], QString(e.Pairs[i].relation));
            QTest::keyClick(f->edt[i], Qt::Key_Return);
            Settle();
        }
        QVERIFY(e.Fertig());
        QTRY_COMPARE(Fokus(), f->btnWiederholung);
    }

    // Every control of every introduction page has a name; every open answer
    // box its spoken description.
    void baumBenannt()
    {
        for (int seite = 1; seite <= 4; ++seite) {
            f->menArtClick(seite);
            Settle();
            QStringList ohne;
            AlleBenannt(QAccessible::queryAccessibleInterface(f), ohne);
            QVERIFY2(ohne.isEmpty(), qPrintable(ohne.join(u',')));
            for (int i = 1; i <= 5; ++i) {
                if (!f->edt[i]->isVisible())
                    continue;
                QAccessibleInterface* box = QAccessible::queryAccessibleInterface(f->edt[i]);
                QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Aufgabe %1").arg(i));
                QVERIFY(!box->text(QAccessible::Description).isEmpty());
                QVERIFY2(OhneGlyphen(box->text(QAccessible::Description)),
                         qPrintable(box->text(QAccessible::Description)));
            }
        }
        TfrmRationalEinstieg r;
        r.show();
        QVERIFY(QTest::qWaitForWindowExposed(&r));
        r.menArtClick(TRationalEinstieg::Betrag);
        QStringList ohne;
        AlleBenannt(QAccessible::queryAccessibleInterface(&r), ohne);
        QVERIFY2(ohne.isEmpty(), qPrintable(ohne.join(u',')));
        for (int i = 1; i <= 5; ++i)
            QVERIFY(OhneGlyphen(QAccessible::queryAccessibleInterface(r.edt[i])->text(QAccessible::Description)));
    }

    // The worked money example from its first step to "Noch einmal", keys only.
    void musterbeispielMitTasten()
    {
        ArtGanz = 2;
        TfrmGanzMuster m;
        m.show();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        MenuePunkt(&m, 2); // "Geldgeschäfte"
        QVERIFY(m.Zustand().Geld);
        QTRY_COMPARE(Fokus(), m.btnWeiter);
        for (int step = 1; step <= 8; ++step) {
            QTest::keyClick(Fokus(), Qt::Key_Return);
            QCOMPARE(m.Zustand().Step, step);
        }
        QTRY_COMPARE(Fokus(), m.btnWiederholung);
        // Colons end the labels of the text ("Kontostand:"); the terms carry no glyphs.
        QVERIFY2(OhneGlyphen(QString(m.pnt->accessibleDescription()).remove(u':')),
                 qPrintable(m.pnt->accessibleDescription()));
        QVERIFY(m.pnt->accessibleDescription().endsWith(QStringLiteral("Kontostand: null Euro.")));
        QTest::keyClick(m.btnWiederholung, Qt::Key_Enter);
        QCOMPARE(m.Zustand().Step, 0);
        QTRY_COMPARE(Fokus(), m.btnWeiter);
        ArtGanz = 0;
    }
};

QTEST_MAIN(TestZugangIntro)
#include "test_zugang_intro.moc"
