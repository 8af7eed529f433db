#pragma once
// One drill screen of either number range, opened and driven the same way,
// so that a test of the drill frame runs against both drills. The fixture
// gives every line a known result, so the scenarios know what is right,
// what is wrong and what lacks its sign.
#include "common/ModalHelper.h"
#include "common/Tippen.h"
#include "drill/DrillBericht.h"
#include "drill/DrillRahmen.h"
#include "integer/AuswertungU.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzUebungU.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalUebMultDivU.h"
#include "rational/RationalUebung.h"

#include <QApplication>
#include <QTest>

#include <memory>

enum class DrillArt { Ganz, Rational };

class DrillFixture {
public:
    explicit DrillFixture(DrillArt art) : art_(art)
    {
        if (art == DrillArt::Ganz)
            rahmen_ = new TfrmGanzUebung;
        else
            rahmen_ = new TfrmRationalUebMultDiv;
        QObject::connect(&DrillBericht(), &DrillBerichtSender::Beurteilt, rahmen_,
                         [this](const Urteil& u) { urteile.append(u); });
        QObject::connect(&DrillBericht(), &DrillBerichtSender::Beendet, rahmen_,
                         [this](const DrillAbschluss& a) { abschluesse.append(a); });
    }

    ~DrillFixture()
    {
        CancelModalWatches();
        delete rahmen_;
        StufenLoeschen();
        ArtGanz = 0;
        RationalStufenLoeschen();
        RationalArt = 0;
    }

    TDrillRahmen* Rahmen() const { return rahmen_; }
    DrillArt Art() const { return art_; }
    TAntwortFeld* Feld(int i) const { return rahmen_->edt[i]; }

    // As the menu does it: kind and level set, then the screen shown and active.
    void Oeffne()
    {
        if (art_ == DrillArt::Ganz) {
            StufenLoeschen();
            ArtGanz = 1;
            StufeGanzAdd = 1;
            GewaehlteDurchgaenge = 3;
        } else {
            RationalStufenLoeschen();
            RationalArt = 3;
            StufeRationalMult = 1;
        }
        rahmen_->show();
        Aktiviere();
        QTRY_VERIFY(Feld(1)->hasFocus());
        BekannteErgebnisse();
    }

    void Aktiviere()
    {
        if (!rahmen_->isActiveWindow())
            QApplication::setActiveWindow(rahmen_);
        // Best effort: the scenarios drive the boxes directly and do not
        // need the window system to agree.
        (void)QTest::qWaitForWindowActive(rahmen_);
    }

    // Every line gets a result the scenarios know (the page keeps its terms).
    void BekannteErgebnisse()
    {
        for (int i = 1; i <= 5; ++i) {
            if (art_ == DrillArt::Ganz)
                AufgabenGanz[i].Ergebnis = QStringLiteral("3");
            else
                RationalAufgaben[i].Ergebnis = QStringLiteral("3/4");
        }
    }

    QString Richtig() const { return art_ == DrillArt::Ganz ? QStringLiteral("+3") : QStringLiteral("+3/4"); }
    QString Falsch() const { return art_ == DrillArt::Ganz ? QStringLiteral("+9") : QStringLiteral("+1/4"); }
    QString OhneVorzeichen() const { return art_ == DrillArt::Ganz ? QStringLiteral("3") : QStringLiteral("3/4"); }

    // Types into line i (giving it the focus first, as a click would) and presses Return.
    void Antworte(int i, const QString& text)
    {
        Aktiviere();
        if (!Feld(i)->hasFocus()) {
            Feld(i)->setFocus(Qt::MouseFocusReason);
            QApplication::processEvents();
        }
        TippeUndEnter(Feld(i), text);
    }

    // Answers every open line of the page right.
    void AllesRichtig()
    {
        for (int i = 1; i <= 5; ++i)
            if (Feld(i)->isVisible())
                Antworte(i, Richtig());
    }

    float PunkteGesamt() const { return art_ == DrillArt::Ganz ? ::PunkteGesamt : PunkteGesamtR; }
    int VersucheGesamt() const { return art_ == DrillArt::Ganz ? AnzVersucheGesamt : AnzVersucheGesamtR; }
    float Punkte() const { return art_ == DrillArt::Ganz ? ::Punkte : PunkteR; }
    int Versuche() const { return art_ == DrillArt::Ganz ? AnzVersuche : AnzVersucheR; }
    int Durchgang() const { return art_ == DrillArt::Ganz ? AktDurchgang : AktDurchgangR; }

    QList<Urteil> urteile;
    QList<DrillAbschluss> abschluesse;

private:
    DrillArt art_;
    TDrillRahmen* rahmen_ = nullptr;
};
