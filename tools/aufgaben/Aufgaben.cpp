#include "tools/aufgaben/Aufgaben.h"

#include "core/Random.h"
#include "worksheet/Arbeitsblatt.h"
#include "worksheet/Klassencode.h"

#include <algorithm>

namespace {

bool LiesZahl(const QString& text, qint64 von, qint64 bis, qint64& wert)
{
    bool ok = false;
    wert = text.toLongLong(&ok);
    return ok && wert >= von && wert <= bis;
}

} // namespace

bool LiesArgumente(const QStringList& args, int maxArt, const std::function<int(int art)>& maxStufe,
                   AufgabenArgumente& ergebnis, QString& fehler, int optionen)
{
    ergebnis = {};
    QStringList positionen;
    const QList<QPair<QString, int>> wertOptionen{{QStringLiteral("--anzahl"), 0},
                                                  {QStringLiteral("--seed"), OptSeed},
                                                  {QStringLiteral("--code"), OptCode},
                                                  {QStringLiteral("--gruppe"), OptGruppe},
                                                  {QStringLiteral("--gruppen"), OptGruppen},
                                                  {QStringLiteral("--pdf"), OptPdf}};
    for (int i = 0; i < args.size(); ++i) {
        QString name = args[i];
        QString wert;
        bool hatWert = false;
        if (name.startsWith(QLatin1String("--")) && name.contains(u'=')) {
            wert = name.mid(name.indexOf(u'=') + 1);
            name = name.left(name.indexOf(u'='));
            hatWert = true;
        }
        if (name == QLatin1String("--vereinfacht") && !hatWert) {
            ergebnis.vereinfacht = true;
            continue;
        }
        const auto option = std::find_if(wertOptionen.begin(), wertOptionen.end(),
                                         [&](const auto& o) { return o.first == name && (o.second == 0 || (optionen & o.second)); });
        if (option != wertOptionen.end()) {
            if (!hatWert) {
                if (i + 1 >= args.size()) {
                    fehler = QStringLiteral("%1 braucht einen Wert").arg(name);
                    return false;
                }
                wert = args[++i];
            }
            if (name == QLatin1String("--anzahl")) {
                qint64 n = 0;
                if (!LiesZahl(wert, 0, 1000000, n)) {
                    fehler = QStringLiteral("--anzahl muss eine ganze Zahl von 0 bis 1000000 sein, nicht \"%1\"").arg(wert);
                    return false;
                }
                ergebnis.anzahl = int(n);
                ergebnis.anzahlGesetzt = true;
            } else if (name == QLatin1String("--seed")) {
                bool ok = false;
                ergebnis.seed = wert.toULongLong(&ok);
                if (!ok) {
                    fehler = QStringLiteral("--seed muss eine ganze Zahl ab 0 sein, nicht \"%1\"").arg(wert);
                    return false;
                }
                ergebnis.seedGesetzt = true;
            } else if (name == QLatin1String("--code")) {
                const QString problem = KlassencodeFehler(wert);
                if (!problem.isEmpty()) {
                    fehler = QStringLiteral("--code \"%1\": %2").arg(wert, problem);
                    return false;
                }
                ergebnis.code = NormalisiereKlassencode(wert);
            } else if (name == QLatin1String("--gruppe")) {
                const QString g = wert.trimmed().toUpper();
                if (g.size() != 1 || g.at(0) < u'A' || g.at(0) >= QChar(u'A' + BlattGruppenMax)) {
                    fehler = QStringLiteral("--gruppe muss A bis %1 sein, nicht \"%2\"").arg(QChar(u'A' + BlattGruppenMax - 1)).arg(wert);
                    return false;
                }
                ergebnis.gruppe = g.at(0).unicode() - u'A';
            } else if (name == QLatin1String("--gruppen")) {
                qint64 n = 0;
                if (!LiesZahl(wert, 1, BlattGruppenMax, n)) {
                    fehler = QStringLiteral("--gruppen muss eine Zahl von 1 bis %1 sein, nicht \"%2\"").arg(BlattGruppenMax).arg(wert);
                    return false;
                }
                ergebnis.gruppen = int(n);
            } else {
                if (wert.isEmpty()) {
                    fehler = QStringLiteral("--pdf braucht einen Dateinamen");
                    return false;
                }
                ergebnis.pdf = wert;
            }
            continue;
        }
        if (name.startsWith(QLatin1String("--"))) {
            fehler = QStringLiteral("unbekannte Option \"%1\"").arg(args[i]);
            return false;
        }
        positionen << args[i];
    }
    if (ergebnis.seedGesetzt && !ergebnis.code.isEmpty()) {
        fehler = QStringLiteral("--seed und --code schließen einander aus");
        return false;
    }

    if (positionen.size() != 2) {
        fehler = QStringLiteral("erwartet: ART STUFE [--anzahl N] [--seed S] [--vereinfacht]");
        return false;
    }
    qint64 art = 0;
    if (!LiesZahl(positionen[0], 1, maxArt, art)) {
        fehler = QStringLiteral("ART muss eine Zahl von 1 bis %1 sein, nicht \"%2\"").arg(maxArt).arg(positionen[0]);
        return false;
    }
    const int hoechsteStufe = maxStufe(int(art));
    qint64 stufe = 0;
    if (!LiesZahl(positionen[1], 1, hoechsteStufe, stufe)) {
        fehler = QStringLiteral("STUFE muss für Art %1 eine Zahl von 1 bis %2 sein, nicht \"%3\"")
                     .arg(art)
                     .arg(hoechsteStufe)
                     .arg(positionen[1]);
        return false;
    }
    ergebnis.art = int(art);
    ergebnis.stufe = int(stufe);
    return true;
}

void SetzeZufall(const AufgabenArgumente& argumente)
{
    if (argumente.seedGesetzt)
        RandSeed(argumente.seed);
    else
        Randomize();
}

QString JsonText(const QString& text)
{
    QString json = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'"': json += QLatin1String("\\\""); break;
        case u'\\': json += QLatin1String("\\\\"); break;
        case u'\n': json += QLatin1String("\\n"); break;
        case u'\r': json += QLatin1String("\\r"); break;
        case u'\t': json += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                json += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                json += c;
        }
    }
    return json + u'"';
}

QString JsonObjekt(const QList<QPair<QString, QString>>& felder)
{
    QStringList teile;
    for (const auto& [name, wert] : felder)
        teile << JsonText(name) + u':' + JsonText(wert);
    return u'{' + teile.join(u',') + u'}';
}

QList<BlattAufgabe> CodeAufgaben(Zahlenbereich bereich, const AufgabenArgumente& a)
{
    BlattAuswahl auswahl;
    auswahl.bereich = bereich;
    auswahl.art = a.art;
    auswahl.stufe = a.stufe;
    auswahl.vereinfacht = a.vereinfacht;
    auswahl.code = a.code;
    return ZieheBlattAufgaben(auswahl, a.gruppe, a.anzahlGesetzt ? a.anzahl : DrillAufgaben);
}
