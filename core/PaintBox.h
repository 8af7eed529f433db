#pragma once
#include "core/Canvas.h"

#include <QWidget>

#include <functional>

// A paint area: every repaint draws the whole area afresh into an image
// buffer through a Canvas and then shows the buffer, so painting never
// flickers and tests can render the same picture without a screen.
class PaintBox : public QWidget {
    Q_OBJECT
public:
    explicit PaintBox(QWidget* parent = nullptr);

    // Called on every repaint with a canvas over the cleared buffer.
    std::function<void(Canvas&)> OnPaint;

    void SetBackground(const QColor& colour) { background_ = colour; }
    QColor Background() const { return background_; }

    // The picture the next repaint would show, at the given pixel ratio.
    QImage Render(qreal devicePixelRatio = 1.0) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_ = QColor(240, 240, 240);
};
