// Chines 2 and 3 and the sheer: plank angles, heights, ends, turned-in segments, points.
#include "hull/chines23.h"

#include <gtest/gtest.h>

#include <cmath>

#include "hull/chine1.h"
#include "hull/definition_screens.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

// The validated default hull with some boxes of the chines-2/3 screen replaced (column, row).
Hull withChines23Entries(std::initializer_list<std::tuple<int, int, const char*>> boxes,
                         const char* halfWidthForward = nullptr) {
    Hull h;
    SetDefaultHull(h);
    Chine1Screen s1 = FillChine1Screen(h);
    if (halfWidthForward) s1.Text1[3] = halfWidthForward;
    EXPECT_FALSE(ValidateChine1Screen(h, s1).has_value());
    Chines23Screen s2 = FillChines23Screen(h);
    for (const auto& [c, r, t] : boxes) s2.Columns[c][r] = t;
    EXPECT_FALSE(ValidateChines23Screen(h, s2).has_value());
    return h;
}

TEST(Chines23, DefaultHalfWidthsRiseAlongThePlanks) {
    const Hull h = test::ValidatedDefaultHull();
    EXPECT_EQ(h.YFwd[2], h.YFwd[1] + (0.3 - 0.1) * TanDeg(40));
    EXPECT_NEAR(h.YFwd[2], 0.2 * std::tan(40 * M_PI / 180), 1e-12);
    EXPECT_EQ(h.YMax[3], h.YMax[2] + (0.6 - 0.2) * TanDeg(20));
    EXPECT_EQ(h.YAft[4], h.YAft[3] + (1.05 - 0.7) * TanDeg(5));
}

TEST(Chines23, PlankAnglesAreKeptInOrder) {
    Hull h = withChines23Entries({{0, 3, "10"}});
    EXPECT_EQ(h.PlankAngle[1], 17);  // deadrise 12 + 5
    h = withChines23Entries({{0, 3, "60"}, {1, 3, "40"}, {2, 3, "-200"}});
    EXPECT_EQ(h.PlankAngle[2], 60);
    EXPECT_EQ(h.PlankAngle[3], 170);
    h = withChines23Entries({{0, 3, "95"}});
    EXPECT_EQ(h.PlankAngle[1], 90);
    h = withChines23Entries({{0, 3, "1e30"}, {1, 3, "1e30"}});
    EXPECT_EQ(h.PlankAngle[1], 90);
    EXPECT_EQ(h.PlankAngle[2], 170);
}

TEST(Chines23, AVerticalPlankKeepsTheHalfWidthOfTheLineBelow) {
    const Hull h = withChines23Entries({{0, 3, "90"}});
    EXPECT_EQ(h.YFwd[2], h.YFwd[1]);
    EXPECT_EQ(h.YMax[2], h.YMax[1]);
    EXPECT_EQ(h.YAft[2], h.YAft[1]);
}

TEST(Chines23, HeightsBelowTheLineUnderneathAreRaised) {
    const Hull h = withChines23Entries({{0, 0, "0.05"}, {0, 1, "-1"}, {1, 2, "0.1"}});
    EXPECT_EQ(h.ZFwd[2], h.ZFwd[1]);
    EXPECT_EQ(h.ZMax[2], 0.0);
    EXPECT_EQ(h.ZAft[3], h.ZAft[2]);
}

TEST(Chines23, TurnedInStemLeansBackButNeverAftOfTheForefoot) {
    Hull h;
    SetDefaultHull(h);
    Chine1Screen s1 = FillChine1Screen(h);
    s1.Text1[3] = "0.3";  // a pram bow: the stem segments pivot on the line below
    ASSERT_FALSE(ValidateChine1Screen(h, s1).has_value());
    ASSERT_GT(h.StemAngle, 0);
    Chines23Screen s2 = FillChines23Screen(h);
    ASSERT_FALSE(ValidateChines23Screen(h, s2).has_value());
    const double normalChine3 = h.XFwd[3];
    EXPECT_GT(normalChine3, h.XFwd[2]);

    ClickTurnIn(h, s2, true, 2, true);
    EXPECT_EQ(h.StemTurnIn[2], -1);
    EXPECT_EQ(h.StemTurnIn[3], -1);
    ASSERT_FALSE(ValidateChines23Screen(h, s2).has_value());
    EXPECT_LT(h.XFwd[3], h.XFwd[2]);
    EXPECT_GE(h.XFwd[3], h.XFwd[0]);
    EXPECT_GE(h.XFwd[4], h.XFwd[0]);
}

TEST(Chines23, SecantZero) {
    EXPECT_EQ(SecantZero(1, 2, 3, 4, 0), -1);
    EXPECT_EQ(SecantZero(1, 2, 1, 4, 0), 1);  // same X: the mean
    EXPECT_EQ(SecantZero(1, 2, 3, 2, 0), 2);  // same Y: the mean
    EXPECT_EQ(SecantZero(0, -1, 2, 1, 0.5), 1.5);
}

TEST(Chines23, PointedForefootEndsAreOnTheCentreline) {
    const Hull h = test::ValidatedDefaultHull();
    for (int i = 2; i <= 4; ++i) EXPECT_NEAR(h.LineY[i][82], 0.0, 1e-9) << i;
}

TEST(Chines23, RandomHullsStayFiniteWithEveryPointBetweenItsEnds) {
    for (uint32_t seed = 1; seed <= 2000; ++seed) {
        const Hull h = test::RandomHull(seed);
        ASSERT_TRUE(AllFinite(h)) << "seed " << seed;
        for (int i = 2; i <= 4; ++i) {
            for (int p = 1; p <= 81; ++p) {
                ASSERT_GE(h.LineX[i][p], h.XAft[i])
                    << "seed " << seed << " line " << i << " p " << p;
                ASSERT_LE(h.LineX[i][p], h.XFwd[i])
                    << "seed " << seed << " line " << i << " p " << p;
            }
            // Each line lies on its height plane.
            for (int p = 0; p <= 82; p += 9) {
                const double plane =
                    h.PlaneZ0[i] + h.PlaneZX[i] * h.LineX[i][p] + h.PlaneZY[i] * h.LineY[i][p];
                ASSERT_NEAR(h.LineZ[i][p], plane, 1e-9 * (1 + std::fabs(plane))) << "seed " << seed;
            }
        }
        ASSERT_GE(h.PlankAngle[1], h.PlankAngle[0] + 5);
        ASSERT_GE(h.PlankAngle[2], h.PlankAngle[1]);
        ASSERT_GE(h.PlankAngle[3], h.PlankAngle[2]);
    }
}

}  // namespace
}  // namespace voriel
