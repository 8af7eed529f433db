#include "core/MyShape.h"

#include <QMouseEvent>
#include <QApplication>
#include <QPainter>
#include <QPen>

TMyShape::TMyShape(QWidget* parent)
    : QWidget(parent)
{
    // Only the shape itself is drawn; whatever lies below shows around it.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void TMyShape::SetShape(ShapeType shape)
{
    shape_ = shape;
    update();
}

void TMyShape::SetPenColor(const QColor& colour)
{
    penColour_ = colour;
    update();
}

void TMyShape::SetPenWidth(int width)
{
    penWidth_ = qMax(1, width);
    update();
}

void TMyShape::SetPenClear(bool clear)
{
    penClear_ = clear;
    update();
}

void TMyShape::SetBrushColor(const QColor& colour)
{
    brushColour_ = colour;
    update();
}

void TMyShape::SetBrushClear(bool clear)
{
    brushClear_ = clear;
    update();
}

void TMyShape::paintEvent(QPaintEvent*)
{
    if (penClear_ && brushClear_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (penClear_) {
        painter.setPen(Qt::NoPen);
    } else {
        QPen pen(penColour_, penWidth_);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
    }
    painter.setBrush(brushClear_ ? QBrush(Qt::NoBrush) : QBrush(brushColour_));
    // The outline lies inside the control, as wide pens would otherwise be cut.
    const qreal inset = penClear_ ? 0 : penWidth_ / 2.0;
    QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    if (shape_ == ShapeType::Circle) {
        const qreal side = qMin(box.width(), box.height());
        box = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    if (shape_ == ShapeType::Rectangle)
        painter.drawRect(box);
    else
        painter.drawEllipse(box);
}

void TMyShape::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TMyShape::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void TMyShape::mousePressEvent(QMouseEvent* event)
{
    // A press with another button is not an answer on the number line.
    if (event->button() == Qt::LeftButton && OnMouseDown) {
        event->accept();
        // The window system may deliver the second click of a double click
        // as a press of its own; it is the same answer.
        const quint64 jetzt = event->timestamp();
        const bool doppelt = jetzt != 0 && letzterDruck_ != 0 && jetzt >= letzterDruck_
                             && jetzt - letzterDruck_ < quint64(QApplication::doubleClickInterval());
        letzterDruck_ = jetzt;
        if (!doppelt)
            OnMouseDown(this);
        return;
    }
    QWidget::mousePressEvent(event);
}

void TMyShape::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Qt would hand the double click on as one more press.
    if (event->button() == Qt::LeftButton && OnMouseDown) {
        event->accept();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}
