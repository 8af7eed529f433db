#pragma once
#include "drill/Aufgabenquelle.h"
#include "drill/Urteil.h"
#include "rational/RationalKatalog.h"

#include <QDialog>

#include <functional>
#include <memory>

class KlassencodeFeld;
class QAction;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QMenuBar;
class TDrillRahmen;

// "Mit Klassencode üben": asks for the class code of a worksheet (and its
// group) so the pupil can work the sheet's exercises on screen.
class KlassencodeDialog : public QDialog {
    Q_OBJECT
public:
    explicit KlassencodeDialog(QWidget* parent = nullptr);

    KlassencodeFeld* edtKlassencode = nullptr;
    QComboBox* cmbGruppe = nullptr;
    QLabel* lblMeldung = nullptr;
    QDialogButtonBox* knoepfe = nullptr;

    QString Code() const;
    int Gruppe() const; // 0 = A (also a sheet without groups)

    void accept() override;
};

// Adds "Mit Klassencode üben …" to a drill screen's menu bar. When chosen
// with a drill open, it asks for the code and hands the screen a source with
// the sheet's exercises through setzeQuelle, which also starts the drill afresh.
QAction* KlassencodeEintrag(QMenuBar* leiste, QDialog* bildschirm, Zahlenbereich bereich,
                            std::function<void(std::unique_ptr<Aufgabenquelle>)> setzeQuelle);

// The same for a drill screen: its own menu bar, source and fresh start.
QAction* KlassencodeUeben(TDrillRahmen* bildschirm, Zahlenbereich bereich);
