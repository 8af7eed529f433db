// The recording of the drills' reports, the switch, and the export a teacher
// opens in a German spreadsheet.
#include "VerlaufTestHilfen.h"
#include "drill/DrillBericht.h"
#include "history/VerlaufAufzeichnung.h"
#include "history/VerlaufText.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Reads CSV the way a spreadsheet does: quoted fields may hold separators,
// doubled quotes and line breaks.
QList<QStringList> LeseCsv(const QString& text, QChar trenner)
{
    QList<QStringList> zeilen;
    QStringList zeile;
    QString feld;
    bool inAnfuehrung = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inAnfuehrung) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                feld += u'"';
                ++i;
            } else if (c == u'"') {
                inAnfuehrung = false;
            } else {
                feld += c;
            }
        } else if (c == u'"') {
            inAnfuehrung = true;
        } else if (c == trenner) {
            zeile << feld;
            feld.clear();
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            zeile << feld;
            feld.clear();
            zeilen << zeile;
            zeile.clear();
        } else {
            feld += c;
        }
    }
    if (!feld.isEmpty() || !zeile.isEmpty())
        zeilen << (zeile << feld);
    return zeilen;
}

} // namespace

class TestVerlaufAufzeichnung : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void ausgeschaltetWirdNichtsGeschrieben();
    void eingeschaltetWirdJedesUrteilSofortGeschrieben();
    void verlasseneUebungBleibtUnfertig();
    void schalterWirdGemerkt();
    void unbrauchbarerSpeicherMeldetEinmal();
    void csvKommtImTabellenprogrammGenauSoAn();
    void csvSchreibtGanzOderGarNicht();

private:
    QTemporaryDir dir_;
    QString pfad_;
};

void TestVerlaufAufzeichnung::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("MinuslandTest"));
    QCoreApplication::setApplicationName(QStringLiteral("test_verlauf_aufzeichnung"));
}

void TestVerlaufAufzeichnung::init()
{
    pfad_ = dir_.filePath(QStringLiteral("verlauf.sqlite"));
    QFile::remove(pfad_);
    VerlaufAufzeichnung::SpeichereSchalter(false);
}

void TestVerlaufAufzeichnung::ausgeschaltetWirdNichtsGeschrieben()
{
    VerlaufAufzeichnung aufzeichnung(pfad_);
    QVERIFY(!aufzeichnung.Eingeschaltet()); // off unless switched on
    const AufgabenHerkunft a = GanzAufgabe(1, 1, QStringLiteral("(+1)+(+2)"), QStringLiteral("3"));
    emit DrillBericht().Beurteilt(EinUrteil(a, Verdikt::RichtigErster, Tag(1)));
    emit DrillBericht().Beendet(EinAbschluss(Zahlenbereich::Ganz, 1, 1, 1, 1, 100, Tag(1)));
    aufzeichnung.Warte();
    QTest::qWait(20);
    QVERIFY(!QFile::exists(pfad_)); // not even created
}

void TestVerlaufAufzeichnung::eingeschaltetWirdJedesUrteilSofortGeschrieben()
{
    VerlaufAufzeichnung aufzeichnung(pfad_);
    aufzeichnung.SetzeEingeschaltet(true);
    const AufgabenHerkunft a = GanzAufgabe(2, 1, QStringLiteral("(+1)-(+2)"), QStringLiteral("-1"));
    VerlaufSpeicher leser;
    for (int i = 1; i <= 3; ++i) {
        emit DrillBericht().Beurteilt(EinUrteil(a, Verdikt::RichtigErster, Tag(1).addSecs(i), 1, i));
        aufzeichnung.Warte();
        // Another connection sees it: committed, not buffered.
        if (i == 1)
            QCOMPARE(leser.Oeffnen(pfad_), VerlaufZustand::Offen);
        QCOMPARE(leser.AnzahlUrteile(), i);
    }
    emit DrillBericht().Beendet(EinAbschluss(Zahlenbereich::Ganz, 2, 1, 3, 3, 100, Tag(1).addSecs(10)));
    // After the evaluation a new drill of the same kind begins.
    emit DrillBericht().Beurteilt(EinUrteil(a, Verdikt::FalschErster, Tag(1).addSecs(20)));
    aufzeichnung.Warte();
    const auto uebungen = leser.Uebungen(false);
    QCOMPARE(uebungen.size(), size_t(2));
    QVERIFY(uebungen[0].Fertig());
    QCOMPARE(uebungen[0].prozent, 100);
    QCOMPARE(leser.Urteile(uebungen[0].id).size(), size_t(3));
    QVERIFY(!uebungen[1].Fertig());
    QCOMPARE(leser.Urteile(uebungen[1].id).size(), size_t(1));

    // A judgement of another number range or from "Fehler üben" is another drill.
    Urteil wieder = EinUrteil(a, Verdikt::RichtigErster, Tag(1).addSecs(30));
    wieder.wiederholung = true;
    emit DrillBericht().Beurteilt(wieder);
    aufzeichnung.Warte();
    QCOMPARE(leser.Uebungen(false).size(), size_t(3));
    QVERIFY(leser.Uebungen(false).back().wiederholung);
}

void TestVerlaufAufzeichnung::verlasseneUebungBleibtUnfertig()
{
    VerlaufAufzeichnung aufzeichnung(pfad_);
    aufzeichnung.SetzeEingeschaltet(true);
    const AufgabenHerkunft a = GanzAufgabe(1, 1, QStringLiteral("(+1)+(+2)"), QStringLiteral("3"));
    emit DrillBericht().Beurteilt(EinUrteil(a, Verdikt::RichtigErster, Tag(1), 1, 1));
    aufzeichnung.UebungVerlassen();
    emit DrillBericht().Beurteilt(EinUrteil(a, Verdikt::RichtigErster, Tag(1).addSecs(60), 1, 1));
    emit DrillBericht().Beendet(EinAbschluss(Zahlenbereich::Ganz, 1, 1, 15, 15, 100, Tag(1).addSecs(90)));
    aufzeichnung.Warte();
    VerlaufSpeicher leser;
    leser.Oeffnen(pfad_);
    const auto uebungen = leser.Uebungen(false);
    QCOMPARE(uebungen.size(), size_t(2));
    QVERIFY(!uebungen[0].Fertig());
    QVERIFY(uebungen[1].Fertig());
    QCOMPARE(leser.Urteile(uebungen[1].id).size(), size_t(1));
}

void TestVerlaufAufzeichnung::schalterWirdGemerkt()
{
    QVERIFY(!VerlaufAufzeichnung::GespeichertEingeschaltet());
    {
        VerlaufAufzeichnung a(pfad_);
        a.SetzeEingeschaltet(true);
    }
    QVERIFY(VerlaufAufzeichnung::GespeichertEingeschaltet());
    QVERIFY(VerlaufAufzeichnung(pfad_).Eingeschaltet());
    VerlaufAufzeichnung(pfad_).SetzeEingeschaltet(false);
    QVERIFY(!VerlaufAufzeichnung(pfad_).Eingeschaltet());
}

void TestVerlaufAufzeichnung::unbrauchbarerSpeicherMeldetEinmal()
{
    // A folder where the file should be: nothing can be opened there.
    QVERIFY(QDir().mkpath(pfad_));
    VerlaufAufzeichnung aufzeichnung(pfad_);
    aufzeichnung.SetzeEingeschaltet(true);
    QSignalSpy meldungen(&aufzeichnung, &VerlaufAufzeichnung::Stoerung);
    const AufgabenHerkunft a = GanzAufgabe(1, 1, QStringLiteral("(+1)+(+2)"), QStringLiteral("3"));
    for (int i = 0; i < 5; ++i)
        emit DrillBericht().Beurteilt(EinUrteil(a, Verdikt::RichtigErster, Tag(1)));
    emit DrillBericht().Beendet(EinAbschluss(Zahlenbereich::Ganz, 1, 1, 5, 5, 100, Tag(1)));
    aufzeichnung.Warte();
    QTRY_COMPARE(meldungen.size(), 1);
    QTest::qWait(20);
    QCOMPARE(meldungen.size(), 1);
    const QString satz = meldungen.front().front().toString();
    QVERIFY(satz.endsWith(u'.'));
    QCOMPARE(satz.count(u'.'), 1); // one sentence
    QVERIFY(aufzeichnung.Speicher() == nullptr);
    QDir(pfad_).removeRecursively();
}

void TestVerlaufAufzeichnung::csvKommtImTabellenprogrammGenauSoAn()
{
    std::vector<GespeicherteUebung> uebungen(3);
    uebungen[0].beendet = QDateTime(QDate(2026, 3, 4), QTime(8, 5));
    uebungen[0].art = 6;
    uebungen[0].stufe = 2;
    uebungen[0].punkte = 12.5;
    uebungen[0].versuche = 17;
    uebungen[0].prozent = 74;
    uebungen[1].beendet = QDateTime(QDate(2026, 12, 24), QTime(17, 30));
    uebungen[1].bereich = Zahlenbereich::Rational;
    uebungen[1].art = 5;
    uebungen[1].stufe = 4;
    uebungen[1].vereinfacht = true;
    uebungen[1].wiederholung = true;
    uebungen[1].klassencode = QStringLiteral("=HYPERLINK(\"x\";\"7a\")");
    uebungen[1].punkte = 15;
    uebungen[1].versuche = 15;
    uebungen[1].prozent = 100;
    // Unfinished drills are no result.
    uebungen[2].begonnen = QDateTime(QDate(2026, 12, 25), QTime(9, 0));

    QTemporaryDir ordner;
    const QString datei = ordner.filePath(QStringLiteral("v.csv"));
    QVERIFY(SchreibeVerlaufCsv(datei, uebungen));
    QFile f(datei);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray roh = f.readAll();
    QVERIFY(roh.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(roh.mid(3));
    QVERIFY(text.contains(QStringLiteral("\r\n")));
    const QList<QStringList> zeilen = LeseCsv(text, u';');
    QCOMPARE(zeilen.size(), 3);
    QCOMPARE(zeilen[0], QStringList({"Datum", "Uhrzeit", "Zahlenbereich", "Rechenart", "Stufe", "Darstellung",
                                     "Klassencode", "Fehler üben", "Punkte", "Versuche", "Prozent"}));
    QCOMPARE(zeilen[1], QStringList({"04.03.2026", "08:05", "Ganze Zahlen", "Addition+Subtraktion mit Beträgen", "2",
                                     "mit Vorzeichen", "", "nein", "12,5", "17", "74"}));
    // The code reaches the sheet as text, never as a formula.
    QCOMPARE(zeilen[2], QStringList({"24.12.2026", "17:30", "Rationale Zahlen", "Gemischt", "4", "Vereinfacht",
                                     "'=HYPERLINK(\"x\";\"7a\")", "ja", "15,0", "15", "100"}));
    // Points read back with the decimal comma give the stored value.
    QCOMPARE(QLocale(QLocale::German).toDouble(zeilen[1][8]), 12.5);
}

void TestVerlaufAufzeichnung::csvSchreibtGanzOderGarNicht()
{
    QVERIFY(!SchreibeVerlaufCsv(dir_.filePath(QStringLiteral("fehlt/ordner/v.csv")), {}));
    QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("fehlt/ordner/v.csv"))));
}

QTEST_GUILESS_MAIN(TestVerlaufAufzeichnung)
#include "test_verlauf_aufzeichnung.moc"
