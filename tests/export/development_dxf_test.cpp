// The plank, deck and station DXF files against their layouts, and where their outlines lie.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "board/station_sections.h"
#include "develop/end_plates.h"
#include "develop/panel_development.h"
#include "export/development_dxf.h"
#include "export/dxf_expect.h"
#include "export/export_commands.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

using test::ExpectDxfPolyline;
using test::ExpectDxfVertex;

BoardState redrawn(const Hull& h, int16_t stage) {
    BoardState b;
    b.ChineView = stage;
    ComputeAllStationSections(h, b);
    return b;
}

Hull pramBowHull(uint32_t from = 1) {
    for (uint32_t seed = from;; ++seed) {
        Hull h = test::RandomHull(seed);
        if (HasBowPlate(h)) return h;
    }
}

// A developed plate closed around both edges, placed oy up; returns the next row's oy and
// raises xAll to the plate's largest X.
double expectPlate(test::ExpectedFile& e, int c, const Development& d, int n, double oy,
                   double& xAll) {
    ExpectDxfPolyline(e, c);
    double xmax = 0, ymax = 0;
    for (int p = 0; p <= n; ++p) ExpectDxfVertex(e, c, d.DevXi[p], oy + d.DevYi[p], 0);
    for (int p = n; p >= 0; --p) ExpectDxfVertex(e, c, d.DevXs[p], oy + d.DevYs[p], 0);
    ExpectDxfVertex(e, c, d.DevXi[0], oy + d.DevYi[0], 0);
    test::ExpectDxfSeqEnd(e, true);
    for (int p = 0; p <= n; ++p) {
        xmax = std::max({xmax, d.DevXi[p], d.DevXs[p]});
        ymax = std::max({ymax, d.DevYi[p], d.DevYs[p]});
    }
    xAll = std::max(xAll, xmax);
    return 1.05 * ymax + oy + 0.05 * xmax;
}

void expectEndPlate(test::ExpectedFile& e, int c, const EndPlateDev& d, double ox, double oy) {
    ExpectDxfPolyline(e, c);
    for (int p = 0; p <= 13; ++p) ExpectDxfVertex(e, c, ox + d[p].half, oy + d[p].slant, 0);
    ExpectDxfVertex(e, c, ox, oy + d[13].slant, 0);
    for (int p = 13; p >= 0; --p) ExpectDxfVertex(e, c, ox - d[p].half, oy + d[p].slant, 0);
    test::ExpectDxfSeqEnd(e, true);
}

void expectSection(test::ExpectedFile& e, const BoardState& b, int p, double ox, double oy) {
    ExpectDxfPolyline(e, 6);
    const auto &x = b.StationPtX[p], &y = b.StationPtY[p], &z = b.StationPtZ[p];
    for (int j = 0; j <= 13; ++j) ExpectDxfVertex(e, 6, ox + y[j], oy + z[j], x[j]);
    ExpectDxfVertex(e, 6, ox + y[0], oy + z[13], x[13]);
    for (int j = 13; j >= 0; --j) ExpectDxfVertex(e, 6, ox - y[j], oy + z[j], x[j]);
    test::ExpectDxfSeqEnd(e);
}

test::ExpectedFile expectedPlankFile(const Hull& h, const BoardState& b) {
    test::ExpectedFile e;
    test::ExpectDxfHead(e, h.HullFileName + " - Planks  - development created with Voriel 2000");
    const Panel plates[] = {Panel::Bottom, Panel::Plank1, Panel::Plank2, Panel::Plank3};
    double oy = 0, xAll = 0;
    for (int k = 0; k <= (b.ChineView == 0 ? 0 : 3); ++k)
        oy = expectPlate(e, 7 - k, DevelopPanel(h, plates[k]), k == 0 ? 83 : 82, oy, xAll);
    const int m = h.MaxBeamIndex;
    const double halfBeam =
        std::max({0.0, h.LineY[1][m], h.LineY[2][m], h.LineY[3][m], h.LineY[4][m]});
    const double ox = 1.1 * xAll + halfBeam;
    const EndPlateDev transom = ComputeTransomDev(b);
    expectEndPlate(e, 7, transom, ox, 0);
    oy = 0.04 * ox + transom[13].slant + std::fabs(h.LineZ[0][m]);
    expectSection(e, b, m, ox, oy);
    oy = h.LineZ[4][m] - h.LineZ[0][m] + oy + 0.04 * ox;
    if (h.YFwd[1] > 0.001) expectEndPlate(e, 5, ComputeBowPlateDev(b), ox, oy);
    test::ExpectDxfEnd(e);
    return e;
}

test::ExpectedFile expectedDeckFile(const Hull& h, const BoardState& b) {
    test::ExpectedFile e;
    test::ExpectDxfHead(e, h.HullFileName + " - Decks  - development created with Voriel 2000");
    const Panel decks[] = {Panel::Deck1, Panel::Deck2, Panel::Deck3, Panel::Deck4};
    double oy = 0, xAll = 0;
    for (int k = 1; k <= (b.ChineView == 0 ? 1 : 4); ++k)
        oy = expectPlate(e, 8 - k, DevelopPanel(h, decks[k - 1]), 82, oy, xAll);
    test::ExpectDxfEnd(e);
    return e;
}

std::string plankFile(const Hull& h, const BoardState& b) {
    std::ostringstream out;
    WritePlankDxf(out, h, b);
    return out.str();
}

std::string deckFile(const Hull& h, const BoardState& b) {
    std::ostringstream out;
    WriteDeckDxf(out, h, b);
    return out.str();
}

TEST(DevelopmentDxf, DefaultHullPlankAndDeckFilesAtBothStagesFollowTheLayout) {
    Hull h = test::ValidatedDefaultHull();
    h.HullFileName = "DEFAULT HULL";
    for (const int16_t stage : {0, 1}) {
        const BoardState b = redrawn(h, stage);
        EXPECT_TRUE(expectedPlankFile(h, b).matches(plankFile(h, b))) << "stage " << stage;
        EXPECT_TRUE(expectedDeckFile(h, b).matches(deckFile(h, b))) << "stage " << stage;
    }
}

TEST(DevelopmentDxf, RandomHullsFollowTheLayoutWithAndWithoutPramBow) {
    int pramBows = 0;
    for (uint32_t seed = 500; seed < 520; ++seed) {
        const Hull h = test::RandomHull(seed);
        pramBows += HasBowPlate(h);
        for (const int16_t stage : {0, 1}) {
            const BoardState b = redrawn(h, stage);
            EXPECT_TRUE(expectedPlankFile(h, b).matches(plankFile(h, b))) << seed;
            EXPECT_TRUE(expectedDeckFile(h, b).matches(deckFile(h, b))) << seed;
        }
    }
    EXPECT_GT(pramBows, 0);
    EXPECT_LT(pramBows, 20);
}

// The outlines of the plank file as a reader finds them: colours and vertex counts.
std::vector<std::pair<int, std::size_t>> shape(const std::string& text) {
    std::vector<std::pair<int, std::size_t>> out;
    for (const auto& pl : test::ReadDxfPolylines(text))
        out.push_back({pl.colour, pl.vertices.size()});
    return out;
}

TEST(DevelopmentDxf, WhatEachFileHoldsAtEachStage) {
    using Shape = std::vector<std::pair<int, std::size_t>>;
    const Hull stem = test::ValidatedDefaultHull();  // pointed forefoot
    const Hull pram = pramBowHull();
    // Stage 0: the bottom (84 points a side, closed), the transom and the max-beam section (29
    // vertices each) and, with a pram bow, the bow plate; one half deck.
    EXPECT_EQ(shape(plankFile(stem, redrawn(stem, 0))), (Shape{{7, 169}, {7, 29}, {6, 29}}));
    EXPECT_EQ(shape(plankFile(pram, redrawn(pram, 0))),
              (Shape{{7, 169}, {7, 29}, {6, 29}, {5, 29}}));
    EXPECT_EQ(shape(deckFile(pram, redrawn(pram, 0))), (Shape{{7, 167}}));
    // Stage 1: bottom and three planks, then the companions; four half decks.
    EXPECT_EQ(shape(plankFile(stem, redrawn(stem, 1))),
              (Shape{{7, 169}, {6, 167}, {5, 167}, {4, 167}, {7, 29}, {6, 29}}));
    EXPECT_EQ(shape(plankFile(pram, redrawn(pram, 1))),
              (Shape{{7, 169}, {6, 167}, {5, 167}, {4, 167}, {7, 29}, {6, 29}, {5, 29}}));
    EXPECT_EQ(shape(deckFile(pram, redrawn(pram, 1))),
              (Shape{{7, 167}, {6, 167}, {5, 167}, {4, 167}}));
}

struct Box {
    double x0 = HUGE_VAL, x1 = -HUGE_VAL, y0 = HUGE_VAL, y1 = -HUGE_VAL;
};

Box boxOf(const test::ReadPolyline& pl) {
    Box b;
    for (const auto& v : pl.vertices) {
        b.x0 = std::min(b.x0, v[0]), b.x1 = std::max(b.x1, v[0]);
        b.y0 = std::min(b.y0, v[1]), b.y1 = std::max(b.y1, v[1]);
    }
    return b;
}

TEST(DevelopmentDxf, PlatesAreStackedApartAndTheEndPlatesStandClearToTheRight) {
    for (uint32_t seed = 600; seed < 640; ++seed) {
        const Hull h = test::RandomHull(seed);
        const auto polylines = test::ReadDxfPolylines(plankFile(h, redrawn(h, 1)));
        ASSERT_GE(polylines.size(), 6u);
        double platesRight = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const Box b = boxOf(polylines[k]);
            EXPECT_GE(b.x0, -1e-4) << seed;  // every plate starts at x = 0 ...
            platesRight = std::max(platesRight, b.x1);
            if (k > 0) {
                EXPECT_GT(b.y0, boxOf(polylines[k - 1]).y1) << seed << " plate " << k;
            }
        }
        for (std::size_t k = 4; k < polylines.size(); ++k)
            EXPECT_GT(boxOf(polylines[k]).x0, platesRight) << seed << " outline " << k;
        // The transom, the section and the bow plate do not overlap one another either.
        for (std::size_t k = 5; k < polylines.size(); ++k) {
            EXPECT_GT(boxOf(polylines[k]).y0, boxOf(polylines[k - 1]).y1 - 1e-9)
                << seed << " outline " << k;
        }
    }
}

TEST(DevelopmentDxf, StationFileOfTheChosenStation) {
    Hull h = test::ValidatedDefaultHull();
    h.HullFileName = "A VERY LONG HULL NAME";
    BoardState b = redrawn(h, 1);
    std::string box = "0,46";  // a decimal comma, between stations 7 and 8
    const auto files = StationDxfCommand(h, b, box);
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(b.StationIndex, 7);
    EXPECT_EQ(box, ".45");  // the box shows the X of station 7
    EXPECT_EQ(files[0].dialog.proposedName, "A VERY LONG HUL_STAT_07.DXF");
    EXPECT_EQ(files[0].dialog.title, "Voriel2000 - Save current station as DXF file");
    EXPECT_EQ(files[0].dialog.filter, "Station (*.DXF)|*.DXF");

    test::ExpectedFile e;
    test::ExpectDxfHead(e, "station  7");
    expectSection(e, b, 7, 0, 0);
    test::ExpectDxfEnd(e);
    EXPECT_TRUE(e.matches(ExportText(files[0], h, b)));
}

TEST(DevelopmentDxf, DialogsOfTheDevelopmentCommand) {
    Hull h = test::ValidatedDefaultHull();
    h.HullFileName = "Sloop";
    const auto files = DevelopmentDxfCommand(h, redrawn(h, 1));
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].dialog.proposedName, "Sloop_PLANK.DXF");
    EXPECT_EQ(files[0].dialog.title, "Voriel2000 - Save developed plank as DXF file");
    EXPECT_EQ(files[0].dialog.filter, "Plank (*_PLANK.DXF)|*.DXF");
    EXPECT_EQ(files[0].errorTitle, "Voriel2000 Saving plank development DXF");
    EXPECT_EQ(files[1].dialog.proposedName, "Sloop_DECK.DXF");
    EXPECT_EQ(files[1].dialog.title, "Voriel2000 - Save developed deck as DXF file");
    EXPECT_EQ(files[1].dialog.filter, "Deck (*_DECK.DXF)|*.DXF");
    EXPECT_EQ(files[1].errorTitle, "Voriel2000 Saving deck development DXF");
}

}  // namespace
}  // namespace voriel
