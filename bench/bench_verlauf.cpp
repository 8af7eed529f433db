// What recording costs the drill: one judgement reported through the drill
// reports, against a file that already holds a long history. Wall-clock
// time, since a thread that writes waits for the disk as well as the CPU.
//   Urteil_melden       the UI thread's part: the hand-over to the writing
//                       thread. Target: p99 at most 2 ms.
//   Urteil_gespeichert  until the judgement is committed (its own
//                       transaction, WAL) on the writing thread.
//   Urteil_direkt       the same commit made on the calling thread, the
//                       figure that put the writing on a thread of its own.
#include "drill/DrillBericht.h"
#include "history/FehlerAuswahl.h"
#include "history/VerlaufAufzeichnung.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <vector>

namespace {

Urteil BeispielUrteil(int n)
{
    Urteil u;
    u.aufgabe.art = 1 + n % 9;
    u.aufgabe.stufe = 1 + n % 4;
    u.aufgabe.term = QStringLiteral("((+%1)-(-5))*(+2)").arg(n % 97);
    u.aufgabe.ergebnis = QString::number(2 * (n % 97 + 5));
    u.seite = 1 + (n / 5) % 3;
    u.zeile = 1 + n % 5;
    u.termAnzeige = QStringLiteral("[(+%1) – (–5)] · (+2) =").arg(n % 97);
    u.eingabe = QStringLiteral("+12");
    u.erwartet = QStringLiteral("+%1").arg(2 * (n % 97 + 5));
    u.verdikt = n % 4 ? Verdikt::RichtigErster : Verdikt::FalschErster;
    u.punkte = n % 4 ? 1 : 0;
    u.zeit = QDateTime::currentDateTime().addSecs(-86400 * 60 + n * 10);
    return u;
}

// A file holding a history of `anzahl` judgements.
void Vorrat(VerlaufSpeicher& speicher, const QString& pfad, int anzahl)
{
    speicher.Oeffnen(pfad);
    const auto id = speicher.BeginneUebung(BeispielUrteil(0));
    for (int n = 0; n < anzahl; ++n)
        speicher.SchreibeUrteil(*id, BeispielUrteil(n));
}

double Mikro(std::chrono::steady_clock::duration d)
{
    return std::chrono::duration<double, std::micro>(d).count();
}

void Kennzahlen(benchmark::State& state, std::vector<double>& mikro)
{
    std::sort(mikro.begin(), mikro.end());
    state.counters["mean_us"] = std::accumulate(mikro.begin(), mikro.end(), 0.0) / double(mikro.size());
    state.counters["p99_us"] = mikro[std::min(mikro.size() - 1, size_t(double(mikro.size()) * 0.99))];
    state.counters["max_us"] = mikro.back();
}

// history: judgements already in the file; warten: until committed.
void Melden(benchmark::State& state, bool warten)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("verlauf.sqlite"));
    {
        VerlaufSpeicher vorrat;
        Vorrat(vorrat, pfad, int(state.range(0)));
    }
    VerlaufAufzeichnung aufzeichnung(pfad);
    aufzeichnung.SetzeEingeschaltet(true);
    aufzeichnung.Warte(); // opened before the drill, as at start-up

    std::vector<double> mikro;
    int n = 0;
    for (auto _ : state) {
        const Urteil u = BeispielUrteil(n++);
        const auto start = std::chrono::steady_clock::now();
        emit DrillBericht().Beurteilt(u);
        if (warten)
            aufzeichnung.Warte();
        mikro.push_back(Mikro(std::chrono::steady_clock::now() - start));
    }
    Kennzahlen(state, mikro);
    aufzeichnung.SetzeEingeschaltet(false);
}

void Urteil_melden(benchmark::State& state)
{
    Melden(state, false);
}

void Urteil_gespeichert(benchmark::State& state)
{
    Melden(state, true);
}

void Urteil_direkt(benchmark::State& state)
{
    QTemporaryDir ordner;
    VerlaufSpeicher s;
    Vorrat(s, ordner.filePath(QStringLiteral("verlauf.sqlite")), int(state.range(0)));
    const auto id = s.BeginneUebung(BeispielUrteil(0));
    std::vector<double> mikro;
    int n = 0;
    for (auto _ : state) {
        const Urteil u = BeispielUrteil(n++);
        const auto start = std::chrono::steady_clock::now();
        s.SchreibeUrteil(*id, u);
        mikro.push_back(Mikro(std::chrono::steady_clock::now() - start));
    }
    Kennzahlen(state, mikro);
}

// Opening the store (integrity check, migration check), once per run.
void Speicher_oeffnen(benchmark::State& state)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("verlauf.sqlite"));
    {
        VerlaufSpeicher vorrat;
        Vorrat(vorrat, pfad, int(state.range(0)));
    }
    std::vector<double> mikro;
    for (auto _ : state) {
        VerlaufSpeicher s;
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(s.Oeffnen(pfad));
        mikro.push_back(Mikro(std::chrono::steady_clock::now() - start));
    }
    Kennzahlen(state, mikro);
}

// The "Fehler üben" page chosen from the whole history.
void Fehler_planen(benchmark::State& state)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("verlauf.sqlite"));
    VerlaufSpeicher s;
    Vorrat(s, pfad, int(state.range(0)));
    std::vector<double> mikro;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(PlaneFehlerUeben(s, QDateTime::currentDateTime()));
        mikro.push_back(Mikro(std::chrono::steady_clock::now() - start));
    }
    Kennzahlen(state, mikro);
}

BENCHMARK(Urteil_melden)->Arg(20000)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Urteil_gespeichert)->Arg(20000)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Urteil_direkt)->Arg(20000)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Speicher_oeffnen)->Arg(20000)->Iterations(20)->Unit(benchmark::kMicrosecond);
BENCHMARK(Fehler_planen)->Arg(20000)->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The switch is remembered in the test settings, never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("MinuslandBench"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
