#pragma once
#include "drill/Urteil.h"

#include <QString>

#include <optional>

class QWidget;

// The words the drill frame gives screen readers for its lines, taken from
// the one table every screen uses (speech/Sprechtext.h).

// What a line's status picture tells: still open (no verdict), or the state
// the verdict left. A refused entry leaves the line open.
QString StatusName(std::optional<Verdikt> verdikt);

// What the mark of attempt 1 or 2 tells once judged.
QString MarkeName(int versuch, bool richtig);

// Describes an answer box by the term shown before it: spoken German for the
// screen reader, the shown glyphs kept in the property "aufgabentext". An
// empty term (a hidden line) clears both.
void BeschreibeTermfeld(QWidget* feld, const QString& gezeigt);
