#include "core/Programmstil.h"

#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyle>
#include <QWidget>

namespace {

// Stands for a standard icon of a style and reads it at its first use.
class TSpaetesIcon : public QIconEngine {
public:
    TSpaetesIcon(const QStyle* stil, QStyle::StandardPixmap art, const QWidget* widget)
        : stil_(const_cast<QStyle*>(stil)), art_(art), widget_(const_cast<QWidget*>(widget))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Echt().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Echt().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Echt().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Echt().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Echt().availableSizes(mode, state);
    }
    bool isNull() override { return Echt().isNull(); }
    QString key() const override { return QStringLiteral("TSpaetesIcon"); }
    QIconEngine* clone() const override { return new TSpaetesIcon(*this); }

private:
    const QIcon& Echt()
    {
        if (!gelesen_ && stil_) {
            echt_ = stil_->standardIcon(art_, nullptr, widget_.data());
            gelesen_ = true;
        }
        return echt_;
    }

    // Watched, not owned: either may be gone by the first painting.
    QPointer<QStyle> stil_;
    QStyle::StandardPixmap art_;
    QPointer<QWidget> widget_;
    QIcon echt_;
    bool gelesen_ = false;
};

} // namespace

QIcon TProgrammstil::standardIcon(StandardPixmap art, const QStyleOption* option, const QWidget* widget) const
{
    // An option need not live until the icon is painted: such icons are read
    // at once. The widget is asked again at the first painting, if it lives.
    if (option)
        return QProxyStyle::standardIcon(art, option, widget);
    return QIcon(new TSpaetesIcon(baseStyle(), art, widget));
}
