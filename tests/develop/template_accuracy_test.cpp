// The accuracy report: developable strips (flat, conical, cylindrical) show nothing, a twisted
// quadrilateral shows its diagonal worked out by hand, and the hulls' plates keep their edges.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "develop/plate_development.h"
#include "develop/template_accuracy.h"
#include "develop/template_test_support.h"

namespace voriel {
namespace {

// A plank between lines 1 and 2 of points 0..last given by a function, developed as the planks
// are.
TemplatePlate strip(int last, const std::function<SpacePoint(int line, int j)>& point) {
    LinePoints x{}, y{}, z{};
    for (int line = 1; line <= 2; ++line) {
        for (int j = 0; j <= last; ++j) {
            const SpacePoint p = point(line, j);
            x[line][j] = p.x;
            y[line][j] = p.y;
            z[line][j] = p.z;
        }
    }
    const Development d = DevelopPlate(static_cast<int16_t>(last - 2), 1, x, z, y, 41);
    TemplatePlate plate;
    plate.panel = TemplatePanel::Plank1;
    for (int j = 0; j <= d.last; ++j) {
        plate.lower3.push_back({x[1][j], y[1][j], z[1][j]});
        plate.upper3.push_back({x[2][j], y[2][j], z[2][j]});
        plate.lower.push_back({d.DevXi[j], d.DevYi[j]});
        plate.upper.push_back({d.DevXs[j], d.DevYs[j]});
    }
    return plate;
}

TEST(TemplateAccuracy, DevelopableStripsShowNoDifference) {
    const struct {
        const char* name;
        std::function<SpacePoint(int, int)> point;
    } cases[] = {
        // A flat strip, tilted and curved in its own plane.
        {"flat",
         [](int line, int j) {
             const double s = 0.05 * j, w = line == 1 ? 0.0 : 0.3 + 0.1 * std::sin(s);
             const double u = s, v = w + 0.2 * s * s;
             return SpacePoint{u, 0.6 * v, 0.8 * v + 0.1};
         }},
        // Both edges on the generators of a cone from the apex (-1, 0, 0).
        {"cone",
         [](int line, int j) {
             const double t = 0.02 * j, r = line == 1 ? 2.0 : 2.6 + 0.01 * j;
             const double gx = 1.0, gy = 0.4 * std::cos(t), gz = 0.4 * std::sin(t);
             const double n = std::sqrt(gx * gx + gy * gy + gz * gz);
             return SpacePoint{-1.0 + r * gx / n, r * gy / n, r * gz / n};
         }},
        // A cylinder round the X axis, each rung along a generator.
        {"cylinder",
         [](int line, int j) {
             const double t = 0.03 * j, x = line == 1 ? 0.1 * j : 0.1 * j + 0.5 + 0.002 * j;
             return SpacePoint{x, std::cos(t), std::sin(t)};
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PlateAccuracy a = MeasurePlateAccuracy(strip(82, c.point));
        EXPECT_EQ(a.quadrilaterals, 82);
        EXPECT_NEAR(a.largestMm, 0.0, 1e-6);
        EXPECT_NEAR(a.rmsMm, 0.0, 1e-6);
        EXPECT_NEAR(a.lower3dMm, a.lowerFlatMm, 1e-6);
        EXPECT_NEAR(a.upper3dMm, a.upperFlatMm, 1e-6);
    }
}

// L(j) = (j, 0, 0), U(j) = (j, 1, 0) but U(2) lifted to (2, 1, 1). Quadrilateral 0 is flat.
// Quadrilateral 1 is split along U(1) L(2) (length sqrt 2): its lower triangle is half a unit
// square, its upper one (L(2), U(1), U(2)) equilateral of side sqrt 2, laid on the far side of
// the diagonal. Flat, L(1) U(2) = (sqrt 2 + sqrt 6) / 2; in the hull, |(1, 1, 1)| = sqrt 3.
TEST(TemplateAccuracy, TwistedQuadrilateralShowsItsDiagonal) {
    const TemplatePlate plate = strip(2, [](int line, int j) {
        return SpacePoint{static_cast<double>(j), line == 1 ? 0.0 : 1.0,
                          line == 2 && j == 2 ? 1.0 : 0.0};
    });
    const double expected = (std::sqrt(3.0) - (std::sqrt(2.0) + std::sqrt(6.0)) / 2) * 1000;
    const PlateAccuracy a = MeasurePlateAccuracy(plate);
    EXPECT_EQ(a.quadrilaterals, 2);
    EXPECT_NEAR(a.largestMm, expected, 1e-9);
    EXPECT_LT(a.largestMm, 0.0);  // the plate must shrink across that diagonal
    EXPECT_EQ(a.largestAt, 1);
    EXPECT_NEAR(a.rmsMm, std::fabs(expected) / std::sqrt(2.0), 1e-9);
    // The edges are laid true; the area is the unit square, half of one and the equilateral
    // triangle.
    EXPECT_NEAR(a.lower3dMm, 2000.0, 1e-9);
    EXPECT_NEAR(a.upperFlatMm, a.upper3dMm, 1e-9);
    EXPECT_NEAR(a.areaM2, 1.5 + std::sqrt(3.0) / 2, 1e-9);
}

// Whatever the hull, the development keeps both edges' lengths, every plate has an area, and
// the report is finite.
TEST(TemplateAccuracy, HullPlatesKeepTheirEdges) {
    for (uint32_t seed = 0; seed <= 12; ++seed) {
        const test::HullOnBoard b =
            seed == 0 ? test::DefaultOnBoard() : test::OnBoard(test::RandomHull(seed));
        for (const TemplatePanel panel : AvailableTemplatePanels(b.hull, b.board)) {
            SCOPED_TRACE(std::to_string(seed) + " " + TemplatePanelKey(panel));
            const PlateAccuracy a = MeasurePlateAccuracy(MakeTemplatePlate(b.hull, b.board, panel));
            EXPECT_GT(a.quadrilaterals, 0);
            EXPECT_NEAR(a.lower3dMm, a.lowerFlatMm, 1e-6);
            EXPECT_NEAR(a.upper3dMm, a.upperFlatMm, 1e-6);
            EXPECT_GT(a.areaM2, 0.0);
            EXPECT_TRUE(std::isfinite(a.largestMm) && std::isfinite(a.rmsMm));
            EXPECT_LE(a.rmsMm, std::fabs(a.largestMm) + 1e-12);
        }
    }
}

}  // namespace
}  // namespace voriel
