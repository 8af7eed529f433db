#include "integer/GanzUebungU.h"

#include "GanzTestHilfen.h"
#include "common/ModalHelper.h"
#include "core/NumberHelpers.h"
#include "core/AntwortFeld.h"
#include "core/PaintBox.h"
#include "integer/GanzSpeicher.h"

#include <QButtonGroup>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

const QColor Violett(102, 51, 255);
const QColor Pink(255, 0, 102);
const QColor Braun(153, 102, 51);

QColor Textfarbe(QWidget* w)
{
    return w->palette().color(QPalette::WindowText);
}

// Counts red pixels in the row band of line i of the painted page.
int RotePunkte(const QImage& bild, int zeile)
{
    int n = 0;
    const int oben = 140 + 100 * (zeile - 1);
    for (int y = oben; y < oben + 40; ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixelColor(x, y) == QColor(255, 0, 0))
                ++n;
    return n;
}

} // namespace

class TestGanzUebung : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aufbauUndTitel();
    void urteileImVorzeichenModus();
    void urteileImVereinfachtenModus();
    void nullUndNachgestellteNullen();
    void zweimalFalschZeigtErgebnisUndEingabeInRot();
    void zweiterVersuchGehoertZurSelbenZeile();
    void meldungUrteiltNichtNochEinmal();
    void weiterMitLeerenFeldern();
    void einfuegenFiltertZeichen();
    void darstellungWechselnVorDerErstenAntwort();
    void schliessenLoeschtDieStufen();

private:
    void Oeffne(int art, int stufe);
    void Tippe(int zeile, const QString& text) { ::Tippe(frm, zeile, text); }

    TfrmGanzUebung* frm = nullptr;
};

void TestGanzUebung::init()
{
    GewaehlteDurchgaenge = 3;
    frm = new TfrmGanzUebung;
}

void TestGanzUebung::cleanup()
{
    delete frm;
    frm = nullptr;
    GanzSpeicherZuruecksetzen();
    QVERIFY(ModalWatchesPending() == 0);
}

// As the menu does it: kind and level set, then the screen shown.
void TestGanzUebung::Oeffne(int art, int stufe)
{
    StufenLoeschen();
    ArtGanz = art;
    StufenGanz[art - 1] = stufe;
    frm->show();
    Aktiviere(frm);
    QTRY_VERIFY(frm->edt[1]->hasFocus());
}

void TestGanzUebung::aufbauUndTitel()
{
    Oeffne(8, 3);
    QCOMPARE(frm->windowTitle(), QStringLiteral("Division ganzer Zahlen: Stufe 3"));
    QCOMPARE(GanzUebungUeberschrift(), QStringLiteral("Division ganzer Zahlen mit Beträgen!"));
    QCOMPARE(frm->Flaeche()->size(), QSize(1016, 722));
    QCOMPARE(frm->pntZahlen->geometry(), QRect(8, 8, 1000, 700));
    QCOMPARE(frm->lblDurchgang->text(), QStringLiteral("1 / 3"));
    QCOMPARE(frm->lblAktVersuche->text(), QStringLiteral("0"));
    QCOMPARE(Textfarbe(frm->lblAnzeige), Braun);
    QCOMPARE(frm->lblAnzeige->text(), GanzUebungAnleitung(false));
    QVERIFY(frm->lblAnzeige->text().contains(QStringLiteral("Enter–Taste")));
    QVERIFY(frm->btnWeiter->isVisible());
    QVERIFY(!frm->btnAuswertung->isVisible());
    for (int i = 1; i <= 5; ++i) {
        QVERIFY(AufgabenGanz[i].TermSichtbar);
        QCOMPARE(frm->edt[i]->objectName(), QStringLiteral("edt%1").arg(i));
        QCOMPARE(frm->edt[i]->accessibleName(), QStringLiteral("Aufgabe %1").arg(i));
        QCOMPARE(frm->edt[i]->property("aufgabentext").toString(), AnzeigeTexte[i]);
        QVERIFY(AnzeigeTexte[i].endsWith(QStringLiteral(" =")));
        // The box stands 12 pixels after the centred display text.
        const auto& a = AufgabenGanz[i];
        QCOMPARE(frm->edt[i]->x(), 8 + 500 + a.TermBreite - int(a.HalbeBreite) + 12);
    }

    // Without a chosen level there is no caption.
    StufenLoeschen();
    QCOMPARE(GanzUebungTitel(), QString());
}

void TestGanzUebung::urteileImVorzeichenModus()
{
    Oeffne(1, 2);
    for (int i = 1; i <= 5; ++i)
        AufgabenGanz[i].Ergebnis = QStringLiteral("7");

    // +7 is right at once.
    Tippe(1, QStringLiteral("+7"));
    QVERIFY(AufgabenGanz[1].Geloest);
    QVERIFY(!frm->edt[1]->isVisible());
    QCOMPARE(Punkte, 1.0f);
    QCOMPARE(AnzVersuche, 1);
    QCOMPARE(frm->lblAktPunkte->text(), QStringLiteral("1,0"));
    QCOMPARE(frm->lblAnzeige->text(), QStringLiteral("Bravo, deine Eingabe ist richtig!"));
    QCOMPARE(Textfarbe(frm->lblAnzeige), Violett);
    QVERIFY(!frm->imgZ[1][0]->pixmap().isNull());
    QVERIFY(frm->imgZ[1][1]->pixmap().isNull());
    QVERIFY(!frm->grpEinfach->isEnabled());

    // 7 without a sign: a message, nothing counted, the focus back in the box.
    QString meldung;
    AnswerNextMessage(&meldung);
    Tippe(2, QStringLiteral("7"));
    QTRY_COMPARE(meldung, QStringLiteral("Das Vorzeichen fehlt!"));
    QTRY_VERIFY(frm->edt[2]->hasFocus());
    QCOMPARE(AnzVersuche, 1);
    QCOMPARE(Versuch, 1);
    QCOMPARE(frm->edt[2]->text(), QStringLiteral("7"));

    // –7 is wrong; the entry stays for the second attempt.
    Tippe(2, QStringLiteral("-7"));
    QCOMPARE(frm->edt[2]->text(), QString(EnDash) + u'7');
    QCOMPARE(Versuch, 2);
    QCOMPARE(AnzVersuche, 2);
    QCOMPARE(frm->lblAktVersuche->text(), QStringLiteral("2"));
    QCOMPARE(Textfarbe(frm->lblAnzeige), Pink);
    QVERIFY(frm->lblAnzeige->text().startsWith(QStringLiteral("Deine Eingabe ist leider falsch!\n")));
    QTRY_VERIFY(frm->edt[2]->hasFocus());
    QVERIFY(frm->edt[2]->isVisible());

    // Typing removes the feedback.
    QTest::keyClick(frm->edt[2], Qt::Key_Backspace);
    QCOMPARE(Textfarbe(frm->lblAnzeige), Braun);

    // Right at the second attempt: half a point, wrong mark then right mark.
    Tippe(2, QStringLiteral("+7"));
    QVERIFY(AufgabenGanz[2].Geloest);
    QCOMPARE(Punkte, 1.5f);
    QCOMPARE(PunkteGesamt, 1.5f);
    QCOMPARE(AnzVersuche, 3);
    QCOMPARE(AnzVersucheGesamt, 3);
    QCOMPARE(Versuch, 1);
    QCOMPARE(frm->lblAktPunkte->text(), QStringLiteral("1,5"));
    QCOMPARE(frm->lblAnzeige->text(), QStringLiteral("Beim zweiten Versuch ist deine Eingabe richtig!"));
    QVERIFY(!frm->imgZ[2][0]->pixmap().isNull());
    QVERIFY(!frm->imgZ[2][1]->pixmap().isNull());
    QVERIFY(frm->imgZ[2][0]->pixmap().toImage() != frm->imgZ[2][1]->pixmap().toImage());
    QCOMPARE(frm->imgZ[2][1]->pixmap().toImage(), frm->imgZ[1][0]->pixmap().toImage());
    // Status pictures differ: green for line 1, orange for line 2, neutral for line 3.
    QVERIFY(frm->img[1]->pixmap().toImage() != frm->img[2]->pixmap().toImage());
    QVERIFY(frm->img[2]->pixmap().toImage() != frm->img[3]->pixmap().toImage());

    // A sign that does not stand in front is missing all the same.
    AnswerNextMessage(&meldung);
    Tippe(3, QStringLiteral("7+7"));
    QTRY_COMPARE(meldung, QStringLiteral("Das Vorzeichen fehlt!"));
    QTRY_VERIFY(frm->edt[3]->hasFocus());
    QCOMPARE(AnzVersuche, 3);
}

void TestGanzUebung::urteileImVereinfachtenModus()
{
    Oeffne(3, 1);
    frm->rbVereinfacht->click();
    QVERIFY(Vereinfacht);
    QTRY_VERIFY(frm->edt[1]->hasFocus());
    AufgabenGanz[1].Ergebnis = QStringLiteral("7");
    AufgabenGanz[2].Ergebnis = QStringLiteral("-7");
    AufgabenGanz[3].Ergebnis = QStringLiteral("7");

    // The "+" key types nothing here, so "+7" arrives as 7 and is right.
    Tippe(1, QStringLiteral("+7"));
    QVERIFY(AufgabenGanz[1].Geloest);
    QCOMPARE(Eingaben[1], QStringLiteral("7"));

    Tippe(2, QStringLiteral("-7"));
    QCOMPARE(Eingaben[2], QString(EnDash) + u'7');
    QVERIFY(AufgabenGanz[2].Geloest);

    // No format check: 7 against –7 is simply wrong.
    Tippe(3, QStringLiteral("-7"));
    QCOMPARE(Versuch, 2);
    Tippe(3, QStringLiteral("-7"));
    QVERIFY(AufgabenGanz[3].LoesungGezeigt);
    QVERIFY(frm->lblAnzeige->text().contains(QStringLiteral("Das Ergebnis lautet 7!")));
    QCOMPARE(Punkte, 2.0f);
    QCOMPARE(AnzVersuche, 4);
}

void TestGanzUebung::nullUndNachgestellteNullen()
{
    Oeffne(1, 1);
    for (int i = 1; i <= 5; ++i)
        AufgabenGanz[i].Ergebnis = QStringLiteral("0");
    Tippe(1, QStringLiteral("00"));
    QVERIFY(AufgabenGanz[1].Geloest);
    QCOMPARE(Eingaben[1], QStringLiteral("0"));
    Tippe(2, QStringLiteral("0"));
    QVERIFY(AufgabenGanz[2].Geloest);
    // +0 keeps its form and is wrong; the result is told as 0.
    Tippe(3, QStringLiteral("+0"));
    QCOMPARE(Versuch, 2);
    Tippe(3, QStringLiteral("+00"));
    QVERIFY(AufgabenGanz[3].LoesungGezeigt);
    QCOMPARE(Eingaben[3], QStringLiteral("+00"));
    QVERIFY(frm->lblAnzeige->text().contains(QStringLiteral("Das Ergebnis lautet 0!")));
}

void TestGanzUebung::zweimalFalschZeigtErgebnisUndEingabeInRot()
{
    Oeffne(2, 2);
    AufgabenGanz[1].Ergebnis = QStringLiteral("12");
    QCOMPARE(RotePunkte(frm->PaintBild(), 1), 0);
    Tippe(1, QStringLiteral("-12"));
    const float punkteVorher = Punkte;
    Tippe(1, QStringLiteral("-21"));
    QVERIFY(AufgabenGanz[1].LoesungGezeigt);
    QVERIFY(!AufgabenGanz[1].Geloest);
    QCOMPARE(Punkte, punkteVorher);
    QCOMPARE(AnzVersuche, 2);
    QCOMPARE(Versuch, 1);
    QCOMPARE(frm->lblAnzeige->text(),
             QStringLiteral("Deine Eingabe ist leider wieder falsch!\nDas Ergebnis lautet +12!\n"
                            "Vergleiche das Ergebnis mit deiner Eingabe und überlege, warum du den "
                            "Fehler begangen hast!"));
    QCOMPARE(frm->imgZ[1][0]->pixmap().toImage(), frm->imgZ[1][1]->pixmap().toImage());
    QVERIFY(!frm->edt[1]->isVisible());
    QCOMPARE(frm->edt[1]->text(), QString(EnDash) + QStringLiteral("21"));
    QVERIFY(RotePunkte(frm->PaintBild(), 1) > 20);

    // A right line shows its result in blue.
    AufgabenGanz[2].Ergebnis = QStringLiteral("-3");
    Tippe(2, QStringLiteral("-3"));
    QTRY_VERIFY(frm->edt[3]->hasFocus());
    Foto(frm, QStringLiteral("ganz_richtig_falsch"));
}

void TestGanzUebung::zweiterVersuchGehoertZurSelbenZeile()
{
    Oeffne(1, 1);
    for (int i = 1; i <= 5; ++i)
        AufgabenGanz[i].Ergebnis = QStringLiteral("5");
    Tippe(1, QStringLiteral("+4"));
    QCOMPARE(frm->ZweiterVersuchZeile(), 1);
    QTRY_VERIFY(frm->edt[1]->hasFocus());

    // Emptied and left: nothing judged; the focus cannot settle in another box.
    frm->edt[1]->clear();
    QTest::keyClick(frm->edt[1], Qt::Key_Tab);
    QTRY_VERIFY(frm->edt[1]->hasFocus());
    QTest::mouseClick(frm->edt[3], Qt::LeftButton);
    QTRY_VERIFY(frm->edt[1]->hasFocus());
    frm->edt[4]->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(frm->edt[1]->hasFocus());
    QCOMPARE(Versuch, 2);
    QCOMPARE(AnzVersuche, 1);
    QVERIFY(frm->edt[3]->text().isEmpty());

    // The next judged entry is line 1's second attempt.
    Tippe(1, QStringLiteral("+5"));
    QVERIFY(AufgabenGanz[1].Geloest);
    QCOMPARE(Punkte, 0.5f);
    QCOMPARE(frm->ZweiterVersuchZeile(), 0);
    Tippe(2, QStringLiteral("+5"));
    QCOMPARE(Punkte, 1.5f);
}

void TestGanzUebung::meldungUrteiltNichtNochEinmal()
{
    Oeffne(1, 3);
    const QString term1 = AufgabenGanz[1].Term;
    int meldungen = 0;
    QString text;
    WhenModal([&](QWidget* w) {
        ++meldungen;
        text = qobject_cast<QMessageBox*>(w)->text();
        // While the box is up the drill's focus moves do not judge again.
        QCOMPARE(AnzVersuche, 0);
        PressOk(qobject_cast<QMessageBox*>(w));
    });
    // Leaving with a click into the next box.
    QTest::keyClicks(frm->edt[1], QStringLiteral("5"));
    QTest::mouseClick(frm->edt[2], Qt::LeftButton);
    frm->edt[2]->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(meldungen, 1);
    QTRY_VERIFY(frm->edt[1]->hasFocus());
    QTest::qWait(200);
    QCOMPARE(meldungen, 1);
    QCOMPARE(text, QStringLiteral("Das Vorzeichen fehlt!"));
    QCOMPARE(AnzVersuche, 0);
    QCOMPARE(Versuch, 1);
    // The page is the same: no new drill after the box.
    QCOMPARE(AufgabenGanz[1].Term, term1);
    QCOMPARE(frm->lblDurchgang->text(), QStringLiteral("1 / 3"));
}

void TestGanzUebung::weiterMitLeerenFeldern()
{
    Oeffne(1, 2);
    Tippe(1, RichtigeEingabe(1));
    Tippe(2, RichtigeEingabe(2));
    Tippe(3, RichtigeEingabe(3));
    QString meldung;
    AnswerNextMessage(&meldung);
    QTest::mouseClick(frm->btnWeiter, Qt::LeftButton);
    QTRY_COMPARE(meldung, QStringLiteral("Es fehlen noch 2 Einträge!"));
    QTRY_VERIFY(frm->edt[4]->hasFocus());
    QCOMPARE(frm->lblDurchgang->text(), QStringLiteral("1 / 3"));

    Tippe(4, RichtigeEingabe(4));
    AnswerNextMessage(&meldung);
    frm->btnWeiter->click();
    QTRY_COMPARE(meldung, QStringLiteral("Es fehlt noch 1 Eintrag!"));
    QTRY_VERIFY(frm->edt[5]->hasFocus());

    Tippe(5, RichtigeEingabe(5));
    frm->btnWeiter->click();
    QCOMPARE(frm->lblDurchgang->text(), QStringLiteral("2 / 3"));
    QCOMPARE(frm->lblAktVersuche->text(), QStringLiteral("0"));
    QCOMPARE(frm->lblAktPunkte->text(), QStringLiteral("0,0"));
    QCOMPARE(PunkteGesamt, 5.0f);
    QVERIFY(frm->grpEinfach->isEnabled());
    for (int i = 1; i <= 5; ++i) {
        QVERIFY(frm->edt[i]->isVisible());
        QVERIFY(frm->edt[i]->text().isEmpty());
        QVERIFY(!AufgabenGanz[i].Geloest);
        QVERIFY(frm->imgZ[i][0]->pixmap().isNull());
        QCOMPARE(frm->edt[i]->property("aufgabentext").toString(), AnzeigeTexte[i]);
    }
    QTRY_VERIFY(frm->edt[1]->hasFocus());
}

void TestGanzUebung::einfuegenFiltertZeichen()
{
    Oeffne(1, 1);
    TAntwortFeld* box = frm->edt[1];

    QGuiApplication::clipboard()->setText(QStringLiteral("12a"));
    box->paste();
    QCOMPARE(box->text(), QStringLiteral("12"));

    box->clear();
    QTest::keySequence(box, QKeySequence::Paste);
    QCOMPARE(box->text(), QStringLiteral("12"));

    box->clear();
    box->insert(QStringLiteral("x-3 b+"));
    QCOMPARE(box->text(), QString(EnDash) + QStringLiteral("3+"));

    // Dropped text goes through the same filter.
    box->clear();
    QMimeData daten;
    daten.setText(QStringLiteral("4,5e"));
    const QPoint mitte = box->rect().center();
    QDragEnterEvent enter(mitte, Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &enter);
    QDropEvent drop(QPointF(mitte), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box, &drop);
    QCOMPARE(box->text(), QStringLiteral("45"));

    // Committed input-method text too.
    box->clear();
    QInputMethodEvent ime;
    ime.setCommitString(QStringLiteral("9ü-"));
    QCoreApplication::sendEvent(box, &ime);
    QCOMPARE(box->text(), QStringLiteral("9") + EnDash);

    // The simplified mode refuses "+" in every way.
    frm->rbVereinfacht->click();
    QVERIFY(Vereinfacht);
    box->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("+8"));
    box->paste();
    QCOMPARE(box->text(), QStringLiteral("8"));
    frm->rbMitVorzeichen->click();
    QVERIFY(!Vereinfacht);

    // At most eight characters.
    box->clear();
    QTest::keyClicks(box, QStringLiteral("1234567890"));
    QCOMPARE(box->text(), QStringLiteral("12345678"));
}

void TestGanzUebung::darstellungWechselnVorDerErstenAntwort()
{
    Oeffne(1, 3);
    Foto(frm, QStringLiteral("ganz_mit_vorzeichen"));
    bool plusImVorzeichenModus = false;
    for (int i = 1; i <= 5; ++i)
        plusImVorzeichenModus = plusImVorzeichenModus || AnzeigeTexte[i].contains(u'+');
    QVERIFY(plusImVorzeichenModus);

    frm->rbVereinfacht->click();
    QVERIFY(Vereinfacht);
    QCOMPARE(frm->lblAnzeige->text(), GanzUebungAnleitung(true));
    QCOMPARE(Textfarbe(frm->lblAnzeige), Braun);
    QTRY_VERIFY(frm->edt[1]->hasFocus());
    for (int i = 1; i <= 5; ++i) {
        QVERIFY(!AnzeigeTexte[i].contains(u'('));
        QCOMPARE(frm->edt[i]->property("aufgabentext").toString(), AnzeigeTexte[i]);
    }
    Foto(frm, QStringLiteral("ganz_vereinfacht"));

    Tippe(1, RichtigeEingabe(1));
    QVERIFY(!frm->grpEinfach->isEnabled());
}

void TestGanzUebung::schliessenLoeschtDieStufen()
{
    Oeffne(6, 4);
    frm->menSchliessen->trigger();
    QVERIFY(!frm->isVisible());
    for (int stufe : StufenGanz)
        QCOMPARE(stufe, 0);

    // The pass count of the dialog sets the pages of the next drill.
    GewaehlteDurchgaenge = 5;
    Oeffne(6, 1);
    QCOMPARE(frm->lblDurchgang->text(), QStringLiteral("1 / 5"));
    QCOMPARE(AktDurchgang, 1);
}

QTEST_MAIN(TestGanzUebung)
#include "test_ganz_uebung.moc"
