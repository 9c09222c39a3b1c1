// The complete finiteness check: every hull the screens make passes, and each part it covers
// catches a record whose lines are finite but whose results are not.
#include "hydro/hull_finite.h"

#include <gtest/gtest.h>

#include <functional>

#include "hull/chine1.h"
#include "hull/chines23.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

TEST(AllResultsFinite, HoldsForEveryHullTheScreensMake) {
    EXPECT_TRUE(AllResultsFinite(test::ValidatedDefaultHull()));
    for (uint32_t seed = 1; seed <= 200; ++seed)
        ASSERT_TRUE(AllResultsFinite(test::RandomHull(seed))) << "seed " << seed;
}

// Records a data file can hold, each with finite lines (AllFinite) and a non-finite value in the
// part of the results it names; the points recomputed as opening a data file does, without the
// clamps of the screens.
TEST(AllResultsFinite, CatchesWhatTheLinesAloneWouldLetThrough) {
    const struct {
        const char* part;
        std::function<void(Hull&)> edit;
    } cases[] = {
        {"station sections (a max beam at the transom with no beam)",
         [](Hull& h) {
             h.XMax[0] = h.YMax[1] = 0;
             h.XAft[0] = h.XMax[1] = -25;
         }},
        {"developed planks (a power of 1e200)", [](Hull& h) { h.PowerFwd = 1e200; }},
        {"plate areas (a hull of 1e152 m)",
         [](Hull& h) {
             for (auto* f :
                  {&h.XFwd, &h.YFwd, &h.ZFwd, &h.XMax, &h.YMax, &h.ZMax, &h.XAft, &h.YAft, &h.ZAft})
                 for (double& v : *f) v *= 1e152;
             for (double& v : h.PlaneZ0) v *= 1e152;
         }},
        {"transom (a sheer plane of slope 1e200)", [](Hull& h) { h.PlaneZX[4] = 1e200; }},
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
        EXPECT_FALSE(AllResultsFinite(h));
    }
}

}  // namespace
}  // namespace voriel
