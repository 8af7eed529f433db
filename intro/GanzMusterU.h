#pragma once
#include "intro/EinstiegZustand.h"

#include <QDialog>

class PaintBox;
class QAction;
class QFrame;
class QMenuBar;
class QPushButton;

// Worked examples of integer addition or subtraction (by ArtGanz): two
// thermometers, or money notes that build up a balance step by step.
class TfrmGanzMuster : public QDialog {
    Q_OBJECT
public:
    explicit TfrmGanzMuster(QWidget* parent = nullptr);

    QMenuBar* MainMenu = nullptr;
    QAction* menSchliessen = nullptr;
    QAction* menThermo = nullptr;
    QAction* menGeld = nullptr;
    QWidget* Client = nullptr;
    PaintBox* pnt = nullptr;
    QFrame* bevRahmen = nullptr;
    QPushButton* btnWiederholung = nullptr;
    QPushButton* btnWeiter = nullptr;

    const TGanzMuster& Zustand() const { return m_; }

    void menThermoClick();
    void menGeldClick();
    void btnWeiterClick();
    void btnWiederholungClick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FormActivate();
    void Describe();

    TGanzMuster m_;
    bool opened_ = false;
};

inline TfrmGanzMuster* frmGanzMuster = nullptr;
