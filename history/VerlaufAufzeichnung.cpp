#include "history/VerlaufAufzeichnung.h"

#include "drill/DrillBericht.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace {

const char* const Schalter = "Verlauf/ErgebnisseSpeichern";

QSettings Einstellungen()
{
    const QString app = QCoreApplication::applicationName();
    const QString firma = QCoreApplication::organizationName();
    return QSettings(firma.isEmpty() ? app : firma, app);
}

} // namespace

VerlaufAufzeichnung::VerlaufAufzeichnung(const QString& pfad, QObject* parent)
    : QObject(parent)
    , pfad_(pfad.isEmpty() ? VerlaufSpeicher::StandardPfad() : pfad)
    , eingeschaltet_(GespeichertEingeschaltet())
{
    connect(&DrillBericht(), &DrillBerichtSender::Beurteilt, this, &VerlaufAufzeichnung::Beurteilt);
    connect(&DrillBericht(), &DrillBerichtSender::Beendet, this, &VerlaufAufzeichnung::Beendet);
}

VerlaufAufzeichnung::~VerlaufAufzeichnung() = default;

bool VerlaufAufzeichnung::GespeichertEingeschaltet()
{
    return Einstellungen().value(QLatin1String(Schalter), false).toBool();
}

void VerlaufAufzeichnung::SetzeEingeschaltet(bool an)
{
    eingeschaltet_ = an;
    QSettings einstellungen = Einstellungen();
    einstellungen.setValue(QLatin1String(Schalter), an);
    einstellungen.sync();
    if (!an)
        offen_.reset();
}

QString VerlaufAufzeichnung::Meldungstext(VerlaufZustand zustand, const QString& beiseite)
{
    switch (zustand) {
    case VerlaufZustand::Ersetzt:
        return QStringLiteral("Die Datei mit deinen gespeicherten Ergebnissen war beschädigt; sie liegt jetzt "
                              "unverändert als „%1“ daneben, und deine Ergebnisse werden in einer neuen Datei "
                              "gespeichert.")
            .arg(QFileInfo(beiseite).fileName());
    case VerlaufZustand::Neuer:
        return QStringLiteral("Deine gespeicherten Ergebnisse stammen von einer neueren Minusland-Version; sie "
                              "bleiben unverändert, und bis zum Beenden wird nichts gespeichert.");
    default:
        return QStringLiteral("Deine Ergebnisse können im Moment nicht gespeichert werden, weil der Ordner "
                              "schreibgeschützt oder der Speicher voll ist; die Übungen funktionieren trotzdem "
                              "wie immer.");
    }
}

void VerlaufAufzeichnung::Melde(VerlaufZustand zustand)
{
    if (gemeldet_)
        return;
    gemeldet_ = true;
    emit Stoerung(Meldungstext(zustand, speicher_ ? speicher_->BeiseitePfad() : QString()));
}

VerlaufSpeicher* VerlaufAufzeichnung::Speicher()
{
    if (speicher_ && speicher_->IstOffen())
        return speicher_.get();
    // One attempt per run: a file that failed stays failed until restart
    // (or until the history is removed).
    if (versucht_)
        return nullptr;
    versucht_ = true;
    speicher_ = std::make_unique<VerlaufSpeicher>();
    const VerlaufZustand zustand = speicher_->Oeffnen(pfad_);
    if (zustand == VerlaufZustand::Offen)
        return speicher_.get();
    if (zustand == VerlaufZustand::Ersetzt) {
        Melde(zustand);
        return speicher_.get();
    }
    qWarning("Verlauf: %s", qPrintable(speicher_->LetzterFehler()));
    Melde(zustand);
    return nullptr;
}

bool VerlaufAufzeichnung::Loeschen()
{
    offen_.reset();
    bool ok = true;
    if (speicher_ && speicher_->Pfad() == pfad_) {
        ok = speicher_->LoescheAlles();
    } else {
        VerlaufSpeicher leer;
        leer.Oeffnen(pfad_);
        ok = leer.LoescheAlles();
    }
    speicher_.reset();
    versucht_ = false;
    return ok;
}

void VerlaufAufzeichnung::UebungVerlassen()
{
    offen_.reset();
}

bool VerlaufAufzeichnung::PasstZurOffenen(const Urteil& u) const
{
    return offen_ && offen_->bereich == u.aufgabe.bereich && offen_->wiederholung == u.wiederholung
        && offen_->klassencode == u.klassencode;
}

void VerlaufAufzeichnung::Beurteilt(const Urteil& urteil)
{
    if (!eingeschaltet_)
        return;
    VerlaufSpeicher* speicher = Speicher();
    if (!speicher)
        return;
    if (!PasstZurOffenen(urteil)) {
        const std::optional<qint64> id = speicher->BeginneUebung(urteil);
        if (!id) {
            offen_.reset();
            Melde(VerlaufZustand::Unbeschreibbar);
            return;
        }
        offen_ = Offen{*id, urteil.aufgabe.bereich, urteil.wiederholung, urteil.klassencode};
    }
    if (!speicher->SchreibeUrteil(offen_->id, urteil))
        Melde(VerlaufZustand::Unbeschreibbar);
}

void VerlaufAufzeichnung::Beendet(const DrillAbschluss& abschluss)
{
    if (!eingeschaltet_)
        return;
    VerlaufSpeicher* speicher = Speicher();
    if (!speicher)
        return;
    bool ok = false;
    if (offen_ && offen_->bereich == abschluss.bereich)
        ok = speicher->BeendeUebung(offen_->id, abschluss);
    else
        ok = speicher->SchreibeAbschluss(abschluss).has_value();
    // The evaluation starts a new drill of the same kind.
    offen_.reset();
    if (!ok)
        Melde(VerlaufZustand::Unbeschreibbar);
}
