// Random walks through every drill screen, the introductions and the worked
// examples (offscreen, seeded): thousands of actions a pupil could take —
// keys from the whole keyboard, pastes, focus moves, clicks on buttons, radio
// items and anywhere on the screen, the menu items, "Schließen" and opening
// again — mixed with right and wrong answers so that the walks reach the end
// of drills. After every action the drill state must hold together (points
// never above attempts, page counters in range, a finished line without its
// box, at most one level chosen); a message box or the evaluation on the way
// is answered; nothing may crash or block.
//
// ML_WALK_ACTIONS sets the actions per screen (default 2000), ML_WALK_SEED
// the seed; a failure prints the seed and the last actions.
#include "common/ModalHelper.h"
#include "core/EditCenter.h"
#include "core/MyShape.h"
#include "core/NumberHelpers.h"
#include "core/Random.h"
#include "integer/AuswertungU.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzUebungU.h"
#include "intro/EinstiegGanzU.h"
#include "intro/EinstiegRationalU.h"
#include "intro/GanzMusterU.h"
#include "rational/RationalPruefung.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalUebAddSubU.h"
#include "rational/RationalUebGemU.h"
#include "rational/RationalUebMultDivU.h"
#include "rational/RationalUebung.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QStringList>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <random>

// The screens seed the random generator from the clock when they open; the
// walk gives them its own seeds instead (the seed hook), so that every run
// draws the same exercises and a failure can be replayed.
namespace {
quint64 naechsteSaat = 1;
quint64 WalkSaat()
{
    return naechsteSaat++;
}
}

namespace {

int Aktionen()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("ML_WALK_ACTIONS", &ok);
    return ok && n > 0 ? n : 2000;
}

quint32 Saat()
{
    bool ok = false;
    const int s = qEnvironmentVariableIntValue("ML_WALK_SEED", &ok);
    return ok ? quint32(s) : 20240601u;
}

// What a screen of the walk needs beyond the generic actions.
struct Bildschirm {
    QDialog* form = nullptr;
    // Sets the selection as the menu does and shows the screen.
    std::function<void(std::mt19937&)> oeffne;
    // Empty when the state holds together, else what is wrong.
    std::function<QString()> pruefe;
    // The state in one line, for the trace (ML_WALK_TRACE=1).
    std::function<QString()> zustand;
    // Types an answer, right or wrong, into the box with the focus; false
    // when no answer box has it.
    std::function<bool(std::mt19937&, bool richtig)> antworte;
};

int Zahl(std::mt19937& z, int lo, int hi)
{
    return std::uniform_int_distribution<int>(lo, hi)(z);
}

// One key event pair to the widget with the focus (or the form).
void Taste(QWidget* ziel, int key, Qt::KeyboardModifiers mod, const QString& text)
{
    QPointer<QWidget> w = ziel;
    QKeyEvent druck(QEvent::KeyPress, key, mod, text);
    QApplication::sendEvent(w, &druck);
    QKeyEvent los(QEvent::KeyRelease, key, mod, text);
    if (w)
        QApplication::sendEvent(w, &los);
}

// Types a text over the content of an answer box and presses Enter, as the
// pupil does; the en dash is typed as the hyphen.
void Tippe(QLineEdit* box, QString text)
{
    text.replace(EnDash, u'-');
    box->selectAll();
    QPointer<QWidget> w = box;
    for (QChar c : std::as_const(text)) {
        if (!w)
            return;
        Taste(w, 0, Qt::NoModifier, QString(c));
    }
    if (w)
        Taste(w, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
}

QWidget* Fokus(QDialog* form)
{
    QWidget* f = QApplication::focusWidget();
    return f ? f : form;
}

// A key through the window system, as a real key press arrives: shortcuts
// and the menu see it before the widget with the focus.
void FensterTaste(QDialog* form, int key, Qt::KeyboardModifiers mod, const QString& text)
{
    if (QWindow* w = form->windowHandle())
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key(key), text, mod);
}

// A mouse click through the window system at a point of a widget: the press
// moves the focus first, as it does for the pupil.
void FensterKlick(QWidget* widget, Qt::MouseButton knopf, QPoint p)
{
    QWindow* w = widget->window()->windowHandle();
    if (w)
        QTest::mouseClick(w, knopf, {}, w->mapFromGlobal(widget->mapToGlobal(p)));
}

// A key from the whole keyboard: characters of several scripts and the
// control keys, sometimes with modifiers.
void ZufallsTaste(std::mt19937& z, QDialog* form)
{
    static const QString zeichen = QStringLiteral(
        "0123456789+-*/:,.;=<>()[]|!?\"'#%&§$€^°_~ abcxyzABCXYZäöüßÄÖÜ\t") + EnDash + MiddleDot
        + QChar(0x2212) + QChar(0x00A0) + QChar(0x200B) + QChar(0x05D0) + QChar(0x4E2D);
    static const int tasten[] = {Qt::Key_Return, Qt::Key_Enter,    Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Escape,
                                 Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,  Qt::Key_Right,   Qt::Key_Up,
                                 Qt::Key_Down,   Qt::Key_Home,      Qt::Key_End,   Qt::Key_PageUp,  Qt::Key_PageDown,
                                 Qt::Key_F1,     Qt::Key_F4,        Qt::Key_F10,   Qt::Key_Space,   Qt::Key_Insert,
                                 Qt::Key_Alt,    Qt::Key_Menu,      Qt::Key_CapsLock};
    static const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier,
                                                 Qt::ControlModifier, Qt::AltModifier};
    const Qt::KeyboardModifiers mod = mods[Zahl(z, 0, 5)];
    if (Zahl(z, 0, 2) > 0) {
        const QChar c = zeichen[Zahl(z, 0, int(zeichen.size()) - 1)];
        const int key = c.isLetterOrNumber() && c.unicode() < 128 ? c.toUpper().unicode() : 0;
        FensterTaste(form, key, mod, mod & Qt::ControlModifier ? QString() : QString(c));
    } else {
        const int key = tasten[Zahl(z, 0, int(std::size(tasten)) - 1)];
        FensterTaste(form, key, mod, key == Qt::Key_Return ? QStringLiteral("\r") : QString());
    }
}

// The answer box the pupil types into: the one with the focus, else a
// visible one clicked into first. 0 when no box is open.
int Feld(std::mt19937& z, const std::function<QLineEdit*(int)>& box)
{
    QList<int> offen;
    for (int i = 1; i <= 5; ++i) {
        if (box(i)->hasFocus())
            return i;
        if (box(i)->isVisible())
            offen.append(i);
    }
    if (offen.isEmpty())
        return 0;
    const int i = offen[Zahl(z, 0, int(offen.size()) - 1)];
    FensterKlick(box(i), Qt::LeftButton, box(i)->rect().center());
    QApplication::processEvents();
    return box(i) && box(i)->isVisible() && box(i)->hasFocus() ? i : 0;
}

QString ZufallsText(std::mt19937& z)
{
    static const QString teile[] = {QStringLiteral("–12"), QStringLiteral("+3/4"), QStringLiteral("0,50"),
                                    QStringLiteral("abc"), QStringLiteral("-"), QStringLiteral("99999999999"),
                                    QStringLiteral("1/2/3"), QStringLiteral("<>="), QStringLiteral(" \n\t"),
                                    QStringLiteral("€"), QString(EnDash) + EnDash + u'5', QStringLiteral("0")};
    QString t;
    for (int k = Zahl(z, 1, 3); k > 0; --k)
        t += teile[Zahl(z, 0, int(std::size(teile)) - 1)];
    return t;
}

template <typename T>
QList<T*> Sichtbare(QWidget* form)
{
    QList<T*> liste;
    for (T* w : form->findChildren<T*>())
        if (w->isVisible() && w->isEnabled())
            liste.append(w);
    return liste;
}

// Answers every modal window that appears during one action: message boxes
// with OK, the evaluation once its bars have risen; anything else but the
// screen under test is closed. The watch renews itself so that several boxes
// in a row are all answered. A popup (a context menu) is closed as well:
// it runs its own event loop like a modal window.
struct Beantworter {
    int meldungen = 0;
    int auswertungen = 0;
    int popups = 0;
    std::mt19937* zufall = nullptr;
    QWidget* bildschirm = nullptr;
    QTimer popupWache;

    Beantworter()
    {
        popupWache.setInterval(5);
        QObject::connect(&popupWache, &QTimer::timeout, [this] {
            if (QWidget* p = QApplication::activePopupWidget()) {
                ++popups;
                p->close();
            }
        });
    }

    void Scharf()
    {
        WhenModal([this](QWidget* w) {
            Scharf();
            if (w == bildschirm)
                return; // the screen itself became the modal window
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                ++meldungen;
                PressOk(box);
            } else if (auto* a = qobject_cast<TfrmAuswertung*>(w)) {
                ++auswertungen;
                QElapsedTimer uhr;
                uhr.start();
                while (a->ZaehltNoch() && uhr.elapsed() < 5000)
                    QApplication::processEvents(QEventLoop::AllEvents, 5);
                if (Zahl(*zufall, 0, 1) == 0)
                    a->btnSchliessen->click();
                else
                    a->close();
            } else {
                w->close();
            }
        }, 60000);
    }
};

// Pages per integer drill as the pass-count dialog may set them; few pages
// more often, so that the walks reach the evaluation.
void Setze(std::mt19937& z)
{
    GewaehlteDurchgaenge = Zahl(z, 0, 3) ? 3 : Zahl(z, 4, 10);
}

} // namespace

class TestGuiWalk : public QObject {
    Q_OBJECT

    Beantworter beantworter_;
    QStringList protokoll_;
    int schritt_ = 0;

    void Notiere(const QString& was)
    {
        protokoll_.append(QStringLiteral("%1: %2").arg(schritt_).arg(was));
        if (protokoll_.size() > 25)
            protokoll_.removeFirst();
    }

    QString Protokoll() const
    {
        return QStringLiteral("seed %1, last actions:\n  ").arg(Saat()) + protokoll_.join(QStringLiteral("\n  "));
    }

    static void Ruhe()
    {
        for (int k = 0; k < 4; ++k)
            QApplication::processEvents();
    }

    // One random action on the open screen.
    void Aktion(std::mt19937& z, Bildschirm& b)
    {
        QDialog* form = b.form;
        // Closing is rare, so that drills run to their evaluation.
        const int wahl = Zahl(z, 0, 200);
        if (wahl < 60) {
            Notiere(QStringLiteral("Taste an ") + Fokus(form)->objectName());
            ZufallsTaste(z, form);
        } else if (wahl < 115) {
            const bool richtig = Zahl(z, 0, 2) > 0;
            Notiere(richtig ? QStringLiteral("richtige Antwort") : QStringLiteral("falsche Antwort"));
            if (!b.antworte || !b.antworte(z, richtig))
                Taste(Fokus(form), Qt::Key_Tab, Qt::NoModifier, QString());
        } else if (wahl < 125) {
            const QString text = ZufallsText(z);
            QApplication::clipboard()->setText(text);
            Notiere(QStringLiteral("Einfügen \"%1\" in %2").arg(text, Fokus(form)->objectName()));
            FensterTaste(form, Qt::Key_V, Qt::ControlModifier, QString());
        } else if (wahl < 140) {
            const auto felder = Sichtbare<QWidget>(form);
            QList<QWidget*> fokussierbar;
            for (QWidget* w : felder)
                if (w->focusPolicy() != Qt::NoFocus)
                    fokussierbar.append(w);
            if (fokussierbar.isEmpty())
                return;
            QWidget* w = fokussierbar[Zahl(z, 0, int(fokussierbar.size()) - 1)];
            static const Qt::FocusReason gruende[] = {Qt::MouseFocusReason, Qt::TabFocusReason,
                                                      Qt::BacktabFocusReason, Qt::OtherFocusReason,
                                                      Qt::ActiveWindowFocusReason, Qt::PopupFocusReason};
            const Qt::FocusReason grund = gruende[Zahl(z, 0, 5)];
            Notiere(QStringLiteral("Fokus auf %1 (%2)").arg(w->objectName()).arg(int(grund)));
            w->setFocus(grund);
        } else if (wahl < 170) {
            const auto knoepfe = Sichtbare<QAbstractButton>(form);
            if (knoepfe.isEmpty())
                return;
            QAbstractButton* k = knoepfe[Zahl(z, 0, int(knoepfe.size()) - 1)];
            // With the mouse, or as a screen reader presses it: without
            // moving the focus.
            if (Zahl(z, 0, 1) == 0) {
                Notiere(QStringLiteral("Klick auf ") + k->objectName());
                FensterKlick(k, Qt::LeftButton, k->rect().center());
            } else {
                Notiere(QStringLiteral("Drücken von ") + k->objectName());
                k->click();
            }
        } else if (wahl < 188) {
            const auto flaechen = Sichtbare<QWidget>(form);
            if (flaechen.isEmpty())
                return;
            QWidget* w = flaechen[Zahl(z, 0, int(flaechen.size()) - 1)];
            const QPoint p(Zahl(z, 0, qMax(0, w->width() - 1)), Zahl(z, 0, qMax(0, w->height() - 1)));
            Notiere(QStringLiteral("Maus auf %1 bei %2,%3").arg(w->objectName()).arg(p.x()).arg(p.y()));
            QTest::mouseMove(w, p);
            if (Zahl(z, 0, 1) == 0)
                FensterKlick(w, Zahl(z, 0, 3) ? Qt::LeftButton : Qt::RightButton, p);
        } else if (wahl < 199) {
            QList<QAction*> eintraege;
            for (QMenuBar* m : form->findChildren<QMenuBar*>())
                for (QAction* a : m->actions())
                    if (a->isEnabled() && a->isVisible())
                        eintraege.append(a);
            if (eintraege.isEmpty())
                return;
            QAction* a = eintraege[Zahl(z, 0, int(eintraege.size()) - 1)];
            if (a->objectName() == QLatin1String("menSchliessen") && Zahl(z, 0, 9) > 0)
                return;
            Notiere(QStringLiteral("Menü ") + a->objectName());
            a->trigger();
        } else if (Zahl(z, 0, 3) == 0) {
            Notiere(QStringLiteral("Schließfeld"));
            form->close();
        }
    }

    void Gehe(Bildschirm b, quint32 saat)
    {
        std::mt19937 z(saat);
        naechsteSaat = saat;
        protokoll_.clear();
        beantworter_.zufall = &z;
        beantworter_.bildschirm = b.form;
        const int meldungenVorher = beantworter_.meldungen;
        int oeffnungen = 0;

        // Nothing may block: an action that has not returned after a long
        // while ends the test with the actions that led there.
        QTimer wachhund;
        wachhund.setSingleShot(true);
        connect(&wachhund, &QTimer::timeout, this, [this] {
            qFatal("blocked:\n%s", qPrintable(Protokoll()));
        });

        const int n = Aktionen();
        for (schritt_ = 0; schritt_ < n; ++schritt_) {
            if (!b.form->isVisible()) {
                Notiere(QStringLiteral("öffnen"));
                b.oeffne(z);
                ++oeffnungen;
                Ruhe();
                if (!b.form->isVisible())
                    QFAIL(qPrintable(QStringLiteral("does not open\n") + Protokoll()));
            }
            wachhund.start(30000);
            beantworter_.Scharf();
            beantworter_.popupWache.start();
            Aktion(z, b);
            Ruhe();
            CancelModalWatches();
            beantworter_.popupWache.stop();
            wachhund.stop();
            // A window manager gives the activation back to the screen when a
            // message box closes; the offscreen platform leaves that to us.
            if (b.form->isVisible() && QApplication::activeWindow() != b.form) {
                QApplication::setActiveWindow(b.form);
                Ruhe();
            }
            if (b.zustand && qEnvironmentVariableIsSet("ML_WALK_TRACE"))
                qInfo("%d %s | %s", schritt_, qPrintable(protokoll_.last()), qPrintable(b.zustand()));
            const QString fehler = b.pruefe();
            if (!fehler.isEmpty())
                QFAIL(qPrintable(fehler + u'\n' + Protokoll()));
        }
        b.form->close();
        Ruhe();
        qInfo("%d actions, %d openings, %d message boxes, %d evaluations, %d popups so far", n, oeffnungen,
              beantworter_.meldungen - meldungenVorher, beantworter_.auswertungen, beantworter_.popups);
    }

    // ---- invariants ---------------------------------------------------------

    static int GewaehlteStufen()
    {
        int n = 0;
        for (int s : StufenGanz)
            n += s != 0;
        for (int s : {StufeRationalAdd, StufeRationalSub, StufeRationalMult, StufeRationalDiv, StufeRationalGem})
            n += s != 0;
        return n;
    }

    static QString Gemeinsam(float punkte, int versuche, float punkteGesamt, int versucheGesamt, int durchgang,
                             int maxDurchgaenge, bool offen)
    {
        if (GewaehlteStufen() > 1)
            return QStringLiteral("%1 level variables set").arg(GewaehlteStufen());
        if (offen && GewaehlteStufen() != 1)
            return QStringLiteral("open drill without its level variable");
        if (punkte < 0 || punkte > versuche || versuche > 10)
            return QStringLiteral("page: %1 points for %2 attempts").arg(punkte).arg(versuche);
        if (punkteGesamt < 0 || punkteGesamt > versucheGesamt || versucheGesamt > 10 * maxDurchgaenge)
            return QStringLiteral("drill: %1 points for %2 attempts").arg(punkteGesamt).arg(versucheGesamt);
        if (punkte > punkteGesamt || versuche > versucheGesamt)
            return QStringLiteral("page beyond the drill: %1 of %2 points, %3 of %4 attempts")
                .arg(punkte)
                .arg(punkteGesamt)
                .arg(versuche)
                .arg(versucheGesamt);
        if (maxDurchgaenge < 1 || maxDurchgaenge > 10 || durchgang < 1 || durchgang > maxDurchgaenge)
            return QStringLiteral("page %1 of %2").arg(durchgang).arg(maxDurchgaenge);
        return {};
    }

    static QString Zaehleranzeige(QLabel* durchgang, QLabel* versuche, int akt, int max, int anzVersuche)
    {
        if (durchgang->text() != QStringLiteral("%1 / %2").arg(akt).arg(max))
            return QStringLiteral("page counter shows \"%1\" for %2 / %3").arg(durchgang->text()).arg(akt).arg(max);
        if (versuche->text() != QString::number(anzVersuche))
            return QStringLiteral("attempts show \"%1\" for %2").arg(versuche->text()).arg(anzVersuche);
        return {};
    }

    Bildschirm Ganz()
    {
        Bildschirm b;
        b.form = frmGanzUebung;
        b.oeffne = [](std::mt19937& z) {
            Setze(z);
            StufenLoeschen();
            RationalStufenLoeschen();
            ArtGanz = Zahl(z, 1, 9);
            StufenGanz[ArtGanz - 1] = Zahl(z, 1, 4);
            frmGanzUebung->show();
            QApplication::setActiveWindow(frmGanzUebung);
        };
        b.pruefe = [] {
            auto* f = frmGanzUebung;
            const bool offen = f->isVisible();
            QString e = Gemeinsam(Punkte, AnzVersuche, PunkteGesamt, AnzVersucheGesamt, AktDurchgang,
                                  MaxDurchgaenge, offen);
            if (!e.isEmpty() || !offen)
                return e;
            if (Versuch != 1 && Versuch != 2)
                return QStringLiteral("attempt %1").arg(Versuch);
            for (int i = 1; i <= 5; ++i) {
                const TAufgabeGanz& a = AufgabenGanz[i];
                if (a.Geloest && a.LoesungGezeigt)
                    return QStringLiteral("line %1 both solved and shown").arg(i);
                if ((a.Geloest || a.LoesungGezeigt) && f->edt[i]->isVisible())
                    return QStringLiteral("finished line %1 keeps its box").arg(i);
                if (!a.TermSichtbar || a.Ergebnis.isEmpty())
                    return QStringLiteral("line %1 without exercise").arg(i);
            }
            if (f->btnWeiter->isVisible() == f->btnAuswertung->isVisible())
                return QStringLiteral("Weiter and Auswertung both %1").arg(f->btnWeiter->isVisible());
            return Zaehleranzeige(f->lblDurchgang, f->lblAktVersuche, AktDurchgang, MaxDurchgaenge, AnzVersuche);
        };
        b.zustand = [] {
            QString t = QStringLiteral("page %1/%2 attempt %3:").arg(AktDurchgang).arg(MaxDurchgaenge).arg(Versuch);
            for (int i = 1; i <= 5; ++i)
                t += QStringLiteral(" [%1%2%3 \"%4\"]")
                         .arg(AufgabenGanz[i].Geloest ? "G" : "")
                         .arg(AufgabenGanz[i].LoesungGezeigt ? "L" : "")
                         .arg(frmGanzUebung->edt[i]->isVisible() ? "v" : "h")
                         .arg(frmGanzUebung->edt[i]->text());
            return t + (frmGanzUebung->btnWeiter->isVisible() ? " Weiter" : " Auswertung");
        };
        b.antworte = [](std::mt19937& z, bool richtig) {
            auto* f = frmGanzUebung;
            if (const int i = Feld(z, [f](int k) -> QLineEdit* { return f->edt[k]; })) {
                QString e = AufgabenGanz[i].Ergebnis;
                if (!richtig)
                    e = QString::number(e.toInt() + Zahl(z, 1, 9) * (Zahl(z, 0, 1) ? 1 : -1));
                if (!Vereinfacht && e != QLatin1String("0") && !e.startsWith(u'-') && Zahl(z, 0, 5) > 0)
                    e.prepend(u'+');
                Tippe(f->edt[i], e);
                return true;
            }
            return false;
        };
        return b;
    }

    Bildschirm Rational(TfrmRationalUebung* form, int erste, int letzte)
    {
        Bildschirm b;
        b.form = form;
        b.oeffne = [form, erste, letzte](std::mt19937& z) {
            Setze(z);
            StufenLoeschen();
            RationalStufenLoeschen();
            RationalArt = Zahl(z, erste, letzte);
            int* stufen[] = {&StufeRationalAdd, &StufeRationalSub, &StufeRationalMult, &StufeRationalDiv,
                             &StufeRationalGem};
            *stufen[RationalArt - 1] = Zahl(z, 1, RationalArt == 3 || RationalArt == 4 ? 3 : 4);
            form->show();
            QApplication::setActiveWindow(form);
        };
        b.pruefe = [form] {
            const bool offen = form->isVisible();
            QString e = Gemeinsam(PunkteR, AnzVersucheR, PunkteGesamtR, AnzVersucheGesamtR, AktDurchgangR,
                                  MaxDurchgaengeR, offen);
            if (!e.isEmpty() || !offen)
                return e;
            for (int i = 1; i <= 5; ++i) {
                const TRationalAufgabe& a = RationalAufgaben[i];
                if (a.Richtig && a.ZweimalFalsch)
                    return QStringLiteral("row %1 both right and wrong").arg(i);
                if ((a.Richtig || a.ZweimalFalsch) && form->edt[i]->isVisible())
                    return QStringLiteral("finished row %1 keeps its box").arg(i);
                if (form->VersuchR[i] != 1 && form->VersuchR[i] != 2)
                    return QStringLiteral("row %1 attempt %2").arg(i).arg(form->VersuchR[i]);
            }
            if (form->btnWeiter->isVisible() == form->btnAuswertung->isVisible())
                return QStringLiteral("Weiter and Auswertung both %1").arg(form->btnWeiter->isVisible());
            return Zaehleranzeige(form->lblDurchgang, form->lblAktVersuche, AktDurchgangR, MaxDurchgaengeR,
                                  AnzVersucheR);
        };
        b.zustand = [form] {
            QString t = QStringLiteral("page %1/%2:").arg(AktDurchgangR).arg(MaxDurchgaengeR);
            for (int i = 1; i <= 5; ++i)
                t += QStringLiteral(" [%1%2%3 \"%4\" %5]")
                         .arg(RationalAufgaben[i].Richtig ? "R" : "")
                         .arg(RationalAufgaben[i].ZweimalFalsch ? "F" : "")
                         .arg(form->edt[i]->isVisible() ? "v" : "h")
                         .arg(form->edt[i]->text(), RationalAufgaben[i].Ergebnis);
            return t + (form->btnWeiter->isVisible() ? " Weiter" : " Auswertung");
        };
        b.antworte = [form](std::mt19937& z, bool richtig) {
            if (const int i = Feld(z, [form](int k) -> QLineEdit* { return form->edt[k]; })) {
                QString e = AnzeigeformR(RationalAufgaben[i].Ergebnis, RationalVereinfacht);
                if (!richtig)
                    e += QString::number(Zahl(z, 1, 9));
                Tippe(form->edt[i], e);
                return true;
            }
            return false;
        };
        return b;
    }

    // The introductions: counts of the page's tally, finished items without
    // their box. loesung gives the right answer of item i; klickziel the
    // right thing to click on a page answered by clicking (or none).
    template <typename Form>
    Bildschirm Einstieg(Form* form, int seiten, std::function<QString(int)> loesung,
                        std::function<QWidget*()> klickziel = {})
    {
        Bildschirm b;
        b.form = form;
        b.oeffne = [form](std::mt19937&) {
            StufenLoeschen();
            RationalStufenLoeschen();
            form->show();
            QApplication::setActiveWindow(form);
        };
        b.pruefe = [form, seiten] {
            if (GewaehlteStufen() != 0)
                return QStringLiteral("a level variable set in an introduction");
            if (!form->isVisible())
                return QString();
            const auto& s = form->Zustand();
            const TAuswertung& a = s.Auswertung;
            if (s.IntroPage < 0 || s.IntroPage > seiten)
                return QStringLiteral("page %1").arg(s.IntroPage);
            if (a.AnsweredCount < 0 || a.AnsweredCount > 5 || a.RightCount > a.Versuche()
                || a.AnsweredCount > a.Versuche())
                return QStringLiteral("tally: %1 right, %2 wrong, %3 answered")
                    .arg(a.RightCount)
                    .arg(a.WrongCount)
                    .arg(a.AnsweredCount);
            for (int i = 1; i <= 5; ++i) {
                if (a.Right[i] && a.Wrong[i])
                    return QStringLiteral("item %1 both right and wrong").arg(i);
                if (!a.Offen(i) && form->edt[i]->isVisible())
                    return QStringLiteral("finished item %1 keeps its box").arg(i);
            }
            return QString();
        };
        b.zustand = [form] {
            const auto& a = form->Zustand().Auswertung;
            return QStringLiteral("page %1: %2 right, %3 wrong, %4 answered")
                .arg(form->Zustand().IntroPage)
                .arg(a.RightCount)
                .arg(a.WrongCount)
                .arg(a.AnsweredCount);
        };
        b.antworte = [form, loesung, klickziel](std::mt19937& z, bool richtig) {
            if (QWidget* ziel = klickziel ? klickziel() : nullptr; ziel && richtig) {
                FensterKlick(ziel, Qt::LeftButton, ziel->rect().center());
                return true;
            }
            if (const int i = Feld(z, [form](int k) -> QLineEdit* { return form->edt[size_t(k)]; })) {
                QString e = loesung(i);
                if (!richtig) {
                    static const QString falsch[] = {QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("="),
                                                     QStringLiteral("-7"), QStringLiteral("12"), QStringLiteral("0")};
                    e = falsch[Zahl(z, 0, 5)];
                }
                Tippe(form->edt[i], e);
                return true;
            }
            return false;
        };
        return b;
    }

private slots:
    void initTestCase()
    {
        SetSeedHook(&WalkSaat);
        frmGanzUebung = new TfrmGanzUebung;
        frmGanzEinstieg = new TfrmGanzEinstieg;
        frmGanzMuster = new TfrmGanzMuster;
        frmAuswertung = new TfrmAuswertung;
        frmAuswertung->Schrittdauer = 0; // the bars rise at once
        frmRationalUebAddSub = new TfrmRationalUebAddSub;
        frmRationalEinstieg = new TfrmRationalEinstieg;
        frmRationalUebMultDiv = new TfrmRationalUebMultDiv;
        frmRationalUebGem = new TfrmRationalUebGem;
    }

    void cleanupTestCase()
    {
        CancelModalWatches();
        delete frmRationalUebGem;
        delete frmRationalUebMultDiv;
        delete frmRationalEinstieg;
        delete frmRationalUebAddSub;
        delete frmAuswertung;
        delete frmGanzMuster;
        delete frmGanzEinstieg;
        delete frmGanzUebung;
    }

    void ganzeZahlen() { Gehe(Ganz(), Saat()); }
    void rationalAddSub() { Gehe(Rational(frmRationalUebAddSub, 1, 2), Saat() + 1); }
    void rationalMultDiv() { Gehe(Rational(frmRationalUebMultDiv, 3, 4), Saat() + 2); }
    void rationalGemischt() { Gehe(Rational(frmRationalUebGem, 5, 5), Saat() + 3); }
    void einstiegGanz()
    {
        Gehe(Einstieg(frmGanzEinstieg, 4,
                      [](int i) {
                          const TGanzEinstieg& s = frmGanzEinstieg->Zustand();
                          switch (s.IntroPage) {
                          case TGanzEinstieg::Temperatur: return QString::number(s.Thermo.EndTemp);
                          case TGanzEinstieg::Gerade: return QString::number(ErwarteterWert(s.Zahlen, i));
                          default: return QString(s.Pairs[i].relation);
                          }
                      },
                      []() -> QWidget* {
                          const TGanzEinstieg& s = frmGanzEinstieg->Zustand();
                          if (!s.Klickvariante() || s.Fertig())
                              return nullptr;
                          const int erwartet = ErwarteterWert(s.Zahlen, s.ClickIndex);
                          for (int n = 1; n <= 25; ++n)
                              if (s.ZielSichtbar(n) && KlickWert(s.Zahlen, n) == erwartet)
                                  return frmGanzEinstieg->shp[size_t(n)];
                          return nullptr;
                      }),
             Saat() + 4);
    }
    void einstiegRational()
    {
        Gehe(Einstieg(frmRationalEinstieg, 2,
                      [](int i) { return QString(frmRationalEinstieg->Zustand().FractionPairs[i].relation); }),
             Saat() + 5);
    }

    void musterbeispiele()
    {
        Bildschirm b;
        b.form = frmGanzMuster;
        b.oeffne = [](std::mt19937& z) {
            StufenLoeschen();
            RationalStufenLoeschen();
            ArtGanz = Zahl(z, 1, 2);
            frmGanzMuster->show();
            QApplication::setActiveWindow(frmGanzMuster);
        };
        b.pruefe = [] {
            const TGanzMuster& m = frmGanzMuster->Zustand();
            if (GewaehlteStufen() != 0)
                return QStringLiteral("a level variable set in the worked examples");
            if (m.Step < 0 || m.Step > 8)
                return QStringLiteral("step %1").arg(m.Step);
            return QString();
        };
        Gehe(b, Saat() + 6);
    }
};

QTEST_MAIN(TestGuiWalk)
#include "test_gui_walk.moc"
