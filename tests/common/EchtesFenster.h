#pragma once
// Looking at what a real X server shows, not at a fresh rendering.
//
// QWidget::grab() paints the whole widget again, so a control that forgot
// to repaint part of itself still looks right in it. These helpers read the
// pixels back from the X server instead: what the pupil actually sees.
//
//   #include "common/EchtesFenster.h"
//
//   void TestX::balken()
//   {
//       ECHTES_FENSTER_NOETIG();                 // QSKIPs without an X server
//       Form form;
//       QVERIFY(echtes_fenster::Zeigen(&form));  // shown, exposed, painted
//       ...change something...
//       echtes_fenster::Ruhe();                   // let the repaints reach X
//       const QImage bild = echtes_fenster::Bild(&form);   // server pixels
//       QCOMPARE(echtes_fenster::Abweichungen(&form), 0);  // nothing stale
//   }
//
// CTest runs such tests (ml_xserver_test in tests/CMakeLists.txt) under
// xvfb-run with QT_QPA_PLATFORM=xcb and the label "xserver"; on any other
// platform (offscreen, no xvfb-run) they skip with a message.
// With MINUSLAND_FOTOS set, Foto() keeps server pictures there for a look.
//
// Header-only; link Qt6::Widgets and Qt6::Test.

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPoint>
#include <QScreen>
#include <QString>
#include <QTest>
#include <QWidget>

namespace echtes_fenster {

// True when the widgets go to an X server.
inline bool Aktiv()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

// Lets pending updates be painted and flushed to the X server. Requests on
// one connection are handled in order, so a later read-back sees them.
inline void Ruhe(int ms = 60)
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QTest::qWait(ms / 3 + 1);
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// Shows the window of w on the server and waits until it is painted. A
// blinking text cursor would make two read-backs differ, so it stands still.
inline bool Zeigen(QWidget* w)
{
    QApplication::setCursorFlashTime(0);
    QWidget* fenster = w->window();
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
    if (!QTest::qWaitForWindowExposed(fenster))
        return false;
    Ruhe(150);
    return true;
}

// The pixels the X server holds for w's rectangle, read from the root window.
inline QImage Bild(QWidget* w)
{
    QScreen* screen = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    const QPoint oben = w->mapToGlobal(QPoint(0, 0)) - screen->geometry().topLeft();
    return screen->grabWindow(0, oben.x(), oben.y(), w->width(), w->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Server pixel at a point of w.
inline QRgb Pixel(QWidget* w, QPoint p)
{
    return Bild(w).pixel(p);
}

// Number of pixels in which the server's picture of w differs from a fresh
// rendering of w: a stale repaint shows up here. Pixels within tolerance in
// every channel count as equal.
inline int Abweichungen(QWidget* w, int tolerance = 0)
{
    const QImage server = Bild(w);
    const QImage frisch = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (server.size() != frisch.size())
        return server.width() * server.height();
    int n = 0;
    for (int y = 0; y < server.height(); ++y)
        for (int x = 0; x < server.width(); ++x) {
            const QRgb a = server.pixel(x, y), b = frisch.pixel(x, y);
            if (qAbs(qRed(a) - qRed(b)) > tolerance || qAbs(qGreen(a) - qGreen(b)) > tolerance
                || qAbs(qBlue(a) - qBlue(b)) > tolerance)
                ++n;
        }
    return n;
}

// Keeps the server picture of w as <MINUSLAND_FOTOS>/<name>.png when that
// variable is set.
inline void Foto(QWidget* w, const QString& name)
{
    const QString ordner = qEnvironmentVariable("MINUSLAND_FOTOS");
    if (!ordner.isEmpty())
        Bild(w).save(ordner + u'/' + name + QStringLiteral(".png"));
}

} // namespace echtes_fenster

#define ECHTES_FENSTER_NOETIG()                                                                    \
    do {                                                                                           \
        if (!echtes_fenster::Aktiv())                                                              \
            QSKIP("needs a real X server (QT_QPA_PLATFORM=xcb, e.g. under xvfb-run); "             \
                  "platform here is not xcb");                                                     \
    } while (false)
