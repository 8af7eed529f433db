#include "assets/JpegBild.h"

#include <QPainter>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <jpeglib.h>

namespace {

// Pictures larger than this on either side are refused rather than decoded:
// ours are small, and a forged header must not make us allocate gigabytes.
constexpr JDIMENSION MaxSeite = 8192;

// libjpeg reports fatal errors through error_exit, which must not return;
// we jump back to the caller's setjmp. Warnings (for example a premature end
// of data, which libjpeg papers over with grey) are counted and make the
// decoder refuse the picture.
struct Fehlerverwalter {
    jpeg_error_mgr basis;
    std::jmp_buf sprung;
    char meldung[JMSG_LENGTH_MAX];
};

extern "C" void FehlerAbbruch(j_common_ptr info)
{
    auto* verwalter = reinterpret_cast<Fehlerverwalter*>(info->err);
    (*info->err->format_message)(info, verwalter->meldung);
    std::longjmp(verwalter->sprung, 1);
}

extern "C" void FehlerMeldung(j_common_ptr info)
{
    // Keep the last message instead of printing it to stderr.
    auto* verwalter = reinterpret_cast<Fehlerverwalter*>(info->err);
    (*info->err->format_message)(info, verwalter->meldung);
}

void SetzeFehler(QString* fehler, const QString& text)
{
    if (fehler)
        *fehler = text;
}

// Everything the decoder touches between setjmp and a possible longjmp lives
// on the heap behind a pointer that is set once before setjmp, so nothing the
// jump skips has an indeterminate value afterwards.
struct Dekoder {
    jpeg_decompress_struct info{};
    Fehlerverwalter fehler{};
    std::vector<JSAMPLE> zeile;
    QImage bild;
    bool angelegt = false;
};

struct Kodierer {
    jpeg_compress_struct info{};
    Fehlerverwalter fehler{};
    std::vector<JSAMPLE> zeile;
    unsigned char* puffer = nullptr;
    unsigned long groesse = 0;
    bool angelegt = false;
};

} // namespace

QImage JpegLesen(const QByteArray& daten, QString* fehler)
{
    if (daten.isEmpty()) {
        SetzeFehler(fehler, QStringLiteral("keine Daten"));
        return QImage();
    }
    const auto d = std::make_unique<Dekoder>();
    d->info.err = jpeg_std_error(&d->fehler.basis);
    d->fehler.basis.error_exit = FehlerAbbruch;
    d->fehler.basis.output_message = FehlerMeldung;
    if (setjmp(d->fehler.sprung)) {
        SetzeFehler(fehler, QString::fromLocal8Bit(d->fehler.meldung));
        if (d->angelegt)
            jpeg_destroy_decompress(&d->info);
        return QImage();
    }
    jpeg_create_decompress(&d->info);
    d->angelegt = true;
    jpeg_mem_src(&d->info, reinterpret_cast<const unsigned char*>(daten.constData()),
                 static_cast<unsigned long>(daten.size()));
    jpeg_read_header(&d->info, TRUE);
    if (d->info.image_width == 0 || d->info.image_height == 0 || d->info.image_width > MaxSeite
        || d->info.image_height > MaxSeite) {
        jpeg_destroy_decompress(&d->info);
        SetzeFehler(fehler, QStringLiteral("unzulässige Bildgröße"));
        return QImage();
    }
    d->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&d->info);
    const int breite = int(d->info.output_width);
    const int hoehe = int(d->info.output_height);
    d->bild = QImage(breite, hoehe, QImage::Format_RGB32);
    if (d->bild.isNull() || d->info.output_components != 3) {
        jpeg_destroy_decompress(&d->info);
        SetzeFehler(fehler, QStringLiteral("Bild kann nicht angelegt werden"));
        return QImage();
    }
    d->zeile.resize(size_t(breite) * 3);
    while (d->info.output_scanline < d->info.output_height) {
        const int y = int(d->info.output_scanline);
        JSAMPROW zeilen[1] = {d->zeile.data()};
        jpeg_read_scanlines(&d->info, zeilen, 1);
        auto* ziel = reinterpret_cast<QRgb*>(d->bild.scanLine(y));
        const JSAMPLE* q = d->zeile.data();
        for (int x = 0; x < breite; ++x, q += 3)
            ziel[x] = qRgb(q[0], q[1], q[2]);
    }
    jpeg_finish_decompress(&d->info);
    const long warnungen = d->fehler.basis.num_warnings;
    jpeg_destroy_decompress(&d->info);
    if (warnungen > 0) {
        SetzeFehler(fehler, QString::fromLocal8Bit(d->fehler.meldung));
        return QImage();
    }
    return std::move(d->bild);
}

QByteArray JpegSchreiben(const QImage& bild, int qualitaet)
{
    if (bild.isNull())
        return QByteArray();
    QImage rgb(bild.size(), QImage::Format_RGB32);
    rgb.fill(Qt::white);
    {
        QPainter maler(&rgb);
        maler.drawImage(0, 0, bild);
    }
    const auto k = std::make_unique<Kodierer>();
    k->info.err = jpeg_std_error(&k->fehler.basis);
    k->fehler.basis.error_exit = FehlerAbbruch;
    k->fehler.basis.output_message = FehlerMeldung;
    if (setjmp(k->fehler.sprung)) {
        if (k->angelegt)
            jpeg_destroy_compress(&k->info);
        std::free(k->puffer);
        return QByteArray();
    }
    jpeg_create_compress(&k->info);
    k->angelegt = true;
    jpeg_mem_dest(&k->info, &k->puffer, &k->groesse);
    k->info.image_width = JDIMENSION(rgb.width());
    k->info.image_height = JDIMENSION(rgb.height());
    k->info.input_components = 3;
    k->info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&k->info);
    jpeg_set_quality(&k->info, qBound(1, qualitaet, 100), TRUE);
    k->info.optimize_coding = TRUE;
    // Full-resolution colour: the pictures have thin coloured lines and text.
    for (int i = 0; i < k->info.num_components; ++i) {
        k->info.comp_info[i].h_samp_factor = 1;
        k->info.comp_info[i].v_samp_factor = 1;
    }
    jpeg_start_compress(&k->info, TRUE);
    k->zeile.resize(size_t(rgb.width()) * 3);
    while (k->info.next_scanline < k->info.image_height) {
        const auto* quelle = reinterpret_cast<const QRgb*>(rgb.constScanLine(int(k->info.next_scanline)));
        JSAMPLE* z = k->zeile.data();
        for (int x = 0; x < rgb.width(); ++x) {
            *z++ = JSAMPLE(qRed(quelle[x]));
            *z++ = JSAMPLE(qGreen(quelle[x]));
            *z++ = JSAMPLE(qBlue(quelle[x]));
        }
        JSAMPROW zeilen[1] = {k->zeile.data()};
        jpeg_write_scanlines(&k->info, zeilen, 1);
    }
    jpeg_finish_compress(&k->info);
    QByteArray ergebnis(reinterpret_cast<const char*>(k->puffer), qsizetype(k->groesse));
    jpeg_destroy_compress(&k->info);
    std::free(k->puffer);
    return ergebnis;
}
