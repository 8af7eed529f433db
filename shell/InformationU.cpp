#include "shell/InformationU.h"

#include "assets/Bilder.h"
#include "core/Canvas.h"
#include "core/Markup.h"
#include "core/PaintBox.h"
#include "core/WorldWindow.h"
#include "core/FormHilfen.h"

#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace {

enum class Art { Mitte, Links, Hervorgehoben };

struct Zeile {
    float y;
    Art art;
    int groesse;
    QString text;
};

const QColor Blau(0, 0, 255);
const QColor Rot(255, 0, 0);

// All lines start at x -24 except the centred title.
const Zeile Text[] = {
    {19, Art::Mitte, 18, QStringLiteral("Geschichte der negativen Zahlen")},
    {16, Art::Links, 14, QStringLiteral("Altertum")},
    {14, Art::Hervorgehoben, 12,
     QStringLiteral("Im Altertum stießen die #Babylonier#, die #Chinesen# und die #Inder# beim Lösen von "
                    "Gleichungen auf negative Zahlen.")},
    {11, Art::Links, 14, QStringLiteral("Europa")},
    {9, Art::Hervorgehoben, 12,
     QStringLiteral("In Europa nutzte #Leonardo von Pisa# (1170 \u2013 1250) für negative Zahlen")},
    {7.5f, Art::Hervorgehoben, 12, QStringLiteral("bei kaufmännischen Aufgaben den Begriff #Schulden#.")},
    {2, Art::Hervorgehoben, 12,
     QStringLiteral("Erst #Michael Stifel# (1487 \u2013 1567) sprach von Zahlen \u201E#jenseits der Null#\u201C.")},
    {-4, Art::Hervorgehoben, 12,
     QStringLiteral("Der französische Philosoph und Mathematiker #René Descartes# (1596 \u2013 1650) führte die")},
    {-5.5f, Art::Hervorgehoben, 12,
     QStringLiteral("Zahlengerade und das #Koordinatensystem# mit #negativen Koordinaten# ein.")},
    {-11, Art::Hervorgehoben, 12,
     QStringLiteral("Der Begriff \u201E#ganze#\u201C Zahlen geht auf den Schweizer Mathematiker "
                    "#Leonhard Euler# (1707 \u2013 1783) zurück.")},
};

struct Bildplatz {
    const char* name;
    int nr;
    int links;
    int oben;
    const char* beschreibung;
};

const Bildplatz Bilder[] = {
    {"img01", 1, 560, 152, "Liber abaci des Leonardo von Pisa als Kaufmannsbuch, die Schulden (debitum) in Rot"},
    {"img02", 2, 624, 280,
     "Arithmetica integra von Michael Stifel (1544) mit einer Zahlengerade, die jenseits der Null weitergeht"},
    {"img03", 3, 712, 408, "Koordinatensystem mit je einem Punkt in jedem der vier Felder"},
    {"img04", 4, 576, 576,
     "Vollständige Anleitung zur Algebra von Leonhard Euler (1770) mit den ganzen Zahlen \u2026 \u20132, "
     "\u20131, 0, 1, 2 \u2026"},
};

} // namespace

TfrmInformation::TfrmInformation(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmInformation"));
    setWindowTitle(QStringLiteral("Informationen"));
    setWindowFlags(FesterRahmen(Qt::Dialog));
    setFont(ArialFett(PointsToPixels(8)));

    auto* aufbau = new QVBoxLayout(this);
    aufbau->setContentsMargins(0, 0, 0, 0);
    aufbau->setSpacing(0);
    aufbau->setSizeConstraint(QLayout::SetFixedSize);

    MainMenu1 = new QMenuBar(this);
    SetzeMenueSchrift(MainMenu1);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    menSchliessen = MainMenu1->addAction(QStringLiteral("Schließen"));
    menSchliessen->setObjectName(QStringLiteral("menSchliessen"));
    connect(menSchliessen, &QAction::triggered, this, &TfrmInformation::menSchliessenClick);
    aufbau->setMenuBar(MainMenu1);

    pntInfo = new PaintBox(this);
    pntInfo->setObjectName(QStringLiteral("pntInfo"));
    pntInfo->setFixedSize(ClientBreite, ClientHoehe);
    pntInfo->SetBackground(Qt::white);
    pntInfo->OnPaint = [this](Canvas& canvas) { FormPaint(canvas); };
    pntInfo->setAccessibleName(Zeilen().value(0));
    pntInfo->setAccessibleDescription(Zeilen().mid(1).join(QLatin1Char('\n')));
    aufbau->addWidget(pntInfo);

    // The pictures are decoded when the screen is first activated
    // (LadeBilder), not at the start of the program.
    QLabel** ziele[] = {&img01, &img02, &img03, &img04};
    for (int i = 0; i < 4; ++i) {
        const Bildplatz& platz = Bilder[i];
        auto* label = new QLabel(pntInfo);
        label->setObjectName(QString::fromLatin1(platz.name));
        label->move(platz.links, platz.oben);
        label->setAccessibleName(QString::fromUtf8(platz.beschreibung));
        *ziele[i] = label;
    }
}

void TfrmInformation::LadeBilder()
{
    QLabel* const labels[] = {img01, img02, img03, img04};
    for (int i = 0; i < 4; ++i) {
        QLabel* label = labels[i];
        if (!label->pixmap().isNull())
            continue;
        const QImage bild = InfoBild(Bilder[i].nr);
        label->setPixmap(QPixmap::fromImage(bild));
        label->resize(bild.size());
    }
}

QStringList TfrmInformation::Zeilen()
{
    QStringList zeilen;
    for (const Zeile& zeile : Text)
        zeilen << QString(zeile.text).remove(QLatin1Char('#'));
    return zeilen;
}

void TfrmInformation::FormActivate()
{
    // The designed size is kept whatever the screen; only the world window
    // is set for painting.
    SetWorldWindow(0, 1000, 0, 700, -25, 25, -20, 20);
    LadeBilder();
    pntInfo->update();
}

void TfrmInformation::FormPaint(Canvas& canvas)
{
    for (const Zeile& zeile : Text) {
        switch (zeile.art) {
        case Art::Mitte:
            PaintTextCentred(canvas, zeile.text, Blau, 0, zeile.y, zeile.groesse, true);
            break;
        case Art::Links:
            PaintTextLeft(canvas, zeile.text, Blau, -24, zeile.y, zeile.groesse, true);
            break;
        case Art::Hervorgehoben:
            PaintEmphLeft(canvas, zeile.text, Qt::black, Rot, -24, zeile.y, zeile.groesse, true);
            break;
        }
    }
}

void TfrmInformation::menSchliessenClick()
{
    accept();
}

void TfrmInformation::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TfrmInformation::showEvent(QShowEvent* event)
{
    // Another screen may have moved the shared world window meanwhile.
    FormActivate();
    ZentriereAufSchirm(this);
    QDialog::showEvent(event);
}
