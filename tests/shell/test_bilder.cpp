#include "assets/AppIcon.h"
#include "assets/Bilder.h"
#include "assets/FertigeBilder.h"
#include "assets/JpegBild.h"
#include "assets/Motive.h"

#include <QtTest>

// Sets the 16-bit big-endian height and width fields of the first SOF marker.
static QByteArray MitGroesse(QByteArray daten, int hoehe, int breite)
{
    for (int i = 0; i + 9 < daten.size(); ++i) {
        const auto a = quint8(daten[i]);
        const auto b = quint8(daten[i + 1]);
        if (a == 0xFF && (b == 0xC0 || b == 0xC1 || b == 0xC2)) {
            daten[i + 5] = char(hoehe >> 8);
            daten[i + 6] = char(hoehe & 0xFF);
            daten[i + 7] = char(breite >> 8);
            daten[i + 8] = char(breite & 0xFF);
            return daten;
        }
    }
    return QByteArray();
}

class TestBilder : public QObject {
    Q_OBJECT
private slots:
    // The pictures embedded at build time are exactly what the painters
    // paint now: a painter changed without the embedded copy (or pixels
    // written in the wrong order or format) shows here.
    void embeddedPicturesAreThePaintedOnes()
    {
        QCOMPARE(qApp->devicePixelRatio(), 1.0);
        auto gleich = [](const QImage& eingebettet, const QImage& gemalt) {
            return eingebettet.size() == gemalt.size()
                && eingebettet.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                       == gemalt.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        for (StatusArt art : {StatusArt::Neutral, StatusArt::RichtigErster, StatusArt::Falsch, StatusArt::RichtigZweiter})
            QVERIFY(gleich(FertigesStatusBild(art), StatusBild(art)));
        QVERIFY(gleich(FertigeMarkeRichtig(), MarkeRichtig()));
        QVERIFY(gleich(FertigeMarkeFalsch(), MarkeFalsch()));
        QVERIFY(!gleich(FertigeMarkeFalsch(), MarkeRichtig()));
        QVERIFY(gleich(FertigesTitelbild(), Titelbild()));
        const QIcon icon = FertigesAppIcon();
        QCOMPARE(icon.availableSizes().size(), 6);
        for (int groesse : {16, 24, 32, 48, 64, 128})
            QVERIFY(gleich(icon.pixmap(groesse).toImage(), AppIcon(groesse)));
    }

    void jpegRoundTripKeepsSizeAndColours()
    {
        QImage bild(37, 21, QImage::Format_RGB32);
        bild.fill(QColor(200, 30, 40));
        for (int x = 0; x < 37; ++x)
            for (int y = 12; y < 21; ++y)
                bild.setPixelColor(x, y, QColor(20, 60, 220));
        const QByteArray daten = JpegSchreiben(bild, 95);
        QVERIFY(daten.startsWith("\xFF\xD8"));
        QString fehler;
        const QImage zurueck = JpegLesen(daten, &fehler);
        QVERIFY2(!zurueck.isNull(), qPrintable(fehler));
        QCOMPARE(zurueck.size(), bild.size());
        auto nahe = [](QColor a, QColor b) {
            return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
        };
        QVERIFY(nahe(zurueck.pixelColor(3, 3), QColor(200, 30, 40)));
        QVERIFY(nahe(zurueck.pixelColor(30, 18), QColor(20, 60, 220)));
        QVERIFY(JpegSchreiben(QImage()).isEmpty());
    }

    void brokenDataIsRefusedWithoutCrashing()
    {
        QImage bild(64, 48, QImage::Format_RGB32);
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x)
                bild.setPixel(x, y, qRgb(x * 4, y * 5, (x * y) & 255));
        const QByteArray gut = JpegSchreiben(bild);
        QVERIFY(!JpegLesen(gut).isNull());

        QString fehler;
        QVERIFY(JpegLesen(QByteArray(), &fehler).isNull());
        QVERIFY(!fehler.isEmpty());
        QVERIFY(JpegLesen(QByteArray("kein Bild, nur Text")).isNull());
        QVERIFY(JpegLesen(QByteArray(500, '\xFF')).isNull());
        // Cut off anywhere: never a crash, never a half-grey picture.
        for (int laenge = 0; laenge < gut.size() - 2; laenge += 7)
            QVERIFY2(JpegLesen(gut.left(laenge)).isNull(), qPrintable(QString::number(laenge)));
        // A forged header must not allocate a giant or an empty picture.
        QVERIFY(!MitGroesse(gut, 1, 1).isEmpty());
        QVERIFY(JpegLesen(MitGroesse(gut, 60000, 60000)).isNull());
        QVERIFY(JpegLesen(MitGroesse(gut, 0, 64)).isNull());
        // Damaged bytes: whatever comes back, the decoder survives.
        for (int i = 2; i < gut.size(); i += 5) {
            QByteArray kaputt = gut;
            kaputt[i] = char(kaputt[i] ^ 0x5A);
            const QImage ergebnis = JpegLesen(kaputt);
            QVERIFY(ergebnis.isNull() || ergebnis.size() == bild.size());
        }
    }

    void shippedPicturesDecode()
    {
        QCOMPARE(Titelbild().size(), QSize(TitelBreite, TitelHoehe));
        for (int nr = 1; nr <= 4; ++nr)
            QCOMPARE(InfoBild(nr).size(), QSize(InfoBreite, InfoHoehe));
        QVERIFY(InfoBild(0).isNull());
        QVERIFY(InfoBild(5).isNull());
        // The scale is divided at 0: warm sky above, dark sea below.
        const QImage titel = Titelbild();
        const QColor oben = titel.pixelColor(100, 20);
        const QColor unten = titel.pixelColor(100, 420);
        QVERIFY(oben.lightness() > unten.lightness() + 60);
        QVERIFY(unten.blue() > unten.red() + 30);
    }

    void shippedInfoPicturesAreTheOnesThePainterDraws()
    {
        // A painter changed without running tools/bilder would leave the old
        // JPEGs in the program; beyond JPEG's small losses they must agree.
        for (int nr = 1; nr <= 4; ++nr) {
            const QImage jpeg = InfoBild(nr).convertToFormat(QImage::Format_RGB32);
            const QImage gemalt = MaleInfoBild(nr).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(jpeg.size(), gemalt.size());
            qint64 summe = 0;
            for (int y = 0; y < jpeg.height(); ++y)
                for (int x = 0; x < jpeg.width(); ++x) {
                    const QRgb a = jpeg.pixel(x, y), b = gemalt.pixel(x, y);
                    summe += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
                }
            const double mittel = double(summe) / (3.0 * jpeg.width() * jpeg.height());
            QVERIFY2(mittel < 4.0, qPrintable(QStringLiteral("info%1: %2").arg(nr).arg(mittel)));
        }
    }

    void statusPicturesAndMarksAreTransparentAroundTheirFigure()
    {
        const StatusArt arten[] = {StatusArt::Neutral, StatusArt::RichtigErster, StatusArt::Falsch,
                                   StatusArt::RichtigZweiter};
        QList<QRgb> mitten;
        for (StatusArt art : arten) {
            const QImage bild = StatusBild(art);
            QCOMPARE(bild.size(), QSize(63, 69));
            QVERIFY(bild.hasAlphaChannel());
            QCOMPARE(qAlpha(bild.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(bild.pixel(62, 0)), 0);
            QCOMPARE(qAlpha(bild.pixel(31, 30)), 255);
            mitten << bild.pixel(12, 30);
        }
        // Four different looks.
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j)
                QVERIFY(mitten[i] != mitten[j]);
        // Right is green, wrong is red.
        const QColor gruen = StatusBild(StatusArt::RichtigErster).pixelColor(12, 30);
        const QColor rot = StatusBild(StatusArt::Falsch).pixelColor(12, 30);
        QVERIFY(gruen.green() > gruen.red());
        QVERIFY(rot.red() > rot.green());

        for (const QImage& marke : {MarkeRichtig(), MarkeFalsch()}) {
            QCOMPARE(marke.size(), QSize(40, 40));
            QCOMPARE(qAlpha(marke.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(marke.pixel(39, 39)), 0);
        }
        QCOMPARE(qAlpha(MarkeFalsch().pixel(20, 20)), 255);
        QVERIFY(MarkeRichtig().pixelColor(16, 30).green() > 120);
    }
};

QTEST_MAIN(TestBilder)
#include "test_bilder.moc"
