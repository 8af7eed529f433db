#include "tools/aufgaben/Aufgaben.h"

#include "rational/RationalKatalog.h"
#include "worksheet/Arbeitsblatt.h"
#include "worksheet/BlattSatz.h"
#include "worksheet/Klassencode.h"

#include <QGuiApplication>

#include <memory>

// minusland-aufgaben blatt ganz|rational ART STUFE … --pdf DATEI: the
// worksheet with its solutions as PDF. Without --code a fresh code is made
// and told, so the sheet can be made again.
int SchreibeBlatt(const QStringList& args, QTextStream& out, QTextStream& err)
{
    const QString bereich = args.value(0);
    if (bereich != QLatin1String("ganz") && bereich != QLatin1String("rational")) {
        err << "minusland-aufgaben blatt: erwartet \"ganz\" oder \"rational\", dann ART STUFE [--anzahl N] "
               "[--code C] [--gruppen G] [--vereinfacht] --pdf DATEI"
            << Qt::endl;
        return ExitFalscheArgumente;
    }
    const bool ganz = bereich == QLatin1String("ganz");
    AufgabenArgumente a;
    QString fehler;
    const int optionen = OptCode | OptGruppen | OptPdf;
    const bool gelesen = ganz ? LiesArgumente(args.mid(1), 9, [](int) { return 4; }, a, fehler, optionen)
                              : LiesArgumente(args.mid(1), 5, RationalStufen, a, fehler, optionen);
    if (gelesen && a.pdf.isEmpty())
        fehler = QStringLiteral("--pdf DATEI fehlt");
    if (gelesen && a.anzahlGesetzt && (a.anzahl < BlattAnzahlMin || a.anzahl > BlattAnzahlMax))
        fehler = QStringLiteral("--anzahl muss für ein Blatt zwischen %1 und %2 liegen").arg(BlattAnzahlMin).arg(BlattAnzahlMax);
    if (!gelesen || !fehler.isEmpty()) {
        err << "minusland-aufgaben blatt: " << fehler << Qt::endl;
        return ExitFalscheArgumente;
    }

    BlattAuswahl auswahl;
    auswahl.bereich = ganz ? Zahlenbereich::Ganz : Zahlenbereich::Rational;
    auswahl.art = a.art;
    auswahl.stufe = a.stufe;
    auswahl.vereinfacht = a.vereinfacht;
    auswahl.anzahl = a.anzahlGesetzt ? a.anzahl : BlattAnzahlStandard;
    auswahl.gruppen = a.gruppen;
    auswahl.code = a.code.isEmpty() ? NeuerKlassencode() : a.code;

    // Fonts need a GUI application; without a display it runs offscreen.
    std::unique_ptr<QGuiApplication> app;
    if (!QGuiApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "minusland-aufgaben";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    if (!SpeichereArbeitsblatt(a.pdf, auswahl, &fehler)) {
        err << "minusland-aufgaben blatt: " << fehler << Qt::endl;
        return ExitSchreibfehler;
    }
    out << "Klassencode " << auswahl.code << ": " << a.pdf << Qt::endl;
    return 0;
}
