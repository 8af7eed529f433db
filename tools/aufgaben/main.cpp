#include "tools/aufgaben/Aufgaben.h"

#include <cstdio>

// minusland-aufgaben: prints drawn exercises as JSON lines, for checking the
// generators by hand and for printable worksheets.
int main(int argc, char* argv[])
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);

    const QString befehl = args.isEmpty() ? QString() : args.takeFirst();
    if (befehl == QLatin1String("ganz"))
        return DruckeGanz(args, out, err);
    if (befehl == QLatin1String("rational"))
        return DruckeRational(args, out, err);
    if (befehl == QLatin1String("blatt"))
        return SchreibeBlatt(args, out, err);
    if (befehl == QLatin1String("--help") || befehl == QLatin1String("-h")) {
        out << "minusland-aufgaben ganz ART STUFE [--anzahl N] [--seed S | --code C [--gruppe G]] [--vereinfacht]\n"
               "minusland-aufgaben rational ART STUFE [--anzahl N] [--seed S | --code C [--gruppe G]] [--vereinfacht]\n"
               "minusland-aufgaben blatt ganz|rational ART STUFE [--anzahl N] [--code C] [--gruppen G] "
               "[--vereinfacht] --pdf DATEI\n";
        return 0;
    }
    err << "minusland-aufgaben: erwartet \"ganz\", \"rational\" oder \"blatt\", dann ART STUFE "
           "[--anzahl N] [--seed S] [--vereinfacht]"
        << Qt::endl;
    return ExitFalscheArgumente;
}
