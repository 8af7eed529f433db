#pragma once
#include <QByteArray>
#include <QProcess>
#include <QStringList>

// One run of a command-line program of the project: exit code (-1 when it
// crashed or did not finish in time) and what it printed.
struct Lauf {
    int code = -1;
    QByteArray out;
    QByteArray err;
};

inline Lauf StarteProgramm(const QString& programm, const QStringList& args, int msBisAbbruch = 60000)
{
    QProcess p;
    p.start(programm, args);
    Lauf lauf;
    if (!p.waitForFinished(msBisAbbruch))
        return lauf;
    lauf.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    lauf.out = p.readAllStandardOutput();
    lauf.err = p.readAllStandardError();
    return lauf;
}
