#include "intro/EinstiegRationalU.h"

#include "core/EditCenter.h"
#include "core/PaintBox.h"
#include "core/WorldWindow.h"
#include "core/FormHilfen.h"
#include "intro/EinstiegBilder.h"
#include "intro/EinstiegMalen.h"

#include <QAction>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

TfrmRationalEinstieg::TfrmRationalEinstieg(QWidget* parent)
    : TfrmEinstiegBasis(parent)
{
    setObjectName(QStringLiteral("frmRationalEinstieg"));
    setWindowTitle(QStringLiteral("Einstieg"));

    menOrdnen = AddMenuItem("menOrdnen", QStringLiteral("Ordnen"));
    menBetrag = AddMenuItem("menBetrag", QStringLiteral("Betrag"));
    connect(menOrdnen, &QAction::triggered, this, [this] { menArtClick(TRationalEinstieg::Ordnen); });
    connect(menBetrag, &QAction::triggered, this, [this] { menArtClick(TRationalEinstieg::Betrag); });

    // The pictures are painted at the first activation, not at the start.
    img1->resize(372, 35);
    img2->resize(235, 32);
    img1->setAccessibleName(
        QStringLiteral("Die Menge der rationalen Zahlen: Q gleich { a/b, wobei a und b ganze Zahlen sind und b ≠ 0 }"));
    img2->setAccessibleName(QStringLiteral("Z ist Teilmenge von Q: –2 = –2/1, 0,6 = 3/5"));

    pnt->OnPaint = [this](Canvas& canvas) {
        SetIntroWorldWindow();
        PaintRationalEinstieg(canvas, e_);
    };
    connect(btnWiederholung, &QPushButton::clicked, this, &TfrmRationalEinstieg::btnWiederholungClick);
    CreateEdits(60, 27);
    for (int i = 1; i <= 5; ++i)
        PlaceEdit(i, 90, 100);
}

void TfrmRationalEinstieg::FormActivate()
{
    if (img1->pixmap().isNull()) {
        img1->setPixmap(QPixmap::fromImage(RationalEinstiegBild1()));
        img2->setPixmap(QPixmap::fromImage(RationalEinstiegBild2()));
    }
    ResetScreen();
    e_.Zuruecksetzen();
    EnableChoice(true);
    UpdateControls();
    pnt->update();
}

void TfrmRationalEinstieg::EnableChoice(bool enabled)
{
    menOrdnen->setEnabled(enabled);
    menBetrag->setEnabled(enabled);
    btnWiederholung->setEnabled(enabled);
}

void TfrmRationalEinstieg::UpdateControls()
{
    ShowBoxes(e_.IntroPage == TRationalEinstieg::Uebersicht, [this](int i) { return e_.FeldOffen(i); },
              [this](int i) { return e_.Beschreibung(i); },
              [this](int i) { return e_.GesprocheneBeschreibung(i); });
    if (e_.Fertig())
        EnableChoice(true);
    FocusOnward();
}

void TfrmRationalEinstieg::menArtClick(int page)
{
    EnableChoice(false);
    BeginExercise();
    e_.Starte(page);
    SetFilter(e_.GleichErlaubt() ? TEinstiegFilter::Art::Zeichen : TEinstiegFilter::Art::ZeichenOhneGleich);
    for (int i = 1; i <= 5; ++i)
        PlaceEdit(i, 480, 150 + 78 * (i - 1));
    SetAnzeige(TextZeichenAnleitung);
    UpdateControls();
    edt[1]->setFocus(Qt::OtherFocusReason);
    pnt->update();
}

void TfrmRationalEinstieg::btnWiederholungClick()
{
    if (e_.IntroPage != TRationalEinstieg::Uebersicht)
        menArtClick(e_.IntroPage);
}

void TfrmRationalEinstieg::EdtExit(int item)
{
    if (!e_.FeldOffen(item))
        return;
    ShowAnswer(item, e_.Eingabe(item, edt[item]->text()));
    UpdateControls();
    pnt->update();
}

void TfrmRationalEinstieg::EdtChange(int)
{
    if (e_.IntroPage == TRationalEinstieg::Betrag) {
        SetAnzeige(QString());
        SetMeldung(QString(), ColourCornflower);
    }
    pnt->update();
}
