#pragma once
// Checks of what a screen reader finds on a screen, shared by the tests of
// the introductions and of the drills.
#include <QAccessible>
#include <QString>
#include <QStringList>

// The glyphs a speech engine reads as punctuation instead of as the term.
inline bool OhneGlyphen(const QString& s)
{
    static const QString glyphen = QString::fromUtf8("–-/{}[]|·:()");
    for (QChar c : s)
        if (glyphen.contains(c))
            return false;
    return true;
}

// Collects the controls below i that are visible but have no name.
inline void AlleBenannt(QAccessibleInterface* i, QStringList& ohneNamen)
{
    for (int k = 0; k < i->childCount(); ++k) {
        QAccessibleInterface* c = i->child(k);
        if (!c || c->state().invisible)
            continue;
        const QAccessible::Role r = c->role();
        const bool bedienbar = r == QAccessible::PushButton || r == QAccessible::EditableText
                               || r == QAccessible::RadioButton || r == QAccessible::MenuItem
                               || r == QAccessible::Graphic || r == QAccessible::StatusBar
                               || r == QAccessible::Grouping;
        if (bedienbar && c->text(QAccessible::Name).trimmed().isEmpty())
            ohneNamen << (c->object() ? c->object()->objectName() : QStringLiteral("?"));
        AlleBenannt(c, ohneNamen);
    }
}
