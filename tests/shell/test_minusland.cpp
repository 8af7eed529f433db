#include "common/ModalHelper.h"
#include "core/PaintBox.h"
#include "integer/GanzSpeicher.h"
#include "rational/RationalSpeicher.h"
#include "shell/MinuslandU.h"

#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Every selection variable at once, to see what a command changed.
struct Auswahl {
    int artGanz;
    std::array<int, 9> ganz;
    int rationalArt;
    std::array<int, 5> rational;

    static Auswahl Jetzt()
    {
        Auswahl a{ArtGanz, {}, RationalArt, {StufeRationalAdd, StufeRationalSub, StufeRationalMult,
                                             StufeRationalDiv, StufeRationalGem}};
        std::copy(std::begin(StufenGanz), std::end(StufenGanz), a.ganz.begin());
        return a;
    }
    bool operator==(const Auswahl&) const = default;
    int GesetzteStufen() const
    {
        return int(std::count_if(ganz.begin(), ganz.end(), [](int s) { return s != 0; })
                   + std::count_if(rational.begin(), rational.end(), [](int s) { return s != 0; }));
    }
};

void AllesAuf(int wert)
{
    ArtGanz = RationalArt = wert;
    for (int& s : StufenGanz)
        s = wert;
    StufeRationalAdd = StufeRationalSub = StufeRationalMult = StufeRationalDiv = StufeRationalGem = wert;
}

const Formular AlleFormulare[] = {Formular::GanzUebung, Formular::GanzEinstieg, Formular::GanzMuster,
                                  Formular::Maxanzahl, Formular::RationalUebAddSub, Formular::RationalEinstieg,
                                  Formular::RationalUebMultDiv, Formular::RationalUebGem, Formular::Information};

} // namespace

class TestMinusland : public QObject {
    Q_OBJECT

    TfrmMinusland* fenster = nullptr;
    std::map<Formular, QDialog*> attrappen;

    QAction* Aktion(const char* name) const
    {
        auto* a = fenster->findChild<QAction*>(QString::fromLatin1(name));
        if (!a)
            qWarning("menu item %s missing", name);
        return a;
    }
    QMenu* Menue(const char* name) const { return fenster->findChild<QMenu*>(QString::fromLatin1(name)); }

    void RegistriereAttrappen()
    {
        for (Formular f : AlleFormulare) {
            if (!attrappen.count(f)) {
                auto* d = new QDialog;
                d->setObjectName(QStringLiteral("Attrappe%1").arg(int(f)));
                attrappen[f] = d;
            }
            fenster->SetzeFormular(f, attrappen[f]);
        }
    }

    // Triggers a command that opens a screen; while the screen is up, records
    // the selection, whether the main window is visible and which screen it
    // is, then closes the screen with close() (as its close box would).
    struct Offen {
        bool gesehen = false;
        Auswahl auswahl{};
        bool hauptfensterSichtbar = true;
        QString formular;
    };
    Offen Oeffne(QAction* aktion)
    {
        Offen offen;
        WhenModal(
            [&offen, this](QWidget* w) {
                offen.gesehen = true;
                offen.auswahl = Auswahl::Jetzt();
                offen.hauptfensterSichtbar = fenster->isVisible();
                offen.formular = w->objectName();
                w->close();
            },
            2000);
        aktion->trigger();
        return offen;
    }

private slots:
    void initTestCase()
    {
        fenster = new TfrmMinusland;
        frmMinusland = fenster;
        fenster->show();
    }

    void cleanupTestCase()
    {
        delete fenster;
        frmMinusland = nullptr;
        for (auto& [f, d] : attrappen)
            delete d;
    }

    void init()
    {
        AllesAuf(0);
        RegistriereAttrappen();
        fenster->show();
    }

    void windowLayout()
    {
        QCOMPARE(fenster->windowTitle(), QString("Minusland"));
        QCOMPARE(fenster->centralWidget()->size(), QSize(1016, 722));
        QCOMPARE(fenster->pntHintergrund->size(), QSize(1016, 722));
        QVERIFY(fenster->minimumSize() == fenster->maximumSize());

        struct Soll {
            QLabel* label;
            QString text;
            QRect platz;
            int pixel;
        };
        const Soll soll[] = {
            {fenster->lblText1, "Ganze und rationale Zahlen", {0, 24, 1009, 49}, 35},
            {fenster->lblText2, QString::fromUtf8("Trainings\u2013 und Übungsaufgaben"), {-1, 80, 1009, 41}, 27},
            {fenster->lblPositiv, "positiv", {331, 288, 104, 37}, 32},
            {fenster->lblNegativ, "negativ", {323, 456, 112, 37}, 32},
            {fenster->lblVersion, "Version 5.1", {0, 722 - 22 - 19, 1016, 19}, 16},
        };
        for (const Soll& s : soll) {
            QCOMPARE(s.label->text(), s.text);
            QCOMPARE(s.label->geometry(), s.platz);
            QCOMPARE(s.label->font().pixelSize(), s.pixel);
            QVERIFY(s.label->font().bold());
            QCOMPARE(s.label->palette().color(QPalette::WindowText), QColor(Qt::white));
        }
        QCOMPARE(fenster->lblPositiv->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(fenster->lblHinweis->geometry(), QRect(0, 700, 1016, 22));
        QVERIFY(!fenster->lblHinweis->text().isEmpty());
        // The notice is one line at the full width.
        QVERIFY(QFontMetrics(fenster->lblHinweis->font()).horizontalAdvance(fenster->lblHinweis->text()) < 1016);

        QCOMPARE(fenster->imgTitelbild->geometry(), QRect(454, 152, 146, 473));
        QVERIFY(fenster->imgTitelbild->isVisible());
        QCOMPARE(fenster->imgTitelbild->pixmap().size(), QSize(146, 473));
        for (QLabel* bild : {fenster->imgB, fenster->imgG, fenster->imgR, fenster->imgO}) {
            QVERIFY(!bild->isVisible());
            QCOMPARE(bild->pixmap().size(), QSize(63, 69));
            QVERIFY(bild->pixmap().hasAlphaChannel());
        }
        for (QLabel* bild : {fenster->img1, fenster->img2}) {
            QVERIFY(!bild->isVisible());
            QCOMPARE(bild->pixmap().size(), QSize(40, 40));
        }
        QCOMPARE(fenster->imgB->pos(), QPoint(56, 144));
        QCOMPARE(fenster->imgO->pos(), QPoint(56, 384));
        QCOMPARE(fenster->img2->pos(), QPoint(955, 154));
    }

    void menuItemsInOrder()
    {
        auto namen = [](const QList<QAction*>& aktionen) {
            QStringList n;
            for (QAction* a : aktionen)
                n << a->objectName();
            return n;
        };
        QCOMPARE(namen(fenster->menuBar()->actions()),
                 QStringList({"menBeenden", "menGanz", "menRational", "menArbeitsblatt", "menInfo"}));
        QCOMPARE(namen(Menue("menGanz")->actions()),
                 QStringList({"menEinstiegG", "menMusterG", "menN1G", "menAddG", "menSubG", "menAddSubG", "menN2G",
                              "menSubKlG", "menAddSubKlG", "menBetrag", "menN3G", "menMultG", "menDivG", "menN4G",
                              "menAlleG", "menN5G", "menDurchgaenge"}));
        QCOMPARE(namen(Menue("menRational")->actions()),
                 QStringList({"menEinstiegR", "menN1R", "menAddR", "menSubR", "menMultR", "menDivR", "menGemR"}));
        QCOMPARE(namen(Menue("menMusterG")->actions()), QStringList({"menMusterGanzAdd", "menMusterGanzSub"}));
        QCOMPARE(namen(Menue("menBetrag")->actions()),
                 QStringList({"menGanzAddSubBetSL", "menGanzAddSubBetL", "menGanzAddSubBetM", "menGanzAddSubBetS"}));
        QCOMPARE(namen(Menue("menGemR")->actions()),
                 QStringList({"menRationalGemSL", "menRationalGemL", "menRationalGemS", "menRationalGemSS"}));
        QCOMPARE(namen(Menue("menDivR")->actions()),
                 QStringList({"menRationalDivSL", "menRationalDivL", "menRationalDivS"}));

        QCOMPARE(Aktion("menBeenden")->text(), QString("&Beenden"));
        QCOMPARE(Aktion("menSubKlG")->text(), QString("Subtraktion mit eckige Klammern"));
        QCOMPARE(Aktion("menAddSubKlG")->text(), QString("Addition+Subtraktion mit eckige Klammern"));
        QCOMPARE(Aktion("menBetrag")->text(), QString::fromUtf8("Addition+Subtraktion mit Beträgen"));
        QCOMPARE(Aktion("menAlleG")->text(), QString("Grundrechnungsarten"));
        QCOMPARE(Aktion("menGemR")->text(), QString("Gemischt"));
        QCOMPARE(Aktion("menGanzMultS")->text(), QString("Stufe 4"));
        QCOMPARE(Aktion("menRationalAddSS")->text(), QString("Stufe 4"));
        QCOMPARE(Aktion("menInfo")->text(), QString("Informationen"));
        for (const char* trenner : {"menN1G", "menN2G", "menN3G", "menN4G", "menN5G", "menN1R"})
            QVERIFY(Aktion(trenner)->isSeparator());
    }

    void openingTheTopMenusClearsTheirLevels()
    {
        AllesAuf(3);
        Menue("menGanz")->popup(QPoint(0, 0));
        Menue("menGanz")->hide();
        Auswahl a = Auswahl::Jetzt();
        QCOMPARE(a.ganz, (std::array<int, 9>{}));
        QCOMPARE(a.rational, (std::array<int, 5>{3, 3, 3, 3, 3}));
        QCOMPARE(a.artGanz, 3);

        Menue("menRational")->popup(QPoint(0, 0));
        Menue("menRational")->hide();
        a = Auswahl::Jetzt();
        QCOMPARE(a.rational, (std::array<int, 5>{}));
        QCOMPARE(a.rationalArt, 3);
    }

    void kindSubmenusRecordTheKind()
    {
        const char* ganz[] = {"menAddG", "menSubG", "menAddSubG", "menSubKlG", "menAddSubKlG",
                              "menBetrag", "menMultG", "menDivG", "menAlleG"};
        for (int k = 0; k < 9; ++k) {
            QMenu* menue = Menue(ganz[k]);
            menue->popup(QPoint(0, 0));
            menue->hide();
            QCOMPARE(ArtGanz, k + 1);
            QCOMPARE(RationalArt, 0);
        }
        const char* rational[] = {"menAddR", "menSubR", "menMultR", "menDivR", "menGemR"};
        for (int k = 0; k < 5; ++k) {
            QMenu* menue = Menue(rational[k]);
            menue->popup(QPoint(0, 0));
            menue->hide();
            QCOMPARE(RationalArt, k + 1);
            QCOMPARE(ArtGanz, 9);
        }
        QCOMPARE(Auswahl::Jetzt().GesetzteStufen(), 0);
    }

    void separatorsChangeNothing()
    {
        AllesAuf(2);
        const Auswahl vorher = Auswahl::Jetzt();
        for (const char* name : {"menN1G", "menN2G", "menN3G", "menN4G", "menN5G", "menN1R"})
            Aktion(name)->trigger();
        QCOMPARE(Auswahl::Jetzt(), vorher);
    }

    void levelItemsOpenTheDrillWithOneLevelAndResetIt_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QStringList>("endungen");
        QTest::addColumn<int>("index"); // 0 … 8 integer, 10 … 14 rational
        QTest::addColumn<int>("formular");
        const QStringList g{"SL", "L", "M", "S"};
        const char* ganz[] = {"menGanzAdd", "menGanzSub", "menGanzAddSub", "menGanzSubKl", "menGanzAddSubKl",
                              "menGanzAddSubBet", "menGanzMult", "menGanzDiv", "menGanzAlle"};
        for (int i = 0; i < 9; ++i)
            QTest::newRow(ganz[i]) << QString(ganz[i]) << g << i << int(Formular::GanzUebung);
        QTest::newRow("menRationalAdd") << "menRationalAdd" << QStringList{"SL", "L", "S", "SS"} << 10
                                        << int(Formular::RationalUebAddSub);
        QTest::newRow("menRationalSub") << "menRationalSub" << QStringList{"SL", "L", "S", "SS"} << 11
                                        << int(Formular::RationalUebAddSub);
        QTest::newRow("menRationalMult") << "menRationalMult" << QStringList{"SL", "L", "S"} << 12
                                         << int(Formular::RationalUebMultDiv);
        QTest::newRow("menRationalDiv") << "menRationalDiv" << QStringList{"SL", "L", "S"} << 13
                                        << int(Formular::RationalUebMultDiv);
        QTest::newRow("menRationalGem") << "menRationalGem" << QStringList{"SL", "L", "S", "SS"} << 14
                                        << int(Formular::RationalUebGem);
    }

    void levelItemsOpenTheDrillWithOneLevelAndResetIt()
    {
        QFETCH(QString, prefix);
        QFETCH(QStringList, endungen);
        QFETCH(int, index);
        QFETCH(int, formular);
        ArtGanz = 5;
        RationalArt = 4;
        for (int stufe = 1; stufe <= endungen.size(); ++stufe) {
            QAction* aktion = Aktion(qPrintable(prefix + endungen[stufe - 1]));
            QVERIFY(aktion && aktion->isEnabled());
            const Offen offen = Oeffne(aktion);
            QVERIFY(offen.gesehen);
            QCOMPARE(offen.formular, attrappen[Formular(formular)]->objectName());
            QVERIFY(!offen.hauptfensterSichtbar);
            QCOMPARE(offen.auswahl.GesetzteStufen(), 1);
            if (index < 9)
                QCOMPARE(offen.auswahl.ganz[size_t(index)], stufe);
            else
                QCOMPARE(offen.auswahl.rational[size_t(index - 10)], stufe);
            // Kinds are not touched by level items, and not reset afterwards.
            QCOMPARE(offen.auswahl.artGanz, 5);
            QCOMPARE(offen.auswahl.rationalArt, 4);
            QVERIFY(fenster->isVisible());
            QCOMPARE(Auswahl::Jetzt().GesetzteStufen(), 0);
            QCOMPARE(ArtGanz, 5);
            QCOMPARE(RationalArt, 4);
        }
    }

    void workedExamplesSetTheKindAndNoLevel()
    {
        ArtGanz = 7;
        Offen offen = Oeffne(Aktion("menMusterGanzAdd"));
        QVERIFY(offen.gesehen);
        QCOMPARE(offen.formular, attrappen[Formular::GanzMuster]->objectName());
        QCOMPARE(offen.auswahl.artGanz, 1);
        QCOMPARE(offen.auswahl.GesetzteStufen(), 0);
        QVERIFY(!offen.hauptfensterSichtbar);
        offen = Oeffne(Aktion("menMusterGanzSub"));
        QCOMPARE(offen.auswahl.artGanz, 2);
        QCOMPARE(offen.auswahl.GesetzteStufen(), 0);
        QCOMPARE(ArtGanz, 2);
        QVERIFY(fenster->isVisible());
    }

    void introductionsAndInformationTouchNoSelection()
    {
        AllesAuf(0);
        ArtGanz = 4;
        RationalArt = 2;
        const Auswahl vorher = Auswahl::Jetzt();
        const std::pair<const char*, Formular> befehle[] = {{"menEinstiegG", Formular::GanzEinstieg},
                                                            {"menEinstiegR", Formular::RationalEinstieg},
                                                            {"menInfo", Formular::Information}};
        for (const auto& [name, formular] : befehle) {
            const Offen offen = Oeffne(Aktion(name));
            QVERIFY2(offen.gesehen, name);
            QCOMPARE(offen.formular, attrappen[formular]->objectName());
            QVERIFY(!offen.hauptfensterSichtbar);
            QCOMPARE(offen.auswahl, vorher);
            QVERIFY(fenster->isVisible());
        }
        QCOMPARE(Auswahl::Jetzt(), vorher);
    }

    void passCountDialogOpensOverTheVisibleMainWindow()
    {
        const Offen offen = Oeffne(Aktion("menDurchgaenge"));
        QVERIFY(offen.gesehen);
        QCOMPARE(offen.formular, attrappen[Formular::Maxanzahl]->objectName());
        QVERIFY(offen.hauptfensterSichtbar);
    }

    void closingAScreenDoesNotEndTheProgram()
    {
        QSignalSpy letztes(qApp, &QGuiApplication::lastWindowClosed);
        QSignalSpy beendet(fenster, &TfrmMinusland::Beendet);
        Oeffne(Aktion("menInfo"));
        Oeffne(Aktion("menGanzAddSL"));
        QCOMPARE(letztes.count(), 0);
        QCOMPARE(beendet.count(), 0);
        QVERIFY(fenster->isVisible());
    }

    void itemsOfMissingScreensAreDisabled()
    {
        fenster->SetzeFormular(Formular::GanzUebung, nullptr);
        fenster->SetzeFormular(Formular::RationalEinstieg, nullptr);
        for (const char* name : {"menAddG", "menGanzAddSL", "menGanzAlleS", "menBetrag", "menGanzAddSubBetM",
                                 "menEinstiegR"})
            QVERIFY2(!Aktion(name)->isEnabled(), name);
        for (const char* name : {"menEinstiegG", "menMusterG", "menInfo", "menAddR", "menRationalAddSL",
                                 "menDurchgaenge", "menBeenden"})
            QVERIFY2(Aktion(name)->isEnabled(), name);
        // A handler reached anyway does nothing and leaves no level behind.
        fenster->menGanzAddClick(Aktion("menGanzAddL"));
        QCOMPARE(Auswahl::Jetzt().GesetzteStufen(), 0);
        QVERIFY(fenster->isVisible());
    }

    void backdropStripes()
    {
        const QImage bild = fenster->pntHintergrund->Render();
        QCOMPARE(bild.size(), QSize(1016, 722));
        for (int x : {0, 300, 1015})
            QCOMPARE(bild.pixelColor(x, 100), QColor(80, 0, 0));
        for (int y = 0; y < 722; y += 7)
            for (int x : {0, 508, 1015})
                QCOMPARE(bild.pixelColor(x, y), QColor(Qt::black));
        // Between the black lines: red, brighter further down.
        QCOMPARE(bild.pixelColor(10, 1), QColor(60, 0, 0));
        QCOMPARE(bild.pixelColor(10, 3), QColor(61, 0, 0));
        QVERIFY(bild.pixelColor(10, 701).red() > bild.pixelColor(10, 101).red());
        QCOMPARE(bild.pixelColor(10, 701).green(), 0);
    }

    void fullScreenOnlyOn1024x768()
    {
        TfrmMinusland anderes;
        anderes.show();
        anderes.FormActivate(QSize(1280, 1024));
        QVERIFY(!Vollbild);
        QVERIFY(!anderes.isMaximized());
        QCOMPARE(anderes.centralWidget()->size(), QSize(1016, 722));
        anderes.FormActivate(QSize(1024, 768));
        QVERIFY(Vollbild);
        QVERIFY(anderes.windowState() & Qt::WindowMaximized);
        anderes.FormActivate(QSize(800, 600));
        QVERIFY(!Vollbild);
    }

    void beendenClosesTheMainWindow()
    {
        TfrmMinusland anderes;
        anderes.show();
        QSignalSpy beendet(&anderes, &TfrmMinusland::Beendet);
        anderes.findChild<QAction*>("menBeenden")->trigger();
        QVERIFY(!anderes.isVisible());
        QCOMPARE(beendet.count(), 1);
    }
};

QTEST_MAIN(TestMinusland)
#include "test_minusland.moc"
