#pragma once
#include "drill/Urteil.h"
#include "history/VerlaufSpeicher.h"

#include <QObject>
#include <QString>

#include <memory>

class QThread;
class VerlaufSchreiber;

// Listens to every drill's reports and keeps them in the store while the
// pupil has switched "Ergebnisse speichern" on. The writing runs on a thread
// of its own: the drill only hands the report over (microseconds), the
// thread commits it at once, each report in its own transaction. Measured on
// the UI thread a commit took up to several milliseconds now and then
// (bench/README.md), too long to make a pupil's answer wait for.
//
// A store that cannot be used never stops a drill: the reports are dropped
// and the pupil is told once per run (Stoerung). Nothing is opened at
// start-up unless the switch is on.
class VerlaufAufzeichnung : public QObject {
    Q_OBJECT
public:
    // pfad: the store's file; empty for the file in the user's data folder.
    explicit VerlaufAufzeichnung(const QString& pfad = {}, QObject* parent = nullptr);
    // Waits until every report handed over is written.
    ~VerlaufAufzeichnung() override;

    // The switch, remembered between runs (QSettings, off by default).
    static bool GespeichertEingeschaltet();
    static void SpeichereSchalter(bool an);
    bool Eingeschaltet() const { return eingeschaltet_; }
    // Switched on, the store is opened (on the writing thread) at once, so a
    // fault shows before the first drill.
    void SetzeEingeschaltet(bool an);
    // With the switch on: opens the store on the writing thread now (at
    // start-up), so a fault is told before the first drill.
    void Bereitstellen();

    // The store for reading on this thread, opened now if needed; nullptr
    // when it cannot be used (the reason went out through Stoerung once).
    VerlaufSpeicher* Speicher();
    QString Pfad() const { return pfad_; }

    // Returns once every report handed over so far is written.
    void Warte();

    // Removes every stored result and the file; the next write starts anew.
    bool Loeschen();

    // The drill screen was left: an unfinished drill stays as it is and the
    // next judgement begins a new drill.
    void UebungVerlassen();

    // The reports (connected to DrillBericht()).
    void Beurteilt(const Urteil& urteil);
    void Beendet(const DrillAbschluss& abschluss);

    // The one sentence that tells the pupil about a store fault.
    static QString Meldungstext(VerlaufZustand zustand, const QString& beiseite = {});

signals:
    void Stoerung(const QString& satz);
    // A report is committed (count since start).
    void Gespeichert(int anzahl);

private:
    void Melde(VerlaufZustand zustand, const QString& beiseite);
    void StarteSchreiber();

    QString pfad_;
    bool eingeschaltet_ = false;
    bool gemeldet_ = false;
    bool versucht_ = false;
    std::unique_ptr<VerlaufSpeicher> lesen_;
    QThread* faden_ = nullptr;
    VerlaufSchreiber* schreiber_ = nullptr;
};
