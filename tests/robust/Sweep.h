#pragma once
// Shared pieces of the generator sweeps: the count of random draws, the
// number of builds, the band check and the collection of findings.
#include "core/Random.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cmath>
#include <map>

// Every call of Random() from the libraries is counted through the draw
// hook, so one exercise's draws can be counted; the draws themselves stay
// as they are. Set the hook with ZiehungenZaehlen() before the first build.
inline quint64 ziehungen = 0;
inline int ZaehleZiehung(int, int gezogen)
{
    ++ziehungen;
    return gezogen;
}
inline void ZiehungenZaehlen()
{
    SetDrawHook(&ZaehleZiehung);
}

// Builds per entry and mode; ML_SWEEP_BUILDS raises it for a longer run.
inline int Bauten()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("ML_SWEEP_BUILDS", &ok);
    return ok && n > 0 ? n : 2000;
}

// Draws one exercise may take. The rejection loops have geometric tails: the
// tightest ones (rational division and mixed level 1, about 2,000 draws on
// average) reach some 50,000 draws once in 4,000 builds. A loop whose chance
// of acceptance dropped tenfold, or one that can no longer succeed, does not
// stay below this.
constexpr quint64 MaxZiehungen = 250000;

// The width of the answer boxes: they take at most 8 characters.
constexpr int Antwortfeld = 8;

struct Band {
    int bis;
    QString was; // integer: the builder call; rational: "variante/form"
};

// Every band's share within five standard deviations of its width; the
// bands out of line, empty when all are in line.
inline QStringList Anteile(const QList<Band>& baender, const std::map<QString, int>& gezaehlt, int n)
{
    QStringList abweichend;
    if (baender.isEmpty())
        return {QStringLiteral("keine Bänder")};
    std::map<QString, double> erwartet;
    int von = 0;
    for (const Band& b : baender) {
        erwartet[b.was] += (b.bis - von) / 100.0;
        von = b.bis;
    }
    for (const auto& [was, anzahl] : gezaehlt)
        if (!erwartet.count(was))
            abweichend.append("unerwartet " + was);
    for (const auto& [was, p] : erwartet) {
        const auto it = gezaehlt.find(was);
        const double anteil = it == gezaehlt.end() ? 0 : double(it->second) / n;
        const double toleranz = 5 * std::sqrt(p * (1 - p) / n) + 1.0 / n;
        if (std::fabs(anteil - p) > toleranz)
            abweichend.append(QStringLiteral("%1 hat den Anteil %2 statt %3").arg(was).arg(anteil).arg(p));
    }
    return abweichend;
}

// Collects what went wrong, so one run names every entry at fault.
struct Befund {
    QStringList fehler;
    void Melde(const QString& eintrag, const QString& was)
    {
        if (fehler.size() < 40)
            fehler.append(eintrag + ": " + was);
    }
};

