#include "rational/KSys.h"

#include "core/Canvas.h"

#include <QRect>

#include <algorithm>
#include <cmath>

namespace {

// Pixels per unit of one axis; a range without extent (or a non-number)
// would divide by zero, so it maps one pixel per unit instead.
float AxisScale(int pixels, float low, float high)
{
    const float s = float(pixels) / (high - low);
    if (!std::isfinite(s))
        return 1.0f;
    return std::clamp(s, -1.0e6f, 1.0e6f);
}

// The first pixel at or after low on the grid through origin with the step.
int FirstOnGrid(int origin, int low, int step)
{
    const int d = origin - low;
    const int k = d >= 0 ? d / step : -((-d + step - 1) / step);
    return origin - k * step;
}

} // namespace

int TKSys::Round(double value)
{
    if (std::isnan(value))
        return 0;
    // nearbyint rounds halves to even in the default rounding mode.
    return int(std::nearbyint(std::clamp(value, -1.0e9, 1.0e9)));
}

TKSys::TKSys(float xMin_, float xMax_, float yMin_, float yMax_, int left_, int right_, int top_,
             int bottom_)
    : xMin(xMin_), xMax(xMax_), yMin(yMin_), yMax(yMax_), left(left_), right(right_), top(top_),
      bottom(bottom_)
{
    const float sx = AxisScale(right - left, xMin, xMax);
    const float sy = AxisScale(bottom - top, yMin, yMax);
    originX = Round(-double(xMin) * sx);
    originY = (bottom - top) + Round(double(yMin) * sy);
    scaleX = Round(sx);
    scaleY = std::abs(Round(sy));
    // Widths are divided by the scales; an area narrower than its range keeps
    // at least one pixel per unit.
    if (scaleX == 0)
        scaleX = sx < 0 ? -1 : 1;
    if (scaleY == 0)
        scaleY = 1;
}

QPoint TKSys::WorldToPixel(float x, float y) const
{
    return QPoint(left + Round(double(scaleX) * x + originX), top + Round(originY - double(scaleY) * y));
}

void TKSys::PaintBackdrop(Canvas& canvas) const
{
    if (fillColour >= 0) {
        canvas.SetBrushColor(QColor::fromRgb(QRgb(fillColour)));
        canvas.FillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    }
    if (!gridVisible)
        return;
    canvas.SetPenColor(QColor(128, 128, 128));
    canvas.SetPenWidth(1);
    canvas.SetPenStyle(Canvas::PenStyle::Solid);
    canvas.MoveTo(left + originX, top);
    canvas.LineTo(left + originX, bottom);
    canvas.MoveTo(left, top + originY);
    canvas.LineTo(right, top + originY);
    // Dots at every whole world point inside the area.
    const int sx = std::abs(scaleX);
    const int firstX = FirstOnGrid(left + originX, left, sx);
    const int firstY = FirstOnGrid(top + originY, top, scaleY);
    for (int px = firstX; px < right; px += sx)
        for (int py = firstY; py < bottom; py += scaleY)
            canvas.SetPixel(px, py, Qt::black);
}

void TKSys::WorldLine(Canvas& canvas, int penWidth, const QColor& colour, float x1, float y1,
                      float x2, float y2, int style) const
{
    switch (style) {
    case 1:
        canvas.SetPenStyle(Canvas::PenStyle::Solid);
        break;
    case 2:
        canvas.SetPenStyle(Canvas::PenStyle::Dot);
        break;
    case 3:
        canvas.SetPenStyle(Canvas::PenStyle::DashDot);
        break;
    default:
        break;
    }
    canvas.SetBrushStyle(Canvas::BrushStyle::Clear);
    canvas.SetPenWidth(penWidth);
    canvas.SetPenColor(colour);
    const QPoint a = WorldToPixel(x1, y1);
    const QPoint b = WorldToPixel(x2, y2);
    canvas.MoveTo(a.x(), a.y());
    canvas.LineTo(b.x(), b.y());
}

void TKSys::WorldArc(Canvas& canvas, int penWidth, const QColor& colour, float cx, float cy,
                     float r, float startDeg, float endDeg) const
{
    const double toRad = M_PI / 180.0;
    const QPoint start = WorldToPixel(float(cx + r * std::cos(startDeg * toRad)),
                                      float(cy + r * std::sin(startDeg * toRad)));
    const QPoint end = WorldToPixel(float(cx + r * std::cos(endDeg * toRad)),
                                    float(cy + r * std::sin(endDeg * toRad)));
    const QPoint a = WorldToPixel(cx - r, cy - r);
    const QPoint b = WorldToPixel(cx + r, cy + r);
    canvas.SetPenStyle(Canvas::PenStyle::Solid);
    canvas.SetPenWidth(penWidth);
    canvas.SetPenColor(colour);
    // World y points up, so the box's corners arrive swapped vertically.
    canvas.Arc(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
               std::max(a.y(), b.y()), start.x(), start.y(), end.x(), end.y());
}

TKSys RationalKSys()
{
    return TKSys(-25, 25, -20, 20, 0, 1000, 0, 700);
}

static TKSys current = RationalKSys();

TKSys& KSys()
{
    return current;
}

void SetKSys(const TKSys& system)
{
    current = system;
}
