// The immersed section below a waterline: closed forms on a prism, clipped polygons on random
// hulls.
#include "hydro/immersed_section.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "hydro/prism_hull.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

TEST(SegmentYAtZ, InterpolatesAlongTheSegmentAndTakesTheMeanWhenItIsFlatOrUpright) {
    EXPECT_DOUBLE_EQ(SegmentYAtZ(0.25, 0.0, 0.0, 1.0, 0.5), 0.5);
    EXPECT_DOUBLE_EQ(SegmentYAtZ(1.25, 1.2, 1.0, 1.0, 2.0), 1.15);
    EXPECT_DOUBLE_EQ(SegmentYAtZ(3.0, 0.8, 1.0, 0.8, 2.0), 0.8);  // upright side
    EXPECT_DOUBLE_EQ(SegmentYAtZ(1.0, 0.4, 1.0, 0.8, 1.0), 0.6);  // flat: no height to follow
}

TEST(SectionAbscissa, FollowsTheRakeAndKeepsTheLowerPointAtOneHeight) {
    EXPECT_DOUBLE_EQ(SectionAbscissa(1.5, 6.0, 1.0, 6.4, 2.0), 6.2);
    EXPECT_DOUBLE_EQ(SectionAbscissa(1.0, 6.0, 1.0, 6.4, 1.0), 6.0);
}

TEST(ImmersedSection, DryStationKeepsItsKeelAbscissaAndLeavesTheLevel) {
    const Hull h = test::PrismHull();
    int16_t level = -1;
    const SectionSlice s = ImmersedSection(h, 7, -0.01, level);
    EXPECT_EQ(level, -1);
    EXPECT_EQ(s.area, 0.0);
    EXPECT_EQ(s.halfBreadth, 0.0);
    EXPECT_EQ(s.zc, 0.0);
    EXPECT_DOUBLE_EQ(s.x, 0.7);
}

TEST(ImmersedSection, PrismSectionMatchesTheClippedPolygonAtEveryHeight) {
    const Hull h = test::PrismHull();
    const std::vector<std::pair<double, double>> poly(test::kPrismSection.begin(),
                                                      test::kPrismSection.end());
    for (double zw = 0.0; zw < 2.0; zw += 0.01) {
        int16_t level = -1;
        const SectionSlice s = ImmersedSection(h, 30, zw, level);
        const test::ClippedArea exact = test::AreaBelow(poly, zw);
        EXPECT_NEAR(s.area, exact.area, 1e-12) << zw;
        // Pieces above chine 1 take their centroid at mid height: close, not exact.
        EXPECT_NEAR(s.zc, exact.zc, 0.01) << zw;
        if (zw < 0.5) {
            EXPECT_NEAR(s.zc, zw * 2 / 3, 1e-12);
        }
        int below = 0;
        while (below < 4 && zw >= test::kPrismSection[below + 1].second) ++below;
        EXPECT_EQ(level, below) << zw;
        const auto& [ya, za] = test::kPrismSection[below];
        const auto& [yb, zb] = test::kPrismSection[below + 1];
        EXPECT_NEAR(s.halfBreadth, ya + (yb - ya) * (zw - za) / (zb - za), 1e-12) << zw;
    }
}

TEST(ImmersedSection, WaterExactlyAtALineCountsAsAboveIt) {
    const Hull h = test::PrismHull();
    for (int k = 1; k <= 3; ++k) {
        int16_t level = -1;
        const SectionSlice s = ImmersedSection(h, 12, test::kPrismSection[k].second, level);
        EXPECT_EQ(level, k);
        EXPECT_DOUBLE_EQ(s.halfBreadth, test::kPrismSection[k].first);
    }
}

TEST(ImmersedSection, SheerUnderWaterGivesTheWholeSectionAndNoWaterlineBreadth) {
    const Hull h = test::PrismHull();
    int16_t level = 0;
    const SectionSlice s = ImmersedSection(h, 40, 2.0, level);
    const std::vector<std::pair<double, double>> poly(test::kPrismSection.begin(),
                                                      test::kPrismSection.end());
    EXPECT_EQ(level, 4);
    EXPECT_EQ(s.halfBreadth, 0.0);
    EXPECT_NEAR(s.area, test::AreaBelow(poly, 2.0).area, 1e-12);
    int16_t high = 3;
    ImmersedSection(h, 40, 0.2, high);
    EXPECT_EQ(high, 3);  // the level only rises
}

TEST(ImmersedSection, RaisedSectionOfARakedStemLiesOnTheRake) {
    Hull h = test::PrismHull();
    // Chine 2 .. sheer lean forward at the last point: 0.4 m of rake per metre of height.
    for (int k = Chine2; k <= Sheer; ++k)
        h.LineX[k][82] += 0.4 * (test::kPrismSection[k].second - test::kPrismSection[1].second);
    int16_t level = 0;
    EXPECT_DOUBLE_EQ(ImmersedSection(h, 82, 1.25, level).x, 8.2 + 0.4 * 0.75);
    EXPECT_DOUBLE_EQ(ImmersedSection(h, 82, 0.75, level).x, 8.2 + 0.4 * 0.25);
    EXPECT_DOUBLE_EQ(ImmersedSection(h, 82, 0.25, level).x, 8.2);
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
            for (int k = 0; k <= Sheer; ++k) {
                poly.push_back({h.LineY[k][i], h.LineZ[k][i]});
                xlo = std::min(xlo, h.LineX[k][i]);
                xhi = std::max(xhi, h.LineX[k][i]);
            }
            bool climbs = true, positive = true;
            for (int k = 1; k <= Sheer; ++k) {
                climbs = climbs && poly[k].second > poly[k - 1].second;
                positive = positive && poly[k].first >= 0;
            }
            if (!climbs) continue;
            ++checked;
            const double z0 = poly.front().second, z4 = poly.back().second;
            for (int step = 0; step <= 20; ++step) {
                const double zw = z0 + (z4 - z0) * (step / 20.0);
                int16_t level = -1;
                const SectionSlice s = ImmersedSection(h, i, zw, level);
                const double scale = std::max(1.0, std::abs((z4 - z0) * poly[1].first));
                ASSERT_NEAR(s.area, test::AreaBelow(poly, zw).area, 1e-9 * scale)
                    << "seed " << seed << " i " << i << " zw " << zw;
                ASSERT_GE(level, 0);
                if (positive && s.area > 0) {
                    EXPECT_GE(s.zc, z0 - 1e-12);
                    EXPECT_LE(s.zc, zw + 1e-12);
                }
                EXPECT_GE(s.x, xlo - 1e-12);
                EXPECT_LE(s.x, xhi + 1e-12);
            }
        }
    }
    EXPECT_GT(checked, 60 * 70);
}

}  // namespace
}  // namespace voriel
