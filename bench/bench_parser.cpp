// Parse and evaluate typical terms with TFunktion, as the term builders do
// for every exercise (Ergebnistext), and the display conversion of the same
// terms. One benchmark per term shape, from a two-number chain to the
// longest mixed shapes of level 4.
#include "integer/GanzAnzeige.h"
#include "integer/GanzTermBauer.h"
#include "integer/TulpParser.h"

#include <benchmark/benchmark.h>

namespace {

struct Term {
    const char* name;
    const char* text;
};

const Term Terme[] = {
    {"Kette2", "(+7)+(-12)"},
    {"Kette6", "(+3)-(-5)+(+12)-(+1)+(-2)-(-4)"},
    {"Klammern", "(+3)-((-5)-(+2))-((+8)+(-1))"},
    {"Betraege", "abs((+3)-(+9))-abs((-4))+(+2)"},
    {"Quotient", "((-96)/(+12))/(+4)"},
    {"Verbindung", "((+4)-(-2)+(+7)-(+1)+(-3))*(-3)"},
    {"Grundrechnung38", "((+12)-(-7)+(-3)*(+9))*((+5)-(-8))"},
    {"Grundrechnung29", "abs((-48))/(+6)-(-3)*abs((+9))+abs((-35))/(-7)"},
};

void Auswerten(benchmark::State& state, const char* text)
{
    const QString term = QString::fromLatin1(text);
    for (auto _ : state) {
        TFunktion f(term);
        benchmark::DoNotOptimize(f.Berechne(1));
    }
}

void Ergebnis(benchmark::State& state, const char* text)
{
    const QString term = QString::fromLatin1(text);
    for (auto _ : state)
        benchmark::DoNotOptimize(Ergebnistext(term));
}

void Anzeige(benchmark::State& state, const char* text)
{
    const QString term = EckigeKlammern(QString::fromLatin1(text));
    for (auto _ : state) {
        benchmark::DoNotOptimize(AnzeigeMitVorzeichen(term));
        benchmark::DoNotOptimize(AnzeigeVereinfacht(term, 9));
    }
}

const bool registriert = [] {
    for (const Term& t : Terme) {
        benchmark::RegisterBenchmark((std::string("TFunktion/") + t.name).c_str(), Auswerten, t.text)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("Ergebnistext/") + t.name).c_str(), Ergebnis, t.text)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("Anzeige/") + t.name).c_str(), Anzeige, t.text)
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

} // namespace

BENCHMARK_MAIN();
