#pragma once
#include "core/OneBased.h"
#include "intro/EinstiegForm.h"
#include "intro/EinstiegZustand.h"

class TMyShape;
class TZahlengeradeTasten;

// Introduction to the integers: an overview page and four small exercises
// (thermometer, number line, ordering, absolute value), chosen in the menu.
class TfrmGanzEinstieg : public TfrmEinstiegBasis {
    Q_OBJECT
public:
    explicit TfrmGanzEinstieg(QWidget* parent = nullptr);

    QAction* menTemp = nullptr;
    QAction* menGerade = nullptr;
    QAction* menOrdnen = nullptr;
    QAction* menBetrag = nullptr;
    OneBased<TMyShape*, 25> shp; // shp01 … shp25
    // The keyboard path on the number line of the click exercise.
    TZahlengeradeTasten* geradeTasten = nullptr;

    // The state of the page shown (read by tests and the painter).
    const TGanzEinstieg& Zustand() const { return e_; }

    // Starts an exercise of page 1 … 4 as the menu item of that page does.
    void menArtClick(int page);
    void btnWiederholungClick();

protected:
    void FormActivate() override;
    void EdtExit(int item) override;
    void EdtChange(int item) override;

private:
    void FormCreate();
    void StartExercise(int page);
    void EnableChoice(bool enabled);
    void UpdateControls();
    void shpMouseLeave(TMyShape* sender);
    void shpMouseDown(TMyShape* sender);

    TGanzEinstieg e_;
};

inline TfrmGanzEinstieg* frmGanzEinstieg = nullptr;
