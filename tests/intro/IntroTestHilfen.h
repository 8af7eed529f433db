#pragma once
// Shared pieces of the screen tests of the introductions and examples.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QString>
#include <QWidget>
#include <QtTest>

// Saves the screen to $ML_SHOT_DIR/<name>.png when that variable is set, so
// the pages can be looked at after a test run.
inline void Shot(QWidget* w, const QString& name)
{
    const QString dir = qEnvironmentVariable("ML_SHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    QApplication::processEvents();
    w->grab().save(dir + u'/' + name + QStringLiteral(".png"));
}

// Pixels of exactly this colour inside the rectangle of an image.
inline int CountColour(const QImage& image, const QRect& rect, const QColor& colour)
{
    int n = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

// Lets the deferred focus changes and message boxes of the screens run.
inline void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// Types into answer box i and presses Enter, as the pupil does.
template <typename Form>
void Antworte(Form* f, int i, const QString& keys)
{
    auto* e = f->edt[i];
    QVERIFY(e->isVisible());
    QTRY_VERIFY(e->hasFocus());
    e->selectAll();
    QTest::keyClicks(e, keys);
    QTest::keyClick(e, Qt::Key_Return);
    Settle();
}
