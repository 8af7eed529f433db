#include "assets/Bilder.h"

#include "assets/JpegBild.h"

#include <QFile>
#include <QGuiApplication>
#include <QtMath>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

// A transparent picture of the given size in logical pixels. On a high-DPI
// screen it holds as many device pixels as the finest screen shows, so the
// shapes painted into it stay sharp instead of being scaled up.
QImage LeeresBild(int breite, int hoehe)
{
    const qreal faktor = qGuiApp ? qMax<qreal>(1.0, qGuiApp->devicePixelRatio()) : 1.0;
    QImage bild(qCeil(breite * faktor), qCeil(hoehe * faktor), QImage::Format_ARGB32_Premultiplied);
    bild.setDevicePixelRatio(faktor);
    bild.fill(Qt::transparent);
    return bild;
}

struct Gesicht {
    QColor hell;
    QColor dunkel;
    int mund; // curvature of the mouth: > 0 smiles, < 0 frowns, 0 straight
};

Gesicht GesichtFuer(StatusArt art)
{
    switch (art) {
    case StatusArt::RichtigErster:
        return {QColor(150, 230, 120), QColor(40, 140, 40), 9};
    case StatusArt::Falsch:
        return {QColor(255, 150, 140), QColor(200, 30, 30), -6};
    case StatusArt::RichtigZweiter:
        return {QColor(255, 215, 120), QColor(230, 120, 0), 5};
    case StatusArt::Neutral:
    default:
        return {QColor(190, 215, 245), QColor(70, 110, 170), 0};
    }
}

} // namespace

QImage StatusBild(StatusArt art)
{
    QImage bild = LeeresBild(StatusBreite, StatusHoehe);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    const Gesicht g = GesichtFuer(art);

    // Soft shadow on the ground below the face.
    QRadialGradient schatten(QPointF(31.5, 64), 24);
    schatten.setColorAt(0, QColor(0, 0, 0, 90));
    schatten.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(31.5, 64);
    p.scale(1.0, 0.22);
    p.translate(-31.5, -64);
    p.setPen(Qt::NoPen);
    p.setBrush(schatten);
    p.drawEllipse(QPointF(31.5, 64), 24, 24);
    p.restore();

    // The face: a lit ball.
    const QPointF mitte(31.5, 30.5);
    const qreal r = 28;
    QRadialGradient kugel(QPointF(24, 20), 38, QPointF(22, 17));
    kugel.setColorAt(0, g.hell.lighter(118));
    kugel.setColorAt(0.55, g.hell);
    kugel.setColorAt(1, g.dunkel);
    p.setPen(QPen(g.dunkel.darker(140), 1.6));
    p.setBrush(kugel);
    p.drawEllipse(mitte, r, r);

    // Gloss.
    QRadialGradient glanz(QPointF(22, 14), 14);
    glanz.setColorAt(0, QColor(255, 255, 255, 170));
    glanz.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glanz);
    p.drawEllipse(QPointF(22, 15), 14, 9);

    // Eyes.
    const QColor augenFarbe = g.dunkel.darker(250);
    p.setBrush(Qt::white);
    p.setPen(QPen(augenFarbe, 1.2));
    p.drawEllipse(QPointF(22, 25), 5, 6.2);
    p.drawEllipse(QPointF(41, 25), 5, 6.2);
    p.setPen(Qt::NoPen);
    p.setBrush(augenFarbe);
    const qreal blick = art == StatusArt::Falsch ? 1.5 : 0.5;
    p.drawEllipse(QPointF(22.5, 25.5 + blick), 2.6, 3.0);
    p.drawEllipse(QPointF(41.5, 25.5 + blick), 2.6, 3.0);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(21.6, 24.2 + blick), 0.9, 0.9);
    p.drawEllipse(QPointF(40.6, 24.2 + blick), 0.9, 0.9);

    // Mouth.
    QPainterPath mund;
    const qreal y0 = g.mund < 0 ? 46 : 40;
    mund.moveTo(19, y0);
    mund.quadTo(31.5, y0 + 2 * g.mund, 44, y0);
    if (g.mund >= 8) {
        // A laughing open mouth.
        mund.quadTo(31.5, y0 + 0.6 * g.mund, 19, y0);
        p.setBrush(QColor(120, 20, 20));
        p.setPen(QPen(augenFarbe, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    } else {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(augenFarbe, 2.8, Qt::SolidLine, Qt::RoundCap));
    }
    p.drawPath(mund);

    // Cheeks when happy.
    if (g.mund > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 90, 90, 70));
        p.drawEllipse(QPointF(14, 36), 4.5, 3);
        p.drawEllipse(QPointF(49, 36), 4.5, 3);
    }
    return bild;
}

namespace {

// A mark: the path drawn as a stroke with a darker rim (wide and dark, then
// narrow and bright, with a touch of light along the upper edge) on a
// transparent square.
QImage Marke(const QPainterPath& pfad, const QColor& farbe)
{
    QImage bild = LeeresBild(MarkeSeite, MarkeSeite);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 60), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(pfad.translated(1, 1.5));
    p.setPen(QPen(farbe.darker(160), 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(pfad);
    p.setPen(QPen(farbe, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(pfad);
    p.setPen(QPen(farbe.lighter(150), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(pfad.translated(-0.8, -1.2));
    return bild;
}

} // namespace

QImage MarkeRichtig()
{
    QPainterPath haken;
    haken.moveTo(7, 21);
    haken.lineTo(16, 31);
    haken.quadTo(22, 16, 34, 7);
    return Marke(haken, QColor(30, 170, 50));
}

QImage MarkeFalsch()
{
    QPainterPath kreuz;
    kreuz.moveTo(9, 9);
    kreuz.lineTo(31, 31);
    kreuz.moveTo(31, 9);
    kreuz.lineTo(9, 31);
    return Marke(kreuz, QColor(225, 35, 35));
}

namespace {

QImage LadeJpeg(const QString& name)
{
    QFile datei(QStringLiteral(":/bilder/") + name);
    if (!datei.open(QIODevice::ReadOnly))
        return QImage();
    return JpegLesen(datei.readAll());
}

} // namespace

QImage Titelbild()
{
    return LadeJpeg(QStringLiteral("titelbild.jpg"));
}

QImage InfoBild(int nr)
{
    if (nr < 1 || nr > 4)
        return QImage();
    return LadeJpeg(QStringLiteral("info%1.jpg").arg(nr));
}
