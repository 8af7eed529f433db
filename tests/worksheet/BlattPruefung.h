#pragma once
// Reading worksheet PDFs back with poppler's tools, for the worksheet tests.
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

struct PdfWort {
    QRectF box; // in page pixels (1/96 inch)
    QString text;
};

// The words of each page as pdftotext -bbox finds them; empty on failure.
QList<QList<PdfWort>> PdfWoerter(const QByteArray& pdf);

// The pages rendered by pdftoppm at dpi, as images; empty on failure.
QList<QImage> PdfSeiten(const QByteArray& pdf, int dpi);

