#pragma once
#include "core/Canvas.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

// Small helpers the integer screens share for their fixed-layout controls.

// "Arial" bold at an em height in pixels, as the forms specify their fonts.
inline QFont ArialFett(int pixels)
{
    QFont font(ResolveFontFamily(QStringLiteral("Arial")));
    font.setPixelSize(pixels);
    font.setBold(true);
    return font;
}

// Text colour of a label, group box or button.
inline void SetzeTextfarbe(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

// Places a child control and names it for tests and screen readers.
template <typename W>
W* Platziere(W* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}
