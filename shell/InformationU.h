#pragma once
#include <QDialog>
#include <QStringList>

class Canvas;
class PaintBox;
class QAction;
class QLabel;
class QMenuBar;

// A short history of negative numbers: painted text with names and key terms
// in red, and four pictures beside it. Read-only; "Schließen" closes it.
class TfrmInformation : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInformation(QWidget* parent = nullptr);

    static constexpr int ClientBreite = 1016;
    static constexpr int ClientHoehe = 722;

    QMenuBar* MainMenu1 = nullptr;
    QAction* menSchliessen = nullptr;
    PaintBox* pntInfo = nullptr; // the form's canvas: the client area below the menu
    QLabel* img01 = nullptr;
    QLabel* img02 = nullptr;
    QLabel* img03 = nullptr;
    QLabel* img04 = nullptr;

    void FormActivate();
    void FormPaint(Canvas& canvas);
    void menSchliessenClick();

    // The painted lines without marks, top to bottom (what a screen reader
    // is given).
    static QStringList Zeilen();

protected:
    void changeEvent(QEvent* event) override;
    // Decodes the pictures once, at the first activation.
    void LadeBilder();
    void showEvent(QShowEvent* event) override;
};

inline TfrmInformation* frmInformation = nullptr;
