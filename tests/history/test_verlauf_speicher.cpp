// The results store without a window: writing and reading back, the schema
// migration from the first version, and files it must not use as they are.
#include "VerlaufTestHilfen.h"
#include "history/VerlaufSpeicher.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>


class TestVerlaufSpeicher : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QVERIFY(dir_.isValid()); pfad_ = dir_.filePath(QStringLiteral("verlauf.sqlite")); QFile::remove(pfad_); }

    void schreibtUndLiestUebungenUndUrteile();
    void unfertigeUebungZaehltNichtAlsFertig();
    void haeufigsteFehlerFassenBeideDarstellungenZusammen();
    void migriertVonVersionEins();
    void neuereVersionBleibtUnberuehrt();
    void beschaedigteDateienWerdenBeiseiteGelegt_data();
    void beschaedigteDateienWerdenBeiseiteGelegt();
    void schreibgeschuetzterOrdner();
    void loeschtAllesMitDatei();

private:
    QTemporaryDir dir_;
    QString pfad_;
};

void TestVerlaufSpeicher::schreibtUndLiestUebungenUndUrteile()
{
    VerlaufSpeicher s;
    QCOMPARE(s.Oeffnen(pfad_), VerlaufZustand::Offen);
    QVERIFY(!s.HatVerlauf());
    const AufgabenHerkunft a = GanzAufgabe(4, 2, QStringLiteral("[(+3)-(-5)]-(+2)"), QStringLiteral("6"));
    Urteil erstes = EinUrteil(a, Verdikt::FalschErster, Tag(1, 9, 30), 2, 4);
    erstes.klassencode = QStringLiteral("7A-123");
    erstes.vereinfacht = true;
    erstes.eingabe = QStringLiteral("–4");
    erstes.termAnzeige = QStringLiteral("[(+3) – (–5)] – (+2) =");
    const std::optional<qint64> id = s.BeginneUebung(erstes);
    QVERIFY(id);
    QVERIFY(s.SchreibeUrteil(*id, erstes));
    QVERIFY(s.SchreibeUrteil(*id, EinUrteil(a, Verdikt::RichtigZweiter, Tag(1, 9, 31), 2, 4)));
    QVERIFY(s.HatVerlauf());

    DrillAbschluss ende = EinAbschluss(Zahlenbereich::Ganz, 4, 2, 12.5, 18, 69, Tag(1, 9, 40));
    ende.klassencode = erstes.klassencode;
    ende.vereinfacht = true;
    QVERIFY(s.BeendeUebung(*id, ende));

    // A second handle on the same file sees everything: it was committed.
    VerlaufSpeicher zweiter;
    QCOMPARE(zweiter.Oeffnen(pfad_), VerlaufZustand::Offen);
    const auto uebungen = zweiter.Uebungen();
    QCOMPARE(uebungen.size(), size_t(1));
    const GespeicherteUebung& u = uebungen.front();
    QCOMPARE(u.begonnen, Tag(1, 9, 30));
    QCOMPARE(u.beendet, Tag(1, 9, 40));
    QCOMPARE(u.art, 4);
    QCOMPARE(u.stufe, 2);
    QCOMPARE(u.punkte, 12.5);
    QCOMPARE(u.versuche, 18);
    QCOMPARE(u.prozent, 69);
    QCOMPARE(u.klassencode, QStringLiteral("7A-123"));
    QVERIFY(u.vereinfacht);

    const auto urteile = zweiter.Urteile(u.id);
    QCOMPARE(urteile.size(), size_t(2));
    const Urteil& r = urteile.front();
    QCOMPARE(r.aufgabe.term, a.term);
    QCOMPARE(r.aufgabe.ergebnis, QStringLiteral("6"));
    QCOMPARE(r.termAnzeige, QStringLiteral("[(+3) – (–5)] – (+2) ="));
    QCOMPARE(r.eingabe, QStringLiteral("–4"));
    QCOMPARE(r.verdikt, Verdikt::FalschErster);
    QCOMPARE(r.seite, 2);
    QCOMPARE(r.zeile, 4);
    QCOMPARE(r.zeit, Tag(1, 9, 30));
    QCOMPARE(urteile.back().verdikt, Verdikt::RichtigZweiter);
    QCOMPARE(urteile.back().punkte, 0.5);

    // Rational shape flags survive for posing the exercise again.
    AufgabenHerkunft b = RationalAufgabe(5, 3, QStringLiteral("!+{3/4}!:!-{5/6}!"), QStringLiteral("-9/10"));
    b.sonderdarstellung = true;
    b.form = 4;
    const auto id2 = s.BeginneUebung(EinUrteil(b, Verdikt::RichtigErster, Tag(2)));
    QVERIFY(id2 && s.SchreibeUrteil(*id2, EinUrteil(b, Verdikt::RichtigErster, Tag(2))));
    const Urteil rr = s.Urteile(*id2).front();
    QCOMPARE(rr.aufgabe.bereich, Zahlenbereich::Rational);
    QVERIFY(rr.aufgabe.istBruch);
    QVERIFY(rr.aufgabe.sonderdarstellung);
    QCOMPARE(rr.aufgabe.form, 4);
}

void TestVerlaufSpeicher::unfertigeUebungZaehltNichtAlsFertig()
{
    VerlaufSpeicher s;
    QCOMPARE(s.Oeffnen(pfad_), VerlaufZustand::Offen);
    const AufgabenHerkunft a = GanzAufgabe(1, 1, QStringLiteral("(+3)+(-5)"), QStringLiteral("-2"));
    const auto id = s.BeginneUebung(EinUrteil(a, Verdikt::RichtigErster, Tag(1)));
    QVERIFY(id && s.SchreibeUrteil(*id, EinUrteil(a, Verdikt::RichtigErster, Tag(1))));
    QVERIFY(s.Uebungen(true).empty());
    QCOMPARE(s.Uebungen(false).size(), size_t(1));
    QVERIFY(!s.Uebungen(false).front().Fertig());
    QCOMPARE(s.AnzahlUrteile(), 1);
    // An end with no drill row to finish is kept all the same.
    QVERIFY(s.SchreibeAbschluss(EinAbschluss(Zahlenbereich::Rational, 3, 1, 4, 5, 80, Tag(2))));
    QCOMPARE(s.Uebungen(true).size(), size_t(1));
    QVERIFY(!s.BeendeUebung(9999, EinAbschluss(Zahlenbereich::Ganz, 1, 1, 1, 1, 100, Tag(3))));
}

void TestVerlaufSpeicher::haeufigsteFehlerFassenBeideDarstellungenZusammen()
{
    VerlaufSpeicher s;
    QCOMPARE(s.Oeffnen(pfad_), VerlaufZustand::Offen);
    const AufgabenHerkunft eckig = GanzAufgabe(4, 1, QStringLiteral("[(+3)-(-5)]-(+2)"), QStringLiteral("6"));
    const AufgabenHerkunft rund = GanzAufgabe(4, 1, QStringLiteral("((+3)-(-5))-(+2)"), QStringLiteral("6"));
    const AufgabenHerkunft andere = GanzAufgabe(1, 1, QStringLiteral("(+1)+(-9)"), QStringLiteral("-8"));
    const auto id = s.BeginneUebung(EinUrteil(eckig, Verdikt::FalschErster, Tag(1)));
    QVERIFY(id);
    s.SchreibeUrteil(*id, EinUrteil(eckig, Verdikt::FalschErster, Tag(1)));
    s.SchreibeUrteil(*id, EinUrteil(eckig, Verdikt::FalschZweiter, Tag(1)));
    s.SchreibeUrteil(*id, EinUrteil(rund, Verdikt::FalschErster, Tag(2)));
    s.SchreibeUrteil(*id, EinUrteil(andere, Verdikt::FalschErster, Tag(3)));
    s.SchreibeUrteil(*id, EinUrteil(andere, Verdikt::RichtigErster, Tag(4)));
    s.SchreibeUrteil(*id, EinUrteil(andere, Verdikt::Formatfehler1, Tag(4)));

    const auto fehler = s.HaeufigsteFehler(10);
    QCOMPARE(fehler.size(), size_t(2));
    QCOMPARE(fehler[0].anzahl, 2); // second attempts do not count
    QCOMPARE(fehler[0].aufgabe.term, rund.term); // latest wording
    QCOMPARE(fehler[1].anzahl, 1);
    QCOMPARE(s.HaeufigsteFehler(1).size(), size_t(1));

    // First attempts of exercises once wrong; format errors and second
    // attempts are no attempt at all.
    const auto versuche = s.ErsteVersucheFehlerhafter();
    QCOMPARE(versuche.size(), size_t(4));
    QVERIFY(versuche.back().richtig);
    QCOMPARE(s.ErsteVersucheSeit(Tag(3)).size(), size_t(2));
}

void TestVerlaufSpeicher::migriertVonVersionEins()
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("alt"));
        db.setDatabaseName(pfad_);
        QVERIFY(db.open());
        QVERIFY(VerlaufMigration(db, 0, 1));
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("INSERT INTO uebung (id, begonnen, beendet, bereich, art, stufe, vereinfacht,"
                                      " punkte, versuche, prozent) VALUES (1, %1, %2, 0, 2, 3, 0, 13.5, 17, 79)")
                           .arg(Tag(1).toMSecsSinceEpoch())
                           .arg(Tag(1, 10, 5).toMSecsSinceEpoch())));
        QVERIFY(q.exec(QStringLiteral("INSERT INTO urteil (uebung, zeit, seite, zeile, bereich, art, stufe, term,"
                                      " ergebnis, ist_bruch, sonderdarstellung, form, term_anzeige, eingabe, erwartet,"
                                      " verdikt, punkte, vereinfacht) VALUES (1, %1, 1, 1, 0, 2, 3, '(+3)-(+8)',"
                                      " '-5', 0, 0, 0, '(+3) – (+8) =', '+5', '–5', 3, 0, 0)")
                           .arg(Tag(1).toMSecsSinceEpoch())));
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
        QCOMPARE(q.value(0).toInt(), 1);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("alt"));

    VerlaufSpeicher s;
    QCOMPARE(s.Oeffnen(pfad_), VerlaufZustand::Offen);
    const auto uebungen = s.Uebungen();
    QCOMPARE(uebungen.size(), size_t(1));
    QCOMPARE(uebungen.front().punkte, 13.5);
    QCOMPARE(uebungen.front().prozent, 79);
    QVERIFY(!uebungen.front().wiederholung);
    const auto urteile = s.Urteile(1);
    QCOMPARE(urteile.size(), size_t(1));
    QCOMPARE(urteile.front().verdikt, Verdikt::FalschErster);
    QVERIFY(!urteile.front().wiederholung);
    // The old file takes new records with the new columns.
    Urteil neu = EinUrteil(GanzAufgabe(2, 3, QStringLiteral("(+3)-(+8)"), QStringLiteral("-5")), Verdikt::RichtigErster,
                           Tag(3));
    neu.wiederholung = true;
    QVERIFY(s.SchreibeUrteil(1, neu));
    QCOMPARE(s.ErsteVersucheFehlerhafter().size(), size_t(2));
    QVERIFY(s.ErsteVersucheFehlerhafter().back().wiederholung);
    s.Schliessen();

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("pruefen"));
    db.setDatabaseName(pfad_);
    QVERIFY(db.open());
    QSqlQuery q(db);
    QVERIFY(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
    QCOMPARE(q.value(0).toInt(), VerlaufSchemaVersion);
    QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode")) && q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("wal"));
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("pruefen"));
}

void TestVerlaufSpeicher::neuereVersionBleibtUnberuehrt()
{
    {
        VerlaufSpeicher s;
        QCOMPARE(s.Oeffnen(pfad_), VerlaufZustand::Offen);
        s.SchreibeAbschluss(EinAbschluss(Zahlenbereich::Ganz, 1, 1, 5, 5, 100, Tag(1)));
        s.Schliessen();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("neu"));
        db.setDatabaseName(pfad_);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version = %1").arg(VerlaufSchemaVersion + 1)));
        QVERIFY(q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("neu"));
    QFile vorher(pfad_);
    QVERIFY(vorher.open(QIODevice::ReadOnly));
    const QByteArray inhalt = vorher.readAll();
    vorher.close();

    VerlaufSpeicher s;
    QCOMPARE(s.Oeffnen(pfad_), VerlaufZustand::Neuer);
    QVERIFY(!s.IstOffen());
    QVERIFY(!s.SchreibeAbschluss(EinAbschluss(Zahlenbereich::Ganz, 1, 1, 5, 5, 100, Tag(2))));
    QVERIFY(s.Uebungen().empty());
    QVERIFY(s.BeiseitePfad().isEmpty());
    QFile nachher(pfad_);
    QVERIFY(nachher.open(QIODevice::ReadOnly));
    QCOMPARE(nachher.readAll(), inhalt);
}

void TestVerlaufSpeicher::beschaedigteDateienWerdenBeiseiteGelegt_data()
{
    QTest::addColumn<int>("art");
    QTest::newRow("abgeschnitten") << 0;
    QTest::newRow("Zufallsbytes") << 1;
    QTest::newRow("SQLite-Kopf, Rest zerstört") << 2;
}

void TestVerlaufSpeicher::beschaedigteDateienWerdenBeiseiteGelegt()
{
    QFETCH(int, art);
    {
        VerlaufSpeicher s;
        QCOMPARE(s.Oeffnen(pfad_), VerlaufZustand::Offen);
        // Enough content for several pages.
        const AufgabenHerkunft a = GanzAufgabe(9, 4, QStringLiteral("((+12)-(-3))*(-2)+(+7)"), QStringLiteral("-23"));
        const auto id = s.BeginneUebung(EinUrteil(a, Verdikt::FalschErster, Tag(1)));
        for (int i = 0; i < 200; ++i)
            s.SchreibeUrteil(*id, EinUrteil(a, Verdikt::FalschErster, Tag(1).addSecs(i)));
        s.Schliessen();
    }
    QFile datei(pfad_);
    QVERIFY(datei.open(QIODevice::ReadWrite));
    QByteArray inhalt = datei.readAll();
    QVERIFY(inhalt.size() > 8192);
    if (art == 0) {
        inhalt.truncate(inhalt.size() / 2 + 100);
    } else if (art == 1) {
        QRandomGenerator zufall(42);
        for (char& c : inhalt)
            c = char(zufall.bounded(256));
    } else {
        for (qsizetype i = 100; i < inhalt.size(); ++i)
            inhalt[i] = char(0xA5 ^ i);
    }
    datei.resize(0);
    datei.write(inhalt);
    datei.close();

    VerlaufSpeicher s;
    QCOMPARE(s.Oeffnen(pfad_), VerlaufZustand::Ersetzt);
    QVERIFY(s.IstOffen());
    // The damaged file is kept, byte for byte, under its new name.
    QVERIFY(!s.BeiseitePfad().isEmpty());
    QVERIFY(s.BeiseitePfad().startsWith(pfad_ + QStringLiteral(".defekt-")));
    QFile beiseite(s.BeiseitePfad());
    QVERIFY(beiseite.open(QIODevice::ReadOnly));
    QCOMPARE(beiseite.readAll(), inhalt);
    // The new file works.
    QVERIFY(s.Uebungen().empty());
    QVERIFY(s.SchreibeAbschluss(EinAbschluss(Zahlenbereich::Ganz, 1, 1, 5, 5, 100, Tag(2))));
    QCOMPARE(s.Uebungen().size(), size_t(1));
}

void TestVerlaufSpeicher::schreibgeschuetzterOrdner()
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("verlauf.sqlite"));
    {
        VerlaufSpeicher s;
        QCOMPARE(s.Oeffnen(pfad), VerlaufZustand::Offen);
        s.SchreibeAbschluss(EinAbschluss(Zahlenbereich::Ganz, 1, 1, 5, 5, 100, Tag(1)));
    }
    if (!Schreibschutz(ordner.path(), true))
        QSKIP("no way to make a folder read-only here");
    VerlaufSpeicher s;
    QCOMPARE(s.Oeffnen(pfad), VerlaufZustand::Unbeschreibbar);
    QVERIFY(!s.IstOffen());
    QVERIFY(!s.SchreibeAbschluss(EinAbschluss(Zahlenbereich::Ganz, 1, 1, 5, 5, 100, Tag(2))));
    QVERIFY(QFile::exists(pfad)); // nothing moved or removed

    // A folder that cannot even be made.
    VerlaufSpeicher tiefer;
    QCOMPARE(tiefer.Oeffnen(ordner.filePath(QStringLiteral("neu/verlauf.sqlite"))), VerlaufZustand::Unbeschreibbar);
    QVERIFY(Schreibschutz(ordner.path(), false));
}

void TestVerlaufSpeicher::loeschtAllesMitDatei()
{
    VerlaufSpeicher s;
    QCOMPARE(s.Oeffnen(pfad_), VerlaufZustand::Offen);
    s.SchreibeAbschluss(EinAbschluss(Zahlenbereich::Ganz, 1, 1, 5, 5, 100, Tag(1)));
    QVERIFY(s.LoescheAlles());
    QVERIFY(!QFile::exists(pfad_));
    QVERIFY(!QFile::exists(pfad_ + QStringLiteral("-wal")));
    QVERIFY(!s.IstOffen());
    QCOMPARE(s.Oeffnen(pfad_), VerlaufZustand::Offen);
    QVERIFY(!s.HatVerlauf());
}

QTEST_GUILESS_MAIN(TestVerlaufSpeicher)
#include "test_verlauf_speicher.moc"
