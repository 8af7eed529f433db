#pragma once
#include "worksheet/Arbeitsblatt.h"

#include <QByteArray>
#include <QList>
#include <QRect>
#include <QString>

class QPagedPaintDevice;

// The layout of a worksheet on A4 pages and its painting through the drill
// screens' own painters: integer terms through the markup renderer, fraction
// terms through the fraction typesetting, each at the size the screen uses and
// scaled down together onto the page. On a PDF page text stays text and bars
// and brackets are vector strokes.
//
// Per group: the exercise pages (head with "Name:", "Klasse:", "Datum:", the
// title and the instruction on the first) and the solutions page(s)
// "Lösungen"; every page has a foot with kind, level, mode, class code and
// page number, so the same sheet can be made again.

// Page geometry in logical pixels (1/96 inch).
inline constexpr int BlattBreite = 794; // A4: 210 mm
inline constexpr int BlattHoehe = 1123; // 297 mm
inline constexpr int BlattRand = 57;    // 15 mm on every side

// One page of the plan and what stands where on it.
struct BlattSeite {
    int gruppe = 0;
    bool loesungen = false;
    int seiteInGruppe = 1; // 1 …
    int seitenInGruppe = 1;
    QRect kopf;               // head: title, lines, instruction
    QRect fuss;               // foot line
    QList<int> nummern;       // exercise numbers (0-based) on this page
    QList<QRect> zeilen;      // one band per exercise, disjoint
};

// The pages of the whole document in order (group A's sheet and solutions,
// then group B's …), laid out for the exercises of each group.
QList<BlattSeite> BlattPlan(const BlattAuswahl& auswahl, const QList<QList<BlattAufgabe>>& gruppen);

// All groups' exercises, drawn in the order group A, B, ….
QList<QList<BlattAufgabe>> BlattGruppen(const BlattAuswahl& auswahl);

// Paints the document onto a paged device (PDF writer or printer), one page
// after the other; the device must be set to A4 portrait. False with a
// message when the device cannot be painted on.
bool ZeichneArbeitsblatt(QPagedPaintDevice& geraet, const BlattAuswahl& auswahl, QString* fehler = nullptr);

// The document as PDF bytes.
QByteArray ArbeitsblattPdf(const BlattAuswahl& auswahl);

// Writes the PDF to the file through a temporary file in the same folder that
// replaces it only when everything is written; on any failure the old file
// (or none) stays and fehler says why.
bool SpeichereArbeitsblatt(const QString& datei, const BlattAuswahl& auswahl, QString* fehler = nullptr);
