#pragma once
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class TfrmMinusland;
class TfrmVerlauf;
class VerlaufAufzeichnung;
struct FehlerPlan;

// The main menu's "Verlauf": the switch "Ergebnisse speichern" (remembered,
// off by default), "Mein Verlauf …", "Fehler üben …" and "Verlauf löschen …".
// It owns the recording of the drills' reports. A store fault is told once,
// never over a drill: a fault found during a drill waits until the main
// window is back.
class VerlaufMenue : public QObject {
    Q_OBJECT
public:
    // pfad: the store's file; empty for the one in the user's data folder.
    explicit VerlaufMenue(TfrmMinusland* hauptfenster, const QString& pfad = {});
    ~VerlaufMenue() override;

    VerlaufAufzeichnung* Aufzeichnung() const { return aufzeichnung_; }
    TfrmVerlauf* Fenster() const;

    QMenu* menVerlauf = nullptr;
    QAction* menErgebnisseSpeichern = nullptr;
    QAction* menMeinVerlauf = nullptr;
    QAction* menFehlerUeben = nullptr;
    QAction* menVerlaufLoeschen = nullptr;

    void menErgebnisseSpeichernClick(bool an);
    void menMeinVerlaufClick();
    void menFehlerUebenClick();
    void menVerlaufLoeschenClick();

    // Opens the drill screen of the plan's number range on its pages.
    void UebeFehler(const FehlerPlan& plan);

protected:
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void Stoerung(const QString& satz);
    void ZeigeWartendeMeldung();

    TfrmMinusland* hauptfenster_;
    VerlaufAufzeichnung* aufzeichnung_;
    QPointer<TfrmVerlauf> fenster_;
    QString wartend_;
};

// Puts "Verlauf" into the main menu (at its end) and, with the switch on,
// opens the store on the writing thread, so a fault is told at start.
VerlaufMenue* VerlaufEinbinden(TfrmMinusland* hauptfenster, const QString& pfad = {});
