// Where the outlines of the plank DXF lie, over random hulls: plates stacked apart, the transom,
// max-beam section and bow plate clear to their right and apart from one another.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

#include "board/station_sections.h"
#include "export/development_dxf.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

struct Box {
    double x0 = HUGE_VAL, x1 = -HUGE_VAL, y0 = HUGE_VAL, y1 = -HUGE_VAL;
};

// The bounding box of each polyline of a DXF text, in file order, as a reader finds them: the
// value after each group code 10 (x) and 20 (y) of a vertex.
std::vector<Box> polylineBoxes(const std::string& text) {
    std::vector<Box> out;
    std::istringstream in(text);
    for (std::string code, value; std::getline(in, code) && std::getline(in, value);) {
        const int group = std::stoi(code);
        if (group == 0 && value == "POLYLINE\r") out.emplace_back();
        if (out.empty() || (group != 10 && group != 20)) continue;
        Box& b = out.back();
        const double v = std::stod(value);
        if (group == 10) b.x0 = std::min(b.x0, v), b.x1 = std::max(b.x1, v);
        if (group == 20) b.y0 = std::min(b.y0, v), b.y1 = std::max(b.y1, v);
    }
    return out;
}

TEST(DevelopmentDxf, PlatesAreStackedApartAndTheEndPlatesStandClearToTheRight) {
    for (uint32_t seed = 600; seed < 640; ++seed) {
        const Hull h = test::RandomHull(seed);
        BoardState board;
        board.ChineView = 1;
        ComputeAllStationSections(h, board);
        std::ostringstream out;
        WritePlankDxf(out, h, board);
        const std::vector<Box> boxes = polylineBoxes(out.str());
        ASSERT_GE(boxes.size(), 6u);
        double platesRight = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_GE(boxes[k].x0, -1e-4) << seed;  // every plate starts at x = 0 ...
            platesRight = std::max(platesRight, boxes[k].x1);
            if (k > 0) {
                EXPECT_GT(boxes[k].y0, boxes[k - 1].y1) << seed << " plate " << k;
            }
        }
        for (std::size_t k = 4; k < boxes.size(); ++k)
            EXPECT_GT(boxes[k].x0, platesRight) << seed << " outline " << k;
        for (std::size_t k = 5; k < boxes.size(); ++k)
            EXPECT_GT(boxes[k].y0, boxes[k - 1].y1 - 1e-9) << seed << " outline " << k;
    }
}

}  // namespace
}  // namespace voriel
