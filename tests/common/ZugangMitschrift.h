#pragma once
// Records every accessibility event the program's own code raises. Without a
// screen reader on the session Qt drops events before any handler sees them,
// so the test is linked with
//   -Wl,--wrap=_ZN11QAccessible19updateAccessibilityEP16QAccessibleEvent
// and every call from the program's libraries comes through here first. The
// definition lives in this header: include it in one file of a program only.
#include <QAccessible>
#include <QList>
#include <QObject>
#include <QPair>

inline QList<QPair<QObject*, QAccessible::Event>> zugangsEreignisse;

extern "C" void __real__ZN11QAccessible19updateAccessibilityEP16QAccessibleEvent(QAccessibleEvent* e);
extern "C" void __wrap__ZN11QAccessible19updateAccessibilityEP16QAccessibleEvent(QAccessibleEvent* e)
{
    zugangsEreignisse.append({e->object(), e->type()});
    __real__ZN11QAccessible19updateAccessibilityEP16QAccessibleEvent(e);
}

inline bool ZugangGemeldet(QObject* o, QAccessible::Event art)
{
    return zugangsEreignisse.contains(qMakePair(o, art));
}
