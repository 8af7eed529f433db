// The three rational drill screens driven as a pupil would: from the menu
// through whole drills, typing, judging, the key filter, the layout of the
// answer boxes, and pictures of every term shape in both modes.
#include "common/FakeKeyboard.h"
#include "core/AntwortFeld.h"
#include "common/ModalHelper.h"
#include "common/Tippen.h"
#include "core/NumberHelpers.h"
#include "core/Canvas.h"
#include "core/PaintBox.h"
#include "core/Random.h"
#include "integer/AuswertungU.h"
#include "rational/Bruchsatz.h"
#include "rational/RationalKatalog.h"
#include "rational/RationalPruefung.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalUebAddSubU.h"
#include "rational/RationalUebGemU.h"
#include "rational/RationalUebMultDivU.h"
#include "shell/MinuslandU.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTest>

#include <set>

namespace {

const QString Strich = QString(EnDash);

// Opens a screen with the level variables as they are, runs the body inside
// its modal loop and closes the screen afterwards, whatever the body found.
void Oeffne(TfrmRationalUebung* form, const std::function<void()>& koerper)
{
    WhenModal([form, koerper](QWidget*) {
        koerper();
        if (form->isVisible())
            form->close();
    });
    form->exec();
}

void Oeffne(TfrmRationalUebung* form, int& stufe, int wert, const std::function<void()>& koerper)
{
    RationalStufenLoeschen();
    stufe = wert;
    Oeffne(form, koerper);
    RationalStufenLoeschen();
}

void Tippe(QWidget* feld, const QString& text)
{
    TippeTasten(feld, text);
}

// A closed message box gives the activation back to the screen, as a window
// manager would (the offscreen platform leaves that to the program).
void Aktiviere(QWidget* form)
{
    if (!form->isActiveWindow())
        QApplication::setActiveWindow(form);
}

// Types an answer into row i and leaves the box with Return.
void Antworte(TfrmRationalUebung* form, int i, const QString& text)
{
    TAntwortFeld* feld = form->edt[i];
    Aktiviere(form);
    feld->setFocus();
    QApplication::processEvents();
    feld->clear();
    Tippe(feld, text);
    QTest::keyClick(feld, Qt::Key_Return);
    QApplication::processEvents(); // a message or focus return waits for the focus change
}

QString RichtigeAntwort(int i)
{
    return AnzeigeformR(RationalAufgaben[i].Ergebnis, RationalVereinfacht);
}

// Terms on the page, to tell a kept page from a new one.
QStringList Terme()
{
    QStringList terme;
    for (const TRationalAufgabe& a : RationalAufgaben)
        terme << a.Term;
    return terme;
}

// The right end of the ink in row i's band of the painted page.
int TintenEnde(const QImage& bild, int mitte, int bisX)
{
    const QRgb grund = QColor(240, 240, 240).rgb();
    int ende = -1;
    for (int y = qMax(0, mitte - 40); y < qMin(bild.height(), mitte + 40); ++y)
        for (int x = 0; x < bisX && x < bild.width(); ++x)
            if (bild.pixel(x, y) != grund && x > ende)
                ende = x;
    return ende;
}

// Writes a row as a builder would and lays it out.
void SetzeZeile(TfrmRationalUebung* form, int i, const QString& term, const QString& ergebnis)
{
    TRationalAufgabe& a = RationalAufgaben[i];
    a = {};
    a.Term = term;
    a.Ergebnis = ergebnis;
    a.IstBruch = term.startsWith(u'!');
    a.Angezeigt = true;
    form->ZeileSetzen(i);
}

// Answers all five rows right at the first attempt.
void AllesRichtig(TfrmRationalUebung* form)
{
    for (int i = 1; i <= 5; ++i)
        Antworte(form, i, RichtigeAntwort(i));
}

} // namespace

class TestRationalUebung : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        frmMinusland = new TfrmMinusland;
        frmAuswertung = new TfrmAuswertung;
        frmAuswertung->Schrittdauer = 0;
        frmRationalUebAddSub = new TfrmRationalUebAddSub;
        frmRationalUebMultDiv = new TfrmRationalUebMultDiv;
        frmRationalUebGem = new TfrmRationalUebGem;
        frmMinusland->SetzeFormular(Formular::RationalUebAddSub, frmRationalUebAddSub);
        frmMinusland->SetzeFormular(Formular::RationalUebMultDiv, frmRationalUebMultDiv);
        frmMinusland->SetzeFormular(Formular::RationalUebGem, frmRationalUebGem);
        QDir().mkpath(ML_BILD_DIR);
    }

    void cleanup()
    {
        Vollbild = false;
        RationalSpeicherZuruecksetzen();
        SetKeyboardState(nullptr);
        QCOMPARE(ModalWatchesPending(), 0);
    }

    // ---- whole drills from the menu ------------------------------------------------

    void ganzerDrillVomMenue_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<QString>("stufe");
        QTest::addColumn<QString>("ueberschrift");
        QTest::addColumn<QString>("titel");
        QTest::newRow("Addition, Stufe 1") << "menAddR" << "menRationalAddSL" << "Addition"
                                           << "Rationale Zahlen: Stufe 1";
        QTest::newRow("Subtraktion, Stufe 4") << "menSubR" << "menRationalSubSS" << "Subtraktion"
                                              << "Rationale Zahlen: Stufe 4";
        QTest::newRow("Multiplikation, Stufe 2") << "menMultR" << "menRationalMultL" << "Multiplikation"
                                                 << "Rationale Zahlen: Stufe 2";
        QTest::newRow("Division, Stufe 3") << "menDivR" << "menRationalDivS" << "Division"
                                           << "Rationale Zahlen: Stufe 3";
        QTest::newRow("Gemischt, Stufe 4") << "menGemR" << "menRationalGemSS" << "Alle Grundrechnugsarten"
                                           << "Rationale Zahlen: Stufe 4";
    }
    void ganzerDrillVomMenue()
    {
        QFETCH(QString, art);
        QFETCH(QString, stufe);
        QFETCH(QString, ueberschrift);
        QFETCH(QString, titel);
        auto* menue = frmMinusland->findChild<QMenu*>(art);
        auto* befehl = frmMinusland->findChild<QAction*>(stufe);
        QVERIFY(menue && befehl);

        TfrmRationalUebung* geoeffnet = nullptr;
        bool bewertet = false;
        WhenModal([&](QWidget* w) {
            geoeffnet = qobject_cast<TfrmRationalUebung*>(w);
            auto* form = geoeffnet;
            if (!form) {
                w->close();
                return;
            }
            [&] {
                QCOMPARE(form->windowTitle(), titel);
                QCOMPARE(form->Ueberschrift(), ueberschrift);
                QCOMPARE(form->lblDurchgang->text(), QString("1 / 3"));
                for (int seite = 1; seite <= 3; ++seite) {
                    AllesRichtig(form);
                    QCOMPARE(form->lblAktPunkte->text(), QString("5,0"));
                    QCOMPARE(form->lblAktVersuche->text(), QString("5"));
                    if (seite < 3) {
                        QVERIFY(form->btnWeiter->isVisible());
                        QVERIFY(!form->btnAuswertung->isVisible());
                        QTest::mouseClick(form->btnWeiter, Qt::LeftButton);
                        QCOMPARE(form->lblDurchgang->text(), QStringLiteral("%1 / 3").arg(seite + 1));
                        QCOMPARE(form->lblAktPunkte->text(), QString("0,0"));
                    }
                }
                QVERIFY(form->btnAuswertung->isVisible());
                QVERIFY(!form->btnWeiter->isVisible());
                QCOMPARE(PunkteGesamtR, 15.0f);
                QCOMPARE(AnzVersucheGesamtR, 15);
                const QStringList vorher = Terme();
                WhenModal([&](QWidget* auswertung) {
                    QTRY_VERIFY(!frmAuswertung->ZaehltNoch());
                    bewertet = auswertung == frmAuswertung && frmAuswertung->Prozent() == 100
                               && frmAuswertung->Punkte() == 15.0f && frmAuswertung->Versuche() == 15;
                    frmAuswertung->btnSchliessen->click();
                });
                QTest::mouseClick(form->btnAuswertung, Qt::LeftButton);
                // A new drill of the same kind and level.
                QCOMPARE(form->lblDurchgang->text(), QString("1 / 3"));
                QCOMPARE(form->lblAktVersuche->text(), QString("0"));
                QCOMPARE(form->lblAktPunkte->text(), QString("0,0"));
                QVERIFY(form->btnWeiter->isVisible());
                QVERIFY(!form->btnAuswertung->isVisible());
                QVERIFY(Terme() != vorher);
                for (int i = 1; i <= 5; ++i)
                    QVERIFY(form->edt[i]->isVisible() && form->edt[i]->text().isEmpty());
                QCOMPARE(form->Stufe(), titel.right(1).toInt());
            }();
            form->menSchliessen->trigger();
        });
        frmMinusland->menRationalClick();
        frmMinusland->menWahlRationalClick(menue);
        befehl->trigger();
        QVERIFY(geoeffnet);
        QVERIFY(bewertet);
        QVERIFY(!geoeffnet->isVisible());
        QCOMPARE(StufeRationalAdd + StufeRationalSub + StufeRationalMult + StufeRationalDiv + StufeRationalGem, 0);
    }

    // ---- judging ---------------------------------------------------------------------

    void urteileUndPunkte()
    {
        auto* form = frmRationalUebMultDiv;
        Oeffne(form, StufeRationalMult, 1, [form] {
            // Known results, so every verdict is certain.
            RationalAufgaben[1].Ergebnis = "3/4";
            RationalAufgaben[2].Ergebnis = "-3/4";
            RationalAufgaben[3].Ergebnis = "2";
            RationalAufgaben[4].Ergebnis = "0";

            // Missing sign: refused, nothing counted, the box keeps the focus.
            QString meldung;
            AnswerNextMessage(&meldung);
            Antworte(form, 1, "3/4");
            QCOMPARE(meldung, MeldungVorzeichenFehlt);
            QCOMPARE(form->lblAktVersuche->text(), QString("0"));
            QCOMPARE(AnzVersucheGesamtR, 0);
            QCOMPARE(form->edt[1]->text(), QString("3/4"));
            QCOMPARE(form->focusWidget(), form->edt[1]);
            QVERIFY(!form->grpEinfach->isEnabled());

            // Too many fraction bars: refused with its own message.
            AnswerNextMessage(&meldung);
            Antworte(form, 1, "+1/2/3");
            QCOMPARE(meldung, MeldungZuvieleBruchstriche);
            QCOMPARE(AnzVersucheGesamtR, 0);

            // Right at once: 1 point, 1 attempt, the result in place of the box.
            Antworte(form, 1, "+3/4");
            QVERIFY(RationalAufgaben[1].Richtig);
            QVERIFY(!form->edt[1]->isVisible());
            QCOMPARE(form->lblAnzeige->text(), QString("Bravo, deine Eingabe ist richtig!"));
            QCOMPARE(form->lblAktPunkte->text(), QString("1,0"));
            QCOMPARE(form->lblAktVersuche->text(), QString("1"));

            // Wrong, then right: 0,5 points and 2 attempts.
            Antworte(form, 2, "+3/4");
            QCOMPARE(form->lblAnzeige->text(),
                     QString("Deine Eingabe ist leider falsch!\nÜberprüfe deine Eingabe und versuche es noch einmal."));
            QCOMPARE(form->lblAnzeige->palette().color(QPalette::WindowText), QColor(255, 0, 102));
            QVERIFY(form->edt[2]->isVisible());
            QCOMPARE(form->focusWidget(), form->edt[2]);
            QCOMPARE(form->lblAktVersuche->text(), QString("2"));
            Antworte(form, 2, Strich + "3/4");
            QCOMPARE(form->lblAnzeige->text(), QString("Beim zweiten Versuch ist deine Eingabe richtig!"));
            QCOMPARE(form->lblAktPunkte->text(), QString("1,5"));
            QCOMPARE(form->lblAktVersuche->text(), QString("3"));

            // 4/2 is not 2; twice wrong names the result and shows the entry in red.
            Antworte(form, 3, "+4/2");
            Antworte(form, 3, "+4/2");
            QVERIFY(RationalAufgaben[3].ZweimalFalsch && !RationalAufgaben[3].Richtig);
            QCOMPARE(form->lblAnzeige->text(),
                     QString("Deine Eingabe ist leider wieder falsch!\nDas Ergebnis lautet +2!\nVergleiche das "
                             "Ergebnis mit deiner Eingabe und überlege, warum du den Fehler begangen hast!"));
            QCOMPARE(form->lblAktPunkte->text(), QString("1,5"));
            QCOMPARE(form->lblAktVersuche->text(), QString("5"));
            QCOMPARE(PunkteGesamtR, 1.5f);
            QCOMPARE(AnzVersucheGesamtR, 5);

            // A zero result needs no sign; "+0" would be wrong.
            Antworte(form, 4, "0");
            QVERIFY(RationalAufgaben[4].Richtig);

            // The red entry and the blue result stand where the boxes were.
            const QImage bild = form->Bild();
            auto farbigInZeile = [&](int i, QColor farbe) {
                const int mitte = form->edt[i]->y() + 20 - 8;
                for (int y = mitte - 30; y < mitte + 30; ++y)
                    for (int x = form->edt[i]->x() - 20; x < form->edt[i]->x() + 60; ++x)
                        if (bild.pixelColor(x, y) == farbe)
                            return true;
                return false;
            };
            QVERIFY(farbigInZeile(1, QColor(0, 0, 255)));
            QVERIFY(farbigInZeile(3, QColor(255, 0, 0)));
            QVERIFY(!farbigInZeile(5, QColor(0, 0, 255)));
        });
    }

    void zweiterVersuchGehoertZurZeile()
    {
        auto* form = frmRationalUebMultDiv;
        Oeffne(form, StufeRationalMult, 1, [form] {
            RationalAufgaben[1].Ergebnis = "3/4";
            RationalAufgaben[2].Ergebnis = "5/6";
            Antworte(form, 1, "+1/4"); // wrong, row 1 now owes its second attempt
            // The pupil empties the box and answers row 2 first: a first attempt there.
            form->edt[1]->clear();
            Antworte(form, 2, "+1/6");
            QVERIFY(!RationalAufgaben[2].ZweimalFalsch);
            QVERIFY(form->edt[2]->isVisible());
            Antworte(form, 2, "+5/6");
            QCOMPARE(PunkteGesamtR, 0.5f); // right at row 2's second attempt
            // Row 1's second attempt is still its own.
            Antworte(form, 1, "+3/4");
            QCOMPARE(PunkteGesamtR, 1.0f);
            QCOMPARE(form->img[1]->pixmap().toImage(), frmMinusland->imgO->pixmap().toImage());
            QCOMPARE(form->imgZ[1][0]->pixmap().toImage(), frmMinusland->img2->pixmap().toImage());
            QCOMPARE(form->imgZ[1][1]->pixmap().toImage(), frmMinusland->img1->pixmap().toImage());
        });
    }

    void vereinfachtOhneVorzeichen()
    {
        auto* form = frmRationalUebAddSub;
        Oeffne(form, StufeRationalAdd, 2, [form] {
            form->rbVereinfacht->click();
            QVERIFY(RationalVereinfacht);
            QVERIFY(form->lblAnzeige->text().startsWith(
                "Gib den gekürzten Bruch (echt oder unecht) bzw. die Zahl ohne Pluszeichen ein."));
            SetzeZeile(form, 1, "!+{1/4}!+!-{1/2}!", "-1/4");
            SetzeZeile(form, 2, "!+{1/4}!+!+{1/2}!", "3/4");
            QCOMPARE(form->edt[1]->property("aufgabentext").toString(), "1/4 " + Strich + " 1/2 =");
            Antworte(form, 1, "-1/4"); // typed with the hyphen key
            QVERIFY(RationalAufgaben[1].Richtig);
            Antworte(form, 2, "3/4");
            QVERIFY(RationalAufgaben[2].Richtig);
            QVERIFY(!form->grpEinfach->isEnabled());
            // After the page, the mode may change again.
            for (int i = 3; i <= 5; ++i)
                Antworte(form, i, RichtigeAntwort(i));
            QTest::mouseClick(form->btnWeiter, Qt::LeftButton);
            QVERIFY(form->grpEinfach->isEnabled());
            QVERIFY(RationalVereinfacht);
        });
    }

    // ---- page handling and messages --------------------------------------------------

    void weiterMitLeerenKaesten()
    {
        auto* form = frmRationalUebAddSub;
        Oeffne(form, StufeRationalSub, 1, [form] {
            const QStringList seite = Terme();
            QString meldung;
            AnswerNextMessage(&meldung);
            QTest::mouseClick(form->btnWeiter, Qt::LeftButton);
            QCOMPARE(meldung, QString("Es fehlen noch 5 Einträge!"));
            QCOMPARE(Terme(), seite); // the message box does not cost the page
            QCOMPARE(form->lblDurchgang->text(), QString("1 / 3"));

            Antworte(form, 1, RichtigeAntwort(1));
            Antworte(form, 3, RichtigeAntwort(3));
            AnswerNextMessage(&meldung);
            QTest::mouseClick(form->btnWeiter, Qt::LeftButton);
            QCOMPARE(meldung, QString("Es fehlen noch 3 Einträge!"));
            QCOMPARE(form->focusWidget(), form->edt[2]);

            Antworte(form, 2, RichtigeAntwort(2));
            Antworte(form, 4, RichtigeAntwort(4));
            AnswerNextMessage(&meldung);
            QTest::mouseClick(form->btnWeiter, Qt::LeftButton);
            QCOMPARE(meldung, QString("Es fehlt noch 1 Eintrag!"));
            QCOMPARE(form->focusWidget(), form->edt[5]);
            QCOMPARE(Terme(), seite);
            QCOMPARE(AnzVersucheGesamtR, 4);

            // A refused entry left by a click on "Weiter": the message, and the page stays.
            Aktiviere(form);
            form->edt[5]->setFocus();
            Tippe(form->edt[5], "7");
            AnswerNextMessage(&meldung);
            QTest::mouseClick(form->btnWeiter, Qt::LeftButton);
            QApplication::processEvents();
            QCOMPARE(meldung, MeldungVorzeichenFehlt);
            QCOMPARE(Terme(), seite);
            QCOMPARE(form->lblDurchgang->text(), QString("1 / 3"));
            QCOMPARE(form->focusWidget(), form->edt[5]);
        });
    }

    void oeffnenStartetNeu()
    {
        auto* form = frmRationalUebGem;
        QStringList ersteSeite;
        Oeffne(form, StufeRationalGem, 1, [&] {
            ersteSeite = Terme();
            Antworte(form, 1, RichtigeAntwort(1));
            form->rbVereinfacht->click(); // disabled after the first judgement: no effect
            QVERIFY(!RationalVereinfacht);
        });
        Oeffne(form, StufeRationalGem, 1, [&] {
            QVERIFY(Terme() != ersteSeite);
            QCOMPARE(AnzVersucheGesamtR, 0);
            QVERIFY(form->edt[1]->isVisible());
            QVERIFY(form->grpEinfach->isEnabled());
            QVERIFY(form->rbMitVorzeichen->isChecked());
        });
    }

    void ohneStufeBleibtDieSeiteLeer()
    {
        auto* form = frmRationalUebGem;
        RationalStufenLoeschen();
        Oeffne(form, [form] {
            QCOMPARE(form->windowTitle(), QString("Rationale Zahlen"));
            for (const TRationalAufgabe& a : RationalAufgaben)
                QVERIFY(!a.Angezeigt && a.Term.isEmpty());
        });
    }

    void schliessenLoeschtDieStufe()
    {
        auto* form = frmRationalUebMultDiv;
        StufeRationalDiv = 2;
        WhenModal([form](QWidget*) { form->menSchliessen->trigger(); });
        form->exec();
        QCOMPARE(StufeRationalDiv, 0);
        QCOMPARE(StufeRationalMult, 0);
    }

    void vollbildMaximiert()
    {
        Vollbild = true;
        auto* form = frmRationalUebGem;
        Oeffne(form, StufeRationalGem, 2, [form] { QVERIFY(form->windowState() & Qt::WindowMaximized); });
        Vollbild = false;
        Oeffne(form, StufeRationalGem, 2, [form] {
            QVERIFY(!(form->windowState() & Qt::WindowMaximized));
            QCOMPARE(form->Flaeche()->size(), QSize(1016, 722));
        });
    }

    // ---- the answer boxes ------------------------------------------------------------------

    void tastenfilter()
    {
        auto* form = frmRationalUebAddSub;
        Oeffne(form, StufeRationalAdd, 1, [form] {
            SetzeZeile(form, 1, "(+2,4)+(-1,3)", "1,1");
            TAntwortFeld* dezimal = form->edt[1];
            TAntwortFeld* bruch = nullptr;
            for (int i = 2; i <= 5 && !bruch; ++i)
                if (RationalAufgaben[i].IstBruch)
                    bruch = form->edt[i];
            QVERIFY(bruch);

            dezimal->setFocus();
            QTest::keyClicks(dezimal, "-2a/,5x+");
            QCOMPARE(dezimal->text(), Strich + "2,5+");
            bruch->setFocus();
            QTest::keyClicks(bruch, "+3,/4b");
            QCOMPARE(bruch->text(), QString("+3/4"));
            QTest::keyClick(bruch, Qt::Key_Backspace);
            QCOMPARE(bruch->text(), QString("+3/"));

            // Paste and drop go through the same filter.
            bruch->clear();
            QApplication::clipboard()->setText("abc-12/7 ");
            bruch->paste();
            QCOMPARE(bruch->text(), Strich + "12/7");
            dezimal->clear();
            QApplication::clipboard()->setText("99999,999");
            dezimal->paste();
            QCOMPARE(dezimal->text(), QString("99999,99")); // at most 8 characters

            // "+" is swallowed in mode "Vereinfacht"; "-" still becomes the en dash.
            bruch->clear();
            bruch->SetzeZeichen(Antwortzeichen::Bruch(false));
            QTest::keyClicks(bruch, "+-5/6");
            QCOMPARE(bruch->text(), Strich + "5/6");
        });
    }

    void capsLockAus()
    {
        FakeKeyboard tastatur;
        SetKeyboardState(&tastatur);
        auto* form = frmRationalUebMultDiv;
        Oeffne(form, StufeRationalMult, 3, [&] {
            tastatur.capsLock = true;
            form->edt[2]->setFocus();
            QTest::keyClick(form->edt[2], '7');
            QVERIFY(!tastatur.capsLock);
            QCOMPARE(tastatur.switches, 1);
            QTest::keyClick(form->edt[2], '8');
            QCOMPARE(tastatur.switches, 1); // already off
        });
    }

    void returnGehtWeiterOhneKnopf()
    {
        auto* form = frmRationalUebAddSub;
        Oeffne(form, StufeRationalAdd, 3, [form] {
            Antworte(form, 1, RichtigeAntwort(1));
            QCOMPARE(QApplication::focusWidget(), form->edt[2]);
            QCOMPARE(form->lblDurchgang->text(), QString("1 / 3")); // Return clicked no button
            QTest::keyClick(form->edt[2], Qt::Key_Escape);
            QVERIFY(form->isVisible()); // Escape does not throw the drill away
        });
    }

    void zugaenglicheBeschreibung()
    {
        auto* form = frmRationalUebAddSub;
        Oeffne(form, StufeRationalAdd, 1, [form] {
            SetzeZeile(form, 2, "!+{3/4}!+!-{1/2}!", "1/4");
            QCOMPARE(form->edt[2]->accessibleName(), QString("Aufgabe 2"));
            QCOMPARE(form->edt[2]->property("aufgabentext").toString(), "(+3/4) + (" + Strich + "1/2) =");
            RationalVereinfacht = true;
            SetzeZeile(form, 2, "!+{3/4}!+!-{1/2}!", "1/4");
            QCOMPARE(form->edt[2]->property("aufgabentext").toString(), "3/4 " + Strich + " 1/2 =");
            RationalVereinfacht = false;
            for (int i = 1; i <= 5; ++i)
                QVERIFY(!form->edt[i]->accessibleDescription().isEmpty());
        });
    }

    // ---- layout -----------------------------------------------------------------------------

    void dezimalterme()
    {
        auto* form = frmRationalUebAddSub;
        Oeffne(form, StufeRationalAdd, 1, [form] {
            SetzeZeile(form, 4, "(+2,4)+(-1,3)", "1,1");
            QCOMPARE(RationalAufgaben[4].Term, "(+2,4) + (" + Strich + "1,3)");
            QCOMPARE(form->edt[4]->property("aufgabentext").toString(), "(+2,4) + (" + Strich + "1,3) =");
            RationalVereinfacht = true;
            SetzeZeile(form, 4, "(+2,4)+(-1,3)", "1,1");
            QCOMPARE(RationalAufgaben[4].Term, "2,4 " + Strich + " 1,3");
            RationalVereinfacht = false;
        });
    }

    // Every row of every drill and mode: the box 10 pixels after the term's
    // closing " = ", the term's ink ending before it, the box clear of the
    // attempt marks, and its top where the row puts it.
    void kastenNachDemTerm_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("stufe");
        for (int art = 1; art <= 5; ++art)
            for (int stufe = 1; stufe <= RationalStufen(art); ++stufe)
                QTest::addRow("art %d stufe %d", art, stufe) << art << stufe;
    }
    void kastenNachDemTerm()
    {
        QFETCH(int, art);
        QFETCH(int, stufe);
        static int* const stufen[] = {nullptr, &StufeRationalAdd, &StufeRationalSub, &StufeRationalMult,
                                      &StufeRationalDiv, &StufeRationalGem};
        TfrmRationalUebung* form = art <= 2 ? static_cast<TfrmRationalUebung*>(frmRationalUebAddSub)
                                   : art <= 4 ? static_cast<TfrmRationalUebung*>(frmRationalUebMultDiv)
                                              : static_cast<TfrmRationalUebung*>(frmRationalUebGem);
        Oeffne(form, *stufen[art], stufe, [form] {
            for (bool vereinfacht : {false, true}) {
                if (vereinfacht)
                    form->rbVereinfacht->click();
                for (int seite = 0; seite < 4; ++seite) {
                    if (seite > 0)
                        form->rbVereinfacht->isChecked() ? form->rbMitVorzeichen->click()
                                                          : form->rbVereinfacht->click();
                    if (form->rbVereinfacht->isChecked() != vereinfacht)
                        form->rbVereinfacht->isChecked() ? form->rbMitVorzeichen->click()
                                                          : form->rbVereinfacht->click();
                    const QImage bild = form->Bild();
                    for (int i = 1; i <= 5; ++i) {
                        const TRationalAufgabe& a = RationalAufgaben[i];
                        QVERIFY(a.Angezeigt);
                        QVERIFY2(!a.IstBruch || form->ZeilenForm[i] != 0, qPrintable(a.Term));
                        if (a.IstBruch) {
                            // The measuring twin gave exactly the painter's advance.
                            QImage flaeche(1000, 700, QImage::Format_RGB32);
                            Canvas canvas(flaeche);
                            const BruchTeile& t = form->ZeilenBruchTeile[i];
                            TOperanden o;
                            for (int k = 0; k < 4; ++k)
                                o[k] = {t.Operand[k + 1].Vorzeichen, t.Operand[k + 1].Zaehler,
                                        t.Operand[k + 1].Nenner};
                            QCOMPARE(PaintTermShape(form->ZeilenForm[i], canvas, o,
                                                    {t.Operator[1], t.Operator[2], t.Operator[3]}, 'J', 'L',
                                                    a.TermLinks, form->ZeilenHoehe(i), 20, Qt::black),
                                     a.TermBreite);
                        }
                        const int rechts = KSys().WorldToPixel(a.TermRechts, 0).x();
                        TAntwortFeld* feld = form->edt[i];
                        QCOMPARE(feld->x(), form->pntZahlen->x() + rechts + 10);
                        QCOMPARE(feld->y(), 150 + 100 * (i - 1));
                        QVERIFY2(feld->geometry().right() < form->imgZ[i][0]->x(), qPrintable(a.Term));
                        QVERIFY2(rechts - 30 < TintenEnde(bild, feld->y() + 20 - 8, rechts + 10)
                                     && TintenEnde(bild, feld->y() + 20 - 8, rechts + 10) < rechts,
                                 qPrintable(a.Term));
                    }
                }
            }
        });
    }

    // Every answer the generators write fits its box: at most 8 characters
    // in either display form, and narrow enough to be seen whole.
    void jedeAntwortPasst()
    {
        const TAntwortFeld* feld = frmRationalUebAddSub->edt[1];
        const QFontMetrics metrik(feld->font());
        const int rahmen = feld->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, feld);
        // Frame, text margins, cursor, and room for a style with a wider frame.
        const int platz = feld->width() - 2 * rahmen - 2 * 2 - 1 - 6;
        QVERIFY(metrik.horizontalAdvance("+1835/39") <= platz);
        QVERIFY(metrik.horizontalAdvance(Strich + "8888/88") <= platz);
        RandSeed(6);
        int laengste = 0;
        for (int art = 1; art <= 5; ++art) {
            for (int stufe = 1; stufe <= RationalStufen(art); ++stufe) {
                for (int n = 0; n < 300; ++n) {
                    RationalEintrag(art, stufe, 1);
                    for (bool vereinfacht : {false, true}) {
                        const QString antwort = AnzeigeformR(RationalAufgaben[1].Ergebnis, vereinfacht);
                        laengste = qMax(laengste, int(antwort.size()));
                        QVERIFY2(antwort.size() <= 8 && metrik.horizontalAdvance(antwort) <= platz,
                                 qPrintable(antwort));
                    }
                }
            }
        }
        QVERIFY(laengste >= 6);
    }

    // ---- pictures -------------------------------------------------------------------------------

    // Pages showing every shape (1 … 6 with signs, 7 … 16 simplified) and
    // the decimal rows in both modes, as PNG files in the build directory
    // for a look by eye.
    void bilderAllerFormen()
    {
        std::set<QString> gesehen;
        struct Lauf {
            TfrmRationalUebung* form;
            int* stufe;
            int stufen;
        };
        const Lauf laeufe[] = {{frmRationalUebAddSub, &StufeRationalAdd, 4},
                               {frmRationalUebAddSub, &StufeRationalSub, 4},
                               {frmRationalUebMultDiv, &StufeRationalMult, 3},
                               {frmRationalUebMultDiv, &StufeRationalDiv, 3},
                               {frmRationalUebGem, &StufeRationalGem, 4}};
        RandSeed(4);
        for (const Lauf& lauf : laeufe) {
            for (int stufe = 1; stufe <= lauf.stufen; ++stufe) {
                Oeffne(lauf.form, *lauf.stufe, stufe, [&] {
                    for (int seite = 0; seite < 12; ++seite) {
                        // Every mode switch draws a new page.
                        (seite % 2 ? lauf.form->rbMitVorzeichen : lauf.form->rbVereinfacht)->click();
                        for (int i = 1; i <= 5; ++i) {
                            const int form = lauf.form->ZeilenForm[i];
                            const QString name = form ? QStringLiteral("form%1").arg(form, 2, 10, QChar(u'0'))
                                                      : QStringLiteral("dezimal_%1")
                                                            .arg(RationalVereinfacht ? "vereinfacht" : "vorzeichen");
                            if (gesehen.insert(name).second)
                                lauf.form->grab().save(QStringLiteral(ML_BILD_DIR "/%1.png").arg(name));
                        }
                    }
                });
            }
        }
        QCOMPARE(int(gesehen.size()), 16 + 2);
    }

    void seiteMitUrteilen()
    {
        auto* form = frmRationalUebGem;
        Oeffne(form, StufeRationalGem, 1, [form] {
            Antworte(form, 1, RichtigeAntwort(1));
            Antworte(form, 2, "+1/2");
            Antworte(form, 2, RichtigeAntwort(2));
            Antworte(form, 3, "+99/7");
            Antworte(form, 3, Strich + "99/7");
            form->grab().save(ML_BILD_DIR "/urteile.png");
            QVERIFY(RationalAufgaben[1].Richtig && RationalAufgaben[2].Richtig && RationalAufgaben[3].ZweimalFalsch);
        });
    }
};

QTEST_MAIN(TestRationalUebung)
#include "test_rational_uebung.moc"
