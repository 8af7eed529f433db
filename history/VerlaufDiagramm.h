#pragma once
#include <QFont>
#include <QString>
#include <QtGlobal>

#include <vector>

class QWidget;

// The chart of "Mein Verlauf": the percentage right of one kind and level
// over time. It is drawn with Qt Charts in the module "diagramm"
// (DiagrammModul.cpp), which the screen loads when it is first opened.
struct DiagrammInhalt {
    struct Punkt {
        qint64 zeitMs; // end of the drill, milliseconds since 1970
        int prozent;
    };
    QString titel;
    std::vector<Punkt> punkte; // oldest first; none: nothing stored yet
    QFont titelSchrift;
    QFont beschriftung; // the axes' labels
    QFont achsenTitel;
};

// The module's functions, looked up by these names.
inline constexpr const char* DiagrammModul = "diagramm";
// A chart view, child of eltern, with an empty chart.
using DiagrammNeu = QWidget* (*)(QWidget* eltern);
inline constexpr const char* DiagrammNeuName = "ml_diagramm_neu";
// Shows inhalt in a view made by DiagrammNeu.
using DiagrammZeige = void (*)(QWidget* ansicht, const DiagrammInhalt& inhalt);
inline constexpr const char* DiagrammZeigeName = "ml_diagramm_zeige";
