#include "worksheet/BlattPruefung.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

namespace {

bool Laufe(const QString& programm, const QStringList& args)
{
    QProcess p;
    p.start(programm, args);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

QList<QList<PdfWort>> PdfWoerter(const QByteArray& pdf)
{
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("b.pdf")));
    if (!f.open(QIODevice::WriteOnly) || f.write(pdf) != pdf.size())
        return {};
    f.close();
    const QString html = dir.filePath(QStringLiteral("b.html"));
    if (!Laufe(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), f.fileName(), html}))
        return {};
    QFile h(html);
    if (!h.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(h.readAll());
    static const QRegularExpression wort(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<QList<PdfWort>> seiten;
    const QStringList teile = text.split(QStringLiteral("<page "));
    const double s = 96.0 / 72.0;
    for (int k = 1; k < teile.size(); ++k) {
        QList<PdfWort> woerter;
        auto it = wort.globalMatch(teile[k]);
        while (it.hasNext()) {
            const auto m = it.next();
            const QRectF box(QPointF(m.captured(1).toDouble() * s, m.captured(2).toDouble() * s),
                             QPointF(m.captured(3).toDouble() * s, m.captured(4).toDouble() * s));
            woerter << PdfWort{box, QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText()};
        }
        seiten << woerter;
    }
    return seiten;
}

QList<QImage> PdfSeiten(const QByteArray& pdf, int dpi)
{
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("b.pdf")));
    if (!f.open(QIODevice::WriteOnly) || f.write(pdf) != pdf.size())
        return {};
    f.close();
    if (!Laufe(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), f.fileName(), dir.filePath(QStringLiteral("s"))}))
        return {};
    QStringList namen = QDir(dir.path()).entryList({QStringLiteral("s-*.png")}, QDir::Files, QDir::Name);
    // s-1 … s-9 or s-01 … : pdftoppm pads to the page count's width.
    QList<QImage> seiten;
    for (const QString& name : namen)
        seiten << QImage(dir.filePath(name)).convertToFormat(QImage::Format_RGB32);
    return seiten;
}

