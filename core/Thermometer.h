#pragma once
#include "core/Canvas.h"

#include <QColor>

// The thermometer figure of the introductions and worked examples, drawn in
// world units with the primitives of core/WorldWindow and labelled with the
// markup renderer.

// A thermometer for -20 to 50 degrees: tube axis at x, 0 degrees at height y,
// one world unit per 10 degrees; the mercury column rises to height level.
// Labels at x - labelDistance for side 'L', x + labelDistance for 'R', none
// for any other side. The bulb and the tube below the column are flood-filled,
// so the area around the bulb must have the background colour (the frame
// guarantees that).
void Thermometer(Canvas& canvas, const QColor& framePenColour, const QColor& background, float x,
                 float y, float level, const QColor& mercury, float labelDistance, char labelSide,
                 bool withFrame);
