#include "history/VerlaufMenue.h"

#include "core/Meldung.h"
#include "history/FehlerQuelle.h"
#include "history/VerlaufAufzeichnung.h"
#include "history/VerlaufU.h"
#include "integer/GanzSpeicher.h"
#include "integer/GanzUebungU.h"
#include "rational/RationalSpeicher.h"
#include "rational/RationalUebung.h"
#include "shell/MinuslandU.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

VerlaufMenue::VerlaufMenue(TfrmMinusland* hauptfenster, const QString& pfad)
    : QObject(hauptfenster)
    , hauptfenster_(hauptfenster)
    , aufzeichnung_(new VerlaufAufzeichnung(pfad, this))
{
    connect(aufzeichnung_, &VerlaufAufzeichnung::Stoerung, this, &VerlaufMenue::Stoerung);

    menVerlauf = hauptfenster->menuBar()->addMenu(QStringLiteral("Verlauf"));
    menVerlauf->setObjectName(QStringLiteral("menVerlauf"));
    menVerlauf->menuAction()->setObjectName(QStringLiteral("menVerlauf"));

    menErgebnisseSpeichern = menVerlauf->addAction(QStringLiteral("Ergebnisse speichern"));
    menErgebnisseSpeichern->setObjectName(QStringLiteral("menErgebnisseSpeichern"));
    menErgebnisseSpeichern->setCheckable(true);
    menErgebnisseSpeichern->setChecked(aufzeichnung_->Eingeschaltet());
    connect(menErgebnisseSpeichern, &QAction::triggered, this, &VerlaufMenue::menErgebnisseSpeichernClick);

    menVerlauf->addSeparator()->setObjectName(QStringLiteral("menN1V"));
    menMeinVerlauf = menVerlauf->addAction(QStringLiteral("Mein Verlauf \u2026"));
    menMeinVerlauf->setObjectName(QStringLiteral("menMeinVerlauf"));
    connect(menMeinVerlauf, &QAction::triggered, this, &VerlaufMenue::menMeinVerlaufClick);
    menFehlerUeben = menVerlauf->addAction(QStringLiteral("Fehler üben \u2026"));
    menFehlerUeben->setObjectName(QStringLiteral("menFehlerUeben"));
    connect(menFehlerUeben, &QAction::triggered, this, &VerlaufMenue::menFehlerUebenClick);
    menVerlauf->addSeparator()->setObjectName(QStringLiteral("menN2V"));
    menVerlaufLoeschen = menVerlauf->addAction(QStringLiteral("Verlauf löschen \u2026"));
    menVerlaufLoeschen->setObjectName(QStringLiteral("menVerlaufLoeschen"));
    connect(menVerlaufLoeschen, &QAction::triggered, this, &VerlaufMenue::menVerlaufLoeschenClick);

    // Every drill screen is shown modally over the hidden main window, so
    // the main window hiding or coming back marks where a drill begins or
    // was left.
    hauptfenster->installEventFilter(this);
}

VerlaufMenue::~VerlaufMenue() = default;

TfrmVerlauf* VerlaufMenue::Fenster() const
{
    return fenster_;
}

VerlaufMenue* VerlaufEinbinden(TfrmMinusland* hauptfenster, const QString& pfad)
{
    auto* menue = new VerlaufMenue(hauptfenster, pfad);
    menue->Aufzeichnung()->Bereitstellen();
    return menue;
}

bool VerlaufMenue::eventFilter(QObject* objekt, QEvent* event)
{
    if (objekt == hauptfenster_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        aufzeichnung_->UebungVerlassen();
        if (event->type() == QEvent::Show && !wartend_.isEmpty())
            QTimer::singleShot(0, this, &VerlaufMenue::ZeigeWartendeMeldung);
    }
    return QObject::eventFilter(objekt, event);
}

void VerlaufMenue::Stoerung(const QString& satz)
{
    wartend_ = satz;
    // Not over a drill: a box there would take the focus from the answer
    // being judged.
    if (hauptfenster_->isVisible())
        QTimer::singleShot(0, this, &VerlaufMenue::ZeigeWartendeMeldung);
}

void VerlaufMenue::ZeigeWartendeMeldung()
{
    if (wartend_.isEmpty() || !hauptfenster_->isVisible())
        return;
    const QString satz = wartend_;
    wartend_.clear();
    Meldung(hauptfenster_, satz);
}

void VerlaufMenue::menErgebnisseSpeichernClick(bool an)
{
    aufzeichnung_->SetzeEingeschaltet(an);
}

void VerlaufMenue::menMeinVerlaufClick()
{
    if (!fenster_)
        fenster_ = new TfrmVerlauf(hauptfenster_);
    fenster_->Laden(aufzeichnung_->Speicher());
    hauptfenster_->hide();
    fenster_->exec();
    hauptfenster_->show();
}

void VerlaufMenue::menFehlerUebenClick()
{
    VerlaufSpeicher* speicher = aufzeichnung_->Speicher();
    const std::optional<FehlerPlan> plan =
        speicher ? PlaneFehlerUeben(*speicher, QDateTime::currentDateTime()) : std::nullopt;
    if (!plan) {
        Meldung(hauptfenster_,
                aufzeichnung_->Eingeschaltet()
                    ? QStringLiteral("Du hast noch keine Aufgabe mit gespeichertem Ergebnis gerechnet; "
                                     "übe zuerst eine Runde, dann findest du deine Fehler hier.")
                    : QStringLiteral("Es sind noch keine Ergebnisse gespeichert; schalte im Menü „Verlauf“ "
                                     "„Ergebnisse speichern“ ein, dann kannst du hier später deine Fehler üben."));
        return;
    }
    UebeFehler(*plan);
}

void VerlaufMenue::UebeFehler(const FehlerPlan& plan)
{
    auto quelle = std::make_unique<FehlerQuelle>(plan);
    const int art = quelle->Art();
    const int stufe = quelle->Stufe();
    if (plan.gruppe == Uebungsgruppe::Ganz) {
        auto* form = qobject_cast<TfrmGanzUebung*>(hauptfenster_->FormularVon(Formular::GanzUebung));
        if (!form || art < 1 || art > 9)
            return;
        StufenLoeschen();
        ArtGanz = art;
        StufenGanz[art - 1] = stufe;
        form->SetzeQuelle(std::move(quelle));
        hauptfenster_->ZeigeBildschirm(Formular::GanzUebung, &StufenGanz[art - 1]);
        form->SetzeQuelle(nullptr);
        return;
    }
    const Formular formular = plan.gruppe == Uebungsgruppe::RationalAddSub    ? Formular::RationalUebAddSub
                              : plan.gruppe == Uebungsgruppe::RationalMultDiv ? Formular::RationalUebMultDiv
                                                                              : Formular::RationalUebGem;
    auto* form = qobject_cast<TfrmRationalUebung*>(hauptfenster_->FormularVon(formular));
    int* stufen[] = {&StufeRationalAdd, &StufeRationalSub, &StufeRationalMult, &StufeRationalDiv, &StufeRationalGem};
    if (!form || art < 1 || art > 5)
        return;
    RationalStufenLoeschen();
    RationalArt = art;
    *stufen[art - 1] = stufe;
    form->SetzeQuelle(std::move(quelle));
    hauptfenster_->ZeigeBildschirm(formular, stufen[art - 1]);
    form->SetzeQuelle(nullptr);
}

void VerlaufMenue::menVerlaufLoeschenClick()
{
    QMessageBox frage(QMessageBox::Question, QStringLiteral("Verlauf löschen"),
                      QStringLiteral("Sollen wirklich alle gespeicherten Ergebnisse gelöscht werden?"),
                      QMessageBox::NoButton, hauptfenster_);
    frage.setObjectName(QStringLiteral("frageVerlaufLoeschen"));
    QPushButton* ja = frage.addButton(QStringLiteral("Löschen"), QMessageBox::DestructiveRole);
    QPushButton* nein = frage.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    frage.setDefaultButton(nein);
    frage.exec();
    if (frage.clickedButton() != ja)
        return;
    Meldung(hauptfenster_, aufzeichnung_->Loeschen()
                               ? QStringLiteral("Alle gespeicherten Ergebnisse sind gelöscht.")
                               : QStringLiteral("Die gespeicherten Ergebnisse konnten nicht gelöscht werden."));
}
