// Writes the program's JPEG pictures, painted by assets/Motive.cpp:
//   bilder [zielordner] [--vorschau ordner]
// zielordner defaults to the source tree's assets/ folder. With --vorschau
// every picture, the run-time painted ones included, is also written as PNG
// for a look at it.
#include "assets/Bilder.h"
#include "assets/JpegBild.h"
#include "assets/Motive.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

bool SchreibeJpeg(const QString& pfad, const QImage& bild)
{
    const QByteArray daten = JpegSchreiben(bild, 93);
    QFile datei(pfad);
    if (daten.isEmpty() || !datei.open(QIODevice::WriteOnly) || datei.write(daten) != daten.size()) {
        std::fprintf(stderr, "bilder: %s kann nicht geschrieben werden\n", qPrintable(pfad));
        return false;
    }
    // Read back through our own decoder: a picture we cannot load is a fault.
    if (JpegLesen(daten).size() != bild.size()) {
        std::fprintf(stderr, "bilder: %s lässt sich nicht wieder lesen\n", qPrintable(pfad));
        return false;
    }
    std::printf("%s (%lld Bytes)\n", qPrintable(pfad), static_cast<long long>(daten.size()));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    // Fonts need a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList argumente = app.arguments().mid(1);
    QString vorschau;
    const int v = argumente.indexOf(QStringLiteral("--vorschau"));
    if (v >= 0) {
        if (v + 1 >= argumente.size()) {
            std::fprintf(stderr, "bilder: --vorschau braucht einen Ordner\n");
            return 2;
        }
        vorschau = argumente.at(v + 1);
        argumente.remove(v, 2);
    }
    const QString ziel = argumente.isEmpty() ? QStringLiteral(MINUSLAND_ASSETS) : argumente.first();
    if (!QDir().mkpath(ziel))
        return 1;

    bool gut = SchreibeJpeg(ziel + QStringLiteral("/titelbild.jpg"), MaleTitelbild());
    for (int nr = 1; nr <= 4; ++nr)
        gut = SchreibeJpeg(ziel + QStringLiteral("/info%1.jpg").arg(nr), MaleInfoBild(nr)) && gut;

    if (!vorschau.isEmpty() && QDir().mkpath(vorschau)) {
        MaleTitelbild().save(vorschau + QStringLiteral("/titelbild.png"));
        for (int nr = 1; nr <= 4; ++nr)
            MaleInfoBild(nr).save(vorschau + QStringLiteral("/info%1.png").arg(nr));
        const char* namen[] = {"neutral", "richtig1", "falsch", "richtig2"};
        const StatusArt arten[] = {StatusArt::Neutral, StatusArt::RichtigErster, StatusArt::Falsch,
                                   StatusArt::RichtigZweiter};
        for (int i = 0; i < 4; ++i)
            StatusBild(arten[i]).save(vorschau + QStringLiteral("/status_%1.png").arg(QLatin1String(namen[i])));
        MarkeRichtig().save(vorschau + QStringLiteral("/marke_richtig.png"));
        MarkeFalsch().save(vorschau + QStringLiteral("/marke_falsch.png"));
    }
    return gut ? 0 : 1;
}
