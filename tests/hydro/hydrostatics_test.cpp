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
    r.boxes.Text1 = {displacement, waterline};
    r.boxes.Text3 = pitch;
    r.totals.MassCentreX = massCentreX;
    r.error = ComputeHydrostatics(h, r.state, r.boxes, r.totals);
    return r;
}

double lowestKeel(const Hull& h) {
    return *std::min_element(h.LineZ[Keel].begin(), h.LineZ[Keel].end());
}
// Lowest sheer point over the stations (the ends of a raked stem or transom may dip lower).
double lowestSheer(const Hull& h) {
    return *std::min_element(h.LineZ[Sheer].begin() + 1, h.LineZ[Sheer].end() - 1);
}
double highestPoint(const Hull& h) {
    double top = h.LineZ[0][0];
    for (const auto& line : h.LineZ)
        top = std::max(top, *std::max_element(line.begin(), line.end()));
    return top;
}

void expectFinite(const HydroState& s, const std::string& where) {
    std::vector<double> all{s.PitchAngle, s.Displacement, s.BuoyancyX,  s.BuoyancyY,
                            s.BuoyancyZ,  s.Volume,       s.WaterlineZ, s.WaterplaneArea};
    for (const StationValues* a : {&s.WaterZ, &s.WaterHalfBreadth, &s.SectionArea, &s.SectionX,
                                   &s.SectionYc, &s.SectionZc, &s.WaterX})
        all.insert(all.end(), a->begin(), a->end());
    for (double v : all) ASSERT_TRUE(std::isfinite(v)) << where;
    ASSERT_TRUE(s.ImmersionLevel >= -1 && s.ImmersionLevel <= 5) << where;
}

// 1.5 degrees over 8.2 m keeps the whole waterline between chines 2 and 3, where the section area
// grows linearly with height: the volume is the length times the mean section.
TEST(WaterlineMode, PrismFloatsAsItsSectionTimesItsLengthPitchedOrNot) {
    const struct {
        double z, pitch, halfBreadth;
        int16_t level;
    } cases[] = {
        {0.25, 0.0, 0.5, 0}, {0.75, 0.0, 1.1, 1}, {1.25, 0.0, 1.2, 2},
        {1.75, 0.0, 1.1, 3}, {1.10, 1.5, 1.2, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.z);
        const HydroRun r = compute(test::PrismHull(), 1, "", Str(c.z), Str(c.pitch));
        ASSERT_FALSE(r.error);
        const double slope = std::tan(c.pitch * kHydroPi / 180);
        EXPECT_NEAR(r.state.PitchAngle, c.pitch * kHydroPi / 180, 1e-15);
        EXPECT_NEAR(r.state.Volume, prismArea(c.z + slope * kLen / 2) * kLen, 1e-12);
        EXPECT_NEAR(r.state.WaterplaneArea, 2 * c.halfBreadth * kLen, 1e-12);
        // The deeper bow carries more.
        EXPECT_TRUE(c.pitch > 0 ? r.state.BuoyancyX > kLen / 2
                                : std::abs(r.state.BuoyancyX - kLen / 2) < 1e-12);
        EXPECT_EQ(r.state.BuoyancyY, 0.0);
        EXPECT_TRUE(r.state.BuoyancyZ > 0.0 && r.state.BuoyancyZ < c.z);
        EXPECT_EQ(r.state.ImmersionLevel, c.level);
        EXPECT_DOUBLE_EQ(r.totals.TotalMass, r.state.Volume * 1000);
        EXPECT_EQ(r.boxes.Text1[0], Format(r.state.Volume, "0.000"));
        EXPECT_EQ(r.boxes.Text1[1], Format(c.z, "0.000"));
        EXPECT_EQ(r.boxes.Text3, Format(c.pitch, "0.0"));
        for (int i = 0; i < kPointCount; ++i) {
            EXPECT_NEAR(r.state.WaterZ[i], c.z + slope * i * test::kPrismStep, 1e-12);
            EXPECT_NEAR(r.state.WaterHalfBreadth[i], c.halfBreadth, 1e-12);
        }
    }
}

TEST(WaterlineMode, ClearOfTheWaterNothingFloatsAndUnderTheSheerTheBoatSinks) {
    const Hull h = test::ValidatedDefaultHull();
    const HydroRun dry = compute(h, 1, "", Str(lowestKeel(h) - 0.01), "0");
    ASSERT_FALSE(dry.error);
    EXPECT_EQ(dry.state.ImmersionLevel, -1);
    for (double v :
         {dry.state.Volume, dry.state.BuoyancyX, dry.state.BuoyancyZ, dry.totals.TotalMass})
        EXPECT_EQ(v, 0.0);
    EXPECT_EQ(ImmersionMessage(-1, false, 0), "La quille est hors de l'eau");
    EXPECT_EQ(HydroResultsText(dry.state, 1), "  ");
    const HydroRun sunk = compute(test::PrismHull(), 1, "", "2", "0");
    EXPECT_EQ(sunk.state.ImmersionLevel, 5);
    EXPECT_EQ(sunk.state.WaterplaneArea, 0.0);
    EXPECT_NEAR(sunk.state.Volume, prismArea(2.0) * kLen, 1e-12);
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

TEST(DisplacementMode, ZeroDisplacementLeavesAtMostATraceImmersed) {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        const Hull h = seed == 1 ? test::ValidatedDefaultHull() : test::RandomHull(seed);
        const HydroRun r = compute(h, 0, "0", Format(h.XFwd[0] / 100, "0.000"), "0");
        ASSERT_FALSE(r.error);
        EXPECT_LT(r.state.Volume, 0.0001) << seed;
        // Clear of the water exactly when nothing is immersed.
        EXPECT_EQ(r.state.ImmersionLevel == -1, r.state.Volume == 0.0) << seed;
    }
}

// Floating a hull at a height and then asking for the volume found gives back the height, from
// the window's usual start at a hundredth of the length as from a start a metre below the keel or
// above the highest point (the first steps then find no waterplane at all: neither means the boat
// sinks or flies). Ten times the greatest volume sinks it.
TEST(DisplacementMode, RandomHullsRoundTripWithinAMillimetreAndSinkWhenPressedFarDown) {
    std::mt19937 rng(7);
    for (uint32_t seed = 1; seed <= 120; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Hull h = test::RandomHull(seed);
        const double lo = lowestKeel(h), hi = lowestSheer(h);
        const double z = lo + (hi - lo) * std::uniform_real_distribution<double>(0.2, 0.8)(rng);
        const HydroRun wet = compute(h, 1, "", Str(z), "0");
        ASSERT_FALSE(wet.error);
        ASSERT_GE(wet.state.ImmersionLevel, 0);
        ASSERT_LE(wet.state.ImmersionLevel, 3);
        for (const double start : {h.XFwd[0] / 100, lo - 1, highestPoint(h) + 1}) {
            const HydroRun back = compute(h, 0, Str(wet.state.Volume), Str(start), "0");
            ASSERT_FALSE(back.error);
            EXPECT_NEAR(back.state.WaterlineZ, z, 0.001) << "from " << start;
            EXPECT_EQ(back.state.ImmersionLevel, wet.state.ImmersionLevel);
            EXPECT_EQ(back.state.Displacement, Val(Str(wet.state.Volume)));
            EXPECT_EQ(back.state.PitchAngle, 0.0);  // no centre of gravity: no trim
            // From the usual start the search settles well within its 30 steps.
            EXPECT_FALSE(start == h.XFwd[0] / 100 && back.state.Unstable);
        }
        if (seed > 60) continue;
        const HydroRun full = compute(h, 1, "", Str(highestPoint(h) + 1), "0");
        const HydroRun r = compute(h, 0, Str(10 * full.state.Volume), "0", "0");
        ASSERT_FALSE(r.error);
        EXPECT_EQ(r.state.ImmersionLevel, 5);
        EXPECT_EQ(ImmersionMessage(r.state.ImmersionLevel, r.state.Unstable, 0),
                  "ATTENTION : déplacement trop élevé, le bateau coule !");
        EXPECT_EQ(HydroResultsText(r.state, 0), "  ");
    }
}

// Whatever a builder types within reason, every number of the result is finite.
TEST(Hydrostatics, RandomHullsAndEntriesGiveFiniteResults) {
    std::mt19937 rng(11);
    const auto u = [&rng](double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(rng);
    };
    for (uint32_t seed = 1; seed <= 120; ++seed) {
        const Hull h = test::RandomHull(seed);
        const HydroRun full = compute(h, 1, "", Str(highestPoint(h) + 1), "0");
        for (int trial = 0; trial < 4; ++trial) {
            const double g = trial < 2 ? u(0, h.XFwd[1]) : 0.0;
            const HydroRun r = compute(h, trial % 2, Str(u(0, 1.5) * full.state.Volume),
                                       Str(u(-0.2, 1.2) * highestPoint(h)), Str(u(-10, 10)), g);
            ASSERT_FALSE(r.error);
            expectFinite(r.state, "seed " + std::to_string(seed));
            EXPECT_TRUE(std::isfinite(r.totals.TotalMass));
        }
    }
    // Before its lines are computed a hull has no volume at all: whatever it must carry sinks it.
    for (int16_t mode : {0, 1}) {
        const HydroRun r = compute(Hull{}, mode, "1", "0.1", "0", 2.0);
        ASSERT_FALSE(r.error);
        expectFinite(r.state, "empty hull");
        EXPECT_EQ(r.state.Volume, 0.0);
        EXPECT_EQ(r.state.ImmersionLevel, 5);
    }
}

TEST(Hydrostatics, EntryThatIsNotAFiniteNumberIsRefusedAndNothingChanges) {
    const Hull h = test::ValidatedDefaultHull();
    HydroRun r = compute(h, 1, "", "0.1", "0");
    const HydroRun before = r;
    const char* const boxes[] = {"Text1(0)", "Text1(1)", "Text3(0)"};
    for (int b = 0; b < 3; ++b) {
        HydroBoxes typed{{"1", "0,1"}, "0"};
        (b == 2 ? typed.Text3 : typed.Text1[b]) = "1e999";
        HydroBoxes shown = typed;
        const auto err = ComputeHydrostatics(h, r.state, shown, r.totals);
        ASSERT_TRUE(err);
        EXPECT_EQ(err->box, boxes[b]);
        EXPECT_EQ(err->english, std::string("Invalid value in ") + boxes[b] + ": \"1e999\"");
        EXPECT_EQ(shown.Text1, typed.Text1);  // the typed texts stay, commas and all
        EXPECT_EQ(shown.Text3, typed.Text3);
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

TEST(ImmersionTexts, ResultsInTheChosenLanguageAndTheDeckSubmergedIsUnstable) {
    HydroState s;
    s.ImmersionLevel = 2;
    s.WaterplaneArea = 9.6884;
    s.BuoyancyX = 3.0245;
    s.BuoyancyZ = -0.0004;
    EXPECT_EQ(HydroResultsText(s, 0),
              "Surface du plan de flottaison  = 9.688 m2\nCentre de déplacement :\nX= 3.025 m\n"
              "Y= 0.000 m\nZ= 0.000 m");
    EXPECT_EQ(HydroResultsText(s, 1),
              "Waterline plane area  = 9.688 m2\nCentre of displacement :\nX= 3.025 m\n"
              "Y= 0.000 m\nZ= 0.000 m");
    const struct {
        int level, language;
        const char* text;
    } messages[] = {
        {4, 1, "WARNING : the upper deck is submerged ! Equilibrium unstable !"},
        {4, 0, "ATTENTION : le pont supérieur est submergé ! Equilibre instable !"},
        {3, 1, "WARNING : Chine 3 is immersed !"},
        {5, 7, "WARNING : displacement too high, the boat sink !"},
    };
    for (const auto& m : messages) EXPECT_EQ(ImmersionMessage(m.level, true, m.language), m.text);
}

}  // namespace
}  // namespace voriel
