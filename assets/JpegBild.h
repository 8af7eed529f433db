#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG pictures through libjpeg, without Qt's image plug-ins.

// Decodes a JPEG held in memory into an RGB32 image. Returns a null image
// (and a reason in *fehler, when given) for anything that is not a complete,
// sound JPEG: empty or truncated data, broken markers, absurd sizes, colour
// spaces that cannot become RGB. Never aborts the program.
QImage JpegLesen(const QByteArray& daten, QString* fehler = nullptr);

// Encodes an image as a baseline JPEG of the given quality (1 … 100).
// Transparent pixels are laid over white. Returns empty data for a null image.
QByteArray JpegSchreiben(const QImage& bild, int qualitaet = 92);
