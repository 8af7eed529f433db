// The drill frame driven through both drills with the same scenarios: two
// attempts, refused entries, "Weiter" with empty boxes, the last page, the
// hand-over to the evaluation and the new drill after it, a page source, and
// what every judgement reports.
#include "common/DrillFixture.h"
#include "drill/DrillZugang.h"
#include "integer/GanzQuelle.h"
#include "rational/RationalQuelle.h"

#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QAccessible>
#include <QtTest>

Q_DECLARE_METATYPE(DrillArt)

namespace {

// A fixed page source: the catalogue's terms with a known result, one page,
// its own caption and class code.
class Klassenquelle : public Aufgabenquelle {
public:
    explicit Klassenquelle(DrillArt art)
        : art_(art), katalog_(art == DrillArt::Ganz ? GanzKatalogquelle() : RationalKatalogquelle())
    {
    }
    AufgabenHerkunft Fuelle(int seite, int zeile, bool vereinfacht) override
    {
        ++aufrufe;
        AufgabenHerkunft h = katalog_->Fuelle(seite, zeile, vereinfacht);
        if (art_ == DrillArt::Ganz)
            AufgabenGanz[zeile].Ergebnis = QStringLiteral("3");
        else
            RationalAufgaben[zeile].Ergebnis = QStringLiteral("3/4");
        return h;
    }
    int Seiten() const override { return 1; }
    QString Klassencode() const override { return QStringLiteral("K7B-2"); }
    QString Titel() const override { return QStringLiteral("Übungsblatt der 7b"); }

    static inline int aufrufe = 0;

private:
    DrillArt art_;
    std::unique_ptr<Aufgabenquelle> katalog_;
};

} // namespace

class TestDrillRahmen : public QObject {
    Q_OBJECT

private slots:
    void zweiVersucheUndPunkte_data() { Drills(); }
    void zweiVersucheUndPunkte();
    void formatfehlerZaehltNichts_data() { Drills(); }
    void formatfehlerZaehltNichts();
    void formatfehlerBeimZweitenVersuch_data() { Drills(); }
    void formatfehlerBeimZweitenVersuch();
    void weiterMitLeerenFeldern_data() { Drills(); }
    void weiterMitLeerenFeldern();
    void letzteSeiteAuswertungUndNeuerDrill_data() { Drills(); }
    void letzteSeiteAuswertungUndNeuerDrill();
    void auswertungWirdBeiBedarfGemacht_data() { Drills(); }
    void auswertungWirdBeiBedarfGemacht();
    void quelleFuelltDieSeitenBisZumSchliessen_data() { Drills(); }
    void quelleFuelltDieSeitenBisZumSchliessen();
    void menueLeisteWieImHauptfenster_data() { Drills(); }
    void menueLeisteWieImHauptfenster();
    void zeilenVorgelesen_data() { Drills(); }
    void zeilenVorgelesen();
    void darstellungJedeArt_data() { Drills(); }
    void darstellungJedeArt();

    void cleanup() { QCOMPARE(ModalWatchesPending(), 0); }

private:
    static QString Vorgelesen(QWidget* w, QAccessible::Text t = QAccessible::Name)
    {
        return QAccessible::queryAccessibleInterface(w)->text(t);
    }

    static void Drills()
    {
        QTest::addColumn<DrillArt>("art");
        QTest::newRow("ganz") << DrillArt::Ganz;
        QTest::newRow("rational") << DrillArt::Rational;
    }
};

void TestDrillRahmen::zweiVersucheUndPunkte()
{
    QFETCH(DrillArt, art);
    DrillFixture d(art);
    d.Oeffne();
    TDrillRahmen* f = d.Rahmen();

    d.Antworte(1, d.Falsch());
    QTRY_VERIFY(d.Feld(1)->hasFocus()); // the second attempt in the same box
    QVERIFY(d.Feld(1)->isVisible());
    QCOMPARE(d.Versuche(), 1);
    QCOMPARE(f->lblAktVersuche->text(), QStringLiteral("1"));
    QVERIFY(f->lblAnzeige->text().startsWith(QStringLiteral("Deine Eingabe ist leider falsch!\n")));
    QVERIFY(!f->grpEinfach->isEnabled());
    QCOMPARE(f->img[1]->pixmap().toImage(), DrillBildPixmap(DrillBild::Falsch).toImage());

    d.Antworte(1, d.Richtig());
    QCOMPARE(d.PunkteGesamt(), 0.5f);
    QCOMPARE(d.VersucheGesamt(), 2);
    QVERIFY(!d.Feld(1)->isVisible());
    QCOMPARE(f->img[1]->pixmap().toImage(), DrillBildPixmap(DrillBild::RichtigZweiter).toImage());
    QCOMPARE(f->imgZ[1][0]->pixmap().toImage(), DrillBildPixmap(DrillBild::MarkeFalsch).toImage());
    QCOMPARE(f->imgZ[1][1]->pixmap().toImage(), DrillBildPixmap(DrillBild::MarkeRichtig).toImage());

    d.Antworte(2, d.Falsch());
    d.Antworte(2, d.Falsch());
    QVERIFY(f->lblAnzeige->text().contains(QStringLiteral("Das Ergebnis lautet ") + d.Richtig() + u'!'));
    QCOMPARE(d.PunkteGesamt(), 0.5f);
    QVERIFY(!d.Feld(2)->isVisible());

    d.Antworte(3, d.Richtig());
    QCOMPARE(f->lblAnzeige->text(), QStringLiteral("Bravo, deine Eingabe ist richtig!"));
    QCOMPARE(f->lblAktPunkte->text(), QStringLiteral("1,5"));
    QCOMPARE(f->lblAktVersuche->text(), QStringLiteral("5"));
    QCOMPARE(d.VersucheGesamt(), 5);

    // Every judgement was reported, with all it needs to be recorded.
    const QList<Verdikt> erwartet{Verdikt::FalschErster, Verdikt::RichtigZweiter, Verdikt::FalschErster,
                                  Verdikt::FalschZweiter, Verdikt::RichtigErster};
    QCOMPARE(d.urteile.size(), erwartet.size());
    const QList<int> zeilen{1, 1, 2, 2, 3};
    const QList<double> punkte{0, 0.5, 0, 0, 1};
    for (int k = 0; k < d.urteile.size(); ++k) {
        const Urteil& u = d.urteile[k];
        QCOMPARE(u.verdikt, erwartet[k]);
        QCOMPARE(u.zeile, zeilen[k]);
        QCOMPARE(u.punkte, punkte[k]);
        QCOMPARE(u.seite, 1);
        QCOMPARE(u.erwartet, d.Richtig());
        QCOMPARE(u.termAnzeige, d.Feld(u.zeile)->property("aufgabentext").toString());
        QVERIFY(!u.termAnzeige.isEmpty());
        QCOMPARE(u.aufgabe.bereich, art == DrillArt::Ganz ? Zahlenbereich::Ganz : Zahlenbereich::Rational);
        QCOMPARE(u.aufgabe.art, art == DrillArt::Ganz ? 1 : 3);
        QCOMPARE(u.aufgabe.stufe, 1);
        QVERIFY(!u.aufgabe.term.isEmpty());
        QVERIFY(!u.vereinfacht);
        QVERIFY(u.klassencode.isEmpty());
        QVERIFY(u.zeit.isValid());
    }
    QCOMPARE(d.urteile[0].eingabe, d.Falsch());
}

void TestDrillRahmen::formatfehlerZaehltNichts()
{
    QFETCH(DrillArt, art);
    DrillFixture d(art);
    d.Oeffne();

    QString meldung;
    AnswerNextMessage(&meldung);
    d.Antworte(1, d.OhneVorzeichen());
    QTRY_COMPARE(meldung, QStringLiteral("Das Vorzeichen fehlt!"));
    d.Aktiviere();
    QTRY_VERIFY(d.Feld(1)->hasFocus());
    QCOMPARE(d.Versuche(), 0);
    QCOMPARE(d.VersucheGesamt(), 0);
    QVERIFY(d.Feld(1)->isVisible());
    QCOMPARE(d.urteile.size(), 1);
    QCOMPARE(d.urteile[0].verdikt, Verdikt::Formatfehler1);
    QCOMPARE(d.urteile[0].punkte, 0.0);

    // The attempt is not used up: the corrected entry counts as the first.
    d.Antworte(1, d.Richtig());
    QCOMPARE(d.PunkteGesamt(), 1.0f);
}

// After a wrong first answer the pupil types the corrected value without its
// sign and presses Return: the message must appear, nothing is counted and
// the focus stays in the box.
void TestDrillRahmen::formatfehlerBeimZweitenVersuch()
{
    QFETCH(DrillArt, art);
    DrillFixture d(art);
    d.Oeffne();

    d.Antworte(1, d.Falsch());
    QTRY_VERIFY(d.Feld(1)->hasFocus());
    QString meldung;
    AnswerNextMessage(&meldung, nullptr, 2000);
    TippeUndEnter(d.Feld(1), d.OhneVorzeichen());
    QTRY_COMPARE(meldung, QStringLiteral("Das Vorzeichen fehlt!"));
    CancelModalWatches();
    d.Aktiviere();
    QTRY_VERIFY(d.Feld(1)->hasFocus());
    QCOMPARE(d.VersucheGesamt(), 1);
    QCOMPARE(d.urteile.last().verdikt, Verdikt::Formatfehler1);

    TippeUndEnter(d.Feld(1), d.Richtig());
    QCOMPARE(d.PunkteGesamt(), 0.5f);
    QCOMPARE(d.VersucheGesamt(), 2);
}

void TestDrillRahmen::weiterMitLeerenFeldern()
{
    QFETCH(DrillArt, art);
    DrillFixture d(art);
    d.Oeffne();
    TDrillRahmen* f = d.Rahmen();

    QString meldung;
    AnswerNextMessage(&meldung);
    QTest::mouseClick(f->btnWeiter, Qt::LeftButton);
    QCOMPARE(meldung, QStringLiteral("Es fehlen noch 5 Einträge!"));
    d.Aktiviere();
    QTRY_COMPARE(QApplication::focusWidget(), d.Feld(1));

    d.Antworte(1, d.Richtig());
    d.Antworte(3, d.Richtig());
    AnswerNextMessage(&meldung);
    QTest::mouseClick(f->btnWeiter, Qt::LeftButton);
    QCOMPARE(meldung, QStringLiteral("Es fehlen noch 3 Einträge!"));
    d.Aktiviere();
    QTRY_COMPARE(QApplication::focusWidget(), d.Feld(2)); // the topmost empty box

    d.Antworte(2, d.Richtig());
    d.Antworte(4, d.Richtig());
    AnswerNextMessage(&meldung);
    QTest::mouseClick(f->btnWeiter, Qt::LeftButton);
    QCOMPARE(meldung, QStringLiteral("Es fehlt noch 1 Eintrag!"));
    d.Aktiviere();
    QTRY_COMPARE(QApplication::focusWidget(), d.Feld(5));
    QCOMPARE(f->lblDurchgang->text(), QStringLiteral("1 / 3"));
    QCOMPARE(d.VersucheGesamt(), 4); // the messages counted nothing
}

void TestDrillRahmen::letzteSeiteAuswertungUndNeuerDrill()
{
    QFETCH(DrillArt, art);
    DrillFixture d(art);
    frmAuswertung = new TfrmAuswertung(d.Rahmen());
    frmAuswertung->Schrittdauer = 0;
    d.Oeffne();
    TDrillRahmen* f = d.Rahmen();

    for (int seite = 1; seite <= 3; ++seite) {
        QCOMPARE(f->lblDurchgang->text(), QStringLiteral("%1 / 3").arg(seite));
        QVERIFY(f->grpEinfach->isEnabled());
        d.AllesRichtig();
        QCOMPARE(f->lblAktPunkte->text(), QStringLiteral("5,0"));
        if (seite < 3) {
            QVERIFY(f->btnWeiter->isVisible());
            QVERIFY(!f->btnAuswertung->isVisible());
            QTest::mouseClick(f->btnWeiter, Qt::LeftButton);
            QCOMPARE(f->lblAktPunkte->text(), QStringLiteral("0,0"));
            QCOMPARE(f->lblAktVersuche->text(), QStringLiteral("0"));
            d.BekannteErgebnisse();
        }
    }
    // The fifteenth exercise brings up "Auswertung"; "Weiter" goes no further.
    QVERIFY(f->btnAuswertung->isVisible());
    QVERIFY(!f->btnWeiter->isVisible());
    QCOMPARE(d.urteile.last().seite, 3);

    bool bewertet = false;
    WhenModal([&](QWidget*) {
        QTRY_VERIFY(!frmAuswertung->ZaehltNoch());
        bewertet = frmAuswertung->Prozent() == 100 && frmAuswertung->Punkte() == 15.0f
                   && frmAuswertung->Versuche() == 15;
        frmAuswertung->btnSchliessen->click();
    });
    QTest::mouseClick(f->btnAuswertung, Qt::LeftButton);
    QVERIFY(bewertet);
    QCOMPARE(d.abschluesse.size(), 1);
    QCOMPARE(d.abschluesse[0].punkteGesamt, 15.0);
    QCOMPARE(d.abschluesse[0].versucheGesamt, 15);
    QCOMPARE(d.abschluesse[0].prozent, 100);
    QCOMPARE(d.abschluesse[0].stufe, 1);

    // A new drill of the same kind and level.
    QCOMPARE(f->lblDurchgang->text(), QStringLiteral("1 / 3"));
    QCOMPARE(f->lblAktVersuche->text(), QStringLiteral("0"));
    QCOMPARE(f->lblAktPunkte->text(), QStringLiteral("0,0"));
    QVERIFY(f->btnWeiter->isVisible());
    QVERIFY(!f->btnAuswertung->isVisible());
    QCOMPARE(d.PunkteGesamt(), 0.0f);
    QCOMPARE(d.VersucheGesamt(), 0);
    QCOMPARE(d.Durchgang(), 1);
    QCOMPARE(f->lblAnzeige->palette().color(QPalette::WindowText), QColor(153, 102, 51));
    for (int i = 1; i <= 5; ++i) {
        QVERIFY(d.Feld(i)->isVisible());
        QVERIFY(d.Feld(i)->text().isEmpty());
        QCOMPARE(f->img[i]->pixmap().toImage(), DrillBildPixmap(DrillBild::Neutral).toImage());
        QVERIFY(f->imgZ[i][0]->pixmap().isNull());
    }
    d.Aktiviere();
    QTRY_VERIFY(d.Feld(1)->hasFocus());
    delete frmAuswertung;
    frmAuswertung = nullptr;
}

// Without an evaluation screen the drill makes one; the global reference
// goes when the screen that made it goes.
void TestDrillRahmen::auswertungWirdBeiBedarfGemacht()
{
    QFETCH(DrillArt, art);
    QVERIFY(!frmAuswertung);
    {
        DrillFixture d(art);
        d.Oeffne();
        for (int seite = 1; seite <= 3; ++seite) {
            d.AllesRichtig();
            if (seite < 3) {
                QTest::mouseClick(d.Rahmen()->btnWeiter, Qt::LeftButton);
                d.BekannteErgebnisse();
            }
        }
        bool gezeigt = false;
        WhenModal([&](QWidget* w) {
            gezeigt = w == frmAuswertung;
            frmAuswertung->done(QDialog::Accepted); // not waiting for the count
        });
        QTest::mouseClick(d.Rahmen()->btnAuswertung, Qt::LeftButton);
        QVERIFY(gezeigt);
        QCOMPARE(d.abschluesse.size(), 1);
        QCOMPARE(d.Durchgang(), 1);
    }
    QVERIFY(!frmAuswertung);
}

void TestDrillRahmen::quelleFuelltDieSeitenBisZumSchliessen()
{
    QFETCH(DrillArt, art);
    DrillFixture d(art);
    TDrillRahmen* f = d.Rahmen();
    Klassenquelle::aufrufe = 0;
    f->SetzeQuelle(std::make_unique<Klassenquelle>(art));
    d.Oeffne();
    QCOMPARE(Klassenquelle::aufrufe, 5);
    QCOMPARE(f->windowTitle(), QStringLiteral("Übungsblatt der 7b"));
    QCOMPARE(f->lblDurchgang->text(), QStringLiteral("1 / 1"));

    // The source's results are the ones judged; its one page is the last.
    d.AllesRichtig();
    QCOMPARE(d.PunkteGesamt(), 5.0f);
    QVERIFY(f->btnAuswertung->isVisible());
    QCOMPARE(d.urteile.size(), 5);
    QCOMPARE(d.urteile[0].klassencode, QStringLiteral("K7B-2"));

    // Closing drops the source: the next opening draws from the catalogue.
    f->menSchliessen->trigger();
    QVERIFY(!f->isVisible());
    QVERIFY(f->Quelle() == nullptr);
    d.Oeffne();
    QCOMPARE(Klassenquelle::aufrufe, 5);
    QVERIFY(f->windowTitle() != QStringLiteral("Übungsblatt der 7b"));
    QCOMPARE(f->lblDurchgang->text(), QStringLiteral("1 / 3"));
}

// Every screen's menu bar looks like the main window's, whatever font the
// screen itself uses.
void TestDrillRahmen::menueLeisteWieImHauptfenster()
{
    QFETCH(DrillArt, art);
    DrillFixture d(art);
    QMainWindow haupt;
    haupt.menuBar()->addAction(QStringLiteral("Beenden"));
    QMenuBar* leiste = d.Rahmen()->MenueLeiste();
    QCOMPARE(leiste->objectName(), QStringLiteral("MainMenu1"));
    QVERIFY(leiste->actions().contains(d.Rahmen()->menSchliessen));
    QCOMPARE(leiste->font(), haupt.menuBar()->font());
    QCOMPARE(leiste->sizeHint().height(), haupt.menuBar()->sizeHint().height());
    d.Oeffne();
    QCOMPARE(d.Rahmen()->Flaeche()->size(), QSize(1016, 722));
    QCOMPARE(d.Rahmen()->Flaeche()->y(), leiste->height());
}

QTEST_MAIN(TestDrillRahmen)
#include "test_drill_rahmen.moc"

// What a screen reader finds as the lines are answered: the state of each
// line in its picture and marks, the counters with their values, the verdict
// as the feedback line's name; a new page starts open again.
void TestDrillRahmen::zeilenVorgelesen()
{
    QFETCH(DrillArt, art);
    DrillFixture d(art);
    d.Oeffne();
    TDrillRahmen* f = d.Rahmen();
    const auto beschreibung = [](QWidget* w) { return Vorgelesen(w, QAccessible::Description); };

    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(beschreibung(f->img[i]), StatusName(std::nullopt));
        QVERIFY(beschreibung(f->imgZ[i][0]).isEmpty());
        QVERIFY(!Vorgelesen(d.Feld(i), QAccessible::Description).contains(u'='));
    }
    QCOMPARE(Vorgelesen(f->grpDurchgang), QStringLiteral("Durchgang: 1 / 3"));
    QCOMPARE(Vorgelesen(f->lblAktPunkte), QStringLiteral("Punkte: 0"));
    QCOMPARE(Vorgelesen(f->lblAnzeige), f->lblAnzeige->text().simplified());

    d.Antworte(1, d.Falsch());
    QCOMPARE(beschreibung(f->img[1]), StatusName(Verdikt::FalschErster));
    QCOMPARE(beschreibung(f->imgZ[1][0]), MarkeName(1, false));
    QVERIFY(beschreibung(f->imgZ[1][1]).isEmpty());
    QCOMPARE(Vorgelesen(f->grpVersuche), QStringLiteral("Versuche: 1"));
    QVERIFY(Vorgelesen(f->lblAnzeige).startsWith(QStringLiteral("Deine Eingabe ist leider falsch! ")));

    d.Antworte(1, d.Richtig());
    QCOMPARE(beschreibung(f->img[1]), StatusName(Verdikt::RichtigZweiter));
    QCOMPARE(beschreibung(f->imgZ[1][1]), MarkeName(2, true));
    QCOMPARE(Vorgelesen(f->grpPunkte), QStringLiteral("Punkte: 0,5"));

    // A second wrong entry keeps the wrong picture and tells the final state.
    d.Antworte(2, d.Falsch());
    d.Antworte(2, d.Falsch());
    QCOMPARE(f->img[2]->pixmap().toImage(), DrillBildPixmap(DrillBild::Falsch).toImage());
    QCOMPARE(beschreibung(f->img[2]), StatusName(Verdikt::FalschZweiter));
    QCOMPARE(beschreibung(f->imgZ[2][1]), MarkeName(2, false));

    d.Antworte(3, d.Richtig());
    QCOMPARE(beschreibung(f->img[3]), StatusName(Verdikt::RichtigErster));
    QCOMPARE(beschreibung(f->imgZ[3][0]), MarkeName(1, true));
    d.AllesRichtig();
    QTest::mouseClick(f->btnWeiter, Qt::LeftButton);
    QCOMPARE(Vorgelesen(f->grpDurchgang), QStringLiteral("Durchgang: 2 / 3"));
    for (int i = 1; i <= 5; ++i) {
        QCOMPARE(beschreibung(f->img[i]), StatusName(std::nullopt));
        QVERIFY(beschreibung(f->imgZ[i][0]).isEmpty());
        QVERIFY(beschreibung(f->imgZ[i][1]).isEmpty());
    }
}

// The display mode changes the same way by click, arrow key and a screen
// reader's "Toggle", with the focus back in the first box; after the first
// judged answer of a page nothing changes it and the choice springs back.
void TestDrillRahmen::darstellungJedeArt()
{
    QFETCH(DrillArt, art);
    DrillFixture d(art);
    d.Oeffne();
    TDrillRahmen* f = d.Rahmen();
    const auto vereinfacht = [&] { return art == DrillArt::Ganz ? ::Vereinfacht : RationalVereinfacht; };
    const QString erstesTerm = d.Feld(1)->property("aufgabentext").toString();

    QAccessibleActionInterface* umschalten = QAccessible::queryAccessibleInterface(f->rbVereinfacht)->actionInterface();
    QVERIFY(umschalten);
    f->rbVereinfacht->setFocus();
    umschalten->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(vereinfacht());
    QVERIFY(f->rbVereinfacht->isChecked());
    QTRY_COMPARE(QApplication::focusWidget(), d.Feld(1));
    // The page is shown in the new mode and described so.
    QVERIFY(d.Feld(1)->property("aufgabentext").toString() != erstesTerm);

    f->rbMitVorzeichen->setFocus();
    QTest::keyClick(f->rbMitVorzeichen, Qt::Key_Down);
    QVERIFY(vereinfacht()); // already "Vereinfacht": the arrow key lands there, nothing changes
    f->rbVereinfacht->setFocus();
    QTest::keyClick(f->rbVereinfacht, Qt::Key_Up);
    QVERIFY(!vereinfacht());
    QVERIFY(f->rbMitVorzeichen->isChecked());
    QTRY_COMPARE(QApplication::focusWidget(), d.Feld(1));

    QTest::mouseClick(f->rbVereinfacht, Qt::LeftButton);
    QVERIFY(vereinfacht());
    QTRY_COMPARE(QApplication::focusWidget(), d.Feld(1));
    QTest::mouseClick(f->rbMitVorzeichen, Qt::LeftButton);
    QVERIFY(!vereinfacht());

    // After a judged answer the choice is locked, also against the action.
    d.BekannteErgebnisse();
    d.Antworte(1, d.Richtig());
    QVERIFY(!f->grpEinfach->isEnabled());
    umschalten->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(!vereinfacht());
    QVERIFY(f->rbMitVorzeichen->isChecked());
    QVERIFY(!f->rbVereinfacht->isChecked());
}
