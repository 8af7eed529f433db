#pragma once
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QWidget;

// Printing: the print dialog and the printer come from Qt Print Support in
// the module "druck" (DruckModul.cpp), loaded when the teacher first prints.

// The module's function, looked up by this name: shows the print dialog for
// an A4 portrait document without printer margins; when the teacher confirms,
// calls zeichne with the printer. True when printed; false when cancelled
// (*fehler empty) or when zeichne failed (*fehler says why).
using DruckDialogFunktion = bool (*)(QWidget* eltern, const QString& titel,
                                     const std::function<bool(QPagedPaintDevice&, QString*)>& zeichne,
                                     QString* fehler);
inline constexpr const char* DruckModul = "druck";
inline constexpr const char* DruckDialogName = "ml_druckdialog";
