#include "worksheet/ArbeitsblattDialog.h"

#include "worksheet/BlattSatz.h"
#include "worksheet/DruckModul.h"
#include "worksheet/Klassencode.h"
#include "worksheet/KlassencodeFeld.h"

#include "core/Modul.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The kinds as the main menu names them.
const char* const GanzArten[9] = {"Addition", "Subtraktion", "Addition+Subtraktion", "Subtraktion mit Klammern",
                                  "Addition+Subtraktion mit Klammern", "Addition+Subtraktion mit Beträgen",
                                  "Multiplikation", "Division", "Grundrechnungsarten"};
const char* const RationalArten[5] = {"Addition", "Subtraktion", "Multiplikation", "Division", "Gemischt"};

QString DateiDialog(QWidget* eltern, const QString& vorschlag)
{
    return QFileDialog::getSaveFileName(eltern, QStringLiteral("Arbeitsblatt als PDF speichern"),
                                        QDir::home().filePath(vorschlag), QStringLiteral("PDF-Dateien (*.pdf)"));
}

bool DruckDialog(QWidget* eltern, const BlattAuswahl& auswahl, QString* fehler)
{
    const auto dialog = ModulFunktion<DruckDialogFunktion>(QString::fromLatin1(DruckModul), DruckDialogName, fehler);
    if (!dialog) {
        if (fehler)
            *fehler = QStringLiteral("Drucken ist nicht möglich: ") + *fehler;
        return false;
    }
    return dialog(eltern, BlattTitel(auswahl),
                  [&auswahl](QPagedPaintDevice& drucker, QString* f) { return ZeichneArbeitsblatt(drucker, auswahl, f); },
                  fehler);
}

} // namespace

ArbeitsblattDialog::ArbeitsblattDialog(QWidget* parent)
    : QDialog(parent), DateiWaehlen(DateiDialog), Drucken(DruckDialog)
{
    setObjectName(QStringLiteral("dlgArbeitsblatt"));
    setWindowTitle(QStringLiteral("Arbeitsblatt"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;

    auto* bereich = new QHBoxLayout;
    rbGanz = new QRadioButton(QStringLiteral("Ganze Zahlen"), this);
    rbGanz->setObjectName(QStringLiteral("rbGanz"));
    rbRational = new QRadioButton(QStringLiteral("Rationale Zahlen"), this);
    rbRational->setObjectName(QStringLiteral("rbRational"));
    rbGanz->setChecked(true);
    auto* gruppe = new QButtonGroup(this);
    gruppe->addButton(rbGanz);
    gruppe->addButton(rbRational);
    bereich->addWidget(rbGanz);
    bereich->addWidget(rbRational);
    form->addRow(QStringLiteral("Zahlbereich:"), bereich);

    auto kombi = [this](const char* name, const QString& zugang) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->setAccessibleName(zugang);
        return c;
    };
    cmbArt = kombi("cmbArt", QStringLiteral("Art"));
    form->addRow(QStringLiteral("&Art:"), cmbArt);
    cmbStufe = kombi("cmbStufe", QStringLiteral("Stufe"));
    form->addRow(QStringLiteral("&Stufe:"), cmbStufe);
    cmbDarstellung = kombi("cmbDarstellung", QStringLiteral("Darstellung"));
    cmbDarstellung->addItems({ModusName(false), ModusName(true)});
    form->addRow(QStringLiteral("&Darstellung:"), cmbDarstellung);

    spnAnzahl = new QSpinBox(this);
    spnAnzahl->setObjectName(QStringLiteral("spnAnzahl"));
    spnAnzahl->setAccessibleName(QStringLiteral("Anzahl der Aufgaben"));
    spnAnzahl->setRange(BlattAnzahlMin, BlattAnzahlMax);
    spnAnzahl->setValue(BlattAnzahlStandard);
    form->addRow(QStringLiteral("A&nzahl der Aufgaben:"), spnAnzahl);
    spnGruppen = new QSpinBox(this);
    spnGruppen->setObjectName(QStringLiteral("spnGruppen"));
    spnGruppen->setAccessibleName(QStringLiteral("Gruppen"));
    spnGruppen->setRange(1, BlattGruppenMax);
    spnGruppen->setSpecialValueText(QStringLiteral("keine"));
    form->addRow(QStringLiteral("&Gruppen:"), spnGruppen);

    auto* codeZeile = new QHBoxLayout;
    edtKlassencode = new KlassencodeFeld(this);
    edtKlassencode->setText(NeuerKlassencode());
    btnNeuerCode = new QPushButton(QStringLiteral("Neuer Code"), this);
    btnNeuerCode->setObjectName(QStringLiteral("btnNeuerCode"));
    codeZeile->addWidget(edtKlassencode);
    codeZeile->addWidget(btnNeuerCode);
    auto* codeText = new QLabel(QStringLiteral("&Klassencode:"), this);
    codeText->setBuddy(edtKlassencode);
    form->addRow(codeText, codeZeile);
    layout->addLayout(form);

    lblMeldung = new QLabel(this);
    lblMeldung->setObjectName(QStringLiteral("lblMeldung"));
    lblMeldung->setWordWrap(true);
    layout->addWidget(lblMeldung);
    edtKlassencode->SetzeMeldung(lblMeldung);

    auto* knoepfe = new QHBoxLayout;
    btnPdf = new QPushButton(QStringLiteral("Als PDF speichern …"), this);
    btnPdf->setObjectName(QStringLiteral("btnPdf"));
    btnDrucken = new QPushButton(QStringLiteral("Drucken …"), this);
    btnDrucken->setObjectName(QStringLiteral("btnDrucken"));
    btnSchliessen = new QPushButton(QStringLiteral("Schließen"), this);
    btnSchliessen->setObjectName(QStringLiteral("btnSchliessen"));
    knoepfe->addWidget(btnPdf);
    knoepfe->addWidget(btnDrucken);
    knoepfe->addStretch();
    knoepfe->addWidget(btnSchliessen);
    layout->addLayout(knoepfe);

    ArtenFuellen();
    connect(rbGanz, &QRadioButton::toggled, this, &ArbeitsblattDialog::ArtenFuellen);
    connect(cmbArt, &QComboBox::currentIndexChanged, this, &ArbeitsblattDialog::StufenFuellen);
    connect(btnNeuerCode, &QPushButton::clicked, this, [this] { edtKlassencode->setText(NeuerKlassencode()); });
    connect(edtKlassencode, &KlassencodeFeld::gueltigGeaendert, this, &ArbeitsblattDialog::Pruefen);
    connect(btnPdf, &QPushButton::clicked, this, &ArbeitsblattDialog::AlsPdfSpeichern);
    connect(btnDrucken, &QPushButton::clicked, this, &ArbeitsblattDialog::BlattDrucken);
    connect(btnSchliessen, &QPushButton::clicked, this, &QDialog::accept);
    Pruefen();
}

void ArbeitsblattDialog::ArtenFuellen()
{
    const int vorher = cmbArt->currentIndex();
    cmbArt->clear();
    if (rbGanz->isChecked())
        for (const char* art : GanzArten)
            cmbArt->addItem(QString::fromUtf8(art));
    else
        for (const char* art : RationalArten)
            cmbArt->addItem(QString::fromUtf8(art));
    cmbArt->setCurrentIndex(qBound(0, vorher, cmbArt->count() - 1));
    StufenFuellen();
}

void ArbeitsblattDialog::StufenFuellen()
{
    const int vorher = cmbStufe->currentIndex();
    const BlattAuswahl a = Auswahl();
    cmbStufe->clear();
    for (int stufe = 1; stufe <= BlattStufen(a.bereich, a.art); ++stufe)
        cmbStufe->addItem(QStringLiteral("Stufe %1").arg(stufe));
    cmbStufe->setCurrentIndex(qBound(0, vorher, cmbStufe->count() - 1));
}

BlattAuswahl ArbeitsblattDialog::Auswahl() const
{
    BlattAuswahl a;
    a.bereich = rbGanz->isChecked() ? Zahlenbereich::Ganz : Zahlenbereich::Rational;
    a.art = cmbArt->currentIndex() + 1;
    a.stufe = cmbStufe->currentIndex() + 1;
    a.vereinfacht = cmbDarstellung->currentIndex() == 1;
    a.anzahl = spnAnzahl->value();
    a.gruppen = spnGruppen->value();
    a.code = NormalisiereKlassencode(edtKlassencode->text());
    return a;
}

void ArbeitsblattDialog::Pruefen()
{
    const bool gut = edtKlassencode->Gueltig();
    btnPdf->setEnabled(gut);
    btnDrucken->setEnabled(gut);
}

void ArbeitsblattDialog::Melde(const QString& text, bool fehler)
{
    lblMeldung->setStyleSheet(fehler ? QStringLiteral("color: rgb(255, 0, 102)") : QStringLiteral("color: rgb(0, 128, 0)"));
    lblMeldung->setText(text);
    lblMeldung->setAccessibleName(text);
}

bool ArbeitsblattDialog::AlsPdfSpeichern()
{
    const BlattAuswahl a = Auswahl();
    QString fehler = BlattAuswahlFehler(a);
    if (!fehler.isEmpty()) {
        Melde(fehler, true);
        return false;
    }
    QString datei = DateiWaehlen(this, BlattDateiname(a));
    if (datei.isEmpty())
        return false;
    if (!datei.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        datei += QLatin1String(".pdf");
    if (!SpeichereArbeitsblatt(datei, a, &fehler)) {
        Melde(fehler, true);
        return false;
    }
    Melde(QStringLiteral("Gespeichert: %1 (Klassencode %2)").arg(QDir::toNativeSeparators(datei), a.code), false);
    return true;
}

bool ArbeitsblattDialog::BlattDrucken()
{
    const BlattAuswahl a = Auswahl();
    QString fehler = BlattAuswahlFehler(a);
    if (fehler.isEmpty() && Drucken(this, a, &fehler)) {
        Melde(QStringLiteral("Gedruckt (Klassencode %1).").arg(a.code), false);
        return true;
    }
    if (!fehler.isEmpty())
        Melde(fehler, true);
    return false;
}

void ZeigeArbeitsblattDialog(QWidget* eltern)
{
    ArbeitsblattDialog dialog(eltern);
    dialog.exec();
}
