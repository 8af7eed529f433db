#include "assets/AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QImage AppIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    // Everything is laid out on a 64 × 64 grid and scaled.
    p.scale(size / 64.0, size / 64.0);

    // Rounded tile, dark red at the top to brighter red below, like the
    // backdrop of the main window.
    QLinearGradient red(0, 0, 0, 64);
    red.setColorAt(0, QColor(70, 0, 0));
    red.setColorAt(1, QColor(190, 20, 20));
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.fillPath(tile, red);
    p.setPen(QPen(QColor(40, 0, 0), 1.2));
    p.drawPath(tile);

    // Large minus sign and small plus sign.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(10, 23, 26, 7), 2, 2);
    p.setBrush(QColor(255, 220, 120));
    p.drawRoundedRect(QRectF(41, 14, 14, 4.5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(45.75, 9.25, 4.5, 14), 1.5, 1.5);

    // Number line with ticks, the zero tick longer.
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 46), QPointF(55, 46));
    for (int k = 0; k < 5; ++k) {
        const double x = 12 + k * 10;
        const double h = k == 2 ? 6 : 3.5;
        p.drawLine(QPointF(x, 46 - h), QPointF(x, 46 + h));
    }
    // A marked point left of zero: a negative number.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 120));
    p.drawEllipse(QPointF(22, 46), 3.6, 3.6);
    return icon;
}

QIcon AppIconSet()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(AppIcon(size)));
    return icon;
}
