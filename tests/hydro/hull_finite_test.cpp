// The complete finiteness check: every hull the screens make passes, and each part it covers
// catches a record whose lines are finite but whose results are not.
#include "hydro/hull_finite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "board/station_sections.h"
#include "develop/end_plates.h"
#include "develop/panel_development.h"
#include "hull/chine1.h"
#include "hull/chines23.h"
#include "hydro/mass_areas.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

BoardState redrawn(const Hull& h) {
    BoardState b;
    b.ChineView = 1;
    ComputeAllStationSections(h, b);
    return b;
}

// True when a value, or any value of a range (of ranges), is not finite.
bool anyNonFinite(double v) {
    return !std::isfinite(v);
}
template <class Range>
bool anyNonFinite(const Range& values) {
    for (const auto& v : values)
        if (anyNonFinite(v)) return true;
    return false;
}

TEST(AllResultsFinite, HoldsForEveryHullTheScreensMake) {
    EXPECT_TRUE(AllResultsFinite(test::ValidatedDefaultHull()));
    for (uint32_t seed = 1; seed <= 200; ++seed)
        ASSERT_TRUE(AllResultsFinite(test::RandomHull(seed))) << "seed " << seed;
}

// Records a data file can hold, each with finite lines (AllFinite) and a non-finite value in the
// part of the results its witness looks at; the points recomputed as opening a data file does,
// without the clamps of the screens.
TEST(AllResultsFinite, CatchesWhatTheLinesAloneWouldLetThrough) {
    const struct {
        const char* part;
        std::function<void(Hull&)> edit;
        std::function<bool(const Hull&)> witness;  // true: the part holds a non-finite value
    } cases[] = {
        {"station sections (a max beam at the transom with no beam)",
         [](Hull& h) {
             h.XMax[0] = h.YMax[1] = 0;
             h.XAft[0] = h.XMax[1] = -25;
         },
         [](const Hull& h) {
             const BoardState b = redrawn(h);
             return anyNonFinite(b.StationPtY) || anyNonFinite(b.StationPtZ);
         }},
        {"developed planks (a power of 1e200)", [](Hull& h) { h.PowerFwd = 1e200; },
         [](const Hull& h) {
             const Development d = DevelopPanel(h, Panel::Plank1);
             return anyNonFinite(std::array{d.DevXi, d.DevYi, d.DevXs, d.DevYs});
         }},
        {"plate areas (a hull of 1e152 m)",
         [](Hull& h) {
             for (auto* f :
                  {&h.XFwd, &h.YFwd, &h.ZFwd, &h.XMax, &h.YMax, &h.ZMax, &h.XAft, &h.YAft, &h.ZAft})
                 for (double& v : *f) v *= 1e152;
             for (double& v : h.PlaneZ0) v *= 1e152;
         },
         [](const Hull& h) {
             const MassAreas a = ComputeMassAreas(h);
             return anyNonFinite(
                        std::array{a.PlateArea, a.PlateCentreX, a.DeckArea, a.DeckCentreX}) ||
                    anyNonFinite(std::array{a.TransomArea, a.TransomCentreX});
         }},
        {"transom (a sheer plane of slope 1e200)", [](Hull& h) { h.PlaneZX[4] = 1e200; },
         [](const Hull& h) {
             for (const SlantPoint& p : ComputeTransomDev(redrawn(h)))
                 if (anyNonFinite(std::array{p.slant, p.half})) return true;
             return false;
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.part);
        Hull h = test::ValidatedDefaultHull();
        c.edit(h);
        h.MaxBeamIndex = MaxBeamIndexOfShown(h.XFwd[0], h.XMax[1]);
        ComputeKeelChine1Points(h);
        ComputeBottomRulings(h);
        for (int i = Chine2; i <= Sheer; ++i) ComputeUpperLinePoints(h, i);
        ASSERT_TRUE(AllFinite(h));
        ASSERT_TRUE(c.witness(h));
        EXPECT_FALSE(AllResultsFinite(h));
    }
}

}  // namespace
}  // namespace voriel
