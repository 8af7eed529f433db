#pragma once
#include "worksheet/Arbeitsblatt.h"

#include <QDialog>

#include <functional>

class KlassencodeFeld;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

// "Arbeitsblatt": the teacher chooses number range, kind, level, mode, number
// of exercises, groups and class code (a fresh one is proposed) and saves the
// sheet as PDF or prints it.
class ArbeitsblattDialog : public QDialog {
    Q_OBJECT
public:
    explicit ArbeitsblattDialog(QWidget* parent = nullptr);

    QRadioButton* rbGanz = nullptr;
    QRadioButton* rbRational = nullptr;
    QComboBox* cmbArt = nullptr;
    QComboBox* cmbStufe = nullptr;
    QComboBox* cmbDarstellung = nullptr;
    QSpinBox* spnAnzahl = nullptr;
    QSpinBox* spnGruppen = nullptr;
    KlassencodeFeld* edtKlassencode = nullptr;
    QPushButton* btnNeuerCode = nullptr;
    QLabel* lblMeldung = nullptr;
    QPushButton* btnPdf = nullptr;
    QPushButton* btnDrucken = nullptr;
    QPushButton* btnSchliessen = nullptr;

    BlattAuswahl Auswahl() const;

    // The file and print dialogs; tests replace them.
    std::function<QString(QWidget* eltern, const QString& vorschlag)> DateiWaehlen;
    std::function<bool(QWidget* eltern, const BlattAuswahl& auswahl, QString* fehler)> Drucken;

    // The steps behind the buttons: true when the sheet was saved or printed.
    bool AlsPdfSpeichern();
    bool BlattDrucken();

private:
    void ArtenFuellen();
    void StufenFuellen();
    void Pruefen();
    void Melde(const QString& text, bool fehler);
};

// Opens the dialog modally over the main window.
void ZeigeArbeitsblattDialog(QWidget* eltern);
