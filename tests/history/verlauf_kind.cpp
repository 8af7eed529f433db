// A drill that never ends: reports a judgement every few milliseconds
// through the drill reports, as a drill screen does, with the recording
// switched on, and prints the count of reports written to the store as each
// is confirmed. The kill test ends it with SIGKILL.
#include "VerlaufTestHilfen.h"
#include "drill/DrillBericht.h"
#include "history/VerlaufAufzeichnung.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("MinuslandTest"));
    if (argc < 2)
        return 2;
    VerlaufAufzeichnung aufzeichnung(QString::fromLocal8Bit(argv[1]));
    aufzeichnung.SetzeEingeschaltet(true);
    const AufgabenHerkunft a = GanzAufgabe(3, 2, QStringLiteral("(+4)-(+9)+(-2)"), QStringLiteral("-7"));
    QObject::connect(&aufzeichnung, &VerlaufAufzeichnung::Gespeichert, [](int anzahl) {
        std::printf("%d\n", anzahl);
        std::fflush(stdout);
    });
    const QDateTime beginn = QDateTime::currentDateTime();
    int n = 0;
    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, [&] {
        Urteil u = EinUrteil(a, n % 3 == 0 ? Verdikt::FalschErster : Verdikt::RichtigErster, beginn.addMSecs(n),
                             1 + n / 5, 1 + n % 5);
        u.eingabe = QString::number(n++);
        emit DrillBericht().Beurteilt(u);
    });
    takt.start(2);
    return app.exec();
}
