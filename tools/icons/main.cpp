// Writes the program icon in the sizes of the hicolor icon theme:
//   minusland-icons zielordner
// creates zielordner/NxN/apps/minusland.png for every size.
#include "assets/AppIcon.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: minusland-icons zielordner\n");
        return 2;
    }
    const QString ziel = QString::fromLocal8Bit(argv[1]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        const QString ordner = QStringLiteral("%1/%2x%2/apps").arg(ziel).arg(size);
        if (!QDir().mkpath(ordner) || !AppIcon(size).save(ordner + QStringLiteral("/minusland.png"))) {
            std::fprintf(stderr, "minusland-icons: %s kann nicht geschrieben werden\n", qPrintable(ordner));
            return 1;
        }
    }
    return 0;
}
