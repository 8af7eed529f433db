#include "integer/AuswertungU.h"

#include "common/ModalHelper.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

class TestAuswertung : public QObject {
    Q_OBJECT

private slots:
    void prozentRundetHalbeZurGeradenZahl_data();
    void prozentRundetHalbeZurGeradenZahl();
    void bemerkungenAnDenGrenzen();
    void bildschirmZeigtSummenUndEndstand();
    void hochzaehlenInSchrittenOhneBlockieren();
    void ohneVersucheNullProzentUndNiedrigsteBemerkung();
    void escapeWartetAufDasEndeDerZaehlung();
    void zweitesOeffnenBeginntVonVorn();
};

void TestAuswertung::prozentRundetHalbeZurGeradenZahl_data()
{
    QTest::addColumn<float>("punkte");
    QTest::addColumn<int>("versuche");
    QTest::addColumn<int>("prozent");
    QTest::newRow("alles richtig") << 5.0f << 5 << 100;
    QTest::newRow("4,5 von 6") << 4.5f << 6 << 75;
    QTest::newRow("62,5 geht auf 62") << 2.5f << 4 << 62;
    QTest::newRow("62,5 aus 7,5 / 12") << 7.5f << 12 << 62;
    QTest::newRow("87,5 geht auf 88") << 3.5f << 4 << 88;
    QTest::newRow("83,33") << 12.5f << 15 << 83;
    QTest::newRow("1,5 von 100") << 1.5f << 100 << 2;
    QTest::newRow("0,5 von 200") << 0.5f << 200 << 0;
    QTest::newRow("keine Punkte") << 0.0f << 7 << 0;
    QTest::newRow("keine Versuche") << 0.0f << 0 << 0;
    QTest::newRow("mehr Punkte als Versuche") << 9.0f << 3 << 100;
}

void TestAuswertung::prozentRundetHalbeZurGeradenZahl()
{
    QFETCH(float, punkte);
    QFETCH(int, versuche);
    QFETCH(int, prozent);
    QCOMPARE(AuswertungProzent(punkte, versuche), prozent);
}

void TestAuswertung::bemerkungenAnDenGrenzen()
{
    const QString b1 = QStringLiteral("Du musst noch sehr viel üben!");
    const QString b2 = QStringLiteral("Du solltest noch viel üben!");
    const QString b3 = QStringLiteral("Nicht schlecht, aber du solltest noch etwas üben!");
    const QString b4 = QStringLiteral("Du bist schon recht gut. Ein wenig Übung wäre aber günstig.");
    const QString b5 = QStringLiteral("Du bist schon sehr gut, aber noch nicht Spitze! Übe noch etwas weiter.");
    const QString b6 = QStringLiteral("Du bist schon fast perfekt! Du gehörst schon zu den Profis.");
    const QString b7 = QStringLiteral("Sehr gut! Du bist ein Zahlenprofi.");
    const QList<QPair<int, QString>> faelle = {{0, b1},  {30, b1}, {31, b2}, {50, b2}, {51, b3},
                                               {65, b3}, {66, b4}, {75, b4}, {76, b5}, {90, b5},
                                               {91, b6}, {99, b6}, {100, b7}};
    for (const auto& [prozent, bemerkung] : faelle)
        QCOMPARE(AuswertungBemerkung(prozent), bemerkung);
}

void TestAuswertung::bildschirmZeigtSummenUndEndstand()
{
    TfrmAuswertung form;
    form.Schrittdauer = 1;
    QCOMPARE(form.size(), QSize(392, 433));
    QCOMPARE(form.windowTitle(), QStringLiteral("Auswertung"));

    bool knopfWahrendZaehlung = true;
    WhenModal([&](QWidget*) {
        knopfWahrendZaehlung = form.btnSchliessen->isVisible();
        QTRY_VERIFY(form.btnSchliessen->isVisible());
        form.btnSchliessen->click();
    });
    form.Auswerten(4.5f, 6);

    QVERIFY(!knopfWahrendZaehlung);
    QCOMPARE(form.pnlRichtig->text(), QStringLiteral("4,5 / 6"));
    QCOMPARE(form.pnlFalsch->text(), QStringLiteral("1,5 / 6"));
    QCOMPARE(form.lblPRichtig->text(), QStringLiteral("75,000 %"));
    QCOMPARE(form.lblPFalsch->text(), QStringLiteral("25,000 %"));
    QCOMPARE(form.gauRichtig->value(), 75);
    QCOMPARE(form.gauFalsch->value(), 25);
    QCOMPARE(form.Prozent(), 75);
    QCOMPARE(form.lblAnzeige->text(),
             QStringLiteral("Du bist schon recht gut. Ein wenig Übung wäre aber günstig."));
    QCOMPARE(form.lblAnzeige->palette().color(QPalette::WindowText), QColor(102, 153, 51));

    // The exact share shows on the last step, not the rounded percentage.
    WhenModal([&](QWidget*) {
        QTRY_VERIFY(form.btnSchliessen->isVisible());
        if (const QString ordner = qEnvironmentVariable("MINUSLAND_FOTOS"); !ordner.isEmpty())
            form.grab().save(ordner + QStringLiteral("/auswertung.png"));
        form.btnSchliessen->click();
    });
    form.Auswerten(12.5f, 15);
    QCOMPARE(form.lblPRichtig->text(), QStringLiteral("83,333 %"));
    QCOMPARE(form.lblPFalsch->text(), QStringLiteral("16,667 %"));
    QCOMPARE(form.gauRichtig->value(), 83);
}

void TestAuswertung::hochzaehlenInSchrittenOhneBlockieren()
{
    TfrmAuswertung form; // 100 ms per step
    QStringList schritte;
    QList<int> balken;
    connect(form.gauRichtig, &QProgressBar::valueChanged, this, [&](int wert) {
        balken << wert;
        schritte << form.lblPRichtig->text();
    });
    qint64 dauer = 0;
    int eventsWaehrendZaehlung = 0;
    QString ersterSchritt;
    WhenModal([&](QWidget*) {
        ersterSchritt = form.lblPRichtig->text();
        QElapsedTimer uhr;
        uhr.start();
        // The window keeps handling events while it counts: timers fire and
        // it can be moved and repainted.
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] { ++eventsWaehrendZaehlung; });
        ticker.start(10);
        form.move(form.pos() + QPoint(5, 5));
        form.repaint();
        QTRY_VERIFY_WITH_TIMEOUT(form.btnSchliessen->isVisible(), 5000);
        dauer = uhr.elapsed();
        form.btnSchliessen->click();
    });
    form.Auswerten(0.5f, 10); // 5 %

    QCOMPARE(ersterSchritt, QStringLiteral("0,000 %"));
    QCOMPARE(balken, (QList<int>{1, 2, 3, 4, 5}));
    QCOMPARE(schritte.last(), QStringLiteral("5,000 %"));
    QCOMPARE(schritte.at(1), QStringLiteral("2,000 %"));
    QVERIFY2(dauer >= 500, qPrintable(QString::number(dauer)));
    QVERIFY(eventsWaehrendZaehlung > 20);
    QCOMPARE(form.gauFalsch->value(), 95);
}

void TestAuswertung::ohneVersucheNullProzentUndNiedrigsteBemerkung()
{
    TfrmAuswertung form;
    for (int versuche : {0, 6}) {
        bool knopfSofort = false;
        WhenModal([&](QWidget*) {
            knopfSofort = form.btnSchliessen->isVisible();
            form.btnSchliessen->click();
        });
        form.Auswerten(0.0f, versuche);
        QVERIFY(knopfSofort);
        QCOMPARE(form.lblPRichtig->text(), QStringLiteral("0,000 %"));
        QCOMPARE(form.lblPFalsch->text(), QStringLiteral("100,000 %"));
        QCOMPARE(form.gauRichtig->value(), 0);
        QCOMPARE(form.gauFalsch->value(), 100);
        QCOMPARE(form.lblAnzeige->text(), QStringLiteral("Du musst noch sehr viel üben!"));
    }
    QCOMPARE(form.pnlRichtig->text(), QStringLiteral("0,0 / 6"));
    QCOMPARE(form.pnlFalsch->text(), QStringLiteral("6,0 / 6"));
}

void TestAuswertung::escapeWartetAufDasEndeDerZaehlung()
{
    TfrmAuswertung form;
    form.Schrittdauer = 20;
    bool nochOffen = false;
    WhenModal([&](QWidget*) {
        QTest::keyClick(&form, Qt::Key_Escape);
        nochOffen = form.isVisible() && form.ZaehltNoch();
        QTRY_VERIFY(form.btnSchliessen->isVisible());
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    form.Auswerten(5.0f, 5);
    QVERIFY(nochOffen);
    QVERIFY(!form.isVisible());
    QCOMPARE(form.lblAnzeige->text(), QStringLiteral("Sehr gut! Du bist ein Zahlenprofi."));
}

void TestAuswertung::zweitesOeffnenBeginntVonVorn()
{
    TfrmAuswertung form;
    form.Schrittdauer = 1;
    WhenModal([&](QWidget*) {
        QTRY_VERIFY(form.btnSchliessen->isVisible());
        form.btnSchliessen->click();
    });
    form.Auswerten(5.0f, 5);

    form.Schrittdauer = 50;
    QString bemerkungAmAnfang = QStringLiteral("?");
    bool knopfAmAnfang = true;
    WhenModal([&](QWidget*) {
        bemerkungAmAnfang = form.lblAnzeige->text();
        knopfAmAnfang = form.btnSchliessen->isVisible();
        QTRY_VERIFY_WITH_TIMEOUT(form.btnSchliessen->isVisible(), 10000);
        form.btnSchliessen->click();
    });
    form.Auswerten(1.0f, 2);
    QVERIFY(bemerkungAmAnfang.isEmpty());
    QVERIFY(!knopfAmAnfang);
    QCOMPARE(form.lblAnzeige->text(), QStringLiteral("Du solltest noch viel üben!"));
}

QTEST_MAIN(TestAuswertung)
#include "test_auswertung.moc"
