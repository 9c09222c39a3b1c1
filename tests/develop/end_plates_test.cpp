// Tests of the transom and pram-bow plate developments.
#include "develop/end_plates.h"

#include <gtest/gtest.h>

#include <cmath>

#include "board/station_sections.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

// A vertical transom: every section point at X = 0, so the slant lengths are the heights climbed
// from the keel; two chines meeting add nothing and keep their own half breadths.
TEST(EndPlates, VerticalTransomSumsTheHeights) {
    BoardState b;
    const std::array<double, kSectionPointCount> z = {-0.3,  -0.28, -0.25, -0.2, -0.15, -0.1, -0.05,
                                                      -0.03, -0.02, -0.01, 0.0,  0.25,  0.25, 0.6};
    for (int j = 0; j < kSectionPointCount; ++j) {
        b.StationPtX[0][j] = 0.0;
        b.StationPtY[0][j] = 0.05 * j;
        b.StationPtZ[0][j] = z[j];
    }
    b.StationPtY[0][12] = 0.9;  // chine 3 on chine 2 in X and Z but wider
    const EndPlateDev t = ComputeTransomDev(b);
    EXPECT_EQ(t[0].slant, 0.0);
    EXPECT_EQ(t[0].half, 0.0);
    for (int j = 1; j < kSectionPointCount; ++j) {
        EXPECT_NEAR(t[j].slant, z[j] - z[0], 1e-15) << j;
        EXPECT_EQ(t[j].half, b.StationPtY[0][j]);
    }
    EXPECT_EQ(t[12].slant, t[11].slant);
    EXPECT_EQ(t[12].half, 0.9);
}

// An inclined plate: a section leaning aft by 3 in 4 unrolls to 5/4 of its height.
TEST(EndPlates, InclinedPlateUnrollsAlongItsSlope) {
    BoardState b;
    for (int j = 0; j < kSectionPointCount; ++j) {
        b.StationPtZ[82][j] = 0.1 * j;
        b.StationPtX[82][j] = 5.0 + 0.075 * j;
        b.StationPtY[82][j] = 0.3;
    }
    const EndPlateDev d = ComputeBowPlateDev(b);
    EXPECT_NEAR(d[13].slant, 1.3 * 1.25, 1e-12);
    EXPECT_EQ(d[13].half, 0.3);
    EXPECT_EQ(d[0].half, 0.0);  // entry 0 is (0, 0) whatever the keel point's half breadth
}

TEST(EndPlates, BowPlateOnlyAboveAMillimetreAtTheForefoot) {
    Hull h = test::ValidatedDefaultHull();
    h.YFwd[1] = 0.001;
    EXPECT_FALSE(HasBowPlate(h));
    h.YFwd[1] = 0.0010001;
    EXPECT_TRUE(HasBowPlate(h));
    h.YFwd[1] = 0.0;
    EXPECT_FALSE(HasBowPlate(h));
}

// On many hulls the slant lengths grow from the keel to the sheer, are finite, and the
// whole slant is at least the straight distance from keel to sheer in the plate's plane.
TEST(EndPlates, SlantLengthsGrowFromKeelToSheerOnRandomHulls) {
    for (uint32_t seed = 1; seed <= 1000; ++seed) {
        const Hull h = test::RandomHull(seed);
        BoardState b;
        ComputeAllStationSections(h, b);
        for (const int p : {0, 82}) {
            const EndPlateDev d = p == 0 ? ComputeTransomDev(b) : ComputeBowPlateDev(b);
            EXPECT_EQ(d[0].slant, 0.0);
            for (int j = 1; j < kSectionPointCount; ++j) {
                ASSERT_TRUE(std::isfinite(d[j].slant) && std::isfinite(d[j].half))
                    << "seed " << seed << " p " << p << " j " << j;
                EXPECT_GE(d[j].slant, d[j - 1].slant);
                EXPECT_EQ(d[j].half, b.StationPtY[p][j]);
            }
            const double dx = b.StationPtX[p][13] - b.StationPtX[p][0];
            const double dz = b.StationPtZ[p][13] - b.StationPtZ[p][0];
            EXPECT_GE(d[13].slant, std::sqrt(dx * dx + dz * dz) * (1 - 1e-12));
        }
    }
}

}  // namespace
}  // namespace voriel
