#pragma once
#include "core/Bildschirm.h"

#include <QMainWindow>

#include <array>

class Canvas;
class PaintBox;
class QAction;
class QDialog;
class QLabel;
class QMenu;

// The screens the main menu opens. main.cpp creates each form and hands it to
// the main window with SetzeFormular; until then every menu item that opens
// it stays disabled.
enum class Formular {
    GanzUebung,
    GanzEinstieg,
    GanzMuster,
    Maxanzahl,
    RationalUebAddSub,
    RationalEinstieg,
    RationalUebMultDiv,
    RationalUebGem,
    Information,
    Anzahl_ // number of entries, not a screen
};

// The title screen with the main menu, the one way into every screen.
class TfrmMinusland : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMinusland(QWidget* parent = nullptr);

    static constexpr int ClientBreite = 1016;
    static constexpr int ClientHoehe = 722;

    // Registers the single instance of a screen and enables the menu items
    // that open it (nullptr disables them again).
    void SetzeFormular(Formular formular, QDialog* form);
    QDialog* FormularVon(Formular formular) const;

    // The status pictures and attempt marks, never shown here: the drill
    // screens copy their pixmaps. imgB neutral, imgG right at the first
    // attempt, imgR wrong, imgO right at the second attempt (63 × 69 each);
    // img1 right mark, img2 wrong mark (40 × 40). All with transparency.
    QLabel* imgB = nullptr;
    QLabel* imgG = nullptr;
    QLabel* imgR = nullptr;
    QLabel* imgO = nullptr;
    QLabel* img1 = nullptr;
    QLabel* img2 = nullptr;

    QLabel* imgTitelbild = nullptr;
    QLabel* lblText1 = nullptr;
    QLabel* lblText2 = nullptr;
    QLabel* lblPositiv = nullptr;
    QLabel* lblNegativ = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblHinweis = nullptr;
    PaintBox* pntHintergrund = nullptr;

    // Screen-size test; the overload takes the screen size for tests.
    void FormActivate();
    void FormActivate(QSize bildschirm);
    // The striped backdrop over the client area (rows counted from its top),
    // drawn as far down as the window's outer height reaches.
    void FormPaint(Canvas& canvas);
    static void MaleHintergrund(Canvas& canvas, int breite, int hoehe);

    // Menu handlers. "sender" is the menu item or submenu that fired.
    void menBeendenClick();
    void menGanzClick();
    void menEinstiegGClick();
    void menMusterGClick(QObject* sender);
    void menWahlGanzClick(QObject* sender);
    void menGanzAddClick(QObject* sender);
    void menGanzSubClick(QObject* sender);
    void menGanzAddSubClick(QObject* sender);
    void menGanzSubKlClick(QObject* sender);
    void menGanzAddSubKlClick(QObject* sender);
    void menGanzAddSubBetClick(QObject* sender);
    void menGanzMultClick(QObject* sender);
    void menGanzDivClick(QObject* sender);
    void menGanzAlleClick(QObject* sender);
    void menDurchgaengeClick();
    void menRationalClick();
    void menEinstiegRClick();
    void menWahlRationalClick(QObject* sender);
    void menRationalAddClick(QObject* sender);
    void menRationalSubClick(QObject* sender);
    void menRationalMultClick(QObject* sender);
    void menRationalDivClick(QObject* sender);
    void menRationalGemClick(QObject* sender);
    void menInfoClick();

    // Hides the main window, shows the screen modally, shows the main window
    // again and, for a drill, sets its level variable back to 0.
    void ZeigeBildschirm(Formular formular, int* stufe);

signals:
    // The main window was closed; the program ends.
    void Beendet();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BaueOberflaeche();
    void BaueMenue();
    QMenu* Untermenue(QMenu* oben, const char* name, const QString& titel);
    QAction* Befehl(QMenu* menue, const char* name, const QString& titel, Formular formular);
    QAction* Trenner(QMenu* menue, const char* name);
    // A kind's submenu with its level items named prefix + ending.
    QMenu* Artmenue(QMenu* oben, const char* name, const QString& titel, const char* prefix,
                    std::initializer_list<const char*> endungen, Formular formular,
                    void (TfrmMinusland::*handler)(QObject*));
    void OeffneUebung(int& stufe, QObject* sender, Formular formular);
    void AktualisiereMenue();
    void LegeUntereZeilenAn();

    std::array<QDialog*, size_t(Formular::Anzahl_)> formulare_{};
    // Menu items (and kinds' submenus) that need a screen to be useful.
    std::array<QList<QAction*>, size_t(Formular::Anzahl_)> befehle_;
    QWidget* client_ = nullptr;
};

// The single main window.
inline TfrmMinusland* frmMinusland = nullptr;
