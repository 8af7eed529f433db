#pragma once
#include "drill/DrillRahmen.h"

#include <QString>

// Caption of the drill for the one non-zero level variable ("Addition ganzer
// Zahlen: Stufe 2"); empty when no level is chosen.
QString GanzUebungTitel();
// Heading painted above the exercises, by ArtGanz (and the level for kinds 7
// and 8).
QString GanzUebungUeberschrift();
// The instruction of the signed or the simplified mode.
QString GanzUebungAnleitung(bool vereinfacht);

// The drill screen for all nine integer kinds: five exercises per page, each
// judged when its answer box is left. The frame runs the page; this screen
// lays out and paints the integer terms and binds the integer drill state.
class TfrmGanzUebung : public TDrillRahmen {
    Q_OBJECT
public:
    explicit TfrmGanzUebung(QWidget* parent = nullptr);

    // Page operations on the drill state.
    void SeiteLeeren() override;
    using TDrillRahmen::SeiteFuellen;

    // The page as painted, for tests and screenshots.
    QImage PaintBild() const { return Bild(); }

protected:
    void Einrichten() override;
    QString Titel() const override;
    QString Anleitung() const override;
    bool Vereinfacht() const override;
    void SetzeVereinfacht(bool vereinfacht) override;
    int UeblicheSeiten() const override;
    std::unique_ptr<Aufgabenquelle> Katalogquelle() const override;
    void ZeilenFreigeben() override;
    void ZeileEinrichten(int i, bool gefuellt) override;
    QString TermAnzeige(int i) const override;
    bool ZeileOffen(int i) const override;
    Bewertung Beurteile(int i, const QString& text, int versuch) override;
    void ZeileAbschliessen(int i, const Bewertung& bewertung) override;
    int& Versuch(int i) override;
    bool ZweiterVersuchBindet() const override { return true; }
    void StufenZuruecksetzen() override;
    void pntZahlenPaint(Canvas& canvas) override;
};

// The one instance, created at program start.
inline TfrmGanzUebung* frmGanzUebung = nullptr;
