// The station chosen from the station box, and the station sections over random hulls.
#include "board/station_sections.h"

#include <gtest/gtest.h>

#include <cmath>

#include "hull/chine1.h"
#include "hull/definition_screens.h"
#include "support/case_lines.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

// The cases of tests/golden/station_box/cases.txt (which says their form).
TEST(ChooseStation, SnapsDownToTheStationGridAndClampsToItsEnds) {
    const Hull h = test::ValidatedDefaultHull();
    ASSERT_EQ(h.XFwd[0], 6.0);
    const auto cases = test::CaseLines("golden/station_box/cases.txt");
    EXPECT_GE(cases.size(), 10u);  // the whole file was read
    for (const std::string& line : cases) {
        const auto f = test::Split(line, '|');
        BoardState b;
        b.StationIndex = 50;
        b.StationX = 4.0;
        EXPECT_EQ(ChooseStation(h, b, f[0]), f[1]) << line;
        EXPECT_EQ(b.StationIndex, std::stoi(f[2])) << line;
        EXPECT_EQ(b.StationX, std::stod(f[3])) << line;
    }
}

// Every section runs from the keel point to the sheer point of its station, through chine 1,
// with finite coordinates; along the stem, where the section is not transverse, the heights are
// evenly spaced from keel to chine 1 and every point lies on the bottom surface. The station box
// shows the station's X after each click: clicking again must keep the same station, and any
// value inside a station's interval picks that station.
TEST(StationSections, SectionsJoinTheLinesAndTheBoxPicksTheStationItShows) {
    for (uint32_t seed = 1; seed <= 500; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Hull h = seed == 1 ? test::ValidatedDefaultHull() : test::RandomHull(seed);
        BoardState b;
        ComputeAllStationSections(h, b);
        const double tol = 1e-9 * h.XFwd[0];
        for (int p = 0; p < kPointCount; ++p) {
            const auto &x = b.StationPtX[p], &y = b.StationPtY[p], &z = b.StationPtZ[p];
            for (int j = 0; j < kSectionPointCount; ++j)
                ASSERT_TRUE(std::isfinite(x[j]) && std::isfinite(y[j]) && std::isfinite(z[j]))
                    << p << " " << j;
            ASSERT_EQ(x[0], h.LineX[Keel][p]);
            ASSERT_EQ(x[10], h.LineX[Chine1][p]);
            ASSERT_NEAR(z[0], h.LineZ[Keel][p], tol) << p;
            ASSERT_NEAR(z[10], h.LineZ[Chine1][p], tol) << p;
            EXPECT_TRUE(p == 82 || (y[0] == 0.0 && y[10] == h.LineY[Chine1][p])) << p;
            for (int line = Chine2; line <= Sheer; ++line) {
                const int j = 11 + line - Chine2;
                EXPECT_EQ(x[j], h.LineX[line][p]);
                EXPECT_EQ(y[j], h.LineY[line][p]);
                EXPECT_EQ(z[j], h.LineZ[line][p]);
            }
        }
        if (seed > 300) continue;
        const double step = h.LineX[Chine1][2] - h.LineX[Chine1][1];
        for (int k = 1; k <= 81; ++k) {
            const std::string shown = ChooseStation(h, b, BoxText(h.LineX[Keel][k]));
            ASSERT_EQ(b.StationIndex, k);
            EXPECT_EQ(shown, BoxText(h.LineX[Keel][k]));
            for (const double into : {0.5, 0.999}) {
                if (k == 81) continue;
                ChooseStation(h, b, BoxText(h.LineX[Keel][k] + into * step));
                ASSERT_EQ(b.StationIndex, k);
            }
        }
        const double z0 = h.LineZ[Keel][82], z1 = h.LineZ[Chine1][82];
        for (int j = 0; j <= 10; ++j) {
            const double x = b.StationPtX[82][j], y = b.StationPtY[82][j], z = b.StationPtZ[82][j];
            EXPECT_NEAR(z, z0 + (z1 - z0) * j / 10, tol);
            EXPECT_GE(y, 0.0);
            EXPECT_NEAR(BottomHeight(h, x, y), z, tol) << j;
        }
    }
}

}  // namespace
}  // namespace voriel
