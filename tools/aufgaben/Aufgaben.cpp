#include "tools/aufgaben/Aufgaben.h"

#include "core/Random.h"

namespace {

bool LiesZahl(const QString& text, qint64 von, qint64 bis, qint64& wert)
{
    bool ok = false;
    wert = text.toLongLong(&ok);
    return ok && wert >= von && wert <= bis;
}

} // namespace

bool LiesArgumente(const QStringList& args, int maxArt, const std::function<int(int art)>& maxStufe,
                   AufgabenArgumente& ergebnis, QString& fehler)
{
    ergebnis = {};
    QStringList positionen;
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
        if (name == QLatin1String("--anzahl") || name == QLatin1String("--seed")) {
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
            } else {
                bool ok = false;
                ergebnis.seed = wert.toULongLong(&ok);
                if (!ok) {
                    fehler = QStringLiteral("--seed muss eine ganze Zahl ab 0 sein, nicht \"%1\"").arg(wert);
                    return false;
                }
                ergebnis.seedGesetzt = true;
            }
            continue;
        }
        if (name.startsWith(QLatin1String("--"))) {
            fehler = QStringLiteral("unbekannte Option \"%1\"").arg(args[i]);
            return false;
        }
        positionen << args[i];
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
