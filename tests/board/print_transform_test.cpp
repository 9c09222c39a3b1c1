// The print transform: standard scales and the scale bar's bands (a case table), and the fitted
// figure lying on the page for any hull (the default hull's pages are golden: tests/golden/print).
#include "board/print_transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "board/print_frame.h"
#include "board/print_page.h"
#include "support/case_lines.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

// The cases of tests/golden/print_transform/cases.txt (which says their form); every tick's label
// is its distance, the distances growing.
TEST(PrintScale, StandardScalesAndScaleBarTicks) {
    const auto cases = test::CaseLines("golden/print_transform/cases.txt");
    EXPECT_GE(cases.size(), 30u);  // the whole file was read
    for (const std::string& line : cases) {
        SCOPED_TRACE(line);
        const auto f = test::Split(line, '|');
        const double scale = std::stod(f[1]);
        if (f[0] == "scale") {
            EXPECT_NEAR(StandardPrintScale(scale), std::stod(f[2]), 1e-9);
            continue;
        }
        std::string labels;
        double previous = -1;
        for (const ScaleTick& t : ScaleBarTicks(scale)) {
            labels += (labels.empty() ? "" : " ") + t.label;
            EXPECT_GT(t.metres, previous);
            previous = t.metres;
            EXPECT_NEAR(std::stod(t.label), t.metres, 1e-9);
        }
        EXPECT_EQ(labels, f[2]);
    }
}

// Over random hulls on both papers: the scale is a standard one, and every point of the lines
// lands on the page in the plan and the profile, and on the body plan's sheet.
TEST(FitPrintViews, TheFigureLiesOnThePageAtAStandardScale) {
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE(seed);
        const Hull h = test::RandomHull(seed);
        for (const Paper paper : {Paper::A4, Paper::Letter}) {
            const PageArea page = PrintableArea(paper);
            const PrintTransform t = FitPrintViews(h, page.width, page.height);
            EXPECT_EQ(t.PrintScaleZ, -t.PrintScaleX);
            EXPECT_EQ(t.PrintScaleY, t.PrintScaleX);
            // Already standard: rounding it again (from just above, as it is single precision)
            // keeps it.
            EXPECT_NEAR(StandardPrintScale(t.PrintScaleX * (1 + 1e-6)), t.PrintScaleX,
                        1e-3 * t.PrintScaleX);
            for (int j = Chine1; j <= Sheer; ++j) {
                for (int p = 0; p < kPointCount; ++p) {
                    const float x = PrintX(t, h.LineX[j][p]);
                    EXPECT_TRUE(x >= 0.0f && x <= page.width) << x;
                    EXPECT_LE(PrintPlanY(t, h.LineY[j][p]), page.height);
                    EXPECT_GT(PrintProfileY(t, h.LineZ[j][p]), 800.0f);  // under the bar
                    for (const double side : {-1.0, 1.0}) {
                        const float bx = PrintBodyPlanSheetX(t, side * h.LineY[j][p]);
                        EXPECT_TRUE(bx >= 0.0f && bx <= page.width) << bx;
                    }
                }
            }
        }
    }
    Hull empty;  // a hull without lines gets a finite scale
    SetDefaultHull(empty);
    const PrintTransform t = FitPrintViews(empty, 10000.0f, 15000.0f);
    EXPECT_GT(t.PrintScaleX, 0.0f);
    EXPECT_TRUE(std::isfinite(t.PrintOriginX) && std::isfinite(t.PrintBodyPlanX));
}

}  // namespace
}  // namespace voriel
