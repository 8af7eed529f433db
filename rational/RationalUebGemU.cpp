#include "rational/RationalUebGemU.h"

TfrmRationalUebGem::TfrmRationalUebGem(QWidget* parent)
    : TfrmRationalUebung({RationalBildschirm::Gem, "frmRationalUebGem", 10.3f, 460, false,
                          AnleitungGanzeZahlStart, AnleitungGanzeZahlVorzeichen, AnleitungGanzeZahlVereinfacht},
                         parent)
{
}
