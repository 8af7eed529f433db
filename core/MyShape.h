#pragma once
#include <QColor>
#include <QWidget>

#include <functional>

// A shape control: a circle, ellipse or rectangle drawn with a pen and a
// brush, either of which may be clear. It reports the mouse entering and
// leaving it and a press of the left button on it; each notification fires
// only when a handler is assigned and hands over the shape as sender. With
// clear pen and brush it is an invisible click target laid over a picture.
class TMyShape : public QWidget {
    Q_OBJECT
public:
    enum class ShapeType { Rectangle, Circle, Ellipse };

    explicit TMyShape(QWidget* parent = nullptr);

    void SetShape(ShapeType shape);
    ShapeType Shape() const { return shape_; }

    void SetPenColor(const QColor& colour);
    QColor PenColor() const { return penColour_; }
    void SetPenWidth(int width);
    int PenWidth() const { return penWidth_; }
    void SetPenClear(bool clear);
    bool PenClear() const { return penClear_; }

    void SetBrushColor(const QColor& colour);
    QColor BrushColor() const { return brushColour_; }
    void SetBrushClear(bool clear);
    bool BrushClear() const { return brushClear_; }

    std::function<void(TMyShape* sender)> OnMouseEnter;
    std::function<void(TMyShape* sender)> OnMouseLeave;
    std::function<void(TMyShape* sender)> OnMouseDown;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // The second press of a double click is no second answer.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ShapeType shape_ = ShapeType::Rectangle;
    QColor penColour_ = Qt::black;
    int penWidth_ = 1;
    bool penClear_ = false;
    QColor brushColour_ = Qt::white;
    bool brushClear_ = false;
    quint64 letzterDruck_ = 0; // time stamp of the last press handed on
};
