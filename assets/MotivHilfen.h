#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

// What the picture painters share: a fixed-seed scatter, the font, a blank
// canvas and the picture frame. Only the painters include this.
namespace motiv {

// A small fixed-seed generator, so the painted pictures come out the same on
// every run of the tool (the program's own generator is left alone).
class Streuung {
public:
    explicit Streuung(quint32 start) : zustand_(start) {}
    qreal Zahl(qreal von, qreal bis)
    {
        zustand_ = zustand_ * 1664525u + 1013904223u;
        return von + (bis - von) * ((zustand_ >> 8) / qreal(1 << 24));
    }

private:
    quint32 zustand_;
};

inline QFont Schrift(int pixel, bool fett = true, bool kursiv = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixel);
    f.setBold(fett);
    f.setItalic(kursiv);
    return f;
}

inline QImage Leinwand(int breite, int hoehe, const QColor& grund)
{
    QImage bild(breite, hoehe, QImage::Format_RGB32);
    bild.fill(grund);
    return bild;
}

inline void Rahmen(QPainter& p, int breite, int hoehe, const QColor& farbe)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(farbe, 2));
    p.drawRect(QRectF(1, 1, breite - 2, hoehe - 2));
    p.setPen(QPen(farbe.darker(170), 1));
    p.drawRect(QRectF(0.5, 0.5, breite - 1, hoehe - 1));
}


} // namespace motiv
