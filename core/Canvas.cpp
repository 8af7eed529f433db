#include "core/Canvas.h"

#include <QFontMetrics>
#include <QPen>
#include <QtMath>

#include <cmath>
#include <vector>

QString ResolveFontFamily(const QString& name)
{
    // Liberation Sans has Arial's metrics, so widths measured for the screen
    // layouts hold. The old "Symbol" glyphs are drawn through their Unicode
    // equivalents, which Liberation Sans carries as well.
    Q_UNUSED(name);
    return QStringLiteral("Liberation Sans");
}

int PointsToPixels(int points)
{
    return int(std::lround(points * 96.0 / 72.0));
}

Canvas::Canvas(QImage& target)
    : image_(&target)
{
    painter_.begin(image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    SetFontName(QStringLiteral("Arial"));
    SetFontSize(8);
}

Canvas::Canvas(QPaintDevice& target)
{
    painter_.begin(&target);
    // Logical pixels at 96 dpi, so sizes and widths measured for the screen
    // hold on a page of any resolution.
    painter_.scale(target.logicalDpiX() / 96.0, target.logicalDpiY() / 96.0);
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    SetFontName(QStringLiteral("Arial"));
    SetFontSize(8);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    SetFontName(QStringLiteral("Arial"));
    SetFontSize(8);
}

Canvas::~Canvas()
{
    painter_.end();
}

void Canvas::SetFontName(const QString& name)
{
    fontName_ = name;
    font_.setFamily(ResolveFontFamily(name));
    UpdateFont();
}

void Canvas::SetFontSize(int points)
{
    fontPoints_ = points;
    font_.setPixelSize(qMax(1, PointsToPixels(points)));
    UpdateFont();
}

void Canvas::SetFontPixelHeight(int pixels)
{
    fontPoints_ = int(std::lround(pixels * 72.0 / 96.0));
    font_.setPixelSize(qMax(1, pixels));
    UpdateFont();
}

void Canvas::SetFontBold(bool bold)
{
    font_.setBold(bold);
    UpdateFont();
}

void Canvas::SetFontItalic(bool italic)
{
    font_.setItalic(italic);
    UpdateFont();
}

void Canvas::SetFontUnderline(bool underline)
{
    font_.setUnderline(underline);
    UpdateFont();
}

void Canvas::UpdateFont()
{
    painter_.setFont(font_);
}

void Canvas::SetPenColor(const QColor& colour)
{
    penColour_ = colour;
}

void Canvas::SetPenWidth(int width)
{
    penWidth_ = qMax(1, width);
}

void Canvas::SetPenStyle(PenStyle style)
{
    penStyle_ = style;
}

void Canvas::ApplyPen()
{
    if (penStyle_ == PenStyle::Clear) {
        painter_.setPen(Qt::NoPen);
        return;
    }
    QPen pen(penColour_, penWidth_);
    // Flat ends: a line covers exactly the pixels from its start up to, not
    // including, its end point, whatever the width.
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    switch (penStyle_) {
    case PenStyle::Dot:
        pen.setStyle(Qt::DotLine);
        break;
    case PenStyle::DashDot:
        pen.setStyle(Qt::DashDotLine);
        break;
    default:
        pen.setStyle(Qt::SolidLine);
        break;
    }
    painter_.setPen(pen);
}

void Canvas::ApplyBrush()
{
    if (brushStyle_ == BrushStyle::Clear)
        painter_.setBrush(Qt::NoBrush);
    else
        painter_.setBrush(brushColour_);
}

// Pixel (x, y) covers the square from (x, y) to (x + 1, y + 1); shapes are
// laid through pixel centres so that aliased output matches the integer grid.
static QPointF Centre(int x, int y)
{
    return QPointF(x + 0.5, y + 0.5);
}

void Canvas::MoveTo(int x, int y)
{
    penPos_ = QPoint(x, y);
}

void Canvas::LineTo(int x, int y)
{
    ApplyPen();
    if (penStyle_ != PenStyle::Clear && penPos_ != QPoint(x, y)) {
        const QPointF a = Centre(penPos_.x(), penPos_.y());
        const QPointF b = Centre(x, y);
        const QPointF d = b - a;
        if (penWidth_ <= 1) {
            ThinLine(penPos_, QPoint(x, y));
        } else {
            // Wide lines are filled shapes: with flat ends, shifting the stroke
            // back by half a pixel covers the first pixel and not the last.
            const QPointF half = d * (0.5 / std::hypot(d.x(), d.y()));
            painter_.drawLine(a - half, b - half);
        }
    }
    penPos_ = QPoint(x, y);
}

void Canvas::ThinLine(QPoint from, QPoint to)
{
    if (IsVector()) {
        // One stroke through the pixel centres, its last pixel left out as
        // on the screen.
        const QPointF a = Centre(from.x(), from.y());
        const QPointF b = Centre(to.x(), to.y());
        const QPointF d = b - a;
        const QPointF half = d * (0.5 / std::hypot(d.x(), d.y()));
        QPen pen(penColour_, 1);
        pen.setCapStyle(Qt::FlatCap);
        if (penStyle_ == PenStyle::Dot)
            pen.setStyle(Qt::DotLine);
        painter_.setPen(pen);
        painter_.drawLine(a - half, b - half);
        return;
    }
    // Stepped pixel by pixel from the first point up to, not including, the
    // last; a dotted pen sets every other pixel. A solid horizontal or
    // vertical line covers the same pixels with one fill (the scales and
    // ticks of the figures are hundreds of such lines a repaint).
    if (penStyle_ != PenStyle::Dot && (from.x() == to.x() || from.y() == to.y())) {
        const int links = from.x() <= to.x() ? from.x() : to.x() + 1;
        const int oben = from.y() <= to.y() ? from.y() : to.y() + 1;
        painter_.fillRect(QRect(links, oben, qMax(1, qAbs(to.x() - from.x())), qMax(1, qAbs(to.y() - from.y()))),
                          penColour_);
        return;
    }
    const int dx = qAbs(to.x() - from.x());
    const int dy = -qAbs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int err = dx + dy;
    int x = from.x();
    int y = from.y();
    int step = 0;
    while (x != to.x() || y != to.y()) {
        if (penStyle_ != PenStyle::Dot || step % 2 == 0)
            painter_.fillRect(QRect(x, y, 1, 1), penColour_);
        ++step;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void Canvas::Rectangle(int x1, int y1, int x2, int y2)
{
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    if (x2 - x1 < 1 || y2 - y1 < 1)
        return;
    if (brushStyle_ == BrushStyle::Solid)
        painter_.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), brushColour_);
    if (penStyle_ != PenStyle::Clear) {
        ApplyPen();
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
    }
}

void Canvas::Ellipse(int x1, int y1, int x2, int y2)
{
    ApplyPen();
    ApplyBrush();
    painter_.drawEllipse(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
}

void Canvas::FillRect(const QRect& rect)
{
    painter_.fillRect(rect, brushColour_);
}

void Canvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    ApplyPen();
    painter_.setBrush(Qt::NoBrush);
    const double cx = (x1 + x2) / 2.0;
    const double cy = (y1 + y2) / 2.0;
    // Angles counter-clockwise on the screen, where y grows downwards.
    const double a1 = qRadiansToDegrees(std::atan2(cy - y3, x3 - cx));
    const double a2 = qRadiansToDegrees(std::atan2(cy - y4, x4 - cx));
    double span = a2 - a1;
    while (span <= 0)
        span += 360;
    const QRectF box(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1);
    painter_.drawArc(box, int(std::lround(a1 * 16)), int(std::lround(span * 16)));
}

QPoint Canvas::ToDevice(int x, int y) const
{
    const qreal r = image_->devicePixelRatio();
    return QPoint(int(std::floor((x + 0.5) * r)), int(std::floor((y + 0.5) * r)));
}

void Canvas::FloodFill(int x, int y, const QColor& colour, FillStyle style)
{
    // The raster engine paints straight into the image's memory, so the
    // pixels can be read and written here while the painter stays active.
    if (IsVector())
        return;
    QImage& image_ = *this->image_;
    const QPoint start = ToDevice(x, y);
    if (!image_.rect().contains(start))
        return;
    if (image_.format() != QImage::Format_RGB32 && image_.format() != QImage::Format_ARGB32
        && image_.format() != QImage::Format_ARGB32_Premultiplied)
        return;
    const QRgb key = colour.rgb() & 0xFFFFFFu;
    const QRgb fill = brushColour_.rgb();
    const int w = image_.width();
    const int h = image_.height();
    auto at = [&](int px, int py) -> QRgb& {
        return reinterpret_cast<QRgb*>(image_.scanLine(py))[px];
    };
    auto inside = [&](int px, int py) {
        const QRgb c = at(px, py) & 0xFFFFFFu;
        return style == FillStyle::Surface ? c == key : c != key;
    };
    if (!inside(start.x(), start.y()) || (at(start.x(), start.y()) & 0xFFFFFFu) == (fill & 0xFFFFFFu))
        return;
    std::vector<bool> done(size_t(w) * size_t(h), false);
    std::vector<QPoint> stack{start};
    while (!stack.empty()) {
        const QPoint p = stack.back();
        stack.pop_back();
        int lx = p.x();
        const int py = p.y();
        if (done[size_t(py) * w + lx] || !inside(lx, py))
            continue;
        while (lx > 0 && !done[size_t(py) * w + lx - 1] && inside(lx - 1, py))
            --lx;
        int rx = lx;
        while (rx < w && !done[size_t(py) * w + rx] && inside(rx, py)) {
            at(rx, py) = fill;
            done[size_t(py) * w + rx] = true;
            ++rx;
        }
        for (int ny : {py - 1, py + 1}) {
            if (ny < 0 || ny >= h)
                continue;
            for (int nx = lx; nx < rx; ++nx)
                if (!done[size_t(ny) * w + nx] && inside(nx, ny))
                    stack.emplace_back(nx, ny);
        }
    }
}

void Canvas::SetPixel(int x, int y, const QColor& colour)
{
    if (IsVector())
        return;
    QImage& image_ = *this->image_;
    const qreal r = image_.devicePixelRatio();
    const QRect device(int(std::floor(x * r)), int(std::floor(y * r)), qMax(1, int(std::round(r))),
                       qMax(1, int(std::round(r))));
    for (int py = device.top(); py <= device.bottom(); ++py)
        for (int px = device.left(); px <= device.right(); ++px)
            if (image_.rect().contains(px, py))
                image_.setPixelColor(px, py, colour);
}

QColor Canvas::Pixel(int x, int y) const
{
    if (IsVector())
        return QColor();
    const QPoint p = ToDevice(x, y);
    if (!image_->rect().contains(p))
        return QColor();
    return image_->pixelColor(p);
}

void Canvas::TextOut(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    const QFontMetrics fm(font_);
    if (brushStyle_ == BrushStyle::Solid)
        painter_.fillRect(QRect(QPoint(x, y), TextExtent(text)), brushColour_);
    painter_.setPen(fontColour_);
    painter_.drawText(QPoint(x, y + fm.ascent()), text);
}

int Canvas::TextWidth(const QString& text) const
{
    return QFontMetrics(font_).horizontalAdvance(text);
}

int Canvas::TextHeight(const QString& text) const
{
    Q_UNUSED(text);
    return QFontMetrics(font_).height();
}

QSize Canvas::TextExtent(const QString& text) const
{
    return QSize(TextWidth(text), TextHeight(text));
}
