#pragma once
// Records every accessibility event the program's own code raises. The
// tests run without a screen reader, and then Qt drops events before even an
// update handler installed with QAccessible::installUpdateHandler sees them
// (QAccessible::setActive does not change that on the offscreen platform);
// so the record is taken where the program raises them, through the watcher
// of core/Zugang.h, installed before main runs.
#include "core/Zugang.h"

#include <QAccessible>
#include <QList>
#include <QObject>
#include <QPair>

inline QList<QPair<QObject*, QAccessible::Event>> zugangsEreignisse;

inline void ZugangMitschreiben(QAccessibleEvent* e)
{
    zugangsEreignisse.append({e->object(), e->type()});
}

inline const bool zugangMitschriftAn = [] {
    SetzeZugangBeobachter(ZugangMitschreiben);
    return true;
}();

inline bool ZugangGemeldet(QObject* o, QAccessible::Event art)
{
    return zugangsEreignisse.contains(qMakePair(o, art));
}
