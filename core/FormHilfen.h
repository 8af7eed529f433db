#pragma once
#include "core/Canvas.h"

#include <QColor>
#include <QApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QFont>
#include <QPalette>
#include <QWidget>

// Small helpers the screens share for their fixed-layout controls and frames.

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

// A fixed frame with the system menu and the close box only: no minimise or
// maximise box.
inline Qt::WindowFlags FesterRahmen(Qt::WindowType art)
{
    return art | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint;
}

// Puts the window in the middle of the free area of its screen.
inline void ZentriereAufSchirm(QWidget* fenster)
{
    const QScreen* schirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
    if (!schirm)
        return;
    const QRect frei = schirm->availableGeometry();
    fenster->move(frei.x() + (frei.width() - fenster->width()) / 2, frei.y() + (frei.height() - fenster->height()) / 2);
}

// Every screen's menu bar looks like the main window's: the application's
// menu font, whatever font the screen itself is drawn in.
inline void SetzeMenueSchrift(QMenuBar* leiste)
{
    // Every property counts as set: a font left partly unresolved would take
    // the rest (bold, the size) from the screen again.
    QFont schrift = QApplication::font("QMenuBar");
    schrift.setResolveMask(QFont::AllPropertiesResolved);
    leiste->setFont(schrift);
}
