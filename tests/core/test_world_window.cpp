#include "core/Markup.h"
#include "core/PaintBox.h"
#include "core/PixelProbe.h"
#include "core/Thermometer.h"
#include "core/WorldWindow.h"

#include <QApplication>
#include <QtTest>

#include <cmath>
#include <limits>

using namespace probe;

// The two windows the screens use.
static void IntroWindow()
{
    SetWorldWindow(0, 1000, 0, 700, -12.5f, 12.5f, -9, 9);
}
static void DrillWindow()
{
    SetWorldWindow(0, 1000, 0, 700, -25, 25, -20, 20);
}

static QImage Paint(const std::function<void(Canvas&)>& paint, int w = 1000, int h = 700)
{
    QImage img = White(w, h);
    Canvas c(img);
    paint(c);
    return img;
}

static bool Red(QRgb c)
{
    return Exactly(c, QColor(255, 0, 0));
}

class TestWorldWindow : public QObject {
    Q_OBJECT
private slots:
    void roundingHalvesToEven()
    {
        QCOMPARE(RoundHalfEven(10.5), 10);
        QCOMPARE(RoundHalfEven(7.5), 8);
        QCOMPARE(RoundHalfEven(-2.5), -2);
        QCOMPARE(RoundHalfEven(-3.5), -4);
        QCOMPARE(RoundHalfEven(2.4999), 2);
        QCOMPARE(RoundHalfEven(-0.6), -1);
        // Out of range never overflows.
        QCOMPARE(RoundHalfEven(1e300), std::numeric_limits<int>::max());
        QCOMPARE(RoundHalfEven(-1e300), std::numeric_limits<int>::min());
        QCOMPARE(RoundHalfEven(std::nan("")), 0);
        QCOMPARE(SmallSize(14), 10);
        QCOMPARE(SmallSize(10), 8);
        QCOMPARE(SmallSize(20), 15);
    }

    void windowsOfTheScreens()
    {
        IntroWindow();
        QCOMPARE(WorldWindow.scaleX, 40);
        QCOMPARE(WorldWindow.scaleY, 39);
        QCOMPARE(WorldWindow.originX, 500);
        QCOMPARE(WorldWindow.originY, 350);
        QCOMPARE(WorldToScreen(0, 0), QPoint(500, 350));
        QCOMPARE(WorldToScreen(12.5f, 0), QPoint(1000, 350));
        QCOMPARE(WorldToScreen(0, 9), QPoint(500, -1));
        QCOMPARE(WorldToScreen(-12.5f, -9), QPoint(0, 701));

        DrillWindow();
        QCOMPARE(WorldWindow.scaleX, 20);
        QCOMPARE(WorldWindow.scaleY, 18); // 17.5 rounds to the even 18
        QCOMPARE(WorldToScreen(1, 1), QPoint(520, 332));
        // Pixel halves go to the even neighbour too.
        QCOMPARE(WorldToScreen(0.125f, 0).x(), 502);
        QCOMPARE(WorldToScreen(0.375f, 0).x(), 508);

        // A window on a screen rectangle that does not start at the left...
        SetWorldWindow(100, 300, 0, 100, 0, 10, 0, 5);
        QCOMPARE(WorldToScreen(0, 0), QPoint(100, 100));
        QCOMPARE(WorldToScreen(10, 5), QPoint(300, 0));
        // ... and one that does not start at the top either.
        SetWorldWindow(0, 100, 50, 150, 0, 10, 0, 10);
        QCOMPARE(WorldToScreen(0, 0), QPoint(0, 150));
        QCOMPARE(WorldToScreen(10, 10), QPoint(100, 50));
    }

    void windowWithoutExtentKeepsThePrevious()
    {
        DrillWindow();
        SetWorldWindow(0, 1000, 0, 700, 3, 3, -20, 20);
        SetWorldWindow(0, 1000, 0, 700, -25, 25, 1, 1);
        QCOMPARE(WorldWindow.scaleX, 20);
        QCOMPARE(WorldToScreen(1, 1), QPoint(520, 332));
    }

    void arrowHeads()
    {
        IntroWindow();
        // Shaft from pixel 300 to 700 on row 350; heads 12 pixels long, 4 high.
        auto heads = [](char which) {
            const QImage img = Paint([&](Canvas& c) { ArrowH(c, 1, Qt::red, -5, 5, 0, which); });
            return std::array<int, 4>{
                Count(img, QRect(300, 340, 14, 10), Red), Count(img, QRect(300, 351, 14, 10), Red),
                Count(img, QRect(687, 340, 14, 10), Red), Count(img, QRect(687, 351, 14, 10), Red)};
        };
        for (int n : heads('B'))
            QVERIFY(n >= 8);
        const auto left = heads('L');
        QVERIFY(left[0] >= 8 && left[1] >= 8 && left[2] == 0 && left[3] == 0);
        const auto right = heads('R');
        QVERIFY(right[0] == 0 && right[1] == 0 && right[2] >= 8 && right[3] >= 8);
        for (int n : heads('x'))
            QCOMPARE(n, 0);
        // The shaft alone: exactly its 400 pixels.
        const QImage shaft = Paint([](Canvas& c) { ArrowH(c, 1, Qt::red, -5, 5, 0, 'Q'); });
        QCOMPARE(Count(shaft, shaft.rect(), Red), 400);

        // Vertical: 'O' at the first point (upper end), 'U' at the second.
        const QImage up = Paint([](Canvas& c) { ArrowV(c, 1, Qt::red, 0, 4, -4, 'O'); });
        const QPoint top = WorldToScreen(0, 4);
        const QPoint bottom = WorldToScreen(0, -4);
        QVERIFY(Count(up, QRect(top.x() - 5, top.y() + 1, 5, 13), Red) >= 8);
        QVERIFY(Count(up, QRect(top.x() + 1, top.y() + 1, 5, 13), Red) >= 8);
        QCOMPARE(Count(up, QRect(bottom.x() - 5, bottom.y() - 13, 5, 13), Red), 0);
        QCOMPARE(Count(up, QRect(bottom.x() + 1, bottom.y() - 13, 5, 13), Red), 0);
        const QImage down = Paint([](Canvas& c) { ArrowV(c, 1, Qt::red, 0, 4, -4, 'U'); });
        QVERIFY(Count(down, QRect(bottom.x() - 5, bottom.y() - 13, 5, 13), Red) >= 8);
        QVERIFY(Count(down, QRect(bottom.x() + 1, bottom.y() - 13, 5, 13), Red) >= 8);
        QCOMPARE(Count(down, QRect(top.x() - 5, top.y() + 1, 5, 13), Red), 0);
    }

    void lineStyleZeroKeepsTheDottedPen()
    {
        IntroWindow();
        Canvas::PenStyle after = Canvas::PenStyle::Solid;
        const QImage img = Paint([&](Canvas& c) {
            WorldLine(c, 1, Qt::red, -5, 1, 5, 1, LineDotted);
            WorldLine(c, 1, Qt::red, -5, 0, 5, 0, 0);
            after = c.GetPenStyle();
            WorldLine(c, 1, Qt::red, -5, -1, 5, -1, LineSolid);
            WorldLine(c, 1, Qt::red, -5, -2, 5, -2, 7);
            QCOMPARE(c.GetBrushStyle(), Canvas::BrushStyle::Clear);
        });
        QCOMPARE(after, Canvas::PenStyle::Dot);
        const auto row = [&](float wy) {
            return Count(img, QRect(0, WorldToScreen(0, wy).y(), 1000, 1), Red);
        };
        QCOMPARE(row(1), 200);
        QCOMPARE(row(0), 200);
        QCOMPARE(row(-1), 400);
        QCOMPARE(row(-2), 400); // an unknown style keeps the solid pen
    }

    void boxesAndCross()
    {
        IntroWindow();
        const QImage img = Paint([](Canvas& c) {
            // 2 x 1 world units: half sizes 80 div 2 and 39 div 2 pixels.
            CentredBox(c, 1, Qt::black, 0, 0, 2, 1, Qt::red, true);
            WorldBox(c, 1, Qt::blue, -10, 5, -8, 3, Qt::red, false);
            Cross(c, Qt::blue, 8, 5, 1);
        });
        QCOMPARE(InkBounds(img, QRect(400, 300, 200, 100)), QRect(460, 331, 80, 38));
        QVERIFY(Exactly(img.pixel(500, 350), Qt::red));
        QVERIFY(Exactly(img.pixel(460, 340), Qt::black));
        // The open box keeps its inside.
        QCOMPARE(InkBounds(img, QRect(0, 0, 250, 300)), QRect(100, 155, 80, 78));
        QVERIFY(Exactly(img.pixel(140, 190), Qt::white));
        // The cross: both diagonals through the centre, 3 pixels wide.
        const QPoint centre = WorldToScreen(8, 5);
        QVERIFY(Exactly(img.pixel(centre.x() + 20, centre.y() + 20), Qt::blue));
        QVERIFY(Exactly(img.pixel(centre.x() - 20, centre.y() + 20), Qt::blue));
        QVERIFY(Count(img, QRect(centre.x() + 10, centre.y() - 20, 1, 40),
                      [](QRgb c) { return Exactly(c, Qt::blue); })
                >= 3);
    }

    void arcRunsCounterClockwise()
    {
        IntroWindow();
        const QImage img = Paint([](Canvas& c) {
            c.SetPenColor(Qt::red);
            WorldArc(c, 0, 0, 2, 0, 90); // the upper right quarter
        });
        QVERIFY(Count(img, QRect(500, 250, 100, 100), Red) > 50);
        QCOMPARE(Count(img, QRect(400, 250, 99, 100), Red), 0);
        QCOMPARE(Count(img, QRect(400, 352, 200, 100), Red), 0);
    }

    void thermometer()
    {
        IntroWindow();
        const QColor yellow(255, 255, 200);
        PaintBox box;
        box.resize(1000, 700);
        box.SetBackground(Qt::white);
        box.OnPaint = [&](Canvas& c) {
            Thermometer(c, Qt::blue, yellow, -8, 0, 2.5f, Qt::red, 1.5f, 'L', true);
            Thermometer(c, Qt::blue, yellow, 8, 0, -1, Qt::red, 1.5f, 'X', true);
        };
        const QImage img = box.Render();
        const auto at = [&](float wx, float wy) {
            const QPoint p = WorldToScreen(wx, wy);
            return img.pixel(p.x(), p.y());
        };

        // The column reaches the level of 25 degrees and no further.
        QVERIFY(Red(at(-8, 2.45f)));
        QVERIFY(Exactly(at(-8, 2.6f), yellow));
        // Bulb and the tube below the column are filled; the frame's inside is not.
        for (float wx : {-8.4f, -8.0f, -7.6f})
            QVERIFY(Red(at(wx, -3.3f)));
        QVERIFY(Red(at(-8, -2.35f)));
        QVERIFY(Exactly(at(-9.2f, -4.2f), yellow));
        QVERIFY(Exactly(at(-8, 5.3f), yellow)); // the empty tube above the column
        QVERIFY(Red(at(8, -3.3f)));
        QVERIFY(Red(at(8, -1.2f)));
        QVERIFY(Exactly(at(8, -0.8f), yellow));

        // 71 degree ticks on each side, from -20 to 50; every fifth reaches
        // further (15 of them, the ten-degree ticks among them).
        const auto black = [](QRgb c) { return Exactly(c, Qt::black); };
        const int yFrom = WorldToScreen(0, 5.2f).y();
        const int yTo = WorldToScreen(0, -2.2f).y();
        QCOMPARE(RunsDown(img, WorldToScreen(-8.5f, 0).x(), yFrom, yTo, black), 71);
        QCOMPARE(RunsDown(img, WorldToScreen(-7.5f, 0).x(), yFrom, yTo, black), 71);
        QCOMPARE(RunsDown(img, WorldToScreen(-8.82f, 0).x(), yFrom, yTo, black), 15);
        QCOMPARE(RunsDown(img, WorldToScreen(-7.18f, 0).x(), yFrom, yTo, black), 15);
        QCOMPARE(RunsDown(img, WorldToScreen(-8.95f, 0).x(), yFrom, yTo, black), 8);

        // Labels centred on x = -9.5, each top a quarter unit above its tick.
        const int labelX = WorldToScreen(-9.5f, 0).x();
        for (int k = -2; k <= 5; ++k) {
            const QPoint anchor = WorldToScreen(-9.5f, k + 0.25f);
            const QRect label = Bounds(img, QRect(labelX - 25, anchor.y(), 42, 20), Dark);
            QVERIFY2(!label.isNull(), qPrintable(QString::number(k)));
            QVERIFY(qAbs((label.left() + label.right()) / 2.0 - labelX) <= 2.0);
            QVERIFY(label.top() >= anchor.y() && label.top() <= anchor.y() + 6);
        }
        // No labels for another side letter: the strips where they would
        // stand, inside the frame beyond the ticks, stay clean.
        const auto strip = [&](float from, float to) {
            const QPoint a = WorldToScreen(from, 5.5f);
            const QPoint b = WorldToScreen(to, -2.5f);
            return Count(img, QRect(a, b), Dark);
        };
        QVERIFY(strip(-9.45f, -9.05f) > 50);
        QCOMPARE(strip(9.05f, 9.45f), 0);
        QCOMPARE(strip(6.55f, 6.95f), 0);
    }

    void thermometerWithoutFrameOnItsBackground()
    {
        IntroWindow();
        const QImage img = Paint([](Canvas& c) {
            Thermometer(c, Qt::blue, Qt::white, 0, 0, 0, Qt::red, 1.5f, 'R', false);
        });
        const QPoint bulb = WorldToScreen(0, -3.3f);
        QVERIFY(Red(img.pixel(bulb)));
        // The fill stays inside the glass.
        QVERIFY(Exactly(img.pixel(WorldToScreen(-1.2f, -3.3f)), Qt::white));
        QVERIFY(Exactly(img.pixel(WorldToScreen(0, 3)), Qt::white));
        QCOMPARE(Count(img, QRect(0, 0, 1000, 700),
                       [](QRgb c) { return Exactly(c, Qt::blue); }),
                 0);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TestWorldWindow t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_world_window.moc"
