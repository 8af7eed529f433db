#include "shell/MaxanzahlU.h"

#include "core/Meldung.h"
#include "core/FormHilfen.h"
#include "integer/GanzSpeicher.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>

namespace {

constexpr int MinDurchgaenge = 3;
constexpr int MaxWahl = 10;
const QString Vorgabe = QStringLiteral("3");

} // namespace

TfrmMaxanzahl::TfrmMaxanzahl(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmMaxanzahl"));
    setWindowTitle(QStringLiteral("Durchgänge"));
    setWindowFlags(FesterRahmen(Qt::Dialog));
    setFixedSize(ClientBreite, ClientHoehe);
    setFont(ArialFett(19));

    grpMax = new QGroupBox(QStringLiteral(" Max. Anzahl der Durchgänge (3-10) "), this);
    grpMax->setObjectName(QStringLiteral("grpMax"));
    grpMax->setGeometry(8, 8, 377, 105);

    edtMaxzahl = new QLineEdit(Vorgabe, grpMax);
    edtMaxzahl->setObjectName(QStringLiteral("edtMaxzahl"));
    edtMaxzahl->setGeometry(120, 48, 140, 30);
    edtMaxzahl->setAlignment(Qt::AlignCenter);
    edtMaxzahl->setAccessibleName(QStringLiteral("Max. Anzahl der Durchgänge (3-10)"));
    // The validator guards every way text gets in: keys, paste and drop.
    edtMaxzahl->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edtMaxzahl));
    edtMaxzahl->installEventFilter(this);

    // The icons come with the first showing (showEvent): reading them loads
    // the image readers, which the start of the program need not wait for.
    BitBtn1 = new QPushButton(QStringLiteral("&Schließen"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(8, 128, 140, 40);
    BitBtn2 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(246, 128, 140, 40);
    BitBtn2->setDefault(true);
    // A click on a button must not first pull the focus out of the box:
    // "Schließen" shall close without complaining about what is typed, and
    // OK checks the box itself.
    BitBtn1->setFocusPolicy(Qt::TabFocus);
    BitBtn2->setFocusPolicy(Qt::TabFocus);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
    connect(BitBtn2, &QPushButton::clicked, this, &TfrmMaxanzahl::BitBtn2Click);
}

bool TfrmMaxanzahl::edtMaxzahlExit()
{
    gelesen_ = edtMaxzahl->text();
    if (gelesen_.isEmpty()) {
        edtMaxzahl->setText(Vorgabe);
        gelesen_ = Vorgabe;
        edtMaxzahl->setFocus();
        return true;
    }
    bool zahl = false;
    const int wert = gelesen_.toInt(&zahl); // a very long digit string is no number either
    if (!zahl || wert < MinDurchgaenge || wert > MaxWahl) {
        prueft_ = true;
        Meldung(this, QStringLiteral("Die eingegebene Zahl liegt nicht im Bereich!"));
        prueft_ = false;
        edtMaxzahl->setText(Vorgabe);
        gelesen_ = Vorgabe;
        edtMaxzahl->setFocus();
        return false;
    }
    return true;
}

void TfrmMaxanzahl::BitBtn2Click()
{
    if (!edtMaxzahlExit())
        return;
    GewaehlteDurchgaenge = gelesen_.toInt();
    accept();
}

bool TfrmMaxanzahl::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == edtMaxzahl && ereignis->type() == QEvent::FocusOut && !prueft_ && isVisible()) {
        // Leaving the box for another control; not a switch to another
        // window or a context menu (paste), nor the check's own message box.
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(ereignis)->reason();
        if (grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason)
            edtMaxzahlExit();
    }
    return QDialog::eventFilter(objekt, ereignis);
}

void TfrmMaxanzahl::showEvent(QShowEvent* ereignis)
{
    if (BitBtn1->icon().isNull()) {
        BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
        BitBtn2->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    }
    // Always show the count in force, not what was typed and dismissed.
    edtMaxzahl->setText(QString::number(GewaehlteDurchgaenge));
    edtMaxzahl->selectAll();
    edtMaxzahl->setFocus();
    QDialog::showEvent(ereignis);
}
