#include "core/Canvas.h"

#include <QGuiApplication>
#include <QtTest>

// Counts pixels of one exact colour in a rectangle.
static int CountColour(const QImage& img, const QRect& r, QRgb c)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += (img.pixel(x, y) & 0xFFFFFF) == (c & 0xFFFFFF);
    return n;
}

class TestCanvas : public QObject {
    Q_OBJECT
private slots:
    void linesLeaveOutTheirEndPoint()
    {
        QImage img(40, 40, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            Canvas c(img);
            c.SetPenColor(Qt::black);
            c.MoveTo(5, 10);
            c.LineTo(15, 10);
            c.MoveTo(20, 5);
            c.LineTo(20, 25);
        }
        QCOMPARE(CountColour(img, QRect(0, 10, 19, 1), qRgb(0, 0, 0)), 10);
        QCOMPARE(img.pixel(5, 10) & 0xFFFFFF, 0u);
        QCOMPARE(img.pixel(15, 10) & 0xFFFFFF, 0xFFFFFFu);
        QCOMPARE(CountColour(img, QRect(20, 0, 1, 40), qRgb(0, 0, 0)), 20);
    }

    void widePenCoversItsWidth()
    {
        QImage img(40, 40, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            Canvas c(img);
            c.SetPenColor(Qt::red);
            c.SetPenWidth(7);
            c.MoveTo(0, 20);
            c.LineTo(40, 20);
        }
        for (int y = 17; y <= 23; ++y)
            QCOMPARE(img.pixel(10, y) & 0xFFFFFF, 0xFF0000u);
        QCOMPARE(img.pixel(10, 16) & 0xFFFFFF, 0xFFFFFFu);
        QCOMPARE(img.pixel(10, 24) & 0xFFFFFF, 0xFFFFFFu);
    }

    void rectangleAndFloodFill()
    {
        QImage img(40, 40, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            Canvas c(img);
            c.SetBrushStyle(Canvas::BrushStyle::Clear);
            c.SetPenColor(Qt::black);
            c.Rectangle(10, 10, 20, 20); // outline on 10 … 19
            c.SetBrushColor(Qt::blue);
            c.FloodFill(15, 15, Qt::white, Canvas::FillStyle::Surface);
            c.SetPixel(0, 0, Qt::green);
            QCOMPARE(c.Pixel(0, 0), QColor(Qt::green));
        }
        QCOMPARE(img.pixel(10, 10) & 0xFFFFFF, 0u);
        QCOMPARE(img.pixel(19, 19) & 0xFFFFFF, 0u);
        QCOMPARE(img.pixel(20, 20) & 0xFFFFFF, 0xFFFFFFu);
        QCOMPARE(CountColour(img, QRect(0, 0, 40, 40), qRgb(0, 0, 255)), 8 * 8);
        QCOMPARE(img.pixel(5, 5) & 0xFFFFFF, 0xFFFFFFu); // outside stays untouched
    }

    void stateAndText()
    {
        QImage img(200, 60, QImage::Format_RGB32);
        img.fill(Qt::white);
        Canvas c(img);
        c.SetFontName("Arial");
        c.SetFontSize(18);
        c.SetFontBold(true);
        QCOMPARE(c.Font().pixelSize(), 24);
        QVERIFY(c.TextWidth("WWW") > c.TextWidth("iii"));
        QCOMPARE(c.TextWidth(""), 0);
        const int h = c.TextHeight("X");
        QVERIFY(h >= 24 && h <= 32);
        c.SetBrushStyle(Canvas::BrushStyle::Clear);
        c.SetFontColor(Qt::red);
        c.TextOut(10, 10, "H");
        // The glyph starts at the anchor's row: nothing above it, red below.
        QCOMPARE(CountColour(img, QRect(0, 0, 200, 10), qRgb(255, 0, 0)), 0);
        QVERIFY(CountColour(img, QRect(10, 10, 30, h), qRgb(255, 0, 0)) > 20);
        // Font settings persist between calls.
        QVERIFY(c.FontBold());
        QCOMPARE(c.FontSize(), 18);
    }

    void arcRunsCounterClockwise()
    {
        QImage img(100, 100, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            Canvas c(img);
            c.SetPenColor(Qt::black);
            // From the right (0 degrees) to the left (180 degrees): the upper half.
            c.Arc(20, 20, 80, 80, 80, 50, 20, 50);
        }
        QVERIFY(CountColour(img, QRect(0, 0, 100, 45), qRgb(0, 0, 0)) > 30);
        QCOMPARE(CountColour(img, QRect(0, 56, 100, 44), qRgb(0, 0, 0)), 0);
    }
};

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TestCanvas t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_canvas.moc"
