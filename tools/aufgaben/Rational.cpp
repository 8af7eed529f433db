#include "tools/aufgaben/Aufgaben.h"

#include "rational/RationalKatalog.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalTermBauer.h"
#include "worksheet/Arbeitsblatt.h"

// minusland-aufgaben rational ART STUFE: rational exercises of kind ART
// (1 Addition, 2 Subtraktion, 3 Multiplikation, 4 Division, 5 Gemischt) at
// level STUFE, drawn by the catalogue entry exactly as a drill page draws
// them. One JSON object per line:
//   {"quelle":"BaueDivision(6)","term":"…","ergebnis":"-3/2",
//    "istBruch":true,"sonderdarstellung":true,"form":0}
// term and ergebnis as stored (fraction markup or decimal term, the exact
// result); form is the mixed term's shape, 0 for the other kinds.
int DruckeRational(const QStringList& args, QTextStream& out, QTextStream& err)
{
    AufgabenArgumente a;
    QString fehler;
    if (!LiesArgumente(args, 5, RationalStufen, a, fehler)) {
        err << "minusland-aufgaben rational: " << fehler << Qt::endl;
        return ExitFalscheArgumente;
    }
    auto wahrheit = [](bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); };
    auto drucke = [&](const QString& quelle, const QString& term, const QString& ergebnis, bool istBruch,
                      bool sonder, int form) {
        out << "{\"quelle\":" << JsonText(quelle) << ",\"term\":" << JsonText(term)
            << ",\"ergebnis\":" << JsonText(ergebnis) << ",\"istBruch\":" << wahrheit(istBruch)
            << ",\"sonderdarstellung\":" << wahrheit(sonder) << ",\"form\":" << form << "}\n";
    };
    if (!a.code.isEmpty()) {
        for (const BlattAufgabe& b : CodeAufgaben(Zahlenbereich::Rational, a))
            drucke(b.quelle, b.term, b.ergebnis, b.istBruch, b.sonderdarstellung, b.form);
        out.flush();
        return 0;
    }
    SetzeZufall(a);
    RationalArt = a.art;
    RationalVereinfacht = a.vereinfacht;
    for (int i = 0; i < a.anzahl; ++i) {
        RationalAufgaben[1] = TRationalAufgabe{};
        const int variante = RationalEintrag(a.art, a.stufe, 1);
        const TRationalAufgabe& aufgabe = RationalAufgaben[1];
        drucke(BauerName(a.art) + u'(' + QString::number(variante) + u')', aufgabe.Term, aufgabe.Ergebnis,
               aufgabe.IstBruch, aufgabe.Sonderdarstellung, aufgabe.Form);
    }
    out.flush();
    return 0;
}
