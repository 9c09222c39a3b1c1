// Tests of the plate development: kept side lengths, placement on the axes, known flat shapes.
#include "develop/plate_development.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

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
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) +
                     (a.z - b.z) * (a.z - b.z));
}

P3 Lower(const Development& d, int j) {
    return {d.DevXi[j], d.DevYi[j], 0};
}
P3 Upper(const Development& d, int j) {
    return {d.DevXs[j], d.DevYs[j], 0};
}

// Every triangle of the strip (the two at the aft end, then two per quadrilateral split along
// U(j) L(j+1)) has the flat side lengths of its 3-D sides, relative error under 1e-9; a side
// shorter than a thousandth of `scale` is held to 1e-12 * scale.
void ExpectTrianglesKeepTheirSides(const Development& d, const Edge& L, const Edge& U, double scale,
                                   const std::string& what) {
    int failures = 0;
    const auto side = [&](const P3& a, const P3& b, const P3& fa, const P3& fb, int j) {
        const double t = Dist(a, b), f = Dist(fa, fb);
        if (std::fabs(f - t) > 1e-9 * std::max(t, 1e-3 * scale) && failures++ < 3) {
            ADD_FAILURE() << what << ": triangle at " << j << ", 3-D side " << t << ", flat " << f;
        }
    };
    const auto triangle = [&](int j, P3 a, P3 b, P3 c, P3 fa, P3 fb, P3 fc) {
        side(a, b, fa, fb, j);
        side(b, c, fb, fc, j);
        side(c, a, fc, fa, j);
    };
    const auto fl = [&](int j) { return Lower(d, j); };
    const auto fu = [&](int j) { return Upper(d, j); };
    triangle(0, L(1), U(1), L(0), fl(1), fu(1), fl(0));
    triangle(0, L(1), U(1), U(0), fl(1), fu(1), fu(0));
    for (int j = 1; j < d.last; ++j) {
        triangle(j, L(j), U(j), L(j + 1), fl(j), fu(j), fl(j + 1));
        triangle(j, L(j + 1), U(j), U(j + 1), fl(j + 1), fu(j), fu(j + 1));
    }
}

void ExpectOnBothAxesAndFinite(const Development& d, const std::string& what) {
    double minX = HUGE_VAL, minY = HUGE_VAL;
    for (int j = 0; j <= d.last; ++j) {
        for (double v : {d.DevXi[j], d.DevYi[j], d.DevXs[j], d.DevYs[j]}) {
            ASSERT_TRUE(std::isfinite(v)) << what << " point " << j;
        }
        minX = std::min({minX, d.DevXi[j], d.DevXs[j]});
        minY = std::min({minY, d.DevYi[j], d.DevYs[j]});
    }
    EXPECT_EQ(minX, 0.0) << what;
    EXPECT_EQ(minY, 0.0) << what;
}

Edge LinePoint(const Hull& h, int line) {
    return [&h, line](int j) { return P3{h.LineX[line][j], h.LineY[line][j], h.LineZ[line][j]}; };
}
Edge RulingEnd(const Hull& h, int row) {
    return [&h, row](int j) {
        return P3{h.BottomRulingX[row][j], h.BottomRulingY[row][j], h.BottomRulingZ[row][j]};
    };
}

// The bottom and the three planks of thousands of hulls a builder could enter.
TEST(DevelopPlate, EveryTriangleKeepsItsSidesOnRandomHulls) {
    for (uint32_t seed = 1; seed <= 2500; ++seed) {
        const Hull h = test::RandomHull(seed);
        const double scale = h.XFwd[0];
        const std::string s = "seed " + std::to_string(seed);
        const Development bottom = DevelopPanel(h, Panel::Bottom);
        ASSERT_EQ(bottom.last, 83);
        ExpectOnBothAxesAndFinite(bottom, s + " bottom");
        ExpectTrianglesKeepTheirSides(bottom, RulingEnd(h, 0), RulingEnd(h, 1), scale,
                                      s + " bottom");
        for (int k = 1; k <= 3; ++k) {
            const Development plank = DevelopPanel(h, static_cast<Panel>(k));
            ASSERT_EQ(plank.last, 82);
            const std::string what = s + " plank " + std::to_string(k);
            ExpectOnBothAxesAndFinite(plank, what);
            ExpectTrianglesKeepTheirSides(plank, LinePoint(h, k), LinePoint(h, k + 1), scale, what);
        }
        if (HasFailure()) break;
    }
}

// Each panel is turned so that its reference chord lies along X.
TEST(DevelopPlate, ReferenceChordsLieAlongXOnRandomHulls) {
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        const Hull h = test::RandomHull(seed);
        const double tol = 1e-9 * h.XFwd[0];
        const int k = h.MaxBeamIndex;
        const Development bottom = DevelopPanel(h, Panel::Bottom);
        EXPECT_NEAR(bottom.DevYi[k - 2], bottom.DevYi[k + 2], tol) << "seed " << seed;
        EXPECT_LT(bottom.DevXi[k - 2], bottom.DevXi[k + 2]);
        const Development p1 = DevelopPanel(h, Panel::Plank1);
        EXPECT_NEAR(p1.DevYi[0], p1.DevYi[82], tol) << "seed " << seed;
        for (Panel p : {Panel::Plank2, Panel::Plank3}) {
            const Development d = DevelopPanel(h, p);
            EXPECT_NEAR(d.DevYs[0], d.DevYs[82], tol) << "seed " << seed;
        }
    }
}

// Lines n and n + 1 of a synthetic point set: point j at origin + j*step*u (+ width*v above).
struct Strip {
    LinePoints X{}, Y{}, Z{};
};

Strip ParallelStrip(int n, double step, double width) {
    const double ux = 0.8, uy = 0.36, uz = -0.48;  // unit vector
    const double vx = 0.0, vy = 0.8, vz = 0.6;     // unit vector square to u
    Strip s;
    for (int j = 0; j < kPointCount; ++j) {
        const double t = j * step;
        s.X[n][j] = 1.5 + t * ux;
        s.Y[n][j] = -0.7 + t * uy;
        s.Z[n][j] = 0.2 + t * uz;
        s.X[n + 1][j] = s.X[n][j] + width * vx;
        s.Y[n + 1][j] = s.Y[n][j] + width * vy;
        s.Z[n + 1][j] = s.Z[n][j] + width * vz;
    }
    return s;
}

TEST(DevelopPlate, PlankBetweenParallelEquallySpacedLinesIsARectangle) {
    for (int n : {1, 2, 3}) {
        const Strip s = ParallelStrip(n, 0.075, 0.31);
        const Development d = DevelopPlate(80, static_cast<int16_t>(n), s.X, s.Z, s.Y, 40);
        ASSERT_EQ(d.last, 82);
        for (int j = 0; j <= 82; ++j) {
            EXPECT_NEAR(d.DevXi[j], j * 0.075, 1e-12) << "n " << n << " j " << j;
            EXPECT_NEAR(d.DevXs[j], j * 0.075, 1e-12) << "n " << n << " j " << j;
            EXPECT_NEAR(d.DevYi[j], 0.0, 1e-12) << "n " << n << " j " << j;
            EXPECT_NEAR(d.DevYs[j], 0.31, 1e-12) << "n " << n << " j " << j;
        }
    }
}

// A flat bottom in the plane Z = -0.2: straight keel on the centreline, curved chine, rulings
// raked forward; its development is its own plan.
TEST(DevelopPlate, FlatBottomDevelopsIntoItsPlanShape) {
    RulingPoints x{}, y{}, z{};
    for (int j = 0; j < kRulingCount; ++j) {
        x[0][j] = 0.05 * j;
        x[1][j] = 0.05 * j - 0.1 * std::sin(j / 30.0);
        y[1][j] = 0.2 + 0.5 * std::sin(j / 27.0);
        z[0][j] = z[1][j] = -0.2;
    }
    const Development d = DevelopPlate(81, 0, x, y, z, 40);
    ASSERT_EQ(d.last, 83);
    for (int j = 0; j <= 83; ++j) {
        EXPECT_NEAR(d.DevXi[j], x[0][j] - x[0][0], 1e-12) << j;
        EXPECT_NEAR(d.DevYi[j], 0.0, 1e-12) << j;
        EXPECT_NEAR(d.DevXs[j], x[1][j] - x[0][0], 1e-12) << j;
        EXPECT_NEAR(d.DevYs[j], y[1][j], 1e-12) << j;
    }
}

// A line whose aft end coincides with its first station: the flat point repeats its neighbour.
TEST(DevelopPlate, CoincidingEndPointsRepeatTheirNeighbour) {
    Strip s = ParallelStrip(1, 0.1, 0.4);
    for (const int line : {1, 2}) {
        s.X[line][0] = s.X[line][1];
        s.Y[line][0] = s.Y[line][1];
        s.Z[line][0] = s.Z[line][1];
    }
    const Development d = DevelopPlate(80, 1, s.X, s.Y, s.Z, 40);
    EXPECT_EQ(d.DevXi[0], d.DevXi[1]);
    EXPECT_EQ(d.DevYi[0], d.DevYi[1]);
    EXPECT_EQ(d.DevXs[0], d.DevXs[1]);
    EXPECT_EQ(d.DevYs[0], d.DevYs[1]);
    EXPECT_EQ(d.DevXi[0], 0.0);
    EXPECT_NEAR(d.DevXi[82], 8.1, 1e-12);
}

// A plank whose upper line has shrunk to one point: the upper chord has no length, the plank
// is not turned, and the fan of triangles keeps its sides.
TEST(DevelopPlate, UpperLineShrunkToAPointGivesAFiniteFan) {
    Strip s = ParallelStrip(2, 0.05, 0.3);
    for (int j = 0; j < kPointCount; ++j) {
        s.X[3][j] = 3.0;
        s.Y[3][j] = 0.9;
        s.Z[3][j] = 1.1;
    }
    const Development d = DevelopPlate(80, 2, s.X, s.Y, s.Z, 40);
    ExpectOnBothAxesAndFinite(d, "fan");
    const auto line = [&s](int n) {
        return [&s, n](int j) { return P3{s.X[n][j], s.Y[n][j], s.Z[n][j]}; };
    };
    ExpectTrianglesKeepTheirSides(d, line(2), line(3), 4.0, "fan");
    for (int j = 1; j <= 82; ++j) EXPECT_EQ(d.DevXs[j], d.DevXs[0]);
}

// A triangle within a millionth of not closing is still a triangle: its sides are kept.
TEST(DevelopPlate, NearlyStraightTriangleKeepsItsSides) {
    Strip s = ParallelStrip(1, 0.1, 0.4);
    // Chine 2's last point far ahead, almost on the line through chine 1's last point and
    // chine 2's point 81.
    const double ax = s.X[1][82] - s.X[2][81], ay = s.Y[1][82] - s.Y[2][81],
                 az = s.Z[1][82] - s.Z[2][81];
    s.X[2][82] = s.X[2][81] + 3 * ax;
    s.Y[2][82] = s.Y[2][81] + 3 * ay + 4e-4;
    s.Z[2][82] = s.Z[2][81] + 3 * az;
    const Development d = DevelopPlate(80, 1, s.X, s.Y, s.Z, 40);
    const auto line = [&s](int n) {
        return [&s, n](int j) { return P3{s.X[n][j], s.Y[n][j], s.Z[n][j]}; };
    };
    ExpectTrianglesKeepTheirSides(d, line(1), line(2), 8.0, "nearly straight");
}

// Chine 2 touching chine 1 at one station (exactly, or within rounding): the reference rung there
// has no direction of its own, and the plank must not turn about the touching point.
TEST(DevelopPlate, LinesTouchingAtOneStationKeepTheStripStraight) {
    for (const double gap : {0.0, 1e-15, 3e-12}) {
        Strip s = ParallelStrip(1, 0.075, 0.3);
        for (const int j : {12, 40}) {
            s.X[2][j] = s.X[1][j];
            s.Y[2][j] = s.Y[1][j] + gap;
            s.Z[2][j] = s.Z[1][j];
        }
        const Development d = DevelopPlate(80, 1, s.X, s.Z, s.Y, 40);
        for (int j = 0; j <= 82; ++j) {
            EXPECT_NEAR(d.DevXi[j], j * 0.075, 1e-9) << "gap " << gap << " j " << j;
            EXPECT_NEAR(d.DevYi[j], 0.0, 1e-9) << "gap " << gap << " j " << j;
            if (j == 12 || j == 40) continue;
            EXPECT_NEAR(d.DevXs[j], j * 0.075, 1e-9) << "gap " << gap << " j " << j;
            EXPECT_NEAR(d.DevYs[j], 0.3, 1e-9) << "gap " << gap << " j " << j;
        }
    }
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
        double length = 0;
        for (int j = 1; j <= 82; ++j) {
            const double dx = h.LineX[k][j] - h.LineX[k][j - 1];
            const double dy = h.LineY[k][j] - h.LineY[k][j - 1];
            const double dz = h.LineZ[k][j] - h.LineZ[k][j - 1];
            length += std::sqrt(dx * dx + dy * dy + dz * dz);
        }
        const Development d = DevelopPanel(h, static_cast<Panel>(k));
        ExpectOnBothAxesAndFinite(d, "plank " + std::to_string(k));
        for (int j = 0; j <= 82; ++j) {
            EXPECT_NEAR(d.DevXs[j], d.DevXi[j], 1e-9) << "plank " << k << " j " << j;
            EXPECT_NEAR(d.DevYs[j], d.DevYi[j], 1e-9) << "plank " << k << " j " << j;
        }
        EXPECT_NEAR(d.DevXi[82] - d.DevXi[0], length, 1e-9) << "plank " << k;
    }
}

TEST(DevelopPlate, ArgumentsOutOfRangeDevelopNothing) {
    const Hull h = test::ValidatedDefaultHull();
    EXPECT_EQ(DevelopPlate(81, 1, h.BottomRulingX, h.BottomRulingY, h.BottomRulingZ, 40).last, -1);
    EXPECT_EQ(DevelopPlate(81, 1, h.LineX, h.LineY, h.LineZ, 40).last, -1);
    EXPECT_EQ(DevelopPlate(80, 5, h.LineX, h.LineY, h.LineZ, 40).last, -1);
    EXPECT_EQ(DevelopPlate(-1, 1, h.LineX, h.LineY, h.LineZ, 40).last, -1);
    EXPECT_EQ(DevelopPlate(10, 1, h.LineX, h.LineY, h.LineZ, 40).last, 12);
}

// A max-beam index from a damaged record still turns the bottom on points that exist.
TEST(DevelopPlate, MaxBeamIndexOutsideTheGridIsHeldInside) {
    const Hull h = test::ValidatedDefaultHull();
    for (const int16_t k : {int16_t{-5}, int16_t{0}, int16_t{1}, int16_t{82}, int16_t{300}}) {
        const Development d =
            DevelopPlate(81, 0, h.BottomRulingX, h.BottomRulingY, h.BottomRulingZ, k);
        ExpectOnBothAxesAndFinite(d, "index " + std::to_string(k));
        const int held = k < 2 ? 2 : 81;
        EXPECT_NEAR(d.DevYi[held - 2], d.DevYi[held + 2], 1e-9) << "index " << k;
    }
}

}  // namespace
}  // namespace voriel
