#pragma once
// Reading painted pictures in tests. Text is antialiased, so colours are
// judged by their character (saturated red, dark grey) rather than exact RGB.

#include <QColor>
#include <QImage>
#include <QRect>

namespace probe {

// Anything clearly painted on a white ground.
inline bool Ink(QRgb c)
{
    return qRed(c) < 200 || qGreen(c) < 200 || qBlue(c) < 200;
}
// Dark and without a tint: black text and its antialiased edge.
inline bool Dark(QRgb c)
{
    return qRed(c) < 110 && qGreen(c) < 110 && qBlue(c) < 110;
}
inline bool Greyish(QRgb c, int tolerance = 12)
{
    return qAbs(qRed(c) - qGreen(c)) <= tolerance && qAbs(qGreen(c) - qBlue(c)) <= tolerance;
}
inline bool Reddish(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 80 && qBlue(c) < 80;
}
inline bool Bluish(QRgb c)
{
    return qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80;
}
inline bool Exactly(QRgb c, const QColor& colour)
{
    return (c & 0xFFFFFFu) == (colour.rgb() & 0xFFFFFFu);
}

template <class Pred>
int Count(const QImage& img, const QRect& area, Pred pred)
{
    int n = 0;
    const QRect r = area.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += pred(img.pixel(x, y)) ? 1 : 0;
    return n;
}

// The smallest rectangle holding every pixel the predicate accepts (null when
// there is none).
template <class Pred>
QRect Bounds(const QImage& img, const QRect& area, Pred pred)
{
    QRect box;
    const QRect r = area.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (pred(img.pixel(x, y)))
                box = box.isNull() ? QRect(x, y, 1, 1) : box.united(QRect(x, y, 1, 1));
    return box;
}

inline QRect InkBounds(const QImage& img, const QRect& area = QRect(0, 0, 100000, 100000))
{
    return Bounds(img, area, Ink);
}

// Runs of accepted pixels down one column (separate marks crossing it).
template <class Pred>
int RunsDown(const QImage& img, int x, int yFrom, int yTo, Pred pred)
{
    int runs = 0;
    bool inside = false;
    for (int y = yFrom; y <= yTo; ++y) {
        const bool hit = pred(img.pixel(x, y));
        runs += hit && !inside ? 1 : 0;
        inside = hit;
    }
    return runs;
}

inline QImage White(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

} // namespace probe
