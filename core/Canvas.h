#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <QString>

// A drawing surface with the semantics the painters are written against:
// font, pen and brush are state that persists between calls until a caller
// changes it; text is anchored at its top-left corner; lines leave out their
// last pixel; rectangles and fills follow the usual raster conventions; flood
// fill and single pixels work on the image underneath.
//
// Coordinates are logical pixels. The target image may carry a device pixel
// ratio above 1 (high-DPI screens); drawing then happens at the finer
// resolution while callers keep working in logical pixels.
//
// A canvas can also draw onto any other paint device (a PDF page, a printer):
// lines are then vector strokes and text stays text; flood fill and single
// pixels need an image and do nothing there. One logical pixel is 1/96 inch
// on such a device, whatever its resolution.
class Canvas {
public:
    enum class PenStyle { Solid, Dot, DashDot, Clear };
    enum class BrushStyle { Solid, Clear };
    enum class FillStyle { Surface, Border };

    explicit Canvas(QImage& target);
    explicit Canvas(QPaintDevice& target);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // The image drawn on; only for canvases made on an image.
    QImage& Image() { return *image_; }
    bool IsVector() const { return image_ == nullptr; }
    // The painter underneath, for a caller that scales or moves a whole
    // drawing (a worksheet places screen-sized terms on a page).
    QPainter& Painter() { return painter_; }

    // Font. Sizes are points at 96 dpi; SetFontPixelHeight sets the em height
    // in pixels directly. "Arial" resolves to a metric-compatible face.
    void SetFontName(const QString& name);
    QString FontName() const { return fontName_; }
    void SetFontSize(int points);
    int FontSize() const { return fontPoints_; }
    void SetFontPixelHeight(int pixels);
    void SetFontBold(bool bold);
    bool FontBold() const { return font_.bold(); }
    void SetFontItalic(bool italic);
    void SetFontUnderline(bool underline);
    void SetFontColor(const QColor& colour) { fontColour_ = colour; }
    QColor FontColor() const { return fontColour_; }
    const QFont& Font() const { return font_; }

    // Pen.
    void SetPenColor(const QColor& colour);
    QColor PenColor() const { return penColour_; }
    void SetPenWidth(int width);
    int PenWidth() const { return penWidth_; }
    void SetPenStyle(PenStyle style);
    PenStyle GetPenStyle() const { return penStyle_; }

    // Brush.
    void SetBrushColor(const QColor& colour) { brushColour_ = colour; }
    QColor BrushColor() const { return brushColour_; }
    void SetBrushStyle(BrushStyle style) { brushStyle_ = style; }
    BrushStyle GetBrushStyle() const { return brushStyle_; }

    // Lines: LineTo draws from the pen position to (x, y), leaving out the end
    // point, and moves the pen position there.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    QPoint PenPos() const { return penPos_; }

    // Outline with the pen and inside with the brush; the right and bottom
    // edges are exclusive.
    void Rectangle(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    // Fills with the brush colour, whatever the brush style.
    void FillRect(const QRect& rect);
    // The arc of the ellipse in the box (x1, y1)-(x2, y2), counter-clockwise
    // on the screen from the ray towards (x3, y3) to the ray towards (x4, y4).
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // Surface: fills the connected area of the given colour around (x, y).
    // Border: fills outward from (x, y) up to pixels of the given colour.
    void FloodFill(int x, int y, const QColor& colour, FillStyle style);
    void SetPixel(int x, int y, const QColor& colour);
    QColor Pixel(int x, int y) const;

    // Text in the font colour, top-left at (x, y); with a solid brush the
    // text cell is filled with the brush colour first.
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    QSize TextExtent(const QString& text) const;

private:
    void ApplyPen();
    void ThinLine(QPoint from, QPoint to);
    void ApplyBrush();
    void UpdateFont();
    QPoint ToDevice(int x, int y) const;

    QImage* image_ = nullptr;
    QPainter painter_;
    QFont font_;
    QString fontName_;
    int fontPoints_ = 8;
    QColor fontColour_ = Qt::black;
    QColor penColour_ = Qt::black;
    int penWidth_ = 1;
    PenStyle penStyle_ = PenStyle::Solid;
    QColor brushColour_ = Qt::white;
    BrushStyle brushStyle_ = BrushStyle::Solid;
    QPoint penPos_;
};

// The face that stands for a font name of the screens ("Arial", "Symbol",
// "MS Sans Serif").
QString ResolveFontFamily(const QString& name);

// Points at 96 dpi as a pixel em height.
int PointsToPixels(int points);
