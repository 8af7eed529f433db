#include "core/PaintBox.h"

#include <QPainter>

PaintBox::PaintBox(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage PaintBox::Render(qreal devicePixelRatio) const
{
    QImage buffer(size() * devicePixelRatio, QImage::Format_RGB32);
    buffer.setDevicePixelRatio(devicePixelRatio);
    buffer.fill(background_);
    if (OnPaint) {
        Canvas canvas(buffer);
        OnPaint(canvas);
    }
    return buffer;
}

void PaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, Render(devicePixelRatioF()));
}
