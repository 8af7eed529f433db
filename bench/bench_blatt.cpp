// One worksheet with its solutions (15 exercises, 2 pages) made as PDF bytes:
// drawing the exercises, laying out and painting both pages, the PDF writer.
// Per number range the entry with the largest terms, and a sheet of 30
// exercises with four groups for scale. Runs headless (offscreen platform
// unless QT_QPA_PLATFORM says otherwise).
#include "worksheet/Arbeitsblatt.h"
#include "worksheet/BlattSatz.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

void Blatt(benchmark::State& state, Zahlenbereich bereich, int art, int stufe, int anzahl, int gruppen)
{
    BlattAuswahl a;
    a.bereich = bereich;
    a.art = art;
    a.stufe = stufe;
    a.anzahl = anzahl;
    a.gruppen = gruppen;
    a.code = QStringLiteral("MATHE2");
    qint64 bytes = 0;
    for (auto _ : state) {
        const QByteArray pdf = ArbeitsblattPdf(a);
        bytes = pdf.size();
        benchmark::DoNotOptimize(pdf.data());
    }
    state.counters["kB"] = double(bytes) / 1024.0;
}

} // namespace

BENCHMARK_CAPTURE(Blatt, ganz_9_4_15, Zahlenbereich::Ganz, 9, 4, 15, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Blatt, ganz_5_4_15, Zahlenbereich::Ganz, 5, 4, 15, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Blatt, rational_5_4_15, Zahlenbereich::Rational, 5, 4, 15, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Blatt, rational_5_1_15, Zahlenbereich::Rational, 5, 1, 15, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Blatt, rational_2_4_15, Zahlenbereich::Rational, 2, 4, 15, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Blatt, rational_5_4_30x4, Zahlenbereich::Rational, 5, 4, 30, 4)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
