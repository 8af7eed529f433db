#include "core/WorldWindow.h"

#include "core/NumberHelpers.h"

#include <climits>
#include <cmath>

int RoundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(INT_MAX))
        return INT_MAX;
    if (value <= double(INT_MIN))
        return INT_MIN;
    double whole = std::floor(value);
    const double rest = value - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0))
        whole += 1;
    return int(whole);
}

void SetWorldWindow(int left, int right, int top, int bottom, float xmin, float xmax, float ymin,
                    float ymax)
{
    if (xmax == xmin || ymax == ymin)
        return;
    const float kx = float(right - left) / (xmax - xmin);
    const float ky = float(bottom - top) / (ymax - ymin);
    TWorldWindow& w = WorldWindow;
    w.left = left;
    w.right = right;
    w.top = top;
    w.bottom = bottom;
    w.xmin = xmin;
    w.xmax = xmax;
    w.ymin = ymin;
    w.ymax = ymax;
    w.originX = RoundHalfEven(-double(xmin) * kx);
    // Relative to top, as the conversion adds top again; the screens all use
    // top = 0, where this is simply bottom.
    w.originY = RoundHalfEven(double(ymin) * ky) + (bottom - top);
    w.scaleX = RoundHalfEven(kx);
    w.scaleY = std::abs(RoundHalfEven(ky));
}

QPoint WorldToScreen(float wx, float wy)
{
    const TWorldWindow& w = WorldWindow;
    return QPoint(RoundHalfEven(double(w.left) + w.originX + double(w.scaleX) * wx),
                  RoundHalfEven(double(w.top) + w.originY - double(w.scaleY) * wy));
}

// A solid or other pen as the caller wants it, and a line between two world
// points with whatever pen the canvas holds.
void SetSolidPen(Canvas& canvas, int width, const QColor& colour)
{
    canvas.SetPenWidth(width);
    canvas.SetPenColor(colour);
    canvas.SetPenStyle(Canvas::PenStyle::Solid);
}

void WorldSegment(Canvas& canvas, double x1, double y1, double x2, double y2)
{
    const QPoint a = WorldToScreen(float(x1), float(y1));
    const QPoint b = WorldToScreen(float(x2), float(y2));
    canvas.MoveTo(a.x(), a.y());
    canvas.LineTo(b.x(), b.y());
}

void WorldLine(Canvas& canvas, int penWidth, const QColor& colour, float x1, float y1, float x2,
               float y2, int style)
{
    canvas.SetPenWidth(penWidth);
    canvas.SetPenColor(colour);
    if (style == LineSolid)
        canvas.SetPenStyle(Canvas::PenStyle::Solid);
    else if (style == LineDotted)
        canvas.SetPenStyle(Canvas::PenStyle::Dot);
    canvas.SetBrushStyle(Canvas::BrushStyle::Clear);
    WorldSegment(canvas, x1, y1, x2, y2);
}

void ArrowH(Canvas& canvas, int penWidth, const QColor& colour, float xFrom, float xTo, float y,
            char heads)
{
    SetSolidPen(canvas, penWidth, colour);
    WorldSegment(canvas, xFrom, y, xTo, y);
    if (heads == 'L' || heads == 'B') {
        WorldSegment(canvas, xFrom, y, xFrom + 0.3, y + 0.1);
        WorldSegment(canvas, xFrom, y, xFrom + 0.3, y - 0.1);
    }
    if (heads == 'R' || heads == 'B') {
        WorldSegment(canvas, xTo, y, xTo - 0.3, y + 0.1);
        WorldSegment(canvas, xTo, y, xTo - 0.3, y - 0.1);
    }
}

void ArrowV(Canvas& canvas, int penWidth, const QColor& colour, float x, float yA, float yB,
            char heads)
{
    SetSolidPen(canvas, penWidth, colour);
    WorldSegment(canvas, x, yA, x, yB);
    if (heads == 'O' || heads == 'B') {
        WorldSegment(canvas, x, yA, x + 0.1, yA - 0.3);
        WorldSegment(canvas, x, yA, x - 0.1, yA - 0.3);
    }
    if (heads == 'U' || heads == 'B') {
        WorldSegment(canvas, x, yB, x + 0.1, yB + 0.3);
        WorldSegment(canvas, x, yB, x - 0.1, yB + 0.3);
    }
}

void WorldArc(Canvas& canvas, float cx, float cy, float radius, float startAngle, float endAngle)
{
    const QPoint topLeft = WorldToScreen(cx - radius, cy + radius);
    const QPoint bottomRight = WorldToScreen(cx + radius, cy - radius);
    const PolarPoint s = PolarToXY(radius, startAngle);
    const PolarPoint e = PolarToXY(radius, endAngle);
    const QPoint from = WorldToScreen(cx + s.x, cy + s.y);
    const QPoint to = WorldToScreen(cx + e.x, cy + e.y);
    canvas.Arc(topLeft.x(), topLeft.y(), bottomRight.x(), bottomRight.y(), from.x(), from.y(),
               to.x(), to.y());
}

static void Box(Canvas& canvas, int penWidth, const QColor& penColour, const QColor& fillColour,
                bool filled)
{
    SetSolidPen(canvas, penWidth, penColour);
    if (filled) {
        canvas.SetBrushColor(fillColour);
        canvas.SetBrushStyle(Canvas::BrushStyle::Solid);
    } else {
        canvas.SetBrushStyle(Canvas::BrushStyle::Clear);
    }
}

void WorldBox(Canvas& canvas, int penWidth, const QColor& penColour, float x1, float y1, float x2,
              float y2, const QColor& fillColour, bool filled)
{
    Box(canvas, penWidth, penColour, fillColour, filled);
    const QPoint a = WorldToScreen(x1, y1);
    const QPoint b = WorldToScreen(x2, y2);
    canvas.Rectangle(a.x(), a.y(), b.x(), b.y());
}

void CentredBox(Canvas& canvas, int penWidth, const QColor& penColour, float cx, float cy,
                float width, float height, const QColor& fillColour, bool filled)
{
    Box(canvas, penWidth, penColour, fillColour, filled);
    const QPoint c = WorldToScreen(cx, cy);
    const int halfW = RoundHalfEven(double(WorldWindow.scaleX) * width) / 2;
    const int halfH = RoundHalfEven(double(WorldWindow.scaleY) * height) / 2;
    canvas.Rectangle(c.x() - halfW, c.y() - halfH, c.x() + halfW, c.y() + halfH);
}

void Cross(Canvas& canvas, const QColor& colour, float x, float y, float halfSize)
{
    SetSolidPen(canvas, 3, colour);
    WorldSegment(canvas, x - halfSize, y - halfSize, x + halfSize, y + halfSize);
    WorldSegment(canvas, x - halfSize, y + halfSize, x + halfSize, y - halfSize);
}
