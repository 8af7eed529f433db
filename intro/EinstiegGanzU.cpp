#include "intro/EinstiegGanzU.h"

#include "core/EditCenter.h"
#include "core/Meldung.h"
#include "core/NumberHelpers.h"
#include "core/MyShape.h"
#include "core/PaintBox.h"
#include "core/WorldWindow.h"
#include "core/FormHilfen.h"
#include "intro/EinstiegBilder.h"
#include "intro/EinstiegMalen.h"

#include <QAction>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <cstdlib>

TfrmGanzEinstieg::TfrmGanzEinstieg(QWidget* parent)
    : TfrmEinstiegBasis(parent)
{
    setObjectName(QStringLiteral("frmGanzEinstieg"));
    setWindowTitle(QStringLiteral("Einstieg"));

    menTemp = AddMenuItem("menTemp", QStringLiteral("Temperaturänderung"));
    menGerade = AddMenuItem("menGerade", QStringLiteral("Zahlengerade"));
    menOrdnen = AddMenuItem("menOrdnen", QStringLiteral("Ordnen"));
    menBetrag = AddMenuItem("menBetrag", QStringLiteral("Betrag"));
    const QAction* arten[] = {menTemp, menGerade, menOrdnen, menBetrag};
    for (int page = 1; page <= 4; ++page)
        connect(arten[page - 1], &QAction::triggered, this, [this, page] { menArtClick(page); });

    // The pictures are painted at the first activation, not at the start.
    img1->resize(245, 22);
    img2->resize(362, 59);
    img1->setAccessibleName(QStringLiteral("Die Menge der ganzen Zahlen: Z gleich { …, –3, –2, –1, 0, +1, +2, +3, … }"));
    img2->setAccessibleName(
        QStringLiteral("Z plus gleich { +1, +2, +3, … }, Z minus gleich { …, –3, –2, –1 }, "
                       "Z gleich Z minus vereinigt mit { 0 } vereinigt mit Z plus"));

    pnt->OnPaint = [this](Canvas& canvas) {
        SetIntroWorldWindow();
        PaintGanzEinstieg(canvas, e_);
    };
    connect(btnWiederholung, &QPushButton::clicked, this, &TfrmGanzEinstieg::btnWiederholungClick);
    FormCreate();
}

void TfrmGanzEinstieg::FormCreate()
{
    // The click targets sit on the integer points -12 … 12 of the line.
    for (int n = 1; n <= 25; ++n) {
        auto* s = new TMyShape(Client);
        s->setObjectName(QStringLiteral("shp%1").arg(n, 2, 10, QLatin1Char('0')));
        s->setGeometry(24 + 40 * (n - 1), 354, 10, 10);
        s->SetShape(TMyShape::ShapeType::Circle);
        s->SetPenClear(true);
        s->SetBrushClear(true);
        s->setCursor(Qt::PointingHandCursor);
        const int schritt = n - 13;
        s->setAccessibleName(schritt == 0   ? QStringLiteral("Stelle 0")
                             : schritt < 0 ? QStringLiteral("Stelle %1 links von 0").arg(-schritt)
                                           : QStringLiteral("Stelle %1 rechts von 0").arg(schritt));
        s->OnMouseLeave = [this](TMyShape* sender) { shpMouseLeave(sender); };
        s->OnMouseDown = [this](TMyShape* sender) { shpMouseDown(sender); };
        s->hide();
        shp[n] = s;
    }
    CreateEdits(40, 27);
}

void TfrmGanzEinstieg::FormActivate()
{
    if (img1->pixmap().isNull()) {
        img1->setPixmap(QPixmap::fromImage(GanzEinstiegBild1()));
        img2->setPixmap(QPixmap::fromImage(GanzEinstiegBild2()));
    }
    ResetScreen();
    e_.Zuruecksetzen();
    EnableChoice(true);
    UpdateControls();
    pnt->update();
}

void TfrmGanzEinstieg::EnableChoice(bool enabled)
{
    for (QAction* a : {menTemp, menGerade, menOrdnen, menBetrag})
        a->setEnabled(enabled);
    btnWiederholung->setEnabled(enabled);
}

// Shows the boxes, targets and pictures the state asks for, and describes
// each open box for screen readers.
void TfrmGanzEinstieg::UpdateControls()
{
    const bool uebersicht = e_.IntroPage == TGanzEinstieg::Uebersicht;
    ShowBoxes(uebersicht, [this](int i) { return e_.FeldOffen(i); }, [this](int i) { return e_.Beschreibung(i); });
    pnt->setAccessibleDescription(RemoveChar(e_.Frage(), u'#'));
    for (int n = 1; n <= 25; ++n)
        shp[n]->setVisible(e_.ZielSichtbar(n));
    if (e_.Fertig() && !uebersicht)
        EnableChoice(true);
}

void TfrmGanzEinstieg::menArtClick(int page)
{
    EnableChoice(false);
    StartExercise(page);
}

void TfrmGanzEinstieg::StartExercise(int page)
{
    BeginExercise();
    e_.Starte(page);

    switch (page) {
    case TGanzEinstieg::Temperatur:
        SetFilter(TEinstiegFilter::Art::Zahl);
        PlaceEdit(1, 750, 350);
        break;
    case TGanzEinstieg::Gerade:
        SetFilter(TEinstiegFilter::Art::Zahl);
        for (int i = 1; i <= 5; ++i) {
            const QPoint p = WorldToScreen(float(e_.Zahlen.Positions[i] * e_.Zahlen.LineMode), -1);
            PlaceEdit(i, p.x() - 10, p.y());
            QFont f = edt[i]->font();
            f.setPixelSize(PointsToPixels(11));
            edt[i]->setFont(f);
        }
        break;
    default:
        SetFilter(TEinstiegFilter::Art::Zeichen);
        for (int i = 1; i <= 5; ++i)
            PlaceEdit(i, 490, 180 + 78 * (i - 1));
        break;
    }
    SetAnzeige(e_.Anleitung());
    UpdateControls();
    if (e_.Felder() > 0)
        edt[1]->setFocus(Qt::OtherFocusReason);
    pnt->update();
}

void TfrmGanzEinstieg::btnWiederholungClick()
{
    if (e_.IntroPage == TGanzEinstieg::Uebersicht)
        return;
    if (e_.IntroPage == TGanzEinstieg::Temperatur && edt[1]->text().isEmpty()) {
        Meldung(this, TextKeinEintrag);
        edt[1]->setFocus(Qt::OtherFocusReason);
        return;
    }
    EnableChoice(false);
    StartExercise(e_.IntroPage);
}

void TfrmGanzEinstieg::EdtExit(int item)
{
    if (!e_.FeldOffen(item))
        return;
    ShowAnswer(item, e_.Eingabe(item, edt[item]->text()));
    UpdateControls();
    pnt->update();
}

void TfrmGanzEinstieg::EdtChange(int)
{
    if (e_.IntroPage == TGanzEinstieg::Gerade) {
        SetAnzeige(e_.Anleitung());
        SetMeldung(QString(), ColourCornflower);
    }
    pnt->update();
}

void TfrmGanzEinstieg::shpMouseLeave(TMyShape*)
{
    if (!e_.ShowSolution && e_.Klickvariante() && !e_.Fertig())
        SetAnzeige(e_.Anleitung());
}

void TfrmGanzEinstieg::shpMouseDown(TMyShape* sender)
{
    if (!e_.Klickvariante() || e_.Fertig())
        return;
    for (int n = 1; n <= 25; ++n) {
        if (shp[n] != sender)
            continue;
        const TAntwort a = e_.Klick(n);
        SetMeldung(a.Meldung, a.Richtig() ? ColourCornflower : ColourPink);
        UpdateControls();
        pnt->update();
        return;
    }
}
