// Tests of the plate development (kept side lengths, placement on the axes, known flat shapes)
// and of its helpers: the triangle angles, the polar angle and the orientation angle of a chord.
#include "develop/plate_development.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "develop/panel_development.h"
#include "develop/triangle_helpers.h"
#include "hull/definition_screens.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

struct P3 {
    double x, y, z;
};
using Edge = std::function<P3(int)>;

double Dist(const P3& a, const P3& b) {
    return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
}

// Every triangle of the strip (L0 L1 U1 and U0 L1 U1 at the aft end, then L(j) U(j) L(j+1) and
// L(j+1) U(j) U(j+1) per quadrilateral) has the flat side lengths of its 3-D sides, relative error
// under 1e-9; a side shorter than a thousandth of `scale` is held to 1e-12 * scale. Each side is
// checked once: the triangles are fixed by their sides.
void ExpectTrianglesKeepTheirSides(const Development& d, const Edge& L, const Edge& U, double scale,
                                   const std::string& what) {
    const auto point = [&](bool upper, bool flat, int j) {
        if (flat) return upper ? P3{d.DevXs[j], d.DevYs[j], 0} : P3{d.DevXi[j], d.DevYi[j], 0};
        return upper ? U(j) : L(j);
    };
    // Sides (upper?, point) to (upper?, point): the aft end's, then those of quadrilateral j.
    using Sides = std::vector<std::array<int, 4>>;
    const Sides aft = {{0, 1, 1, 1}, {0, 0, 0, 1}, {0, 0, 1, 1}, {1, 0, 0, 1}, {1, 0, 1, 1}};
    const Sides quad = {{1, 0, 0, 1}, {0, 0, 0, 1}, {1, 0, 1, 1}, {0, 1, 1, 1}};
    int failures = 0;
    for (int j = 0; j < d.last; ++j) {
        for (const auto& s : j == 0 ? aft : quad) {
            const int a = j + s[1], b = j + s[3];
            const double t = Dist(point(s[0], false, a), point(s[2], false, b));
            const double f = Dist(point(s[0], true, a), point(s[2], true, b));
            if (std::fabs(f - t) > 1e-9 * std::max(t, 1e-3 * scale) && failures++ < 3)
                ADD_FAILURE() << what << ": side " << a << "-" << b << ", flat " << f;
        }
    }
}

void ExpectOnBothAxesAndFinite(const Development& d, const std::string& what) {
    double minX = HUGE_VAL, minY = HUGE_VAL;
    for (int j = 0; j <= d.last; ++j) {
        for (double v : {d.DevXi[j], d.DevYi[j], d.DevXs[j], d.DevYs[j]})
            ASSERT_TRUE(std::isfinite(v)) << what << " point " << j;
        minX = std::min({minX, d.DevXi[j], d.DevXs[j]});
        minY = std::min({minY, d.DevYi[j], d.DevYs[j]});
    }
    EXPECT_EQ(std::make_pair(minX, minY), std::make_pair(0.0, 0.0)) << what;
}

template <class Points>
Edge Line(const Points& x, const Points& y, const Points& z, int line) {
    return [&x, &y, &z, line](int j) { return P3{x[line][j], y[line][j], z[line][j]}; };
}

// The bottom and the three planks of thousands of hulls a builder could enter keep their
// triangles and lie on the axes; on the first 300 each reference chord lies along X.
TEST(DevelopPlate, EveryTriangleKeepsItsSidesOnRandomHulls) {
    for (uint32_t seed = 1; seed <= 2500; ++seed) {
        const Hull h = test::RandomHull(seed);
        const std::string s = "seed " + std::to_string(seed);
        for (int k = 0; k <= 3; ++k) {
            const Development d = DevelopPanel(h, static_cast<Panel>(k));
            ASSERT_EQ(d.last, k == 0 ? 83 : 82);
            const std::string what = s + " panel " + std::to_string(k);
            ExpectOnBothAxesAndFinite(d, what);
            const auto& [x, y, z] = std::tie(h.BottomRulingX, h.BottomRulingY, h.BottomRulingZ);
            ExpectTrianglesKeepTheirSides(
                d, k == 0 ? Line(x, y, z, 0) : Line(h.LineX, h.LineY, h.LineZ, k),
                k == 0 ? Line(x, y, z, 1) : Line(h.LineX, h.LineY, h.LineZ, k + 1), h.XFwd[0],
                what);
            if (seed > 300) continue;
            // The bottom's chord joins the points two either side of the max beam, a plank's its
            // lower (plank 1) or upper edge's ends.
            const int a = k == 0 ? h.MaxBeamIndex - 2 : 0, b = k == 0 ? h.MaxBeamIndex + 2 : 82;
            const auto& Y = k <= 1 ? d.DevYi : d.DevYs;
            EXPECT_NEAR(Y[a], Y[b], 1e-9 * h.XFwd[0]) << what;
            EXPECT_TRUE(k != 0 || d.DevXi[a] < d.DevXi[b]) << what;
        }
        if (HasFailure()) break;
    }
}

// Lines n and n + 1 of a synthetic point set: point j at origin + j*step*u (+ width*v above).
struct Strip {
    LinePoints X{}, Y{}, Z{};
    Edge line(int n) const { return Line(X, Y, Z, n); }
};

Strip ParallelStrip(int n, double step, double width) {
    const double u[] = {0.8, 0.36, -0.48}, v[] = {0.0, 0.8, 0.6};  // unit vectors square
    const double origin[] = {1.5, -0.7, 0.2};
    Strip s;
    LinePoints* axes[] = {&s.X, &s.Y, &s.Z};
    for (int c = 0; c < 3; ++c) {
        for (int j = 0; j < kPointCount; ++j) {
            (*axes[c])[n][j] = origin[c] + j * step * u[c];
            (*axes[c])[n + 1][j] = (*axes[c])[n][j] + width * v[c];
        }
    }
    return s;
}

// A plank between parallel, equally spaced lines is a rectangle; where chine 2 touches chine 1 at
// a station (exactly, or within rounding) the rung there has no direction of its own, and the
// plank must not turn about the touching point.
TEST(DevelopPlate, PlankBetweenParallelLinesIsARectangleEvenWhereTheyTouch) {
    const struct {
        int n;
        double width, gap, tol;  // gap: chine 2 less chine 1 at stations 12 and 40; NaN: apart
    } cases[] = {{1, 0.31, NAN, 1e-12}, {2, 0.31, NAN, 1e-12}, {3, 0.31, NAN, 1e-12},
                 {1, 0.3, 0.0, 1e-9},   {1, 0.3, 1e-15, 1e-9}, {1, 0.3, 3e-12, 1e-9}};
    for (const auto& c : cases) {
        SCOPED_TRACE("n " + std::to_string(c.n) + " gap " + std::to_string(c.gap));
        Strip s = ParallelStrip(c.n, 0.075, c.width);
        const bool touching = !std::isnan(c.gap);
        for (const int j : {12, 40})
            if (touching)
                s.X[2][j] = s.X[1][j], s.Y[2][j] = s.Y[1][j] + c.gap, s.Z[2][j] = s.Z[1][j];
        const Development d = DevelopPlate(80, static_cast<int16_t>(c.n), s.X, s.Z, s.Y, 40);
        ASSERT_EQ(d.last, 82);
        for (int j = 0; j <= 82; ++j) {
            EXPECT_LT(std::hypot(d.DevXi[j] - j * 0.075, d.DevYi[j]), c.tol) << j;
            const bool lying = touching && (j == 12 || j == 40);  // on the lower edge's point
            EXPECT_TRUE(lying || std::hypot(d.DevXs[j] - j * 0.075, d.DevYs[j] - c.width) < c.tol)
                << j;
        }
    }
}

// Degenerate strips keep their sides: an upper line shrunk to one point (no upper chord: the
// plank is not turned, a fan), a triangle within a millionth of not closing, and lines whose aft
// ends coincide with their first stations (the flat point repeats its neighbour).
TEST(DevelopPlate, DegenerateStripsKeepTheirSides) {
    Strip fan = ParallelStrip(2, 0.05, 0.3);
    for (int j = 0; j < kPointCount; ++j) fan.X[3][j] = 3.0, fan.Y[3][j] = 0.9, fan.Z[3][j] = 1.1;
    const Development d = DevelopPlate(80, 2, fan.X, fan.Y, fan.Z, 40);
    ExpectOnBothAxesAndFinite(d, "fan");
    ExpectTrianglesKeepTheirSides(d, fan.line(2), fan.line(3), 4.0, "fan");
    for (int j = 1; j <= 82; ++j) EXPECT_EQ(d.DevXs[j], d.DevXs[0]);

    // Chine 2's last point far ahead, almost on the line through chine 1's last point and
    // chine 2's point 81.
    Strip s = ParallelStrip(1, 0.1, 0.4);
    s.X[2][82] = s.X[2][81] + 3 * (s.X[1][82] - s.X[2][81]);
    s.Y[2][82] = s.Y[2][81] + 3 * (s.Y[1][82] - s.Y[2][81]) + 4e-4;
    s.Z[2][82] = s.Z[2][81] + 3 * (s.Z[1][82] - s.Z[2][81]);
    ExpectTrianglesKeepTheirSides(DevelopPlate(80, 1, s.X, s.Y, s.Z, 40), s.line(1), s.line(2), 8.0,
                                  "nearly straight");

    Strip ends = ParallelStrip(1, 0.1, 0.4);
    for (LinePoints* axis : {&ends.X, &ends.Y, &ends.Z})
        for (const int line : {1, 2}) (*axis)[line][0] = (*axis)[line][1];
    const Development e = DevelopPlate(80, 1, ends.X, ends.Y, ends.Z, 40);
    EXPECT_EQ(std::tie(e.DevXi[0], e.DevYi[0], e.DevXs[0], e.DevYs[0]),
              std::tie(e.DevXi[1], e.DevYi[1], e.DevXs[1], e.DevYs[1]));
    EXPECT_EQ(e.DevXi[0], 0.0);
    EXPECT_NEAR(e.DevXi[82], 8.1, 1e-12);
}

// The builder enters the next chine at the same heights as the one below: the two lines run
// together and the plank between them has no width; its development is a straight strip of no
// width, as long as the line, instead of a phantom plate.
TEST(DevelopPlate, ChinesEnteredAtTheSameHeightsGiveAPlankOfNoWidth) {
    for (int column = 0; column < 2; ++column) {
        Hull h = test::ValidatedDefaultHull();
        Chines23Screen screen = FillChines23Screen(h);
        for (int box = 0; box < 3; ++box)
            screen.Columns[column + 1][box] = screen.Columns[column][box];
        ASSERT_FALSE(ValidateChines23Screen(h, screen).has_value());
        const int k = column + 2;
        const Edge line = Line(h.LineX, h.LineY, h.LineZ, k);
        double length = 0;
        for (int j = 1; j <= 82; ++j) length += Dist(line(j), line(j - 1));
        const Development d = DevelopPanel(h, static_cast<Panel>(k));
        ExpectOnBothAxesAndFinite(d, "plank " + std::to_string(k));
        for (int j = 0; j <= 82; ++j)
            EXPECT_LT(std::hypot(d.DevXs[j] - d.DevXi[j], d.DevYs[j] - d.DevYi[j]), 1e-9) << k << j;
        EXPECT_NEAR(d.DevXi[82] - d.DevXi[0], length, 1e-9) << "plank " << k;
    }
}

// Arguments out of range develop nothing; a max-beam index from a damaged record still turns the
// bottom on points that exist.
TEST(DevelopPlate, ArgumentsOutOfRangeAreRefusedOrHeld) {
    const Hull h = test::ValidatedDefaultHull();
    EXPECT_EQ(DevelopPlate(81, 1, h.BottomRulingX, h.BottomRulingY, h.BottomRulingZ, 40).last, -1);
    EXPECT_EQ(DevelopPlate(81, 1, h.LineX, h.LineY, h.LineZ, 40).last, -1);
    EXPECT_EQ(DevelopPlate(80, 5, h.LineX, h.LineY, h.LineZ, 40).last, -1);
    EXPECT_EQ(DevelopPlate(-1, 1, h.LineX, h.LineY, h.LineZ, 40).last, -1);
    EXPECT_EQ(DevelopPlate(10, 1, h.LineX, h.LineY, h.LineZ, 40).last, 12);
    for (const int16_t k : {int16_t{-5}, int16_t{0}, int16_t{1}, int16_t{82}, int16_t{300}}) {
        const Development d =
            DevelopPlate(81, 0, h.BottomRulingX, h.BottomRulingY, h.BottomRulingZ, k);
        ExpectOnBothAxesAndFinite(d, "index " + std::to_string(k));
        const int held = k < 2 ? 2 : 81;
        EXPECT_NEAR(d.DevYi[held - 2], d.DevYi[held + 2], 1e-9) << "index " << k;
    }
}

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
        for (int k = 0; k < 3; ++k)
            EXPECT_TRUE(std::isnan(want[k]) || std::fabs(got[k] - want[k]) <= 1e-14)
                << c.a << c.b << c.c << k << ": " << got[k];
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
