#pragma once
// The term of a rational catalogue row in linear form, as its drill screen
// shows it: the same splitting, folding and shape choice the screen makes.
#include "core/NumberHelpers.h"
#include "rational/RationalAnzeige.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalTermBauer.h"

#include <QString>

// art: RationalArt 1 … 5; formNr gets the typesetting shape (0 for a
// decimal row and for a row the screen does not paint).
inline QString RationalSichtbar(const TRationalAufgabe& a, int art, bool vereinfacht, int& formNr)
{
    formNr = 0;
    if (!a.IstBruch)
        return DezimaltermAnzeige(a.Term, vereinfacht);
    const RationalBildschirm b = art <= 2 ? RationalBildschirm::AddSub
                                 : art <= 4 ? RationalBildschirm::MultDiv
                                            : RationalBildschirm::Gem;
    TermTeile termTeile;
    const int n = ZerlegeTerm(a.Term, termTeile);
    if (b == RationalBildschirm::MultDiv && vereinfacht)
        VereinfacheMultDiv(termTeile, a.Sonderdarstellung);
    BruchTeile teile;
    if (b == RationalBildschirm::Gem && vereinfacht && a.Form == 1)
        LeseBruchTeileVereinfacht(termTeile, teile);
    else
        LeseBruchTeile(termTeile, teile);
    if (b == RationalBildschirm::AddSub && vereinfacht)
        VereinfacheAddSub(teile, n, a.Sonderdarstellung);
    formNr = RationalFormNr(b, vereinfacht, n, a.Sonderdarstellung, a.Form);
    return LinearerTerm(formNr, teile);
}

