#include "BruchsatzBeispiele.h"

#include "core/Canvas.h"
#include "core/Random.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

QImage Blank(int w = 1000, int h = 700)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

int CountColour(const QImage& img, const QRect& r, const QColor& colour)
{
    int n = 0;
    const QRect area = r.intersected(img.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += (img.pixel(x, y) & 0xFFFFFF) == (colour.rgb() & 0xFFFFFF);
    return n;
}

QString Digits(int n)
{
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(u'0' + (i * 7 + 3) % 10);
    return s;
}

// Random operands: every sign form, numerators and denominators of 1 to 20 digits.
TOperanden RandomOperands()
{
    const QString signs[] = {QStringLiteral("+"), QString(EnDash), QString()};
    TOperanden ops;
    for (auto& o : ops)
        o = TOperand{signs[Random(3)], Digits(1 + Random(Random(4) == 0 ? 20 : 3)),
                     Digits(1 + Random(Random(4) == 0 ? 20 : 3))};
    return ops;
}

TOperatoren RandomOperators()
{
    const QChar all[] = {u'+', EnDash, MiddleDot, u':'};
    return {all[Random(4)], all[Random(4)], all[Random(4)]};
}

} // namespace

class TestBruchsatz : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        SetKSys(RationalKSys());
        InitTermPalette();
    }

    void screenSystemMapping()
    {
        const TKSys k = RationalKSys();
        QCOMPARE(k.scaleX, 20);
        QCOMPARE(k.scaleY, 18); // 17.5 rounded to the even neighbour
        QCOMPARE(k.originX, 500);
        QCOMPARE(k.originY, 350);
        QCOMPARE(k.fillColour, -1);
        QVERIFY(!k.gridVisible);
        QCOMPARE(k.WorldToPixel(0, 0), QPoint(500, 350));
        QCOMPARE(k.WorldToPixel(-25, 20), QPoint(0, -10));
        QCOMPARE(k.WorldToPixel(25, -20), QPoint(1000, 710));
        // Halves go to the even neighbour: 502.5 -> 502, 507.5 -> 508.
        QCOMPARE(k.WorldToPixel(0.125f, 0).x(), 502);
        QCOMPARE(k.WorldToPixel(0.375f, 0).x(), 508);
    }

    void offsetAndRoundedScales()
    {
        // 18.5 pixels per unit round to 18; the origin is placed with 18.5.
        const TKSys k(-2, 2, -2, 2, 10, 84, 20, 94);
        QCOMPARE(k.scaleX, 18);
        QCOMPARE(k.originX, 37);
        QCOMPARE(k.WorldToPixel(0, 0), QPoint(47, 57));
        QCOMPARE(k.WorldToPixel(1, 1), QPoint(65, 39));
        // A range that runs downwards still gives a positive vertical scale.
        const TKSys flipped(0, 10, 10, 0, 0, 100, 0, 100);
        QCOMPARE(flipped.scaleY, 10);
    }

    void degenerateSystemsStayUsable()
    {
        const TKSys empty(3, 3, 5, 5, 0, 100, 0, 100);
        QVERIFY(empty.scaleX != 0);
        QVERIFY(empty.scaleY > 0);
        const TKSys narrow(0, 1000, 0, 1000, 0, 10, 0, 10); // 0.01 pixel per unit
        QCOMPARE(narrow.scaleX, 1);
        QCOMPARE(narrow.scaleY, 1);
        const TKSys k = RationalKSys();
        const QPoint far = k.WorldToPixel(1e30f, -1e30f);
        QVERIFY(far.x() > 100000 && far.y() > 100000);
        const QPoint nan = k.WorldToPixel(std::numeric_limits<float>::quiet_NaN(), 0);
        QCOMPARE(nan.y(), 350);
        // Painting through a degenerate system measures and paints without fault.
        SetKSys(empty);
        QImage img = Blank(100, 100);
        Canvas c(img);
        QVERIFY(std::isfinite(TermShapeWidth(5, c, BeispielTerme()[0].operanden,
                                             BeispielTerme()[0].operatoren, 'J', 'L', 20)));
        PaintTermShape(16, c, BeispielTerme()[1].operanden, BeispielTerme()[1].operatoren, 'J', 'L',
                       0, 0, 20, Qt::black);
    }

    void backdropFillAxesAndDots()
    {
        QImage img = Blank(100, 100);
        {
            Canvas c(img);
            TKSys k(-5, 5, -5, 5, 0, 100, 0, 100);
            k.PaintBackdrop(c);
        }
        QCOMPARE(CountColour(img, img.rect(), Qt::white), 100 * 100); // both off: nothing
        {
            Canvas c(img);
            TKSys k(-5, 5, -5, 5, 0, 100, 0, 100);
            k.fillColour = 0x336699;
            k.gridVisible = true;
            k.PaintBackdrop(c);
        }
        QCOMPARE(img.pixelColor(5, 5), QColor(0x33, 0x66, 0x99));
        QCOMPARE(img.pixelColor(50, 3), QColor(128, 128, 128)); // vertical axis
        QCOMPARE(img.pixelColor(97, 50), QColor(128, 128, 128)); // horizontal axis
        QCOMPARE(img.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(img.pixelColor(70, 20), QColor(Qt::black));
        QCOMPARE(img.pixelColor(71, 20), QColor(0x33, 0x66, 0x99));
    }

    void worldLineStylesAndArc()
    {
        QImage img = Blank(200, 200);
        const TKSys k(-10, 10, -10, 10, 0, 200, 0, 200);
        {
            Canvas c(img);
            k.WorldLine(c, 1, Qt::red, -5, 8, 5, 8, 2); // dotted
            k.WorldLine(c, 3, Qt::blue, -5, -5, 5, -5, 1);
            k.WorldArc(c, 1, Qt::green, 0, 0, 5, 0, 90);
            QCOMPARE(c.GetPenStyle(), Canvas::PenStyle::Solid);
        }
        QCOMPARE(CountColour(img, QRect(50, 20, 100, 1), Qt::red), 50);
        QCOMPARE(CountColour(img, QRect(50, 149, 100, 3), Qt::blue), 300);
        // A quarter arc counter-clockwise from 0°: only in the upper right quarter.
        const int arc = CountColour(img, img.rect(), Qt::green);
        QVERIFY(arc > 60);
        QCOMPARE(CountColour(img, QRect(100, 50, 51, 51), Qt::green), arc);
    }

    void markedTextWidths()
    {
        QImage img = Blank();
        Canvas c(img);
        const int x = TermTextWidth(c, "x", 20);
        const int three = TermTextWidth(c, "3", 20);
        QVERIFY(x > 0);
        c.SetFontSize(15);
        const int smallTwo = c.TextWidth("2");
        c.SetFontSize(22);
        const int pi = c.TextWidth(QString(QChar(0x03C0)));
        const int cross = c.TextWidth(QString(QChar(0x00D7)));
        const int arrow = c.TextWidth(QString(QChar(0x2192)));
        QCOMPARE(TermTextWidth(c, "x^2", 20), x + smallTwo);
        // Symbol codes stand for their Unicode signs: 0xB4 the cross, 0xAE the arrow.
        QCOMPARE(TermTextWidth(c, "@" + QString(QChar(0xB4)) + "@" + QString(QChar(0xAE)), 20), cross + arrow);
        QCOMPARE(SymbolGlyph(u'-'), QChar(0x2212));
        QCOMPARE(TermTextWidth(c, "x\\2", 20), x + smallTwo);
        QCOMPARE(TermTextWidth(c, "@p", 20), pi);
        QCOMPARE(TermTextWidth(c, "#3#$&_~" + QString(Paragraph), 20), three);
        QCOMPARE(TermTextWidth(c, "", 20), 0);
        QCOMPARE(TermTextWidth(c, "^", 20), 0);   // a mark at the end paints nothing
        QCOMPARE(TermTextWidth(c, "3@", 20), three);
        QCOMPARE(TermTextWorldWidth(c, "x^2", 20), float(x + smallTwo) / 20);
        // The font is left at bold Arial of the size.
        QVERIFY(c.FontBold());
        QCOMPARE(c.FontSize(), 20);
    }

    void raisedLoweredAndSymbolPlaces()
    {
        // Each marked text must paint exactly what painting its pieces by hand gives.
        struct Case {
            QString text;
            bool plain; // DrawTermText rather than DrawTermTextColored
            int smallSize;
            QString glyph;
            int dx;
            int dy;
        };
        const Case cases[] = {
            {"x^2", false, 15, "2", 0, -7},
            {"x\\2", false, 15, "2", 0, 15},
            {"x@p", false, 22, QString(QChar(0x03C0)), 0, -4},
            {"x@a", false, 22, QString(QChar(0x03B1)), 0, -2},
            {"x^4", false, 15, "4", 0, -7},
            {"x^4", true, 15, "4", 1, -7}, // a raised 4 stands one pixel further right
        };
        for (const Case& k : cases) {
            QImage marked = Blank(200, 80);
            QImage byHand = Blank(200, 80);
            {
                Canvas c(marked);
                if (k.plain)
                    DrawTermText(c, k.text, 10, 20, 30);
                else
                    DrawTermTextColored(c, k.text, 10, true, 20, Qt::black, 30);
            }
            {
                Canvas c(byHand);
                c.SetFontBold(true);
                c.SetFontSize(20);
                c.TextOut(10, 30, "x");
                const int w = c.TextWidth("x");
                c.SetFontSize(k.smallSize);
                c.TextOut(10 + w + k.dx, 30 + k.dy, k.glyph);
            }
            QVERIFY2(marked == byHand, qPrintable(k.text));
        }
    }

    void colourMarksSwitchOnPixels()
    {
        QImage img = Blank(300, 80);
        Canvas c(img);
        const int w3 = TermTextWidth(c, "3", 20);
        const int w4 = TermTextWidth(c, "4", 20);
        DrawTermText(c, "#3#4", 10, 20, 20);
        const QRect r3(10, 20, w3, 31);
        const QRect r4(10 + w3, 20, w4, 31);
        QVERIFY(CountColour(img, r3, TermPalette.Hash) > 20);
        QCOMPARE(CountColour(img, r3, Qt::black), 0);
        QVERIFY(CountColour(img, r4, Qt::black) > 20);
        QCOMPARE(CountColour(img, r4, TermPalette.Hash), 0);

        // The first $ closes the # span: 3 pink, 4 black, 5 in the $ colour.
        img.fill(Qt::white);
        const int w5 = TermTextWidth(c, "5", 20);
        DrawTermText(c, "#3$4$5", 10, 20, 20);
        QVERIFY(CountColour(img, r3, TermPalette.Hash) > 20);
        QVERIFY(CountColour(img, r4, Qt::black) > 20);
        QCOMPARE(CountColour(img, r4, TermPalette.Dollar), 0);
        const QRect r5(10 + w3 + w4, 20, w5, 31);
        QVERIFY(CountColour(img, r5, TermPalette.Dollar) > 20);
        QCOMPARE(CountColour(img, r5, Qt::black), 0);

        // In a coloured text a mark switches to the mark colour and back to the given base.
        img.fill(Qt::white);
        DrawTermTextColored(c, QString(Paragraph) + "3" + QString(Paragraph) + "4", 10, true, 20,
                            Qt::blue, 20);
        QVERIFY(CountColour(img, r3, TermPalette.Section) > 20);
        QVERIFY(CountColour(img, r4, Qt::blue) > 20);
    }

    void anchoredTextPlacesAndAdvances()
    {
        QImage img = Blank();
        Canvas c(img);
        const int w = TermTextWidth(c, "12", 20);
        QCOMPARE(PaintTermText(c, "12", 20, 0, 0, 'L', 'O'), float(w) / 20);
        QCOMPARE(PaintTermText(c, "12", 20, 0, 0, 'M', 'O'), float(w) / 40);
        QCOMPARE(PaintTermText(c, "12", 20, 0, 0, 'R', 'O'), 0.0f);
        QCOMPARE(PaintTermTextColored(c, "", 20, 0, 0, Qt::red, 'L', 'M'), 0.0f);
        QCOMPARE(TermTextAdvance(c, "12", 20, 'M'), float(w) / 40);
        // Right alignment ends the text at the anchor's pixel column.
        img.fill(Qt::white);
        PaintTermTextColored(c, "8", 20, 0, 0, Qt::red, 'R', 'O');
        QCOMPARE(CountColour(img, QRect(500, 0, 500, 700), Qt::red), 0);
        QVERIFY(CountColour(img, QRect(500 - w / 2, 340, w / 2, 50), Qt::red) > 20);
    }

    void fractionBarSpansTheWiderText_data()
    {
        QTest::addColumn<QString>("num");
        QTest::addColumn<QString>("den");
        QTest::addColumn<float>("x");
        QTest::addColumn<char>("align");
        QTest::newRow("7/12") << "7" << "12" << -3.0f << 'L';
        QTest::newRow("wide numerator") << "123456" << "7" << 2.3f << 'L';
        QTest::newRow("on a half pixel") << "7" << "12" << 0.125f << 'L';
        QTest::newRow("centred") << "5" << "16" << 1.0f << 'M';
        QTest::newRow("long") << Digits(20) << "3" << -12.0f << 'L';
    }

    void fractionBarSpansTheWiderText()
    {
        QFETCH(QString, num);
        QFETCH(QString, den);
        QFETCH(float, x);
        QFETCH(char, align);
        const QColor bar(0, 0, 255);
        QImage img = Blank();
        Canvas c(img);
        const int W = std::max(TermTextWidth(c, num, 20), TermTextWidth(c, den, 20));
        const float advance = PaintFractionBox(c, num, den, x, 2, 20, bar, align);
        QCOMPARE(advance, FractionBoxWidth(c, num, den, 20, align));
        QCOMPARE(advance, (align == 'M' ? float(W) / 40 : float(W) / 20) + 3.0f / 20);
        const QPoint left = KSys().WorldToPixel(align == 'M' ? x - (float(W) / 20) / 2 : x, 2);
        // Pen width 3: rows py − 1 … py + 1 over exactly W columns.
        for (int row = left.y() - 1; row <= left.y() + 1; ++row) {
            QCOMPARE(CountColour(img, QRect(left.x(), row, W, 1), bar), W);
            QCOMPARE(CountColour(img, QRect(left.x() - 2, row, 2, 1), bar), 0);
            QCOMPARE(CountColour(img, QRect(left.x() + W, row, 2, 1), bar), 0);
        }
        QVERIFY(CountColour(img, QRect(left.x(), left.y() - 2, W, 1), bar) < W / 2);
        QVERIFY(CountColour(img, QRect(left.x(), left.y() + 2, W, 1), bar) < W / 2);
        // Numerator above the bar, denominator below it.
        QVERIFY(CountColour(img, QRect(left.x(), left.y() - 30, W, 27), bar) > 20);
        QVERIFY(CountColour(img, QRect(left.x(), left.y() + 3, W, 30), bar) > 20);
    }

    void bracketsHaveTheirPenAndHeight()
    {
        QImage img = Blank();
        Canvas c(img);
        c.SetFontSize(20);
        const int h = c.TextHeight("3");
        const float e = 0.85f * float(h) / 18;
        QCOMPARE(PaintSquareBracket(c, "3", 0, 0, 20, Qt::red, 1), 5.0f / 20 + 0.3f);
        // The upright is 3 pixels wide and reaches from y − e to y + e.
        QCOMPARE(CountColour(img, QRect(499, 350, 3, 1), Qt::red), 3);
        QCOMPARE(CountColour(img, QRect(497, 350, 2, 1), Qt::red), 0);
        QCOMPARE(CountColour(img, QRect(502, 350, 2, 1), Qt::red), 0);
        const int top = KSys().WorldToPixel(0, e).y();
        const int bottom = KSys().WorldToPixel(0, -e).y();
        QCOMPARE(CountColour(img, QRect(500, 0, 1, 700), Qt::red), bottom - top + 3);
        // Closed corners: the top stroke covers the upright's outer edge.
        QCOMPARE(img.pixelColor(499, top - 1), QColor(Qt::red));

        img.fill(Qt::white);
        QCOMPARE(PaintSquareBracket(c, "3", 0, 0, 10, Qt::red, 2), 3.0f / 20 + 0.3f);
        QCOMPARE(CountColour(img, QRect(0, 350, 1000, 1), Qt::red), 2); // pen 2 below size 12

        img.fill(Qt::white);
        QCOMPARE(PaintRoundBracket(c, "3", 0, 0, 20, Qt::red, 1), RoundBracketWidth(20));
        QCOMPARE(RoundBracketWidth(20), 8.0f / 20);
        QCOMPARE(RoundBracketWidth(11), 5.0f / 20);
        // The upright and its arcs join without a gap.
        const int e2top = KSys().WorldToPixel(0, 0.6f * float(h) / 18).y();
        int firstRow = -1, lastRow = -1;
        for (int y = 0; y < 700; ++y)
            if (CountColour(img, QRect(490, y, 30, 1), Qt::red) > 0) {
                if (firstRow < 0)
                    firstRow = y;
                QCOMPARE(lastRow < 0 || lastRow == y - 1, true);
                lastRow = y;
            }
        QVERIFY(firstRow < e2top - 3);
        QVERIFY(lastRow > 2 * 350 - e2top + 3);

        img.fill(Qt::white);
        PaintRoundBracket(c, "3", 0, 0, 20, Qt::red, 3);
        PaintSquareBracket(c, "3", 0, 0, 20, Qt::red, 0);
        QCOMPARE(CountColour(img, img.rect(), Qt::red), 0); // unknown kinds paint nothing
    }

    void operandTwinsEqualTheirPainters()
    {
        QImage img = Blank();
        Canvas c(img);
        const QString signs[] = {"+", QString(EnDash), ""};
        const QString nums[] = {"3", "12", Digits(20), ""};
        for (int size : {10, 16, 20})
            for (char align : {'L', 'M'})
                for (const QString& s : signs)
                    for (const QString& n : nums)
                        for (const QString& d : nums) {
                            const QString what = QStringLiteral("%1 %2/%3 %4 %5").arg(s, n, d).arg(size).arg(align);
                            QVERIFY2(PaintBracketedOperand(c, s, n, d, -3, 1, size, Qt::black, align)
                                         == BracketedOperandWidth(c, s, n, d, size, align),
                                     qPrintable(what));
                            QVERIFY2(PaintLeadOperand(c, s, n, d, -3, 1, size, Qt::black, align)
                                         == LeadOperandWidth(c, s, n, d, size, align),
                                     qPrintable(what));
                            QVERIFY2(PaintFractionBox(c, n, d, -3, 1, size, Qt::black, align)
                                         == FractionBoxWidth(c, n, d, size, align),
                                     qPrintable(what));
                        }
        QCOMPARE(PaintPlainOperand(c, "3", "4", 0, 0, 20, Qt::black, 'L'),
                 LeadOperandWidth(c, "", "3", "4", 20, 'L'));
        QCOMPARE(PaintSquareBracket(c, "3", 0, 0, 16, Qt::black, 1), SquareBracketWidth(16));
    }

    void leadSignStandsBeforeItsFraction()
    {
        // Shape 7 with "–": the sign, then 0.3 later the fraction, no brackets.
        QImage img = Blank();
        Canvas c(img);
        TOperanden ops{TOperand{QString(EnDash), "3", "4"}, TOperand{"", "1", "2"}};
        const TOperatoren opz{u'+', QChar(), QChar()};
        PaintTermShape(7, c, ops, opz, 'J', 'L', -5, 0, 20, Qt::blue);
        const float barStart = -5 + TermTextWorldWidth(c, QString(EnDash), 20) + 0.3f;
        const QPoint p = KSys().WorldToPixel(barStart, 0);
        QCOMPARE(img.pixelColor(p.x(), p.y()), QColor(Qt::blue));
        QVERIFY(img.pixelColor(p.x() - 1, p.y()) != QColor(Qt::blue));
        // The minus sign itself is blue as well (a lead sign takes the colour).
        const int dashW = TermTextWidth(c, QString(EnDash), 20);
        QVERIFY(CountColour(img, QRect(p.x() - 6 - dashW, p.y() - 6, dashW, 12), Qt::blue) > 10);
        // Nothing black left of the fraction: no bracket.
        QCOMPARE(CountColour(img, QRect(0, 300, p.x(), 100), Qt::black), 0);
    }

    void minusStandsOnTheBarLikePlus()
    {
        // The en dash is raised to the middle of "+", so both signs sit on the bar.
        auto middleRow = [](const QString& sign) {
            QImage img = Blank();
            Canvas c(img);
            PaintLeadOperand(c, sign, "3", "4", 0, 0, 20, Qt::red, 'L');
            const int w = TermTextWidth(c, sign, 20);
            int sum = 0, n = 0;
            for (int y = 300; y < 400; ++y)
                if (CountColour(img, QRect(500, y, w, 1), Qt::red) >= w / 2) {
                    sum += y;
                    ++n;
                }
            return n ? double(sum) / n : -1.0;
        };
        const double plus = middleRow("+");
        const double minus = middleRow(QString(EnDash));
        QVERIFY(plus > 0 && minus > 0);
        QVERIFY2(std::abs(plus - minus) <= 1.0, qPrintable(QString("%1 %2").arg(plus).arg(minus)));
        QVERIFY(std::abs(minus - 350) <= 2.0);
    }

    void shapeTwinsEqualTheirPainters()
    {
        QImage img = Blank();
        Canvas c(img);
        RandSeed(4711);
        auto terms = BeispielTerme();
        for (int i = 0; i < 60; ++i)
            terms.push_back({RandomOperands(), RandomOperators()});
        for (int shape = 1; shape <= TermShapeCount; ++shape)
            for (const auto& t : terms)
                for (char closing : {'J', 'N'})
                    for (int size : {16, 20}) {
                        const float measured = TermShapeWidth(shape, c, t.operanden, t.operatoren,
                                                              closing, 'L', size);
                        const float painted = PaintTermShape(shape, c, t.operanden, t.operatoren,
                                                             closing, 'L', -7.3f, 2.1f, size, Qt::black);
                        QVERIFY2(measured == painted, qPrintable(QString("shape %1").arg(shape)));
                        QVERIFY(measured > 0);
                    }
    }

    void signedShapesDropPlusBrackets()
    {
        // "+3/4" is bracketed in shape 1 and a plain fraction in shape 10.
        QImage img = Blank();
        Canvas c(img);
        TOperanden ops{TOperand{"+", "3", "4"}, TOperand{"+", "1", "2"}};
        const TOperatoren opz{MiddleDot, QChar(), QChar()};
        const float o = TermTextWorldWidth(c, OperatorText(MiddleDot), 20);
        const float e = TermTextWorldWidth(c, ClosingText, 20);
        QCOMPARE(TermShapeWidth(1, c, ops, opz, 'J', 'L', 20),
                 BracketedOperandWidth(c, ops[0], 20, 'L') + o + BracketedOperandWidth(c, ops[1], 20, 'L') + e);
        const float plain = LeadOperandWidth(c, "", "3", "4", 20, 'L');
        QCOMPARE(TermShapeWidth(10, c, ops, opz, 'J', 'L', 20),
                 plain + o + LeadOperandWidth(c, "", "1", "2", 20, 'L') + e);
        // Painted at the same place, shape 1 opens with the upright of "(",
        // shape 10 with the plain fraction 0.3 further right.
        const int upright = KSys().WorldToPixel(-5, 0).x();
        PaintTermShape(1, c, ops, opz, 'J', 'L', -5, 0, 20, Qt::black);
        QCOMPARE(CountColour(img, QRect(upright, 340, 1, 20), Qt::black), 20);
        img.fill(Qt::white);
        PaintTermShape(10, c, ops, opz, 'J', 'L', -5, 0, 20, Qt::black);
        QCOMPARE(CountColour(img, QRect(upright - 2, 300, 5, 100), Qt::black), 0);
        QCOMPARE(img.pixelColor(upright + 6, 350), QColor(Qt::black)); // the first bar
    }

    void shape14GroupBracketFollowsTheLastSign()
    {
        QImage img = Blank();
        Canvas c(img);
        const TOperatoren opz{u'+', MiddleDot, QChar()};
        TOperanden round{TOperand{"", "1", "2"}, TOperand{"", "3", "4"}, TOperand{"+", "5", "6"}};
        TOperanden square = round;
        square[2].Vorzeichen = QString(EnDash);
        const float base = TermShapeWidth(14, c, round, opz, 'J', 'L', 20);
        // Square group: "]" (with its own space) instead of ")" plus a gap, and the
        // bracketed last operand instead of the plain fraction.
        const float expected = base - (RoundBracketWidth(20) + 0.3f) + SquareBracketWidth(20)
            - LeadOperandWidth(c, "", "5", "6", 20, 'L')
            + BracketedOperandWidth(c, square[2], 20, 'L') - RoundBracketWidth(20)
            + SquareBracketWidth(20);
        QVERIFY(std::abs(TermShapeWidth(14, c, square, opz, 'J', 'L', 20) - expected) < 1e-4f);
    }

    void emptyAndUnknownInputPaintNothing()
    {
        QImage img = Blank();
        Canvas c(img);
        const TOperanden none{};
        const TOperatoren noOps{};
        for (int shape = -1; shape <= TermShapeCount + 1; ++shape) {
            const float w = TermShapeWidth(shape, c, none, noOps, 'J', 'L', 20);
            QCOMPARE(PaintTermShape(shape, c, none, noOps, 'J', 'L', 0, 0, 20, Qt::black), w);
        }
        QCOMPARE(TermShapeWidth(0, c, BeispielTerme()[0].operanden, noOps, 'J', 'L', 20), 0.0f);
        QCOMPARE(TermShapeWidth(17, c, BeispielTerme()[0].operanden, noOps, 'J', 'L', 20), 0.0f);
        img.fill(Qt::white);
        PaintTermShape(17, c, BeispielTerme()[0].operanden, noOps, 'J', 'L', 0, 0, 20, Qt::black);
        PaintTermText(c, "", 20, 0, 0, 'L', 'M');
        PaintTermTextAt(c, "", 16, 0, 19, 'M');
        DrawTermText(c, "#$^", 10, 20, 10);
        PaintFractionBox(c, "", "", 0, 0, 20, Qt::black, 'L');
        QCOMPARE(CountColour(img, img.rect(), Qt::white), 1000 * 700);
        QCOMPARE(OperatorText(QChar()), QStringLiteral("  "));
        QCOMPARE(OperatorText(u'+'), QStringLiteral(" + "));
    }
};

QTEST_MAIN(TestBruchsatz)
#include "test_bruchsatz.moc"
