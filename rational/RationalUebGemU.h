#pragma once
#include "rational/RationalUebung.h"

// All four operations with fractions mixed.
class TfrmRationalUebGem : public TfrmRationalUebung {
    Q_OBJECT
public:
    explicit TfrmRationalUebGem(QWidget* parent = nullptr);
};

// The one instance, created at program start.
inline TfrmRationalUebGem* frmRationalUebGem = nullptr;
