// The integer introduction driven as a pupil drives it: keys, Enter, clicks
// on the number line, message boxes.
#include "IntroTestHilfen.h"
#include "common/ModalHelper.h"
#include "core/EditCenter.h"
#include "core/Meldung.h"
#include "core/MyShape.h"
#include "core/NumberHelpers.h"
#include "core/PaintBox.h"
#include "core/Random.h"
#include "intro/EinstiegGanzU.h"

#include <QAction>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>

#include <cstdlib>

namespace {

QString Tasten(int value)
{
    return value < 0 ? u'-' + QString::number(-value) : QString::number(value);
}

int SichtbareZiele(TfrmGanzEinstieg* f)
{
    int n = 0;
    for (int k = 1; k <= 25; ++k)
        n += f->shp[k]->isVisible();
    return n;
}

// Starts exercises of the page until one with the wanted property turns up.
template <typename Pred>
void StarteBis(TfrmGanzEinstieg* f, int page, Pred pred)
{
    for (int seed = 1; seed < 5000; ++seed) {
        RandSeed(seed);
        f->menArtClick(page);
        if (pred(f->Zustand()))
            return;
    }
    QFAIL("no fitting exercise drawn");
}

} // namespace

class TestGanzEinstieg : public QObject {
    Q_OBJECT
    TfrmGanzEinstieg* f = nullptr;

private slots:
    void init()
    {
        f = new TfrmGanzEinstieg;
        f->show();
        QVERIFY(QTest::qWaitForWindowActive(f));
    }
    void cleanup()
    {
        delete f;
        f = nullptr;
    }

    void overviewOnOpening()
    {
        QCOMPARE(f->Client->size(), QSize(1016, 722));
        QCOMPARE(f->Zustand().IntroPage, 0);
        QVERIFY(f->img1->isVisible() && f->img2->isVisible());
        QCOMPARE(f->img1->size(), QSize(245, 22));
        QCOMPARE(f->img2->size(), QSize(362, 59));
        for (QAction* a : {f->menTemp, f->menGerade, f->menOrdnen, f->menBetrag})
            QVERIFY(a->isEnabled());
        QVERIFY(!f->btnWiederholung->isVisible());
        QVERIFY(f->lblAnzeige->text().isEmpty() && f->lblMeldung->text().isEmpty());
        const QImage bild = f->pnt->Render();
        QVERIFY(CountColour(bild, QRect(0, 0, 1001, 701), QColor(0, 128, 0)) > 200); // green headings
        Shot(f, QStringLiteral("ganz_0_uebersicht"));
    }

    void thermometerWrongTwice()
    {
        f->menTemp->trigger();
        const TThermoAufgabe t = f->Zustand().Thermo;
        QCOMPARE(f->lblAnzeige->text(), QStringLiteral("Trage die Endtemperatur und drücke die Enter-Taste!"));
        QVERIFY(!f->menTemp->isEnabled() && !f->btnWiederholung->isEnabled() && f->btnWiederholung->isVisible());
        QVERIFY(!f->img1->isVisible());
        QCOMPARE(f->edt[1]->pos(), QPoint(750, 350));
        Shot(f, QStringLiteral("ganz_1_thermometer_offen"));

        const int falsch = t.EndTemp == 0 ? 7 : -t.EndTemp;
        Antworte(f, 1, Tasten(falsch));
        QCOMPARE(f->lblMeldung->text(), MeldungFalschErst(false));
        QVERIFY(f->edt[1]->isVisible());
        QTRY_VERIFY(f->edt[1]->hasFocus());
        QCOMPARE(f->Zustand().Auswertung.WrongCount, 1);

        Antworte(f, 1, Tasten(falsch));
        QCOMPARE(f->lblMeldung->text(),
                 QStringLiteral("Deine Eingabe ist leider wieder falsch! Das Ergebnis lautet ") + Minuszahl(t.EndTemp)
                     + QStringLiteral("°C!\nVergleiche das Ergebnis mit deiner Eingabe und überlege, warum du den "
                                      "Fehler begangen hast!"));
        QVERIFY(!f->edt[1]->isVisible());
        QVERIFY(f->btnWiederholung->isEnabled() && f->menGerade->isEnabled());
        QCOMPARE(f->Zustand().Entered, falsch);
        Shot(f, QStringLiteral("ganz_1_thermometer_falsch"));

        // "Noch einmal" draws a new thermometer exercise.
        f->btnWiederholung->click();
        QCOMPARE(f->Zustand().IntroPage, 1);
        QCOMPARE(f->Zustand().Auswertung.Versuche(), 0);
        QVERIFY(f->edt[1]->isVisible() && f->edt[1]->text().isEmpty());
        Antworte(f, 1, Tasten(f->Zustand().Thermo.EndTemp));
        QCOMPARE(f->lblMeldung->text(), QStringLiteral("Bravo deine Eingabe ist richtig!"));
        Shot(f, QStringLiteral("ganz_1_thermometer_richtig"));
    }

    void unconvertibleEntryCountsNothing()
    {
        f->menTemp->trigger();
        for (const QString& keys : {QStringLiteral("-"), QStringLiteral("5-3")}) {
            QString text;
            AnswerNextMessage(&text);
            Antworte(f, 1, keys);
            QTRY_COMPARE(text, TextFehlerEingabe);
            Settle();
            QCOMPARE(f->Zustand().Auswertung.Versuche(), 0);
            QVERIFY(f->lblMeldung->text().isEmpty());
            QVERIFY(f->edt[1]->isVisible());
            QTRY_VERIFY(f->edt[1]->hasFocus());
        }
        QCOMPARE(ModalWatchesPending(), 0);
        // The next real answer is still the first attempt.
        Antworte(f, 1, Tasten(f->Zustand().Thermo.EndTemp));
        QCOMPARE(f->lblMeldung->text(), QStringLiteral("Bravo deine Eingabe ist richtig!"));
    }

    void emptyBoxOnAgain()
    {
        f->menTemp->trigger();
        QString text;
        AnswerNextMessage(&text);
        f->btnWiederholungClick();
        QCOMPARE(text, TextKeinEintrag);
        QCOMPARE(f->Zustand().IntroPage, 1);
    }

    void keyFilterHoldsForEveryInput()
    {
        f->menTemp->trigger();
        TEditCenter* e = f->edt[1];
        QTest::keyClicks(e, QStringLiteral("a-5x"));
        QCOMPARE(e->text(), QString(EnDash) + u'5');
        e->clear();
        QApplication::clipboard()->setText(QStringLiteral("x-12y"));
        e->paste();
        QCOMPARE(e->text(), QString(EnDash) + QStringLiteral("12"));
        e->clear();
        QInputMethodEvent im;
        im.setCommitString(QStringLiteral("7b"));
        QApplication::sendEvent(e, &im);
        QCOMPARE(e->text(), QStringLiteral("7"));
        e->clear();
        QMimeData mime;
        mime.setText(QStringLiteral("<3=a"));
        // A drop is delivered to the target the drag entered first.
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e, &drop);
        QCOMPARE(e->text(), QStringLiteral("3"));

        // The relation pages take only the three signs.
        f->menArtClick(3);
        e = f->edt[1];
        QTest::keyClicks(e, QStringLiteral("a5="));
        QCOMPARE(e->text(), QStringLiteral("="));
    }

    void messageBoxNeitherJudgesNorReopens()
    {
        f->menTemp->trigger();
        const int falsch = f->Zustand().Thermo.EndTemp + 1;
        Antworte(f, 1, Tasten(falsch));
        QTRY_VERIFY(f->edt[1]->hasFocus());
        QCOMPARE(f->Zustand().Auswertung.WrongCount, 1);
        // A message box takes the focus from the box and gives it back.
        QString text;
        AnswerNextMessage(&text);
        Meldung(f, QStringLiteral("Hinweis"));
        Settle();
        QCOMPARE(text, QStringLiteral("Hinweis"));
        QCOMPARE(f->Zustand().Auswertung.WrongCount, 1);
        QCOMPARE(f->Zustand().IntroPage, 1);
        QVERIFY(f->edt[1]->isVisible());
        QCOMPARE(f->lblMeldung->text(), MeldungFalschErst(false));
        // Closing and opening again starts over on the overview page.
        f->hide();
        f->show();
        QCOMPARE(f->Zustand().IntroPage, 0);
        QVERIFY(!f->edt[1]->isVisible());
    }

    void numberLineTypedOneWrongTwice()
    {
        StarteBis(f, 2, [](const TGanzEinstieg& e) { return !e.Klickvariante(); });
        const TGanzEinstieg& z = f->Zustand();
        QCOMPARE(f->lblAnzeige->text(), QStringLiteral("Gib die jeweiligen Zahlen nacheinander ein.\nDrücke die "
                                                       "Enter-Taste oder klicke nach der Eingabe mit der Maus ins "
                                                       "nächste Feld!"));
        QCOMPARE(SichtbareZiele(f), 0);
        for (int i = 1; i <= 5; ++i) {
            QVERIFY(f->edt[i]->isVisible());
            QCOMPARE(f->edt[i]->accessibleName(), QStringLiteral("Aufgabe %1").arg(i));
            QVERIFY(!f->edt[i]->accessibleDescription().isEmpty());
            if (i > 1)
                QVERIFY(f->edt[i - 1]->x() < f->edt[i]->x());
        }
        Shot(f, QStringLiteral("ganz_2_gerade_tippen_offen"));

        const int falsch = ErwarteterWert(z.Zahlen, 1) - 1;
        Antworte(f, 1, Tasten(falsch));
        QCOMPARE(f->lblMeldung->text(), MeldungFalschErst(false));
        Antworte(f, 1, Tasten(falsch));
        QVERIFY(f->lblMeldung->text().startsWith(
            QStringLiteral("Deine Eingabe ist leider wieder falsch! Das Ergebnis lautet ")
            + Minuszahl(ErwarteterWert(z.Zahlen, 1)) + QStringLiteral("!\n")));
        QVERIFY(!f->edt[1]->isVisible());
        QVERIFY(!z.TallyShown);
        for (int i = 2; i <= 5; ++i)
            Antworte(f, i, Tasten(ErwarteterWert(z.Zahlen, i)));

        QVERIFY(z.TallyShown);
        const TTallyTexte t = TallyTexte(z.Auswertung);
        QCOMPARE(t.Versuche, QStringLiteral("Versuche: 6"));
        QCOMPARE(t.Richtig, QStringLiteral("Richtig: 4x"));
        QCOMPARE(t.Falsch, QStringLiteral("Falsch: 2x"));
        QVERIFY(f->btnWiederholung->isEnabled() && f->menOrdnen->isEnabled());
        // The tally is painted in blue and red on the top line.
        const QImage bild = f->pnt->Render();
        QVERIFY(CountColour(bild, QRect(400, 20, 200, 30), QColor(0, 0, 255)) > 20);
        QVERIFY(CountColour(bild, QRect(600, 20, 200, 30), QColor(255, 0, 0)) > 20);
        Shot(f, QStringLiteral("ganz_2_gerade_tippen_fertig"));
    }

    void numberLineClickedOneWrongTwice()
    {
        StarteBis(f, 2, [](const TGanzEinstieg& e) { return e.Klickvariante(); });
        const TGanzEinstieg& z = f->Zustand();
        QCOMPARE(SichtbareZiele(f), z.Zahlen.LineMode == 1 ? 25 : 13);
        QCOMPARE(f->shp[13]->cursor().shape(), Qt::PointingHandCursor);
        for (int i = 1; i <= 5; ++i)
            QVERIFY(!f->edt[i]->isVisible());
        Shot(f, QStringLiteral("ganz_2_gerade_klicken_offen"));

        const auto ziel = [&](int i) { return 13 + z.Zahlen.Positions[i] * z.Zahlen.LineMode; };
        const int daneben = ziel(1) == 1 ? 25 : 1; // the outermost points are never asked first
        QVERIFY(f->shp[daneben]->isVisible());
        QTest::mouseClick(f->shp[daneben], Qt::LeftButton);
        QCOMPARE(f->lblMeldung->text(), MeldungFalschErst(true));
        QCOMPARE(z.ClickIndex, 1);
        QTest::mouseClick(f->shp[daneben], Qt::LeftButton);
        QCOMPARE(f->lblMeldung->text(),
                 MeldungFalschZweitLoesung(Minuszahl(ErwarteterWert(z.Zahlen, 1)), QString(), true));
        QVERIFY(z.ShowSolution);
        QCOMPARE(z.ClickIndex, 2);
        for (int i = 2; i <= 5; ++i) {
            QTest::mouseClick(f->shp[ziel(i)], Qt::LeftButton);
            QCOMPARE(f->lblMeldung->text(), QStringLiteral("Bravo deine Auswahl ist richtig!"));
        }
        QCOMPARE(SichtbareZiele(f), 0);
        QVERIFY(z.TallyShown);
        const TTallyTexte t = TallyTexte(z.Auswertung);
        QCOMPARE(t.Versuche, QStringLiteral("Versuche: 6"));
        QCOMPARE(t.Richtig, QStringLiteral("Richtig: 4x"));
        QCOMPARE(t.Falsch, QStringLiteral("Falsch: 2x"));
        QVERIFY(f->btnWiederholung->isEnabled());
        Shot(f, QStringLiteral("ganz_2_gerade_klicken_fertig"));
    }

    void orderingExercise()
    {
        f->menOrdnen->trigger();
        const TGanzEinstieg& z = f->Zustand();
        for (int i = 1; i <= 5; ++i)
            QCOMPARE(f->edt[i]->pos(), QPoint(490, 180 + 78 * (i - 1)));
        Shot(f, QStringLiteral("ganz_3_ordnen_offen"));
        const QChar anders = z.Pairs[1].relation == u'<' ? u'>' : u'<';
        Antworte(f, 1, QString(anders));
        Antworte(f, 1, QString(anders));
        QCOMPARE(f->lblMeldung->text(), MeldungFalschZweitZeichen(QString(anders)));
        for (int i = 2; i <= 5; ++i)
            Antworte(f, i, QString(z.Pairs[i].relation));
        QVERIFY(z.TallyShown);
        QCOMPARE(z.Auswertung.RightCount, 4);
        Shot(f, QStringLiteral("ganz_3_ordnen_fertig"));
    }

    void absoluteValueOppositesNeedEquals()
    {
        StarteBis(f, 4, [](const TGanzEinstieg& e) {
            const TPaar& p = e.Pairs[1];
            return p.a == -p.b && p.absA && p.absB;
        });
        const TGanzEinstieg& z = f->Zustand();
        Shot(f, QStringLiteral("ganz_4_betrag_offen"));
        Antworte(f, 1, QStringLiteral("<"));
        QCOMPARE(f->lblMeldung->text(), MeldungFalschErst(false));
        Antworte(f, 1, QStringLiteral("="));
        QCOMPARE(f->lblMeldung->text(), QStringLiteral("Beim zweiten Versuch ist deine Eingabe richtig!"));
        for (int i = 2; i <= 5; ++i)
            Antworte(f, i, QString(z.Pairs[i].relation));
        QCOMPARE(TallyTexte(z.Auswertung).Versuche, QStringLiteral("Versuche: 6"));
        QCOMPARE(TallyTexte(z.Auswertung).Richtig, QStringLiteral("Richtig: 5x"));
        Shot(f, QStringLiteral("ganz_4_betrag_fertig"));
    }
};

QTEST_MAIN(TestGanzEinstieg)
#include "test_ganz_einstieg.moc"
