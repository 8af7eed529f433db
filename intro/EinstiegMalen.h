#pragma once
#include "core/Canvas.h"
#include "intro/EinstiegZustand.h"

// Painters of the introduction and example pages. Each paints the whole page
// of the given state in world units; the screen sets the world window
// (-12.5 … 12.5 × -9 … 9 on 1000 × 700 pixels) before it paints.

void SetIntroWorldWindow();

void PaintGanzEinstieg(Canvas& canvas, const TGanzEinstieg& e);
void PaintRationalEinstieg(Canvas& canvas, const TRationalEinstieg& e);
void PaintGanzMuster(Canvas& canvas, const TGanzMuster& m);

// A note of the money example: "Gutschein" or "Schuldschein" with its amount.
void Voucher(Canvas& canvas, int amount, float cx, float cy);
