// The fitted transform beyond the default hull's golden drawings (tests/golden/drawing): a line
// ending further aft, sheets of extreme shapes; and the left arrowhead, which no drawing uses yet.
#include "board/lines_views.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "board/arrowheads.h"
#include "board/view_fit.h"
#include "board/view_transform.h"
#include "canvas/recording_canvas.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

TEST(FitViews, ALineEndingFurtherAftSitsAt150Twips) {
    int found = 0;
    for (uint32_t seed = 1; seed <= 200 && found < 5; ++seed) {
        const Hull h = test::RandomHull(seed);
        double aft = -0.1 * h.XFwd[Chine1];
        for (int j = Chine1; j <= Sheer; ++j) aft = std::min(aft, h.LineX[j][0]);
        if (aft == -0.1 * h.XFwd[Chine1]) continue;
        ++found;
        BoardState b;
        FitViewTransform(h, b, 13800.0f, 7000.0f);
        EXPECT_NEAR(ViewX(b, aft), 150.0f, 0.01f) << "seed " << seed;
    }
    EXPECT_GT(found, 0);
}

TEST(FitViews, AWideShallowSheetTakesTheHeightTermATallNarrowOneTheWidthTerm) {
    const auto scale = [](float w, float ht) {
        BoardState b;
        FitViewTransform(test::ValidatedDefaultHull(), b, w, ht);
        return b.ViewScaleX;
    };
    EXPECT_EQ(scale(60000.0f, 7000.0f), scale(120000.0f, 7000.0f));
    EXPECT_LT(scale(60000.0f, 7000.0f), scale(60000.0f, 8000.0f));
    EXPECT_EQ(scale(13800.0f, 60000.0f), scale(13800.0f, 120000.0f));
    EXPECT_LT(scale(13800.0f, 60000.0f), scale(14800.0f, 60000.0f));
}

TEST(Arrowheads, ThreeSegmentsFromTheTipAndBackToIt) {
    RecordingCanvas canvas;
    canvas.moveTo(1000.0f, 2000.0f);
    ArrowLeft(canvas);
    EXPECT_EQ(canvas.recording(),
              "line 1000 2000 1100 1950\nline 1100 1950 1100 2050\nline 1100 2050 1000 2000\n");
    EXPECT_EQ(canvas.currentX(), 1000.0f);
    EXPECT_EQ(canvas.currentY(), 2000.0f);
}

}  // namespace
}  // namespace voriel
