// Hydrostatics: closed forms on a prism, round trips and limits over random hulls, and the
// window's reading of its boxes.
#include "hydro/hydrostatics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "hydro/immersion_texts.h"
#include "hydro/prism_hull.h"
#include "support/test_hulls.h"
#include "text/number_text.h"

namespace voriel {
namespace {

const double kLen = test::kPrismLength;

// Both-sides area of the prism's section below zw.
double prismArea(double zw) {
    return test::AreaBelow({test::kPrismSection.begin(), test::kPrismSection.end()}, zw).area;
}

struct HydroRun {
    HydroState state;
    HydroBoxes boxes;
    MassTotals totals;
    std::optional<EntryError> error;
};

// One Compute with the boxes as typed.
HydroRun compute(const Hull& h, int16_t mode, const std::string& displacement,
                 const std::string& waterline, const std::string& pitch, double massCentreX = 0) {
    HydroRun r;
    r.state.HydroMode = mode;
    r.boxes = {{displacement, waterline}, pitch};
    r.totals.MassCentreX = massCentreX;
    r.error = ComputeHydrostatics(h, r.state, r.boxes, r.totals);
    return r;
}

double lowestKeel(const Hull& h) {
    return *std::min_element(h.LineZ[Keel].begin(), h.LineZ[Keel].end());
}
double highestPoint(const Hull& h) {
    double top = h.LineZ[0][0];
    for (const auto& line : h.LineZ)
        top = std::max(top, *std::max_element(line.begin(), line.end()));
    return top;
}

// From below the keel (dry: nothing, the keel's abscissa) to the sheer under water (the whole
// section, no waterline breadth, sunk), every section of the prism is the clipped polygon and the
// boat its section times its length; water exactly at a line counts as above it.
TEST(WaterlineMode, PrismFloatsAsItsSectionTimesItsLengthAtEveryHeight) {
    const auto& sec = test::kPrismSection;
    for (int step = -1; step <= 200; ++step) {
        const double zw = step / 100.0;
        SCOPED_TRACE(zw);
        const HydroRun r = compute(test::PrismHull(), 1, "", Str(zw), "0");
        ASSERT_FALSE(r.error);
        const HydroState& s = r.state;
        const auto exact = test::AreaBelow({sec.begin(), sec.end()}, std::max(zw, 0.0));
        EXPECT_NEAR(s.SectionArea[30], exact.area, 1e-12);
        EXPECT_NEAR(s.Volume, exact.area * kLen, 1e-12);
        // Pieces above chine 1 take their centroid at mid height: close, not exact.
        const bool triangle = zw < 0.5;
        EXPECT_NEAR(s.SectionZc[30], triangle ? std::max(zw, 0.0) * 2 / 3 : exact.zc,
                    triangle ? 1e-12 : 0.01);
        EXPECT_NEAR(s.BuoyancyZ, s.SectionZc[30], 1e-12);
        EXPECT_NEAR(s.BuoyancyX, zw <= 0 ? 0.0 : kLen / 2, 1e-12);
        int below = -1;
        while (below < 4 && zw >= sec[below + 1].second) ++below;
        EXPECT_EQ(s.ImmersionLevel, below == 4 ? 5 : below);
        const double y = below < 0 || below == 4
                             ? 0.0
                             : sec[below].first + (sec[below + 1].first - sec[below].first) *
                                                      (zw - sec[below].second) /
                                                      (sec[below + 1].second - sec[below].second);
        EXPECT_NEAR(s.WaterHalfBreadth[30], y, 1e-12);
        EXPECT_NEAR(s.WaterplaneArea, 2 * y * kLen, 1e-12);
        EXPECT_TRUE(below >= 0 || s.SectionX[30] == 3.0);  // a dry section keeps the keel's X
    }
    // Pitched 1.5 degrees the waterline stays between chines 2 and 3, where the section area grows
    // linearly with height: the volume is the length times the mean section.
    const HydroState s = compute(test::PrismHull(), 1, "", "1.1", "1.5").state;
    EXPECT_NEAR(s.Volume, prismArea(1.1 + std::tan(1.5 * kHydroPi / 180) * kLen / 2) * kLen, 1e-12);
    EXPECT_NEAR(s.WaterplaneArea, 2 * 1.2 * kLen, 1e-12);
    EXPECT_GT(s.BuoyancyX, kLen / 2);  // the deeper bow carries more
    EXPECT_EQ(s.ImmersionLevel, 2);
}

TEST(WaterlineMode, ClearOfTheWaterNothingFloatsAndTheSheerUnderWaterForwardIsSubmerged) {
    const Hull h = test::ValidatedDefaultHull();
    const HydroRun dry = compute(h, 1, "", Str(lowestKeel(h) - 0.01), "0");
    ASSERT_FALSE(dry.error);
    EXPECT_EQ(dry.state.ImmersionLevel, -1);
    for (double v : {dry.state.Volume, dry.state.BuoyancyX, dry.state.BuoyancyZ}) EXPECT_EQ(v, 0.0);
    EXPECT_EQ(HydroResultsText(dry.state, 1), "  ");
    // Bow down: the sheer is under water forward only, the transom stays dry.
    EXPECT_EQ(compute(test::PrismHull(), 1, "", "1,8", "3").state.ImmersionLevel, 4);
}

TEST(DisplacementMode, NegativeEntryIsItsMagnitudeCommasAreReadAndNoMassCentreKeepsThePitch) {
    const Hull h = test::ValidatedDefaultHull();
    const HydroRun plain = compute(h, 0, "0.8", "0.060", "0");
    const HydroRun typed = compute(h, 0, "-0,8", "0,060", "0,0");
    ASSERT_FALSE(typed.error);
    EXPECT_EQ(typed.state.Displacement, 0.8);
    EXPECT_EQ(typed.state.WaterlineZ, plain.state.WaterlineZ);
    EXPECT_EQ(typed.state.Volume, plain.state.Volume);
    EXPECT_EQ(typed.boxes.Text1[0], "0.800");
    for (double g : {0.0, 0.1 * h.XFwd[1]}) {
        const HydroRun r = compute(h, 0, "0.8", "0.060", "2", g);
        ASSERT_FALSE(r.error);
        EXPECT_EQ(r.state.PitchAngle, 2 * kHydroPi / 180);
        EXPECT_EQ(r.boxes.Text3, "2.0");
    }
}

TEST(DisplacementMode, TrimPutsTheCentreOfBuoyancyOverTheCentreOfGravity) {
    const double volume = prismArea(1.25) * kLen;
    for (const double g : {3.0, 5.0}) {
        const HydroRun r = compute(test::PrismHull(), 0, Str(volume), "1", "0", g);
        EXPECT_LE(std::abs(r.state.BuoyancyX - g), 0.002 * kLen);
        EXPECT_GT(r.state.PitchAngle * (g - kLen / 2), 0.0);  // bow down under a forward centre
        EXPECT_LT(std::abs(r.state.Volume - volume), 0.0001);
        EXPECT_EQ(r.boxes.Text3, Format(r.state.PitchAngle * 180 / kHydroPi, "0.0"));
    }
}

// Floating a hull at a height and then asking for the volume found gives back the height, from
// the window's usual start at a hundredth of the length as from a start a metre below the keel or
// above the highest point (the first steps then find no waterplane at all: neither means the boat
// sinks or flies). Ten times the greatest volume sinks it; no displacement leaves at most a
// trace immersed, and clear of the water exactly when nothing is. Whatever a builder types
// within reason, the result is finite (a result that is not is refused).
TEST(DisplacementMode, RandomHullsRoundTripWithinAMillimetreSinkWhenPressedFarDownAndStayFinite) {
    std::mt19937 rng(7), entries(11);
    const auto u = [&entries](double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(entries);
    };
    for (uint32_t seed = 1; seed <= 120; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Hull h = test::RandomHull(seed);
        const double lo = lowestKeel(h), top = highestPoint(h),
                     hi = *std::min_element(h.LineZ[Sheer].begin() + 1, h.LineZ[Sheer].end() - 1);
        const double z = lo + (hi - lo) * std::uniform_real_distribution<double>(0.2, 0.8)(rng);
        const HydroRun wet = compute(h, 1, "", Str(z), "0");
        ASSERT_FALSE(wet.error);
        ASSERT_GE(wet.state.ImmersionLevel, 0);
        ASSERT_LE(wet.state.ImmersionLevel, 3);
        const std::string usual = Format(h.XFwd[0] / 100, "0.000");
        for (const std::string& start : {usual, Str(lo - 1), Str(top + 1)}) {
            const HydroRun back = compute(h, 0, Str(wet.state.Volume), start, "0");
            ASSERT_FALSE(back.error);
            EXPECT_NEAR(back.state.WaterlineZ, z, 0.001) << "from " << start;
            EXPECT_EQ(back.state.ImmersionLevel, wet.state.ImmersionLevel);
            EXPECT_EQ(back.state.Displacement, Val(Str(wet.state.Volume)));
            EXPECT_EQ(back.state.PitchAngle, 0.0);  // no centre of gravity: no trim
            // From the usual start the search settles well within its 30 steps.
            EXPECT_FALSE(start == usual && back.state.Unstable);
        }
        const HydroRun none = compute(h, 0, "0", usual, "0");
        ASSERT_FALSE(none.error);
        EXPECT_LT(none.state.Volume, 0.0001);
        EXPECT_EQ(none.state.ImmersionLevel == -1, none.state.Volume == 0.0);
        const HydroRun full = compute(h, 1, "", Str(top + 1), "0");
        for (int trial = 0; trial < 4; ++trial) {
            const double g = trial < 2 ? u(0, h.XFwd[1]) : 0.0;
            const HydroRun r = compute(h, trial % 2, Str(u(0, 1.5) * full.state.Volume),
                                       Str(u(-0.2, 1.2) * top), Str(u(-10, 10)), g);
            ASSERT_FALSE(r.error);
            EXPECT_TRUE(r.state.ImmersionLevel >= -1 && r.state.ImmersionLevel <= 5);
        }
        if (seed > 60) continue;
        const HydroRun sunk = compute(h, 0, Str(10 * full.state.Volume), "0", "0");
        ASSERT_FALSE(sunk.error);
        EXPECT_EQ(sunk.state.ImmersionLevel, 5);
        EXPECT_EQ(HydroResultsText(sunk.state, 0), "  ");
    }
    // Before its lines are computed a hull has no volume at all: whatever it must carry sinks it.
    for (int16_t mode : {0, 1}) {
        const HydroRun r = compute(Hull{}, mode, "1", "0.1", "0", 2.0);
        ASSERT_FALSE(r.error);
        EXPECT_EQ(r.state.Volume, 0.0);
        EXPECT_EQ(r.state.ImmersionLevel, 5);
    }
}

TEST(Hydrostatics, EntryThatIsNotAFiniteNumberIsRefusedAndNothingChanges) {
    const Hull h = test::ValidatedDefaultHull();
    const HydroRun before = compute(h, 1, "", "0.1", "0");
    const char* const boxes[] = {"Text1(0)", "Text1(1)", "Text3(0)"};
    for (int b = 0; b < 3; ++b) {
        HydroRun r = before;
        r.boxes = {{"1", "0,1"}, "0"};
        (b == 2 ? r.boxes.Text3 : r.boxes.Text1[b]) = "1e999";
        const HydroBoxes typed = r.boxes;
        const auto err = ComputeHydrostatics(h, r.state, r.boxes, r.totals);
        ASSERT_TRUE(err);
        EXPECT_EQ(err->english, std::string("Invalid value in ") + boxes[b] + ": \"1e999\"");
        EXPECT_EQ(err->box, boxes[b]);
        // The typed texts stay, commas and all.
        EXPECT_EQ(r.boxes.Text1, typed.Text1);
        EXPECT_EQ(r.boxes.Text3, typed.Text3);
        EXPECT_EQ(r.state.Volume, before.state.Volume);
        EXPECT_EQ(r.state.WaterZ, before.state.WaterZ);
        EXPECT_EQ(r.totals.TotalMass, before.totals.TotalMass);
    }
    const HydroRun huge = compute(h, 0, "1.7e308", "1.7e308", "0");
    ASSERT_TRUE(huge.error);
    EXPECT_EQ(huge.error->english, "Values too large: the computation gives no finite result");
    EXPECT_EQ(huge.error->box, "");
    EXPECT_EQ(huge.state.Volume, 0.0);
    EXPECT_EQ(huge.boxes.Text1, (std::array<std::string, 2>{"1.7e308", "1.7e308"}));
}

TEST(Hydrostatics, ActivationFloatsAHullWithoutMassAtAHundredthOfItsLength) {
    const Hull h = test::ValidatedDefaultHull();
    HydroState s;
    s.PitchAngle = 0.5 * kHydroPi / 180;
    HydroBoxes boxes{{"3", "1"}, "9"};
    MassTotals totals;
    ASSERT_FALSE(ActivateHydro(h, s, boxes, totals));
    EXPECT_EQ(s.HydroMode, 1);
    EXPECT_EQ(s.WaterlineZ, 0.06);
    EXPECT_EQ(boxes.Text1[1], "0.060");
    EXPECT_EQ(boxes.Text3, "0.5");
    EXPECT_EQ(totals.TotalMass, s.Volume * 1000);
    // With a mass, the mode and waterline box stay as they were.
    HydroState s2;
    HydroBoxes boxes2{{"0.8", "0.1"}, ""};
    MassTotals heavy{800, 0};
    ASSERT_FALSE(ActivateHydro(h, s2, boxes2, heavy));
    EXPECT_EQ(s2.HydroMode, 0);
    EXPECT_LT(std::abs(s2.Volume - 0.8), 0.0001);
}

// The messages a window shows beyond the golden hydro texts' (which hold the results text).
TEST(ImmersionTexts, MessagesInTheChosenLanguageAndTheDeckSubmergedIsUnstable) {
    const struct {
        int level, language;
        const char* text;
    } messages[] = {
        {-1, 0, "La quille est hors de l'eau"},
        {3, 1, "WARNING : Chine 3 is immersed !"},
        {4, 1, "WARNING : the upper deck is submerged ! Equilibrium unstable !"},
        {4, 0, "ATTENTION : le pont supérieur est submergé ! Equilibre instable !"},
        {5, 0, "ATTENTION : déplacement trop élevé, le bateau coule !"},
        {5, 7, "WARNING : displacement too high, the boat sink !"},
    };
    for (const auto& m : messages) EXPECT_EQ(ImmersionMessage(m.level, true, m.language), m.text);
}

}  // namespace
}  // namespace voriel
