#pragma once
#include <QString>
#include <QStringList>

// Parts of the program that bring a large library along (the chart of "Mein
// Verlauf" with Qt Charts, printing with Qt Print Support) are modules of
// their own, loaded when they are first used: the program's start does not
// map those libraries, and a missing module costs that one part, not the
// program.

// The function `symbol` of module `name` (file libminusland_<name>.so),
// loaded on first call and kept loaded. nullptr when the module or the
// function is missing; the reason then in *fehler.
void* ModulFunktion(const QString& name, const char* symbol, QString* fehler = nullptr);

template <typename Funktion>
Funktion ModulFunktion(const QString& name, const char* symbol, QString* fehler = nullptr)
{
    return reinterpret_cast<Funktion>(ModulFunktion(name, symbol, fehler));
}

// The folders searched, in this order: the installed modules' folder beside
// the program's, then the build tree's.
QStringList ModulOrdner();
// Tests point the search elsewhere (an empty list: back to the default).
void SetzeModulOrdner(const QStringList& ordner);
