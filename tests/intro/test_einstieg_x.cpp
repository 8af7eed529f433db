// The thermometer exercise of the integer introduction as the X server
// shows it, after wrong entries beside the start value and off the scale.
#include "intro/EinstiegGanzU.h"

#include "common/EchtesFenster.h"
#include "core/PaintBox.h"
#include "core/WorldWindow.h"

#include <QLineEdit>
#include <QtTest>

class TestEinstiegX : public QObject {
    Q_OBJECT

private slots:
    void thermometerNachFalschenEingaben_data();
    void thermometerNachFalschenEingaben();
};

void TestEinstiegX::thermometerNachFalschenEingaben_data()
{
    QTest::addColumn<int>("abstand"); // entered value = start + abstand, or the value itself
    QTest::addColumn<bool>("fest");
    QTest::newRow("3 über dem Start") << 3 << false;
    QTest::newRow("2 unter dem Start") << -2 << false;
    QTest::newRow("999 weit oben") << 999 << true;
    QTest::newRow("-80 weit unten") << -80 << true;
}

void TestEinstiegX::thermometerNachFalschenEingaben()
{
    ECHTES_FENSTER_NOETIG();
    QFETCH(int, abstand);
    QFETCH(bool, fest);
    TfrmGanzEinstieg form;
    QVERIFY(echtes_fenster::Zeigen(&form));
    form.menTemp->trigger();
    echtes_fenster::Ruhe();
    auto* feld = form.findChild<QLineEdit*>(QStringLiteral("edt1"));
    QVERIFY(feld);
    const int start = form.Zustand().Thermo.StartTemp;
    const int wert = fest ? abstand : start + abstand;
    QVERIFY(wert != form.Zustand().Thermo.EndTemp);
    for (int versuch = 0; versuch < 2; ++versuch) {
        QTRY_VERIFY(feld->isVisible() && feld->hasFocus());
        feld->selectAll();
        QTest::keyClicks(feld, wert < 0 ? QStringLiteral("-%1").arg(-wert) : QString::number(wert));
        QTest::keyClick(feld, Qt::Key_Return);
        echtes_fenster::Ruhe();
    }
    QVERIFY(form.Zustand().Auswertung.Wrong[1]);
    echtes_fenster::Ruhe(150);
    echtes_fenster::Foto(&form, QStringLiteral("x_thermo_%1").arg(QTest::currentDataTag()));

    // Nothing stale on screen, and the red "(falsch)" reading stands right
    // of the thermometer, inside the paint area.
    QCOMPARE(echtes_fenster::Abweichungen(&form, 8), 0);
    const QImage bild = echtes_fenster::Bild(form.pnt);
    int rot = 0;
    const QPoint links = WorldToScreen(3.4f, 6.5f), rechts = WorldToScreen(12, -3.5f);
    for (int y = links.y(); y <= rechts.y(); ++y)
        for (int x = links.x(); x < qMin(rechts.x(), bild.width()); ++x) {
            const QRgb c = bild.pixel(x, y);
            rot += qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
        }
    QVERIFY2(rot > 60, qPrintable(QString::number(rot)));
}

QTEST_MAIN(TestEinstiegX)
#include "test_einstieg_x.moc"
