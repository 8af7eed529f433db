#pragma once
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// Window details the shell's forms share.

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
