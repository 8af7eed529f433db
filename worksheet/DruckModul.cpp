// The module "druck": the print dialog and the printer of Qt Print Support.
#include "worksheet/DruckModul.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT bool ml_druckdialog(QWidget* eltern, const QString& titel,
                                             const std::function<bool(QPagedPaintDevice&, QString*)>& zeichne,
                                             QString* fehler)
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    // The document is laid out from the paper's corner with its own margins,
    // inside what any printer can print.
    drucker.setFullPage(true);
    drucker.setDocName(titel);
    QPrintDialog dialog(&drucker, eltern);
    dialog.setWindowTitle(QStringLiteral("Arbeitsblatt drucken"));
    if (dialog.exec() != QDialog::Accepted) {
        if (fehler)
            fehler->clear();
        return false;
    }
    return zeichne(drucker, fehler);
}
