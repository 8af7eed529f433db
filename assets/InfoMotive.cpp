// The pictures of the information screen: books and a drawing that belong
// to the lines of the history beside them.
#include "assets/Motive.h"
#include "assets/MotivHilfen.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace {

using namespace motiv;

// ---------------------------------------------------------------- history

QFont Buchschrift(int pixel, bool fett = false, bool kursiv = false)
{
    QFont f = Schrift(pixel, fett, kursiv);
    f.setFamily(QStringLiteral("Liberation Serif"));
    return f;
}

// One line of text centred in the picture's width.
void Mittig(QPainter& p, qreal oben, qreal hoehe, const QString& text, const QFont& schrift,
            const QColor& farbe)
{
    p.setFont(schrift);
    p.setPen(farbe);
    p.drawText(QRectF(0, oben, InfoBreite, hoehe), Qt::AlignCenter, text);
}

// Numbers on a strip or line as the program writes them: negatives in red
// with the en dash, zero black, positives blue.
QColor Zahlfarbe(int n)
{
    return n < 0 ? QColor(200, 30, 30) : n > 0 ? QColor(30, 60, 200) : QColor(30, 30, 30);
}
QString Zahltext(int n)
{
    return n < 0 ? QStringLiteral("\u2013%1").arg(-n) : QString::number(n);
}

// A page or cover filling the picture: a diagonal shade from `hell` to
// `dunkel` and a thin ruled frame `rand` pixels inside the edge.
void Buchseite(QPainter& p, const QColor& hell, const QColor& dunkel, const QColor& linie, qreal rand)
{
    QLinearGradient grund(0, 0, InfoBreite, InfoHoehe);
    grund.setColorAt(0, hell);
    grund.setColorAt(1, dunkel);
    p.fillRect(QRectF(0, 0, InfoBreite, InfoHoehe), grund);
    p.setPen(QPen(linie, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rand, rand, InfoBreite - 2 * rand, InfoHoehe - 2 * rand));
}

// Stifel's "Arithmetica integra" (Nuremberg 1544), opened at a number line
// whose numbers run on beyond zero.
void Stifelbuch(QPainter& p)
{
    const QColor tinte(70, 45, 25);
    Buchseite(p, QColor(248, 238, 210), QColor(228, 210, 170), tinte, 5.5);

    Mittig(p, 9, 12, QStringLiteral("ARITHMETICA"), Buchschrift(10, true), tinte);
    Mittig(p, 21, 12, QStringLiteral("INTEGRA"), Buchschrift(10, true), tinte);
    Mittig(p, 34, 10, QStringLiteral("Michael Stifel"), Buchschrift(8, false, true), tinte);
    Mittig(p, 44, 10, QStringLiteral("1544"), Buchschrift(8), tinte);
    p.setPen(QPen(tinte, 0.7));
    p.drawLine(QPointF(30, 57), QPointF(70, 57));

    // The number line: the numbers go on past zero to the left.
    const qreal y = 84;
    p.setPen(QPen(QColor(30, 30, 30), 1.4));
    p.drawLine(QPointF(10, y), QPointF(92, y));
    p.drawLine(QPointF(92, y), QPointF(87, y - 2.5));
    p.drawLine(QPointF(92, y), QPointF(87, y + 2.5));
    p.setFont(Schrift(8, true));
    for (int n = -2; n <= 2; ++n) {
        const qreal x = 50 + n * 17;
        p.setPen(QPen(QColor(30, 30, 30), 1.2));
        p.drawLine(QPointF(x, y - 3), QPointF(x, y + 3));
        p.setPen(Zahlfarbe(n));
        p.drawText(QRectF(x - 9, y + 4, 18, 10), Qt::AlignCenter, Zahltext(n));
    }
    // A red arrow from zero into the numbers beyond it.
    const QColor rot(200, 30, 30);
    p.setPen(QPen(rot, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(50, y - 8), QPointF(10, y - 8));
    p.drawLine(QPointF(10, y - 8), QPointF(15, y - 10.5));
    p.drawLine(QPointF(10, y - 8), QPointF(15, y - 5.5));
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(50, y), 2.2, 2.2);
    Rahmen(p, InfoBreite, InfoHoehe, QColor(150, 115, 70));
}

// Euler's "Vollständige Anleitung zur Algebra" (St. Petersburg 1770), with
// a slip of paper showing the integers lying on it.
void Eulerbuch(QPainter& p)
{
    const QColor gold(235, 200, 110);
    Buchseite(p, QColor(120, 50, 30), QColor(70, 25, 15), gold, 6.5);
    p.drawRect(QRectF(9.5, 9.5, InfoBreite - 19, InfoHoehe - 19));

    Mittig(p, 13, 10, QStringLiteral("Vollständige"), Buchschrift(9, true), gold);
    Mittig(p, 23, 10, QStringLiteral("Anleitung"), Buchschrift(9, true), gold);
    Mittig(p, 33, 9, QStringLiteral("zur"), Buchschrift(8, false, true), gold);
    Mittig(p, 42, 13, QStringLiteral("ALGEBRA"), Buchschrift(12, true), gold);
    Mittig(p, 57, 10, QStringLiteral("Leonhard Euler"), Buchschrift(8, false, true), gold);
    Mittig(p, 67, 10, QStringLiteral("1770"), Buchschrift(8), gold);

    // The slip with the integers.
    p.save();
    p.translate(50, 95);
    p.rotate(-4);
    p.setPen(QPen(QColor(150, 140, 120), 0.8));
    p.setBrush(QColor(252, 250, 240));
    p.drawRect(QRectF(-44, -9, 88, 18));
    p.setFont(Schrift(8, true));
    p.setPen(QColor(30, 30, 30));
    p.drawText(QRectF(-43, -8, 10, 16), Qt::AlignCenter, QStringLiteral("\u2026"));
    p.drawText(QRectF(33, -8, 10, 16), Qt::AlignCenter, QStringLiteral("\u2026"));
    for (int n = -2; n <= 2; ++n) {
        p.setPen(Zahlfarbe(n));
        p.drawText(QRectF(-8 + n * 14 - 2, -8, 20, 16), Qt::AlignCenter, Zahltext(n));
    }
    p.restore();
    Rahmen(p, InfoBreite, InfoHoehe, QColor(50, 20, 10));
}

void Schuldbuch(QPainter& p)
{
    QLinearGradient tisch(0, 0, 0, InfoHoehe);
    tisch.setColorAt(0, QColor(92, 60, 34));
    tisch.setColorAt(1, QColor(60, 38, 20));
    p.fillRect(QRectF(0, 0, InfoBreite, InfoHoehe), tisch);

    // Coins.
    for (const QPointF& m : {QPointF(14, 104), QPointF(24, 109), QPointF(19, 98)}) {
        QRadialGradient gold(m - QPointF(2, 2), 7);
        gold.setColorAt(0, QColor(255, 236, 140));
        gold.setColorAt(1, QColor(200, 150, 30));
        p.setPen(QPen(QColor(140, 100, 20), 0.8));
        p.setBrush(gold);
        p.drawEllipse(m, 6, 6);
    }

    // The open book.
    auto seite = [&](bool links) {
        QPainterPath pfad;
        if (links) {
            pfad.moveTo(50, 20);
            pfad.quadTo(30, 12, 6, 17);
            pfad.lineTo(6, 88);
            pfad.quadTo(30, 83, 50, 91);
        } else {
            pfad.moveTo(50, 20);
            pfad.quadTo(70, 12, 94, 17);
            pfad.lineTo(94, 88);
            pfad.quadTo(70, 83, 50, 91);
        }
        pfad.closeSubpath();
        return pfad;
    };
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 20, 10));
    p.drawRoundedRect(QRectF(3, 15, 94, 80), 3, 3);
    for (bool links : {true, false}) {
        QLinearGradient papier(links ? 6 : 94, 0, 50, 0);
        papier.setColorAt(0, QColor(250, 243, 222));
        papier.setColorAt(0.8, QColor(240, 228, 198));
        papier.setColorAt(1, QColor(200, 184, 150));
        p.setPen(QPen(QColor(150, 130, 100), 0.8));
        p.setBrush(papier);
        p.drawPath(seite(links));
    }

    // Headings: the book's title on the left page, "debitum" (debt) over the
    // right one. Then entries: a line of writing and an amount in the
    // right-hand column; the debts are written in red. No minus signs: in
    // Leonardo's time there were none.
    const QColor tinte(50, 40, 60);
    const QColor rot(200, 30, 30);
    p.setFont(Buchschrift(8, true, true));
    p.setPen(tinte);
    p.drawText(QRectF(8, 19, 40, 10), Qt::AlignCenter, QStringLiteral("Liber abaci"));
    p.setPen(rot);
    p.drawText(QRectF(52, 19, 40, 10), Qt::AlignCenter, QStringLiteral("debitum"));
    Streuung zufall(11);
    p.setFont(Schrift(7, true));
    for (int spalte = 0; spalte < 2; ++spalte) {
        const qreal x0 = spalte == 0 ? 10 : 54;
        const bool schuld = spalte == 1;
        for (int zeile = 0; zeile < 6; ++zeile) {
            const qreal y = 38 + zeile * 8;
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(schuld ? rot : tinte, 0.9, Qt::SolidLine, Qt::RoundCap));
            QPainterPath schrift;
            qreal x = x0;
            schrift.moveTo(x, y);
            const qreal ende = x0 + zufall.Zahl(14, 22);
            while (x < ende) {
                schrift.quadTo(x + 1, y - zufall.Zahl(1.5, 3.5), x + 2, y);
                x += 2.2;
            }
            p.drawPath(schrift);
            p.setPen(schuld ? rot : tinte);
            const int betrag = 2 + int(zufall.Zahl(0, 60));
            p.drawText(QRectF(x0 + 22, y - 6, 15, 8), Qt::AlignRight | Qt::AlignVCenter, QString::number(betrag));
        }
        // The sum line.
        p.setPen(QPen(schuld ? rot : tinte, 0.8));
        p.drawLine(QPointF(x0 + 22, 88 - 4), QPointF(x0 + 37, 88 - 4));
    }

    // A quill lying on the desk below the book.
    p.save();
    p.translate(44, 112);
    p.rotate(-14);
    QPainterPath feder;
    feder.moveTo(0, 0);
    feder.cubicTo(10, -6, 30, -7, 44, -2);
    feder.cubicTo(30, 3, 12, 4, 0, 0);
    QLinearGradient fg(0, -6, 0, 4);
    fg.setColorAt(0, QColor(255, 255, 255));
    fg.setColorAt(1, QColor(190, 190, 200));
    p.setPen(QPen(QColor(120, 120, 130), 0.7));
    p.setBrush(fg);
    p.drawPath(feder);
    p.setPen(QPen(QColor(90, 90, 100), 0.8));
    p.drawLine(QPointF(-8, 0.6), QPointF(42, -1.5));
    p.restore();
    Rahmen(p, InfoBreite, InfoHoehe, QColor(40, 20, 10));
}

void Koordinatensystem(QPainter& p)
{
    p.fillRect(QRectF(0, 0, InfoBreite, InfoHoehe), QColor(255, 255, 250));
    const qreal raster = 10;
    const QPointF ursprung(50, 60);
    p.setPen(QPen(QColor(170, 205, 235), 0.8));
    for (qreal x = ursprung.x() - 4 * raster; x <= InfoBreite; x += raster)
        p.drawLine(QPointF(x, 0), QPointF(x, InfoHoehe));
    for (qreal y = ursprung.y() - 5 * raster; y <= InfoHoehe; y += raster)
        p.drawLine(QPointF(0, y), QPointF(InfoBreite, y));

    // Axes with arrow heads.
    const QColor achse(25, 25, 35);
    p.setPen(QPen(achse, 1.6));
    p.drawLine(QPointF(5, ursprung.y()), QPointF(92, ursprung.y()));
    p.drawLine(QPointF(ursprung.x(), 115), QPointF(ursprung.x(), 8));
    p.setPen(Qt::NoPen);
    p.setBrush(achse);
    QPainterPath pfeile;
    pfeile.moveTo(96, ursprung.y());
    pfeile.lineTo(88, ursprung.y() - 4);
    pfeile.lineTo(88, ursprung.y() + 4);
    pfeile.closeSubpath();
    pfeile.moveTo(ursprung.x(), 4);
    pfeile.lineTo(ursprung.x() - 4, 12);
    pfeile.lineTo(ursprung.x() + 4, 12);
    pfeile.closeSubpath();
    p.drawPath(pfeile);
    p.setPen(QPen(achse, 1));
    for (int k = -4; k <= 3; ++k) {
        if (k == 0)
            continue;
        p.drawLine(QPointF(ursprung.x() + k * raster, ursprung.y() - 2), QPointF(ursprung.x() + k * raster, ursprung.y() + 2));
    }
    for (int k = -5; k <= 4; ++k) {
        if (k == 0)
            continue;
        p.drawLine(QPointF(ursprung.x() - 2, ursprung.y() - k * raster), QPointF(ursprung.x() + 2, ursprung.y() - k * raster));
    }
    p.setFont(Schrift(11, true, true));
    p.drawText(QPointF(88, ursprung.y() + 13), QStringLiteral("x"));
    p.drawText(QPointF(ursprung.x() + 6, 13), QStringLiteral("y"));
    p.setFont(Schrift(8, true));
    p.drawText(QPointF(ursprung.x() - 7, ursprung.y() + 10), QStringLiteral("0"));
    p.drawText(QPointF(ursprung.x() + raster - 2, ursprung.y() + 10), QStringLiteral("1"));

    // One point in each quadrant, with dashed guides to the axes.
    struct Punkt {
        int x, y;
        QColor farbe;
    };
    const Punkt punkte[] = {
        {3, 3, QColor(220, 40, 40)},
        {-3, 2, QColor(30, 140, 50)},
        {-2, -3, QColor(40, 80, 220)},
        {2, -4, QColor(240, 140, 0)},
    };
    for (const Punkt& pt : punkte) {
        const QPointF q(ursprung.x() + pt.x * raster, ursprung.y() - pt.y * raster);
        p.setPen(QPen(pt.farbe, 0.9, Qt::DashLine));
        p.drawLine(q, QPointF(q.x(), ursprung.y()));
        p.drawLine(q, QPointF(ursprung.x(), q.y()));
        p.setPen(QPen(pt.farbe.darker(150), 1));
        p.setBrush(pt.farbe);
        p.drawEllipse(q, 3.4, 3.4);
    }
    Rahmen(p, InfoBreite, InfoHoehe, QColor(120, 140, 170));
}


} // namespace

QImage MaleInfoBild(int nr)
{
    if (nr < 1 || nr > 4)
        return QImage();
    QImage bild = Leinwand(InfoBreite, InfoHoehe, Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    switch (nr) {
    case 1:
        Schuldbuch(p);
        break;
    case 2:
        Stifelbuch(p);
        break;
    case 3:
        Koordinatensystem(p);
        break;
    default:
        Eulerbuch(p);
        break;
    }
    return bild;
}
