#pragma once
#include <QWidget>

#include <vector>

// Creates every form of the program once, in the fixed order, each reached
// through its one global reference (frmMinusland first); the main window is
// told which screen each menu command opens.
void ErzeugeFormulare();

// The forms in the order they were created.
const std::vector<QWidget*>& ErzeugteFormulare();

// Deletes them in reverse order and clears the global references.
void LoescheFormulare();
