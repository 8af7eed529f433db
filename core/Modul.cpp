#include "core/Modul.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>

namespace {

QStringList& Vorgabe()
{
    static QStringList ordner;
    return ordner;
}

} // namespace

QStringList ModulOrdner()
{
    if (!Vorgabe().isEmpty())
        return Vorgabe();
    QStringList ordner;
    if (QCoreApplication::instance())
        ordner << QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/" ML_MODUL_RELATIV));
    ordner << QStringLiteral(ML_MODUL_BAU);
    return ordner;
}

void SetzeModulOrdner(const QStringList& ordner)
{
    Vorgabe() = ordner;
}

void* ModulFunktion(const QString& name, const char* symbol, QString* fehler)
{
    const QString datei = QStringLiteral("libminusland_") + name + QStringLiteral(".so");
    QString grund = QStringLiteral("Das Modul „%1“ wurde nicht gefunden.").arg(datei);
    for (const QString& ordner : ModulOrdner()) {
        const QString pfad = QDir(ordner).filePath(datei);
        if (!QFile::exists(pfad))
            continue;
        // Unless it is unloaded explicitly, a library Qt has loaded stays
        // loaded when its QLibrary goes: the functions and the widgets a
        // module made outlive this call.
        QLibrary bibliothek(pfad);
        if (void* funktion = reinterpret_cast<void*>(bibliothek.resolve(symbol)))
            return funktion;
        grund = bibliothek.errorString();
        break;
    }
    if (fehler)
        *fehler = grund;
    return nullptr;
}
