#include "core/Thermometer.h"

#include "core/Markup.h"
#include "core/NumberHelpers.h"
#include "core/WorldWindow.h"

void Thermometer(Canvas& canvas, const QColor& framePenColour, const QColor& background, float x,
                 float y, float level, const QColor& mercury, float labelDistance, char labelSide,
                 bool withFrame)
{
    const QColor black(0, 0, 0);
    if (withFrame)
        WorldBox(canvas, 2, framePenColour, x - 1.5f, y + 6, x + 1.5f, y - 4.5f, background, true);

    // The column first, so the tube walls drawn afterwards cover its edges.
    WorldBox(canvas, 1, mercury, x - 0.25f, y - 2.2f, x + 0.25f, level, mercury, true);

    SetSolidPen(canvas, 2, black);
    for (const double side : {-0.25, 0.25})
        WorldSegment(canvas, x + side, y - 2.5, x + side, y + 5.5);
    WorldArc(canvas, x, y + 5.5f, 0.25f, 0, 180);

    // Bulb: straight sides and bottom, rounded corners.
    for (const double side : {-0.5, 0.5})
        WorldSegment(canvas, x + side, y - 2.75, x + side, y - 3.75);
    WorldSegment(canvas, x - 0.25, y - 4, x + 0.25, y - 4);
    WorldArc(canvas, x - 0.25f, y - 2.75f, 0.25f, 90, 180);
    WorldArc(canvas, x + 0.25f, y - 2.75f, 0.25f, 0, 90);
    WorldArc(canvas, x - 0.25f, y - 3.75f, 0.25f, 180, 270);
    WorldArc(canvas, x + 0.25f, y - 3.75f, 0.25f, 270, 360);

    // Mercury into the bulb and the tube below the column.
    canvas.SetBrushColor(mercury);
    const QPoint seed = WorldToScreen(x + 0.1f, y - 3);
    canvas.FloodFill(seed.x(), seed.y(), background, Canvas::FillStyle::Surface);

    // One tick per degree step of 0.1, longer every fifth; the value is kept
    // in single precision so the count of steps is the one the scale expects.
    SetSolidPen(canvas, 1, black);
    int step = 0;
    for (float t = y - 2; t < y + 5; t = float(double(t) + 0.1), ++step) {
        const double reach = step % 5 == 0 ? 0.9 : 0.75;
        WorldSegment(canvas, x - 0.25, t, x - reach, t);
        WorldSegment(canvas, x + 0.25, t, x + reach, t);
    }

    SetSolidPen(canvas, 2, black);
    for (int k = -2; k <= 5; ++k) {
        WorldSegment(canvas, x - 0.25, y + k, x - 1.0, y + k);
        WorldSegment(canvas, x + 0.25, y + k, x + 1.0, y + k);
    }

    if (labelSide != 'L' && labelSide != 'R')
        return;
    const float labelX = labelSide == 'L' ? x - labelDistance : x + labelDistance;
    for (int k = -2; k <= 5; ++k) {
        const int degrees = 10 * k;
        const QString label = degrees < 0 ? EnDash + QString::number(-degrees)
                                          : QString::number(degrees);
        PaintTextCentred(canvas, label, black, labelX, y + k + 0.25f, 12, true);
    }
}
