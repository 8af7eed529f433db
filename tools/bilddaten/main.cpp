// Paints the pictures that never change and writes them as a C++ source of
// embedded pixels (see assets/FertigeBilder.h); run at build time:
//   minusland-bilddaten ziel.cpp
#include "assets/AppIcon.h"
#include "assets/Bilder.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QList>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: minusland-bilddaten ziel.cpp\n");
        return 2;
    }
    // The order FertigeBilder.cpp expects: four status pictures, two marks,
    // the title picture (decoded here, so the program needs no JPEG decoder
    // at start), then the icon sizes.
    QList<QImage> bilder;
    for (StatusArt art : {StatusArt::Neutral, StatusArt::RichtigErster, StatusArt::Falsch, StatusArt::RichtigZweiter})
        bilder << StatusBild(art);
    bilder << MarkeRichtig() << MarkeFalsch() << Titelbild();
    for (int groesse : {16, 24, 32, 48, 64, 128})
        bilder << AppIcon(groesse);

    QByteArray text = "// Written by minusland-bilddaten at build time; do not edit.\n"
                      "#include \"assets/FertigeBilder.h\"\n\nnamespace {\n";
    for (qsizetype i = 0; i < bilder.size(); ++i) {
        const QImage bild = bilder[i].convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (bild.isNull() || bild.devicePixelRatio() != 1.0) {
            std::fprintf(stderr, "minusland-bilddaten: Bild %d nicht in einfacher Auflösung\n", int(i));
            return 1;
        }
        text += "alignas(4) const uchar bild" + QByteArray::number(i) + "[] = {";
        for (int y = 0; y < bild.height(); ++y) {
            const uchar* zeile = bild.constScanLine(y);
            for (int x = 0; x < bild.width() * 4; ++x) {
                if ((y * bild.width() * 4 + x) % 24 == 0)
                    text += "\n   ";
                text += ' ' + QByteArray::number(zeile[x]) + ',';
            }
        }
        text += "\n};\n";
    }
    text += "} // namespace\n\nconst EingebettetesBild EingebetteteBilder[] = {\n";
    for (qsizetype i = 0; i < bilder.size(); ++i)
        text += "    {bild" + QByteArray::number(i) + ", " + QByteArray::number(bilder[i].width()) + ", "
                + QByteArray::number(bilder[i].height()) + "},\n";
    text += "};\nconst int EingebetteteBilderAnzahl = " + QByteArray::number(bilder.size()) + ";\n";

    QFile datei(QString::fromLocal8Bit(argv[1]));
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Truncate) || datei.write(text) != text.size()) {
        std::fprintf(stderr, "minusland-bilddaten: %s kann nicht geschrieben werden\n", argv[1]);
        return 1;
    }
    return 0;
}
