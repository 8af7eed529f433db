#pragma once
#include "history/VerlaufDiagramm.h"
#include "history/VerlaufSpeicher.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

// "Mein Verlauf": per kind and level the drills done, the last and the best
// percentage and a chart of the percentage over time; the latest drills; the
// exercises most often answered wrong; the export for the teacher.
class TfrmVerlauf : public QDialog {
    Q_OBJECT
public:
    explicit TfrmVerlauf(QWidget* parent = nullptr);

    // Reads everything shown from the store (nullptr: nothing stored).
    void Laden(const VerlaufSpeicher* speicher);
    // Writes the CSV; false (and the pupil told) when it could not be written.
    bool Exportiere(const QString& pfad);

    // One line of the first table: a kind and level, or "Fehler üben" of a
    // number range.
    struct Gruppe {
        QString name;
        std::vector<GespeicherteUebung> uebungen; // oldest first
        int Beste() const;
        int Letzte() const;
    };
    const std::vector<Gruppe>& Gruppen() const { return gruppen_; }
    void ZeigeDiagramm(int gruppe);

    QLabel* lblTitel = nullptr;
    QTableWidget* tblUebungen = nullptr;
    // The chart view of the module, or a notice in its place.
    QWidget* chtVerlauf = nullptr;
    QLabel* lblLetzte = nullptr;
    QTableWidget* tblLetzte = nullptr;
    QLabel* lblFehler = nullptr;
    QTableWidget* tblFehler = nullptr;
    QPushButton* btnExport = nullptr;
    QPushButton* btnSchliessen = nullptr;

    static constexpr int LetzteAnzahl = 30;
    static constexpr int FehlerAnzahl = 15;

private:
    void btnExportClick();

    DiagrammZeige zeige_ = nullptr;
    std::vector<Gruppe> gruppen_;
    std::vector<GespeicherteUebung> alle_;
};
