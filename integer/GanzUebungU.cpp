#include "integer/GanzUebungU.h"

#include "drill/Aufgabenquelle.h"
#include "assets/Bilder.h"
#include "core/Markup.h"
#include "core/Meldung.h"
#include "core/NumberHelpers.h"
#include "core/PaintBox.h"
#include "core/Random.h"
#include "core/WorldWindow.h"
#include "integer/AuswertungU.h"
#include "core/FormHilfen.h"
#include "integer/GanzAnzeige.h"
#include "integer/GanzKatalog.h"
#include "integer/GanzSpeicher.h"
#include "shell/MinuslandU.h"

#include <QAction>
#include <QButtonGroup>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QShowEvent>

namespace {

const QColor Navy(0, 0, 128);
const QColor Maroon(128, 0, 0);

constexpr int TermGroesse = 18; // points, bold

// World row of line i.
float ZeilenY(int zeile)
{
    return 11.3f - 5.6f * float(zeile - 1);
}

// The pictures the lines show, as QPixmaps.
enum Status { StatusNeutral, StatusGruen, StatusRot, StatusOrange };
enum Marke { MarkeKeine, MarkeGut, MarkeSchlecht };

// The pictures are copied from the main window, their one store; a screen
// shown without it (tests, tools) paints the same pictures itself.
QPixmap Hauptfensterbild(QLabel* TfrmMinusland::*bild)
{
    if (frmMinusland && frmMinusland->*bild)
        return (frmMinusland->*bild)->pixmap();
    return {};
}

QPixmap StatusPixmap(int art)
{
    static constexpr QLabel* TfrmMinusland::*namen[4] = {&TfrmMinusland::imgB, &TfrmMinusland::imgG,
                                                         &TfrmMinusland::imgR, &TfrmMinusland::imgO};
    static constexpr StatusArt arten[4] = {StatusArt::Neutral, StatusArt::RichtigErster,
                                           StatusArt::Falsch, StatusArt::RichtigZweiter};
    QPixmap bild = Hauptfensterbild(namen[art]);
    return bild.isNull() ? QPixmap::fromImage(StatusBild(arten[art])) : bild;
}

QPixmap MarkePixmap(int art)
{
    if (art == MarkeKeine)
        return {};
    QPixmap bild = Hauptfensterbild(art == MarkeGut ? &TfrmMinusland::img1 : &TfrmMinusland::img2);
    if (bild.isNull())
        bild = QPixmap::fromImage(art == MarkeGut ? MarkeRichtig() : MarkeFalsch());
    return bild;
}

// The result as the current display mode writes it.
QString ErgebnisAnzeige(const QString& ergebnis)
{
    return GanzErgebnisAnzeige(ergebnis, Vereinfacht);
}

} // namespace

// ---------------------------------------------------------------------------
// Answer boxes

QChar TAntwortFilter::Zeichen(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c;
    if (c == u'-' || c == EnDash || c == QChar(0x2212) || c == QChar(0x2012) || c == QChar(0x2014)
        || c == QChar(0xFE63) || c == QChar(0xFF0D))
        return EnDash;
    if (c == u'+' && !Vereinfacht)
        return c;
    return {};
}

QValidator::State TAntwortFilter::validate(QString& input, int& pos) const
{
    QString gefiltert;
    gefiltert.reserve(input.size());
    int neuePos = pos;
    for (int k = 0; k < input.size(); ++k) {
        const QChar c = Zeichen(input.at(k));
        if (c.isNull()) {
            if (k < pos)
                --neuePos;
            continue;
        }
        gefiltert += c;
    }
    input = gefiltert;
    pos = qBound(0, neuePos, int(input.size()));
    return Acceptable;
}

TAntwortEdit::TAntwortEdit(int zeile, QWidget* parent)
    : QLineEdit(parent)
    , zeile_(zeile)
{
    setObjectName(QStringLiteral("edt%1").arg(zeile));
    setAccessibleName(QStringLiteral("Aufgabe %1").arg(zeile));
    setFont(ArialFett(27));
    setMaxLength(8);
    setValidator(new TAntwortFilter(this));
}

void TAntwortEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept(); // never reaches the dialog's default button
        emit EnterGedrueckt(zeile_);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TAntwortEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit Verlassen(zeile_, event->reason());
}

void TAntwortEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    emit Betreten(zeile_);
}

// ---------------------------------------------------------------------------
// Texts

QString GanzUebungTitel()
{
    static const char* const arten[9] = {
        "Addition ganzer Zahlen",
        "Subtraktion ganzer Zahlen",
        "Addition+Subtraktion ganzer Zahlen",
        "Subtraktion ganzer Zahlen mit Klammern",
        "Addition+Subtraktion ganzer Zahlen mit Klammern",
        "Addition+Subtraktion ganzer Zahlen mit Beträgen",
        "Multiplikation ganzer Zahlen",
        "Division ganzer Zahlen",
        "Alle Grundrechnugsarten ganzer Zahlen",
    };
    int art = 0;
    int stufe = 0;
    if (!GewaehlteStufeGanz(art, stufe))
        return {};
    return QString::fromUtf8(arten[art - 1]) + QStringLiteral(": Stufe ") + QString::number(stufe);
}

QString GanzUebungUeberschrift()
{
    const int stufe = ArtGanz == 7 ? StufeGanzMult : ArtGanz == 8 ? StufeGanzDiv : 0;
    return GanzUeberschrift(ArtGanz, stufe);
}

QString GanzUebungAnleitung(bool vereinfacht)
{
    const QString ersteZeile = vereinfacht
        ? QStringLiteral("Gib die jeweiligen Zahlen ohne Pluszeichen ein.")
        : QStringLiteral("Gib die jeweiligen Zahlen mit dem entsprechenden Vorzeichen ein.");
    return ersteZeile + u'\n' + QStringLiteral("Drücke die Enter") + EnDash
        + QStringLiteral("Taste oder klicke mit der Maus ins nächste Feld!");
}

// ---------------------------------------------------------------------------
// Form

TfrmGanzUebung::TfrmGanzUebung(QWidget* parent)
    : TBildschirm(parent, FesterRahmen(Qt::Dialog))
{
    setObjectName(QStringLiteral("frmGanzUebung"));
    setModal(true);
    setFont(ArialFett(16));

    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("MainMenu1"));
    menuBar->setNativeMenuBar(false);
    menSchliessen = menuBar->addAction(QStringLiteral("Schließen"));
    menSchliessen->setObjectName(QStringLiteral("menSchliessen"));
    connect(menSchliessen, &QAction::triggered, this, &TfrmGanzUebung::menSchliessenClick);

    const int menuHoehe = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, 1016, menuHoehe);
    flaeche_ = new QWidget(this);
    flaeche_->setObjectName(QStringLiteral("Flaeche"));
    flaeche_->setGeometry(0, menuHoehe, 1016, 722);
    setFixedSize(1016, 722 + menuHoehe);
    QPalette hintergrund = palette();
    hintergrund.setColor(QPalette::Window, QColor(240, 240, 240));
    setPalette(hintergrund);

    pntZahlen = Platziere(new PaintBox(flaeche_), "pntZahlen", 8, 8, 1000, 700);
    pntZahlen->SetBackground(QColor(240, 240, 240));
    pntZahlen->OnPaint = [this](Canvas& canvas) { pntZahlenPaint(canvas); };

    lblAnzeige = Platziere(new QLabel(flaeche_), "lblAnzeige", 8, 45, 1001, 73);
    lblAnzeige->setFont(ArialFett(19));
    lblAnzeige->setAlignment(Qt::AlignCenter);
    lblAnzeige->setWordWrap(true);

    for (int i = 1; i <= 5; ++i) {
        const int versatz = 100 * (i - 1);
        img[i] = Platziere(new QLabel(flaeche_), "", 40, 134 + versatz, 63, 69);
        img[i]->setObjectName(QStringLiteral("img%1").arg(i));
        for (int v = 0; v < 2; ++v) {
            QLabel* marke = Platziere(new QLabel(flaeche_), "", v == 0 ? 900 : 955, 154 + versatz, 40, 40);
            marke->setObjectName(QStringLiteral("imgZ%1%2").arg(i).arg(v + 1));
            imgZ[i][v] = marke;
        }
        edt[i] = new TAntwortEdit(i, flaeche_);
        edt[i]->setGeometry(460, 150 + versatz, 90, 40);
        connect(edt[i], &QLineEdit::textChanged, this, &TfrmGanzUebung::edtChange);
        connect(edt[i], &TAntwortEdit::Verlassen, this, &TfrmGanzUebung::edtExit);
        connect(edt[i], &TAntwortEdit::EnterGedrueckt, this, &TfrmGanzUebung::edtEnter);
        connect(edt[i], &TAntwortEdit::Betreten, this, [this](int zeile) {
            // The second attempt belongs to its line: the focus goes back there.
            if (Offen() && zweiterVersuchZeile_ != 0 && zeile != zweiterVersuchZeile_ && !eigenerFokus_)
                PlaneNacharbeit(zweiterVersuchZeile_, 0);
        });
    }

    auto zaehlerGruppe = [this](const char* gruppe, const char* label, const QString& titel, int left,
                                int width, const QColor& farbe, QLabel** ziel) {
        auto* box = Platziere(new QGroupBox(titel, flaeche_), gruppe, left, 642, width, 70);
        auto* text = Platziere(new QLabel(box), label, 4, 26, width - 8, 38);
        text->setFont(ArialFett(19));
        text->setAlignment(Qt::AlignCenter);
        SetzeTextfarbe(text, farbe);
        *ziel = text;
        return box;
    };
    grpDurchgang = zaehlerGruppe("grpDurchgang", "lblDurchgang", QStringLiteral(" Durchgang "), 7, 218,
                                 Navy, &lblDurchgang);
    grpVersuche = zaehlerGruppe("grpVersuche", "lblAktVersuche", QStringLiteral(" Versuche "), 240,
                                153, Navy, &lblAktVersuche);
    grpPunkte = zaehlerGruppe("grpPunkte", "lblAktPunkte", QStringLiteral(" Punkte "), 408, 153,
                              Maroon, &lblAktPunkte);
    lblAktVersuche->setAccessibleName(QStringLiteral("Versuche"));
    lblAktPunkte->setAccessibleName(QStringLiteral("Punkte"));
    lblDurchgang->setAccessibleName(QStringLiteral("Durchgang"));

    grpEinfach = Platziere(new QGroupBox(QStringLiteral(" Darstellung "), flaeche_), "grpEinfach", 576,
                           642, 153, 70);
    rbMitVorzeichen = Platziere(new QRadioButton(QStringLiteral("mit Vorzeichen"), grpEinfach),
                                "rbMitVorzeichen", 5, 23, 146, 21);
    rbVereinfacht = Platziere(new QRadioButton(QStringLiteral("Vereinfacht"), grpEinfach),
                              "rbVereinfacht", 5, 45, 146, 21);
    grpEinfachItems = new QButtonGroup(this);
    grpEinfachItems->addButton(rbMitVorzeichen, 0);
    grpEinfachItems->addButton(rbVereinfacht, 1);
    rbMitVorzeichen->setChecked(true);
    connect(grpEinfachItems, &QButtonGroup::idClicked, this, &TfrmGanzUebung::grpEinfachClick);

    btnWeiter = Platziere(new QPushButton(QStringLiteral("Weiter"), flaeche_), "btnWeiter", 800, 670,
                          200, 40);
    connect(btnWeiter, &QPushButton::clicked, this, &TfrmGanzUebung::btnWeiterClick);
    btnAuswertung = Platziere(new QPushButton(QStringLiteral("Auswertung"), flaeche_), "btnAuswertung",
                              800, 670, 200, 40);
    btnAuswertung->hide();
    connect(btnAuswertung, &QPushButton::clicked, this, &TfrmGanzUebung::btnAuswertungClick);

    // Tab order: the answer boxes from top to bottom, then the controls below.
    for (int i = 1; i < 5; ++i)
        setTabOrder(edt[i], edt[i + 1]);
    setTabOrder(edt[5], rbMitVorzeichen);
    setTabOrder(rbMitVorzeichen, rbVereinfacht);
    setTabOrder(rbVereinfacht, btnWeiter);
    setTabOrder(btnWeiter, btnAuswertung);
    // The labels stand over the paint area.
    lblAnzeige->raise();
}

TfrmGanzUebung::~TfrmGanzUebung()
{
    // A screen destroyed while shown loses the focus on the way out; the
    // boxes must not report that to the half-destroyed form.
    for (int i = 1; i <= 5; ++i)
        edt[i]->disconnect(this);
}

QImage TfrmGanzUebung::PaintBild() const
{
    return pntZahlen->Render();
}

void TfrmGanzUebung::SetzeQuelle(std::unique_ptr<Aufgabenquelle> quelle)
{
    quelle_ = std::move(quelle);
}

void TfrmGanzUebung::done(int result)
{
    nacharbeit_.aktiv = false;
    TBildschirm::done(result);
}

void TfrmGanzUebung::FormActivate()
{
    nacharbeit_.aktiv = false;
    Randomize();
    SetWorldWindow(0, 1000, 0, 700, -25, 25, -20, 20);

    SeiteLeeren();
    Vereinfacht = false;
    rbMitVorzeichen->setChecked(true);
    setWindowTitle(GanzUebungTitel());
    ZeigeAnleitung();

    NeueUebung();
    MaxDurchgaenge = GewaehlteDurchgaenge >= 1 ? GewaehlteDurchgaenge : 3;
    lblAktVersuche->setText(QStringLiteral("0"));
    lblAktPunkte->setText(QStringLiteral("0"));
    lblDurchgang->setText(QStringLiteral("1 / %1").arg(MaxDurchgaenge));

    SeiteFuellen();
    btnWeiter->show();
    btnAuswertung->hide();
    FokusZurueck(1);
    pntZahlen->update();
}

// ---------------------------------------------------------------------------
// Page operations

void TfrmGanzUebung::ZeileZuruecksetzen(int i)
{
    edt[i]->show();
    edt[i]->clear();
    SetzeMarke(i, 1, MarkeKeine);
    SetzeMarke(i, 2, MarkeKeine);
    img[i]->show();
    SetzeStatus(i, StatusNeutral);
}

void TfrmGanzUebung::SeiteLeeren()
{
    for (int i = 1; i <= 5; ++i) {
        TAufgabeGanz& a = AufgabenGanz[i];
        a.Term.clear();
        a.Ergebnis.clear();
        a.TermSichtbar = false;
        a.Geloest = false;
        a.LoesungGezeigt = false;
        ZeileZuruecksetzen(i);
    }
    grpEinfach->setEnabled(true);
}

void TfrmGanzUebung::SeiteFuellen()
{
    QImage messbild(1, 1, QImage::Format_RGB32);
    Canvas messen(messbild);
    for (int i = 1; i <= 5; ++i) {
        TAufgabeGanz& a = AufgabenGanz[i];
        if (FuelleAufgabeGanz(i))
            a.TermSichtbar = true;
        QString anzeige = AnzeigeTextGanz(a.Term);
        if (Vereinfacht)
            anzeige = RepariereBetrag(anzeige);
        AnzeigeTexte[i] = Cut(anzeige, ShortLen80);
        a.TermBreite = MarkupWidth(messen, AnzeigeTexte[i], TermGroesse, true);
        a.HalbeBreite = float(a.TermBreite / 2);
        edt[i]->setAccessibleDescription(a.TermSichtbar ? AnzeigeTexte[i] : QString());
    }
    SetzeEingabePositionen();
    pntZahlen->update();
}

void TfrmGanzUebung::SetzeEingabePositionen()
{
    for (int i = 1; i <= 5; ++i) {
        const TAufgabeGanz& a = AufgabenGanz[i];
        int left = 460;
        if (a.TermSichtbar)
            left = WorldToScreen((float(a.TermBreite) - a.HalbeBreite) / 20, 0).x() + 20;
        edt[i]->move(left, edt[i]->y());
    }
}

// ---------------------------------------------------------------------------
// Painting

void TfrmGanzUebung::pntZahlenPaint(Canvas& canvas)
{
    SetWorldWindow(0, 1000, 0, 700, -25, 25, -20, 20);
    PaintTextCentred(canvas, GanzUebungUeberschrift(), Qt::black, 0, 19, 16, true);
    for (int i = 1; i <= 5; ++i) {
        const TAufgabeGanz& a = AufgabenGanz[i];
        const float y = ZeilenY(i);
        const float links = -a.HalbeBreite / 20;
        const float dahinter = links + float(a.TermBreite) / 20 + 0.5f;
        if (a.TermSichtbar)
            PaintTextLeft(canvas, AnzeigeTexte[i], Qt::black, links, y, TermGroesse, true);
        if (a.Geloest)
            PaintTextLeft(canvas, ErgebnisAnzeige(a.Ergebnis), Qt::blue, dahinter, y, TermGroesse, true);
        if (a.LoesungGezeigt)
            PaintTextLeft(canvas, Eingaben[i], Qt::red, dahinter, y, TermGroesse, true);
    }
}

// ---------------------------------------------------------------------------
// Labels and pictures

void TfrmGanzUebung::ZeigeAnleitung()
{
    ZeigeRueckmeldung(ColourBrown, GanzUebungAnleitung(Vereinfacht));
}

void TfrmGanzUebung::ZeigeRueckmeldung(const QColor& colour, const QString& text)
{
    SetzeTextfarbe(lblAnzeige, colour);
    lblAnzeige->setText(text);
}

void TfrmGanzUebung::ZeigeZaehler()
{
    lblAktVersuche->setText(QString::number(AnzVersuche));
    lblAktPunkte->setText(FestKomma(Punkte, 1));
}

void TfrmGanzUebung::SetzeStatus(int zeile, int art)
{
    static const char* const namen[4] = {"offen", "richtig", "falsch", "beim zweiten Versuch richtig"};
    img[zeile]->setPixmap(StatusPixmap(art));
    img[zeile]->setAccessibleName(QStringLiteral("Aufgabe %1").arg(zeile));
    img[zeile]->setAccessibleDescription(QString::fromUtf8(namen[art]));
}

void TfrmGanzUebung::SetzeMarke(int zeile, int versuch, int art)
{
    QLabel* marke = imgZ[zeile][versuch - 1];
    if (art == MarkeKeine)
        marke->clear();
    else
        marke->setPixmap(MarkePixmap(art));
    marke->setAccessibleName(QStringLiteral("Aufgabe %1, Versuch %2").arg(zeile).arg(versuch));
    marke->setAccessibleDescription(art == MarkeGut ? QStringLiteral("richtig")
                                    : art == MarkeSchlecht ? QStringLiteral("falsch")
                                                         : QString());
}

// ---------------------------------------------------------------------------
// Focus follow-ups

void TfrmGanzUebung::PlaneNacharbeit(int zeile, int meldung)
{
    nacharbeit_.aktiv = true;
    nacharbeit_.zeile = zeile;
    nacharbeit_.meldung = meldung;
    QMetaObject::invokeMethod(this, [this] { ErledigeNacharbeit(); }, Qt::QueuedConnection);
}

bool TfrmGanzUebung::ErledigeNacharbeit()
{
    if (!nacharbeit_.aktiv)
        return false;
    const auto n = nacharbeit_;
    nacharbeit_.aktiv = false;
    if (!Offen())
        return true;
    if (n.meldung == 1)
        Meldung(this, QStringLiteral("Das Vorzeichen fehlt!"));
    else if (n.meldung == 2)
        Meldung(this, QStringLiteral("Mehrere Rechenzeichen vorhanden!"));
    if (Offen())
        FokusZurueck(n.zeile);
    return true;
}

void TfrmGanzUebung::FokusZurueck(int zeile)
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

// ---------------------------------------------------------------------------
// Events

void TfrmGanzUebung::edtChange()
{
    ZeigeAnleitung();
}

void TfrmGanzUebung::edtEnter(int)
{
    // The next control in tab order; leaving the box judges the entry.
    focusNextChild();
}

void TfrmGanzUebung::edtExit(int zeile, Qt::FocusReason reason)
{
    // Only a move to another control of this screen judges; the window
    // losing the focus (a message box, another program) or a context menu
    // or the menu bar taking it does not.
    switch (reason) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        break;
    default:
        return;
    }
    if (!Offen() || eigenerFokus_ || pruefeGerade_)
        return;
    pruefeGerade_ = true;
    Pruefen(zeile);
    pruefeGerade_ = false;
}

void TfrmGanzUebung::Pruefen(int i)
{
    TAufgabeGanz& a = AufgabenGanz[i];
    // A finished line is never judged again, and while a line owes its
    // second attempt no other line is judged.
    if (!a.TermSichtbar || a.Geloest || a.LoesungGezeigt)
        return;
    if (zweiterVersuchZeile_ != 0 && zweiterVersuchZeile_ != i)
        return;
    const QString text = edt[i]->text();
    if (text.isEmpty())
        return;

    grpEinfach->setEnabled(false);
    Eingaben[i] = Cut(TrimLeadingZeros(TrimTrailingZeros(text)), ShortLen20);

    QString erwartet;
    if (Vereinfacht) {
        erwartet = ShowMinus(a.Ergebnis);
    } else {
        const SignCheck format = CheckSignedEntry(Eingaben[i]);
        if (!format.accepted) {
            PlaneNacharbeit(i, format.errorKind); // nothing is counted
            return;
        }
        erwartet = a.Ergebnis == QLatin1String("0") ? a.Ergebnis : WithSign(a.Ergebnis);
    }
    erwartet = Cut(erwartet, ShortLen40);

    if (Eingaben[i] == erwartet) {
        if (Versuch == 1) {
            SetzeStatus(i, StatusGruen);
            SetzeMarke(i, 1, MarkeGut);
            Punkte += 1;
            PunkteGesamt += 1;
            ZeigeRueckmeldung(ColourViolet, QStringLiteral("Bravo, deine Eingabe ist richtig!"));
        } else {
            SetzeStatus(i, StatusOrange);
            SetzeMarke(i, 2, MarkeGut);
            Versuch = 1;
            Punkte += 0.5f;
            PunkteGesamt += 0.5f;
            ZeigeRueckmeldung(ColourViolet,
                              QStringLiteral("Beim zweiten Versuch ist deine Eingabe richtig!"));
        }
        a.Geloest = true;
    } else if (Versuch == 1) {
        SetzeStatus(i, StatusRot);
        SetzeMarke(i, 1, MarkeSchlecht);
        ZeigeRueckmeldung(ColourPink, QStringLiteral("Deine Eingabe ist leider falsch!\nÜberprüfe "
                                                     "deine Eingabe und versuche es noch einmal."));
        Versuch = 2;
        zweiterVersuchZeile_ = i;
        AnzVersucheGesamt += 1;
        AnzVersuche += 1;
        lblAktVersuche->setText(QString::number(AnzVersuche));
        PlaneNacharbeit(i, 0); // the entry stays in the box for correction
        return;
    } else {
        SetzeMarke(i, 2, MarkeSchlecht);
        Versuch = 1;
        const QString gezeigt = a.Ergebnis == QLatin1String("0") ? a.Ergebnis : ErgebnisAnzeige(a.Ergebnis);
        ZeigeRueckmeldung(ColourPink,
                          QStringLiteral("Deine Eingabe ist leider wieder falsch!\nDas Ergebnis lautet ")
                              + gezeigt
                              + QStringLiteral("!\nVergleiche das Ergebnis mit deiner Eingabe und "
                                               "überlege, warum du den Fehler begangen hast!"));
        a.Geloest = false;
        a.LoesungGezeigt = true;
    }
    zweiterVersuchZeile_ = 0;

    // The exercise is finished.
    edt[i]->hide();
    AnzVersuche += 1;
    AnzVersucheGesamt += 1;
    ZeigeZaehler();

    if (AktDurchgang >= MaxDurchgaenge) {
        int voll = 0;
        for (int k = 1; k <= 5; ++k)
            if (!edt[k]->text().isEmpty())
                ++voll;
        if (voll == 5) {
            btnAuswertung->show();
            btnWeiter->hide();
        }
    }
    pntZahlen->update();
}

void TfrmGanzUebung::NeuerDurchgang()
{
    for (int i = 1; i <= 5; ++i) {
        TAufgabeGanz& a = AufgabenGanz[i];
        a.Geloest = false;
        a.LoesungGezeigt = false;
        a.TermSichtbar = false;
        a.Ergebnis.clear();
        ZeileZuruecksetzen(i);
    }
    // A new page always starts with a first attempt.
    Versuch = 1;
    zweiterVersuchZeile_ = 0;
}

void TfrmGanzUebung::NeueUebung()
{
    AnzVersuche = 0;
    Versuch = 1;
    zweiterVersuchZeile_ = 0;
    Punkte = 0;
    PunkteGesamt = 0;
    AnzVersucheGesamt = 0;
    AktDurchgang = 1;
}

void TfrmGanzUebung::btnWeiterClick()
{
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
        Meldung(this, leer == 1 ? QStringLiteral("Es fehlt noch 1 Eintrag!")
                                : QStringLiteral("Es fehlen noch %1 Einträge!").arg(leer));
        if (Offen())
            FokusZurueck(obersteLeere);
        return;
    }
    // A press that moved no focus (a screen reader's action, a shortcut)
    // judged nothing: every line is finished before the page moves on, and
    // the last page ends with "Auswertung", never with a page beyond it.
    for (int i = 1; i <= 5; ++i) {
        if (!AufgabenGanz[i].Geloest && !AufgabenGanz[i].LoesungGezeigt) {
            FokusZurueck(i);
            return;
        }
    }
    if (AktDurchgang >= MaxDurchgaenge)
        return;
    NeuerDurchgang();
    SeiteFuellen();
    grpEinfach->setEnabled(true);
    AktDurchgang += 1;
    lblDurchgang->setText(QStringLiteral("%1 / %2").arg(AktDurchgang).arg(MaxDurchgaenge));
    AnzVersuche = 0;
    Punkte = 0;
    ZeigeZaehler();
    FokusZurueck(1);
    pntZahlen->update();
}

void TfrmGanzUebung::grpEinfachClick(int index)
{
    Vereinfacht = index == 1;
    ZeigeAnleitung();
    FokusZurueck(1);
    SeiteFuellen();
    pntZahlen->update();
}

void TfrmGanzUebung::btnAuswertungClick()
{
    if (ErledigeNacharbeit())
        return;
    if (!frmAuswertung)
        frmAuswertung = new TfrmAuswertung(this);
    frmAuswertung->Auswerten(PunkteGesamt, AnzVersucheGesamt);
    if (!Offen())
        return;

    // A new drill of the same kind and level.
    NeueUebung();
    btnWeiter->show();
    btnAuswertung->hide();
    SeiteLeeren();
    SeiteFuellen();
    lblDurchgang->setText(QStringLiteral("1 / %1").arg(MaxDurchgaenge));
    ZeigeZaehler();
    FokusZurueck(1);
    pntZahlen->update();
}

void TfrmGanzUebung::menSchliessenClick()
{
    StufenLoeschen();
    close();
}
