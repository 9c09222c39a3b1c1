// The export files of many random hulls: every number finite, and the plank DXF's outlines where
// a reader finds them apart: plates stacked, the transom, max-beam section and bow plate clear to
// their right and apart from one another.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <tuple>
#include <vector>

#include "board/station_sections.h"
#include "export/export_commands.h"
#include "support/finite_text.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

using test::NonFiniteWord;

struct Box {
    double x0 = HUGE_VAL, x1 = -HUGE_VAL, y0 = HUGE_VAL, y1 = -HUGE_VAL;
};

// The bounding box of each polyline of a DXF text, in file order, as a reader finds them: the
// value after each group code 10 (x) and 20 (y) of a vertex.
std::vector<Box> PolylineBoxes(const std::string& text) {
    std::vector<Box> out;
    std::istringstream in(text);
    for (std::string code, value; std::getline(in, code) && std::getline(in, value);) {
        const int group = std::stoi(code);
        if (group == 0 && value == "POLYLINE\r") out.emplace_back();
        if (out.empty() || (group != 10 && group != 20)) continue;
        auto [lo, hi] = group == 10 ? std::tie(out.back().x0, out.back().x1)
                                    : std::tie(out.back().y0, out.back().y1);
        lo = std::min(lo, std::stod(value)), hi = std::max(hi, std::stod(value));
    }
    return out;
}

void ExpectPlatesApart(const std::string& plankDxf, uint32_t seed) {
    const std::vector<Box> boxes = PolylineBoxes(plankDxf);
    ASSERT_GE(boxes.size(), 6u) << seed;
    double platesRight = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_GE(boxes[k].x0, -1e-4) << seed;  // every plate starts at x = 0 ...
        platesRight = std::max(platesRight, boxes[k].x1);
        EXPECT_TRUE(k == 0 || boxes[k].y0 > boxes[k - 1].y1) << seed << " plate " << k;
    }
    for (std::size_t k = 4; k < boxes.size(); ++k)
        EXPECT_GT(boxes[k].x0, platesRight) << seed << " outline " << k;
    for (std::size_t k = 5; k < boxes.size(); ++k)
        EXPECT_GT(boxes[k].y0, boxes[k - 1].y1 - 1e-9) << seed << " outline " << k;
}

TEST(RandomHullExports, NumbersAreFiniteAndThePlatesLieApart) {
    EXPECT_NE(NonFiniteWord("  1.0000 \r\n" + std::string("NaN ")), std::string::npos);
    EXPECT_NE(NonFiniteWord(" -Inf\t +0.000 "), std::string::npos);
    EXPECT_EQ(NonFiniteWord("    NavigationInfo { headlight FALSE } "), std::string::npos);
    for (uint32_t seed = 600; seed < 1100; seed = seed == 639 ? 1000 : seed + 1) {
        const Hull h = test::RandomHull(seed);
        for (const int16_t stage : {0, 1}) {
            BoardState b;
            b.ChineView = stage;
            ComputeAllStationSections(h, b);
            std::string box = std::to_string(seed % 23) + ",5";
            for (const ExportFile& f : EveryExportFile(h, b, box)) {
                const std::string text = ExportText(f, h, b);
                EXPECT_EQ(NonFiniteWord(text), std::string::npos)
                    << "seed " << seed << " stage " << stage << " " << f.dialog.proposedName;
                if (stage == 1 && f.kind == ExportKind::PlankDxf) ExpectPlatesApart(text, seed);
            }
        }
        if (HasFailure()) break;
    }
}

}  // namespace
}  // namespace voriel
