// Exact hydrostatics of the true hull on the default hull: the figures at one waterline (target
// under 2 ms), the curves of form at 20 levels (under 40 ms) and the cross curves at 19 angles
// (under 100 ms), each from the hull record, sections traced afresh.
#include <benchmark/benchmark.h>

#include "hull/definition_screens.h"
#include "hydro/curves_of_form.h"
#include "hydro/exact_hydrostatics.h"
#include "hydro/stability.h"

namespace {

using namespace voriel;

void BM_ExactAtOneWaterline(benchmark::State& state) {
    const Hull hull = ValidatedDefaultHull();
    for (auto _ : state) {
        const ExactHull exact = BuildExactHull(hull);
        benchmark::DoNotOptimize(ExactAtWaterline(exact, 0.1, 0.0).figures.KMt);
    }
}
BENCHMARK(BM_ExactAtOneWaterline)->Unit(benchmark::kMillisecond);

void BM_ExactFloatedAndTrimmed(benchmark::State& state) {
    const Hull hull = ValidatedDefaultHull();
    for (auto _ : state) {
        const ExactHull exact = BuildExactHull(hull);
        benchmark::DoNotOptimize(ExactTrimmed(exact, 1.0, 2.6).pitch);
    }
}
BENCHMARK(BM_ExactFloatedAndTrimmed)->Unit(benchmark::kMillisecond);

void BM_CurvesOfForm20Levels(benchmark::State& state) {
    const Hull hull = ValidatedDefaultHull();
    for (auto _ : state) {
        const ExactHull exact = BuildExactHull(hull);
        benchmark::DoNotOptimize(ComputeCurvesOfForm(exact, 20).back().MCT);
    }
}
BENCHMARK(BM_CurvesOfForm20Levels)->Unit(benchmark::kMillisecond);

void BM_CrossCurves19Angles(benchmark::State& state) {
    const Hull hull = ValidatedDefaultHull();
    for (auto _ : state) {
        const ExactHull exact = BuildExactHull(hull);
        benchmark::DoNotOptimize(ComputeCrossCurves(exact, 1.0, 0.0).points.back().KN);
    }
}
BENCHMARK(BM_CrossCurves19Angles)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
