#pragma once
#include "core/Bildschirm.h"
#include "intro/EinstiegZustand.h"

#include <QDialog>

class PaintBox;
class QAction;
class QFrame;
class QMenuBar;
class QPushButton;

// Worked examples of integer addition or subtraction (by ArtGanz): two
// thermometers, or money notes that build up a balance step by step.
class TfrmGanzMuster : public TBildschirm {
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
    void FormActivate() override;

private:
    void Describe();

    TGanzMuster m_;
};

inline TfrmGanzMuster* frmGanzMuster = nullptr;
