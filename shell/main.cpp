// Start-up: every form is created once, in this order, and reached through
// its one global reference for the life of the program; then the main window
// runs until it is closed.
#include "shell/InformationU.h"
#include "shell/MaxanzahlU.h"
#include "shell/MinuslandU.h"

// Screens of the other folders (their libraries are linked in
// shell/CMakeLists.txt).
#include "integer/AuswertungU.h"
#include "integer/GanzUebungU.h"
#include "intro/EinstiegGanzU.h"
#include "intro/EinstiegRationalU.h"
#include "intro/GanzMusterU.h"
#include "rational/RationalUebAddSubU.h"
#include "rational/RationalUebGemU.h"
#include "rational/RationalUebMultDivU.h"

#include <QApplication>

#include <vector>

namespace {

// Forms in creation order, deleted in reverse at the end.
std::vector<QWidget*> Formulare;

// Creates a form that the menu does not open.
template <typename T>
void Erzeuge(T*& global, QWidget* eltern = nullptr)
{
    global = new T(eltern);
    global->setAttribute(Qt::WA_QuitOnClose, false);
    Formulare.push_back(global);
}

// Creates a form and hands it to the main window, which enables the menu
// items that open it.
template <typename T>
void Erzeuge(T*& global, Formular formular, QWidget* eltern = nullptr)
{
    Erzeuge(global, eltern);
    frmMinusland->SetzeFormular(formular, global);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Minusland"));
    // The main window alone ends the program, also while a screen is open
    // over it and it is hidden.
    app.setQuitOnLastWindowClosed(false);

    frmMinusland = new TfrmMinusland();
    QObject::connect(frmMinusland, &TfrmMinusland::Beendet, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    // ---- The forms, in this order. To add a screen: include its header
    // ---- above, put its line in its place below (with the Formular value
    // ---- when the menu opens it), and link its library to minusland.
    Erzeuge(frmGanzUebung, Formular::GanzUebung);
    Erzeuge(frmGanzEinstieg, Formular::GanzEinstieg);
    Erzeuge(frmGanzMuster, Formular::GanzMuster);
    Erzeuge(frmAuswertung);
    Erzeuge(frmMaxanzahl, Formular::Maxanzahl, frmMinusland);
    Erzeuge(frmRationalUebAddSub, Formular::RationalUebAddSub);
    Erzeuge(frmRationalEinstieg, Formular::RationalEinstieg);
    Erzeuge(frmRationalUebMultDiv, Formular::RationalUebMultDiv);
    Erzeuge(frmRationalUebGem, Formular::RationalUebGem);
    Erzeuge(frmInformation, Formular::Information);

    frmMinusland->show();
    const int ergebnis = app.exec();

    for (auto form = Formulare.rbegin(); form != Formulare.rend(); ++form)
        if ((*form)->parent() == nullptr)
            delete *form;
    delete frmMinusland;
    return ergebnis;
}
