// Tests of the Develop button's stages, of the half decks (the deck line unrolled in profile) and
// of the transom and pram-bow plate.
#include "develop/panel_development.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "board/station_sections.h"
#include "develop/deck_development.h"
#include "develop/end_plates.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

// Over random hulls: every deck's lower edge is the centreline, its upper edge carries the half
// breadths of the line, and its length along the edge is the line's length in profile. The slant
// lengths of both end plates grow from the keel to the sheer, are finite, and the whole slant is at
// least the straight distance from keel to sheer in the plate's plane.
TEST(PanelDevelopment, RandomHulls) {
    for (uint32_t seed = 1; seed <= 1000; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Hull h = test::RandomHull(seed);
        for (int k = 1; k <= 4; ++k) {
            const Development deck = DevelopPanel(h, static_cast<Panel>(int(Panel::Deck1) + k - 1));
            ASSERT_EQ(deck.last, 82);
            double total = 0;
            for (int j = 0; j <= 82; ++j) {
                ASSERT_TRUE(std::isfinite(deck.DevXi[j]) && std::isfinite(deck.DevYs[j]));
                EXPECT_EQ(std::make_tuple(deck.DevYi[j], deck.DevXs[j], deck.DevYs[j]),
                          std::make_tuple(0.0, deck.DevXi[j], h.LineY[k][j]));
                if (j == 0) continue;
                const double dx = h.LineX[k][j] - h.LineX[k][j - 1];
                total += dx == 0 ? 0 : std::hypot(dx, h.LineZ[k][j] - h.LineZ[k][j - 1]);
                EXPECT_GE(deck.DevXi[j], deck.DevXi[j - 1]);
            }
            EXPECT_EQ(deck.DevXi[0], 0.0) << "deck " << k;  // the least, as they grow
            EXPECT_NEAR(deck.DevXi[82] - deck.DevXi[0], total, 1e-12 * h.XFwd[0]);
        }
        BoardState b;
        b.ChineView = 1;
        ComputeAllStationSections(h, b);
        for (const int p : {0, 82}) {
            const EndPlateDev d = p == 0 ? ComputeTransomDev(b) : ComputeBowPlateDev(b);
            EXPECT_EQ(d[0].slant, 0.0);
            for (int j = 1; j < kSectionPointCount; ++j) {
                ASSERT_TRUE(std::isfinite(d[j].slant) && std::isfinite(d[j].half)) << p;
                EXPECT_GE(d[j].slant, d[j - 1].slant);
                EXPECT_EQ(d[j].half, b.StationPtY[p][j]);
            }
            const double dx = b.StationPtX[p][13] - b.StationPtX[p][0];
            const double dz = b.StationPtZ[p][13] - b.StationPtZ[p][0];
            EXPECT_GE(d[13].slant, std::hypot(dx, dz) * (1 - 1e-12)) << p;
        }
        if (HasFailure()) break;
    }
}

TEST(PanelDevelopment, AnyOtherStageOrArgumentsOutOfRangeDevelopNothing) {
    const Hull h = test::ValidatedDefaultHull();
    BoardState two, unset;
    two.ChineView = 2;
    unset.ChineView = -1;
    EXPECT_TRUE(DeveloperClick(h, two).panels.empty() && DeveloperClick(h, unset).panels.empty());
    EXPECT_EQ(DevelopDeck(81, 1, h.LineX, h.LineY, h.LineZ).last, -1);
    EXPECT_EQ(DevelopDeck(80, 6, h.LineX, h.LineY, h.LineZ).last, -1);
}

// Two deck points with the same X add no length even at different heights (the transom and the
// stem dropping straight down); an aft end ahead of the first station is laid aft of it all the
// same (lengths only add), and the shift puts it at 0.
TEST(DevelopDeck, EqualXAddsNoLengthAndTheAftEndIsLaidAft) {
    LinePoints x{}, y{}, z{};
    for (int j = 0; j < kPointCount; ++j) x[2][j] = 0.1 * j, y[2][j] = 0.5, z[2][j] = 0.3;
    x[2][0] = x[2][1];
    z[2][0] = -0.4;
    x[2][82] = x[2][81];
    z[2][82] = 1.0;
    y[2][82] = 0.0;
    Development d = DevelopDeck(80, 2, x, y, z);
    EXPECT_EQ(std::make_tuple(d.DevXi[0], d.DevXi[1], d.DevXi[82], d.DevYs[82]),
              std::make_tuple(0.0, 0.0, d.DevXi[81], 0.0));
    EXPECT_NEAR(d.DevXi[81], 8.0, 1e-12);

    for (int j = 0; j < kPointCount; ++j) x[1][j] = 0.1 * (j - 1);
    x[1][0] = 0.3;
    d = DevelopDeck(80, 1, x, y, z);
    EXPECT_EQ(d.DevXi[0], 0.0);
    EXPECT_NEAR(d.DevXi[1], 0.3, 1e-12);
    EXPECT_NEAR(d.DevXi[2], 0.4, 1e-12);
}

// A vertical transom: every section point at X = 0, so the slant lengths are the heights climbed
// from the keel; two chines meeting add nothing and keep their own half breadths. A bow plate
// leaning aft by 3 in 4 unrolls to 5/4 of its height.
TEST(EndPlates, VerticalTransomSumsTheHeightsAndAnInclinedBowItsSlope) {
    BoardState b;
    const std::array<double, kSectionPointCount> z = {-0.3,  -0.28, -0.25, -0.2, -0.15, -0.1, -0.05,
                                                      -0.03, -0.02, -0.01, 0.0,  0.25,  0.25, 0.6};
    for (int j = 0; j < kSectionPointCount; ++j) {
        b.StationPtY[0][j] = 0.05 * j;
        b.StationPtZ[0][j] = z[j];
        b.StationPtZ[82][j] = 0.1 * j;
        b.StationPtX[82][j] = 5.0 + 0.075 * j;
        b.StationPtY[82][j] = 0.3;
    }
    b.StationPtY[0][12] = 0.9;  // chine 3 on chine 2 in X and Z but wider
    const EndPlateDev t = ComputeTransomDev(b);
    EXPECT_EQ(std::make_pair(t[0].slant, t[0].half), std::make_pair(0.0, 0.0));
    for (int j = 1; j < kSectionPointCount; ++j) {
        EXPECT_NEAR(t[j].slant, z[j] - z[0], 1e-15) << j;
        EXPECT_EQ(t[j].half, b.StationPtY[0][j]);
    }
    EXPECT_EQ(std::make_pair(t[12].slant, t[12].half), std::make_pair(t[11].slant, 0.9));
    // Entry 0 is (0, 0) whatever the keel point's half breadth.
    const EndPlateDev bow = ComputeBowPlateDev(b);
    EXPECT_NEAR(bow[13].slant, 1.3 * 1.25, 1e-12);
    EXPECT_EQ(std::make_pair(bow[13].half, bow[0].half), std::make_pair(0.3, 0.0));
}

TEST(EndPlates, BowPlateOnlyAboveAMillimetreAtTheForefoot) {
    Hull h = test::ValidatedDefaultHull();
    for (const auto& [half, plate] :
         {std::pair<double, bool>{0.001, false}, {0.0010001, true}, {0.0, false}}) {
        h.YFwd[1] = half;
        EXPECT_EQ(HasBowPlate(h), plate) << half;
    }
}

}  // namespace
}  // namespace voriel
