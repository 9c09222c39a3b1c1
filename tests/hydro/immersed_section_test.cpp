// The immersed section below a waterline: clipped polygons on random hulls (the prism's sections,
// at every height, are checked through the hydrostatics), a raked stem and flat segments.
#include "hydro/immersed_section.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "hydro/prism_hull.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

// (Sloping and upright segments the prism's half breadths check.)
TEST(ImmersedSection, FlatSegmentsTheAbscissaFollowingTheRakeAndTheLevelOnlyRising) {
    EXPECT_DOUBLE_EQ(SegmentYAtZ(1.0, 0.4, 1.0, 0.8, 1.0), 0.6);      // no height to follow
    EXPECT_DOUBLE_EQ(SectionAbscissa(1.0, 6.0, 1.0, 6.4, 1.0), 6.0);  // the lower point's
    // A raked stem: chine 2 .. sheer lean forward at the last point, 0.4 m per metre of height.
    Hull h = test::PrismHull();
    for (int k = Chine2; k <= Sheer; ++k)
        h.LineX[k][82] += 0.4 * (test::kPrismSection[k].second - test::kPrismSection[1].second);
    int16_t level = 0;
    EXPECT_DOUBLE_EQ(ImmersedSection(h, 82, 1.25, level).x, 8.2 + 0.4 * 0.75);
    EXPECT_DOUBLE_EQ(ImmersedSection(h, 82, 0.75, level).x, 8.2 + 0.4 * 0.25);
    EXPECT_DOUBLE_EQ(ImmersedSection(h, 82, 0.25, level).x, 8.2);
    int16_t high = 3;
    ImmersedSection(h, 40, 0.2, high);
    EXPECT_EQ(high, 3);  // the level only rises
}

// On hulls a builder can enter, wherever the lines climb from keel to sheer the section is the
// clipped polygon, its centroid lies inside the immersed height and its abscissa among the lines'.
TEST(ImmersedSection, RandomHullSectionsAreTheClippedPolygon) {
    int checked = 0;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        const Hull h = test::RandomHull(seed);
        for (int i = 0; i < kPointCount; ++i) {
            std::vector<std::pair<double, double>> poly;
            double xlo = h.LineX[0][i], xhi = xlo;
            bool climbs = true, positive = true;
            for (int k = 0; k <= Sheer; ++k) {
                poly.push_back({h.LineY[k][i], h.LineZ[k][i]});
                xlo = std::min(xlo, h.LineX[k][i]);
                xhi = std::max(xhi, h.LineX[k][i]);
                climbs = climbs && (k == 0 || poly[k].second > poly[k - 1].second);
                positive = positive && (k == 0 || poly[k].first >= 0);
            }
            if (!climbs) continue;
            ++checked;
            const double z0 = poly.front().second, z4 = poly.back().second;
            for (int step = 0; step <= 20; ++step) {
                SCOPED_TRACE("seed " + std::to_string(seed) + " i " + std::to_string(i) + " step " +
                             std::to_string(step));
                const double zw = z0 + (z4 - z0) * (step / 20.0);
                int16_t level = -1;
                const SectionSlice s = ImmersedSection(h, i, zw, level);
                const double scale = std::max(1.0, std::abs((z4 - z0) * poly[1].first));
                ASSERT_NEAR(s.area, test::AreaBelow(poly, zw).area, 1e-9 * scale);
                ASSERT_GE(level, 0);
                EXPECT_TRUE(!positive || s.area <= 0 || (s.zc >= z0 - 1e-12 && s.zc <= zw + 1e-12));
                EXPECT_TRUE(s.x >= xlo - 1e-12 && s.x <= xhi + 1e-12);
            }
        }
    }
    EXPECT_GT(checked, 60 * 70);
}

}  // namespace
}  // namespace voriel
