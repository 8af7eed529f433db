#include "tools/aufgaben/Aufgaben.h"

// Placeholder until the rational exercises can be printed.
int DruckeRational(const QStringList& args, QTextStream& out, QTextStream& err)
{
    Q_UNUSED(args);
    Q_UNUSED(out);
    err << QString::fromUtf8("rationale Aufgaben sind noch nicht verfügbar") << Qt::endl;
    return ExitFalscheArgumente;
}
