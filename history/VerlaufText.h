#pragma once
#include "history/VerlaufSpeicher.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Names and German number and date forms of the history, shared by the
// screen and the export.

// "Ganze Zahlen" or "Rationale Zahlen".
QString BereichName(Zahlenbereich bereich);
// The kind as the main menu names it ("Addition+Subtraktion", "Gemischt").
QString ArtName(Zahlenbereich bereich, int art);
// "Ganze Zahlen: Addition, Stufe 2".
QString UebungsName(Zahlenbereich bereich, int art, int stufe);
// Decimal comma whatever the locale: 12,5.
QString DeutscheZahl(double wert, int stellen);
// 09.12.2026 and 09.12.2026 14:05.
QString DeutschesDatum(const QDateTime& zeit);
QString DeutscheZeit(const QDateTime& zeit);

// The finished drills as a CSV file a German spreadsheet opens as it is:
// UTF-8 with byte order mark, semicolons, decimal comma, German dates, CRLF.
// Texts that a spreadsheet would take for a formula get an apostrophe.
QByteArray VerlaufCsv(const std::vector<GespeicherteUebung>& uebungen);
// Writes it whole or not at all.
bool SchreibeVerlaufCsv(const QString& pfad, const std::vector<GespeicherteUebung>& uebungen);
