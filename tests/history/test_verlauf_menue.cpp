// The "Verlauf" menu in the real program: store faults at start-up, "Mein
// Verlauf" with a few weeks of history, "Fehler üben" and "Verlauf löschen".
#include "VerlaufTestHilfen.h"
#include "common/ModalHelper.h"
#include "drill/DrillBericht.h"
#include "history/FehlerQuelle.h"
#include "history/VerlaufAufzeichnung.h"
#include "history/VerlaufMenue.h"
#include "history/VerlaufU.h"
#include "core/Modul.h"
#include "core/NumberHelpers.h"
#include "integer/AuswertungU.h"
#include "integer/GanzAnzeige.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzUebungU.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalUebMultDivU.h"
#include "shell/Formulare.h"
#include "shell/MinuslandU.h"

#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTableWidget>
#include <QtTest>


namespace {

QString Pfad()
{
    return VerlaufSpeicher::StandardPfad();
}

// One sentence: a full stop at the end and no sentence end before it.
bool EinSatz(const QString& text)
{
    return text.endsWith(u'.') && !text.contains(QRegularExpression(QStringLiteral("[.!?]\\s")));
}

void SetzeSchalter(bool an)
{
    VerlaufAufzeichnung::SpeichereSchalter(an);
}

VerlaufMenue* Menue()
{
    return frmMinusland->findChild<VerlaufMenue*>();
}

// The chart of the screen, drawn by its module.
QChart* Diagramm(const TfrmVerlauf* fenster)
{
    auto* ansicht = qobject_cast<QChartView*>(fenster->chtVerlauf);
    return ansicht ? ansicht->chart() : nullptr;
}

void Foto(QWidget* w, const QString& name)
{
    const QString ordner = qEnvironmentVariable("MINUSLAND_FOTOS");
    if (!ordner.isEmpty())
        w->grab().save(ordner + u'/' + name + QStringLiteral(".png"));
}

// Some weeks of drills: integer addition level 2 improving, rational mixed
// level 1 now and then, wrong first attempts on a few exercises.
void SchreibeWochen(const QDateTime& heute)
{
    VerlaufSpeicher s;
    QCOMPARE(s.Oeffnen(Pfad()), VerlaufZustand::Offen);
    const AufgabenHerkunft schwer = GanzAufgabe(1, 2, QStringLiteral("(-17)+(+8)+(-6)"), QStringLiteral("-15"));
    const AufgabenHerkunft mittel = GanzAufgabe(1, 2, QStringLiteral("(+23)+(-31)"), QStringLiteral("-8"));
    const AufgabenHerkunft bruch = RationalAufgabe(5, 1, QStringLiteral("!+{3/4}!*!-{2/9}!"), QStringLiteral("-1/6"));
    for (int tag = 24; tag >= 1; tag -= 2) {
        const QDateTime zeit = heute.addDays(-tag).addSecs(-3600 * (tag % 5));
        Urteil u = EinUrteil(tag % 3 ? schwer : mittel, Verdikt::FalschErster, zeit, 1, 2);
        u.termAnzeige = tag % 3 ? QStringLiteral("(–17) + (+8) + (–6) =") : QStringLiteral("(+23) + (–31) =");
        u.erwartet = tag % 3 ? QStringLiteral("–15") : QStringLiteral("–8");
        const auto id = s.BeginneUebung(u);
        s.SchreibeUrteil(*id, u);
        const double punkte = 15 - tag / 3.0;
        const int versuche = 15 + tag / 4;
        s.BeendeUebung(*id, EinAbschluss(Zahlenbereich::Ganz, 1, 2, std::round(punkte * 2) / 2, versuche,
                                         int(std::lround(100 * (std::round(punkte * 2) / 2) / versuche)),
                                         zeit.addSecs(600)));
        if (tag % 6 == 0) {
            Urteil r = EinUrteil(bruch, Verdikt::FalschErster, zeit.addSecs(1200));
            r.termAnzeige = QStringLiteral("+3/4 · (–2/9) =");
            r.erwartet = QStringLiteral("–1/6");
            const auto idr = s.BeginneUebung(r);
            s.SchreibeUrteil(*idr, r);
            s.BeendeUebung(*idr, EinAbschluss(Zahlenbereich::Rational, 5, 1, 9.5, 18, 53, zeit.addSecs(1800)));
        }
    }
    // A drill left unfinished a few days ago, with mistakes now due.
    const AufgabenHerkunft faellig[] = {
        GanzAufgabe(2, 2, QStringLiteral("(+7)-(-12)"), QStringLiteral("19")),
        GanzAufgabe(3, 2, QStringLiteral("(-5)+(+9)-(+13)"), QStringLiteral("-9")),
        GanzAufgabe(7, 1, QStringLiteral("(-6)*(+8)"), QStringLiteral("-48")),
        GanzAufgabe(8, 1, QStringLiteral("(-56)/(-7)"), QStringLiteral("8")),
        GanzAufgabe(4, 1, QStringLiteral("[(+3)-(-5)]-(+2)"), QStringLiteral("6")),
    };
    std::optional<qint64> offen;
    for (int k = 0; k < 5; ++k) {
        Urteil u = EinUrteil(faellig[k], Verdikt::FalschErster, heute.addDays(-3 - k), 1, k + 1);
        u.termAnzeige = AnzeigeMitVorzeichen(faellig[k].term) + QStringLiteral(" =");
        u.erwartet = WithSign(faellig[k].ergebnis);
        if (!offen)
            offen = s.BeginneUebung(u);
        s.SchreibeUrteil(*offen, u);
    }
}

} // namespace

class TestVerlaufMenue : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void menueAmEndeMitSchalterAus();
    void stoerungBeimStartEinmalGemeldet_data();
    void stoerungBeimStartEinmalGemeldet();
    void meinVerlaufMitEinigenWochen();
    void ohneDiagrammModulBleibenDieTabellen();
    void fehlerUebenOhneVerlaufSagtEsInEinemSatz();
    void fehlerUebenOeffnetDenBildschirmIhresBereichs();
    void verlaufLoeschenFragtUndEntferntDieDatei();

private:
    void Starte();
};

void TestVerlaufMenue::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("MinuslandTest"));
    QCoreApplication::setApplicationName(QStringLiteral("test_verlauf_menue"));
}

void TestVerlaufMenue::init()
{
    QDir ordner = QFileInfo(Pfad()).dir();
    if (ordner.exists())
        Schreibschutz(ordner.path(), false);
    ordner.removeRecursively();
    SetzeSchalter(false);
}

void TestVerlaufMenue::cleanup()
{
    CancelModalWatches();
    LoescheFormulare();
    if (QFileInfo::exists(QFileInfo(Pfad()).path()))
        Schreibschutz(QFileInfo(Pfad()).path(), false);
}

void TestVerlaufMenue::Starte()
{
    ErzeugeFormulare();
    frmAuswertung->Schrittdauer = 1;
    frmMinusland->show();
    QVERIFY(QTest::qWaitForWindowExposed(frmMinusland));
}

void TestVerlaufMenue::menueAmEndeMitSchalterAus()
{
    Starte();
    const QList<QAction*> oben = frmMinusland->menuBar()->actions();
    QCOMPARE(oben.back()->objectName(), QStringLiteral("menVerlauf"));
    QCOMPARE(oben.back()->text(), QStringLiteral("Verlauf"));
    QStringList texte;
    for (QAction* a : Menue()->menVerlauf->actions())
        texte << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(texte, QStringList({"Ergebnisse speichern", "-", "Mein Verlauf \u2026", "Fehler üben \u2026", "-",
                                 "Verlauf löschen \u2026"}));
    QVERIFY(Menue()->menErgebnisseSpeichern->isCheckable());
    QVERIFY(!Menue()->menErgebnisseSpeichern->isChecked());
    // Off: start-up opens nothing and a drill's reports are not kept.
    QTest::qWait(20);
    emit DrillBericht().Beurteilt(EinUrteil(GanzAufgabe(1, 1, "(+1)+(+1)", "2"), Verdikt::RichtigErster, Tag(1)));
    QVERIFY(!QFile::exists(Pfad()));
    // Switched on, it is remembered for the next start.
    Menue()->menErgebnisseSpeichern->trigger();
    QVERIFY(VerlaufAufzeichnung::GespeichertEingeschaltet());
    LoescheFormulare();
    Starte();
    QVERIFY(Menue()->menErgebnisseSpeichern->isChecked());
}

void TestVerlaufMenue::stoerungBeimStartEinmalGemeldet_data()
{
    QTest::addColumn<int>("art");
    QTest::newRow("abgeschnitten") << 0;
    QTest::newRow("Zufallsbytes") << 1;
    QTest::newRow("neueres Schema") << 2;
    QTest::newRow("schreibgeschützter Ordner") << 3;
}

void TestVerlaufMenue::stoerungBeimStartEinmalGemeldet()
{
    QFETCH(int, art);
    {
        VerlaufSpeicher s;
        QCOMPARE(s.Oeffnen(Pfad()), VerlaufZustand::Offen);
        const AufgabenHerkunft a = GanzAufgabe(1, 1, "(+1)+(+1)", "2");
        const auto id = s.BeginneUebung(EinUrteil(a, Verdikt::RichtigErster, Tag(1)));
        for (int i = 0; i < 300; ++i)
            s.SchreibeUrteil(*id, EinUrteil(a, Verdikt::RichtigErster, Tag(1)));
        s.Schliessen();
    }
    QByteArray kaputt;
    if (art <= 1) {
        QFile f(Pfad());
        QVERIFY(f.open(QIODevice::ReadWrite));
        kaputt = f.readAll();
        if (art == 0)
            kaputt.truncate(kaputt.size() / 3);
        else
            for (char& c : kaputt)
                c = char(QRandomGenerator::global()->bounded(256));
        f.resize(0);
        f.write(kaputt);
    } else if (art == 2) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("neu"));
        db.setDatabaseName(Pfad());
        QVERIFY(db.open());
        QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 99"));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("neu"));
    } else if (!Schreibschutz(QFileInfo(Pfad()).path(), true)) {
        QSKIP("no way to make a folder read-only here");
    }
    SetzeSchalter(true);

    QString text;
    AnswerNextMessage(&text);
    Starte();
    QTRY_COMPARE(ModalWatchesPending(), 0);
    QVERIFY(!text.isEmpty());
    QVERIFY2(EinSatz(text), qPrintable(text));

    // The drills work as always, and nothing is told a second time.
    bool geoeffnet = false;
    WhenModal([&](QWidget* w) {
        geoeffnet = w == frmGanzUebung;
        emit DrillBericht().Beurteilt(EinUrteil(GanzAufgabe(1, 2, "(+1)+(+1)", "2"), Verdikt::RichtigErster, Tag(2)));
        QVERIFY(!frmGanzUebung->edt[1]->text().isNull());
        frmGanzUebung->menSchliessen->trigger();
    });
    frmMinusland->findChild<QAction*>(QStringLiteral("menGanzAddL"))->trigger();
    QVERIFY(geoeffnet);
    QString zweite;
    AnswerNextMessage(&zweite, nullptr, 300);
    QTest::qWait(400);
    QVERIFY2(zweite.isEmpty(), qPrintable(zweite));

    Menue()->Aufzeichnung()->Warte();
    if (art <= 1) {
        // Moved aside, not deleted; a new file took the new judgement.
        const QStringList beiseite = QFileInfo(Pfad()).dir().entryList({QStringLiteral("verlauf.sqlite.defekt-*")});
        QCOMPARE(beiseite.size(), 1);
        QVERIFY(text.contains(beiseite.front()));
        QFile f(QFileInfo(Pfad()).dir().filePath(beiseite.front()));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), kaputt);
        VerlaufSpeicher s;
        QCOMPARE(s.Oeffnen(Pfad()), VerlaufZustand::Offen);
        QCOMPARE(s.AnzahlUrteile(), 1);
    }
}

void TestVerlaufMenue::meinVerlaufMitEinigenWochen()
{
    const QDateTime heute = QDateTime::currentDateTime();
    SchreibeWochen(heute);
    Starte();
    TfrmVerlauf* gesehen = nullptr;
    WhenModal([&](QWidget* w) {
        gesehen = qobject_cast<TfrmVerlauf*>(w);
        if (!gesehen) {
            w->close();
            return;
        }
        QVERIFY(!frmMinusland->isVisible());
        QCOMPARE(w->size(), QSize(1016, 722));
        // Kinds and levels, the latest on top.
        QCOMPARE(gesehen->tblUebungen->rowCount(), 2);
        QCOMPARE(gesehen->tblUebungen->item(0, 0)->text(), QStringLiteral("Ganze Zahlen: Addition, Stufe 2"));
        QCOMPARE(gesehen->tblUebungen->item(0, 1)->text(), QStringLiteral("12"));
        const TfrmVerlauf::Gruppe& ganz = gesehen->Gruppen().front();
        QCOMPARE(gesehen->tblUebungen->item(0, 2)->text(), QStringLiteral("%1 %").arg(ganz.uebungen.back().prozent));
        QCOMPARE(gesehen->tblUebungen->item(0, 3)->text(), QStringLiteral("%1 %").arg(ganz.Beste()));
        QCOMPARE(gesehen->tblUebungen->item(1, 0)->text(), QStringLiteral("Rationale Zahlen: Gemischt, Stufe 1"));
        QCOMPARE(gesehen->tblUebungen->item(1, 1)->text(), QStringLiteral("4"));
        // The chart of the selected kind: one point per drill, in order.
        QVERIFY(Diagramm(gesehen));
        auto* linie = qobject_cast<QLineSeries*>(Diagramm(gesehen)->series().value(0));
        QVERIFY(linie);
        QCOMPARE(linie->count(), 12);
        QCOMPARE(int(linie->at(11).y()), ganz.uebungen.back().prozent);
        QVERIFY(linie->at(0).x() < linie->at(11).x());
        Foto(w, QStringLiteral("mein_verlauf"));
        gesehen->tblUebungen->setCurrentCell(1, 0);
        QCOMPARE(qobject_cast<QLineSeries*>(Diagramm(gesehen)->series().value(0))->count(), 4);
        QCOMPARE(Diagramm(gesehen)->title(), QStringLiteral("Rationale Zahlen: Gemischt, Stufe 1"));
        Foto(w, QStringLiteral("mein_verlauf_rational"));
        // The latest drills, newest first, and the frequent mistakes.
        QCOMPARE(gesehen->tblLetzte->rowCount(), 16);
        QCOMPARE(gesehen->tblLetzte->item(0, 0)->text(), QStringLiteral("Addition, Stufe 2"));
        QVERIFY(gesehen->tblLetzte->item(0, 3)->text().contains(QStringLiteral(" / ")));
        QCOMPARE(gesehen->tblFehler->rowCount(), 8);
        QCOMPARE(gesehen->tblFehler->item(0, 0)->text(), QStringLiteral("(–17) + (+8) + (–6) ="));
        QCOMPARE(gesehen->tblFehler->item(0, 1)->text(), QStringLiteral("–15"));
        QCOMPARE(gesehen->tblFehler->item(0, 2)->text(), QStringLiteral("8 \u00d7"));
        // The export holds every finished drill.
        const QString csv = QFileInfo(Pfad()).dir().filePath(QStringLiteral("export.csv"));
        QVERIFY(gesehen->Exportiere(csv));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().count('\n'), 1 + 16);
        gesehen->btnSchliessen->click();
    });
    Menue()->menMeinVerlauf->trigger();
    QVERIFY(gesehen);
    QVERIFY(frmMinusland->isVisible());
}

void TestVerlaufMenue::ohneDiagrammModulBleibenDieTabellen()
{
    SchreibeWochen(QDateTime::currentDateTime());
    VerlaufSpeicher s;
    QCOMPARE(s.Oeffnen(Pfad()), VerlaufZustand::Offen);
    QTemporaryDir leer;
    SetzeModulOrdner({leer.path()});
    TfrmVerlauf fenster;
    SetzeModulOrdner({});
    fenster.Laden(&s);
    // The chart's place says why it is empty; everything else is there.
    QVERIFY(!Diagramm(&fenster));
    auto* hinweis = qobject_cast<QLabel*>(fenster.chtVerlauf);
    QVERIFY(hinweis);
    QVERIFY(hinweis->text().startsWith(QStringLiteral("Das Diagramm kann nicht gezeigt werden.")));
    QVERIFY(hinweis->text().contains(QStringLiteral("libminusland_diagramm.so")));
    QCOMPARE(fenster.tblUebungen->rowCount(), 2);
    QCOMPARE(fenster.tblLetzte->rowCount(), 16);
    fenster.tblUebungen->setCurrentCell(1, 0);
    QVERIFY(fenster.btnExport->isEnabled());
}

void TestVerlaufMenue::fehlerUebenOhneVerlaufSagtEsInEinemSatz()
{
    Starte();
    QString text;
    AnswerNextMessage(&text);
    Menue()->menFehlerUeben->trigger();
    QVERIFY(text.contains(QStringLiteral("Ergebnisse speichern")));
    QVERIFY2(EinSatz(text), qPrintable(text));
    Menue()->menErgebnisseSpeichern->trigger();
    AnswerNextMessage(&text);
    Menue()->menFehlerUeben->trigger();
    QVERIFY(text.startsWith(QStringLiteral("Du hast noch keine Aufgabe")));
    QVERIFY(frmMinusland->isVisible());
}

void TestVerlaufMenue::fehlerUebenOeffnetDenBildschirmIhresBereichs()
{
    SchreibeWochen(QDateTime::currentDateTime());
    Starte();
    FehlerQuelle* quelle = nullptr;
    QString titel;
    WhenModal([&](QWidget* w) {
        if (w == frmGanzUebung)
            quelle = dynamic_cast<FehlerQuelle*>(frmGanzUebung->Quelle());
        if (quelle) {
            // The screen opens with the kind and level of the first exercise,
            // the mistake that waited longest.
            QCOMPARE(quelle->Plan().aufgaben.front().aufgabe.term, QStringLiteral("[(+3)-(-5)]-(+2)"));
            QCOMPARE(ArtGanz, 4);
            QCOMPARE(StufeGanzSubKl, 1);
            QVERIFY(quelle->Wiederholung());
            QCOMPARE(quelle->Plan().gruppe, Uebungsgruppe::Ganz);
            // The five single mistakes are due; the two made again and
            // again wait for their seven days.
            QCOMPARE(quelle->Plan().faellige, 5);
            QCOMPARE(int(quelle->Plan().aufgaben.size()), FehlerUebenAnzahl);
            titel = quelle->Titel();
        }
        Foto(w, QStringLiteral("fehler_ueben"));
        frmGanzUebung->menSchliessen->trigger();
    });
    Menue()->menFehlerUeben->trigger();
    QVERIFY(quelle);
    QCOMPARE(titel, QStringLiteral("Fehler üben: ganze Zahlen"));
    QVERIFY(frmGanzUebung->Quelle() == nullptr);
    QCOMPARE(StufeGanzSubKl, 0);
    QVERIFY(frmMinusland->isVisible());

    // Rational mistakes go to their own screen.
    FehlerPlan plan;
    plan.gruppe = Uebungsgruppe::RationalMultDiv;
    plan.aufgaben.push_back({RationalAufgabe(4, 3, "!+{1/2}!:!-{3/4}!", "-2/3"), false, true});
    bool rational = false;
    WhenModal([&](QWidget* w) {
        rational = w == frmRationalUebMultDiv && StufeRationalDiv == 3 && RationalArt == 4
            && frmRationalUebMultDiv->Quelle() != nullptr;
        w->close();
    });
    Menue()->UebeFehler(plan);
    QVERIFY(rational);
    QCOMPARE(StufeRationalDiv, 0);
}

void TestVerlaufMenue::verlaufLoeschenFragtUndEntferntDieDatei()
{
    SchreibeWochen(QDateTime::currentDateTime());
    Starte();
    // "Abbrechen" keeps everything.
    WhenModal([](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        QCOMPARE(box->text(), QStringLiteral("Sollen wirklich alle gespeicherten Ergebnisse gelöscht werden?"));
        box->defaultButton()->click();
    });
    Menue()->menVerlaufLoeschen->trigger();
    QVERIFY(QFile::exists(Pfad()));

    QString danach;
    WhenModal([&danach](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QStringLiteral("Löschen")) {
                AnswerNextMessage(&danach);
                b->click();
            }
    });
    Menue()->menVerlaufLoeschen->trigger();
    QTRY_COMPARE(ModalWatchesPending(), 0);
    QCOMPARE(danach, QStringLiteral("Alle gespeicherten Ergebnisse sind gelöscht."));
    QVERIFY(!QFile::exists(Pfad()));
    QVERIFY(!QFile::exists(Pfad() + QStringLiteral("-wal")));
}

QTEST_MAIN(TestVerlaufMenue)
#include "test_verlauf_menue.moc"
