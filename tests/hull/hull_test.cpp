// The default hull, the new-hull reset and the spare slot.
#include "hull/hull.h"

#include <gtest/gtest.h>

#include "hull/chine1.h"
#include "hull/definition_screens.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

bool allZero(const LinePoints& pts) {
    for (const auto& line : pts)
        for (const double v : line)
            if (v != 0) return false;
    return true;
}

bool allZero(const RulingPoints& pts) {
    for (const auto& row : pts)
        for (const double v : row)
            if (v != 0) return false;
    return true;
}

TEST(DefaultHull, ExactlyTheListedValuesWithEmptyPoints) {
    Hull h;
    SetDefaultHull(h);
    EXPECT_EQ(h.HullFileName, "VORIEL2000");
    EXPECT_EQ(h.LineColor, (std::array<int32_t, 6>{0, 255, 255 * 65536, 155 * 256,
                                                   128 + 155 * 65536, 128 + 128 * 256}));
    EXPECT_EQ(h.KeelAdvance, 45);
    EXPECT_EQ(h.PlankAngle, (std::array<int16_t, 5>{12, 50, 70, 85, 0}));
    EXPECT_EQ(h.StemAngle, 15);
    EXPECT_EQ(h.TransomAngle, -25);
    EXPECT_EQ(h.StemTurnIn, (std::array<int16_t, 6>{1, 1, 1, 1, -1, 0}));
    EXPECT_EQ(h.TransomTurnIn, (std::array<int16_t, 6>{1, 1, 1, 1, -1, 0}));
    EXPECT_EQ(h.XFwd, (LineArray{6, 6, 6, 6, 6, 0}));
    EXPECT_EQ(h.ZFwd, (LineArray{0, 0.1, 0.3, 0.75, 1.1, 0}));
    EXPECT_EQ(h.ZMax, (LineArray{-0.95 * TanDeg(12), 0, 0.2, 0.6, 1.0, 0}));
    EXPECT_EQ(h.ZAft, (LineArray{0, 0.15, 0.3, 0.7, 1.05, 0}));
    EXPECT_EQ(h.XMax[0], 3.0 + 0.95 * TanDeg(45));
    EXPECT_EQ(h.XMax[1], 3.0);
    EXPECT_EQ(h.YMax[1], 0.95);
    EXPECT_EQ(h.YAft[1], 0.7);
    EXPECT_EQ(h.YFwd[1], 0.0);
    EXPECT_EQ(h.PowerFwd, 2.5);
    EXPECT_EQ(h.PowerAft, 2.1);
    EXPECT_EQ(h.ShapeSAft, 1.0);
    EXPECT_EQ(h.ShapeSFwd, 0.0);
    EXPECT_EQ(h.PanelDensity, (std::array<double, 12>{12, 12, 12, 12, 12, 12, 0, 0, 0, 12, 12, 0}));
    EXPECT_EQ(h.Language, 0);
    EXPECT_TRUE(allZero(h.LineX) && allZero(h.LineY) && allZero(h.LineZ));
    EXPECT_TRUE(allZero(h.BottomRulingX) && allZero(h.BottomRulingY) && allZero(h.BottomRulingZ));
}

TEST(DefaultHull, TanDegUsesTheProgramsPi) {
    EXPECT_EQ(TanDeg(45), std::tan(45 * 3.14159265359 / 180));
    EXPECT_NE(TanDeg(45), 1.0);
    EXPECT_EQ(TanDeg(0), 0.0);
}

TEST(NewHull, ResetsEverythingAndIsNamedVoriel) {
    Hull h = test::RandomHull(5);
    h.Language = 1;
    h.YMax[3] = 9;
    ResetToNewHull(h);
    Hull fresh;
    SetDefaultHull(fresh);
    EXPECT_EQ(h.HullFileName, "Voriel");
    EXPECT_TRUE(allZero(h.LineX) && allZero(h.LineZ) && allZero(h.BottomRulingY));
    for (int i = 0; i <= 3; ++i) {  // the sheer's derived values wait for the next validation
        EXPECT_EQ(h.YMax[i], fresh.YMax[i]);
        EXPECT_EQ(h.YAft[i], fresh.YAft[i]);
        EXPECT_EQ(h.XAft[i], fresh.XAft[i]);
    }
    EXPECT_EQ(h.XFwd, fresh.XFwd);
    EXPECT_EQ(h.ZAft, fresh.ZAft);
    EXPECT_EQ(h.Language, 1);  // the language belongs to the start window, not to the hull
}

TEST(SpareSlot, NeverWrittenByTheGeometry) {
    for (uint32_t seed = 1; seed <= 50; ++seed) {
        Hull h = test::RandomHull(seed);
        for (auto* a :
             {&h.XFwd, &h.YFwd, &h.ZFwd, &h.XMax, &h.YMax, &h.ZMax, &h.XAft, &h.YAft, &h.ZAft})
            (*a)[Spare] = 1234.5;
        h.LineX[Spare].fill(-7);
        Chine1Screen s1 = FillChine1Screen(h);
        ASSERT_FALSE(ValidateChine1Screen(h, s1).has_value());
        Chines23Screen s2 = FillChines23Screen(h);
        ASSERT_FALSE(ValidateChines23Screen(h, s2).has_value());
        for (auto* a :
             {&h.XFwd, &h.YFwd, &h.ZFwd, &h.XMax, &h.YMax, &h.ZMax, &h.XAft, &h.YAft, &h.ZAft})
            EXPECT_EQ((*a)[Spare], 1234.5);
        for (const double v : h.LineX[Spare]) EXPECT_EQ(v, -7);
    }
}

}  // namespace
}  // namespace voriel
