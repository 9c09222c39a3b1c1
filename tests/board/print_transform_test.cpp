// The print transform: standard scales, their band edges, the scale bar's bands, and the fitted
// figure lying on the page for any hull.
#include "board/print_transform.h"

#include <gtest/gtest.h>

#include <algorithm>
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

std::vector<std::string> labels(double scale) {
    std::vector<std::string> out;
    for (const ScaleTick& t : ScaleBarTicks(scale)) out.push_back(t.label);
    return out;
}

using Labels = std::vector<std::string>;

TEST(ScaleBarTicks, EachPairShowsWithinItsBand) {
    EXPECT_EQ(labels(11340), (Labels{"0", ".1", ".2"}));
    EXPECT_EQ(labels(11339), (Labels{"0", ".1", ".2", "1", "2"}));
    EXPECT_EQ(labels(5670.01), (Labels{"0", ".1", ".2", "1", "2"}));
    EXPECT_EQ(labels(5670), (Labels{"0", "1", "2"}));
    EXPECT_EQ(labels(1136), (Labels{"0", "1", "2"}));
    EXPECT_EQ(labels(1134), (Labels{"0", "1", "2"}));
    EXPECT_EQ(labels(1133.9), (Labels{"0", "1", "2", "10", "20"}));
    EXPECT_EQ(labels(567.01), (Labels{"0", "1", "2", "10", "20"}));
    EXPECT_EQ(labels(567), (Labels{"0", "10", "20"}));
    EXPECT_EQ(labels(113.39), (Labels{"0", "10", "20", "100", "200"}));
    EXPECT_EQ(labels(5.7), (Labels{"0", "100", "200", "1000", "2000"}));
    EXPECT_EQ(labels(1.0), (Labels{"0", "1000", "2000", "10000"}));
    EXPECT_EQ(labels(0.5), (Labels{"0", "10000"}));
}

TEST(ScaleBarTicks, LabelsStandAtTheirDistances) {
    for (const double scale : {20000.0, 3000.0, 800.0, 60.0, 3.0, 0.2}) {
        const auto ticks = ScaleBarTicks(scale);
        ASSERT_FALSE(ticks.empty());
        EXPECT_EQ(ticks.front().metres, 0.0);
        for (std::size_t i = 1; i < ticks.size(); ++i) {
            EXPECT_LT(ticks[i - 1].metres, ticks[i].metres) << scale;
            const std::string expected =
                ticks[i].metres < 1
                    ? "." + std::to_string(static_cast<int>(ticks[i].metres * 10 + 0.5))
                    : std::to_string(static_cast<int>(ticks[i].metres + 0.5));
            EXPECT_EQ(ticks[i].label, expected) << scale;
        }
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
}

TEST(FitPrintViews, DefaultHullOnA4PrintsAtOneToFifty) {
    const Hull h = test::ValidatedDefaultHull();
    const PageArea a4 = PrintableArea(Paper::A4);
    const PrintTransform t = FitPrintViews(h, a4.width, a4.height);
    EXPECT_EQ(t.PrintScaleX, 1136.0f);
    EXPECT_FLOAT_EQ(t.PrintOriginY, 0.5f * a4.height + 300.0f);
    EXPECT_EQ(t.PrintOriginZ, t.PrintOriginY);
    EXPECT_FLOAT_EQ(PrintBodyPlanSheetX(t, 0.0), 0.5f * a4.width);
}

TEST(FitPrintViews, AHullWithoutLinesGetsAFiniteScale) {
    Hull h;
    SetDefaultHull(h);
    const PrintTransform t = FitPrintViews(h, 10000.0f, 15000.0f);
    EXPECT_GT(t.PrintScaleX, 0.0f);
    EXPECT_TRUE(std::isfinite(t.PrintOriginX));
    EXPECT_TRUE(std::isfinite(t.PrintBodyPlanX));
}

}  // namespace
}  // namespace voriel
