#include "history/VerlaufAufzeichnung.h"

#include "drill/DrillBericht.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QThread>

#include <optional>

namespace {

const char* const Schalter = "Verlauf/ErgebnisseSpeichern";

QSettings Einstellungen()
{
    const QString app = QCoreApplication::applicationName();
    const QString firma = QCoreApplication::organizationName();
    return QSettings(firma.isEmpty() ? app : firma, app);
}

} // namespace

// Lives on the writing thread and owns its connection to the store.
class VerlaufSchreiber : public QObject {
    Q_OBJECT
public:
    explicit VerlaufSchreiber(const QString& pfad)
        : pfad_(pfad)
    {
    }

    void Oeffne()
    {
        if (speicher_.IstOffen() || versucht_)
            return;
        versucht_ = true;
        const VerlaufZustand zustand = speicher_.Oeffnen(pfad_);
        if (zustand == VerlaufZustand::Ersetzt)
            emit Fehler(zustand, speicher_.BeiseitePfad());
        else if (zustand != VerlaufZustand::Offen) {
            qWarning("Verlauf: %s", qPrintable(speicher_.LetzterFehler()));
            emit Fehler(zustand, {});
        }
    }

    void Schreibe(const Urteil& u)
    {
        Oeffne();
        if (!speicher_.IstOffen())
            return;
        const bool passt = offen_ && offen_->bereich == u.aufgabe.bereich && offen_->wiederholung == u.wiederholung
            && offen_->klassencode == u.klassencode;
        if (!passt) {
            const std::optional<qint64> id = speicher_.BeginneUebung(u);
            if (!id) {
                offen_.reset();
                return Gescheitert();
            }
            offen_ = Offen{*id, u.aufgabe.bereich, u.wiederholung, u.klassencode};
        }
        if (!speicher_.SchreibeUrteil(offen_->id, u))
            return Gescheitert();
        emit Gespeichert(++anzahl_);
    }

    void Beende(const DrillAbschluss& a)
    {
        Oeffne();
        if (!speicher_.IstOffen())
            return;
        const bool ok = offen_ && offen_->bereich == a.bereich ? speicher_.BeendeUebung(offen_->id, a)
                                                               : speicher_.SchreibeAbschluss(a).has_value();
        // The evaluation starts a new drill of the same kind.
        offen_.reset();
        if (!ok)
            return Gescheitert();
        emit Gespeichert(++anzahl_);
    }

    void Verlassen() { offen_.reset(); }

    // Closes the file; the next write opens it again.
    void Schliesse()
    {
        speicher_.Schliessen();
        offen_.reset();
        versucht_ = false;
    }

signals:
    void Fehler(VerlaufZustand zustand, const QString& beiseite);
    void Gespeichert(int anzahl);

private:
    void Gescheitert()
    {
        qWarning("Verlauf: %s", qPrintable(speicher_.LetzterFehler()));
        emit Fehler(VerlaufZustand::Unbeschreibbar, {});
    }

    struct Offen {
        qint64 id = 0;
        Zahlenbereich bereich = Zahlenbereich::Ganz;
        bool wiederholung = false;
        QString klassencode;
    };
    QString pfad_;
    VerlaufSpeicher speicher_;
    std::optional<Offen> offen_;
    bool versucht_ = false;
    int anzahl_ = 0;
};

VerlaufAufzeichnung::VerlaufAufzeichnung(const QString& pfad, QObject* parent)
    : QObject(parent)
    , pfad_(pfad.isEmpty() ? VerlaufSpeicher::StandardPfad() : pfad)
    , eingeschaltet_(GespeichertEingeschaltet())
{
    qRegisterMetaType<Urteil>("Urteil");
    qRegisterMetaType<DrillAbschluss>("DrillAbschluss");
    qRegisterMetaType<VerlaufZustand>("VerlaufZustand");
    connect(&DrillBericht(), &DrillBerichtSender::Beurteilt, this, &VerlaufAufzeichnung::Beurteilt);
    connect(&DrillBericht(), &DrillBerichtSender::Beendet, this, &VerlaufAufzeichnung::Beendet);
}

VerlaufAufzeichnung::~VerlaufAufzeichnung()
{
    if (!faden_)
        return;
    Warte();
    QMetaObject::invokeMethod(schreiber_, &VerlaufSchreiber::Schliesse, Qt::BlockingQueuedConnection);
    faden_->quit();
    faden_->wait();
    delete schreiber_;
}

void VerlaufAufzeichnung::StarteSchreiber()
{
    if (faden_)
        return;
    faden_ = new QThread(this);
    faden_->setObjectName(QStringLiteral("Verlauf"));
    schreiber_ = new VerlaufSchreiber(pfad_);
    schreiber_->moveToThread(faden_);
    connect(schreiber_, &VerlaufSchreiber::Fehler, this, &VerlaufAufzeichnung::Melde);
    connect(schreiber_, &VerlaufSchreiber::Gespeichert, this, &VerlaufAufzeichnung::Gespeichert);
    faden_->start();
}

void VerlaufAufzeichnung::Warte()
{
    if (faden_)
        QMetaObject::invokeMethod(schreiber_, [] {}, Qt::BlockingQueuedConnection);
}

bool VerlaufAufzeichnung::GespeichertEingeschaltet()
{
    return Einstellungen().value(QLatin1String(Schalter), false).toBool();
}

void VerlaufAufzeichnung::SpeichereSchalter(bool an)
{
    QSettings einstellungen = Einstellungen();
    einstellungen.setValue(QLatin1String(Schalter), an);
    einstellungen.sync();
}

void VerlaufAufzeichnung::SetzeEingeschaltet(bool an)
{
    eingeschaltet_ = an;
    SpeichereSchalter(an);
    if (an)
        Bereitstellen();
    else
        UebungVerlassen();
}

void VerlaufAufzeichnung::Bereitstellen()
{
    if (!eingeschaltet_)
        return;
    StarteSchreiber();
    QMetaObject::invokeMethod(schreiber_, &VerlaufSchreiber::Oeffne, Qt::QueuedConnection);
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

void VerlaufAufzeichnung::Melde(VerlaufZustand zustand, const QString& beiseite)
{
    if (gemeldet_)
        return;
    gemeldet_ = true;
    emit Stoerung(Meldungstext(zustand, beiseite));
}

VerlaufSpeicher* VerlaufAufzeichnung::Speicher()
{
    if (lesen_ && lesen_->IstOffen())
        return lesen_.get();
    // One attempt per run: a file that failed stays failed until restart
    // (or until the history is removed).
    if (versucht_)
        return nullptr;
    versucht_ = true;
    // Whatever the writing thread has handed over is in the file first.
    Warte();
    lesen_ = std::make_unique<VerlaufSpeicher>();
    const VerlaufZustand zustand = lesen_->Oeffnen(pfad_);
    if (zustand == VerlaufZustand::Offen)
        return lesen_.get();
    if (zustand == VerlaufZustand::Ersetzt) {
        Melde(zustand, lesen_->BeiseitePfad());
        return lesen_.get();
    }
    qWarning("Verlauf: %s", qPrintable(lesen_->LetzterFehler()));
    Melde(zustand, {});
    return nullptr;
}

bool VerlaufAufzeichnung::Loeschen()
{
    if (faden_)
        QMetaObject::invokeMethod(schreiber_, &VerlaufSchreiber::Schliesse, Qt::BlockingQueuedConnection);
    bool ok = true;
    if (lesen_ && lesen_->Pfad() == pfad_) {
        ok = lesen_->LoescheAlles();
    } else {
        VerlaufSpeicher leer;
        leer.Oeffnen(pfad_);
        ok = leer.LoescheAlles();
    }
    lesen_.reset();
    versucht_ = false;
    return ok;
}

void VerlaufAufzeichnung::UebungVerlassen()
{
    if (faden_)
        QMetaObject::invokeMethod(schreiber_, &VerlaufSchreiber::Verlassen, Qt::QueuedConnection);
}

void VerlaufAufzeichnung::Beurteilt(const Urteil& urteil)
{
    if (!eingeschaltet_)
        return;
    StarteSchreiber();
    QMetaObject::invokeMethod(schreiber_, [s = schreiber_, urteil] { s->Schreibe(urteil); }, Qt::QueuedConnection);
}

void VerlaufAufzeichnung::Beendet(const DrillAbschluss& abschluss)
{
    if (!eingeschaltet_)
        return;
    StarteSchreiber();
    QMetaObject::invokeMethod(schreiber_, [s = schreiber_, abschluss] { s->Beende(abschluss); },
                              Qt::QueuedConnection);
}

#include "VerlaufAufzeichnung.moc"
