#pragma once
// Typing into an answer box as a pupil does: key by key, the en dash typed
// with the "-" key, and Return to move on.
#include "core/NumberHelpers.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

inline void TippeTasten(QWidget* feld, const QString& text)
{
    for (QChar c : text) {
        const QChar taste = c == EnDash ? QChar(u'-') : c;
        QTest::keyClick(feld, taste.toLatin1());
    }
}

// Replaces the box's text by typing and leaves the box with Return; the
// follow-up of the judgement (a message, the focus return) gets its turn.
inline void TippeUndEnter(QLineEdit* feld, const QString& text)
{
    feld->selectAll();
    TippeTasten(feld, text);
    QTest::keyClick(feld, Qt::Key_Return);
    QApplication::processEvents();
}
