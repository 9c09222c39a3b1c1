// Tests of the Develop button's choice of panels, colours and drawing offsets.
#include "develop/panel_development.h"

#include <gtest/gtest.h>

#include "board/station_sections.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

bool SameOutline(const Development& a, const Development& b) {
    return a.last == b.last && a.DevXi == b.DevXi && a.DevYi == b.DevYi && a.DevXs == b.DevXs &&
           a.DevYs == b.DevYs;
}

// All lines defined: bottom, three planks in the profile beside the aft ends of the lines above
// them, the transom from the aft section and a bow plate only for a pram bow.
TEST(DeveloperClick, SecondStageDevelopsPlanksTransomAndBowPlate) {
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        const Hull h = test::RandomHull(seed);
        BoardState b;
        b.ChineView = 1;
        ComputeAllStationSections(h, b);
        const BoardDevelopment d = DeveloperClick(h, b);
        ASSERT_EQ(d.panels.size(), 4u);
        EXPECT_EQ(d.panels[0].panel, Panel::Bottom);
        for (int k = 1; k <= 3; ++k) {
            const BoardPanel& p = d.panels[k];
            EXPECT_EQ(p.panel, static_cast<Panel>(k));
            EXPECT_EQ(p.count, 82);
            EXPECT_EQ(p.colour, k);
            EXPECT_EQ(p.dx, h.LineX[k + 1][0]);
            EXPECT_TRUE(SameOutline(p.outline, DevelopPanel(h, static_cast<Panel>(k))));
        }
        EXPECT_EQ(d.panels[1].dy, 0.0);
        EXPECT_EQ(d.panels[2].dy, (h.LineZ[3][0] + h.LineZ[2][0]) / 2);
        EXPECT_EQ(d.panels[3].dy, h.LineZ[4][0]);
        ASSERT_TRUE(d.transom.has_value());
        EXPECT_EQ((*d.transom)[13].half, h.LineY[Sheer][0]);
        EXPECT_EQ(d.bowPlate.has_value(), h.YFwd[1] > 0.001) << "seed " << seed;
        if (d.bowPlate) {
            EXPECT_EQ((*d.bowPlate)[13].half, h.LineY[Sheer][82]);
        }
    }
}

TEST(DeveloperClick, AnyOtherStageDevelopsNothing) {
    const Hull h = test::ValidatedDefaultHull();
    BoardState b;
    b.ChineView = 2;
    EXPECT_TRUE(DeveloperClick(h, b).panels.empty());
    b.ChineView = -1;
    EXPECT_TRUE(DeveloperClick(h, b).panels.empty());
}

}  // namespace
}  // namespace voriel
