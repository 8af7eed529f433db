#include "BruchsatzBeispiele.h"

#include "core/Canvas.h"

#include <QDir>
#include <QtTest>

// Renders every term shape in five rows as the rational screens lay them out
// (centred, the answer box 10 pixels after the term, drawn as a grey frame)
// into PNG files, to be looked at.
class TestBruchsatzBilder : public QObject {
    Q_OBJECT
private slots:
    void allShapesToPng()
    {
        SetKSys(RationalKSys());
        InitTermPalette();
        const QString dir = QStringLiteral(ML_BILD_DIR);
        QVERIFY(QDir().mkpath(dir));
        const auto terme = BeispielTerme();
        for (int shape = 1; shape <= TermShapeCount; ++shape) {
            QImage img(1000, 700, QImage::Format_RGB32);
            img.fill(QColor(240, 240, 240));
            {
                Canvas c(img);
                PaintTermTextAt(c, QStringLiteral("Form %1").arg(shape), 16, 0, 19, 'M');
                for (int i = 0; i < int(terme.size()); ++i) {
                    const float y = 10.5f - 5.6f * i;
                    const auto& t = terme[size_t(i)];
                    const float breite = TermShapeWidth(shape, c, t.operanden, t.operatoren, 'J', 'L', 20);
                    const float links = -(breite / 2 + 3);
                    const float advance = PaintTermShape(shape, c, t.operanden, t.operatoren, 'J', 'L',
                                                         links, y, 20, Qt::black);
                    QCOMPARE(advance, breite);
                    const int box = KSys().WorldToPixel(links + breite, y).x() + 10;
                    c.SetPenWidth(1);
                    c.SetPenColor(QColor(160, 160, 160));
                    c.SetBrushStyle(Canvas::BrushStyle::Clear);
                    c.Rectangle(box, 142 + 100 * i, box + 120, 182 + 100 * i);
                }
            }
            QVERIFY(img.save(dir + QStringLiteral("/form%1.png").arg(shape, 2, 10, QLatin1Char('0'))));
        }
    }

    // One row of every shape on one picture, each followed by a result in blue
    // as a screen shows it after a right answer.
    void overviewToPng()
    {
        const int rowPixels = 64;
        const int height = rowPixels * TermShapeCount;
        const float half = float(height) / 18 / 2;
        SetKSys(TKSys(-25, 25, -half, half, 0, 1000, 0, height));
        InitTermPalette();
        QImage img(1000, height, QImage::Format_RGB32);
        img.fill(QColor(240, 240, 240));
        const auto terme = BeispielTerme();
        {
            Canvas c(img);
            for (int shape = 1; shape <= TermShapeCount; ++shape) {
                const float y = half - (float(shape) - 0.5f) * rowPixels / 18;
                const auto& t = terme[size_t(shape % terme.size())];
                const float breite = TermShapeWidth(shape, c, t.operanden, t.operatoren, 'J', 'L', 20);
                const float links = -(breite / 2 + 3);
                PaintTermTextColored(c, QString::number(shape), 16, -24, y, Qt::gray, 'L', 'M');
                PaintTermShape(shape, c, t.operanden, t.operatoren, 'J', 'L', links, y, 20, Qt::black);
                PaintLeadOperand(c, QString(EnDash), "5", "12", links + breite, y, 20, Qt::blue, 'L');
            }
        }
        QVERIFY(img.save(QStringLiteral(ML_BILD_DIR) + QStringLiteral("/uebersicht.png")));
    }
};

QTEST_MAIN(TestBruchsatzBilder)
#include "test_bruchsatz_bilder.moc"
