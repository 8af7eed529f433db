// Start-up: every form is created once (shell/Formulare.cpp), then the main
// window runs until it is closed, which ends the program.
#include "shell/Formulare.h"
#include "shell/MinuslandU.h"

#include "assets/FertigeBilder.h"
#include "core/Programmstil.h"
#include "core/QtDeutsch.h"
#include "core/Zugang.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QtAufDeutsch();
    app.setStyle(new TProgrammstil);
    app.setApplicationName(QStringLiteral("Minusland"));
    // Lets desktops match the windows to the installed menu entry and icon.
    app.setDesktopFileName(QStringLiteral("de.minusland.Minusland"));
    app.setWindowIcon(FertigesAppIcon());
    // The main window alone ends the program, also while it is hidden under
    // a screen.
    app.setQuitOnLastWindowClosed(false);
    // Visible focus frames and the screen-reader interfaces of counters and
    // feedback lines, before any form exists.
    ZugangEinrichten();

    ErzeugeFormulare();
    QObject::connect(frmMinusland, &TfrmMinusland::Beendet, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    frmMinusland->show();
    const int ergebnis = app.exec();
    LoescheFormulare();
    return ergebnis;
}
