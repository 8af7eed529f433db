#include "history/VerlaufText.h"

#include <QSaveFile>
#include <QStringList>

QString BereichName(Zahlenbereich bereich)
{
    return bereich == Zahlenbereich::Rational ? QStringLiteral("Rationale Zahlen") : QStringLiteral("Ganze Zahlen");
}

QString ArtName(Zahlenbereich bereich, int art)
{
    static const char* const ganz[] = {"Addition",
                                       "Subtraktion",
                                       "Addition+Subtraktion",
                                       "Subtraktion mit Klammern",
                                       "Addition+Subtraktion mit Klammern",
                                       "Addition+Subtraktion mit Beträgen",
                                       "Multiplikation",
                                       "Division",
                                       "Grundrechnungsarten"};
    static const char* const rational[] = {"Addition", "Subtraktion", "Multiplikation", "Division", "Gemischt"};
    if (bereich == Zahlenbereich::Ganz && art >= 1 && art <= 9)
        return QString::fromUtf8(ganz[art - 1]);
    if (bereich == Zahlenbereich::Rational && art >= 1 && art <= 5)
        return QString::fromUtf8(rational[art - 1]);
    return QStringLiteral("Art %1").arg(art);
}

QString UebungsName(Zahlenbereich bereich, int art, int stufe)
{
    return QStringLiteral("%1: %2, Stufe %3").arg(BereichName(bereich), ArtName(bereich, art)).arg(stufe);
}

QString DeutscheZahl(double wert, int stellen)
{
    return QString::number(wert, 'f', stellen).replace(u'.', u',');
}

QString DeutschesDatum(const QDateTime& zeit)
{
    return zeit.toLocalTime().toString(QStringLiteral("dd.MM.yyyy"));
}

QString DeutscheZeit(const QDateTime& zeit)
{
    return zeit.toLocalTime().toString(QStringLiteral("dd.MM.yyyy HH:mm"));
}

namespace {

QString CsvFeld(QString text, bool istText)
{
    // A spreadsheet runs a cell that starts like a formula.
    if (istText && !text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()))
        text.prepend(u'\'');
    if (text.contains(u';') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r'))
        text = u'"' + text.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    return text;
}

} // namespace

QByteArray VerlaufCsv(const std::vector<GespeicherteUebung>& uebungen)
{
    QString text = QStringLiteral("Datum;Uhrzeit;Zahlenbereich;Rechenart;Stufe;Darstellung;Klassencode;"
                                  "Fehler üben;Punkte;Versuche;Prozent\r\n");
    for (const GespeicherteUebung& u : uebungen) {
        if (!u.Fertig())
            continue;
        const QDateTime zeit = u.beendet.toLocalTime();
        const QStringList felder = {
            zeit.toString(QStringLiteral("dd.MM.yyyy")),
            zeit.toString(QStringLiteral("HH:mm")),
            CsvFeld(BereichName(u.bereich), true),
            CsvFeld(ArtName(u.bereich, u.art), true),
            QString::number(u.stufe),
            u.vereinfacht ? QStringLiteral("Vereinfacht") : QStringLiteral("mit Vorzeichen"),
            CsvFeld(u.klassencode, true),
            u.wiederholung ? QStringLiteral("ja") : QStringLiteral("nein"),
            DeutscheZahl(u.punkte, 1),
            QString::number(u.versuche),
            QString::number(u.prozent),
        };
        text += felder.join(u';') + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

bool SchreibeVerlaufCsv(const QString& pfad, const std::vector<GespeicherteUebung>& uebungen)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return false;
    const QByteArray inhalt = VerlaufCsv(uebungen);
    if (datei.write(inhalt) != inhalt.size()) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}
