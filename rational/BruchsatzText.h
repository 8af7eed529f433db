#pragma once
#include <QColor>
#include <QString>

class Canvas;

// Term texts of the rational screens: bold "Arial" with single-character
// marks that paint nothing themselves.
//   # $ & _ ~ §   switch to the mark's palette colour, or back to the base
//                 colour when another colour is on (any mark closes any span)
//   ^             the next character raised, at three quarters of the size
//   \             the next character lowered, at three quarters of the size
//   @             the next character as a glyph of the old "Symbol" font
//                 (@p is pi), drawn through its Unicode equivalent
// A mark at the end of a text paints nothing.

struct TTermPalette {
    QColor Base{0, 0, 0};
    QColor Hash{255, 0, 102};        // #
    QColor Underscore{102, 153, 51}; // _
    QColor Tilde{102, 51, 255};      // ~
    QColor Dollar{153, 0, 153};      // $
    QColor Section{153, 102, 51};    // § (also the colour of instructions)
    QColor Ampersand{255, 102, 0};   // &
    QColor Wrong{255, 0, 102};       // verdict "wrong"
    QColor Right{102, 51, 255};      // verdict "right"
    QColor Hint{153, 102, 51};       // instructions
};

inline TTermPalette TermPalette;

// Sets the palette to the colours above; each rational screen calls it when
// it is activated.
void InitTermPalette();

// The Unicode character that a "Symbol" font glyph of this code stands for.
QChar SymbolGlyph(QChar code);

// Pixel width of a term text at the size (points): colour marks add nothing,
// raised and lowered characters count at the small size, Symbol glyphs at
// size + 2. Leaves the canvas font at bold "Arial" of the size.
int TermTextWidth(Canvas& canvas, const QString& text, int size);
// The same in world units of the current coordinate system (/ scaleX).
float TermTextWorldWidth(Canvas& canvas, const QString& text, int size);

// Paints with the top edge at py, starting at px, bold, black base colour. A
// raised "4" stands one pixel further right (and advances one pixel more).
// The canvas brush is used as it stands (a solid brush fills each text cell);
// the world-anchored painters below clear it first.
void DrawTermText(Canvas& canvas, const QString& text, int px, int size, int py);
// The same with a given base colour and weight, without the raised-4 pixel.
void DrawTermTextColored(Canvas& canvas, const QString& text, int px, bool bold, int size,
                         const QColor& colour, int py);

// World anchor (x, y) = top edge, halign 'L', 'M' or 'R'; used for headings.
void PaintTermTextAt(Canvas& canvas, const QString& text, int size, float x, float y, char halign);

// World anchor with valign 'O' (top on y), 'M' (middle on y) or 'U' (bottom on
// y). Returns the advance: the width for 'L', half of it for 'M', 0 for 'R'.
float PaintTermText(Canvas& canvas, const QString& text, int size, float x, float y, char halign,
                    char valign);
// The same in the given colour, always bold.
float PaintTermTextColored(Canvas& canvas, const QString& text, int size, float x, float y,
                           const QColor& colour, char halign, char valign);

// The advance PaintTermText returns, without painting.
float TermTextAdvance(Canvas& canvas, const QString& text, int size, char halign);
