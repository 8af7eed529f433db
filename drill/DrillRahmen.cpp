#include "drill/DrillRahmen.h"

#include "core/AntwortFeld.h"
#include "core/FormHilfen.h"
#include "core/Meldung.h"
#include "core/NumberHelpers.h"
#include "core/PaintBox.h"
#include "core/Random.h"
#include "core/Zugang.h"
#include "drill/DrillBericht.h"
#include "drill/DrillZugang.h"
#include "integer/AuswertungU.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

const QColor TDrillRahmen::Hinweisfarbe(153, 102, 51);
const QColor TDrillRahmen::Richtigfarbe(102, 51, 255);
const QColor TDrillRahmen::Falschfarbe(255, 0, 102);

namespace {

const QColor Marineblau(0, 0, 128);
const QColor Kastanienbraun(128, 0, 0);
const QColor Hintergrund(240, 240, 240);

QLabel* NeuesBild(QWidget* parent, const QString& name, const QString& zugang, int left, int top, int width,
                  int height)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(left, top, width, height);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setAccessibleName(zugang);
    return label;
}

// A group box with one centred label, as the counters below the page; read
// as "Punkte: 2,5".
QLabel* Zaehlergruppe(QWidget* parent, QGroupBox*& gruppe, const char* gruppenName, const QString& titel,
                      const char* labelName, int left, int width, const QColor& farbe)
{
    gruppe = Platziere(new QGroupBox(titel, parent), gruppenName, left, 642, width, 70);
    SetzeTextfarbe(gruppe, farbe);
    auto* label = Platziere(new QLabel(gruppe), labelName, 2, 22, width - 4, 42);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(ArialFett(19));
    SetzeTextfarbe(label, farbe);
    MacheZaehler(gruppe, label);
    return label;
}

} // namespace

TDrillRahmen::TDrillRahmen(const char* formName, Zahlenbereich bereich, const DrillZaehler& zaehler,
                           const DrillMasse& masse, QWidget* parent)
    : TBildschirm(parent, FesterRahmen(Qt::Dialog)), bereich_(bereich), z_(zaehler)
{
    setObjectName(QString::fromLatin1(formName));
    setFont(ArialFett(16));
    setModal(true);

    menueLeiste_ = new QMenuBar(this);
    menueLeiste_->setObjectName(QStringLiteral("MainMenu1"));
    menueLeiste_->setNativeMenuBar(false);
    SetzeMenueSchrift(menueLeiste_);
    menSchliessen = menueLeiste_->addAction(QStringLiteral("Schließen"));
    menSchliessen->setObjectName(QStringLiteral("menSchliessen"));
    connect(menSchliessen, &QAction::triggered, this, &TDrillRahmen::menSchliessenClick);

    flaeche_ = new QWidget(this);
    flaeche_->setObjectName(QStringLiteral("Flaeche"));
    flaeche_->setFixedSize(1016, 722);
    flaeche_->setAutoFillBackground(true);
    QPalette grund = flaeche_->palette();
    grund.setColor(QPalette::Window, Hintergrund);
    flaeche_->setPalette(grund);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menueLeiste_);
    layout->addWidget(flaeche_, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    pntZahlen = Platziere(new PaintBox(flaeche_), "pntZahlen", 8, 8, 1000, 700);
    pntZahlen->SetBackground(Hintergrund);
    pntZahlen->OnPaint = [this](Canvas& canvas) { pntZahlenPaint(canvas); };

    lblAnzeige = Platziere(new QLabel(flaeche_), "lblAnzeige", 8, 45, 1001, 73);
    lblAnzeige->setAlignment(Qt::AlignCenter);
    lblAnzeige->setWordWrap(true);
    lblAnzeige->setFont(ArialFett(19));
    MacheMeldungszeile(lblAnzeige, QStringLiteral("Anleitung"));

    for (int i = 1; i <= 5; ++i) {
        const int versatz = 100 * (i - 1);
        img[i] = NeuesBild(flaeche_, QStringLiteral("img%1").arg(i), QStringLiteral("Aufgabe %1").arg(i), 40,
                           134 + versatz, 63, 69);
        imgZ[i][0] = NeuesBild(flaeche_, QStringLiteral("imgZ%11").arg(i),
                               QStringLiteral("Aufgabe %1, erster Versuch").arg(i), 900, 154 + versatz, 40, 40);
        imgZ[i][1] = NeuesBild(flaeche_, QStringLiteral("imgZ%12").arg(i),
                               QStringLiteral("Aufgabe %1, zweiter Versuch").arg(i), 955, 154 + versatz, 40, 40);
        edt[i] = new TAntwortFeld(i, flaeche_);
        edt[i]->setGeometry(masse.edtLinks, 150 + versatz, masse.edtBreite, 40);
        edt[i]->setMaxLength(8);
        edt[i]->setFont(ArialFett(27));
        connect(edt[i], &QLineEdit::textChanged, this, &TDrillRahmen::ZeigeAnleitung);
        connect(edt[i], &TAntwortFeld::Verlassen, this, &TDrillRahmen::edtExit);
        connect(edt[i], &TAntwortFeld::Betreten, this, &TDrillRahmen::edtEnter);
    }

    lblDurchgang = Zaehlergruppe(flaeche_, grpDurchgang, "grpDurchgang", QStringLiteral(" Durchgang "),
                                 "lblDurchgang", 7, 218, Marineblau);
    lblAktVersuche = Zaehlergruppe(flaeche_, grpVersuche, "grpVersuche", QStringLiteral(" Versuche "),
                                   "lblAktVersuche", 240, 153, Marineblau);
    lblAktPunkte = Zaehlergruppe(flaeche_, grpPunkte, "grpPunkte", QStringLiteral(" Punkte "), "lblAktPunkte",
                                 408, 153, Kastanienbraun);

    grpEinfach = Platziere(new QGroupBox(QStringLiteral(" Darstellung "), flaeche_), "grpEinfach", 576, 642, 153,
                           70);
    rbMitVorzeichen = Platziere(new QRadioButton(QStringLiteral("mit Vorzeichen"), grpEinfach),
                                "rbMitVorzeichen", 8, 20, 142, 22);
    rbVereinfacht = Platziere(new QRadioButton(QStringLiteral("Vereinfacht"), grpEinfach), "rbVereinfacht", 8, 43,
                              142, 22);
    rbMitVorzeichen->setChecked(true);
    // Clicks, arrow keys, Space and a screen reader's "Toggle" all change the
    // mode the same way, and only until the first answer of a page is judged.
    darstellung_ = new QButtonGroup(this);
    darstellung_->addButton(rbMitVorzeichen, 0);
    darstellung_->addButton(rbVereinfacht, 1);
    VerbindeDarstellung(
        darstellung_, [this] { return Vereinfacht() ? 1 : 0; }, [this] { return grpEinfach->isEnabled(); },
        [this](int id) { grpEinfachClick(id == 1); });

    btnWeiter = Platziere(new QPushButton(QStringLiteral("Weiter"), flaeche_), "btnWeiter", 800, 670, 200, 40);
    btnAuswertung =
        Platziere(new QPushButton(QStringLiteral("Auswertung"), flaeche_), "btnAuswertung", 800, 670, 200, 40);
    for (QPushButton* knopf : {btnWeiter, btnAuswertung})
        knopf->setAutoDefault(false); // Return belongs to the answer boxes
    btnAuswertung->hide();
    connect(btnWeiter, &QPushButton::clicked, this, &TDrillRahmen::btnWeiterClick);
    connect(btnAuswertung, &QPushButton::clicked, this, &TDrillRahmen::btnAuswertungClick);

    // Tab order: the answer boxes from top to bottom, then the controls below.
    for (int i = 1; i < 5; ++i)
        setTabOrder(edt[i], edt[i + 1]);
    setTabOrder(edt[5], rbMitVorzeichen);
    setTabOrder(rbMitVorzeichen, rbVereinfacht);
    setTabOrder(rbVereinfacht, btnWeiter);
    setTabOrder(btnWeiter, btnAuswertung);
    lblAnzeige->raise(); // the label stands over the paint area
}

TDrillRahmen::~TDrillRahmen()
{
    // A screen destroyed while shown loses the focus on the way out; the
    // boxes must not report that to the half-destroyed form.
    for (int i = 1; i <= 5; ++i)
        edt[i]->disconnect(this);
}

QImage TDrillRahmen::Bild() const
{
    return pntZahlen->Render();
}

void TDrillRahmen::NeuStarten()
{
    FormActivate();
}

void TDrillRahmen::SetzeQuelle(std::unique_ptr<Aufgabenquelle> quelle)
{
    quelle_ = std::move(quelle);
    eigeneQuelle_ = quelle_ != nullptr;
}

void TDrillRahmen::done(int result)
{
    nacharbeit_.aktiv = false;
    if (eigeneQuelle_) {
        // Back to the catalogue for the next opening.
        quelle_.reset();
        eigeneQuelle_ = false;
    }
    TBildschirm::done(result);
}

// ---------------------------------------------------------------------------
// Opening and pages

void TDrillRahmen::FormActivate()
{
    nacharbeit_.aktiv = false;
    if (FolgtVollbild()) {
        if (Vollbild) {
            layout()->setSizeConstraint(QLayout::SetMinimumSize);
            setWindowState(windowState() | Qt::WindowMaximized);
        } else {
            setWindowState(windowState() & ~Qt::WindowMaximized);
            layout()->setSizeConstraint(QLayout::SetFixedSize);
        }
    }
    Randomize();
    Einrichten();
    if (!quelle_)
        quelle_ = Katalogquelle();

    SeiteLeeren();
    SetzeVereinfacht(false);
    rbMitVorzeichen->setChecked(true);
    const QString titel = quelle_->Titel();
    setWindowTitle(titel.isEmpty() ? Titel() : titel);
    ZeigeRueckmeldung(Startanleitung(), Hinweisfarbe);

    NeueUebung();
    *z_.maxDurchgaenge = quelle_->Seiten() > 0 ? quelle_->Seiten() : UeblicheSeiten();
    ZeigeZaehler(Punktanzeige::Null);

    SeiteFuellen();
    btnWeiter->show();
    btnAuswertung->hide();
    FokusZurueck(1);
    pntZahlen->update();
}

void TDrillRahmen::NeueUebung()
{
    *z_.anzVersuche = 0;
    *z_.anzVersucheGesamt = 0;
    *z_.punkte = 0;
    *z_.punkteGesamt = 0;
    *z_.aktDurchgang = 1;
    for (int i = 1; i <= 5; ++i)
        Versuch(i) = 1;
    zweiterVersuchZeile_ = 0;
}

void TDrillRahmen::SeiteFuellen()
{
    const bool vereinfacht = Vereinfacht();
    for (int i = 1; i <= 5; ++i) {
        herkunft_[i] = quelle_ ? quelle_->Fuelle(*z_.aktDurchgang, i, vereinfacht) : AufgabenHerkunft{};
        ZeileEinrichten(i, herkunft_[i].art != 0);
        BeschreibeFeld(i);
    }
    pntZahlen->update();
}

void TDrillRahmen::ZeilenZuruecksetzen()
{
    for (int i = 1; i <= 5; ++i) {
        img[i]->show();
        SetzeStatus(i, std::nullopt);
        SetzeMarke(i, 1, std::nullopt);
        SetzeMarke(i, 2, std::nullopt);
        edt[i]->show();
        edt[i]->clear();
        Versuch(i) = 1;
    }
    zweiterVersuchZeile_ = 0;
    grpEinfach->setEnabled(true); // the mode may change until the first answer
}

bool TDrillRahmen::ZeileFertig(int i) const
{
    return !edt[i]->text().isEmpty() && !ZeileOffen(i);
}

// ---------------------------------------------------------------------------
// The one place for each text and picture

void TDrillRahmen::BeschreibeFeld(int i)
{
    BeschreibeTermfeld(edt[i], TermAnzeige(i));
}

void TDrillRahmen::ZeigeRueckmeldung(const QString& text, const QColor& farbe)
{
    SetzeTextfarbe(lblAnzeige, farbe);
    SetzeMeldung(lblAnzeige, QString(text).replace(u'\r', u'\n'));
}

void TDrillRahmen::ZeigeAnleitung()
{
    ZeigeRueckmeldung(Anleitung(), Hinweisfarbe);
}

void TDrillRahmen::ZeigeZaehler(Punktanzeige punkte)
{
    SetzeZaehler(lblDurchgang, QStringLiteral("%1 / %2").arg(*z_.aktDurchgang).arg(*z_.maxDurchgaenge));
    SetzeZaehler(lblAktVersuche, QString::number(*z_.anzVersuche));
    if (punkte == Punktanzeige::EineStelle)
        SetzeZaehler(lblAktPunkte, FestKomma(*z_.punkte, 1));
    else if (punkte == Punktanzeige::Null)
        SetzeZaehler(lblAktPunkte, QStringLiteral("0"));
}

void TDrillRahmen::SetzeStatus(int zeile, std::optional<Verdikt> verdikt)
{
    DrillBild bild = DrillBild::Neutral;
    if (verdikt == Verdikt::RichtigErster)
        bild = DrillBild::RichtigErster;
    else if (verdikt == Verdikt::RichtigZweiter)
        bild = DrillBild::RichtigZweiter;
    else if (verdikt == Verdikt::FalschErster || verdikt == Verdikt::FalschZweiter)
        bild = DrillBild::Falsch;
    img[zeile]->setPixmap(DrillBildPixmap(bild));
    img[zeile]->setAccessibleDescription(StatusName(verdikt));
}

void TDrillRahmen::SetzeMarke(int zeile, int versuch, std::optional<bool> richtig)
{
    QLabel* marke = imgZ[zeile][versuch - 1];
    if (richtig) {
        marke->setPixmap(DrillBildPixmap(*richtig ? DrillBild::MarkeRichtig : DrillBild::MarkeFalsch));
        marke->setAccessibleDescription(MarkeName(versuch, *richtig));
    } else {
        marke->clear();
        marke->setAccessibleDescription({});
    }
}

// ---------------------------------------------------------------------------
// Focus and follow-ups

void TDrillRahmen::FokusZurueck(int zeile)
{
    if (!edt[zeile]->isVisible() && isVisible())
        return;
    // After a message box or the evaluation the screen takes the activation back.
    if (isVisible() && !isActiveWindow())
        activateWindow();
    eigenerFokus_ = true;
    edt[zeile]->setFocus(Qt::OtherFocusReason);
    edt[zeile]->selectAll();
    eigenerFokus_ = false;
}

void TDrillRahmen::PlaneNacharbeit(int zeile, const QString& meldung)
{
    // A message already waiting for this line stays: the focus moving on to
    // the next box must not swallow it.
    const bool behalten = nacharbeit_.aktiv && nacharbeit_.zeile == zeile && meldung.isEmpty();
    if (!behalten)
        nacharbeit_.meldung = meldung;
    nacharbeit_.zeile = zeile;
    if (nacharbeit_.aktiv)
        return; // already queued
    nacharbeit_.aktiv = true;
    QTimer::singleShot(0, this, [this] { ErledigeNacharbeit(); });
}

bool TDrillRahmen::ErledigeNacharbeit()
{
    if (!nacharbeit_.aktiv)
        return false;
    const auto arbeit = nacharbeit_;
    nacharbeit_ = {};
    if (!Offen())
        return true;
    pruefe_ = true; // the message box and the focus return judge nothing
    if (!arbeit.meldung.isEmpty())
        Meldung(this, arbeit.meldung);
    pruefe_ = false;
    if (Offen())
        FokusZurueck(arbeit.zeile);
    return true;
}

// ---------------------------------------------------------------------------
// Events

void TDrillRahmen::edtEnter(int zeile)
{
    // The second attempt belongs to its line: the focus goes back there.
    if (ZweiterVersuchBindet() && Offen() && zweiterVersuchZeile_ != 0 && zeile != zweiterVersuchZeile_
        && !eigenerFokus_)
        PlaneNacharbeit(zweiterVersuchZeile_, {});
}

void TDrillRahmen::edtExit(int i)
{
    if (!Offen() || eigenerFokus_ || pruefe_)
        return;
    TAntwortFeld* feld = edt[i];
    if (feld->text().isEmpty() || feld->isHidden() || !ZeileOffen(i))
        return;
    if (ZweiterVersuchBindet() && zweiterVersuchZeile_ != 0 && zweiterVersuchZeile_ != i)
        return;

    pruefe_ = true;
    grpEinfach->setEnabled(false);
    int& versuch = Versuch(i);
    const Bewertung b = Beurteile(i, feld->text(), versuch);
    Melde(i, b);
    if (b.Formatfehler()) {
        PlaneNacharbeit(i, b.text); // nothing is counted, the attempt is not used up
        pruefe_ = false;
        return;
    }

    ZeigeRueckmeldung(b.text, b.Richtig() ? Richtigfarbe : Falschfarbe);
    // A second wrong entry keeps the picture of the first and tells the new state.
    SetzeStatus(i, b.verdikt);
    const bool erster = b.verdikt == Verdikt::RichtigErster || b.verdikt == Verdikt::FalschErster;
    SetzeMarke(i, erster ? 1 : 2, b.Richtig());
    if (b.verdikt == Verdikt::FalschErster) {
        versuch = 2;
        zweiterVersuchZeile_ = i;
        *z_.anzVersucheGesamt += 1;
        *z_.anzVersuche += 1;
        ZeigeZaehler(Punktanzeige::Unveraendert);
        PlaneNacharbeit(i, {}); // the entry stays in the box for correction
        pruefe_ = false;
        return;
    }
    versuch = 1;
    zweiterVersuchZeile_ = 0;
    *z_.punkte += float(b.punkte);
    *z_.punkteGesamt += float(b.punkte);
    ZeileAbschliessen(i, b);

    // The exercise is finished.
    feld->hide();
    *z_.anzVersuche += 1;
    *z_.anzVersucheGesamt += 1;
    ZeigeZaehler();
    bool alleFertig = true;
    for (int k = 1; k <= 5; ++k)
        alleFertig = alleFertig && ZeileFertig(k);
    if (*z_.aktDurchgang >= *z_.maxDurchgaenge && alleFertig) {
        btnAuswertung->show();
        btnWeiter->hide();
    }
    pntZahlen->update();
    pruefe_ = false;
}

void TDrillRahmen::Melde(int zeile, const Bewertung& b)
{
    Urteil u;
    u.aufgabe = herkunft_[zeile];
    u.vereinfacht = Vereinfacht();
    u.seite = *z_.aktDurchgang;
    u.zeile = zeile;
    u.termAnzeige = TermAnzeige(zeile);
    u.eingabe = b.eingabe;
    u.erwartet = b.erwartet;
    u.verdikt = b.verdikt;
    u.punkte = b.punkte;
    if (quelle_) {
        u.klassencode = quelle_->Klassencode();
        u.wiederholung = quelle_->Wiederholung();
    }
    u.zeit = QDateTime::currentDateTime();
    emit Beurteilt(u);
    emit DrillBericht().Beurteilt(u);
}

void TDrillRahmen::btnWeiterClick()
{
    // A refused entry or a second attempt that the click interrupted comes first.
    if (ErledigeNacharbeit())
        return;
    int leer = 0;
    int obersteLeere = 0;
    for (int i = 5; i >= 1; --i) {
        if (edt[i]->text().isEmpty()) {
            ++leer;
            obersteLeere = i;
        }
    }
    if (leer > 0) {
        pruefe_ = true; // the message box judges nothing
        Meldung(this, leer == 1 ? QStringLiteral("Es fehlt noch 1 Eintrag!")
                                : QStringLiteral("Es fehlen noch %1 Einträge!").arg(leer));
        pruefe_ = false;
        if (Offen())
            FokusZurueck(obersteLeere);
        return;
    }
    // A press that moved no focus (a screen reader's action, a shortcut)
    // judged nothing: every line is finished before the page moves on, and
    // the last page ends with "Auswertung", never with a page beyond it.
    for (int i = 1; i <= 5; ++i) {
        if (!ZeileFertig(i)) {
            FokusZurueck(i);
            return;
        }
    }
    if (*z_.aktDurchgang >= *z_.maxDurchgaenge)
        return;
    ZeilenFreigeben();
    ZeilenZuruecksetzen();
    *z_.aktDurchgang += 1;
    SeiteFuellen();
    *z_.anzVersuche = 0;
    *z_.punkte = 0;
    ZeigeZaehler();
    FokusZurueck(1);
    pntZahlen->update();
}

void TDrillRahmen::grpEinfachClick(bool vereinfacht)
{
    if (!grpEinfach->isEnabled() || vereinfacht == Vereinfacht())
        return;
    SetzeVereinfacht(vereinfacht);
    ZeigeAnleitung();
    SeiteFuellen();
    // After the key or action that changed the mode is done with the focus.
    PlaneNacharbeit(1, {});
}

void TDrillRahmen::btnAuswertungClick()
{
    if (ErledigeNacharbeit())
        return;
    DrillAbschluss abschluss;
    abschluss.bereich = bereich_;
    abschluss.art = herkunft_[1].art;
    abschluss.stufe = herkunft_[1].stufe;
    abschluss.vereinfacht = Vereinfacht();
    if (quelle_) {
        abschluss.klassencode = quelle_->Klassencode();
        abschluss.wiederholung = quelle_->Wiederholung();
    }
    abschluss.punkteGesamt = *z_.punkteGesamt;
    abschluss.versucheGesamt = *z_.anzVersucheGesamt;
    abschluss.prozent = AuswertungProzent(*z_.punkteGesamt, *z_.anzVersucheGesamt);
    abschluss.zeit = QDateTime::currentDateTime();
    emit DrillBericht().Beendet(abschluss);

    if (!frmAuswertung) {
        // Made on first use, it goes with this screen; the global reference
        // must not outlive it.
        frmAuswertung = new TfrmAuswertung(this);
        connect(frmAuswertung, &QObject::destroyed, [] { frmAuswertung = nullptr; });
    }
    frmAuswertung->Auswerten(*z_.punkteGesamt, *z_.anzVersucheGesamt);
    if (!Offen())
        return;

    // A new drill of the same kind and level.
    NeueUebung();
    btnWeiter->show();
    btnAuswertung->hide();
    SeiteLeeren();
    SeiteFuellen();
    ZeigeZaehler();
    ZeigeAnleitung();
    FokusZurueck(1);
    pntZahlen->update();
}

void TDrillRahmen::menSchliessenClick()
{
    StufenZuruecksetzen();
    close();
}
