#pragma once
#include "drill/Urteil.h"

#include <QObject>

// The one place every drill reports to: each judgement as it is made and
// each finished drill when the evaluation rates it. Listeners (the history,
// tests) connect to the signals of the process-wide instance.
class DrillBerichtSender : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void Beurteilt(const Urteil& urteil);
    void Beendet(const DrillAbschluss& abschluss);
};

DrillBerichtSender& DrillBericht();
