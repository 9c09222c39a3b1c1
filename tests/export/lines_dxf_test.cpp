// The lines DXF against its layout, for the default hull and random hulls.
#include <gtest/gtest.h>

#include <sstream>

#include "board/station_sections.h"
#include "export/dxf_expect.h"
#include "export/lines_dxf.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

using test::ExpectDxfPolyline;
using test::ExpectDxfSeqEnd;
using test::ExpectDxfVertex;

// The file as its layout describes it: each line around both sides and closed, then the closed
// sections of the transom (white), stations 1, 5, ..., 81 (blue) and the forward end (white).
test::ExpectedFile expectedLinesDxf(const Hull& h, const BoardState& b) {
    test::ExpectedFile e;
    test::ExpectDxfHead(e, h.HullFileName + " - created with Voriel 2000");
    const int colours[] = {7, 6, 5, 4, 7};
    for (int j = 0; j < 5; ++j) {
        const int c = colours[j];
        ExpectDxfPolyline(e, c);
        for (int i = 0; i <= 82; ++i)
            ExpectDxfVertex(e, c, h.LineX[j][i], -h.LineY[j][i], h.LineZ[j][i]);
        for (int i = 82; i >= 0; --i)
            ExpectDxfVertex(e, c, h.LineX[j][i], h.LineY[j][i], h.LineZ[j][i]);
        ExpectDxfVertex(e, c, h.LineX[j][0], -h.LineY[j][0], h.LineZ[j][0]);
        ExpectDxfSeqEnd(e);
    }
    std::vector<std::pair<int, int>> sections{{0, 7}};
    for (int p = 1; p <= 81; p += 4) sections.push_back({p, 5});
    sections.push_back({82, 7});
    for (const auto& [p, c] : sections) {
        ExpectDxfPolyline(e, c);
        for (int j = 13; j >= 0; --j)
            ExpectDxfVertex(e, c, b.StationPtX[p][j], -b.StationPtY[p][j], b.StationPtZ[p][j]);
        for (int j = 1; j <= 13; ++j)
            ExpectDxfVertex(e, c, b.StationPtX[p][j], b.StationPtY[p][j], b.StationPtZ[p][j]);
        ExpectDxfSeqEnd(e);
    }
    test::ExpectDxfEnd(e);
    return e;
}

std::string linesDxf(const Hull& h, const BoardState& b) {
    std::ostringstream out;
    WriteLinesDxf(out, h, b);
    return out.str();
}

BoardState redrawn(const Hull& h) {
    BoardState b;
    b.ChineView = 1;
    ComputeAllStationSections(h, b);
    return b;
}

TEST(LinesDxf, DefaultHullFollowsTheLayoutLineByLine) {
    Hull h = test::ValidatedDefaultHull();
    h.HullFileName = "MY FIRST BOAT";  // blanks stay in the comment
    const BoardState b = redrawn(h);
    const std::string text = linesDxf(h, b);
    EXPECT_TRUE(expectedLinesDxf(h, b).matches(text));
    EXPECT_NE(text.find("999\r\nMY FIRST BOAT - created with Voriel 2000\r\n"), std::string::npos);
}

TEST(LinesDxf, RandomHullsFollowTheLayoutLineByLine) {
    for (uint32_t seed = 1; seed <= 25; ++seed) {
        const Hull h = test::RandomHull(seed);
        const BoardState b = redrawn(h);
        EXPECT_TRUE(expectedLinesDxf(h, b).matches(linesDxf(h, b))) << "seed " << seed;
    }
}

TEST(LinesDxf, FiveLinesAndTwentyThreeSectionsWithTheirVertexCounts) {
    const Hull h = test::ValidatedDefaultHull();
    const BoardState b = redrawn(h);
    const auto polylines = test::ReadDxfPolylines(linesDxf(h, b));
    ASSERT_EQ(polylines.size(), 5u + 1u + 21u + 1u);
    int blueSections = 0;
    for (std::size_t k = 0; k < polylines.size(); ++k) {
        const auto& pl = polylines[k];
        if (k < 5) {
            EXPECT_EQ(pl.vertices.size(), 167u);  // 83 points on each side and the closing one
            EXPECT_EQ(pl.vertices.front(), pl.vertices.back()) << "line " << k << " not closed";
        } else {
            EXPECT_EQ(pl.vertices.size(), 27u);  // 14 points, keel shared by both sides
            blueSections += pl.colour == 5;
            // Port and starboard halves mirror each other about the keel vertex.
            for (std::size_t j = 0; j < 13; ++j) {
                EXPECT_EQ(pl.vertices[j][0], pl.vertices[26 - j][0]);
                EXPECT_EQ(pl.vertices[j][1], -pl.vertices[26 - j][1]);
                EXPECT_EQ(pl.vertices[j][2], pl.vertices[26 - j][2]);
            }
        }
    }
    EXPECT_EQ(blueSections, 21);
    EXPECT_EQ(polylines[5].colour, 7);
    EXPECT_EQ(polylines.back().colour, 7);
}

}  // namespace
}  // namespace voriel
