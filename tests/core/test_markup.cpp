#include "core/Markup.h"
#include "core/NumberHelpers.h"
#include "core/PixelProbe.h"
#include "core/WorldWindow.h"

#include <QGuiApplication>
#include <QtTest>

using namespace probe;

static const QColor Black(0, 0, 0);
static const QColor Red(255, 0, 0);
static const QColor Blue(0, 0, 255);

static QImage Paint(const std::function<void(Canvas&)>& paint, int w = 1000, int h = 700)
{
    QImage img = White(w, h);
    Canvas c(img);
    // The run painters keep the brush as they find it, and a solid brush
    // paints text cells opaquely; the world painters leave it clear.
    c.SetBrushStyle(Canvas::BrushStyle::Clear);
    paint(c);
    return img;
}

// Sum of the single characters' widths in the given font, marks skipped.
static int Advance(Canvas& c, const QString& text, int size, bool bold, const QString& skip = "#")
{
    c.SetFontName("Arial");
    c.SetFontSize(size);
    c.SetFontBold(bold);
    int w = 0;
    for (QChar ch : text)
        if (!skip.contains(ch))
            w += c.TextWidth(QString(ch));
    return w;
}

// The first run of at least minLength exactly black pixels on a row, from
// column from on.
static QPair<int, int> BlackRun(const QImage& img, int y, int minLength, int from = 0)
{
    int start = -1;
    for (int x = from; x <= img.width(); ++x) {
        const bool black = x < img.width() && Exactly(img.pixel(x, y), Black);
        if (black && start < 0)
            start = x;
        if (!black && start >= 0) {
            if (x - start >= minLength)
                return {start, x - start};
            start = -1;
        }
    }
    return {-1, 0};
}

// Rows of the fraction bar of "{3/4}" drawn with its bar at row 60.
static int BarThickness(int size)
{
    const QImage img = Paint([&](Canvas& c) { DrawFraction(c, 20, 60, Black, "{3/4}", size); },
                             200, 140);
    return Count(img, QRect(20, 40, 1, 40), [](QRgb p) { return Exactly(p, Black); });
}

class TestMarkup : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        SetWorldWindow(0, 1000, 0, 700, -12.5f, 12.5f, -9, 9);
    }

    void emphasisSpansInRed()
    {
        const QString text = QString("3 #%1# 5 = #%1#2").arg(EnDash);
        int width = 0;
        int dash = 0;
        int lead1 = 0;
        int lead2 = 0;
        int hash = 0;
        int allGlyphs = 0;
        Canvas::PenStyle pen = Canvas::PenStyle::Solid;
        const QImage img = Paint([&](Canvas& c) {
            width = MarkupWidth(c, text, 20, true);
            hash = Advance(c, "#", 20, true, "");
            allGlyphs = Advance(c, text, 20, true, "");
            dash = Advance(c, QString(EnDash), 20, true);
            lead1 = Advance(c, "3 ", 20, true);
            lead2 = Advance(c, QString("3 %1 5 = ").arg(EnDash), 20, true);
            PaintEmphCentred(c, text, Black, Red, 0, 0, 20, true);
            pen = c.GetPenStyle();
        });
        // The centring width counts the four '#' glyphs.
        QCOMPARE(width, allGlyphs);
        QCOMPARE(pen, Canvas::PenStyle::Clear);
        const int left = 500 - width / 2;
        const QRect ink = InkBounds(img);
        QVERIFY(ink.left() >= left && ink.left() <= left + 3);
        QVERIFY(ink.top() >= 350);
        // No '#' shows: the ink ends where the text without its marks ends.
        QVERIFY(ink.right() <= left + width - 4 * hash + 1);

        const QRect dash1(left + lead1, 340, dash, 60);
        const QRect dash2(left + lead2, 340, dash, 60);
        QVERIFY(Count(img, dash1, Reddish) > 10);
        QVERIFY(Count(img, dash2, Reddish) > 10);
        QCOMPARE(Count(img, QRect(0, 0, 1000, 700), Reddish),
                 Count(img, dash1, Reddish) + Count(img, dash2, Reddish));
        // Everything else is black with grey edges, without a red tint.
        int tinted = 0;
        for (int y = ink.top(); y <= ink.bottom(); ++y)
            for (int x = ink.left(); x <= ink.right(); ++x)
                if (!dash1.contains(x, y) && !dash2.contains(x, y) && Ink(img.pixel(x, y)))
                    tinted += Greyish(img.pixel(x, y)) ? 0 : 1;
        QCOMPARE(tinted, 0);
        QVERIFY(Count(img, ink, Dark) > 100);
    }

    void threeColours()
    {
        const QString text = "aa #bb# cc #dd# ee #ff#";
        const auto span = [](Canvas& c, const QString& before, const QString& part) {
            const int x = 20 + Advance(c, before, 16, false);
            return QRect(x, 340, Advance(c, part, 16, false), 40);
        };
        QRect a, b, f, plain;
        int width = 0;
        const QImage img = Paint([&](Canvas& c) {
            a = span(c, "aa ", "bb");
            b = span(c, "aa bb cc ", "dd");
            f = span(c, "aa bb cc dd ee ", "ff");
            plain = span(c, "", "aa ");
            width = MarkupWidth(c, text, 16, false);
            PaintEmph3(c, text, Black, Red, Blue, -12, 0, 16, false, false);
            PaintEmph3(c, text, Black, Red, Blue, 0, -2, 16, false, true);
        });
        QVERIFY(Count(img, a, Reddish) > 10);
        QCOMPARE(Count(img, a, Bluish), 0);
        for (const QRect& later : {b, f}) {
            QVERIFY(Count(img, later, Bluish) > 10);
            QCOMPARE(Count(img, later, Reddish), 0);
        }
        QVERIFY(Count(img, plain, Dark) > 10);
        QCOMPARE(Count(img, plain, [](QRgb p) { return !Greyish(p); }), 0);
        // Centred: the same text straddles the anchor.
        const QRect centred = InkBounds(img, QRect(0, 420, 1000, 40));
        QVERIFY(qAbs(centred.left() - (500 - width / 2)) <= 2);
    }

    void placementOfPlainTexts()
    {
        int width = 0;
        Canvas::BrushStyle brush = Canvas::BrushStyle::Solid;
        const QImage img = Paint([&](Canvas& c) {
            c.SetBrushStyle(Canvas::BrushStyle::Solid);
            c.SetBrushColor(Qt::yellow);
            width = MarkupWidth(c, "Zahlen", 14, true);
            PaintTextRight(c, "Zahlen", Black, 0, 8, 14, true);
            PaintTextLeft(c, "Zahlen", Black, 0, 6, 14, true);
            PaintTextCentred(c, "Zahlen", Black, 0, 4, 14, true);
            brush = c.GetBrushStyle();
        });
        QCOMPARE(brush, Canvas::BrushStyle::Clear);
        QCOMPARE(Count(img, img.rect(), [](QRgb p) { return Exactly(p, Qt::yellow); }), 0);
        const auto line = [&](float wy) {
            return InkBounds(img, QRect(0, WorldToScreen(0, wy).y(), 1000, 40));
        };
        const QRect right = line(8);
        const QRect left = line(6);
        const QRect centred = line(4);
        QVERIFY(right.right() <= 500 && right.right() >= 496);
        QVERIFY(right.top() >= WorldToScreen(0, 8).y());
        QVERIFY(left.left() >= 500 && left.left() <= 503);
        QVERIFY(centred.left() >= 500 - width / 2 && centred.left() <= 500 - width / 2 + 3);
        QCOMPARE(right.width(), left.width());
    }

    void raisedCharactersAreSmallerAndHigher()
    {
        int normalX = 0;
        int rawWidth = 0;
        int markedWidth = 0;
        int smallTwo = 0;
        const QImage img = Paint([&](Canvas& c) {
            normalX = Advance(c, "x", 20, false);
            rawWidth = MarkupWidth(c, "x2", 20, false);
            markedWidth = MarkupWidth(c, "x^2", 20, false);
            smallTwo = Advance(c, "2", 15, false);
            DrawPlainRun(c, "x2", 10, 20, Black, 20, false);
            DrawPlainRun(c, "x^2", 10, 80, Black, 20, false);
        }, 200, 140);
        QCOMPARE(markedWidth, normalX + smallTwo);
        QVERIFY(markedWidth < rawWidth);
        const QRect flat = InkBounds(img, QRect(10 + normalX, 0, 60, 60));
        const QRect raised = InkBounds(img, QRect(10 + normalX, 60, 60, 60));
        const QRect x = InkBounds(img, QRect(10, 60, normalX, 60));
        QVERIFY(raised.height() < flat.height());
        QVERIFY(raised.top() - 60 < flat.top());
        // The small digit's cell starts small div 2 = 7 pixels above the line's
        // top; its ink a little lower inside the smaller cell.
        const int lift = flat.top() - (raised.top() - 60);
        QVERIFY2(lift >= 7 && lift <= 11, qPrintable(QString::number(lift)));
        QVERIFY(raised.bottom() < x.bottom() - 3);
    }

    void termsShowCommaDotAndDash()
    {
        // "." and "*" become the decimal comma and the middle dot.
        int w1 = 0;
        int w2 = 0;
        const QImage marked = Paint([&](Canvas& c) {
            w1 = TermRunWidth(c, "2.5*3", 20);
            DrawTermRun(c, 10, 50, Black, "2.5*3", 20);
        }, 200, 100);
        const QImage shown = Paint([&](Canvas& c) {
            w2 = TermRunWidth(c, QString("2,5") + MiddleDot + "3", 20);
            DrawTermRun(c, 10, 50, Black, QString("2,5") + MiddleDot + "3", 20);
        }, 200, 100);
        QCOMPARE(marked, shown);
        QCOMPARE(w1, w2);
        // "-" is the en dash, 2 pixels right and 1 up; the next character
        // 8 pixels beyond the hyphen's width.
        int hyphen = 0;
        const QImage minus = Paint([&](Canvas& c) {
            hyphen = Advance(c, "-", 20, true);
            QCOMPARE(TermRunWidth(c, "-3", 20), hyphen + 8 + Advance(c, "3", 20, true));
            DrawTermRun(c, 10, 50, Black, "-3", 20);
        }, 200, 100);
        const QImage expected = Paint([&](Canvas& c) {
            c.SetFontSize(20);
            c.SetFontBold(true);
            const int top = 50 - c.TextHeight("-3") / 2;
            c.SetBrushStyle(Canvas::BrushStyle::Clear);
            c.TextOut(12, top - 1, QString(EnDash));
            c.TextOut(10 + hyphen + 8, top, "3");
        }, 200, 100);
        QCOMPARE(minus, expected);
    }

    void raisedGroupsInTerms()
    {
        int x = 0;
        int one = 0;
        int twelve = 0;
        const QImage group = Paint([&](Canvas& c) {
            x = Advance(c, "x", 20, true);
            one = Advance(c, "1", 15, true);
            twelve = Advance(c, "12", 20, true);
            DrawTermRun(c, 10, 50, Black, "x^{12}", 20);
        }, 200, 100);
        const QImage single = Paint([](Canvas& c) { DrawTermRun(c, 10, 50, Black, "x^12", 20); },
                                    200, 100);
        const int baseline = InkBounds(group, QRect(10, 0, x, 100)).bottom();
        // Both digits of the group stand raised and small.
        const QRect raised = InkBounds(group, QRect(10 + x, 0, 100, 100));
        QVERIFY(raised.bottom() < baseline - 5);
        QVERIFY(raised.width() < twelve - 3);
        // Without braces only the 1 is raised; the 2 stands on the line.
        const QRect two = InkBounds(single, QRect(10 + x + one, 0, 100, 100));
        QCOMPARE(two.bottom(), baseline);
        // After a raised group the term continues on the line.
        const QImage groupThenPlus =
            Paint([](Canvas& c) { DrawTermRun(c, 10, 50, Black, "x^{2}+1", 20); }, 200, 100);
        const QImage singleThenPlus =
            Paint([](Canvas& c) { DrawTermRun(c, 10, 50, Black, "x^2+1", 20); }, 200, 100);
        QCOMPARE(groupThenPlus, singleThenPlus);
    }

    void fractionBars()
    {
        int w = 0;
        int wn = 0;
        int wd = 0;
        const QImage img = Paint([&](Canvas& c) {
            wn = TermRunWidth(c, "3", 20);
            wd = TermRunWidth(c, "14", 20);
            w = FractionWidth(c, "{3/14}", 20);
            DrawFraction(c, 20, 60, Red, "{3/14}", 20);
            QCOMPARE(c.PenColor(), Black);
        }, 200, 140);
        QCOMPARE(w, qMax(wn, wd));
        const auto red = [](QRgb p) { return Exactly(p, Red); };
        // The bar spans the wider part exactly: two lines of pen width 2 on
        // rows 59 and 60 cover rows 59 to 61.
        QCOMPARE(Bounds(img, QRect(0, 55, 200, 10), red), QRect(20, 59, w, 3));
        // Numerator above, centred; denominator below.
        const QRect num = Bounds(img, QRect(0, 0, 200, 57), Reddish);
        const QRect den = Bounds(img, QRect(0, 62, 200, 78), Reddish);
        QVERIFY(!num.isNull() && !den.isNull());
        QVERIFY(num.left() >= 20 + (w - wn) / 2);
        QVERIFY(num.right() < 20 + (w - wn) / 2 + wn);
        QVERIFY(den.left() >= 20 && den.right() < 20 + w);
        QVERIFY(num.bottom() < 58 && num.bottom() > 45);
        QVERIFY(den.top() > 60 && den.top() < 72);

        // Pen width by size: 1 up to 12, 2 from 13 to 20, 3 otherwise.
        QCOMPARE(BarThickness(6), 2);
        QCOMPARE(BarThickness(12), 2);
        QCOMPARE(BarThickness(13), 3);
        QCOMPARE(BarThickness(20), 3);
        QCOMPARE(BarThickness(21), 4);
        QCOMPARE(BarThickness(5), 4);

        // A bar shows even when a text painter left the pen clear.
        const QImage afterText = Paint([](Canvas& c) {
            PaintEmphCentred(c, "a", Black, Red, 0, 0, 12, false);
            QCOMPARE(c.GetPenStyle(), Canvas::PenStyle::Clear);
            DrawFraction(c, 20, 60, Black, "{3/4}", 20);
        });
        QVERIFY(BlackRun(afterText, 60, 5).first == 20);

        // A raised exponent in the denominator moves it down.
        const QImage power = Paint([](Canvas& c) { DrawFraction(c, 20, 60, Black, "{1/2^3}", 20); },
                                   200, 140);
        const QImage plain = Paint([](Canvas& c) { DrawFraction(c, 20, 60, Black, "{1/23}", 20); },
                                   200, 140);
        QVERIFY(InkBounds(power, QRect(0, 62, 200, 78)).bottom()
                > InkBounds(plain, QRect(0, 62, 200, 78)).bottom());
    }

    void termsOfPieces()
    {
        int piece = 0;
        int fraction = 0;
        int drawn = 0;
        int measured = 0;
        const QImage img = Paint([&](Canvas& c) {
            piece = TermRunWidth(c, "(+3)", 20);
            fraction = FractionWidth(c, "{1/2}", 20);
            measured = TermWidth(c, "(+3){1/2}", 20);
            drawn = DrawTerm(c, 20, 60, Black, "(+3){1/2}", 20);
        }, 300, 140);
        QCOMPARE(drawn, piece + 4 + fraction + 4);
        QCOMPARE(measured, piece + 2 + fraction + 2);
        const auto bar = BlackRun(img, 60, 5, 20 + piece);
        QCOMPARE(bar.first, 20 + piece + 4);
        QCOMPARE(bar.second, fraction);
        // A group without a slash is a plain piece with its braces.
        Paint([&](Canvas& c) {
            QCOMPARE(TermWidth(c, "{12}", 20), TermRunWidth(c, "{12}", 20));
            QCOMPARE(DrawTerm(c, 0, 60, Black, "{12}", 20), TermRunWidth(c, "{12}", 20));
        });

        // Centred on the anchor by the measured width; terms are cut at 20.
        int width = 0;
        int advance = 0;
        int cutAdvance = 0;
        const QImage centred = Paint([&](Canvas& c) {
            width = TermWidth(c, "-4{1/3}", 18);
            PaintTermCentred(c, "-4{1/3}", Black, 0, 0, 18);
            QCOMPARE(c.PenWidth(), 2);
            advance = PaintTermLeft(c, "12345678901234567890", Black, -12, 5, 12);
            cutAdvance = PaintTermLeft(c, "12345678901234567890999", Black, -12, -5, 12);
        });
        QCOMPARE(cutAdvance, advance);
        const QRect ink = InkBounds(centred, QRect(0, 300, 1000, 100));
        QVERIFY(ink.left() >= 500 - width / 2 && ink.left() <= 500 - width / 2 + 3);
        QVERIFY(ink.top() < 350 && ink.bottom() > 350); // centred on the anchor's row
    }

    void splittingFractions()
    {
        const FractionParts none = SplitFraction("12");
        QCOMPARE(none.numerator, QString());
        QCOMPARE(none.denominator, QString("12"));
        const FractionParts group = SplitFraction("{3/4}");
        QCOMPARE(group.numerator, QString("{3"));
        QCOMPARE(group.denominator, QString("4}"));
        const FractionParts two = SplitFraction("a/b/c");
        QCOMPARE(two.numerator, QString("a"));
        QCOMPARE(two.denominator, QString("b/c"));
        QCOMPARE(SplitFraction("").denominator, QString());
    }

    void emptyAndBrokenTextsAreHarmless()
    {
        const QImage blank = White(1000, 700);
        const QImage empty = Paint([](Canvas& c) {
            QCOMPARE(MarkupWidth(c, "", 14, true), 0);
            QCOMPARE(TermRunWidth(c, "", 14), 0);
            QCOMPARE(TermWidth(c, "", 14), 0);
            QCOMPARE(FractionWidth(c, "", 14), 0);
            QCOMPARE(DrawTerm(c, 10, 10, Black, "", 14), 0);
            QCOMPARE(PaintTermLeft(c, "", Black, 0, 0, 14), 0);
            PaintTermCentred(c, "", Black, 0, 0, 14);
            PaintTextRight(c, "", Black, 0, 0, 14, true);
            PaintTextCentred(c, "", Black, 0, 0, 14, true);
            PaintTextLeft(c, "", Black, 0, 0, 14, true);
            PaintEmphLeft(c, "", Black, Red, 0, 0, 14, true);
            PaintEmphCentred(c, "", Black, Red, 0, 0, 14, true);
            PaintEmph3(c, "", Black, Red, Blue, 0, 0, 14, true, true);
            DrawPlainRun(c, "", 10, 10, Black, 14, true);
            DrawEmphRun(c, "", 10, 10, Black, Red, 14, true);
            DrawEmph3Run(c, "", 10, 10, Black, Red, Blue, 14, true);
            DrawTermRun(c, 10, 10, Black, "", 14);
            DrawFraction(c, 10, 10, Black, "", 14);
            // Marks alone paint nothing either.
            PaintEmphLeft(c, "##", Black, Red, 0, 0, 14, true);
            PaintTextLeft(c, "^", Black, 0, 0, 14, true);
            DrawTermRun(c, 10, 10, Black, "^", 14);
            DrawTermRun(c, 10, 10, Black, "^{}", 14);
        });
        QCOMPARE(empty, blank);

        // A trailing mark only sets its flag.
        const auto same = [](const std::function<void(Canvas&)>& a,
                             const std::function<void(Canvas&)>& b) {
            return Paint(a, 200, 100) == Paint(b, 200, 100);
        };
        QVERIFY(same([](Canvas& c) { DrawPlainRun(c, "x^", 10, 10, Black, 20, false); },
                     [](Canvas& c) { DrawPlainRun(c, "x", 10, 10, Black, 20, false); }));
        QVERIFY(same([](Canvas& c) { DrawTermRun(c, 10, 50, Black, "x^", 20); },
                     [](Canvas& c) { DrawTermRun(c, 10, 50, Black, "x", 20); }));
        QVERIFY(same([](Canvas& c) { DrawEmphRun(c, "x#", 10, 10, Black, Red, 20, false); },
                     [](Canvas& c) { DrawEmphRun(c, "x", 10, 10, Black, Red, 20, false); }));
        Paint([](Canvas& c) { QCOMPARE(MarkupWidth(c, "x^", 20, false), MarkupWidth(c, "x", 20, false)); });

        // An unclosed group runs to the end of the term instead of looping.
        int width = -1;
        int advance = -1;
        int fraction = -1;
        const QImage open = Paint([&](Canvas& c) {
            fraction = FractionWidth(c, "{1/2", 20);
            width = TermWidth(c, "3+{1/2", 20);
            advance = DrawTerm(c, 20, 60, Black, "3+{1/2", 20);
            DrawTerm(c, 20, 120, Black, "{", 20);
            DrawTerm(c, 20, 120, Black, "}{/", 20);
            DrawFraction(c, 20, 180, Black, "/", 20);
            DrawFraction(c, 20, 180, Black, "{}", 20);
            PaintTermLeft(c, "{{{{", Black, 0, 0, 20);
        });
        Paint([&](Canvas& c) {
            QCOMPARE(width, TermRunWidth(c, "3+", 20) + 2 + FractionWidth(c, "{1/2", 20) + 2);
            QCOMPARE(advance, width + 4);
        });
        QCOMPARE(BlackRun(open, 60, fraction).second, fraction);
    }
};

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    TestMarkup t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_markup.moc"
