#include "shell/MinuslandU.h"

#include "drill/DrillBilder.h"
#include "worksheet/ArbeitsblattDialog.h"

#include "assets/Bilder.h"
#include "assets/FertigeBilder.h"
#include "core/Canvas.h"
#include "core/PaintBox.h"
#include "core/FormHilfen.h"
#include "integer/GanzSpeicher.h"
#include "rational/RationalSpeicher.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace {

// A transparent white label over the backdrop.
QLabel* Beschriftung(QWidget* eltern, const char* name, const QString& text, int pixel,
                     Qt::Alignment ausrichtung)
{
    auto* label = new QLabel(text, eltern);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(ArialFett(pixel));
    label->setAlignment(ausrichtung);
    SetzeTextfarbe(label, Qt::white);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

QLabel* Bild(QWidget* eltern, const char* name, const QImage& bild, int links, int oben, bool sichtbar)
{
    auto* label = new QLabel(eltern);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(PixmapOhneKopie(bild));
    label->setGeometry(links, oben, bild.isNull() ? 0 : bild.width(), bild.isNull() ? 0 : bild.height());
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setVisible(sichtbar);
    return label;
}

} // namespace

TfrmMinusland::TfrmMinusland(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMinusland"));
    setWindowTitle(QStringLiteral("Minusland"));
    // A fixed frame with the system menu only: no minimise or maximise box.
    setWindowFlags(FesterRahmen(Qt::Window));
    BaueOberflaeche();
    BaueMenue();

    // The client area below the menu bar is the designed 1016 × 722.
    const int menuehoehe = menuBar()->sizeHint().height();
    setFixedSize(ClientBreite, ClientHoehe + menuehoehe);
    ZentriereAufSchirm(this);
    AktualisiereMenue();
}

void TfrmMinusland::BaueOberflaeche()
{
    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    QFont standard(ResolveFontFamily(QStringLiteral("MS Sans Serif")));
    standard.setPixelSize(PointsToPixels(8));
    client_->setFont(standard);
    setCentralWidget(client_);

    pntHintergrund = new PaintBox(client_);
    pntHintergrund->setObjectName(QStringLiteral("pntHintergrund"));
    pntHintergrund->setGeometry(0, 0, ClientBreite, ClientHoehe);
    pntHintergrund->SetBackground(Qt::black);
    pntHintergrund->OnPaint = [this](Canvas& canvas) { FormPaint(canvas); };

    lblText1 = Beschriftung(client_, "lblText1", QStringLiteral("Ganze und rationale Zahlen"), 35,
                            Qt::AlignHCenter | Qt::AlignTop);
    lblText1->setGeometry(0, 24, 1009, 49);
    lblText2 = Beschriftung(client_, "lblText2", QStringLiteral("Trainings\u2013 und Übungsaufgaben"), 27,
                            Qt::AlignHCenter | Qt::AlignTop);
    lblText2->setGeometry(-1, 80, 1009, 41);
    lblPositiv = Beschriftung(client_, "lblPositiv", QStringLiteral("positiv"), 32, Qt::AlignRight | Qt::AlignTop);
    lblPositiv->setGeometry(331, 288, 104, 37);
    lblNegativ = Beschriftung(client_, "lblNegativ", QStringLiteral("negativ"), 32, Qt::AlignRight | Qt::AlignTop);
    lblNegativ->setGeometry(323, 456, 112, 37);
    lblVersion = Beschriftung(client_, "lblVersion", QStringLiteral("Version 5.1"), 16, Qt::AlignHCenter | Qt::AlignTop);
    lblHinweis = Beschriftung(client_, "lblHinweis",
                              QStringLiteral("Wähle im Menü eine Rechenart und eine Stufe \u2013 "
                                             "jede Übung wird neu ausgewürfelt. Viel Erfolg!"),
                              16, Qt::AlignHCenter | Qt::AlignTop);
    lblHinweis->setWordWrap(true);
    LegeUntereZeilenAn();

    imgTitelbild = Bild(client_, "imgTitelbild", FertigesTitelbild(), 454, 152, true);
    imgTitelbild->setAccessibleName(QStringLiteral("Titelbild"));
    imgTitelbild->setAccessibleDescription(
        QStringLiteral("Zahlenstrahl von +8 bis \u20138: über der Wasserlinie die positiven, "
                       "darunter die negativen Zahlen"));

    imgB = Bild(client_, "imgB", FertigesStatusBild(StatusArt::Neutral), 56, 144, false);
    imgG = Bild(client_, "imgG", FertigesStatusBild(StatusArt::RichtigErster), 56, 224, false);
    imgR = Bild(client_, "imgR", FertigesStatusBild(StatusArt::Falsch), 56, 304, false);
    imgO = Bild(client_, "imgO", FertigesStatusBild(StatusArt::RichtigZweiter), 56, 384, false);
    img1 = Bild(client_, "img1", FertigeMarkeRichtig(), 900, 154, false);
    img2 = Bild(client_, "img2", FertigeMarkeFalsch(), 955, 154, false);
    // The drill screens show these very pictures.
    const std::pair<DrillBild, QLabel*> bilder[] = {
        {DrillBild::Neutral, imgB},        {DrillBild::RichtigErster, imgG},
        {DrillBild::Falsch, imgR},         {DrillBild::RichtigZweiter, imgO},
        {DrillBild::MarkeRichtig, img1},   {DrillBild::MarkeFalsch, img2},
    };
    for (const auto& [art, label] : bilder)
        SetzeDrillBild(art, label->pixmap());
}

void TfrmMinusland::LegeUntereZeilenAn()
{
    // Both lines sit on the bottom edge: the notice lowest, the version above.
    const int breite = client_->width() > 0 ? client_->width() : ClientBreite;
    const int hoehe = client_->height() > 0 ? client_->height() : ClientHoehe;
    lblHinweis->setGeometry(0, hoehe - 22, breite, 22);
    lblVersion->setGeometry(0, hoehe - 22 - 19, breite, 19);
}

QMenu* TfrmMinusland::Untermenue(QMenu* oben, const char* name, const QString& titel)
{
    auto* menue = oben ? oben->addMenu(titel) : menuBar()->addMenu(titel);
    menue->setObjectName(QString::fromLatin1(name));
    menue->menuAction()->setObjectName(QString::fromLatin1(name));
    return menue;
}

QAction* TfrmMinusland::Befehl(QMenu* menue, const char* name, const QString& titel, Formular formular)
{
    auto* aktion = menue ? menue->addAction(titel) : menuBar()->addAction(titel);
    aktion->setObjectName(QString::fromLatin1(name));
    if (formular != Formular::Anzahl_)
        befehle_[size_t(formular)].append(aktion);
    return aktion;
}

QAction* TfrmMinusland::Trenner(QMenu* menue, const char* name)
{
    QAction* trenner = menue->addSeparator();
    trenner->setObjectName(QString::fromLatin1(name));
    return trenner;
}

QMenu* TfrmMinusland::Artmenue(QMenu* oben, const char* name, const QString& titel, const char* prefix,
                               std::initializer_list<const char*> endungen, Formular formular,
                               void (TfrmMinusland::*handler)(QObject*))
{
    QMenu* menue = Untermenue(oben, name, titel);
    befehle_[size_t(formular)].append(menue->menuAction());
    int stufe = 0;
    for (const char* endung : endungen) {
        ++stufe;
        const QByteArray itemName = QByteArray(prefix) + endung;
        QAction* aktion = Befehl(menue, itemName.constData(), QStringLiteral("Stufe %1").arg(stufe), formular);
        aktion->setData(stufe);
        connect(aktion, &QAction::triggered, this, [this, aktion, handler] { (this->*handler)(aktion); });
    }
    return menue;
}

void TfrmMinusland::BaueMenue()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    SetzeMenueSchrift(menuBar());

    QAction* beenden = Befehl(nullptr, "menBeenden", QStringLiteral("&Beenden"), Formular::Anzahl_);
    connect(beenden, &QAction::triggered, this, &TfrmMinusland::menBeendenClick);

    // Ganze Zahlen.
    QMenu* ganz = Untermenue(nullptr, "menGanz", QStringLiteral("Ganze Zahlen"));
    connect(ganz, &QMenu::aboutToShow, this, &TfrmMinusland::menGanzClick);
    QAction* einstiegG = Befehl(ganz, "menEinstiegG", QStringLiteral("Einstieg"), Formular::GanzEinstieg);
    connect(einstiegG, &QAction::triggered, this, &TfrmMinusland::menEinstiegGClick);
    QMenu* muster = Untermenue(ganz, "menMusterG", QStringLiteral("Musterbeispiele"));
    befehle_[size_t(Formular::GanzMuster)].append(muster->menuAction());
    int art = 0;
    for (const char* name : {"menMusterGanzAdd", "menMusterGanzSub"}) {
        QAction* aktion = Befehl(muster, name, art == 0 ? QStringLiteral("Addition") : QStringLiteral("Subtraktion"),
                                 Formular::GanzMuster);
        aktion->setProperty("Art", ++art);
        connect(aktion, &QAction::triggered, this, [this, aktion] { menMusterGClick(aktion); });
    }
    Trenner(ganz, "menN1G");

    // Each kind's submenu records its kind when it opens (property "Art").
    struct ArtGanzEintrag {
        const char* name;
        const char* titel;
        const char* prefix;
        void (TfrmMinusland::*handler)(QObject*);
        const char* trennerDanach;
    };
    const ArtGanzEintrag arten[] = {
        {"menAddG", "Addition", "menGanzAdd", &TfrmMinusland::menGanzAddClick, nullptr},
        {"menSubG", "Subtraktion", "menGanzSub", &TfrmMinusland::menGanzSubClick, nullptr},
        {"menAddSubG", "Addition+Subtraktion", "menGanzAddSub", &TfrmMinusland::menGanzAddSubClick, "menN2G"},
        {"menSubKlG", "Subtraktion mit eckige Klammern", "menGanzSubKl", &TfrmMinusland::menGanzSubKlClick, nullptr},
        {"menAddSubKlG", "Addition+Subtraktion mit eckige Klammern", "menGanzAddSubKl",
         &TfrmMinusland::menGanzAddSubKlClick, nullptr},
        {"menBetrag", "Addition+Subtraktion mit Beträgen", "menGanzAddSubBet", &TfrmMinusland::menGanzAddSubBetClick,
         "menN3G"},
        {"menMultG", "Multiplikation", "menGanzMult", &TfrmMinusland::menGanzMultClick, nullptr},
        {"menDivG", "Division", "menGanzDiv", &TfrmMinusland::menGanzDivClick, "menN4G"},
        {"menAlleG", "Grundrechnungsarten", "menGanzAlle", &TfrmMinusland::menGanzAlleClick, nullptr},
    };
    art = 0;
    for (const ArtGanzEintrag& eintrag : arten) {
        QMenu* menue = Artmenue(ganz, eintrag.name, QString::fromUtf8(eintrag.titel), eintrag.prefix,
                                {"SL", "L", "M", "S"},
                                Formular::GanzUebung, eintrag.handler);
        menue->setProperty("Art", ++art);
        menue->menuAction()->setProperty("Art", art);
        connect(menue, &QMenu::aboutToShow, this, [this, menue] { menWahlGanzClick(menue); });
        if (eintrag.trennerDanach) {
            QAction* trenner = Trenner(ganz, eintrag.trennerDanach);
            // The old menu wired these two separators to the kind handler,
            // which finds no kind on them and does nothing.
            if (qstrcmp(eintrag.trennerDanach, "menN4G") != 0)
                connect(trenner, &QAction::triggered, this, [this, trenner] { menWahlGanzClick(trenner); });
        }
    }
    Trenner(ganz, "menN5G");
    QAction* durchgaenge = Befehl(ganz, "menDurchgaenge", QStringLiteral("Durchgänge \u2026"), Formular::Maxanzahl);
    connect(durchgaenge, &QAction::triggered, this, &TfrmMinusland::menDurchgaengeClick);

    // Rationale Zahlen.
    QMenu* rational = Untermenue(nullptr, "menRational", QStringLiteral("Rationale Zahlen"));
    connect(rational, &QMenu::aboutToShow, this, &TfrmMinusland::menRationalClick);
    QAction* einstiegR = Befehl(rational, "menEinstiegR", QStringLiteral("Einstieg"), Formular::RationalEinstieg);
    connect(einstiegR, &QAction::triggered, this, &TfrmMinusland::menEinstiegRClick);
    Trenner(rational, "menN1R");
    struct ArtRationalEintrag {
        const char* name;
        const char* titel;
        const char* prefix;
        int stufen;
        Formular formular;
        void (TfrmMinusland::*handler)(QObject*);
    };
    const ArtRationalEintrag rationalArten[] = {
        {"menAddR", "Addition", "menRationalAdd", 4, Formular::RationalUebAddSub, &TfrmMinusland::menRationalAddClick},
        {"menSubR", "Subtraktion", "menRationalSub", 4, Formular::RationalUebAddSub, &TfrmMinusland::menRationalSubClick},
        {"menMultR", "Multiplikation", "menRationalMult", 3, Formular::RationalUebMultDiv,
         &TfrmMinusland::menRationalMultClick},
        {"menDivR", "Division", "menRationalDiv", 3, Formular::RationalUebMultDiv, &TfrmMinusland::menRationalDivClick},
        {"menGemR", "Gemischt", "menRationalGem", 4, Formular::RationalUebGem, &TfrmMinusland::menRationalGemClick},
    };
    art = 0;
    for (const ArtRationalEintrag& eintrag : rationalArten) {
        QMenu* menue = eintrag.stufen == 4
            ? Artmenue(rational, eintrag.name, QString::fromUtf8(eintrag.titel), eintrag.prefix, {"SL", "L", "S", "SS"},
                       eintrag.formular, eintrag.handler)
            : Artmenue(rational, eintrag.name, QString::fromUtf8(eintrag.titel), eintrag.prefix, {"SL", "L", "S"},
                       eintrag.formular, eintrag.handler);
        menue->setProperty("Art", ++art);
        menue->menuAction()->setProperty("Art", art);
        connect(menue, &QMenu::aboutToShow, this, [this, menue] { menWahlRationalClick(menue); });
    }

    // Worksheets for the classroom, beside the information screen.
    QAction* blatt = menuBar()->addAction(QStringLiteral("Arbeitsblatt …"));
    blatt->setObjectName(QStringLiteral("menArbeitsblatt"));
    connect(blatt, &QAction::triggered, this, [this] { ZeigeArbeitsblattDialog(this); });

    QAction* info = Befehl(nullptr, "menInfo", QStringLiteral("Informationen"), Formular::Information);
    connect(info, &QAction::triggered, this, &TfrmMinusland::menInfoClick);
}

void TfrmMinusland::SetzeFormular(Formular formular, QDialog* form)
{
    if (formular == Formular::Anzahl_)
        return;
    formulare_[size_t(formular)] = form;
    if (form) {
        // The main window alone ends the program; a screen closing while the
        // main window is hidden must not.
        form->setAttribute(Qt::WA_QuitOnClose, false);
    }
    AktualisiereMenue();
}

QDialog* TfrmMinusland::FormularVon(Formular formular) const
{
    return formular == Formular::Anzahl_ ? nullptr : formulare_[size_t(formular)];
}

void TfrmMinusland::AktualisiereMenue()
{
    for (size_t i = 0; i < formulare_.size(); ++i)
        for (QAction* aktion : befehle_[i])
            aktion->setEnabled(formulare_[i] != nullptr);
}

void TfrmMinusland::ZeigeBildschirm(Formular formular, int* stufe)
{
    QDialog* form = FormularVon(formular);
    if (form) {
        hide();
        form->exec();
        show();
    }
    if (stufe)
        *stufe = 0;
}

void TfrmMinusland::OeffneUebung(int& stufe, QObject* sender, Formular formular)
{
    const auto* aktion = qobject_cast<QAction*>(sender);
    if (!aktion || !FormularVon(formular))
        return;
    stufe = aktion->data().toInt();
    ZeigeBildschirm(formular, &stufe);
}

// ------------------------------------------------------------------ handlers

void TfrmMinusland::menBeendenClick()
{
    close();
}

void TfrmMinusland::menGanzClick()
{
    StufenLoeschen();
}

void TfrmMinusland::menEinstiegGClick()
{
    ZeigeBildschirm(Formular::GanzEinstieg, nullptr);
}

void TfrmMinusland::menMusterGClick(QObject* sender)
{
    if (!sender || !FormularVon(Formular::GanzMuster))
        return;
    const int art = sender->property("Art").toInt();
    if (art < 1)
        return;
    ArtGanz = art;
    ZeigeBildschirm(Formular::GanzMuster, nullptr);
}

void TfrmMinusland::menWahlGanzClick(QObject* sender)
{
    const int art = sender ? sender->property("Art").toInt() : 0;
    if (art >= 1)
        ArtGanz = art;
}

void TfrmMinusland::menGanzAddClick(QObject* sender)
{
    OeffneUebung(StufeGanzAdd, sender, Formular::GanzUebung);
}

void TfrmMinusland::menGanzSubClick(QObject* sender)
{
    OeffneUebung(StufeGanzSub, sender, Formular::GanzUebung);
}

void TfrmMinusland::menGanzAddSubClick(QObject* sender)
{
    OeffneUebung(StufeGanzAddSub, sender, Formular::GanzUebung);
}

void TfrmMinusland::menGanzSubKlClick(QObject* sender)
{
    OeffneUebung(StufeGanzSubKl, sender, Formular::GanzUebung);
}

void TfrmMinusland::menGanzAddSubKlClick(QObject* sender)
{
    OeffneUebung(StufeGanzAddSubKl, sender, Formular::GanzUebung);
}

void TfrmMinusland::menGanzAddSubBetClick(QObject* sender)
{
    OeffneUebung(StufeGanzAddSubBet, sender, Formular::GanzUebung);
}

void TfrmMinusland::menGanzMultClick(QObject* sender)
{
    OeffneUebung(StufeGanzMult, sender, Formular::GanzUebung);
}

void TfrmMinusland::menGanzDivClick(QObject* sender)
{
    OeffneUebung(StufeGanzDiv, sender, Formular::GanzUebung);
}

void TfrmMinusland::menGanzAlleClick(QObject* sender)
{
    OeffneUebung(StufeGanzAlle, sender, Formular::GanzUebung);
}

void TfrmMinusland::menDurchgaengeClick()
{
    // A small dialog centred on the main window, which stays in view.
    if (QDialog* form = FormularVon(Formular::Maxanzahl))
        form->exec();
}

void TfrmMinusland::menRationalClick()
{
    RationalStufenLoeschen();
}

void TfrmMinusland::menEinstiegRClick()
{
    ZeigeBildschirm(Formular::RationalEinstieg, nullptr);
}

void TfrmMinusland::menWahlRationalClick(QObject* sender)
{
    const int art = sender ? sender->property("Art").toInt() : 0;
    if (art >= 1)
        RationalArt = art;
}

void TfrmMinusland::menRationalAddClick(QObject* sender)
{
    OeffneUebung(StufeRationalAdd, sender, Formular::RationalUebAddSub);
}

void TfrmMinusland::menRationalSubClick(QObject* sender)
{
    OeffneUebung(StufeRationalSub, sender, Formular::RationalUebAddSub);
}

void TfrmMinusland::menRationalMultClick(QObject* sender)
{
    OeffneUebung(StufeRationalMult, sender, Formular::RationalUebMultDiv);
}

void TfrmMinusland::menRationalDivClick(QObject* sender)
{
    OeffneUebung(StufeRationalDiv, sender, Formular::RationalUebMultDiv);
}

void TfrmMinusland::menRationalGemClick(QObject* sender)
{
    OeffneUebung(StufeRationalGem, sender, Formular::RationalUebGem);
}

void TfrmMinusland::menInfoClick()
{
    ZeigeBildschirm(Formular::Information, nullptr);
}

// ------------------------------------------------------------ form events

void TfrmMinusland::FormActivate()
{
    const QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
    FormActivate(schirm ? schirm->size() : QSize());
}

void TfrmMinusland::FormActivate(QSize bildschirm)
{
    Vollbild = false;
    if (bildschirm == QSize(1024, 768)) {
        Vollbild = true;
        if (!isMaximized()) {
            setMinimumSize(0, 0);
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            setWindowState(windowState() | Qt::WindowMaximized);
        }
    }
}

void TfrmMinusland::MaleHintergrund(Canvas& canvas, int breite, int hoehe)
{
    // Broad rows from dark to brighter red, then thin black lines every 7
    // rows over them.
    canvas.SetPenStyle(Canvas::PenStyle::Solid);
    canvas.SetPenWidth(7);
    int rot = 60;
    for (int y = 0; y < hoehe; y += 5) {
        canvas.SetPenColor(QColor(qMin(rot, 255), 0, 0));
        canvas.MoveTo(0, y);
        canvas.LineTo(breite, y);
        ++rot;
    }
    canvas.SetPenWidth(1);
    canvas.SetPenColor(Qt::black);
    for (int y = 0; y < hoehe; y += 7) {
        canvas.MoveTo(0, y);
        canvas.LineTo(breite, y);
    }
}

void TfrmMinusland::FormPaint(Canvas& canvas)
{
    // As far down as the window's outer height, caption and menu included;
    // the part below the client area is simply clipped.
    MaleHintergrund(canvas, width(), qMax(frameGeometry().height(), height()));
}

void TfrmMinusland::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TfrmMinusland::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Also when shown again after a screen: not every window system
    // activates a window that appears (no window manager, offscreen).
    FormActivate();
}

void TfrmMinusland::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        emit Beendet();
}

void TfrmMinusland::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (pntHintergrund && client_) {
        pntHintergrund->setGeometry(0, 0, client_->width(), client_->height());
        LegeUntereZeilenAn();
    }
}
