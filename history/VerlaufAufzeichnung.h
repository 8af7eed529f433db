#pragma once
#include "drill/Urteil.h"
#include "history/VerlaufSpeicher.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

// Listens to every drill's reports and keeps them in the store while the
// pupil has switched "Ergebnisse speichern" on. The store is opened on first
// use, not at start-up. A store that cannot be used never stops a drill: the
// reports are dropped and the pupil is told once per run (Stoerung).
class VerlaufAufzeichnung : public QObject {
    Q_OBJECT
public:
    // pfad: the store's file; empty for the file in the user's data folder.
    explicit VerlaufAufzeichnung(const QString& pfad = {}, QObject* parent = nullptr);
    ~VerlaufAufzeichnung() override;

    // The switch, remembered between runs (QSettings, off by default).
    static bool GespeichertEingeschaltet();
    bool Eingeschaltet() const { return eingeschaltet_; }
    void SetzeEingeschaltet(bool an);

    // The open store, opened now if needed; nullptr when it cannot be used
    // (the reason went out through Stoerung once).
    VerlaufSpeicher* Speicher();
    QString Pfad() const { return pfad_; }

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

private:
    void Melde(VerlaufZustand zustand);
    bool PasstZurOffenen(const Urteil& urteil) const;

    QString pfad_;
    bool eingeschaltet_ = false;
    bool gemeldet_ = false;
    bool versucht_ = false;
    std::unique_ptr<VerlaufSpeicher> speicher_;
    struct Offen {
        qint64 id = 0;
        Zahlenbereich bereich = Zahlenbereich::Ganz;
        bool wiederholung = false;
        QString klassencode;
    };
    std::optional<Offen> offen_;
};
