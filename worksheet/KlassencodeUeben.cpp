#include "worksheet/KlassencodeUeben.h"

#include "drill/DrillRahmen.h"
#include "rational/RationalKatalog.h"

#include "integer/GanzKatalog.h"
#include "rational/RationalSpeicher.h"
#include "worksheet/Klassencode.h"
#include "worksheet/KlassencodeFeld.h"
#include "worksheet/KlassencodeQuelle.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHideEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

KlassencodeDialog::KlassencodeDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgKlassencode"));
    setWindowTitle(QStringLiteral("Mit Klassencode üben"));
    auto* layout = new QVBoxLayout(this);
    auto* hinweis = new QLabel(QStringLiteral("Gib den Klassencode von deinem Arbeitsblatt ein. Du bekommst "
                                              "genau die Aufgaben des Blattes.\nIst dein Blatt „Vereinfacht“, "
                                              "so stelle unten „Vereinfacht“ ein, bevor du antwortest."),
                               this);
    hinweis->setObjectName(QStringLiteral("lblHinweis"));
    hinweis->setWordWrap(true);
    layout->addWidget(hinweis);

    auto* form = new QFormLayout;
    edtKlassencode = new KlassencodeFeld(this);
    form->addRow(QStringLiteral("&Klassencode:"), edtKlassencode);
    cmbGruppe = new QComboBox(this);
    cmbGruppe->setObjectName(QStringLiteral("cmbGruppe"));
    cmbGruppe->setAccessibleName(QStringLiteral("Gruppe"));
    cmbGruppe->addItems({QStringLiteral("A (oder ohne Gruppe)"), QStringLiteral("B"), QStringLiteral("C"),
                         QStringLiteral("D")});
    form->addRow(QStringLiteral("&Gruppe:"), cmbGruppe);
    layout->addLayout(form);

    lblMeldung = new QLabel(this);
    lblMeldung->setObjectName(QStringLiteral("lblMeldung"));
    lblMeldung->setWordWrap(true);
    lblMeldung->setStyleSheet(QStringLiteral("color: rgb(255, 0, 102)"));
    layout->addWidget(lblMeldung);
    edtKlassencode->SetzeMeldung(lblMeldung);

    knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knoepfe->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Üben"));
    knoepfe->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnUeben"));
    knoepfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    knoepfe->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnAbbrechen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(knoepfe);
}

QString KlassencodeDialog::Code() const
{
    return edtKlassencode->Code();
}

int KlassencodeDialog::Gruppe() const
{
    return cmbGruppe->currentIndex();
}

void KlassencodeDialog::accept()
{
    // A wrong code is told and the dialog stays, so the pupil can correct it.
    if (!edtKlassencode->Gueltig()) {
        lblMeldung->setText(KlassencodeFehler(edtKlassencode->text()));
        edtKlassencode->setFocus();
        return;
    }
    QDialog::accept();
}

QAction* KlassencodeEintrag(QMenuBar* leiste, QDialog* bildschirm, Zahlenbereich bereich,
                            std::function<void(std::unique_ptr<Aufgabenquelle>)> setzeQuelle)
{
    auto* aktion = leiste->addAction(QStringLiteral("Mit Klassencode üben …"));
    aktion->setObjectName(QStringLiteral("menKlassencode"));
    QObject::connect(aktion, &QAction::triggered, bildschirm, [bildschirm, bereich, setzeQuelle] {
        BlattAuswahl auswahl;
        auswahl.bereich = bereich;
        const bool offen = bereich == Zahlenbereich::Ganz ? GewaehlteStufeGanz(auswahl.art, auswahl.stufe)
                                                          : GewaehlteStufeRational(auswahl.art, auswahl.stufe);
        if (!offen)
            return;
        KlassencodeDialog dialog(bildschirm);
        if (dialog.exec() != QDialog::Accepted)
            return;
        auswahl.code = dialog.Code();
        setzeQuelle(std::make_unique<KlassencodeQuelle>(auswahl, dialog.Gruppe()));
    });
    return aktion;
}

QAction* KlassencodeUeben(TDrillRahmen* bildschirm, Zahlenbereich bereich)
{
    return KlassencodeEintrag(bildschirm->MenueLeiste(), bildschirm, bereich,
                              [bildschirm](std::unique_ptr<Aufgabenquelle> quelle) {
                                  bildschirm->SetzeQuelle(std::move(quelle));
                                  bildschirm->NeuStarten();
                              });
}
