#pragma once
#include "core/Canvas.h"

#include <QColor>
#include <QString>

// Painting one line of text with inline marks, and small calculation terms.
//
// Text marks: "#" switches between the normal and an emphasis colour (only in
// the Emph painters), "^" raises the next character at the small size (only
// in the plain painters and in MarkupWidth).
// Term marks: "^" raises the next character or a group "^{12}", "{a/b}" is a
// built-up fraction; "-" is shown as the en dash, "." as the decimal comma and
// "*" as the middle dot.
//
// All painting uses "Arial"; sizes are points. The painters leave font, brush
// and pen as their last step set them; callers that need another state set it
// again. Every call paints one line, top edge at the anchor. Texts are cut at
// 255 characters, terms of the world-anchored term painters at 20.

// The size of raised characters: three quarters, halves to even (14 -> 10).
int SmallSize(int size);

// World-anchored text painters: brush clear, anchor converted with
// WorldToScreen, text top at the anchor's pixel row.
void PaintTextRight(Canvas& canvas, const QString& text, const QColor& colour, float wx, float wy,
                    int size, bool bold);
void PaintTextCentred(Canvas& canvas, const QString& text, const QColor& colour, float wx,
                      float wy, int size, bool bold);
void PaintTextLeft(Canvas& canvas, const QString& text, const QColor& colour, float wx, float wy,
                   int size, bool bold);
void PaintEmphLeft(Canvas& canvas, const QString& text, const QColor& normal,
                   const QColor& emphasis, float wx, float wy, int size, bool bold);
// Also leaves the pen style clear.
void PaintEmphCentred(Canvas& canvas, const QString& text, const QColor& normal,
                      const QColor& emphasis, float wx, float wy, int size, bool bold);
// The first marked span in emphasisA, every later one in emphasisB.
void PaintEmph3(Canvas& canvas, const QString& text, const QColor& normal, const QColor& emphasisA,
                const QColor& emphasisB, float wx, float wy, int size, bool bold, bool centred);

// Runs at a pixel position (x, y = top edge).
void DrawPlainRun(Canvas& canvas, const QString& text, int x, int y, const QColor& colour,
                  int size, bool bold);
void DrawEmphRun(Canvas& canvas, const QString& text, int x, int y, const QColor& normal,
                 const QColor& emphasis, int size, bool bold);
void DrawEmph3Run(Canvas& canvas, const QString& text, int x, int y, const QColor& normal,
                  const QColor& emphasisA, const QColor& emphasisB, int size, bool bold);
// Width in pixels with "^" honoured; "#" is measured as a character.
int MarkupWidth(Canvas& canvas, const QString& text, int size, bool bold);

// Term pieces without fractions, bold, centred vertically on yCentre.
int TermRunWidth(Canvas& canvas, const QString& text, int size);
void DrawTermRun(Canvas& canvas, int x, int yCentre, const QColor& colour, const QString& text,
                 int size);

struct FractionParts {
    QString numerator;
    QString denominator;
};
// At the first "/"; without one the numerator is empty and the denominator is
// the whole text.
FractionParts SplitFraction(const QString& text);
int FractionWidth(Canvas& canvas, const QString& text, int size);
// A group "{a/b}" with its bar at y.
void DrawFraction(Canvas& canvas, int x, int y, const QColor& colour, const QString& text,
                  int size);

// Whole terms: pieces and fraction groups side by side, centred on y.
int TermWidth(Canvas& canvas, const QString& text, int size);
// Returns the horizontal advance used (2 pixels per piece more than TermWidth).
int DrawTerm(Canvas& canvas, int x, int y, const QColor& colour, const QString& text, int size);
void PaintTermCentred(Canvas& canvas, const QString& text, const QColor& colour, float wx,
                      float wy, int size);
// Returns the advance in pixels.
int PaintTermLeft(Canvas& canvas, const QString& text, const QColor& colour, float wx, float wy,
                  int size);
