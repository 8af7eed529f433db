#include "intro/GanzMusterU.h"

#include "core/NumberHelpers.h"
#include "core/PaintBox.h"
#include "core/Random.h"
#include "core/FormHilfen.h"
#include "integer/GanzSpeicher.h"
#include "intro/EinstiegForm.h"
#include "intro/EinstiegMalen.h"
#include "speech/Sprechtext.h"

#include <QAction>
#include <QFrame>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>

TfrmGanzMuster::TfrmGanzMuster(QWidget* parent)
    : TBildschirm(parent)
{
    setObjectName(QStringLiteral("frmGanzMuster"));
    setFont(ArialFett(19));
    Client = SetUpScreen(this, &MainMenu);

    menSchliessen = MainMenu->addAction(QStringLiteral("Schließen"));
    menSchliessen->setObjectName(QStringLiteral("menSchliessen"));
    menThermo = MainMenu->addAction(QStringLiteral("Thermometer"));
    menThermo->setObjectName(QStringLiteral("menThermo"));
    menGeld = MainMenu->addAction(QStringLiteral("Geldgeschäfte"));
    menGeld->setObjectName(QStringLiteral("menGeld"));
    connect(menSchliessen, &QAction::triggered, this, &QDialog::accept);
    connect(menThermo, &QAction::triggered, this, &TfrmGanzMuster::menThermoClick);
    connect(menGeld, &QAction::triggered, this, &TfrmGanzMuster::menGeldClick);

    pnt = Platziere(new PaintBox(Client), "pnt", 8, 10, 1001, 701);
    pnt->OnPaint = [this](Canvas& canvas) {
        SetIntroWorldWindow();
        PaintGanzMuster(canvas, m_);
    };

    // The frame around the column of notes lets the picture show through.
    bevRahmen = Platziere(new QFrame(Client), "bevRahmen", 80, 48, 217, 625);
    bevRahmen->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevRahmen->setLineWidth(1);
    bevRahmen->setMidLineWidth(0);
    bevRahmen->setAttribute(Qt::WA_TransparentForMouseEvents);
    bevRahmen->hide();

    btnWiederholung = Platziere(new QPushButton(QStringLiteral("Noch einmal"), Client), "btnWiederholung", 870,
                                670, 130, 33);
    btnWeiter = Platziere(new QPushButton(QStringLiteral("Weiter"), Client), "btnWeiter", 870, 670, 130, 33);
    for (QPushButton* b : {btnWiederholung, btnWeiter}) {
        b->setFont(ArialFett(16));
        b->setAutoDefault(false);
    }
    btnWeiter->hide();
    connect(btnWeiter, &QPushButton::clicked, this, &TfrmGanzMuster::btnWeiterClick);
    connect(btnWiederholung, &QPushButton::clicked, this, &TfrmGanzMuster::btnWiederholungClick);
}

void TfrmGanzMuster::FormActivate()
{
    Randomize();
    SetIntroWorldWindow();
    m_.Oeffne(ArtGanz == 2);
    setWindowTitle(m_.Titel());
    bevRahmen->hide();
    btnWeiter->hide();
    btnWiederholung->show();
    Describe();
    pnt->update();
}

void TfrmGanzMuster::menThermoClick()
{
    m_.ZeigeThermometer();
    bevRahmen->hide();
    btnWiederholung->show();
    btnWeiter->hide();
    Describe();
    pnt->update();
}

void TfrmGanzMuster::menGeldClick()
{
    m_.ZeigeGeld();
    bevRahmen->show();
    btnWiederholung->hide();
    btnWeiter->show();
    btnWeiter->setFocus();
    Describe();
    pnt->update();
}

void TfrmGanzMuster::btnWeiterClick()
{
    m_.Weiter();
    if (m_.Durch()) {
        btnWiederholung->show();
        btnWiederholung->setFocus();
        btnWeiter->hide();
    }
    Describe();
    pnt->update();
}

void TfrmGanzMuster::btnWiederholungClick()
{
    m_.NochEinmal();
    if (m_.Geld) {
        btnWeiter->show();
        btnWeiter->setFocus();
        btnWiederholung->hide();
    }
    Describe();
    pnt->update();
}

// The painted example in words, for screen readers; equations spoken.
void TfrmGanzMuster::Describe()
{
    QString text;
    if (!m_.Geld) {
        const TThermoAufgabe& t = m_.Thermo;
        text = QStringLiteral("Thermometer: Anfangstemperatur %1 Grad Celsius, Endtemperatur %2 Grad Celsius. ")
                   .arg(SprichTerm(TempText(t.StartTemp)), SprichTerm(TempText(t.EndTemp)))
               + SprichTerm(m_.ThermoGleichung()) + u'.';
    } else {
        text = QStringLiteral("Das Startkapital beträgt ") + SprichTerm(Minuszahl(m_.Konto.Balance[1]))
               + QStringLiteral(" Euro");
        for (int i = 1; i <= m_.Step; ++i)
            text += QStringLiteral(". ") + SprichTerm(m_.Rechenzeile(i)) + QStringLiteral(", Merkregel: ")
                    + SprichTerm(m_.Merkregel(i));
        text += QStringLiteral(". Kontostand: ") + SprichTerm(Minuszahl(m_.Kontostand())) + QStringLiteral(" Euro.");
    }
    pnt->setAccessibleName(m_.Geld ? QStringLiteral("Geldgeschäfte") : QStringLiteral("Thermometer"));
    pnt->setAccessibleDescription(text);
}
