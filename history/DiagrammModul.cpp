// The module "diagramm": the chart of "Mein Verlauf" on Qt Charts.
#include "history/VerlaufDiagramm.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

extern "C" Q_DECL_EXPORT QWidget* ml_diagramm_neu(QWidget* eltern)
{
    auto* ansicht = new QChartView(eltern);
    ansicht->setRenderHint(QPainter::Antialiasing);
    return ansicht;
}

extern "C" Q_DECL_EXPORT void ml_diagramm_zeige(QWidget* ansicht, const DiagrammInhalt& inhalt)
{
    auto* view = qobject_cast<QChartView*>(ansicht);
    if (!view)
        return;
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 8, 4));
    chart->setBackgroundRoundness(0);
    chart->setTitleFont(inhalt.titelSchrift);
    chart->setTitle(inhalt.titel);

    auto* achseX = new QDateTimeAxis;
    achseX->setFormat(QStringLiteral("dd.MM.yyyy"));
    achseX->setTitleText(QStringLiteral("Datum"));
    auto* achseY = new QValueAxis;
    achseY->setRange(0, 100);
    achseY->setTickCount(6);
    achseY->setLabelFormat(QStringLiteral("%d"));
    achseY->setTitleText(QStringLiteral("Prozent richtig"));
    for (QAbstractAxis* achse : {static_cast<QAbstractAxis*>(achseX), static_cast<QAbstractAxis*>(achseY)}) {
        achse->setLabelsFont(inhalt.beschriftung);
        achse->setTitleFont(inhalt.achsenTitel);
    }
    chart->addAxis(achseX, Qt::AlignBottom);
    chart->addAxis(achseY, Qt::AlignLeft);

    if (inhalt.punkte.empty()) {
        const QDateTime jetzt = QDateTime::currentDateTime();
        achseX->setRange(jetzt.addDays(-7), jetzt);
    } else {
        auto* linie = new QLineSeries;
        QPen stift(QColor(0, 0, 200));
        stift.setWidth(2);
        linie->setPen(stift);
        linie->setPointsVisible(true);
        linie->setMarkerSize(7);
        for (const DiagrammInhalt::Punkt& p : inhalt.punkte)
            linie->append(double(p.zeitMs), p.prozent);
        chart->addSeries(linie);
        linie->attachAxis(achseX);
        linie->attachAxis(achseY);
        // A day's margin on each side, so the first and last points are not
        // cut in half and a single drill still spans an axis.
        const QDateTime von = QDateTime::fromMSecsSinceEpoch(inhalt.punkte.front().zeitMs).addDays(-1);
        const QDateTime bis = QDateTime::fromMSecsSinceEpoch(inhalt.punkte.back().zeitMs).addDays(1);
        achseX->setRange(von, bis);
        achseX->setTickCount(int(std::clamp<qint64>(von.daysTo(bis) + 1, 2, 5)));
    }
    QChart* alt = view->chart();
    view->setChart(chart);
    if (alt && alt != chart)
        delete alt;
}
