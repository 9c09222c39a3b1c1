// Validating both definition screens on the default hull (target: under 100 microseconds).
#include <benchmark/benchmark.h>

#include "hull/definition_screens.h"

namespace {

void BM_ValidateBothScreens(benchmark::State& state) {
    voriel::Hull start;
    voriel::SetDefaultHull(start);
    const voriel::Chine1Screen screen1 = voriel::FillChine1Screen(start);
    for (auto _ : state) {
        voriel::Hull h = start;
        voriel::Chine1Screen s1 = screen1;
        voriel::ValidateChine1Screen(h, s1);
        voriel::Chines23Screen s2 = voriel::FillChines23Screen(h);
        voriel::ValidateChines23Screen(h, s2);
        benchmark::DoNotOptimize(h.LineY[4][41]);
    }
}
BENCHMARK(BM_ValidateBothScreens)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
