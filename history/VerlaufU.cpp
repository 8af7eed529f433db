#include "history/VerlaufU.h"

#include "core/FormHilfen.h"
#include "core/Meldung.h"
#include "core/Modul.h"
#include "history/VerlaufDiagramm.h"
#include "history/VerlaufText.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>

#include <algorithm>
#include <map>

namespace {

QFont Schrift(int pixel, bool fett = false)
{
    QFont font = ArialFett(pixel);
    font.setBold(fett);
    return font;
}

QTableWidget* Tabelle(QWidget* eltern, const char* name, const QStringList& spalten)
{
    auto* tabelle = new QTableWidget(0, int(spalten.size()), eltern);
    tabelle->setObjectName(QString::fromLatin1(name));
    tabelle->setHorizontalHeaderLabels(spalten);
    tabelle->setFont(Schrift(13));
    tabelle->horizontalHeader()->setFont(Schrift(13, true));
    tabelle->verticalHeader()->hide();
    tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    tabelle->setAlternatingRowColors(true);
    tabelle->setWordWrap(false);
    tabelle->verticalHeader()->setDefaultSectionSize(22);
    tabelle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabelle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return tabelle;
}

// The first column takes what the fixed-width others leave.
void Spaltenbreiten(QTableWidget* tabelle, std::initializer_list<int> breiten)
{
    QHeaderView* kopf = tabelle->horizontalHeader();
    kopf->setSectionResizeMode(0, QHeaderView::Stretch);
    int spalte = 1;
    for (int breite : breiten) {
        kopf->setSectionResizeMode(spalte, QHeaderView::Fixed);
        tabelle->setColumnWidth(spalte++, breite);
    }
}

QLabel* Ueberschrift(QWidget* eltern, const char* name, const QString& text, int x, int y, int b)
{
    auto* label = Platziere(new QLabel(text, eltern), name, x, y, b, 24);
    label->setFont(Schrift(16, true));
    SetzeTextfarbe(label, QColor(0, 0, 128));
    return label;
}

QTableWidgetItem* Zelle(const QString& text, Qt::Alignment ausrichtung = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* zelle = new QTableWidgetItem(text);
    zelle->setTextAlignment(ausrichtung);
    zelle->setToolTip(text);
    return zelle;
}

const Qt::Alignment Rechts = Qt::AlignRight | Qt::AlignVCenter;

QString Punkte(const GespeicherteUebung& u)
{
    return DeutscheZahl(u.punkte, 1) + QStringLiteral(" / ") + QString::number(u.versuche);
}

QString Prozent(int prozent)
{
    return QString::number(prozent) + QStringLiteral(" %");
}

QString KurzName(const GespeicherteUebung& u)
{
    if (u.wiederholung)
        return QStringLiteral("Fehler üben");
    return QStringLiteral("%1, Stufe %2").arg(ArtName(u.bereich, u.art)).arg(u.stufe);
}

QString GruppenName(const GespeicherteUebung& u)
{
    if (u.wiederholung)
        return QStringLiteral("%1: Fehler üben").arg(BereichName(u.bereich));
    return UebungsName(u.bereich, u.art, u.stufe);
}

void LeereZeile(QTableWidget* tabelle, const QString& text)
{
    tabelle->setRowCount(1);
    tabelle->setSpan(0, 0, 1, tabelle->columnCount());
    tabelle->setItem(0, 0, Zelle(text));
}

} // namespace

int TfrmVerlauf::Gruppe::Beste() const
{
    int beste = 0;
    for (const GespeicherteUebung& u : uebungen)
        beste = std::max(beste, u.prozent);
    return beste;
}

int TfrmVerlauf::Gruppe::Letzte() const
{
    return uebungen.empty() ? 0 : uebungen.back().prozent;
}

TfrmVerlauf::TfrmVerlauf(QWidget* parent)
    : QDialog(parent, FesterRahmen(Qt::Dialog))
{
    setObjectName(QStringLiteral("frmVerlauf"));
    setWindowTitle(QStringLiteral("Mein Verlauf"));
    setFixedSize(1016, 722);
    setFont(Schrift(13));
    QPalette hintergrund = palette();
    hintergrund.setColor(QPalette::Window, QColor(240, 240, 240));
    setPalette(hintergrund);
    setAutoFillBackground(true);

    lblTitel = Platziere(new QLabel(QStringLiteral("Mein Verlauf"), this), "lblTitel", 8, 6, 1000, 32);
    lblTitel->setFont(Schrift(22, true));
    lblTitel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    SetzeTextfarbe(lblTitel, QColor(153, 102, 51));

    Ueberschrift(this, "lblUebungen", QStringLiteral("Meine Übungen"), 8, 42, 496);
    tblUebungen = Tabelle(this, "tblUebungen", {QStringLiteral("Übung"), QStringLiteral("Anzahl"),
                                                QStringLiteral("Zuletzt"), QStringLiteral("Beste")});
    Platziere(tblUebungen, "tblUebungen", 8, 68, 496, 222);
    tblUebungen->setAccessibleName(QStringLiteral("Meine Übungen"));
    Spaltenbreiten(tblUebungen, {62, 66, 62});
    connect(tblUebungen, &QTableWidget::currentCellChanged, this, [this](int zeile) { ZeigeDiagramm(zeile); });

    // The chart comes from its module; without it the tables still work and
    // the chart's place says why it is empty.
    QString fehler;
    const auto neu = ModulFunktion<DiagrammNeu>(QString::fromLatin1(DiagrammModul), DiagrammNeuName, &fehler);
    zeige_ = ModulFunktion<DiagrammZeige>(QString::fromLatin1(DiagrammModul), DiagrammZeigeName, &fehler);
    if (neu && zeige_) {
        chtVerlauf = neu(this);
    } else {
        zeige_ = nullptr;
        auto* ersatz = new QLabel(QStringLiteral("Das Diagramm kann nicht gezeigt werden.\n") + fehler, this);
        ersatz->setAlignment(Qt::AlignCenter);
        ersatz->setWordWrap(true);
        ersatz->setFrameShape(QFrame::Box);
        chtVerlauf = ersatz;
    }
    Platziere(chtVerlauf, "chtVerlauf", 8, 298, 496, 370);
    chtVerlauf->setAccessibleName(QStringLiteral("Prozent richtig im Lauf der Zeit"));

    lblLetzte = Ueberschrift(this, "lblLetzte", QStringLiteral("Letzte Übungen"), 512, 42, 496);
    tblLetzte = Tabelle(this, "tblLetzte", {QStringLiteral("Übung"), QStringLiteral("Datum"), QStringLiteral("Zahlen"),
                                            QStringLiteral("Punkte"), QStringLiteral("Prozent")});
    Platziere(tblLetzte, "tblLetzte", 512, 68, 496, 330);
    tblLetzte->setAccessibleName(QStringLiteral("Letzte Übungen"));
    Spaltenbreiten(tblLetzte, {116, 62, 70, 62});

    lblFehler = Ueberschrift(this, "lblFehler", QStringLiteral("Diese Aufgaben waren oft falsch"), 512, 404, 496);
    tblFehler = Tabelle(this, "tblFehler",
                        {QStringLiteral("Aufgabe"), QStringLiteral("Ergebnis"), QStringLiteral("falsch")});
    Platziere(tblFehler, "tblFehler", 512, 430, 496, 238);
    tblFehler->setAccessibleName(QStringLiteral("Diese Aufgaben waren oft falsch"));
    Spaltenbreiten(tblFehler, {86, 56});

    btnExport = Platziere(new QPushButton(QStringLiteral("Als CSV exportieren \u2026"), this), "btnExport", 512, 676,
                          240, 36);
    btnExport->setFont(Schrift(16, true));
    connect(btnExport, &QPushButton::clicked, this, &TfrmVerlauf::btnExportClick);
    btnSchliessen = Platziere(new QPushButton(QStringLiteral("Schließen"), this), "btnSchliessen", 768, 676, 240, 36);
    btnSchliessen->setFont(Schrift(16, true));
    connect(btnSchliessen, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmVerlauf::Laden(const VerlaufSpeicher* speicher)
{
    alle_ = speicher ? speicher->Uebungen(true) : std::vector<GespeicherteUebung>{};
    gruppen_.clear();

    // Kinds and levels, the one practised last on top.
    std::map<QString, size_t> index;
    for (const GespeicherteUebung& u : alle_) {
        const QString name = GruppenName(u);
        auto it = index.find(name);
        if (it == index.end()) {
            it = index.emplace(name, gruppen_.size()).first;
            gruppen_.push_back({name, {}});
        }
        gruppen_[it->second].uebungen.push_back(u);
    }
    std::stable_sort(gruppen_.begin(), gruppen_.end(), [](const Gruppe& a, const Gruppe& b) {
        return a.uebungen.back().beendet > b.uebungen.back().beendet;
    });

    tblUebungen->clearSpans();
    tblUebungen->setRowCount(0);
    if (gruppen_.empty())
        LeereZeile(tblUebungen, QStringLiteral("Noch keine Übung gespeichert."));
    else
        tblUebungen->setRowCount(int(gruppen_.size()));
    for (int i = 0; i < int(gruppen_.size()); ++i) {
        const Gruppe& g = gruppen_[size_t(i)];
        tblUebungen->setItem(i, 0, Zelle(g.name));
        tblUebungen->setItem(i, 1, Zelle(QString::number(g.uebungen.size()), Rechts));
        tblUebungen->setItem(i, 2, Zelle(Prozent(g.Letzte()), Rechts));
        tblUebungen->setItem(i, 3, Zelle(Prozent(g.Beste()), Rechts));
    }

    tblLetzte->clearSpans();
    tblLetzte->setRowCount(0);
    if (alle_.empty())
        LeereZeile(tblLetzte, QStringLiteral("Noch keine Übung gespeichert."));
    const int letzte = std::min(int(alle_.size()), LetzteAnzahl);
    tblLetzte->setRowCount(std::max(letzte, tblLetzte->rowCount()));
    for (int i = 0; i < letzte; ++i) {
        const GespeicherteUebung& u = alle_[alle_.size() - 1 - size_t(i)];
        tblLetzte->setItem(i, 1, Zelle(DeutscheZeit(u.beendet)));
        tblLetzte->setItem(i, 2, Zelle(u.bereich == Zahlenbereich::Rational ? QStringLiteral("rational")
                                                                            : QStringLiteral("ganz")));
        QTableWidgetItem* name = Zelle(KurzName(u));
        name->setToolTip(GruppenName(u) + (u.klassencode.isEmpty() ? QString()
                                                                    : QStringLiteral(" (Klassencode %1)").arg(u.klassencode)));
        tblLetzte->setItem(i, 0, name);
        tblLetzte->setItem(i, 3, Zelle(Punkte(u), Rechts));
        tblLetzte->setItem(i, 4, Zelle(Prozent(u.prozent), Rechts));
    }

    const std::vector<HaeufigerFehler> fehler =
        speicher ? speicher->HaeufigsteFehler(FehlerAnzahl) : std::vector<HaeufigerFehler>{};
    tblFehler->clearSpans();
    tblFehler->setRowCount(0);
    if (fehler.empty())
        LeereZeile(tblFehler, QStringLiteral("Noch keine Aufgabe falsch beantwortet."));
    tblFehler->setRowCount(std::max(int(fehler.size()), tblFehler->rowCount()));
    for (int i = 0; i < int(fehler.size()); ++i) {
        const HaeufigerFehler& f = fehler[size_t(i)];
        QTableWidgetItem* term = Zelle(f.termAnzeige);
        term->setToolTip(UebungsName(f.aufgabe.bereich, f.aufgabe.art, f.aufgabe.stufe) + QStringLiteral(": ")
                         + f.termAnzeige + u' ' + f.erwartet);
        tblFehler->setItem(i, 0, term);
        tblFehler->setItem(i, 1, Zelle(f.erwartet, Rechts));
        tblFehler->setItem(i, 2, Zelle(QString::number(f.anzahl) + QStringLiteral(" \u00d7"), Rechts));
    }

    btnExport->setEnabled(!alle_.empty());
    if (!gruppen_.empty())
        tblUebungen->setCurrentCell(0, 0);
    ZeigeDiagramm(gruppen_.empty() ? -1 : 0);
}

void TfrmVerlauf::ZeigeDiagramm(int gruppe)
{
    if (!zeige_)
        return;
    DiagrammInhalt inhalt;
    inhalt.titelSchrift = Schrift(14, true);
    inhalt.beschriftung = Schrift(11);
    inhalt.achsenTitel = Schrift(12, true);
    if (gruppe < 0 || gruppe >= int(gruppen_.size())) {
        inhalt.titel = QStringLiteral("Noch keine Übung gespeichert");
    } else {
        const Gruppe& g = gruppen_[size_t(gruppe)];
        inhalt.titel = g.name;
        for (const GespeicherteUebung& u : g.uebungen)
            inhalt.punkte.push_back({u.beendet.toMSecsSinceEpoch(), u.prozent});
    }
    zeige_(chtVerlauf, inhalt);
}

bool TfrmVerlauf::Exportiere(const QString& pfad)
{
    if (SchreibeVerlaufCsv(pfad, alle_))
        return true;
    Meldung(this, QStringLiteral("Die Datei „%1“ konnte nicht geschrieben werden.").arg(pfad));
    return false;
}

void TfrmVerlauf::btnExportClick()
{
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString name = QStringLiteral("Minusland-Verlauf-%1.csv")
                             .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    QString pfad = QFileDialog::getSaveFileName(this, QStringLiteral("Als CSV exportieren"), ordner + u'/' + name,
                                                QStringLiteral("CSV-Dateien (*.csv)"));
    if (pfad.isEmpty())
        return;
    if (!pfad.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        pfad += QStringLiteral(".csv");
    if (Exportiere(pfad))
        Meldung(this, QStringLiteral("Deine Übungen wurden in „%1“ gespeichert.").arg(pfad));
}
