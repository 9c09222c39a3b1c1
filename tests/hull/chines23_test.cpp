// Chines 2 and 3 and the sheer: half widths, ends, turned-in segments and points.
#include "hull/chines23.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "hull/definition_screens.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

TEST(Chines23, AVerticalPlankKeepsTheHalfWidthOfTheLineBelow) {
    Hull h = test::ValidatedDefaultHull();
    Chines23Screen s = FillChines23Screen(h);
    s.Columns[0][3] = "90";
    ASSERT_FALSE(ValidateChines23Screen(h, s).has_value());
    EXPECT_EQ((std::array{h.YFwd[2], h.YMax[2], h.YAft[2]}),
              (std::array{h.YFwd[1], h.YMax[1], h.YAft[1]}));
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
    EXPECT_GT(h.XFwd[3], h.XFwd[2]);

    ClickTurnIn(h, s2, true, 2, true);
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

TEST(Chines23, RandomHullsStayFiniteWithEveryPointBetweenItsEnds) {
    for (uint32_t seed = 1; seed <= 2000; ++seed) {
        const Hull h = test::RandomHull(seed);
        ASSERT_TRUE(AllFinite(h)) << "seed " << seed;
        for (int i = 2; i <= 4; ++i) {
            for (int p = 1; p <= 81; ++p)
                ASSERT_TRUE(h.LineX[i][p] >= h.XAft[i] && h.LineX[i][p] <= h.XFwd[i])
                    << "seed " << seed << " line " << i << " p " << p;
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
