// A whole integer drill and a whole rational drill with key events alone:
// the display mode chosen with the arrow keys, every answer typed and
// confirmed with Enter, "Weiter" and "Auswertung" reached with Tab and pressed
// with Enter, the evaluation closed with Enter. Controls are found by their
// names only, as a screen reader user finds them by theirs.
#include "robust/DrillOeffnen.h"
#include "core/NumberHelpers.h"
#include "core/Zugang.h"
#include "integer/AuswertungU.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzUebungU.h"
#include "rational/RationalPruefung.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalUebAddSubU.h"
#include "shell/MinuslandU.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <functional>

namespace {

template <typename T>
T* Teil(QWidget* form, const char* name)
{
    return form->findChild<T*>(QString::fromLatin1(name));
}

QLineEdit* Feld(QWidget* form, int i)
{
    return form->findChild<QLineEdit*>(QStringLiteral("edt%1").arg(i));
}

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// Types an answer key by key, the en dash as "-", and presses Enter.
void Antworte(QWidget* feld, const QString& text)
{
    for (QChar c : text)
        QTest::keyClick(feld, (c == EnDash ? QChar(u'-') : c).toLatin1());
    QTest::keyClick(feld, Qt::Key_Return);
    Settle();
}

// Tab until the named button has the focus, then Enter.
bool TabUndEnter(QWidget* form, QPushButton* ziel)
{
    for (int k = 0; k < 12 && QApplication::focusWidget() != ziel; ++k) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form, Qt::Key_Tab);
        Settle();
    }
    if (QApplication::focusWidget() != ziel)
        return false;
    QTest::keyClick(ziel, Qt::Key_Return);
    Settle();
    return true;
}

// One drill of three pages: answers from antwort(i), then the evaluation.
void DrillMitTasten(QWidget* form, const std::function<QString(int)>& antwort)
{
    auto* weiter = Teil<QPushButton>(form, "btnWeiter");
    auto* auswertung = Teil<QPushButton>(form, "btnAuswertung");
    auto* durchgang = Teil<QLabel>(form, "lblDurchgang");
    QVERIFY(weiter && auswertung && durchgang);
    for (int seite = 1; seite <= 3; ++seite) {
        QCOMPARE(durchgang->text(), QStringLiteral("%1 / 3").arg(seite));
        for (int i = 1; i <= 5; ++i) {
            QTRY_COMPARE(QApplication::focusWidget(), Feld(form, i));
            Antworte(Feld(form, i), antwort(i));
            QVERIFY2(!Feld(form, i)->isVisible(), qPrintable(QStringLiteral("Zeile %1 nicht gelöst").arg(i)));
        }
        if (seite < 3)
            QVERIFY(TabUndEnter(form, weiter));
    }
    QTRY_VERIFY(auswertung->isVisible());
    bool bewertet = false;
    WhenModal([&bewertet](QWidget* w) {
        auto* schliessen = w->findChild<QPushButton*>(QStringLiteral("btnSchliessen"));
        QTRY_VERIFY(schliessen && schliessen->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), schliessen);
        QTest::keyClick(schliessen, Qt::Key_Return);
        bewertet = true;
    });
    QVERIFY(TabUndEnter(form, auswertung));
    QTRY_VERIFY(bewertet);
    // The closed evaluation gives the activation back, as a window manager
    // would (the offscreen platform leaves that to the program).
    QApplication::setActiveWindow(form);
    // A new drill of the same kind begins.
    QTRY_COMPARE(durchgang->text(), QStringLiteral("1 / 3"));
    QVERIFY(weiter->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), Feld(form, 1));
}

} // namespace

class TestTastaturDrills : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ZugangEinrichten();
        frmMinusland = new TfrmMinusland;
        frmAuswertung = new TfrmAuswertung;
        frmAuswertung->Schrittdauer = 0;
    }

    void ganzeZahlen()
    {
        MitGanzDrill(9, 2, [](QWidget* form) {
            QTRY_COMPARE(QApplication::focusWidget(), Feld(form, 1));
            // To the display choice with Tab, "Vereinfacht" with the arrow key.
            auto* mit = Teil<QRadioButton>(form, "rbMitVorzeichen");
            auto* einfach = Teil<QRadioButton>(form, "rbVereinfacht");
            for (int k = 0; k < 8 && QApplication::focusWidget() != mit; ++k)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), mit);
            QTest::keyClick(mit, Qt::Key_Down);
            Settle();
            QVERIFY(einfach->isChecked());
            QVERIFY(Vereinfacht);
            // A mode change puts the focus into the first box, as a click does.
            QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), Feld(form, 1), 300);
            for (int k = 0; k < 8 && QApplication::focusWidget() != Feld(form, 1); ++k)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
            DrillMitTasten(form, [](int i) { return ShowMinus(AufgabenGanz[i].Ergebnis); });
        });
    }

    void rationaleZahlen()
    {
        MitRationalDrill(2, [](QWidget* form) {
            DrillMitTasten(form, [](int i) { return AnzeigeformR(RationalAufgaben[i].Ergebnis, false); });
        });
    }
};

QTEST_MAIN(TestTastaturDrills)
#include "test_tastatur_drills.moc"
