#include "rational/RationalUebMultDivU.h"

TfrmRationalUebMultDiv::TfrmRationalUebMultDiv(QWidget* parent)
    : TfrmRationalUebung({RationalBildschirm::MultDiv, "frmRationalUebMultDiv", 10.5f, 460, false,
                          AnleitungGanzeZahlStart, AnleitungGanzeZahlVorzeichen, AnleitungGanzeZahlVereinfacht},
                         parent)
{
}
