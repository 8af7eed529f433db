#pragma once
#include "drill/Urteil.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <optional>
#include <vector>

// The pupil's results on disk: one SQLite file with every finished drill and
// every judgement. Each write is its own transaction in WAL mode, so a killed
// program keeps everything judged before. The store never throws and never
// stops a drill: a file it cannot use leaves it closed with a reason.

// The schema version this program writes; older files are migrated.
inline constexpr int VerlaufSchemaVersion = 2;

enum class VerlaufZustand {
    Geschlossen,   // not opened yet, or closed
    Offen,         // ready
    Ersetzt,       // the file was damaged; it was moved aside, a new one is open
    Neuer,         // written by a newer program: left alone, not opened
    Unbeschreibbar, // folder or file read-only, disk full, or cannot be created
};

// A drill as stored: open from its first judgement, finished by the drill end.
struct GespeicherteUebung {
    qint64 id = 0;
    QDateTime begonnen;
    QDateTime beendet; // invalid while unfinished
    Zahlenbereich bereich = Zahlenbereich::Ganz;
    int art = 0;
    int stufe = 0;
    bool vereinfacht = false;
    QString klassencode;
    bool wiederholung = false;
    double punkte = 0;
    int versuche = 0;
    int prozent = 0;
    bool Fertig() const { return beendet.isValid(); }
};

// An exercise answered wrong at the first attempt, with how often.
struct HaeufigerFehler {
    AufgabenHerkunft aufgabe;
    QString termAnzeige; // as last shown
    QString erwartet;    // the result as last expected
    int anzahl = 0;
    QDateTime zuletzt;
};

// One first attempt at an exercise (right or wrong), in time order: what the
// spaced-practice choice works on.
struct ErsterVersuch {
    AufgabenHerkunft aufgabe;
    bool vereinfacht = false; // the mode the stored term was written for
    bool richtig = false;
    bool wiederholung = false;
    QDateTime zeit;
};

class VerlaufSpeicher {
public:
    VerlaufSpeicher();
    ~VerlaufSpeicher();
    VerlaufSpeicher(const VerlaufSpeicher&) = delete;
    VerlaufSpeicher& operator=(const VerlaufSpeicher&) = delete;

    // The file in the user's data folder.
    static QString StandardPfad();

    // Opens (and creates or migrates) the file. A damaged file is renamed to
    // "<name>.defekt-<date-time>" together with its journal files, and a new
    // one started. Cheap when the file is fine.
    VerlaufZustand Oeffnen(const QString& pfad);
    void Schliessen();
    bool IstOffen() const;
    VerlaufZustand Zustand() const { return zustand_; }
    QString Pfad() const { return pfad_; }
    // Where a damaged file went (empty when none was moved).
    QString BeiseitePfad() const { return beiseite_; }
    // The SQLite message of the last failure, for the log.
    QString LetzterFehler() const { return fehler_; }

    // Writing; false when the write failed (nothing half written stays).
    std::optional<qint64> BeginneUebung(const Urteil& erstes);
    bool SchreibeUrteil(qint64 uebung, const Urteil& urteil);
    bool BeendeUebung(qint64 uebung, const DrillAbschluss& abschluss);
    // A drill end without any judgement before it (nothing to attach to).
    std::optional<qint64> SchreibeAbschluss(const DrillAbschluss& abschluss);

    // Reading.
    std::vector<GespeicherteUebung> Uebungen(bool nurFertige = true) const;
    std::vector<Urteil> Urteile(qint64 uebung) const;
    int AnzahlUrteile() const;
    std::vector<HaeufigerFehler> HaeufigsteFehler(int hoechstens) const;
    // First attempts (verdicts right or wrong at the first attempt) at every
    // exercise ever answered wrong at the first attempt, oldest first.
    std::vector<ErsterVersuch> ErsteVersucheFehlerhafter() const;
    // All first attempts since a moment, oldest first.
    std::vector<ErsterVersuch> ErsteVersucheSeit(const QDateTime& seit) const;
    bool HatVerlauf() const;

    // Removes every stored result and the file itself.
    bool LoescheAlles();

private:
    VerlaufZustand OeffneDatei(bool& beschaedigt);
    bool Migriere(int von);
    bool Ausfuehren(const QString& sql);
    void MerkeFehler(const QString& wo, const QSqlError& fehler);
    bool SchiebeBeiseite();

    QString verbindung_;
    QString pfad_;
    QString beiseite_;
    QString fehler_;
    VerlaufZustand zustand_ = VerlaufZustand::Geschlossen;
};

// Builds the schema of exactly version `bis` in an open database; the tests
// make old files with it. Returns false on a failed statement.
bool VerlaufMigration(QSqlDatabase& db, int von, int bis);
