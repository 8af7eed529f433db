// Runs with QT_SCALE_FACTOR=2: painted areas and pictures must be drawn at the
// device resolution, not scaled up from the logical size.
#include "assets/Bilder.h"
#include "core/Canvas.h"
#include "core/PaintBox.h"

#include <QtTest>

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(qApp->devicePixelRatio() >= 2.0, "run with QT_SCALE_FACTOR=2"); }

    void paintAreaDrawsAtDeviceResolution()
    {
        PaintBox box;
        box.resize(200, 100);
        box.SetBackground(Qt::white);
        box.OnPaint = [](Canvas& c) {
            c.SetPenColor(Qt::black);
            c.SetPenWidth(3);
            c.MoveTo(20, 50);
            c.LineTo(180, 50);
        };
        box.show();
        const QImage bild = box.Render(box.devicePixelRatioF());
        QCOMPARE(bild.size(), QSize(400, 200));
        // A 3-pixel bar becomes 6 device rows, each fully black or fully
        // white: sharp, with no blurred rows of an upscaled buffer.
        int schwarz = 0;
        for (int y = 80; y < 120; ++y) {
            const QRgb p = bild.pixel(200, y) & 0xFFFFFF;
            QVERIFY2(p == 0 || p == 0xFFFFFF, qPrintable(QString::number(y)));
            schwarz += p == 0;
        }
        QCOMPARE(schwarz, 6);
    }

    void picturesAreDrawnLarger()
    {
        const QImage bild = StatusBild(StatusArt::RichtigErster);
        QCOMPARE(bild.deviceIndependentSize().toSize(), QSize(StatusBreite, StatusHoehe));
        QCOMPARE(bild.size(), QSize(2 * StatusBreite, 2 * StatusHoehe));
        QCOMPARE(MarkeRichtig().size(), QSize(2 * MarkeSeite, 2 * MarkeSeite));
    }
};

QTEST_MAIN(TestHiDpi)
#include "test_hidpi.moc"
