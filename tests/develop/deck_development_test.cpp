// Tests of the half-deck development: the deck line unrolled in profile, half breadths kept.
#include "develop/deck_development.h"

#include <gtest/gtest.h>

#include <cmath>

#include "develop/panel_development.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

// Over many hulls and all four decks: the lower edge is the centreline, the upper edge carries
// the half breadths of the line, and the length along the edge is the line's length in profile.
TEST(DevelopDeck, UnrollsTheLineInProfileOnRandomHulls) {
    for (uint32_t seed = 1; seed <= 1000; ++seed) {
        const Hull h = test::RandomHull(seed);
        for (int k = 1; k <= 4; ++k) {
            const auto panel = static_cast<Panel>(static_cast<int>(Panel::Deck1) + k - 1);
            const Development deck = DevelopPanel(h, panel);
            ASSERT_EQ(deck.last, 82);
            double minX = HUGE_VAL, total = 0;
            for (int j = 0; j <= 82; ++j) {
                ASSERT_TRUE(std::isfinite(deck.DevXi[j]) && std::isfinite(deck.DevYs[j]));
                EXPECT_EQ(deck.DevYi[j], 0.0);
                EXPECT_EQ(deck.DevXs[j], deck.DevXi[j]);
                EXPECT_EQ(deck.DevYs[j], h.LineY[k][j]);
                minX = std::fmin(minX, deck.DevXi[j]);
                if (j > 0) {
                    const double dx = h.LineX[k][j] - h.LineX[k][j - 1];
                    const double dz = h.LineZ[k][j] - h.LineZ[k][j - 1];
                    total += dx == 0 ? 0 : std::sqrt(dx * dx + dz * dz);
                    EXPECT_GE(deck.DevXi[j], deck.DevXi[j - 1]) << "seed " << seed;
                }
            }
            EXPECT_EQ(minX, 0.0) << "seed " << seed << " deck " << k;
            EXPECT_NEAR(deck.DevXi[82] - deck.DevXi[0], total, 1e-12 * h.XFwd[0]);
        }
    }
}

// Two points with the same X add no length even at different heights (a vertical stem segment).
TEST(DevelopDeck, EqualXAddsNoLength) {
    LinePoints x{}, y{}, z{};
    for (int j = 0; j < kPointCount; ++j) {
        x[2][j] = 0.1 * j;
        y[2][j] = 0.5;
        z[2][j] = 0.3;
    }
    x[2][0] = x[2][1];
    z[2][0] = -0.4;  // the transom drops straight down
    x[2][82] = x[2][81];
    z[2][82] = 1.0;  // and so does the stem
    y[2][82] = 0.0;
    const Development d = DevelopDeck(80, 2, x, y, z);
    EXPECT_EQ(d.DevXi[0], 0.0);
    EXPECT_EQ(d.DevXi[1], 0.0);
    EXPECT_NEAR(d.DevXi[81], 8.0, 1e-12);
    EXPECT_EQ(d.DevXi[82], d.DevXi[81]);
    EXPECT_EQ(d.DevYs[82], 0.0);
}

// A line whose aft end lies ahead of its first station: point 0 goes aft of point 1 all the same
// (lengths only add), and the shift puts it at 0.
TEST(DevelopDeck, AftEndIsLaidAftOfTheFirstStation) {
    LinePoints x{}, y{}, z{};
    for (int j = 0; j < kPointCount; ++j) x[1][j] = 0.1 * (j - 1);
    x[1][0] = 0.3;
    const Development d = DevelopDeck(80, 1, x, y, z);
    EXPECT_EQ(d.DevXi[0], 0.0);
    EXPECT_NEAR(d.DevXi[1], 0.3, 1e-12);
    EXPECT_NEAR(d.DevXi[2], 0.4, 1e-12);
}

TEST(DevelopDeck, ArgumentsOutOfRangeDevelopNothing) {
    const Hull h = test::ValidatedDefaultHull();
    EXPECT_EQ(DevelopDeck(81, 1, h.LineX, h.LineY, h.LineZ).last, -1);
    EXPECT_EQ(DevelopDeck(80, 6, h.LineX, h.LineY, h.LineZ).last, -1);
}

}  // namespace
}  // namespace voriel
