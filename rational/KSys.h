#pragma once
#include <QColor>
#include <QPoint>

class Canvas;

// The coordinate system of the rational drill screens: world units (single
// floats, y pointing up) on one paint area. Scales are whole pixels per unit,
// while the origin is placed with the unrounded scale, so a 17.5 pixel scale
// maps with 18 about an origin found with 17.5.
class TKSys {
public:
    TKSys(float xMin, float xMax, float yMin, float yMax, int left, int right, int top, int bottom);

    QPoint WorldToPixel(float x, float y) const;
    // Horizontal pixels as world units (the term painters measure with scaleX).
    float PixelsToWorld(int pixels) const { return float(pixels) / float(scaleX); }

    // Fills the area when fillColour >= 0; axes and a dot grid when gridVisible.
    void PaintBackdrop(Canvas& canvas) const;
    // style 1 solid, 2 dotted, 3 dash-dot; any other value keeps the canvas' style.
    void WorldLine(Canvas& canvas, int penWidth, const QColor& colour, float x1, float y1, float x2,
                   float y2, int style) const;
    // Counter-clockwise from startDeg to endDeg around (cx, cy).
    void WorldArc(Canvas& canvas, int penWidth, const QColor& colour, float cx, float cy, float r,
                  float startDeg, float endDeg) const;

    // Nearest integer, halves to the even neighbour; clamped far inside the int
    // range so a stray coordinate lands off the picture instead of overflowing.
    static int Round(double value);

    float xMin, xMax;
    float yMin, yMax;
    int originX; // pixel offset of world x = 0 from the left edge
    int originY; // pixel offset of world y = 0 from the top edge
    int scaleX;  // pixels per world unit; never 0
    int scaleY;  // pixels per world unit, always positive
    int left, right, top, bottom;
    int fillColour = -1; // 0xRRGGBB; -1 paints no fill
    bool gridVisible = false;
};

// The system the rational screens create on activation: 1000 × 700 pixels for
// x −25 … 25 and y −20 … 20 (20 and 18 pixels per unit, origin at 500, 350).
TKSys RationalKSys();

// The current coordinate system, through which all fraction painters map. A
// screen replaces it on each activation; until then it is RationalKSys().
TKSys& KSys();
void SetKSys(const TKSys& system);
