#pragma once
#include "intro/EinstiegForm.h"
#include "intro/EinstiegZustand.h"

// Introduction to the rational numbers: an overview page and two exercises
// with fractions (ordering, absolute value), chosen in the menu.
class TfrmRationalEinstieg : public TfrmEinstiegBasis {
    Q_OBJECT
public:
    explicit TfrmRationalEinstieg(QWidget* parent = nullptr);

    QAction* menOrdnen = nullptr;
    QAction* menBetrag = nullptr;

    const TRationalEinstieg& Zustand() const { return e_; }

    // Starts an exercise of page 1 (ordering) or 2 (absolute value).
    void menArtClick(int page);
    void btnWiederholungClick();

protected:
    void FormActivate() override;
    void EdtExit(int item) override;
    void EdtChange(int item) override;

private:
    void EnableChoice(bool enabled);
    void UpdateControls();

    TRationalEinstieg e_;
};

inline TfrmRationalEinstieg* frmRationalEinstieg = nullptr;
