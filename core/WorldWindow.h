#pragma once
#include "core/Canvas.h"

#include <QColor>
#include <QPoint>

// The world window: every screen places its texts and figures in world units
// (y pointing up) on a paint area of fixed pixel size. One process-wide record
// holds the mapping; the screen being shown sets it on activation, before it
// paints anything.
struct TWorldWindow {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    float xmin = 0;
    float xmax = 0;
    float ymin = 0;
    float ymax = 0;
    int scaleX = 0;  // pixels per world unit, rounded
    int scaleY = 0;
    int originX = 0; // pixel position of world 0, relative to left and top
    int originY = 0;
};

inline TWorldWindow WorldWindow;

// Nearest integer, halves to the even neighbour (10.5 -> 10, 7.5 -> 8).
// Values beyond the int range are clamped and NaN gives 0, so a stray huge
// coordinate draws off the picture instead of overflowing.
int RoundHalfEven(double value);

// Stores the window and derives scale and origin. The scales are rounded so
// one world unit is a whole number of pixels; the origin stays where the
// unrounded scale puts it. A window without extent (xmin = xmax or
// ymin = ymax) cannot be mapped and leaves the previous window in force.
void SetWorldWindow(int left, int right, int top, int bottom, float xmin, float xmax, float ymin,
                    float ymax);

// World point to pixel: x to the right, y turned to point down.
QPoint WorldToScreen(float wx, float wy);

// The shared palette; the screens use these values and never change them.
inline constexpr QColor ColourPink{255, 0, 102};
inline constexpr QColor ColourViolet{102, 51, 255};
inline constexpr QColor ColourLightGrey{220, 220, 220};
inline constexpr QColor ColourBrown{153, 102, 51};
inline constexpr QColor ColourCornflower{100, 149, 237};
inline constexpr QColor ColourGreen{0, 128, 0};
inline constexpr QColor ColourOrange{255, 153, 0};

// Line styles of WorldLine: any other value keeps the canvas's pen style.
inline constexpr int LineSolid = 1;
inline constexpr int LineDotted = 2;

// Figures in world units; pen widths in pixels.
void WorldLine(Canvas& canvas, int penWidth, const QColor& colour, float x1, float y1, float x2,
               float y2, int style);
// Horizontal arrow; heads 'L' (at xFrom), 'R' (at xTo), 'B' (both), else none.
void ArrowH(Canvas& canvas, int penWidth, const QColor& colour, float xFrom, float xTo, float y,
            char heads);
// Vertical arrow; heads 'O' (at yA), 'U' (at yB), 'B' (both), else none.
void ArrowV(Canvas& canvas, int penWidth, const QColor& colour, float x, float yA, float yB,
            char heads);
// Arc of the circle around (cx, cy), counter-clockwise on the screen from the
// start angle to the end angle (degrees), with the canvas's current pen.
void WorldArc(Canvas& canvas, float cx, float cy, float radius, float startAngle, float endAngle);
void WorldBox(Canvas& canvas, int penWidth, const QColor& penColour, float x1, float y1, float x2,
              float y2, const QColor& fillColour, bool filled);
void CentredBox(Canvas& canvas, int penWidth, const QColor& penColour, float cx, float cy,
                float width, float height, const QColor& fillColour, bool filled);
void Cross(Canvas& canvas, const QColor& colour, float x, float y, float halfSize);

// For figures built from many lines: a solid pen of the width and colour,
// and a line between two world points with whatever pen the canvas holds.
void SetSolidPen(Canvas& canvas, int width, const QColor& colour);
void WorldSegment(Canvas& canvas, double x1, double y1, double x2, double y2);
