// The X-server helper must see what the server holds: a widget that changes
// without repainting differs from its fresh rendering, and the pixels read
// back are the ones on screen.
#include "common/EchtesFenster.h"

#include <QPainter>
#include <QtTest>

namespace {

class Flaeche : public QWidget {
public:
    QColor farbe = Qt::red;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), farbe); }
};

} // namespace

class TestEchtesFenster : public QObject {
    Q_OBJECT

private slots:
    void siehtVergesseneNeuzeichnung();
};

void TestEchtesFenster::siehtVergesseneNeuzeichnung()
{
    ECHTES_FENSTER_NOETIG();
    Flaeche w;
    w.setFixedSize(120, 80);
    QVERIFY(echtes_fenster::Zeigen(&w));
    QCOMPARE(echtes_fenster::Pixel(&w, QPoint(60, 40)) & 0xFFFFFF, QColor(Qt::red).rgb() & 0xFFFFFF);
    QCOMPARE(echtes_fenster::Abweichungen(&w), 0);

    w.farbe = Qt::blue; // changed, but no repaint asked for
    echtes_fenster::Ruhe();
    QCOMPARE(echtes_fenster::Abweichungen(&w), 120 * 80);
    QCOMPARE(echtes_fenster::Pixel(&w, QPoint(60, 40)) & 0xFFFFFF, QColor(Qt::red).rgb() & 0xFFFFFF);

    w.update(QRect(0, 0, 60, 80)); // half repainted: the other half stays stale
    echtes_fenster::Ruhe();
    QCOMPARE(echtes_fenster::Abweichungen(&w), 60 * 80);
    w.update();
    echtes_fenster::Ruhe();
    QCOMPARE(echtes_fenster::Abweichungen(&w), 0);
    QCOMPARE(echtes_fenster::Pixel(&w, QPoint(100, 40)) & 0xFFFFFF, QColor(Qt::blue).rgb() & 0xFFFFFF);
}

QTEST_MAIN(TestEchtesFenster)
#include "test_echtes_fenster.moc"
