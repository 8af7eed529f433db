#include "intro/EinstiegForm.h"

#include "core/EditCenter.h"
#include "core/Meldung.h"
#include "core/NumberHelpers.h"
#include "core/PaintBox.h"
#include "core/Random.h"
#include "core/Zugang.h"
#include "core/WorldWindow.h"
#include "core/FormHilfen.h"
#include "intro/EinstiegMalen.h"
#include "intro/EinstiegZustand.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

// ------------------------------------------------------------------ form

QWidget* SetUpScreen(QDialog* dialog, QMenuBar** menu)
{
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    *menu = new QMenuBar(dialog);
    (*menu)->setObjectName(QStringLiteral("MainMenu"));
    SetzeMenueSchrift(*menu);
    layout->setMenuBar(*menu);
    auto* client = new QWidget(dialog);
    client->setObjectName(QStringLiteral("Client"));
    client->setFixedSize(1016, 722);
    layout->addWidget(client);
    return client;
}

TfrmEinstiegBasis::TfrmEinstiegBasis(QWidget* parent)
    : TBildschirm(parent)
{
    setFont(ArialFett(13));

    Client = SetUpScreen(this, &MainMenu);

    menSchliessen = AddMenuItem("menSchliessen", QStringLiteral("Schließen"));
    connect(menSchliessen, &QAction::triggered, this, &QDialog::accept);

    pnt = Platziere(new PaintBox(Client), "pnt", 8, 8, 1001, 701);
    pnt->setAccessibleName(QStringLiteral("Zeichenfläche"));

    img1 = Platziere(new QLabel(Client), "img1", 25, 45, 10, 10);
    img2 = Platziere(new QLabel(Client), "img2", 25, 400, 10, 10);

    lblMeldung = Platziere(new QLabel(Client), "lblMeldung", 16, 56, 985, 51);
    lblAnzeige = Platziere(new QLabel(Client), "lblAnzeige", 16, 656, 849, 49);
    for (QLabel* l : {lblMeldung, lblAnzeige}) {
        l->setFont(ArialFett(19));
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
    }
    MacheMeldungszeile(lblMeldung, QStringLiteral("Rückmeldung"));
    MacheMeldungszeile(lblAnzeige, QStringLiteral("Anleitung"));

    // The focus target lies under "Noch einmal", so it is never seen.
    btnSinnlos = Platziere(new QPushButton(Client), "btnSinnlos", 916, 680, 29, 17);
    btnSinnlos->setAccessibleName(QStringLiteral("Eingabe abschließen"));
    btnWiederholung = Platziere(new QPushButton(QStringLiteral("Noch einmal"), Client), "btnWiederholung", 870,
                                670, 130, 33);
    btnWiederholung->setFont(ArialFett(16));
    for (QPushButton* b : {btnSinnlos, btnWiederholung}) {
        b->setAutoDefault(false);
        b->hide();
    }
    btnSinnlos->installEventFilter(this);
}

QAction* TfrmEinstiegBasis::AddMenuItem(const char* name, const QString& caption)
{
    QAction* a = MainMenu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

void TfrmEinstiegBasis::CreateEdits(int width, int height)
{
    for (int i = 1; i <= 5; ++i) {
        auto* e = new TEditCenter(Client, i);
        e->setGeometry(100, 100, width, height);
        e->hide();
        connect(e, &QLineEdit::textEdited, this, [this, i] { EdtChange(i); });
        // Moving on from a box judges it; the screen's own focus return does not.
        connect(e, &TAntwortFeld::Verlassen, this, [this, e, i] {
            if (!refocusing_ && !e->text().isEmpty() && e->isVisible())
                EdtExit(i);
        });
        edt[i] = e;
    }
    // Tab order: the boxes, then the invisible focus target.
    for (int i = 1; i < 5; ++i)
        setTabOrder(edt[i], edt[i + 1]);
    setTabOrder(edt[5], btnSinnlos);
    btnWiederholung->raise();
}

void TfrmEinstiegBasis::ResetScreen()
{
    Randomize();
    SetIntroWorldWindow();
    EmptyEdits(12);
    SetAnzeige(QString());
    SetMeldung(QString(), ColourCornflower);
    SetzeTextfarbe(lblAnzeige, ColourBrown);
    btnWiederholung->hide();
    btnSinnlos->hide();
}

void TfrmEinstiegBasis::BeginExercise()
{
    EmptyEdits(12);
    SetMeldung(QString(), ColourCornflower);
    btnWiederholung->show();
    btnWiederholung->setEnabled(false);
    btnSinnlos->show();
}

void TfrmEinstiegBasis::ShowBoxes(bool overview, const std::function<bool(int)>& open,
                                  const std::function<QString(int)>& describe,
                                  const std::function<QString(int)>& speak)
{
    img1->setVisible(overview);
    img2->setVisible(overview);
    for (int i = 1; i <= 5; ++i) {
        const bool offen = open(i);
        BeschreibeAufgabe(edt[i], offen ? describe(i) : QString(), offen ? speak(i) : QString());
        edt[i]->setVisible(offen);
    }
}

void TfrmEinstiegBasis::FocusOnward()
{
    QTimer::singleShot(0, this, [this] {
        if (!isVisible())
            return;
        const QWidget* jetzt = focusWidget();
        if (jetzt && jetzt != btnSinnlos && jetzt->isVisible() && jetzt->isEnabled())
            return;
        for (int i = 1; i <= 5; ++i) {
            if (edt[i]->isVisible()) {
                edt[i]->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
        if (btnWiederholung->isVisible() && btnWiederholung->isEnabled())
            btnWiederholung->setFocus(Qt::OtherFocusReason);
    });
}

void TfrmEinstiegBasis::ShowAnswer(int item, const TAntwort& answer)
{
    if (answer.Eingabefehler) {
        MessageAndRefocus(item, answer.Meldung);
        return;
    }
    SetMeldung(answer.Meldung, answer.Richtig() ? ColourCornflower : ColourPink);
    if (!answer.Abgeschlossen())
        RefocusLater(item);
}

void TfrmEinstiegBasis::SetAnzeige(const QString& text)
{
    lblAnzeige->setText(text);
}

void TfrmEinstiegBasis::SetMeldung(const QString& text, const QColor& colour)
{
    SetzeTextfarbe(lblMeldung, colour);
    SetzeMeldung(lblMeldung, text);
}

void TfrmEinstiegBasis::SetFilter(TEinstiegFilter::Art art)
{
    const Antwortzeichen zeichen = art == TEinstiegFilter::Art::Zahl
        ? Antwortzeichen::Ganzzahl(false)
        : Antwortzeichen::Relation(art == TEinstiegFilter::Art::Zeichen);
    // One digit sign and at most three digits for the numbers on the pages;
    // one sign for the relations.
    for (int i = 1; i <= 5; ++i) {
        edt[i]->SetzeZeichen(zeichen);
        edt[i]->setMaxLength(art == TEinstiegFilter::Art::Zahl ? 4 : 1);
    }
}

void TfrmEinstiegBasis::EmptyEdits(int fontPoints)
{
    for (int i = 1; i <= 5; ++i) {
        edt[i]->hide();
        edt[i]->clear();
        QFont f = edt[i]->font();
        f.setPixelSize(PointsToPixels(fontPoints));
        edt[i]->setFont(f);
    }
}

void TfrmEinstiegBasis::PlaceEdit(int item, int left, int top)
{
    edt[item]->move(left, top);
}

void TfrmEinstiegBasis::RefocusLater(int item)
{
    QPointer<TEditCenter> box = edt[item];
    QTimer::singleShot(0, this, [this, box] {
        if (!box || !box->isVisible())
            return;
        refocusing_ = true;
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
        refocusing_ = false;
    });
}

void TfrmEinstiegBasis::MessageAndRefocus(int item, const QString& text)
{
    QTimer::singleShot(0, this, [this, item, text] {
        if (!isVisible())
            return;
        Meldung(this, text);
        activateWindow();
        RefocusLater(item);
    });
}

// The hidden focus target ends the tab chain of a page; the focus must never
// rest there, where the pupil cannot see it.
bool TfrmEinstiegBasis::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == btnSinnlos && event->type() == QEvent::FocusIn)
        FocusOnward();
    return QDialog::eventFilter(watched, event);
}
