// The default hull, the new-hull reset, revalidation and the spare slot.
#include "hull/hull.h"

#include <gtest/gtest.h>

#include "hull/chine1.h"
#include "hull/definition_screens.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

LineArray Hull::*const kLineFields[] = {&Hull::XFwd, &Hull::YFwd, &Hull::ZFwd,
                                        &Hull::XMax, &Hull::YMax, &Hull::ZMax,
                                        &Hull::XAft, &Hull::YAft, &Hull::ZAft};

// The record as the start-up sets it, before any validation derives values from it.
TEST(DefaultHull, ExactlyTheListedValuesWithEmptyPoints) {
    Hull h;
    SetDefaultHull(h);
    EXPECT_EQ(h.HullFileName, "VORIEL2000");
    EXPECT_EQ(h.LineColor, (std::array<int32_t, 6>{0, 255, 255 * 65536, 155 * 256,
                                                   128 + 155 * 65536, 128 + 128 * 256}));
    EXPECT_EQ(h.PlankAngle, (std::array<int16_t, 5>{12, 50, 70, 85, 0}));
    EXPECT_EQ(std::vector<int>({h.KeelAdvance, h.StemAngle, h.TransomAngle, h.Language}),
              std::vector<int>({45, 15, -25, 0}));
    EXPECT_EQ(h.StemTurnIn, (std::array<int16_t, 6>{1, 1, 1, 1, -1, 0}));
    EXPECT_EQ(h.TransomTurnIn, (std::array<int16_t, 6>{1, 1, 1, 1, -1, 0}));
    EXPECT_EQ(h.XFwd, (LineArray{6, 6, 6, 6, 6, 0}));
    EXPECT_EQ(h.ZFwd, (LineArray{0, 0.1, 0.3, 0.75, 1.1, 0}));
    EXPECT_EQ(h.ZMax, (LineArray{-0.95 * TanDeg(12), 0, 0.2, 0.6, 1.0, 0}));
    EXPECT_EQ(h.ZAft, (LineArray{0, 0.15, 0.3, 0.7, 1.05, 0}));
    EXPECT_EQ(std::vector<double>({h.XMax[0], h.XMax[1], h.YMax[1], h.YAft[1], h.YFwd[1]}),
              std::vector<double>({3.0 + 0.95 * TanDeg(45), 3, 0.95, 0.7, 0}));
    EXPECT_EQ(std::vector<double>({h.PowerFwd, h.PowerAft, h.ShapeSAft, h.ShapeSFwd}),
              std::vector<double>({2.5, 2.1, 1, 0}));
    EXPECT_EQ(h.PanelDensity, (std::array<double, 12>{12, 12, 12, 12, 12, 12, 0, 0, 0, 12, 12, 0}));
    EXPECT_TRUE(h.LineX == LinePoints{} && h.BottomRulingZ == RulingPoints{});
}

TEST(NewHull, ResetsEverythingAndIsNamedVoriel) {
    Hull h = test::RandomHull(5);
    h.Language = 1;
    h.YMax[3] = 9;
    ResetToNewHull(h);
    Hull fresh;
    SetDefaultHull(fresh);
    EXPECT_EQ(h.HullFileName, "Voriel");
    EXPECT_EQ(h.Language, 1);  // the language belongs to the start window, not to the hull
    EXPECT_TRUE(h.LineX == LinePoints{} && h.LineZ == LinePoints{});
    EXPECT_TRUE(h.BottomRulingY == RulingPoints{});
    for (const auto f : kLineFields)  // the sheer's derived values wait for the next validation
        for (int i = 0; i <= 3; ++i) EXPECT_EQ((h.*f)[i], (fresh.*f)[i]);
}

// Validating a random hull's screens again shows the same boxes (they are a fixed point of the
// read-back), and the geometry never writes the spare slot.
TEST(Revalidation, ShowsTheSameBoxesAndNeverWritesTheSpareSlot) {
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE(seed);
        Hull h = test::RandomHull(seed);
        for (const auto f : kLineFields) (h.*f)[Spare] = 1234.5;
        h.LineX[Spare].fill(-7);
        const Hull once = h;
        Chine1Screen s1 = FillChine1Screen(h);
        ASSERT_FALSE(ValidateChine1Screen(h, s1).has_value());
        EXPECT_EQ(FillChine1Screen(h).Text1, FillChine1Screen(once).Text1);
        EXPECT_EQ(FillChine1Screen(h).Text2, FillChine1Screen(once).Text2);
        EXPECT_EQ(h.MaxBeamIndex, once.MaxBeamIndex);
        Chines23Screen s2 = FillChines23Screen(h);
        ASSERT_FALSE(ValidateChines23Screen(h, s2).has_value());
        for (const auto f : kLineFields) EXPECT_EQ((h.*f)[Spare], 1234.5);
        for (const double v : h.LineX[Spare]) EXPECT_EQ(v, -7);
    }
}

}  // namespace
}  // namespace voriel
