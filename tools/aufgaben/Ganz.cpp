#include "tools/aufgaben/Aufgaben.h"

#include "integer/GanzAnzeige.h"
#include "integer/GanzKatalog.h"
#include "integer/GanzSpeicher.h"
#include "worksheet/Arbeitsblatt.h"

// minusland-aufgaben ganz ART STUFE: integer exercises of kind ART (1 … 9)
// and level STUFE (1 … 4), with the display text exactly as the drill
// screen shows it in the chosen mode.
int DruckeGanz(const QStringList& args, QTextStream& out, QTextStream& err)
{
    AufgabenArgumente a;
    QString fehler;
    if (!LiesArgumente(args, 9, [](int) { return 4; }, a, fehler)) {
        err << "minusland-aufgaben ganz: " << fehler << Qt::endl;
        return ExitFalscheArgumente;
    }
    if (!a.code.isEmpty()) {
        for (const BlattAufgabe& b : CodeAufgaben(Zahlenbereich::Ganz, a))
            out << JsonObjekt({{QStringLiteral("quelle"), b.quelle},
                               {QStringLiteral("term"), b.term},
                               {QStringLiteral("ergebnis"), b.ergebnis},
                               {QStringLiteral("anzeige"), b.anzeige}})
                << '\n';
        out.flush();
        return 0;
    }
    SetzeZufall(a);
    ArtGanz = a.art;
    Vereinfacht = a.vereinfacht;
    for (int i = 0; i < a.anzahl; ++i) {
        const GanzAufgabe aufgabe = ZieheAufgabeGanz(a.art, a.stufe, a.vereinfacht);
        out << JsonObjekt({{QStringLiteral("quelle"), aufgabe.Quelle},
                           {QStringLiteral("term"), aufgabe.Term},
                           {QStringLiteral("ergebnis"), aufgabe.Ergebnis},
                           {QStringLiteral("anzeige"), AnzeigeTextGanz(aufgabe.Term)}})
            << '\n';
    }
    out.flush();
    return 0;
}
