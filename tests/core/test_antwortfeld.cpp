// The answer box every screen types its answers into: what each character
// rule lets in on every input path, which focus changes count as the pupil
// leaving the box, and Return moving on.
#include "core/AntwortFeld.h"
#include "core/NumberHelpers.h"
#include "core/QtDeutsch.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

Q_DECLARE_METATYPE(Antwortzeichen)

class TestAntwortFeld : public QObject {
    Q_OBJECT

private slots:
    void zeichenregeln_data()
    {
        const QString S(EnDash);
        QTest::addColumn<Antwortzeichen>("regel");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("bleibt");
        QTest::newRow("ganz mit Plus") << Antwortzeichen::Ganzzahl(true) << "+-12a/,x" << "+" + S + "12";
        QTest::newRow("ganz ohne Plus") << Antwortzeichen::Ganzzahl(false) << "+-12" << S + "12";
        QTest::newRow("andere Minuszeichen") << Antwortzeichen::Ganzzahl(false)
                                             << QString(QChar(0x2212)) + "3" + QChar(0xFF0D) << S + "3" + S;
        QTest::newRow("Bruch") << Antwortzeichen::Bruch(true) << "+3,/4b" << "+3/4";
        QTest::newRow("Dezimal") << Antwortzeichen::Dezimal(true) << "-2a/,5x+" << S + "2,5+";
        QTest::newRow("Relation") << Antwortzeichen::Relation(true) << "1<=>-" << "<=>";
        QTest::newRow("Relation ohne Gleich") << Antwortzeichen::Relation(false) << "<=>" << "<>";
    }

    // The same rule for typing, pasting and input methods.
    void zeichenregeln()
    {
        QFETCH(Antwortzeichen, regel);
        QFETCH(QString, eingabe);
        QFETCH(QString, bleibt);
        QCOMPARE(regel.Gefiltert(eingabe), bleibt);

        TAntwortFeld feld(1);
        feld.SetzeZeichen(regel);
        feld.show();
        for (QChar c : eingabe) // key by key, also the characters no key of the test keyboard has
            QTest::sendKeyEvent(QTest::Click, &feld, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QCOMPARE(feld.text(), bleibt);

        feld.clear();
        QApplication::clipboard()->setText(eingabe);
        feld.paste();
        QCOMPARE(feld.text(), bleibt);

        feld.clear();
        QInputMethodEvent ime;
        ime.setCommitString(eingabe);
        QApplication::sendEvent(&feld, &ime);
        QCOMPARE(feld.text(), bleibt);
    }

    void nameUndBeschreibung()
    {
        TAntwortFeld feld(3);
        QCOMPARE(feld.objectName(), QStringLiteral("edt3"));
        QCOMPARE(feld.accessibleName(), QStringLiteral("Aufgabe 3"));
        QCOMPARE(feld.Zeile(), 3);
    }

    // The menu bar, a popup or another window taking the focus is not the
    // pupil moving on; a click, Tab, Return and the screen's own move are.
    void verlassenNurDurchDenSchueler()
    {
        QVERIFY(TAntwortFeld::VomSchueler(Qt::MouseFocusReason));
        QVERIFY(TAntwortFeld::VomSchueler(Qt::TabFocusReason));
        QVERIFY(TAntwortFeld::VomSchueler(Qt::BacktabFocusReason));
        QVERIFY(TAntwortFeld::VomSchueler(Qt::OtherFocusReason));
        QVERIFY(!TAntwortFeld::VomSchueler(Qt::MenuBarFocusReason));
        QVERIFY(!TAntwortFeld::VomSchueler(Qt::PopupFocusReason));
        QVERIFY(!TAntwortFeld::VomSchueler(Qt::ActiveWindowFocusReason));
    }

    void returnGehtZumNaechstenFeld()
    {
        QWidget fenster;
        auto* layout = new QVBoxLayout(&fenster);
        auto* erstes = new TAntwortFeld(1, &fenster);
        auto* zweites = new TAntwortFeld(2, &fenster);
        layout->addWidget(erstes);
        layout->addWidget(zweites);
        fenster.show();
        QApplication::setActiveWindow(&fenster);
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        erstes->setFocus();
        QSignalSpy verlassen(erstes, &TAntwortFeld::Verlassen);
        QSignalSpy betreten(zweites, &TAntwortFeld::Betreten);
        QTest::keyClicks(erstes, "7");
        QTest::keyClick(erstes, Qt::Key_Return);
        QTRY_VERIFY(zweites->hasFocus());
        QCOMPARE(verlassen.count(), 1);
        QCOMPARE(verlassen.first().first().toInt(), 1);
        QCOMPARE(betreten.count(), 1);
        QCOMPARE(erstes->text(), QStringLiteral("7"));
    }

    // A right click in the box offers Qt's edit menu: in German, as
    // everything else the pupil reads; Qt's own number formats are German too.
    void kontextmenueAufDeutsch()
    {
        QVERIFY(QtAufDeutsch());
        TAntwortFeld feld(1);
        std::unique_ptr<QMenu> menue(feld.createStandardContextMenu());
        QStringList texte;
        for (QAction* a : menue->actions())
            if (!a->isSeparator())
                texte << a->text().remove(u'&').section(u'\t', 0, 0);
        QVERIFY2(texte.contains(QStringLiteral("Einfügen")), qPrintable(texte.join(u'|')));
        QVERIFY2(texte.contains(QStringLiteral("Alles auswählen")), qPrintable(texte.join(u'|')));
        QCOMPARE(QLocale().toString(2.5), QStringLiteral("2,5"));
    }
};

QTEST_MAIN(TestAntwortFeld)
#include "test_antwortfeld.moc"
