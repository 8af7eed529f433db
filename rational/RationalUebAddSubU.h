#pragma once
#include "rational/RationalUebung.h"

// Addition and subtraction of fractions and decimal numbers.
class TfrmRationalUebAddSub : public TfrmRationalUebung {
    Q_OBJECT
public:
    explicit TfrmRationalUebAddSub(QWidget* parent = nullptr);
};

// The one instance, created at program start.
inline TfrmRationalUebAddSub* frmRationalUebAddSub = nullptr;
