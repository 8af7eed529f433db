#include "rational/RationalUebAddSubU.h"

namespace {

const RationalUebungsArt AddSub{
    RationalBildschirm::AddSub,
    "frmRationalUebAddSub",
    10.5f,
    700,
    true,
    QStringLiteral("Gib den gekürzten Bruch (echt oder unecht) bzw. die Zahl mit dem entsprechenden Vorzeichen "
                   "ein.\rDrücke die Enter–Taste oder klicke mit der Maus ins nächste Feld!"),
    QStringLiteral("Gib den gekürzten Bruch (echt oder unecht) bzw. die Zahl mit dem entsrechenden Vorzeichen "
                   "ein.\rDrücke die Enter–Taste oder klicke mit der Maus ins nächste Feld!"),
    QStringLiteral("Gib den gekürzten Bruch (echt oder unecht) bzw. die Zahl ohne Pluszeichen ein.\rDrücke die "
                   "Enter–Taste oder klicke mit der Maus ins nächste Feld!"),
};

} // namespace

TfrmRationalUebAddSub::TfrmRationalUebAddSub(QWidget* parent)
    : TfrmRationalUebung(AddSub, parent)
{
}
