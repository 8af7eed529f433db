#include "core/QtDeutsch.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool QtAufDeutsch()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* app = QCoreApplication::instance();
    if (!app)
        return false;
    // Owned by the application, so it lives as long as the texts it serves.
    auto* uebersetzung = new QTranslator(app);
    if (!uebersetzung->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzung;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzung);
}
