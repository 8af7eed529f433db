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
#include "intro/ZahlengeradeTasten.h"
#include "speech/Sprechtext.h"

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

    // Over the line: from 4 pixels left of the first target's centre minus
    // its radius to the last, 24 pixels above and 28 below the line.
    geradeTasten = Platziere(new TZahlengeradeTasten(Client), "geradeTasten", 4, 330, 1010, 60);
    geradeTasten->ZielOffen = [this](int n) { return e_.ZielSichtbar(n); };
    geradeTasten->OnWahl = [this](int n) { shpMouseDown(shp[n]); };
    geradeTasten->Ortsname = [this](int n) { return SprichTerm(Vorzeichenzahl(KlickWert(e_.Zahlen, n))); };
    geradeTasten->hide();
    setTabOrder(edt[5], geradeTasten);
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
    ShowBoxes(uebersicht, [this](int i) { return e_.FeldOffen(i); }, [this](int i) { return e_.Beschreibung(i); },
              [this](int i) { return e_.GesprocheneBeschreibung(i); });
    // The page in words: the question, the marks on the line, the tally.
    QString seite = e_.IntroPage == TGanzEinstieg::Temperatur ? SprichTerm(e_.Frage()) : QString(e_.Frage()).remove(u'#');
    if (e_.IntroPage == TGanzEinstieg::Gerade && !e_.Markierungen().isEmpty())
        seite += QStringLiteral(" Markierungen: ") + e_.Markierungen() + u'.';
    if (e_.TallyShown) {
        const TTallyTexte t = TallyTexte(e_.Auswertung);
        seite += u' ' + t.Versuche + QStringLiteral(", ") + t.Richtig + QStringLiteral(", ") + t.Falsch + u'.';
    }
    pnt->setAccessibleDescription(seite);
    for (int n = 1; n <= 25; ++n)
        shp[n]->setVisible(e_.ZielSichtbar(n));
    const bool klicken = e_.Klickvariante() && !e_.Fertig();
    geradeTasten->setVisible(klicken);
    geradeTasten->setAccessibleDescription(
        klicken ? e_.GesuchteZahl()
                      + QStringLiteral(" Die Pfeiltasten bewegen die Markierung, Enter oder die Leertaste wählt die Stelle.")
                : QString());
    if (klicken)
        geradeTasten->Setze(geradeTasten->Marke());
    if (e_.Fertig() && !uebersicht)
        EnableChoice(true);
    FocusOnward();
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
    geradeTasten->Setze(13); // the marker starts at 0
    UpdateControls();
    if (e_.Felder() > 0)
        edt[1]->setFocus(Qt::OtherFocusReason);
    else if (e_.Klickvariante())
        geradeTasten->setFocus(Qt::OtherFocusReason);
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
