#include "shell/Formulare.h"

#include "shell/InformationU.h"
#include "shell/MaxanzahlU.h"
#include "shell/MinuslandU.h"

#include "history/VerlaufMenue.h"

// Screens of the other folders; their libraries are linked to ml_shell_start
// in shell/CMakeLists.txt.
#include "integer/AuswertungU.h"
#include "integer/GanzUebungU.h"
#include "intro/EinstiegGanzU.h"
#include "intro/EinstiegRationalU.h"
#include "intro/GanzMusterU.h"
#include "rational/RationalUebAddSubU.h"
#include "rational/RationalUebGemU.h"
#include "rational/RationalUebMultDivU.h"
#include "worksheet/KlassencodeUeben.h"

#include <functional>

namespace {

std::vector<QWidget*> Formulare;
std::vector<std::function<void()>> Abmelden; // sets each global back to nullptr

// Creates a form that the menu does not open.
template <typename T>
void Erzeuge(T*& global, QWidget* eltern = nullptr)
{
    global = new T(eltern);
    // Only the main window ends the program when it closes.
    global->setAttribute(Qt::WA_QuitOnClose, false);
    Formulare.push_back(global);
    Abmelden.push_back([&global] { global = nullptr; });
}

// Creates a form and hands it to the main window, which enables the menu
// items that open it.
template <typename T>
void Erzeuge(T*& global, Formular formular, QWidget* eltern = nullptr)
{
    Erzeuge(global, eltern);
    frmMinusland->SetzeFormular(formular, global);
}

// "Mit Klassencode üben …" in the menu of each drill screen.
void KlassencodeEintraege()
{
    KlassencodeUeben(frmGanzUebung, Zahlenbereich::Ganz);
    KlassencodeUeben(frmRationalUebAddSub, Zahlenbereich::Rational);
    KlassencodeUeben(frmRationalUebMultDiv, Zahlenbereich::Rational);
    KlassencodeUeben(frmRationalUebGem, Zahlenbereich::Rational);
}

} // namespace

void ErzeugeFormulare()
{
    if (frmMinusland)
        return;
    frmMinusland = new TfrmMinusland();
    Formulare.push_back(frmMinusland);
    Abmelden.push_back([] { frmMinusland = nullptr; });

    // The forms, in this order. A new screen: include its header above, put
    // its line in its place here (with the Formular value when the menu opens
    // it) and link its library to ml_shell_start.
    Erzeuge(frmGanzUebung, Formular::GanzUebung);
    Erzeuge(frmGanzEinstieg, Formular::GanzEinstieg);
    Erzeuge(frmGanzMuster, Formular::GanzMuster);
    Erzeuge(frmAuswertung);
    Erzeuge(frmMaxanzahl, Formular::Maxanzahl, frmMinusland); // centred on the main window
    Erzeuge(frmRationalUebAddSub, Formular::RationalUebAddSub);
    Erzeuge(frmRationalEinstieg, Formular::RationalEinstieg);
    Erzeuge(frmRationalUebMultDiv, Formular::RationalUebMultDiv);
    Erzeuge(frmRationalUebGem, Formular::RationalUebGem);
    Erzeuge(frmInformation, Formular::Information);
    KlassencodeEintraege();

    // The main menu's "Verlauf" (owned by the main window).
    VerlaufEinbinden(frmMinusland);
}

const std::vector<QWidget*>& ErzeugteFormulare()
{
    return Formulare;
}

void LoescheFormulare()
{
    // Children (the pass-count dialog) go with their parent.
    for (auto form = Formulare.rbegin(); form != Formulare.rend(); ++form)
        if ((*form)->parent() == nullptr)
            delete *form;
    for (auto abmelden = Abmelden.rbegin(); abmelden != Abmelden.rend(); ++abmelden)
        (*abmelden)();
    Formulare.clear();
    Abmelden.clear();
}
