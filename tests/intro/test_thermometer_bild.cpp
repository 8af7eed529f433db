// The thermometer pages as painted: no line, arrow or text runs over the
// scale labels or over another text, and every entered value can be seen.
#include "core/Canvas.h"
#include "core/WorldWindow.h"
#include "intro/EinstiegBilder.h"
#include "intro/EinstiegMalen.h"
#include "intro/EinstiegZustand.h"

#include <QtTest>

namespace {

const QColor Pink(255, 0, 102);
const QColor Blau(0, 0, 255);
const QColor Rot(255, 0, 0);

QImage Male(const std::function<void(Canvas&)>& maler)
{
    QImage bild(1000, 700, QImage::Format_RGB32);
    bild.fill(Qt::white);
    Canvas c(bild);
    SetIntroWorldWindow();
    maler(c);
    return bild;
}

bool Nahe(const QColor& c, const QColor& farbe)
{
    return qAbs(c.red() - farbe.red()) < 40 && qAbs(c.green() - farbe.green()) < 40
        && qAbs(c.blue() - farbe.blue()) < 40;
}

// Pixels inside a pixel rectangle whose colour is close to the given one.
int Farbig(const QImage& bild, const QRect& r, const QColor& farbe)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += Nahe(bild.pixelColor(x, y), farbe);
    return n;
}

// Pixels of the image in a box given in world units, whose colour is close
// to the given one (text edges are mixed with the ground).
int Farbig(const QImage& bild, float x1, float y1, float x2, float y2, const QColor& farbe)
{
    return Farbig(bild, QRect(WorldToScreen(x1, y1), WorldToScreen(x2, y2)).normalized().intersected(bild.rect()),
                  farbe);
}

// Pixels of the colour on the scale label at k tens of labels centred at
// labelX: inside the box of the label's black digits.
int AufSkala(const QImage& bild, float labelX, int k, const QColor& farbe)
{
    const QRect such =
        QRect(WorldToScreen(labelX - 0.42f, k + 0.3f), WorldToScreen(labelX + 0.42f, k - 0.3f)).normalized();
    QRect ziffern;
    for (int y = such.top(); y <= such.bottom(); ++y)
        for (int x = such.left(); x <= such.right(); ++x)
            if (const QRgb c = bild.pixel(x, y); qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80)
                ziffern |= QRect(x, y, 1, 1);
    if (ziffern.isNull())
        return -1; // no label there at all
    return Farbig(bild, ziffern, farbe);
}

TGanzEinstieg Einstieg(int start, int ende, int eingabe, bool richtig)
{
    TGanzEinstieg e;
    e.IntroPage = TGanzEinstieg::Temperatur;
    e.Thermo.StartTemp = start;
    e.Thermo.EndTemp = ende;
    e.Thermo.TempChange = ende - start;
    e.Entered = eingabe;
    (richtig ? e.Auswertung.Right : e.Auswertung.Wrong)[1] = true;
    return e;
}

TGanzMuster Muster(int start, int ende)
{
    TGanzMuster m;
    m.Thermo.StartTemp = start;
    m.Thermo.EndTemp = ende;
    m.Thermo.TempChange = ende - start;
    return m;
}

void Foto(const QImage& bild, const QString& name)
{
    const QString ordner = qEnvironmentVariable("MINUSLAND_FOTOS");
    if (!ordner.isEmpty())
        bild.save(ordner + u'/' + name + QStringLiteral(".png"));
}

} // namespace

class TestThermometerBild : public QObject {
    Q_OBJECT

private slots:
    void einstiegLinienLassenSkalaFrei();
    void musterPfeileLassenSkalaFrei();
    void eingabeNahAmStartUeberschreibtIhnNicht();
    void eingabeAusserhalbDerSkalaBleibtSichtbar();
    void minusVorDemBruchStehtFrei();
};

void TestThermometerBild::einstiegLinienLassenSkalaFrei()
{
    // Start 0 and end -20: both lines at the height of a label.
    const QImage bild = Male([](Canvas& c) { PaintGanzEinstieg(c, Einstieg(0, -20, -20, true)); });
    Foto(bild, QStringLiteral("thermo_einstieg"));
    QCOMPARE(AufSkala(bild, -2, 0, Pink), 0);
    QCOMPARE(AufSkala(bild, -2, -2, Blau), 0);
    // The lines are still there on both sides of the label column.
    QVERIFY(Farbig(bild, -4, 0.05f, -2.6f, -0.05f, Pink) > 0);
    QVERIFY(Farbig(bild, -1.4f, 0.05f, -1, -0.05f, Pink) > 0);
    QVERIFY(Farbig(bild, -4, -1.95f, -2.6f, -2.05f, Blau) > 0);
    QVERIFY(Farbig(bild, -1.4f, -1.95f, -1, -2.05f, Blau) > 0);

    // Start 21 lies just inside the label "20": the line breaks there too.
    const QImage b2 = Male([](Canvas& c) { PaintGanzEinstieg(c, Einstieg(21, -7, -7, true)); });
    QCOMPARE(AufSkala(b2, -2, 2, Pink), 0);
}

void TestThermometerBild::musterPfeileLassenSkalaFrei()
{
    for (const bool sub : {false, true}) {
        TGanzMuster m = Muster(40, -20);
        m.Subtraktion = sub;
        const QImage bild = Male([&](Canvas& c) { PaintGanzMuster(c, m); });
        Foto(bild, sub ? QStringLiteral("thermo_muster_sub") : QStringLiteral("thermo_muster_add"));
        QCOMPARE(AufSkala(bild, -6, 4, Pink), 0);  // start arrow, left scale
        QCOMPARE(AufSkala(bild, 6, -2, Blau), 0);  // end arrow, right scale
        // The arrows keep their shafts and heads beside the labels.
        QVERIFY(Farbig(bild, -8, 4.05f, -6.6f, 3.95f, Pink) > 0);
        QVERIFY(Farbig(bild, -5.4f, 4.1f, -5, 3.9f, Pink) > 0);
        QVERIFY(Farbig(bild, 5, -1.9f, 5.4f, -2.1f, Blau) > 0);
        QVERIFY(Farbig(bild, 6.6f, -1.95f, 8, -2.05f, Blau) > 0);
    }
    const QImage b2 = Male([](Canvas& c) { PaintGanzMuster(c, Muster(30, 0)); });
    Foto(b2, QStringLiteral("thermo_muster_0"));
    QCOMPARE(AufSkala(b2, -6, 3, Pink), 0);
    QCOMPARE(AufSkala(b2, 6, 0, Blau), 0);
}

void TestThermometerBild::eingabeNahAmStartUeberschreibtIhnNicht()
{
    // Start 12 °C, end –5 °C, typed 14 °C twice: "14°C (falsch)" in red must not
    // lie over the pink "+12°C", neither above it nor below for 10 °C.
    for (const int eingabe : {14, 10, 12}) {
        const QImage bild = Male([&](Canvas& c) { PaintGanzEinstieg(c, Einstieg(12, -5, eingabe, false)); });
        Foto(bild, QStringLiteral("thermo_nah_%1").arg(eingabe));
        // The pink start text stands from 1.4 down to about 0.95.
        QCOMPARE(Farbig(bild, 3.4f, 1.42f, 7, 0.97f, Rot), 0);
        // The red text is there, beside the start text.
        QVERIFY(Farbig(bild, 3.4f, 2.2f, 9, 0.3f, Rot) > 50);
    }
}

void TestThermometerBild::eingabeAusserhalbDerSkalaBleibtSichtbar()
{
    for (const int eingabe : {250, 9999, -35, -400}) {
        const QImage bild = Male([&](Canvas& c) { PaintGanzEinstieg(c, Einstieg(30, -4, eingabe, false)); });
        Foto(bild, QStringLiteral("thermo_weit_%1").arg(eingabe));
        const bool oben = eingabe > 0;
        const float ende = oben ? 5 : -2;
        // The red reading stands beside the scale end, within the page.
        QVERIFY2(Farbig(bild, 3.4f, ende + 1.2f, 12, ende - 1.2f, Rot) > 50, qPrintable(QString::number(eingabe)));
        // A blue arrow at the scale end and one pointing on beyond it.
        QVERIFY(Farbig(bild, 1.2f, ende + 0.1f, 2.9f, ende - 0.1f, Blau) > 20);
        const float jenseits = oben ? ende + 0.6f : ende - 0.6f;
        QVERIFY(Farbig(bild, 1.9f, jenseits + 0.05f, 2.1f, jenseits - 0.05f, Blau) > 0);
    }
}

void TestThermometerBild::minusVorDemBruchStehtFrei()
{
    // "–2 = –2/1": the red minus and the red fraction bar are two strokes on
    // one height; between them a clear gap of a few pixels in every row.
    const QImage bild = RationalEinstiegBild2();
    Foto(bild.scaled(bild.size() * 4), QStringLiteral("rational_bild2"));
    auto rot = [&](int x, int y) {
        const QColor c = bild.pixelColor(x, y);
        return c.alpha() > 60 && c.red() > 150 && c.green() < 110 && c.blue() < 110;
    };
    // The first red pixel from the left is the minus; follow its row to the right.
    int x0 = -1, y0 = -1;
    for (int x = 0; x < bild.width() && x0 < 0; ++x)
        for (int y = 0; y < bild.height(); ++y)
            if (rot(x, y)) {
                x0 = x;
                y0 = y;
                break;
            }
    QVERIFY(x0 >= 0);
    int ende = x0;
    while (ende + 1 < bild.width() && rot(ende + 1, y0))
        ++ende;
    // The minus is a short dash, not one stroke with the bar.
    QVERIFY2(ende - x0 < 14, qPrintable(QStringLiteral("Strich %1 … %2").arg(x0).arg(ende)));
    // Nothing red in the gap behind it, whichever row of the dash or bar.
    for (int y = y0 - 2; y <= y0 + 2; ++y)
        for (int x = ende + 1; x <= ende + 3; ++x)
            QVERIFY2(!rot(x, y), qPrintable(QStringLiteral("rot bei %1, %2").arg(x).arg(y)));
    // And the fraction bar follows on the same height.
    int balken = 0;
    for (int x = ende + 4; x < ende + 24; ++x)
        balken += rot(x, y0) || rot(x, y0 - 1) || rot(x, y0 + 1);
    QVERIFY(balken > 6);
}

QTEST_MAIN(TestThermometerBild)
#include "test_thermometer_bild.moc"
