// Page fill of the integer drills: five exercises of one generator with
// their display texts, as the drill screen draws them. Each page is timed on
// its own (thread CPU time) so that the 99th percentile shows the slow tail of the rejection
// loops, not just the mean. Target: p99 at most 1 ms per page (0.5 ms aimed).
#include "core/Random.h"
#include "integer/GanzAnzeige.h"
#include "integer/GanzKatalog.h"
#include "integer/GanzSpeicher.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <numeric>
#include <string>
#include <vector>

namespace {

void SeiteFuellen(int art, int stufe, bool vereinfacht)
{
    for (int i = 1; i <= 5; ++i) {
        const GanzAufgabe aufgabe = ZieheAufgabeGanz(art, stufe, vereinfacht);
        benchmark::DoNotOptimize(AnzeigeVereinfacht(aufgabe.Term, art));
        benchmark::DoNotOptimize(AnzeigeMitVorzeichen(aufgabe.Term));
        benchmark::DoNotOptimize(aufgabe.Ergebnis);
    }
}

// CPU time of this thread in microseconds: the figure of the work itself,
// not of whatever else the machine runs meanwhile.
double CpuMikro()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

void Seite(benchmark::State& state, int art, int stufe)
{
    RandSeed(20240501u + quint64(art * 10 + stufe));
    ArtGanz = art;
    // The first pages also build the tables a generator enumerates once;
    // their cost is shown apart.
    const double kalt = CpuMikro();
    SeiteFuellen(art, stufe, false);
    state.counters["first_page_us"] = CpuMikro() - kalt;
    for (int k = 0; k < 20; ++k)
        SeiteFuellen(art, stufe, k % 2 == 1);

    std::vector<double> mikro;
    mikro.reserve(1 << 16);
    for (auto _ : state) {
        const double start = CpuMikro();
        SeiteFuellen(art, stufe, mikro.size() % 2 == 1);
        mikro.push_back(CpuMikro() - start);
    }
    std::sort(mikro.begin(), mikro.end());
    const double mittel = std::accumulate(mikro.begin(), mikro.end(), 0.0) / double(mikro.size());
    state.counters["mean_us"] = mittel;
    state.counters["p99_us"] = mikro[std::min(mikro.size() - 1, size_t(double(mikro.size()) * 0.99))];
    state.counters["max_us"] = mikro.back();
}

const bool registriert = [] {
    for (int art = 1; art <= 9; ++art)
        for (int stufe = 1; stufe <= 4; ++stufe)
            benchmark::RegisterBenchmark(
                ("Seite/Art" + std::to_string(art) + "/Stufe" + std::to_string(stufe)).c_str(),
                [art, stufe](benchmark::State& s) { Seite(s, art, stufe); })
                ->Unit(benchmark::kMicrosecond)
                ->Iterations(20000);
    return true;
}();

} // namespace

BENCHMARK_MAIN();
