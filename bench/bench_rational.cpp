// Page fill of the rational drills: five rows drawn by one catalogue entry,
// as a screen does on activation and on "Weiter". Reports the mean and the
// 99th percentile of the page time per entry (target: p99 <= 0.5 ms). The
// page times are taken on the thread's CPU clock, so that other work on the
// machine does not count; mean_us and p99_us are microseconds.

#include "core/Random.h"
#include "rational/RationalKatalog.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

namespace {

double CpuMikrosekunden()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e6 + double(t.tv_nsec) / 1e3;
}

void SeiteFuellen(benchmark::State& state)
{
    const int art = int(state.range(0));
    const int stufe = int(state.range(1));
    RandSeed(quint64(art * 100 + stufe));
    std::vector<double> zeiten;
    zeiten.reserve(1 << 16);
    for (auto _ : state) {
        const double start = CpuMikrosekunden();
        for (int zeile = 1; zeile <= 5; ++zeile)
            benchmark::DoNotOptimize(RationalEintrag(art, stufe, zeile));
        zeiten.push_back(CpuMikrosekunden() - start);
    }
    std::sort(zeiten.begin(), zeiten.end());
    double summe = 0;
    for (double z : zeiten)
        summe += z;
    state.counters["mean_us"] = summe / double(zeiten.size());
    state.counters["p99_us"] = zeiten[std::min(zeiten.size() - 1, zeiten.size() * 99 / 100)];
    state.counters["max_us"] = zeiten.back();
}

void Eintraege(benchmark::internal::Benchmark* b)
{
    static const int stufen[] = {0, 4, 4, 3, 3, 4};
    for (int art = 1; art <= 5; ++art)
        for (int stufe = 1; stufe <= stufen[art]; ++stufe)
            b->Args({art, stufe});
}

} // namespace

BENCHMARK(SeiteFuellen)->Apply(Eintraege)->ArgNames({"art", "stufe"})->MinTime(2.0)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
