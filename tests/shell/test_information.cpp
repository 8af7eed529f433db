#include "common/ModalHelper.h"
#include "core/PaintBox.h"
#include "core/WorldWindow.h"
#include "shell/InformationU.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QtTest>

namespace {

bool IstRot(QColor c)
{
    return c.red() > 200 && c.green() < 90 && c.blue() < 90;
}
bool IstBlau(QColor c)
{
    return c.blue() > 200 && c.red() < 90 && c.green() < 90;
}
bool IstSchwarz(QColor c)
{
    return c.red() < 70 && c.green() < 70 && c.blue() < 70;
}

struct Farben {
    int rot = 0, blau = 0, schwarz = 0, andere = 0;
};

// Counts the strong colours in the pixel rows [oben, unten).
Farben Zaehle(const QImage& bild, int oben, int unten)
{
    Farben f;
    for (int y = oben; y < unten; ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            if (c == Qt::white)
                continue;
            if (IstRot(c))
                ++f.rot;
            else if (IstBlau(c))
                ++f.blau;
            else if (IstSchwarz(c))
                ++f.schwarz;
            else
                ++f.andere;
        }
    return f;
}

} // namespace

class TestInformation : public QObject {
    Q_OBJECT

    TfrmInformation* form = nullptr;
    QImage bild;

    int Zeile(float y) const { return WorldToScreen(0, y).y(); }

private slots:
    void initTestCase()
    {
        form = new TfrmInformation;
        // Another screen's window must not leak into this one.
        SetWorldWindow(0, 1000, 0, 700, -12.5f, 12.5f, -9, 9);
        form->FormActivate();
        bild = form->pntInfo->Render();
    }
    void cleanupTestCase() { delete form; }

    void layout()
    {
        QCOMPARE(form->windowTitle(), QString("Informationen"));
        QCOMPARE(form->pntInfo->size(), QSize(1016, 722));
        QCOMPARE(form->MainMenu1->actions().size(), 1);
        // The menu bar looks like the main window's, not like the screen's bold texts.
        QMainWindow haupt;
        haupt.menuBar()->addAction(QStringLiteral("Beenden"));
        QCOMPARE(form->MainMenu1->font(), haupt.menuBar()->font());
        QCOMPARE(form->MainMenu1->sizeHint().height(), haupt.menuBar()->sizeHint().height());
        QCOMPARE(form->menSchliessen->text(), QString::fromUtf8("Schließen"));
        QCOMPARE(form->menSchliessen->objectName(), QString("menSchliessen"));
        const std::pair<QLabel*, QPoint> bilder[] = {
            {form->img01, {560, 152}}, {form->img02, {624, 280}}, {form->img03, {712, 408}}, {form->img04, {576, 576}}};
        for (const auto& [label, ort] : bilder) {
            QCOMPARE(label->geometry(), QRect(ort, QSize(100, 120)));
            QVERIFY(!label->pixmap().isNull());
            QVERIFY(!label->accessibleName().isEmpty());
        }
        QCOMPARE(WorldToScreen(1, 1), QPoint(520, 332));
    }

    void linesInTheirColours()
    {
        QCOMPARE(bild.size(), QSize(1016, 722));
        // Title and headings blue only.
        for (float y : {19.0f, 16.0f, 11.0f}) {
            const Farben f = Zaehle(bild, Zeile(y), Zeile(y) + 16);
            QVERIFY2(f.blau > 100, qPrintable(QString::number(y)));
            QCOMPARE(f.rot, 0);
            QCOMPARE(f.schwarz, 0);
        }
        // Text lines black with red names and terms.
        for (float y : {14.0f, 9.0f, 7.5f, 2.0f, -4.0f, -5.5f, -11.0f}) {
            const Farben f = Zaehle(bild, Zeile(y), Zeile(y) + 14);
            QVERIFY2(f.rot > 60 && f.schwarz > 200 && f.blau == 0, qPrintable(QString::number(y)));
        }
        // The title is centred on x 0 of the world (pixel 500).
        int links = 1016, rechts = 0;
        for (int y = Zeile(19); y < Zeile(19) + 20; ++y)
            for (int x = 0; x < 1016; ++x)
                if (bild.pixelColor(x, y) != Qt::white) {
                    links = qMin(links, x);
                    rechts = qMax(rechts, x);
                }
        QVERIFY(qAbs((links + rechts) / 2 - 500) <= 3);
        // Every line starts at x -24 (pixel 20).
        for (float y : {16.0f, 14.0f, 9.0f, 2.0f, -11.0f}) {
            int erstes = 1016;
            for (int yy = Zeile(y); yy < Zeile(y) + 16; ++yy)
                for (int x = 0; x < 60; ++x)
                    if (bild.pixelColor(x, yy) != Qt::white)
                        erstes = qMin(erstes, x);
            QVERIFY2(erstes >= 20 && erstes <= 23, qPrintable(QString::number(y)));
        }
    }

    void noTextUnderThePictures()
    {
        for (QLabel* label : {form->img01, form->img02, form->img03, form->img04}) {
            const QRect r = label->geometry().adjusted(-4, 0, 0, 0);
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (bild.pixelColor(x, y) != Qt::white)
                        QFAIL(qPrintable(QString("text at %1,%2 under %3").arg(x).arg(y).arg(label->objectName())));
        }
    }

    // Every picture shows something of the lines beside it, and its
    // description for screen readers says so: it names a person or term of
    // those lines and none of the lines elsewhere.
    void picturesBelongToTheLinesBesideThem()
    {
        const QStringList zeilen = TfrmInformation::Zeilen();
        const float hoehen[] = {19, 16, 14, 11, 9, 7.5f, 2, -4, -5.5f, -11};
        QCOMPARE(zeilen.size(), int(std::size(hoehen)));
        const QStringList begriffe = {"Babylonier",        "Chinesen",      "Inder",
                                      "Leonardo von Pisa", "Schulden",      "Michael Stifel",
                                      "jenseits der Null", "René Descartes", "Koordinatensystem",
                                      "Leonhard Euler"};
        for (QLabel* label : {form->img01, form->img02, form->img03, form->img04}) {
            // Beside: a line of text (about 16 pixels high) within the
            // picture's height or just above its top.
            const QRect r = label->geometry();
            const QString name = label->accessibleName();
            int passend = 0;
            for (int i = 0; i < zeilen.size(); ++i) {
                const int oben = Zeile(hoehen[i]);
                const bool daneben = oben + 16 >= r.top() - 30 && oben <= r.bottom();
                for (const QString& b : begriffe) {
                    if (!zeilen[i].contains(b) || !name.contains(b))
                        continue;
                    QVERIFY2(daneben, qPrintable(label->objectName() + ": " + b + " steht nicht daneben"));
                    ++passend;
                }
            }
            QVERIFY2(passend > 0, qPrintable(label->objectName() + ": " + name));
        }
    }

    void textForScreenReaders()
    {
        const QStringList zeilen = TfrmInformation::Zeilen();
        QCOMPARE(zeilen.size(), 10);
        QCOMPARE(zeilen.first(), QString("Geschichte der negativen Zahlen"));
        for (const QString& z : zeilen)
            QVERIFY(!z.contains('#'));
        QVERIFY(form->pntInfo->accessibleDescription().contains("Leonhard Euler (1707 \u2013 1783)"));
    }

    void schliessenCloses()
    {
        WhenModal([this](QWidget*) { form->menSchliessen->trigger(); });
        form->exec();
        QVERIFY(!form->isVisible());
        QCOMPARE(ModalWatchesPending(), 0);
    }
};

QTEST_MAIN(TestInformation)
#include "test_information.moc"
