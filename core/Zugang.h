#pragma once
#include <QColor>
#include <QString>

#include <functional>

class QAccessibleEvent;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QPainter;
class QRect;
class QWidget;

// What keyboard and screen-reader users need beyond the controls' own
// behaviour, shared by every screen.

// Once at start-up, before the forms are created: a focus frame that is
// clearly visible on buttons, radio buttons and edit boxes, a press and
// release of Alt that puts the keyboard into the menu bar (the screens' menu
// items carry no mnemonics), and the accessibility interfaces of counters and
// feedback lines below. Calling it again does nothing.
void ZugangEinrichten();

// The frame colour and width the focus frames use (the number line draws its
// own in the same way).
QColor FokusFarbe();
inline constexpr int FokusBreite = 3;
// Draws the focus frame just inside r.
void ZeichneFokusrahmen(QPainter* painter, const QRect& r);

// A feedback or instruction line: its accessible name is its text (lines
// joined), or leerName while it is empty.
void MacheMeldungszeile(QLabel* label, const QString& leerName);

// Sets the text of a line and tells assistive technology at once: name and
// value changed, and an alert, so that a verdict is spoken when it appears.
void SetzeMeldung(QLabel* label, const QString& text);
// The same announcement for a text already set.
void KuendigeAn(QWidget* widget);

// An answer box described for screen readers: the accessible description is
// the spoken sentence, the exercise as shown (glyphs) stays readable in the
// property "aufgabentext".
void BeschreibeAufgabe(QWidget* feld, const QString& gezeigt, const QString& gesprochen);
inline const char* const EigenschaftAufgabentext = "aufgabentext";

// A counter: group box with one value label ("Punkte" with "2,5"). Both the
// group and the label are read as "Punkte: 2,5", always with the value the
// label shows now.
void MacheZaehler(QGroupBox* gruppe, QLabel* wert);
// "Punkte: 2,5" for a counter group (its title without the blanks).
QString ZaehlerText(const QGroupBox* gruppe);
// Sets a counter's value and announces the changed name.
void SetzeZaehler(QLabel* wert, const QString& text);

// Raises an accessibility event. Every event the program raises itself goes
// through here, so that a test can watch them: without a screen reader on
// the session Qt drops events before any handler of its own sees them.
void ZugangMelden(QAccessibleEvent* ereignis);
using ZugangBeobachter = void (*)(QAccessibleEvent* ereignis);
// Installs the watcher (nullptr removes it); it sees each event first.
void SetzeZugangBeobachter(ZugangBeobachter beobachter);

// Keeps a display-mode choice and the mode in step however a radio button is
// changed: a click, the arrow keys, Space, Enter, or an assistive technology's
// "Toggle" or "Press" action. A change to id calls wechsle(id), exactly as a
// click does, when erlaubt() says the mode may change; otherwise the choice
// goes back to modus(). Setting the button of the current mode from code
// (modus() already equal) calls nothing.
void VerbindeDarstellung(QButtonGroup* gruppe, std::function<int()> modus, std::function<bool()> erlaubt,
                         std::function<void(int id)> wechsle);
