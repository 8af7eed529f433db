#include "history/VerlaufSpeicher.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

namespace {

// SQLite's primary result codes that say the file is no usable database.
constexpr int SqliteCorrupt = 11;
constexpr int SqliteNotADb = 26;

int SqliteCode(const QSqlError& fehler)
{
    bool ok = false;
    const int code = fehler.nativeErrorCode().toInt(&ok);
    return ok ? (code & 0xff) : -1;
}

bool IstBeschaedigt(const QSqlError& fehler)
{
    const int code = SqliteCode(fehler);
    return code == SqliteCorrupt || code == SqliteNotADb;
}

qint64 Ms(const QDateTime& zeit)
{
    return (zeit.isValid() ? zeit : QDateTime::currentDateTime()).toMSecsSinceEpoch();
}

// A null QString binds as SQL NULL; the text columns hold empty texts.
QString Text(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QDateTime Zeit(const QVariant& wert)
{
    return wert.isNull() ? QDateTime() : QDateTime::fromMSecsSinceEpoch(wert.toLongLong());
}

// Verdicts are stored as fixed numbers, independent of the enum's order.
int VerdiktZahl(Verdikt v)
{
    switch (v) {
    case Verdikt::RichtigErster: return 1;
    case Verdikt::RichtigZweiter: return 2;
    case Verdikt::FalschErster: return 3;
    case Verdikt::FalschZweiter: return 4;
    case Verdikt::Formatfehler1: return 5;
    case Verdikt::Formatfehler2: return 6;
    }
    return 0;
}

Verdikt VerdiktAus(int zahl)
{
    switch (zahl) {
    case 2: return Verdikt::RichtigZweiter;
    case 3: return Verdikt::FalschErster;
    case 4: return Verdikt::FalschZweiter;
    case 5: return Verdikt::Formatfehler1;
    case 6: return Verdikt::Formatfehler2;
    default: return Verdikt::RichtigErster;
    }
}

// The same exercise in both display modes: integer terms carry square
// brackets in the signed mode only.
const char* const Schluessel = "bereich, art, stufe, replace(replace(term, '[', '('), ']', ')'), ergebnis";

const char* const UrteilSpalten =
    "zeit, seite, zeile, bereich, art, stufe, term, ergebnis, ist_bruch, sonderdarstellung, form, "
    "term_anzeige, eingabe, erwartet, verdikt, punkte, vereinfacht, klassencode, wiederholung";

Urteil LeseUrteil(const QSqlQuery& q, int s = 0)
{
    Urteil u;
    u.zeit = Zeit(q.value(s + 0));
    u.seite = q.value(s + 1).toInt();
    u.zeile = q.value(s + 2).toInt();
    u.aufgabe.bereich = q.value(s + 3).toInt() == 1 ? Zahlenbereich::Rational : Zahlenbereich::Ganz;
    u.aufgabe.art = q.value(s + 4).toInt();
    u.aufgabe.stufe = q.value(s + 5).toInt();
    u.aufgabe.term = q.value(s + 6).toString();
    u.aufgabe.ergebnis = q.value(s + 7).toString();
    u.aufgabe.istBruch = q.value(s + 8).toBool();
    u.aufgabe.sonderdarstellung = q.value(s + 9).toBool();
    u.aufgabe.form = q.value(s + 10).toInt();
    u.termAnzeige = q.value(s + 11).toString();
    u.eingabe = q.value(s + 12).toString();
    u.erwartet = q.value(s + 13).toString();
    u.verdikt = VerdiktAus(q.value(s + 14).toInt());
    u.punkte = q.value(s + 15).toDouble();
    u.vereinfacht = q.value(s + 16).toBool();
    u.klassencode = q.value(s + 17).toString();
    u.wiederholung = q.value(s + 18).toBool();
    return u;
}

ErsterVersuch AlsErsterVersuch(const Urteil& u)
{
    ErsterVersuch v;
    v.aufgabe = u.aufgabe;
    v.vereinfacht = u.vereinfacht;
    v.richtig = u.verdikt == Verdikt::RichtigErster;
    v.wiederholung = u.wiederholung;
    v.zeit = u.zeit;
    return v;
}

} // namespace

bool VerlaufMigration(QSqlDatabase& db, int von, int bis)
{
    // Each step brings a file from version n - 1 to n; never edit a step
    // that has shipped, add one.
    static const std::vector<std::vector<const char*>> schritte = {
        {
            // 1: drills and judgements.
            "CREATE TABLE uebung (id INTEGER PRIMARY KEY, begonnen INTEGER NOT NULL, beendet INTEGER,"
            " bereich INTEGER NOT NULL, art INTEGER NOT NULL, stufe INTEGER NOT NULL,"
            " vereinfacht INTEGER NOT NULL, klassencode TEXT NOT NULL DEFAULT '',"
            " punkte REAL, versuche INTEGER, prozent INTEGER)",
            "CREATE TABLE urteil (id INTEGER PRIMARY KEY,"
            " uebung INTEGER NOT NULL REFERENCES uebung(id) ON DELETE CASCADE,"
            " zeit INTEGER NOT NULL, seite INTEGER NOT NULL, zeile INTEGER NOT NULL,"
            " bereich INTEGER NOT NULL, art INTEGER NOT NULL, stufe INTEGER NOT NULL,"
            " term TEXT NOT NULL, ergebnis TEXT NOT NULL, ist_bruch INTEGER NOT NULL,"
            " sonderdarstellung INTEGER NOT NULL, form INTEGER NOT NULL, term_anzeige TEXT NOT NULL,"
            " eingabe TEXT NOT NULL, erwartet TEXT NOT NULL, verdikt INTEGER NOT NULL,"
            " punkte REAL NOT NULL, vereinfacht INTEGER NOT NULL, klassencode TEXT NOT NULL DEFAULT '')",
            "CREATE INDEX urteil_uebung ON urteil(uebung)",
        },
        {
            // 2: drills filled from the pupil's own mistakes, and the indexes
            // the spaced-practice choice reads by.
            "ALTER TABLE uebung ADD COLUMN wiederholung INTEGER NOT NULL DEFAULT 0",
            "ALTER TABLE urteil ADD COLUMN wiederholung INTEGER NOT NULL DEFAULT 0",
            "CREATE INDEX urteil_verdikt ON urteil(verdikt, zeit)",
            "CREATE INDEX uebung_begonnen ON uebung(begonnen)",
        },
    };
    if (bis > int(schritte.size()))
        return false;
    QSqlQuery q(db);
    for (int v = von + 1; v <= bis; ++v) {
        // The write lock first, then the version again: another connection
        // (the recording thread) may have migrated meanwhile.
        if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
            return false;
        bool ok = q.exec(QStringLiteral("PRAGMA user_version")) && q.next();
        if (ok && q.value(0).toInt() < v) {
            for (const char* sql : schritte[size_t(v - 1)])
                ok = ok && q.exec(QString::fromLatin1(sql));
            ok = ok && q.exec(QStringLiteral("PRAGMA user_version = %1").arg(v));
        }
        if (!ok || !q.exec(QStringLiteral("COMMIT"))) {
            q.exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    return true;
}

VerlaufSpeicher::VerlaufSpeicher()
{
    static QAtomicInt zaehler;
    verbindung_ = QStringLiteral("verlauf-%1").arg(zaehler.fetchAndAddRelaxed(1));
}

VerlaufSpeicher::~VerlaufSpeicher()
{
    Schliessen();
}

QString VerlaufSpeicher::StandardPfad()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/verlauf.sqlite");
}

bool VerlaufSpeicher::IstOffen() const
{
    return (zustand_ == VerlaufZustand::Offen || zustand_ == VerlaufZustand::Ersetzt)
        && QSqlDatabase::contains(verbindung_);
}

void VerlaufSpeicher::Schliessen()
{
    if (QSqlDatabase::contains(verbindung_)) {
        {
            QSqlDatabase db = QSqlDatabase::database(verbindung_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(verbindung_);
    }
    if (zustand_ == VerlaufZustand::Offen || zustand_ == VerlaufZustand::Ersetzt)
        zustand_ = VerlaufZustand::Geschlossen;
}

void VerlaufSpeicher::MerkeFehler(const QString& wo, const QSqlError& fehler)
{
    fehler_ = wo + QStringLiteral(": ") + fehler.text();
}

bool VerlaufSpeicher::Ausfuehren(const QString& sql)
{
    QSqlQuery q(QSqlDatabase::database(verbindung_, false));
    if (q.exec(sql))
        return true;
    MerkeFehler(sql, q.lastError());
    return false;
}

VerlaufZustand VerlaufSpeicher::Oeffnen(const QString& pfad)
{
    Schliessen();
    pfad_ = pfad;
    beiseite_.clear();
    fehler_.clear();
    bool beschaedigt = false;
    zustand_ = OeffneDatei(beschaedigt);
    if (beschaedigt) {
        Schliessen();
        if (!SchiebeBeiseite())
            return zustand_ = VerlaufZustand::Unbeschreibbar;
        zustand_ = OeffneDatei(beschaedigt);
        if (zustand_ == VerlaufZustand::Offen)
            zustand_ = VerlaufZustand::Ersetzt;
        else if (beschaedigt)
            zustand_ = VerlaufZustand::Unbeschreibbar;
    }
    if (zustand_ != VerlaufZustand::Offen && zustand_ != VerlaufZustand::Ersetzt) {
        const VerlaufZustand grund = zustand_;
        Schliessen();
        zustand_ = grund;
    }
    return zustand_;
}

VerlaufZustand VerlaufSpeicher::OeffneDatei(bool& beschaedigt)
{
    beschaedigt = false;
    const QFileInfo info(pfad_);
    if (!QDir().mkpath(info.absolutePath())) {
        fehler_ = QStringLiteral("Ordner nicht anlegbar: ") + info.absolutePath();
        return VerlaufZustand::Unbeschreibbar;
    }
    // Anything that does not begin like an SQLite file is damaged, whatever
    // SQLite would make of it.
    if (info.exists() && info.size() > 0) {
        QFile datei(pfad_);
        if (!datei.open(QIODevice::ReadOnly)) {
            fehler_ = QStringLiteral("Datei nicht lesbar: ") + pfad_;
            return VerlaufZustand::Unbeschreibbar;
        }
        if (datei.read(16) != QByteArray("SQLite format 3\0", 16)) {
            beschaedigt = true;
            return VerlaufZustand::Geschlossen;
        }
    }

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), verbindung_);
    db.setDatabaseName(pfad_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=200"));
    if (!db.open()) {
        MerkeFehler(QStringLiteral("open"), db.lastError());
        beschaedigt = IstBeschaedigt(db.lastError());
        return VerlaufZustand::Unbeschreibbar;
    }
    QSqlQuery q(db);
    // A truncated or overwritten file is found here, not at the first write.
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) {
        MerkeFehler(QStringLiteral("quick_check"), q.lastError());
        beschaedigt = IstBeschaedigt(q.lastError());
        return VerlaufZustand::Unbeschreibbar;
    }
    if (q.value(0).toString() != QLatin1String("ok")) {
        fehler_ = QStringLiteral("quick_check: ") + q.value(0).toString();
        beschaedigt = true;
        return VerlaufZustand::Geschlossen;
    }
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        MerkeFehler(QStringLiteral("user_version"), q.lastError());
        beschaedigt = IstBeschaedigt(q.lastError());
        return VerlaufZustand::Unbeschreibbar;
    }
    const int version = q.value(0).toInt();
    if (version > VerlaufSchemaVersion) {
        fehler_ = QStringLiteral("Schema-Version %1").arg(version);
        return VerlaufZustand::Neuer;
    }
    // Durable against a killed program at every commit; only a power cut may
    // lose the latest commits, never the file.
    q.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    q.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    q.exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    if (!VerlaufMigration(db, version, VerlaufSchemaVersion)) {
        MerkeFehler(QStringLiteral("migration"), db.lastError());
        beschaedigt = IstBeschaedigt(db.lastError());
        return VerlaufZustand::Unbeschreibbar;
    }
    // A file that opens but cannot be written (read-only file or folder)
    // shows here rather than at the first judgement.
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(VerlaufSchemaVersion))) {
        MerkeFehler(QStringLiteral("write"), q.lastError());
        return VerlaufZustand::Unbeschreibbar;
    }
    return VerlaufZustand::Offen;
}

bool VerlaufSpeicher::SchiebeBeiseite()
{
    const QString stempel = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString ziel = pfad_ + QStringLiteral(".defekt-") + stempel;
    for (int n = 2; QFile::exists(ziel); ++n)
        ziel = pfad_ + QStringLiteral(".defekt-") + stempel + QStringLiteral("-%1").arg(n);
    if (!QFile::rename(pfad_, ziel)) {
        fehler_ = QStringLiteral("nicht umbenennbar: ") + pfad_;
        return false;
    }
    // The journal belongs to the damaged file; a new file must not replay it.
    for (const char* endung : {"-wal", "-shm"})
        if (QFile::exists(pfad_ + QLatin1String(endung)))
            QFile::rename(pfad_ + QLatin1String(endung), ziel + QLatin1String(endung));
    beiseite_ = ziel;
    return true;
}

std::optional<qint64> VerlaufSpeicher::BeginneUebung(const Urteil& erstes)
{
    if (!IstOffen())
        return std::nullopt;
    QSqlQuery q(QSqlDatabase::database(verbindung_, false));
    q.prepare(QStringLiteral("INSERT INTO uebung (begonnen, bereich, art, stufe, vereinfacht, klassencode, wiederholung)"
                             " VALUES (?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(Ms(erstes.zeit));
    q.addBindValue(erstes.aufgabe.bereich == Zahlenbereich::Rational ? 1 : 0);
    q.addBindValue(erstes.aufgabe.art);
    q.addBindValue(erstes.aufgabe.stufe);
    q.addBindValue(erstes.vereinfacht ? 1 : 0);
    q.addBindValue(Text(erstes.klassencode));
    q.addBindValue(erstes.wiederholung ? 1 : 0);
    if (!q.exec()) {
        MerkeFehler(QStringLiteral("uebung"), q.lastError());
        return std::nullopt;
    }
    return q.lastInsertId().toLongLong();
}

bool VerlaufSpeicher::SchreibeUrteil(qint64 uebung, const Urteil& u)
{
    if (!IstOffen())
        return false;
    // One statement is one transaction: committed when it returns.
    QSqlQuery q(QSqlDatabase::database(verbindung_, false));
    q.prepare(QStringLiteral("INSERT INTO urteil (uebung, %1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                  .arg(QLatin1String(UrteilSpalten)));
    q.addBindValue(uebung);
    q.addBindValue(Ms(u.zeit));
    q.addBindValue(u.seite);
    q.addBindValue(u.zeile);
    q.addBindValue(u.aufgabe.bereich == Zahlenbereich::Rational ? 1 : 0);
    q.addBindValue(u.aufgabe.art);
    q.addBindValue(u.aufgabe.stufe);
    q.addBindValue(Text(u.aufgabe.term));
    q.addBindValue(Text(u.aufgabe.ergebnis));
    q.addBindValue(u.aufgabe.istBruch ? 1 : 0);
    q.addBindValue(u.aufgabe.sonderdarstellung ? 1 : 0);
    q.addBindValue(u.aufgabe.form);
    q.addBindValue(Text(u.termAnzeige));
    q.addBindValue(Text(u.eingabe));
    q.addBindValue(Text(u.erwartet));
    q.addBindValue(VerdiktZahl(u.verdikt));
    q.addBindValue(u.punkte);
    q.addBindValue(u.vereinfacht ? 1 : 0);
    q.addBindValue(Text(u.klassencode));
    q.addBindValue(u.wiederholung ? 1 : 0);
    if (!q.exec()) {
        MerkeFehler(QStringLiteral("urteil"), q.lastError());
        return false;
    }
    return true;
}

bool VerlaufSpeicher::BeendeUebung(qint64 uebung, const DrillAbschluss& a)
{
    if (!IstOffen())
        return false;
    QSqlQuery q(QSqlDatabase::database(verbindung_, false));
    q.prepare(QStringLiteral("UPDATE uebung SET beendet = ?, punkte = ?, versuche = ?, prozent = ?, vereinfacht = ?,"
                             " klassencode = ?, wiederholung = ?, art = ?, stufe = ? WHERE id = ?"));
    q.addBindValue(Ms(a.zeit));
    q.addBindValue(a.punkteGesamt);
    q.addBindValue(a.versucheGesamt);
    q.addBindValue(a.prozent);
    q.addBindValue(a.vereinfacht ? 1 : 0);
    q.addBindValue(Text(a.klassencode));
    q.addBindValue(a.wiederholung ? 1 : 0);
    q.addBindValue(a.art);
    q.addBindValue(a.stufe);
    q.addBindValue(uebung);
    if (!q.exec()) {
        MerkeFehler(QStringLiteral("abschluss"), q.lastError());
        return false;
    }
    return q.numRowsAffected() == 1;
}

std::optional<qint64> VerlaufSpeicher::SchreibeAbschluss(const DrillAbschluss& a)
{
    Urteil kopf;
    kopf.aufgabe.bereich = a.bereich;
    kopf.aufgabe.art = a.art;
    kopf.aufgabe.stufe = a.stufe;
    kopf.vereinfacht = a.vereinfacht;
    kopf.klassencode = a.klassencode;
    kopf.wiederholung = a.wiederholung;
    kopf.zeit = a.zeit;
    const std::optional<qint64> id = BeginneUebung(kopf);
    if (id && !BeendeUebung(*id, a))
        return std::nullopt;
    return id;
}

std::vector<GespeicherteUebung> VerlaufSpeicher::Uebungen(bool nurFertige) const
{
    std::vector<GespeicherteUebung> liste;
    if (!IstOffen())
        return liste;
    QSqlQuery q(QSqlDatabase::database(verbindung_, false));
    q.setForwardOnly(true);
    q.exec(QStringLiteral("SELECT id, begonnen, beendet, bereich, art, stufe, vereinfacht, klassencode,"
                          " wiederholung, punkte, versuche, prozent FROM uebung %1 ORDER BY begonnen, id")
               .arg(nurFertige ? QStringLiteral("WHERE beendet IS NOT NULL") : QString()));
    while (q.next()) {
        GespeicherteUebung u;
        u.id = q.value(0).toLongLong();
        u.begonnen = Zeit(q.value(1));
        u.beendet = Zeit(q.value(2));
        u.bereich = q.value(3).toInt() == 1 ? Zahlenbereich::Rational : Zahlenbereich::Ganz;
        u.art = q.value(4).toInt();
        u.stufe = q.value(5).toInt();
        u.vereinfacht = q.value(6).toBool();
        u.klassencode = q.value(7).toString();
        u.wiederholung = q.value(8).toBool();
        u.punkte = q.value(9).toDouble();
        u.versuche = q.value(10).toInt();
        u.prozent = q.value(11).toInt();
        liste.push_back(u);
    }
    return liste;
}

std::vector<Urteil> VerlaufSpeicher::Urteile(qint64 uebung) const
{
    std::vector<Urteil> liste;
    if (!IstOffen())
        return liste;
    QSqlQuery q(QSqlDatabase::database(verbindung_, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM urteil WHERE uebung = ? ORDER BY id").arg(QLatin1String(UrteilSpalten)));
    q.addBindValue(uebung);
    q.exec();
    while (q.next())
        liste.push_back(LeseUrteil(q));
    return liste;
}

int VerlaufSpeicher::AnzahlUrteile() const
{
    if (!IstOffen())
        return 0;
    QSqlQuery q(QSqlDatabase::database(verbindung_, false));
    return q.exec(QStringLiteral("SELECT COUNT(*) FROM urteil")) && q.next() ? q.value(0).toInt() : 0;
}

bool VerlaufSpeicher::HatVerlauf() const
{
    if (!IstOffen())
        return false;
    QSqlQuery q(QSqlDatabase::database(verbindung_, false));
    return q.exec(QStringLiteral("SELECT EXISTS (SELECT 1 FROM urteil) OR EXISTS (SELECT 1 FROM uebung)")) && q.next()
        && q.value(0).toBool();
}

std::vector<HaeufigerFehler> VerlaufSpeicher::HaeufigsteFehler(int hoechstens) const
{
    std::vector<HaeufigerFehler> liste;
    if (!IstOffen())
        return liste;
    QSqlQuery q(QSqlDatabase::database(verbindung_, false));
    q.setForwardOnly(true);
    // The latest wrong first attempt of each exercise stands for the group.
    q.prepare(QStringLiteral("SELECT %1, n FROM urteil JOIN (SELECT MAX(id) AS letzte, COUNT(*) AS n FROM urteil"
                             " WHERE verdikt = 3 GROUP BY %2) ON id = letzte ORDER BY n DESC, zeit DESC LIMIT ?")
                  .arg(QLatin1String(UrteilSpalten), QLatin1String(Schluessel)));
    q.addBindValue(hoechstens);
    q.exec();
    while (q.next()) {
        const Urteil u = LeseUrteil(q);
        liste.push_back({u.aufgabe, u.termAnzeige, u.erwartet, q.value(19).toInt(), u.zeit});
    }
    return liste;
}

std::vector<ErsterVersuch> VerlaufSpeicher::ErsteVersucheFehlerhafter() const
{
    std::vector<ErsterVersuch> liste;
    if (!IstOffen())
        return liste;
    QSqlQuery q(QSqlDatabase::database(verbindung_, false));
    q.setForwardOnly(true);
    q.exec(QStringLiteral("SELECT %1 FROM urteil WHERE verdikt IN (1, 3) AND (%2) IN"
                          " (SELECT %2 FROM urteil WHERE verdikt = 3) ORDER BY zeit, id")
               .arg(QLatin1String(UrteilSpalten), QLatin1String(Schluessel)));
    while (q.next())
        liste.push_back(AlsErsterVersuch(LeseUrteil(q)));
    return liste;
}

std::vector<ErsterVersuch> VerlaufSpeicher::ErsteVersucheSeit(const QDateTime& seit) const
{
    std::vector<ErsterVersuch> liste;
    if (!IstOffen())
        return liste;
    QSqlQuery q(QSqlDatabase::database(verbindung_, false));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM urteil WHERE verdikt IN (1, 3) AND zeit >= ? ORDER BY zeit, id")
                  .arg(QLatin1String(UrteilSpalten)));
    q.addBindValue(Ms(seit));
    q.exec();
    while (q.next())
        liste.push_back(AlsErsterVersuch(LeseUrteil(q)));
    return liste;
}

bool VerlaufSpeicher::LoescheAlles()
{
    const QString pfad = pfad_;
    if (IstOffen()) {
        Ausfuehren(QStringLiteral("DELETE FROM urteil"));
        Ausfuehren(QStringLiteral("DELETE FROM uebung"));
    }
    Schliessen();
    zustand_ = VerlaufZustand::Geschlossen;
    bool ok = true;
    for (const char* endung : {"", "-wal", "-shm"}) {
        const QString datei = pfad + QLatin1String(endung);
        if (QFile::exists(datei))
            ok = QFile::remove(datei) && ok;
    }
    return ok;
}
