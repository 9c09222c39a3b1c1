// The print transform: standard scales, their band edges, the scale bar's bands, and the fitted
// figure lying on the page for any hull (the default hull's pages are golden: tests/golden/print).
#include "board/print_transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "board/print_frame.h"
#include "board/print_page.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

TEST(StandardPrintScale, RoundsDownToTheStandardScaleOfItsBand) {
    const struct {
        double in, out;
    } cases[] = {
        {1500, 1136},   {600, 568},     {300, 227.2},    // the worked cases
        {5000, 4544},   {2272, 2272},   {2271.9, 1136},  // multiples of 1136
        {1136, 1136},   {1135.9, 568},  {568.1, 568},    // 568 up to 1136
        {568, 568},     {567.9, 454.4}, {113.6, 113.6},  // steps of 113.6, 568 included
        {113.59, 56.8}, {56.8, 56.8},   {56.79, 51.12},  // steps of 56.8, then 5.68
        {5.68, 5.68},   {5.679, 5.679}, {1.5, 1.5},      // below 5.68 as computed
    };
    for (const auto& c : cases) EXPECT_NEAR(StandardPrintScale(c.in), c.out, 1e-9) << c.in;
}

// Each pair of ticks shows within its band; every label stands at its distance.
TEST(ScaleBarTicks, EachPairShowsWithinItsBandAndLabelsItsDistance) {
    const struct {
        double scale;
        const char* labels;
    } cases[] = {
        {11340, "0 .1 .2"},
        {11339, "0 .1 .2 1 2"},
        {5670.01, "0 .1 .2 1 2"},
        {5670, "0 1 2"},
        {1134, "0 1 2"},
        {1133.9, "0 1 2 10 20"},
        {567.01, "0 1 2 10 20"},
        {567, "0 10 20"},
        {113.39, "0 10 20 100 200"},
        {5.7, "0 100 200 1000 2000"},
        {1.0, "0 1000 2000 10000"},
        {0.5, "0 10000"},
    };
    for (const auto& c : cases) {
        std::string labels;
        double previous = -1;
        for (const ScaleTick& t : ScaleBarTicks(c.scale)) {
            labels += (labels.empty() ? "" : " ") + t.label;
            EXPECT_GT(t.metres, previous) << c.scale;
            previous = t.metres;
            const double shown = t.label[0] == '.' ? std::stod("0" + t.label) : std::stod(t.label);
            EXPECT_NEAR(shown, t.metres, 1e-9) << c.scale;
        }
        EXPECT_EQ(labels, c.labels) << c.scale;
    }
}

// Over random hulls on both papers: the scale is a standard one, and every point of the lines
// lands on the page in the plan and the profile, and on the body plan's sheet.
TEST(FitPrintViews, TheFigureLiesOnThePageAtAStandardScale) {
    for (uint32_t seed = 1; seed <= 60; ++seed) {
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
                    EXPECT_GE(x, 0.0f) << seed;
                    EXPECT_LE(x, page.width) << seed;
                    EXPECT_LE(PrintPlanY(t, h.LineY[j][p]), page.height) << seed;
                    EXPECT_GT(PrintProfileY(t, h.LineZ[j][p]), 800.0f) << seed;  // under the bar
                    for (const double side : {-1.0, 1.0}) {
                        const float bx = PrintBodyPlanSheetX(t, side * h.LineY[j][p]);
                        EXPECT_GE(bx, 0.0f) << seed;
                        EXPECT_LE(bx, page.width) << seed;
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
