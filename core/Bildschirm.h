#pragma once
#include <QDialog>

// True while the screen measures exactly 1024 × 768 pixels (set by the main
// window each time it becomes active); the rational drill screens then
// maximise.
inline bool Vollbild = false;

// A screen that the main menu opens modally. Its opening steps
// (FormActivate) run once for each opening: coming back from a message box
// or from another dialog shown over it, or the window system restoring it,
// re-activates the window but is no new opening and must not cost the pupil
// the page.
class TBildschirm : public QDialog {
    Q_OBJECT
public:
    explicit TBildschirm(QWidget* parent = nullptr, Qt::WindowFlags flags = {});

    // True from the start of an opening until the screen closes.
    bool Offen() const { return offen_; }

    void done(int result) override;

protected:
    virtual void FormActivate() = 0;

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Escape would throw the work away unasked: screens close through their
    // menu item or the close box. Enter presses the focused button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool offen_ = false;
};
