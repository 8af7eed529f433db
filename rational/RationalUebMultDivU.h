#pragma once
#include "rational/RationalUebung.h"

// Multiplication and division of fractions.
class TfrmRationalUebMultDiv : public TfrmRationalUebung {
    Q_OBJECT
public:
    explicit TfrmRationalUebMultDiv(QWidget* parent = nullptr);
};

// The one instance, created at program start.
inline TfrmRationalUebMultDiv* frmRationalUebMultDiv = nullptr;
