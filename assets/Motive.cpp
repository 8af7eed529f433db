#include "assets/Motive.h"
#include "assets/MotivHilfen.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

using namespace motiv;

// ---------------------------------------------------------------- title

constexpr qreal Nulllinie = 236.5;
constexpr qreal Einheit = 27;

qreal HoeheVon(qreal wert)
{
    return Nulllinie - Einheit * wert;
}

void Wolke(QPainter& p, qreal x, qreal y, qreal s)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 225));
    p.drawEllipse(QPointF(x, y), 9 * s, 6 * s);
    p.drawEllipse(QPointF(x + 9 * s, y - 3 * s), 8 * s, 7 * s);
    p.drawEllipse(QPointF(x + 18 * s, y), 9 * s, 6 * s);
    p.drawRoundedRect(QRectF(x, y - 2 * s, 18 * s, 8 * s), 3 * s, 3 * s);
}

void Ballon(QPainter& p, qreal x, qreal y)
{
    // Envelope with stripes, ropes and a basket hanging below (x, y is the
    // centre of the envelope).
    QPainterPath huelle;
    huelle.moveTo(x, y + 22);
    huelle.cubicTo(x - 24, y + 4, x - 18, y - 20, x, y - 20);
    huelle.cubicTo(x + 18, y - 20, x + 24, y + 4, x, y + 22);
    QLinearGradient lg(x - 18, 0, x + 18, 0);
    lg.setColorAt(0, QColor(200, 30, 40));
    lg.setColorAt(0.5, QColor(255, 90, 80));
    lg.setColorAt(1, QColor(170, 20, 30));
    p.setPen(QPen(QColor(120, 10, 20), 1));
    p.setBrush(lg);
    p.drawPath(huelle);
    p.save();
    p.setClipPath(huelle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 90));
    p.drawEllipse(QPointF(x, y), 5, 24);
    p.restore();
    p.setPen(QPen(QColor(90, 60, 30), 0.8));
    p.drawLine(QPointF(x - 6, y + 16), QPointF(x - 4, y + 28));
    p.drawLine(QPointF(x + 6, y + 16), QPointF(x + 4, y + 28));
    p.setPen(QPen(QColor(90, 55, 20), 1));
    p.setBrush(QColor(170, 110, 50));
    p.drawRect(QRectF(x - 5, y + 28, 10, 7));
}

void Segelboot(QPainter& p, qreal x, qreal y)
{
    // Hull sitting on the water line y, mast and two sails above.
    QPainterPath rumpf;
    rumpf.moveTo(x - 20, y - 6);
    rumpf.lineTo(x + 22, y - 6);
    rumpf.lineTo(x + 14, y + 3);
    rumpf.lineTo(x - 14, y + 3);
    rumpf.closeSubpath();
    p.setPen(QPen(QColor(60, 30, 10), 1));
    QLinearGradient holz(0, y - 6, 0, y + 3);
    holz.setColorAt(0, QColor(190, 110, 50));
    holz.setColorAt(1, QColor(110, 55, 20));
    p.setBrush(holz);
    p.drawPath(rumpf);
    p.setPen(QPen(QColor(70, 40, 20), 1.6));
    p.drawLine(QPointF(x, y - 6), QPointF(x, y - 44));
    QPainterPath gross;
    gross.moveTo(x + 2, y - 43);
    gross.quadTo(x + 18, y - 24, x + 18, y - 9);
    gross.lineTo(x + 2, y - 9);
    gross.closeSubpath();
    QPainterPath fock;
    fock.moveTo(x - 2, y - 38);
    fock.quadTo(x - 12, y - 20, x - 16, y - 9);
    fock.lineTo(x - 2, y - 9);
    fock.closeSubpath();
    p.setPen(QPen(QColor(150, 150, 160), 0.8));
    p.setBrush(QColor(250, 250, 245));
    p.drawPath(gross);
    p.drawPath(fock);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 40, 40));
    QPainterPath wimpel;
    wimpel.moveTo(x, y - 44);
    wimpel.lineTo(x + 8, y - 41);
    wimpel.lineTo(x, y - 38);
    p.drawPath(wimpel);
}

void Fisch(QPainter& p, qreal x, qreal y, qreal s, const QColor& farbe, bool nachLinks)
{
    p.save();
    p.translate(x, y);
    p.scale(nachLinks ? -s : s, s);
    QPainterPath koerper;
    koerper.moveTo(-12, 0);
    koerper.cubicTo(-6, -9, 8, -9, 12, 0);
    koerper.cubicTo(8, 9, -6, 9, -12, 0);
    QPainterPath schwanz;
    schwanz.moveTo(-10, 0);
    schwanz.lineTo(-19, -7);
    schwanz.lineTo(-17, 0);
    schwanz.lineTo(-19, 7);
    schwanz.closeSubpath();
    QLinearGradient lg(0, -8, 0, 8);
    lg.setColorAt(0, farbe.lighter(130));
    lg.setColorAt(1, farbe.darker(130));
    p.setPen(QPen(farbe.darker(200), 0.8));
    p.setBrush(lg);
    p.drawPath(schwanz);
    p.drawPath(koerper);
    p.setPen(QPen(farbe.darker(170), 0.8));
    p.drawLine(QPointF(-3, -5), QPointF(-3, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(6.5, -1.5), 2.4, 2.4);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(7, -1.5), 1.2, 1.2);
    p.restore();
}

void Blasen(QPainter& p, qreal x, qreal y)
{
    p.setBrush(QColor(255, 255, 255, 40));
    p.setPen(QPen(QColor(220, 240, 255, 200), 0.8));
    p.drawEllipse(QPointF(x, y), 2, 2);
    p.drawEllipse(QPointF(x + 3, y - 8), 2.6, 2.6);
    p.drawEllipse(QPointF(x + 1, y - 17), 3.2, 3.2);
}

void Seegras(QPainter& p, qreal x, qreal boden, qreal hoehe, const QColor& farbe)
{
    QPainterPath halm;
    halm.moveTo(x, boden);
    halm.cubicTo(x - 6, boden - hoehe * 0.35, x + 6, boden - hoehe * 0.65, x - 1, boden - hoehe);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(farbe, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(halm);
}

void Titelszene(QPainter& p)
{
    const int b = TitelBreite;
    const int h = TitelHoehe;

    // Sky.
    QLinearGradient himmel(0, 0, 0, Nulllinie);
    himmel.setColorAt(0, QColor(70, 160, 235));
    himmel.setColorAt(0.7, QColor(160, 215, 250));
    himmel.setColorAt(1, QColor(255, 236, 190));
    p.fillRect(QRectF(0, 0, b, Nulllinie), himmel);

    // Sun with a glow.
    QRadialGradient schein(QPointF(118, 44), 40);
    schein.setColorAt(0, QColor(255, 250, 200, 255));
    schein.setColorAt(0.35, QColor(255, 230, 120, 200));
    schein.setColorAt(1, QColor(255, 230, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(schein);
    p.drawEllipse(QPointF(118, 44), 40, 40);
    p.setBrush(QColor(255, 215, 60));
    p.setPen(QPen(QColor(245, 170, 20), 1.5));
    p.drawEllipse(QPointF(118, 44), 14, 14);

    Wolke(p, 60, 86, 1.0);
    Wolke(p, 104, 150, 0.8);
    Ballon(p, 88, 128);
    // Two birds.
    p.setPen(QPen(QColor(40, 50, 70), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const QPointF& v : {QPointF(70, 40), QPointF(84, 52)}) {
        QPainterPath vogel;
        vogel.moveTo(v.x() - 6, v.y() - 2);
        vogel.quadTo(v.x() - 3, v.y() - 4, v.x(), v.y());
        vogel.quadTo(v.x() + 3, v.y() - 4, v.x() + 6, v.y() - 2);
        p.drawPath(vogel);
    }

    // Sea.
    QLinearGradient meer(0, Nulllinie, 0, h);
    meer.setColorAt(0, QColor(40, 150, 210));
    meer.setColorAt(0.5, QColor(18, 90, 160));
    meer.setColorAt(1, QColor(6, 35, 85));
    p.fillRect(QRectF(0, Nulllinie, b, h - Nulllinie), meer);

    // Light shafts in the water.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        QPainterPath strahl;
        const qreal x0 = 70 + 26 * i;
        strahl.moveTo(x0, Nulllinie);
        strahl.lineTo(x0 + 10, Nulllinie);
        strahl.lineTo(x0 - 14, Nulllinie + 160);
        strahl.lineTo(x0 - 26, Nulllinie + 160);
        strahl.closeSubpath();
        QLinearGradient lg(0, Nulllinie, 0, Nulllinie + 160);
        lg.setColorAt(0, QColor(255, 255, 255, 45));
        lg.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(lg);
        p.drawPath(strahl);
    }

    // Sea bed.
    QPainterPath boden;
    boden.moveTo(0, h);
    boden.lineTo(0, 450);
    boden.cubicTo(40, 440, 80, 458, b, 444);
    boden.lineTo(b, h);
    boden.closeSubpath();
    QLinearGradient sand(0, 440, 0, h);
    sand.setColorAt(0, QColor(214, 190, 130));
    sand.setColorAt(1, QColor(150, 120, 70));
    Seegras(p, 66, 452, 46, QColor(40, 140, 70));
    Seegras(p, 72, 451, 32, QColor(60, 170, 80));
    Seegras(p, 128, 446, 40, QColor(40, 140, 70));
    Seegras(p, 134, 446, 26, QColor(70, 180, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(sand);
    p.drawPath(boden);
    // A shell on the sand.
    p.setPen(QPen(QColor(170, 90, 80), 0.8));
    p.setBrush(QColor(250, 190, 170));
    p.drawPie(QRectF(98, 449, 14, 12), 0, 180 * 16);

    Fisch(p, 100, HoeheVon(-2.6), 1.0, QColor(255, 140, 30), false);
    Fisch(p, 84, HoeheVon(-5.2), 0.8, QColor(250, 215, 60), true);
    Fisch(p, 118, HoeheVon(-6.3), 0.7, QColor(235, 90, 120), false);
    Blasen(p, 116, HoeheVon(-1.6));
    Blasen(p, 70, HoeheVon(-4.2));

    // Water line with small waves, and the boat on it.
    Segelboot(p, 102, Nulllinie + 1);
    QPainterPath welle;
    welle.moveTo(0, Nulllinie);
    for (qreal x = 0; x < b; x += 12)
        welle.quadTo(x + 3, Nulllinie - 2.5, x + 6, Nulllinie), welle.quadTo(x + 9, Nulllinie + 2.5, x + 12, Nulllinie);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 220), 1.6));
    p.drawPath(welle);
}

void Titelskala(QPainter& p)
{
    const int h = TitelHoehe;
    // A translucent ruler along the left edge.
    p.setPen(QPen(QColor(255, 255, 255, 160), 1));
    p.setBrush(QColor(255, 255, 255, 175));
    p.drawRoundedRect(QRectF(5, 4, 44, h - 8), 6, 6);

    const qreal achse = 42.5;
    p.setPen(QPen(QColor(20, 20, 30), 2));
    p.drawLine(QPointF(achse, HoeheVon(-8.4)), QPointF(achse, 10));
    // Arrow head at the top: the numbers grow upwards.
    QPainterPath spitze;
    spitze.moveTo(achse, 5);
    spitze.lineTo(achse - 5, 14);
    spitze.lineTo(achse + 5, 14);
    spitze.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 30));
    p.drawPath(spitze);

    p.setFont(Schrift(13));
    for (int k = -8; k <= 8; ++k) {
        const qreal y = HoeheVon(k);
        p.setPen(QPen(QColor(20, 20, 30), k == 0 ? 2.5 : 1.5));
        p.drawLine(QPointF(achse - (k == 0 ? 12 : 8), y), QPointF(achse, y));
        if (k > -8) {
            p.setPen(QPen(QColor(20, 20, 30), 1));
            p.drawLine(QPointF(achse - 4, y + Einheit / 2), QPointF(achse, y + Einheit / 2));
        }
        QString text;
        QColor farbe;
        if (k > 0) {
            text = QStringLiteral("+%1").arg(k);
            farbe = QColor(180, 30, 20);
        } else if (k < 0) {
            text = QStringLiteral("\u2013%1").arg(-k);
            farbe = QColor(15, 55, 150);
        } else {
            text = QStringLiteral("0");
            farbe = QColor(20, 20, 30);
        }
        p.setPen(farbe);
        p.drawText(QRectF(6, y - 9, 27, 18), Qt::AlignRight | Qt::AlignVCenter, text);
    }
}

} // namespace

QImage MaleTitelbild()
{
    QImage bild = Leinwand(TitelBreite, TitelHoehe, Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    Titelszene(p);
    Titelskala(p);
    Rahmen(p, TitelBreite, TitelHoehe, QColor(230, 190, 90));
    return bild;
}
