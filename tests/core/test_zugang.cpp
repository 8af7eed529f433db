// Keyboard and screen-reader helpers: Enter on the focused button, the focus
// frame, counters and feedback lines as assistive technology reads them, the
// display-mode choice however it is changed, one double click one answer.
#include "core/Bildschirm.h"
#include "core/MyShape.h"
#include "core/Zugang.h"
#include "common/ZugangMitschrift.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

class Schirm : public TBildschirm {
public:
    Schirm()
    {
        knopf = new QPushButton(QStringLiteral("Weiter"), this);
        knopf->setAutoDefault(false);
        feld = new QLineEdit(this);
        feld->move(0, 40);
        connect(knopf, &QPushButton::clicked, this, [this] { ++geklickt; });
    }
    QPushButton* knopf;
    QLineEdit* feld;
    int geklickt = 0;

protected:
    void FormActivate() override {}
};

int FarbPunkte(const QImage& bild)
{
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            n += bild.pixelColor(x, y) == FokusFarbe();
    return n;
}

} // namespace

class TestZugang : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ZugangEinrichten();
    }
    void init() { zugangsEreignisse.clear(); }

    void enterDruecktDenKnopf()
    {
        Schirm s;
        s.show();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        s.knopf->setFocus();
        QTest::keyClick(s.knopf, Qt::Key_Return);
        QTest::keyClick(s.knopf, Qt::Key_Enter);
        QCOMPARE(s.geklickt, 2);
        s.knopf->setEnabled(false);
        QTest::keyClick(&s, Qt::Key_Return);
        QCOMPARE(s.geklickt, 2);
        // Enter in an edit box is the box's own business, no button is pressed.
        s.knopf->setEnabled(true);
        s.feld->setFocus();
        QTest::keyClick(s.feld, Qt::Key_Return);
        QCOMPARE(s.geklickt, 2);
    }

    void fokusRahmenSichtbar()
    {
        Schirm s;
        s.show();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        s.feld->setFocus();
        QTRY_VERIFY(s.feld->hasFocus());
        QVERIFY(FarbPunkte(s.feld->grab().toImage()) > 50);
        QCOMPARE(FarbPunkte(s.knopf->grab().toImage()), 0);
        s.knopf->setFocus();
        QTRY_VERIFY(s.knopf->hasFocus());
        QVERIFY(FarbPunkte(s.knopf->grab().toImage()) > 50);
        QCOMPARE(FarbPunkte(s.feld->grab().toImage()), 0);
    }

    void zaehlerMitWert()
    {
        QWidget w;
        auto* gruppe = new QGroupBox(QStringLiteral(" Punkte "), &w);
        auto* wert = new QLabel(QStringLiteral("0"), gruppe);
        wert->setAccessibleName(QStringLiteral("Punkte"));
        MacheZaehler(gruppe, wert);
        SetzeZaehler(wert, QStringLiteral("2,5"));
        QCOMPARE(QAccessible::queryAccessibleInterface(gruppe)->text(QAccessible::Name), QString("Punkte: 2,5"));
        QCOMPARE(QAccessible::queryAccessibleInterface(wert)->text(QAccessible::Name), QString("Punkte: 2,5"));
        QVERIFY(ZugangGemeldet(gruppe, QAccessible::NameChanged));
        // A value set straight on the label is read as well.
        wert->setText(QStringLiteral("3"));
        QCOMPARE(QAccessible::queryAccessibleInterface(gruppe)->text(QAccessible::Name), QString("Punkte: 3"));
        QCOMPARE(QAccessible::queryAccessibleInterface(gruppe)->role(), QAccessible::Grouping);
    }

    void meldungWirdAngekuendigt()
    {
        QWidget w;
        auto* label = new QLabel(&w);
        MacheMeldungszeile(label, QStringLiteral("Rückmeldung"));
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(i->text(QAccessible::Name), QString("Rückmeldung"));
        SetzeMeldung(label, QStringLiteral("Deine Eingabe ist leider falsch!\nÜberprüfe deine Eingabe."));
        QCOMPARE(i->text(QAccessible::Name), QString("Deine Eingabe ist leider falsch! Überprüfe deine Eingabe."));
        QVERIFY(ZugangGemeldet(label, QAccessible::NameChanged));
        QVERIFY(ZugangGemeldet(label, QAccessible::ValueChanged));
        QVERIFY(ZugangGemeldet(label, QAccessible::Alert));
        // The same text again is no news.
        zugangsEreignisse.clear();
        SetzeMeldung(label, label->text());
        QVERIFY(zugangsEreignisse.isEmpty());
    }

    // "Toggle" through the accessibility interface, arrow keys and clicks all
    // switch the mode through the one handler, and only while it may change.
    void darstellungJedeArt()
    {
        QWidget w;
        auto* mit = new QRadioButton(QStringLiteral("mit Vorzeichen"), &w);
        auto* einfach = new QRadioButton(QStringLiteral("Vereinfacht"), &w);
        einfach->move(0, 30);
        QButtonGroup gruppe;
        gruppe.addButton(mit, 0);
        gruppe.addButton(einfach, 1);
        mit->setChecked(true);
        int modus = 0;
        bool erlaubt = true;
        QList<int> wechsel;
        VerbindeDarstellung(&gruppe, [&] { return modus; }, [&] { return erlaubt; }, [&](int id) {
            wechsel << id;
            modus = id;
        });
        w.show();

        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(einfach);
        QVERIFY(i->actionInterface());
        i->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(wechsel, QList<int>{1});
        QVERIFY(einfach->isChecked());

        QTest::mouseClick(mit, Qt::LeftButton);
        QCOMPARE(wechsel, (QList<int>{1, 0}));

        // The code showing the mode that holds changes nothing.
        mit->setChecked(true);
        QCOMPARE(wechsel.size(), 2);

        // After the first judged answer the choice springs back.
        erlaubt = false;
        i->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(wechsel.size(), 2);
        QVERIFY(mit->isChecked());
        einfach->setChecked(true);
        QVERIFY(mit->isChecked());
        QCOMPARE(modus, 0);
    }

    // Through the window system as a real mouse: press, release, press,
    // release in the double-click time.
    void doppelklickEineAntwort()
    {
        QWidget w;
        w.resize(100, 100);
        auto* form = new TMyShape(&w);
        form->setGeometry(20, 20, 10, 10);
        int antworten = 0;
        form->OnMouseDown = [&](TMyShape*) { ++antworten; };
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QPoint mitte = form->geometry().center();
        QTest::mouseDClick(w.windowHandle(), Qt::LeftButton, {}, mitte);
        QCOMPARE(antworten, 1);
        // Two clicks apart are two answers.
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, mitte, 1000);
        QCOMPARE(antworten, 2);
    }
};

QTEST_MAIN(TestZugang)
#include "test_zugang.moc"
