// The engines on the default hull: all station sections, every development, the mass budget and
// one displacement computation with trim (target: under 1 millisecond together).
#include <benchmark/benchmark.h>

#include "board/station_sections.h"
#include "develop/panel_development.h"
#include "hull/definition_screens.h"
#include "hydro/hydrostatics.h"
#include "hydro/mass_budget.h"
#include "text/number_text.h"

namespace {

using namespace voriel;

// The mass table on activation with a ballast at the transom whose weight brings the centre of
// gravity to 0.4 LWL from the transom.
struct Budget {
    Hull hull = ValidatedDefaultHull();
    MassBudget budget;
    MassTotals totals;
    MassTable table;
    Budget() {
        table = ActivateMassTable(hull, budget, totals);
        const double target = 0.4 * hull.XFwd[0];
        table.Text3[14] = Str(totals.TotalMass * (totals.MassCentreX - target) / target);
        table.Text4[14] = "0";
        ComputeMassBudget(hull, budget, table, totals);
    }
};

void sections(const Hull& h, BoardState& board) {
    ComputeAllStationSections(h, board);
    benchmark::DoNotOptimize(board.StationPtY[41][13]);
}

void developments(const Hull& h, const BoardState& board) {
    for (Panel p : {Panel::Bottom, Panel::Plank1, Panel::Plank2, Panel::Plank3, Panel::Deck1,
                    Panel::Deck2, Panel::Deck3, Panel::Deck4}) {
        const Development d = DevelopPanel(h, p);
        benchmark::DoNotOptimize(d.DevYs[41]);
    }
    benchmark::DoNotOptimize(ComputeTransomDev(board)[13].slant);
    benchmark::DoNotOptimize(ComputeBowPlateDev(board)[13].slant);
}

void massBudget(Budget& b) {
    ComputeMassBudget(b.hull, b.budget, b.table, b.totals);
    benchmark::DoNotOptimize(b.totals.MassCentreX);
}

// The mass budget's Compute: the total handed over, floated from LWL / 100 and trimmed.
void floatAtMass(const Hull& h, const MassTotals& totals) {
    HydroState hydro;
    HydroBoxes boxes{{"", Format(h.XFwd[0] / 100, "0.000")}, "0.0"};
    HandMassToHydro(totals, hydro, boxes);
    MassTotals afloat = totals;
    ComputeHydrostatics(h, hydro, boxes, afloat);
    benchmark::DoNotOptimize(hydro.BuoyancyX);
}

void BM_AllEnginesTogether(benchmark::State& state) {
    Budget b;
    BoardState board;
    board.ChineView = 1;
    for (auto _ : state) {
        sections(b.hull, board);
        developments(b.hull, board);
        massBudget(b);
        floatAtMass(b.hull, b.totals);
    }
}
BENCHMARK(BM_AllEnginesTogether)->Unit(benchmark::kMicrosecond);

void BM_StationSections(benchmark::State& state) {
    const Hull h = ValidatedDefaultHull();
    BoardState board;
    for (auto _ : state) sections(h, board);
}
BENCHMARK(BM_StationSections)->Unit(benchmark::kMicrosecond);

void BM_Developments(benchmark::State& state) {
    const Hull h = ValidatedDefaultHull();
    BoardState board;
    ComputeAllStationSections(h, board);
    for (auto _ : state) developments(h, board);
}
BENCHMARK(BM_Developments)->Unit(benchmark::kMicrosecond);

void BM_MassBudget(benchmark::State& state) {
    Budget b;
    for (auto _ : state) massBudget(b);
}
BENCHMARK(BM_MassBudget)->Unit(benchmark::kMicrosecond);

void BM_DisplacementWithTrim(benchmark::State& state) {
    Budget b;
    for (auto _ : state) floatAtMass(b.hull, b.totals);
}
BENCHMARK(BM_DisplacementWithTrim)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
