#pragma once
#include "core/AntwortFeld.h"

// An answer box whose text is centred, for the answer boxes the introductions
// create at run time. Its characters and its leave rule are the answer box's.
class TEditCenter : public TAntwortFeld {
    Q_OBJECT
public:
    explicit TEditCenter(QWidget* parent = nullptr, int zeile = 0);
};
