#include "intro/EinstiegBilder.h"

#include "core/Canvas.h"
#include "core/Markup.h"
#include "core/NumberHelpers.h"

#include <QFontMetrics>

namespace {

const QColor Schwarz(0, 0, 0);
const QColor Rot(255, 0, 0);
const QColor Blau(0, 0, 255);

// Sets one line of text and symbols from left to right, all on one baseline.
// The number-set letters and the set symbols are drawn with lines because the
// screen font has no glyphs for them.
class Zeile {
public:
    Zeile(Canvas& canvas, int x, int top, int size)
        : c_(canvas), x_(x), top_(top), size_(size)
    {
        c_.SetFontName(QStringLiteral("Arial"));
        c_.SetFontSize(size_);
        c_.SetFontBold(true);
        const QFontMetrics fm(c_.Font());
        c_.SetBrushStyle(Canvas::BrushStyle::Clear);
        base_ = top_ + fm.ascent();
        cap_ = fm.capHeight();
        xHeight_ = fm.xHeight();
    }

    int X() const { return x_; }

    Zeile& Text(const QString& text, const QColor& colour)
    {
        DrawPlainRun(c_, text, x_, top_, colour, size_, true);
        x_ += MarkupWidth(c_, text, size_, true);
        return *this;
    }

    // A raised sign after a set letter: ℤ⁺, ℤ⁻.
    Zeile& Hoch(const QString& text, const QColor& colour) { return Text(u'^' + text, colour); }

    // Double-struck Z: heavy bars joined by a heavy and a thin diagonal.
    Zeile& Z(const QColor& colour)
    {
        const int t = base_ - cap_;
        const int w = cap_ * 4 / 5 + 1;
        Pen(colour, 1);
        for (const int y : {t, t + 1, base_ - 1, base_})
            Line(x_, y, x_ + w + 1, y);
        for (const int d : {0, 1})
            Line(x_ + w - 4 + d, t + 1, x_ + d, base_ - 1);
        Line(x_ + w, t + 1, x_ + 4, base_ - 1);
        x_ += w + Luft();
        return *this;
    }

    // Double-struck Q: the bowl, a second thin stroke inside its left side
    // and the tail.
    Zeile& Q(const QColor& colour)
    {
        const int t = base_ - cap_;
        const int w = cap_ + 1;
        Pen(colour, 2);
        c_.SetBrushStyle(Canvas::BrushStyle::Clear);
        c_.Ellipse(x_, t, x_ + w + 1, base_ + 2);
        Pen(colour, 1);
        Line(x_ + 4, t + 3, x_ + 4, base_ - 1);
        Pen(colour, 2);
        Line(x_ + w / 2 + 1, base_ - cap_ / 4, x_ + w + 2, base_ + 3);
        x_ += w + 2 + Luft();
        return *this;
    }

    // Set union: a cup of x height.
    Zeile& Vereinigt(const QColor& colour)
    {
        const int w = xHeight_ + 1;
        const int t = base_ - cap_;
        x_ += Luft();
        Pen(colour, 2);
        Line(x_, t, x_, base_ - w / 2);
        Line(x_ + w, t, x_ + w, base_ - w / 2);
        c_.Arc(x_, base_ - w, x_ + w + 1, base_ + 1, x_, base_ - w / 2, x_ + w, base_ - w / 2);
        x_ += w + 2 * Luft();
        return *this;
    }

    // Element of: an open half circle with a middle stroke.
    Zeile& Element(const QColor& colour)
    {
        x_ += Luft();
        HalbKreis(colour, true);
        return *this;
    }

    // Subset of: an open half circle.
    Zeile& Teilmenge(const QColor& colour)
    {
        x_ += Luft();
        HalbKreis(colour, false);
        return *this;
    }

    // A minus before a built-up fraction. The dash stands at the height of
    // the fraction bar, so a gap keeps the two strokes apart.
    Zeile& MinusVorBruch(const QColor& colour)
    {
        Text(QString(EnDash), colour);
        x_ += qMax(3, size_ * 2 / 5);
        return *this;
    }

    // A built-up fraction "{a/b}" with its bar on the middle of the x height.
    Zeile& Bruch(const QString& term, const QColor& colour)
    {
        DrawFraction(c_, x_, base_ - xHeight_ / 2, colour, term, size_);
        x_ += FractionWidth(c_, term, size_) + Luft();
        return *this;
    }

private:
    int Luft() const { return qMax(2, size_ / 4); }

    void Pen(const QColor& colour, int width)
    {
        c_.SetPenStyle(Canvas::PenStyle::Solid);
        c_.SetPenColor(colour);
        c_.SetPenWidth(width);
    }

    void Line(int x1, int y1, int x2, int y2)
    {
        c_.MoveTo(x1, y1);
        c_.LineTo(x2, y2);
    }

    void HalbKreis(const QColor& colour, bool mitStrich)
    {
        const int h = xHeight_ + 2;
        const int r = h / 2;
        const int t = base_ - h;
        const int cy = t + r;
        Pen(colour, 2);
        c_.Arc(x_, t, x_ + h + 1, base_ + 1, x_ + r, t, x_ + r, base_);
        Line(x_ + r, t, x_ + h + 1, t);
        Line(x_ + r, base_, x_ + h + 1, base_);
        if (mitStrich)
            Line(x_, cy, x_ + h + 1, cy);
        x_ += h + 2 * Luft();
    }

    Canvas& c_;
    int x_;
    int top_;
    int size_;
    int base_ = 0;
    int cap_ = 0;
    int xHeight_ = 0;
};

QImage Leer(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QString Minus(int n)
{
    return EnDash + QString::number(n);
}

QString Plus(int n)
{
    return u'+' + QString::number(n);
}

} // namespace

QImage GanzEinstiegBild1()
{
    QImage image = Leer(245, 22);
    Canvas canvas(image);
    Zeile z(canvas, 1, 1, 10);
    z.Z(Schwarz).Text(QStringLiteral(" = { …, "), Schwarz);
    for (int n = 3; n >= 1; --n)
        z.Text(Minus(n), Rot).Text(QStringLiteral(", "), Schwarz);
    z.Text(QStringLiteral("0"), Schwarz);
    for (int n = 1; n <= 3; ++n)
        z.Text(QStringLiteral(", "), Schwarz).Text(Plus(n), Blau);
    z.Text(QStringLiteral(", … }"), Schwarz);
    return image;
}

QImage GanzEinstiegBild2()
{
    QImage image = Leer(362, 59);
    Canvas canvas(image);
    Zeile oben(canvas, 1, 2, 12);
    oben.Z(Blau).Hoch(QStringLiteral("+"), Blau).Text(QStringLiteral(" = { +1, +2, +3, … }"), Blau);
    Zeile unten(canvas, 1, 32, 12);
    unten.Z(Rot).Hoch(QString(EnDash), Rot).Text(QStringLiteral(" = { "), Rot);
    unten.Text(QStringLiteral("…, ") + Minus(3) + QStringLiteral(", ") + Minus(2) + QStringLiteral(", ") + Minus(1)
                   + QStringLiteral(" }"),
               Rot);

    // Both halves with zero between them make up the whole set.
    const int links = qMax(oben.X(), unten.X()) + 20;
    Zeile ganz(canvas, links, 16, 14);
    ganz.Z(Schwarz).Text(QStringLiteral(" = "), Schwarz).Z(Rot).Hoch(QString(EnDash), Rot);
    ganz.Vereinigt(Schwarz).Text(QStringLiteral("{ 0 }"), Schwarz).Vereinigt(Schwarz);
    ganz.Z(Blau).Hoch(QStringLiteral("+"), Blau);
    return image;
}

QImage RationalEinstiegBild1()
{
    QImage image = Leer(372, 35);
    Canvas canvas(image);
    Zeile z(canvas, 1, 5, 12);
    z.Q(Schwarz).Text(QStringLiteral(" = {  "), Schwarz).Bruch(QStringLiteral("{a/b}"), Rot);
    z.Text(QStringLiteral("  |  a, b"), Schwarz).Element(Schwarz).Z(Schwarz);
    z.Text(QStringLiteral(" und b ≠ 0 }"), Schwarz);
    return image;
}

QImage RationalEinstiegBild2()
{
    QImage image = Leer(235, 32);
    Canvas canvas(image);
    Zeile z(canvas, 1, 5, 11);
    z.Z(Schwarz).Text(QStringLiteral(" "), Schwarz).Teilmenge(Schwarz).Q(Schwarz).Text(QStringLiteral(":  ") + Minus(2) + QStringLiteral(" = "), Schwarz);
    z.MinusVorBruch(Rot).Bruch(QStringLiteral("{2/1}"), Rot);
    z.Text(QStringLiteral("   0,6 = "), Schwarz).Bruch(QStringLiteral("{3/5}"), Blau);
    return image;
}
