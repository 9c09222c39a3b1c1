// Tests of the triangle angles, the polar angle and the orientation angle of a developed chord.
#include "develop/triangle_helpers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace voriel {
namespace {

constexpr double kRoundedPi = 3.14159265359;  // 2e-13 from pi: the tolerance below tells them apart

// Right, straight and empty triangles, and sides that do not close: the straight angle goes
// opposite the side that is too long, the tests running a, then b, then c. NaN: not checked.
TEST(TriangleAngles, KnownTrianglesAndSidesThatDoNotClose) {
    const double any = NAN;
    const struct {
        double a, b, c, alpha, beta, gamma;
    } cases[] = {
        {3, 4, 5, std::asin(0.6), std::asin(0.8), M_PI / 2},
        {1, 2, 3, 0, 0, kRoundedPi},
        {0, 0, 0, kRoundedPi / 3, kRoundedPi / 3, kRoundedPi / 3},
        {5, 1, 1, kRoundedPi, any, any},
        {1, 5, 1, any, kRoundedPi, any},
        {1, 1, 5, any, any, kRoundedPi},
        {2, 2, 0, kRoundedPi, any, any},  // two sides equal, third zero
        {0, 0, 1e-320, 0, any, kRoundedPi},
    };
    for (const auto& c : cases) {
        const TriangleAngleSet t = TriangleAngles(c.a, c.b, c.c);
        const double got[] = {t.alpha, t.beta, t.gamma}, want[] = {c.alpha, c.beta, c.gamma};
        for (int k = 0; k < 3; ++k) {
            if (!std::isnan(want[k])) {
                EXPECT_NEAR(got[k], want[k], 1e-14) << c.a << " " << c.b << " " << c.c << " " << k;
            }
        }
    }
    const TriangleAngleSet subnormal = TriangleAngles(1e-320, 1e-320, 2e-320);
    EXPECT_FALSE(std::isnan(subnormal.alpha + subnormal.beta + subnormal.gamma));
}

// The axis directions with the rounded right angles, the zero vector, and every direction of the
// circle compared with atan2 brought into [0, 2 pi).
TEST(PolarAngle, AgreesWithAtan2AllRoundTheCircle) {
    EXPECT_EQ(PolarAngle(1, 1, 1, 3), 1.570796326795);
    EXPECT_EQ(PolarAngle(1, 1, 1, -3), 4.712388980385);
    EXPECT_EQ(PolarAngle(2, 5, 2, 5), 0.0);
    EXPECT_EQ(PolarAngle(0, 0, 4, 0), 0.0);
    EXPECT_NEAR(PolarAngle(0, 0, -4, 0), M_PI, 1e-12);
    for (int i = 0; i < 720; ++i) {
        const double a = i * M_PI / 360 + 0.001;
        const double r = PolarAngle(1, -2, 1 + 3 * std::cos(a), -2 + 3 * std::sin(a));
        const double expected = std::atan2(std::sin(a), std::cos(a));
        EXPECT_NEAR(r, expected < 0 ? expected + 2 * M_PI : expected, 1e-11) << "at " << a;
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 6.28318530718);
    }
}

TEST(OrientationAngle, ChordPerpendicularToXTurnsByARightAngle) {
    EXPECT_EQ(OrientationAngle(2, 0), 1.570796326795);
    EXPECT_EQ(OrientationAngle(-2, 0), -1.570796326795);
    EXPECT_EQ(OrientationAngle(-2, -0.0), -1.570796326795);
    EXPECT_EQ(OrientationAngle(0, 0), 0.0);
    EXPECT_NEAR(OrientationAngle(1, 1), M_PI / 4, 1e-15);
    EXPECT_NEAR(OrientationAngle(1, -1), -M_PI / 4, 1e-15);
}

}  // namespace
}  // namespace voriel
