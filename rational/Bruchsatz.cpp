#include "rational/Bruchsatz.h"

#include "core/Canvas.h"

#include <algorithm>

namespace {

// Signs and operators stand 0.05 above the bars, which centres them on the
// bar for the screens' fonts.
constexpr float SignLift = 0.05f;
constexpr float GroupGap = 0.3f; // before a group's closing bracket

int BracketPen(int size)
{
    return size > 11 ? 3 : 2;
}

// An upright or level bracket stroke between two world points. Its ends are
// square, half the pen beyond each point, so that the strokes of a square
// bracket meet in closed corners and the arcs of a round one join its upright
// without a gap.
void BracketStroke(Canvas& c, int pen, const QColor& colour, float x1, float y1, float x2,
                   float y2)
{
    const TKSys& k = KSys();
    const QPoint a = k.WorldToPixel(x1, y1);
    const QPoint b = k.WorldToPixel(x2, y2);
    const int half = pen / 2;
    c.SetPenStyle(Canvas::PenStyle::Solid);
    c.SetBrushStyle(Canvas::BrushStyle::Clear);
    c.SetPenWidth(pen);
    c.SetPenColor(colour);
    if (a.y() == b.y()) {
        c.MoveTo(std::min(a.x(), b.x()) - half, a.y());
        c.LineTo(std::max(a.x(), b.x()) + half + 1, a.y());
    } else {
        c.MoveTo(a.x(), std::min(a.y(), b.y()) - half);
        c.LineTo(a.x(), std::max(a.y(), b.y()) + half + 1);
    }
}

float BracketHalfHeight(Canvas& c, const QString& reference, int size, float share)
{
    c.SetFontSize(size);
    return share * float(c.TextExtent(reference).height()) / float(KSys().scaleY);
}

// Pixel width of the wider of numerator and denominator: the bar's length.
int BarPixels(Canvas& c, const QString& numerator, const QString& denominator, int size)
{
    return std::max(TermTextWidth(c, numerator, size), TermTextWidth(c, denominator, size));
}

float BoxAdvance(int barPixels, char align)
{
    const TKSys& k = KSys();
    const float w = k.PixelsToWorld(barPixels);
    return k.PixelsToWorld(3) + (align == 'M' ? w / 2 : w);
}

} // namespace

float SquareBracketWidth(int size)
{
    return KSys().PixelsToWorld(size > 11 ? 5 : 3) + 0.3f;
}

float PaintSquareBracket(Canvas& canvas, const QString& reference, float x, float y, int size,
                         const QColor& colour, int kind)
{
    const TKSys& k = KSys();
    const float b = k.PixelsToWorld(size > 11 ? 5 : 3);
    const float e = BracketHalfHeight(canvas, reference, size, 0.85f);
    if (kind == 1 || kind == 2) {
        const float stroke = kind == 1 ? x : x + b;
        const int pen = BracketPen(size);
        BracketStroke(canvas, pen, colour, stroke, y - e, stroke, y + e);
        BracketStroke(canvas, pen, colour, x, y + e, x + b, y + e);
        BracketStroke(canvas, pen, colour, x, y - e, x + b, y - e);
    }
    return SquareBracketWidth(size);
}

float RoundBracketWidth(int size)
{
    return KSys().PixelsToWorld(size > 11 ? 8 : 5);
}

float PaintRoundBracket(Canvas& canvas, const QString& reference, float x, float y, int size,
                        const QColor& colour, int kind)
{
    const TKSys& k = KSys();
    const float r = RoundBracketWidth(size);
    const float e = BracketHalfHeight(canvas, reference, size, 0.6f);
    const int pen = BracketPen(size);
    if (kind == 1) {
        BracketStroke(canvas, pen, colour, x, y - e, x, y + e);
        k.WorldArc(canvas, pen, colour, x + r, y + e, r, 120, 180);
        k.WorldArc(canvas, pen, colour, x + r, y - e, r, 180, 250);
    } else if (kind == 2) {
        BracketStroke(canvas, pen, colour, x + r, y - e, x + r, y + e);
        k.WorldArc(canvas, pen, colour, x, y + e, r, 0, 70);
        k.WorldArc(canvas, pen, colour, x, y - e, r, 290, 360);
    }
    return r;
}

float FractionBoxWidth(Canvas& canvas, const QString& numerator, const QString& denominator,
                       int size, char align)
{
    return BoxAdvance(BarPixels(canvas, numerator, denominator, size), align);
}

float PaintFractionBox(Canvas& canvas, const QString& numerator, const QString& denominator,
                       float x, float y, int size, const QColor& colour, char align)
{
    const TKSys& k = KSys();
    const int bar = BarPixels(canvas, numerator, denominator, size);
    const float w = k.PixelsToWorld(bar);
    const float left = align == 'M' ? x - w / 2 : x;
    const float middle = align == 'M' ? x : x + w / 2;
    PaintTermTextColored(canvas, numerator, size, middle, y, colour, 'M', 'U');
    // The bar is laid in pixels from its left end, so it is exactly as long as
    // the wider text wherever the term stands.
    canvas.SetPenStyle(Canvas::PenStyle::Solid);
    canvas.SetBrushStyle(Canvas::BrushStyle::Clear);
    canvas.SetPenWidth(3);
    canvas.SetPenColor(colour);
    const QPoint p = k.WorldToPixel(left, y);
    canvas.MoveTo(p.x(), p.y());
    canvas.LineTo(p.x() + bar, p.y());
    PaintTermTextColored(canvas, denominator, size, middle, y, colour, 'M', 'O');
    return BoxAdvance(bar, align);
}

float BracketedOperandWidth(Canvas& canvas, const QString& sign, const QString& numerator,
                            const QString& denominator, int size, char align)
{
    const float fb = FractionBoxWidth(canvas, numerator, denominator, size, align);
    if (sign.isEmpty())
        return fb + SignGap;
    const float rb = RoundBracketWidth(size);
    const float sw = TermTextAdvance(canvas, sign, size, align);
    return 2 * rb + sw + fb + SignGap;
}

float PaintBracketedOperand(Canvas& canvas, const QString& sign, const QString& numerator,
                            const QString& denominator, float x, float y, int size,
                            const QColor& colour, char align)
{
    if (sign.isEmpty()) {
        // Nothing to enclose: the fraction alone, placed like an unsigned lead.
        const float fb = PaintFractionBox(canvas, numerator, denominator, x + LeadGap, y, size,
                                          colour, align);
        return fb + SignGap;
    }
    const QColor black(0, 0, 0);
    const float rb = PaintRoundBracket(canvas, numerator, x, y, size, black, 1);
    const float sw = PaintTermText(canvas, sign, size, x + rb, y + SignLift, align, 'M');
    const float fb = PaintFractionBox(canvas, numerator, denominator, x + rb + sw + SignGap, y,
                                      size, colour, align);
    PaintRoundBracket(canvas, numerator, x + rb + sw + fb + SignGap, y, size, black, 2);
    return 2 * rb + sw + fb + SignGap;
}

float LeadOperandWidth(Canvas& canvas, const QString& sign, const QString& numerator,
                       const QString& denominator, int size, char align)
{
    // The painter lays the operand out from the left whatever the alignment,
    // and so is it measured.
    Q_UNUSED(align);
    const float sw = TermTextAdvance(canvas, sign, size, 'L');
    const float fb = FractionBoxWidth(canvas, numerator, denominator, size, 'L');
    return sw + fb + LeadGap;
}

float PaintLeadOperand(Canvas& canvas, const QString& sign, const QString& numerator,
                       const QString& denominator, float x, float y, int size,
                       const QColor& colour, char align)
{
    Q_UNUSED(align);
    const float sw = PaintTermTextColored(canvas, sign, size, x, y + SignLift, colour, 'L', 'M');
    const float fb = PaintFractionBox(canvas, numerator, denominator, x + sw + LeadGap, y, size,
                                      colour, 'L');
    return sw + fb + LeadGap;
}

float PaintPlainOperand(Canvas& canvas, const QString& numerator, const QString& denominator,
                        float x, float y, int size, const QColor& colour, char align)
{
    return PaintLeadOperand(canvas, QString(), numerator, denominator, x, y, size, colour, align);
}

float BracketedOperandWidth(Canvas& canvas, const TOperand& operand, int size, char align)
{
    return BracketedOperandWidth(canvas, operand.Vorzeichen, operand.Zaehler, operand.Nenner, size,
                                 align);
}

float LeadOperandWidth(Canvas& canvas, const TOperand& operand, int size, char align)
{
    return LeadOperandWidth(canvas, operand.Vorzeichen, operand.Zaehler, operand.Nenner, size,
                            align);
}

QString OperatorText(QChar op)
{
    QString text(QLatin1Char(' '));
    if (!op.isNull())
        text += op;
    return text + QLatin1Char(' ');
}

namespace {

// Lays out one term from left to right, painting or only measuring: both
// walk the same elements with the same numbers, so a shape's measured width
// is exactly the advance of its painted form.
class Setzer {
public:
    Setzer(Canvas& c, bool paint, float x, float y, int size, const QColor& colour)
        : c_(c), paint_(paint), x_(x), y_(y), size_(size), colour_(colour)
    {
    }

    float Advance() const { return run_; }
    void Gap(float g) { run_ += g; }

    // How an operand is shown: B bracketed (also "+"); S plain fraction for
    // "+", bracketed otherwise; L sign and fraction, "+" hidden; LeadAsGiven
    // the same with every sign shown; Box the fraction at the running x;
    // Plain the fraction 0.3 further right, its sign never shown.
    enum class Art { B, S, L, LeadAsGiven, Box, Plain };

    void Operand(Art art, const TOperand& o, char align)
    {
        const bool plus = o.Vorzeichen == QLatin1String("+");
        if (art == Art::S)
            art = plus ? Art::Plain : Art::B;
        switch (art) {
        case Art::B:
            run_ += paint_ ? PaintBracketedOperand(c_, o.Vorzeichen, o.Zaehler, o.Nenner, X(), y_,
                                                   size_, colour_, align)
                           : BracketedOperandWidth(c_, o, size_, align);
            break;
        case Art::Box:
            run_ += paint_ ? PaintFractionBox(c_, o.Zaehler, o.Nenner, X(), y_, size_, colour_, 'L')
                           : FractionBoxWidth(c_, o.Zaehler, o.Nenner, size_, 'L');
            break;
        default: {
            const QString sign = art == Art::Plain || (art == Art::L && plus) ? QString() : o.Vorzeichen;
            run_ += paint_ ? PaintLeadOperand(c_, sign, o.Zaehler, o.Nenner, X(), y_, size_, colour_, 'L')
                           : LeadOperandWidth(c_, sign, o.Zaehler, o.Nenner, size_, 'L');
            break;
        }
        }
    }

    // A lead operand that takes the room its bracketed form would take, less
    // the gap behind the sign.
    void LeadInBracketRoom(const TOperand& o, char align)
    {
        if (paint_)
            PaintLeadOperand(c_, o.Vorzeichen, o.Zaehler, o.Nenner, X(), y_, size_, colour_, align);
        run_ += BracketedOperandWidth(c_, o, size_, align) - SignGap;
    }

    // The first count operands joined by their operators.
    void Chain(Art first, Art rest, const TOperanden& o, const TOperatoren& z, int count, char align)
    {
        Operand(first, o[0], align);
        for (int i = 1; i < count; ++i) {
            Operator(z[size_t(i - 1)], align);
            Operand(rest, o[size_t(i)], 'L');
        }
    }

    // Two operands and their operator in brackets; the first operand's
    // numerator sets the brackets' height.
    void Group(bool square, Art first, const TOperand& a, QChar op, Art second, const TOperand& b,
               char firstAlign, char align, float gapBeforeClose)
    {
        Bracket(square, 1, a.Zaehler);
        Operand(first, a, firstAlign);
        Operator(op, align);
        Operand(second, b, 'L');
        Gap(gapBeforeClose);
        Bracket(square, 2, a.Zaehler);
    }

    void Text(const QString& text, char align, float lift)
    {
        run_ += paint_ ? PaintTermText(c_, text, size_, X(), y_ + lift, align, 'M')
                       : TermTextAdvance(c_, text, size_, align);
    }

    void Operator(QChar op, char align, float lift = SignLift) { Text(OperatorText(op), align, lift); }

    void Closing(char closing, char align, float lift = SignLift)
    {
        if (closing == 'J')
            Text(ClosingText, align, lift);
    }

    void Bracket(bool square, int kind, const QString& reference)
    {
        if (square)
            run_ += paint_ ? PaintSquareBracket(c_, reference, X(), y_, size_, colour_, kind)
                           : SquareBracketWidth(size_);
        else
            run_ += paint_ ? PaintRoundBracket(c_, reference, X(), y_, size_, colour_, kind)
                           : RoundBracketWidth(size_);
    }

private:
    float X() const { return x_ + run_; }

    Canvas& c_;
    bool paint_;
    float x_;
    float y_;
    int size_;
    QColor colour_;
    float run_ = 0;
};

void LayOut(int shape, Setzer& s, const TOperanden& o, const TOperatoren& z, char closing,
            char align)
{
    using A = Setzer::Art;
    constexpr bool square = true;
    constexpr bool round = false;
    switch (shape) {
    case 1: // B op B =
    case 2: // B op B op B =
    case 6: // B op B op B op B =
        s.Chain(A::B, A::B, o, z, shape == 1 ? 2 : shape == 2 ? 3 : 4, align);
        break;
    case 3:  // B op [B op B] =
    case 12: { // L op [S op S] =
        const A inner = shape == 3 ? A::B : A::S;
        s.Operand(shape == 3 ? A::B : A::L, o[0], align);
        s.Operator(z[0], align);
        s.Group(square, inner, o[1], z[1], inner, o[2], 'L', align, GroupGap);
        break;
    }
    case 4: // [B op B] op B =
    case 5: // [B op B] op [B op B] =
        s.Group(square, A::B, o[0], z[0], A::B, o[1], align, align, GroupGap);
        s.Operator(z[1], align);
        if (shape == 4)
            s.Operand(A::B, o[2], 'L');
        else
            s.Group(square, A::B, o[2], z[2], A::B, o[3], 'L', align, GroupGap);
        break;
    case 7: // L op P =
    case 8: // L op P op P =
        s.Chain(A::LeadAsGiven, A::Box, o, z, shape == 7 ? 2 : 3, align);
        break;
    case 9: // L op (L op P) =, the first operator where a bracketed first operand would end
        s.LeadInBracketRoom(o[0], align);
        s.Operator(z[0], align, 0);
        s.Group(round, A::LeadAsGiven, o[1], z[1], A::Box, o[2], 'L', align, GroupGap);
        break;
    case 10: // S op S =
    case 11: // S op S op S =
        s.Chain(A::S, A::S, o, z, shape == 10 ? 2 : 3, align);
        break;
    case 13: // (L op P) op S =, the second operand without its sign
        s.Group(round, A::L, o[0], z[0], A::Plain, o[1], align, align, 0);
        s.Operator(z[1], align);
        s.Operand(A::S, o[2], 'L');
        break;
    case 14: { // L op G(L op S)G =, square unless the last operand is "+"
        const bool g = o[2].Vorzeichen != QLatin1String("+");
        s.Operand(A::L, o[0], align);
        s.Operator(z[0], align);
        s.Group(g, A::L, o[1], z[1], A::S, o[2], 'L', align, GroupGap);
        if (!g) // a round bracket brings no space of its own
            s.Gap(GroupGap);
        if (closing == 'J')
            s.Gap(0.1f);
        s.Closing(closing, align, 0);
        return;
    }
    case 15: // L op S op S op S =
        s.Chain(A::L, A::S, o, z, 4, align);
        if (closing == 'J')
            s.Gap(0.1f);
        break;
    case 16: // [L op S] op [L op S] =
        s.Group(square, A::L, o[0], z[0], A::S, o[1], align, align, GroupGap);
        s.Operator(z[1], align);
        s.Group(square, A::L, o[2], z[2], A::S, o[3], 'L', align, 0.2f);
        if (closing == 'J')
            s.Gap(0.2f);
        break;
    default:
        return;
    }
    s.Closing(closing, align);
}

} // namespace

float PaintTermShape(int shape, Canvas& canvas, const TOperanden& operands,
                     const TOperatoren& operators, char closing, char align, float x, float y,
                     int size, const QColor& colour)
{
    Setzer s(canvas, true, x, y, size, colour);
    LayOut(shape, s, operands, operators, closing, align);
    return s.Advance();
}

float TermShapeWidth(int shape, Canvas& canvas, const TOperanden& operands,
                     const TOperatoren& operators, char closing, char align, int size)
{
    Setzer s(canvas, false, 0, 0, size, Qt::black);
    LayOut(shape, s, operands, operators, closing, align);
    return s.Advance();
}

TOperanden Operanden(const BruchTeile& teile)
{
    TOperanden o;
    for (int k = 1; k <= 4; ++k)
        o[k - 1] = {teile.Operand[k].Vorzeichen, teile.Operand[k].Zaehler, teile.Operand[k].Nenner};
    return o;
}

TOperatoren Operatoren(const BruchTeile& teile)
{
    return {teile.Operator[1], teile.Operator[2], teile.Operator[3]};
}
