// Tests of the triangle angles, the polar angle and the orientation angle of a developed chord.
#include "develop/triangle_helpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace voriel {
namespace {

constexpr double kRoundedPi = 3.14159265359;

TEST(TriangleAngles, RightAndStraightAndEmptyTriangles) {
    const TriangleAngleSet right = TriangleAngles(3, 4, 5);
    EXPECT_NEAR(right.alpha + right.beta + right.gamma, M_PI, 1e-12);
    EXPECT_NEAR(right.gamma, M_PI / 2, 1e-12);
    EXPECT_NEAR(right.alpha, std::asin(0.6), 1e-12);

    const TriangleAngleSet flat = TriangleAngles(1, 2, 3);
    EXPECT_EQ(flat.gamma, kRoundedPi);
    EXPECT_EQ(flat.alpha, 0.0);
    EXPECT_EQ(flat.beta, 0.0);

    const TriangleAngleSet none = TriangleAngles(0, 0, 0);
    EXPECT_EQ(none.alpha, kRoundedPi / 3);
    EXPECT_EQ(none.beta, kRoundedPi / 3);
    EXPECT_EQ(none.gamma, kRoundedPi / 3);
}

// Sides that do not close: the straight angle goes opposite the side that is too long, and the
// tests run a, then b, then c.
TEST(TriangleAngles, SidesThatDoNotCloseGiveTheStraightAngleOppositeTheLongSide) {
    EXPECT_EQ(TriangleAngles(5, 1, 1).alpha, kRoundedPi);
    EXPECT_EQ(TriangleAngles(1, 5, 1).beta, kRoundedPi);
    EXPECT_EQ(TriangleAngles(1, 1, 5).gamma, kRoundedPi);
    EXPECT_EQ(TriangleAngles(2, 2, 0).alpha, kRoundedPi);  // two sides equal, third zero
    const TriangleAngleSet tiny = TriangleAngles(0, 0, 1e-320);
    EXPECT_EQ(tiny.gamma, kRoundedPi);
    EXPECT_EQ(tiny.alpha, 0.0);
    const TriangleAngleSet subnormal = TriangleAngles(1e-320, 1e-320, 2e-320);
    EXPECT_FALSE(std::isnan(subnormal.alpha + subnormal.beta + subnormal.gamma));
}

// Over many triangles the half-angle formula agrees with the law of cosines.
TEST(TriangleAngles, AgreeWithTheLawOfCosines) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> u(0.01, 10.0);
    int checked = 0;
    for (int i = 0; i < 5000; ++i) {
        const double a = u(rng), b = u(rng), c = u(rng);
        const double s = (a + b + c) / 2;
        if (s - a < 1e-3 * s || s - b < 1e-3 * s || s - c < 1e-3 * s) continue;
        const TriangleAngleSet t = TriangleAngles(a, b, c);
        EXPECT_NEAR(t.alpha, std::acos((b * b + c * c - a * a) / (2 * b * c)), 1e-9);
        EXPECT_NEAR(t.beta, std::acos((a * a + c * c - b * b) / (2 * a * c)), 1e-9);
        EXPECT_NEAR(t.gamma, std::acos((a * a + b * b - c * c) / (2 * a * b)), 1e-9);
        ++checked;
    }
    EXPECT_GT(checked, 1000);
}

TEST(PolarAngle, AxisDirectionsAndTheZeroVector) {
    EXPECT_EQ(PolarAngle(1, 1, 1, 3), 1.570796326795);
    EXPECT_EQ(PolarAngle(1, 1, 1, -3), 4.712388980385);
    EXPECT_EQ(PolarAngle(2, 5, 2, 5), 0.0);
    EXPECT_EQ(PolarAngle(0, 0, 4, 0), 0.0);
    EXPECT_NEAR(PolarAngle(0, 0, -4, 0), M_PI, 1e-12);
}

// Every direction of the circle, compared with atan2 brought into [0, 2 pi).
TEST(PolarAngle, AgreesWithAtan2AllRoundTheCircle) {
    for (int i = 0; i < 720; ++i) {
        const double a = i * M_PI / 360 + 0.001;
        const double x = 3 * std::cos(a), y = 3 * std::sin(a);
        const double r = PolarAngle(1, -2, 1 + x, -2 + y);
        double expected = std::atan2(y, x);
        if (expected < 0) expected += 2 * M_PI;
        EXPECT_NEAR(r, expected, 1e-11) << "at " << a;
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
