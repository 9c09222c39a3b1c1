// The complete finiteness check of a hull.
#include "hydro/hull_finite.h"

#include <cmath>

#include "board/board_state.h"
#include "board/station_sections.h"
#include "develop/end_plates.h"
#include "develop/panel_development.h"
#include "hydro/mass_areas.h"
#include "hydro/mass_budget.h"

namespace voriel {

namespace {

template <class Values>
bool finite(const Values& values) {
    for (const double v : values)
        if (!std::isfinite(v)) return false;
    return true;
}

bool sectionsFinite(const BoardState& b) {
    for (const auto* pts : {&b.StationPtX, &b.StationPtY, &b.StationPtZ})
        for (const auto& section : *pts)
            if (!finite(section)) return false;
    return true;
}

bool developmentFinite(const Development& d) {
    for (int j = 0; j <= d.last; ++j)
        if (!std::isfinite(d.DevXi[j]) || !std::isfinite(d.DevYi[j]) ||
            !std::isfinite(d.DevXs[j]) || !std::isfinite(d.DevYs[j]))
            return false;
    return true;
}

bool endPlateFinite(const EndPlateDev& plate) {
    for (const SlantPoint& p : plate)
        if (!std::isfinite(p.slant) || !std::isfinite(p.half)) return false;
    return true;
}

bool areasFinite(const MassAreas& a) {
    return finite(a.PlateArea) && finite(a.PlateCentreX) && finite(a.DeckArea) &&
           finite(a.DeckCentreX) &&
           finite(std::array<double, 4>{a.TransomArea, a.TransomCentreX, a.BowPlateArea,
                                        a.BowPlateCentreX});
}

// The table as the mass-budget window first shows it: Compute on the entries it opens with.
bool defaultMassTableFinite(const Hull& hull) {
    Hull h = hull;
    MassBudget budget;
    MassTotals totals;
    MassTable table = ActivateMassTable(h, budget, totals);
    return !ComputeMassBudget(h, budget, table, totals).has_value();
}

}  // namespace

bool AllResultsFinite(const Hull& h) {
    if (!AllFinite(h)) return false;
    // The sections do not depend on the stage; all lines defined develops the most.
    BoardState board;
    board.ChineView = 1;
    ComputeAllStationSections(h, board);
    if (!sectionsFinite(board)) return false;
    for (const Panel p : {Panel::Bottom, Panel::Plank1, Panel::Plank2, Panel::Plank3, Panel::Deck1,
                          Panel::Deck2, Panel::Deck3, Panel::Deck4})
        if (!developmentFinite(DevelopPanel(h, p))) return false;
    if (!endPlateFinite(ComputeTransomDev(board))) return false;
    if (HasBowPlate(h) && !endPlateFinite(ComputeBowPlateDev(board))) return false;
    return areasFinite(ComputeMassAreas(h)) && defaultMassTableFinite(h);
}

}  // namespace voriel
