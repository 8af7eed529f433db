#pragma once
#include <QDialog>
#include <QString>

class QGroupBox;
class QLineEdit;
class QPushButton;

// Lets the pupil choose how many pages (3 … 10) an integer drill runs over.
// OK stores the number in GewaehlteDurchgaenge, which every integer drill
// starts with; "Schließen" leaves it as it was.
class TfrmMaxanzahl : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMaxanzahl(QWidget* parent = nullptr);

    static constexpr int ClientBreite = 392;
    static constexpr int ClientHoehe = 173;

    QGroupBox* grpMax = nullptr;
    QLineEdit* edtMaxzahl = nullptr; // digits only, whether typed, pasted or dropped
    QPushButton* BitBtn1 = nullptr;  // "Schließen": closes without taking the value
    QPushButton* BitBtn2 = nullptr;  // "OK": takes the value and closes

    // Checks the box as it is left: empty becomes "3" silently; a number
    // outside 3 … 10 is told and replaced by "3". Returns whether the box held
    // a number that may be taken as it was (empty counts as 3).
    bool edtMaxzahlExit();
    // Takes the value and closes; a value out of range is told and the
    // dialog stays open with "3" in the box.
    void BitBtn2Click();

    // The last text read from the box.
    QString Gelesen() const { return gelesen_; }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    QString gelesen_;
    bool prueft_ = false;
};

inline TfrmMaxanzahl* frmMaxanzahl = nullptr;
