// The evaluation screen and a drill page as the X server shows them: the
// bars must rise on screen, not only in a fresh rendering.
#include "integer/AuswertungU.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzUebungU.h"

#include "common/EchtesFenster.h"
#include "common/ModalHelper.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

namespace {

bool Nahe(QRgb c, const QColor& soll, int tol = 24)
{
    return qAbs(qRed(c) - soll.red()) <= tol && qAbs(qGreen(c) - soll.green()) <= tol
        && qAbs(qBlue(c) - soll.blue()) <= tol;
}

// Checks, in the server's picture of a gauge, that it is filled with its bar
// colour up to `prozent` per cent of its height and white above. Rows close
// to the level are left out (a pixel of rounding either way); text on the
// bar is skipped, every other pixel of a row must agree; in the rows of the
// percentage standing on the bar, the edges of its letters are mixed colours,
// so there the bar colour need only hold most of the row.
void PruefeBalken(QProgressBar* balken, int prozent, const QColor& farbe, const char* wo,
                  QLabel* aufschrift)
{
    const QImage bild = echtes_fenster::Bild(balken);
    const QRect band = aufschrift->geometry().translated(-balken->pos());
    const int innen = bild.height() - 2; // one pixel of border above and below
    for (int h = 2; h < 100; h += 4) {
        if (qAbs(h - prozent) < 3)
            continue;
        const bool voll = h < prozent;
        const QColor soll = voll ? farbe : QColor(Qt::white);
        const int y = bild.height() - 2 - h * innen / 100;
        int passend = 0, andere = 0;
        for (int x = 3; x < bild.width() - 3; ++x) {
            const QRgb c = bild.pixel(x, y);
            if (Nahe(c, soll))
                ++passend;
            else if (qRed(c) + qGreen(c) + qBlue(c) > 3 * 150)
                ++andere; // light but not the expected colour: a wrong fill
        }
        const bool schrift = y >= band.top() && y <= band.bottom();
        QVERIFY2(schrift ? (passend >= 10 && passend >= 3 * andere) : (passend > 0 && andere == 0),
                 qPrintable(QStringLiteral("%1: %2 bei %3 % Höhe (Stand %4 %): %5 passend, %6 falsch")
                                .arg(QLatin1String(wo), balken->objectName())
                                .arg(h)
                                .arg(prozent)
                                .arg(passend)
                                .arg(andere)));
    }
}

const QColor BalkenRichtig(185, 233, 249);
const QColor BalkenFalsch(255, 145, 145);

} // namespace

class TestFensterX : public QObject {
    Q_OBJECT

private slots:
    void balkenSteigenSichtbarUndStehenAmEnde();
    void uebungsseiteNachAntwortenOhneAltlasten();
    void fehlendesVorzeichenImZweitenVersuch();
};

void TestFensterX::balkenSteigenSichtbarUndStehenAmEnde()
{
    ECHTES_FENSTER_NOETIG();
    TfrmAuswertung form;
    form.Schrittdauer = 1000000; // stepped by hand below
    form.SetzeSummen(12.0f, 19); // 63,158 %
    QVERIFY(echtes_fenster::Zeigen(&form));
    QCOMPARE(form.Prozent(), 63);

    int k = 0;
    for (const int halt : {0, 17, 40, 63}) {
        while (k < halt) { // each step painted, as with the timer
            form.NaechsterSchritt();
            ++k;
            echtes_fenster::Ruhe(10);
        }
        echtes_fenster::Ruhe();
        const QByteArray wo = "Schritt " + QByteArray::number(k);
        PruefeBalken(form.gauRichtig, k, BalkenRichtig, wo.constData(), form.lblPRichtig);
        PruefeBalken(form.gauFalsch, 100 - k, BalkenFalsch, wo.constData(), form.lblPFalsch);
        if (k == 40)
            echtes_fenster::Foto(&form, QStringLiteral("x_auswertung_40"));
    }

    form.NaechsterSchritt(); // the end: remark and close button
    QVERIFY(form.btnSchliessen->isVisible());
    QCOMPARE(form.lblPRichtig->text(), QStringLiteral("63,158 %"));
    echtes_fenster::Ruhe();
    PruefeBalken(form.gauRichtig, 63, BalkenRichtig, "Ende", form.lblPRichtig);
    PruefeBalken(form.gauFalsch, 37, BalkenFalsch, "Ende", form.lblPFalsch);
    // The percentages stay readable on the bars: dark text pixels in their band.
    const QImage bild = echtes_fenster::Bild(&form);
    for (QLabel* l : {form.lblPRichtig, form.lblPFalsch}) {
        int dunkel = 0;
        const QRect r = l->geometry();
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                dunkel += qGray(bild.pixel(x, y)) < 80;
        QVERIFY2(dunkel > 40, qPrintable(l->objectName()));
    }
    QCOMPARE(echtes_fenster::Abweichungen(&form, 8), 0);
    echtes_fenster::Foto(&form, QStringLiteral("x_auswertung_ende"));
    form.btnSchliessen->click();
}

void TestFensterX::uebungsseiteNachAntwortenOhneAltlasten()
{
    ECHTES_FENSTER_NOETIG();
    TfrmGanzUebung frm;
    StufenLoeschen();
    ArtGanz = 1;
    StufeGanzAdd = 2;
    QVERIFY(echtes_fenster::Zeigen(&frm));
    auto feld = [&](int i) { return frm.findChild<QLineEdit*>(QStringLiteral("edt%1").arg(i)); };
    auto* anzeige = frm.findChild<QLabel*>(QStringLiteral("lblAnzeige"));
    QVERIFY(feld(1) && feld(5) && anzeige);
    QTRY_VERIFY(feld(1)->hasFocus());

    auto tippe = [&](int i, const QString& text) {
        QTRY_VERIFY(feld(i)->hasFocus());
        feld(i)->selectAll();
        QTest::keyClicks(feld(i), text);
        QTest::keyClick(feld(i), Qt::Key_Return);
        echtes_fenster::Ruhe();
    };
    auto richtig = [&](int i) {
        const QString e = AufgabenGanz[i].Ergebnis;
        return (e == QLatin1String("0") || e.startsWith(u'-')) ? e : u'+' + e;
    };
    auto falsch = [&](int i) {
        return u'+' + QString::number(qAbs(AufgabenGanz[i].Ergebnis.toInt()) + 1000);
    };

    tippe(1, richtig(1));
    QCOMPARE(echtes_fenster::Abweichungen(&frm, 8), 0);
    tippe(2, falsch(2)); // first wrong: the box stays
    QCOMPARE(echtes_fenster::Abweichungen(&frm, 8), 0);
    tippe(2, falsch(2)); // second wrong: the result is told
    QCOMPARE(echtes_fenster::Abweichungen(&frm, 8), 0);
    tippe(3, richtig(3));
    QVERIFY(!anzeige->text().isEmpty());
    QCOMPARE(echtes_fenster::Abweichungen(&frm, 8), 0);
    echtes_fenster::Foto(&frm, QStringLiteral("x_uebung"));

    auto* weiter = frm.findChild<QPushButton*>(QStringLiteral("btnWeiter"));
    QVERIFY(weiter);
    frm.close();
    StufenLoeschen();
    ArtGanz = 0;
}

// Real key events on a real window: after a wrong first answer the pupil
// types the right value without its sign and presses Return; the message box
// must come up (it was lost once the next box's focus handling ran), nothing
// is counted and the box keeps the focus.
void TestFensterX::fehlendesVorzeichenImZweitenVersuch()
{
    ECHTES_FENSTER_NOETIG();
    TfrmGanzUebung frm;
    StufenLoeschen();
    ArtGanz = 1;
    StufeGanzAdd = 1;
    QVERIFY(echtes_fenster::Zeigen(&frm));
    auto* feld = frm.findChild<QLineEdit*>(QStringLiteral("edt1"));
    QVERIFY(feld);
    QTRY_VERIFY(feld->hasFocus());
    const int ergebnis = AufgabenGanz[1].Ergebnis.toInt();

    QTest::keyClicks(feld, u'+' + QString::number(qAbs(ergebnis) + 1000));
    QTest::keyClick(feld, Qt::Key_Return);
    QTRY_VERIFY(feld->hasFocus());
    QCOMPARE(AnzVersucheGesamt, 1);

    QString meldung;
    AnswerNextMessage(&meldung, nullptr, 3000);
    feld->selectAll();
    QTest::keyClicks(feld, QString::number(qAbs(ergebnis == 0 ? 7 : ergebnis)));
    QTest::keyClick(feld, Qt::Key_Return);
    QTRY_COMPARE(meldung, QStringLiteral("Das Vorzeichen fehlt!"));
    CancelModalWatches();
    // Xvfb runs no window manager to give the screen back its activation.
    frm.activateWindow();
    QTRY_VERIFY(feld->hasFocus());
    QCOMPARE(AnzVersucheGesamt, 1);
    QVERIFY(feld->isVisible());
    frm.close();
    StufenLoeschen();
    ArtGanz = 0;
}

QTEST_MAIN(TestFensterX)
#include "test_fenster_x.moc"
