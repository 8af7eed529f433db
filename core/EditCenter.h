#pragma once
#include <QLineEdit>

// An edit box whose text is centred, for the answer boxes the introductions
// create at run time.
class TEditCenter : public QLineEdit {
    Q_OBJECT
public:
    explicit TEditCenter(QWidget* parent = nullptr);
};
