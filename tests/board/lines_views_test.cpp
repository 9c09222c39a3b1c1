// Tests of the lines drawing: the fitted transform on sheets of every shape and random hulls, and
// the arrowheads (the drawings of the default hull are golden files: tests/golden/drawing).
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

constexpr int kLast = kPointCount - 1;

TEST(FitViews, OneScaleForAllViewsTheAftLimit150TwipsFromTheLeftEdge) {
    const Hull h = test::ValidatedDefaultHull();
    BoardState b;
    FitViewTransform(h, b, 13800.0f, 7000.0f);
    EXPECT_GT(b.ViewScaleX, 0.0f);
    EXPECT_EQ(b.ViewScaleY, b.ViewScaleX);
    EXPECT_EQ(b.ViewScaleZ, -b.ViewScaleX);
    // The default hull's lines all end forward of a tenth of its length abaft the transom.
    EXPECT_NEAR(ViewX(b, -0.1 * h.XFwd[Chine1]), 150.0f, 0.01f);
    // The keel sits a little over 100 twips above the middle, the plan below the middle, the body
    // plan right of every line.
    const float keel = ProfileY(b, h.LineZ[Keel][h.MaxBeamIndex]);
    EXPECT_LE(keel, 3500.0f - 100.0f);
    EXPECT_GT(keel, 3500.0f - 300.0f);
    EXPECT_GT(b.ViewOriginY, 3500.0f);
    for (int j = Keel; j <= Sheer; ++j) {
        EXPECT_LT(PlanY(b, h.LineY[j][h.MaxBeamIndex]), 7000.0f);
        EXPECT_GT(b.BodyPlanX, h.LineX[j][kLast]);
    }
}

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
    const Hull h = test::ValidatedDefaultHull();
    const auto scale = [&h](float w, float ht) {
        BoardState b;
        FitViewTransform(h, b, w, ht);
        return b.ViewScaleX;
    };
    EXPECT_EQ(scale(60000.0f, 7000.0f), scale(120000.0f, 7000.0f));
    EXPECT_LT(scale(60000.0f, 7000.0f), scale(60000.0f, 8000.0f));
    EXPECT_EQ(scale(13800.0f, 60000.0f), scale(13800.0f, 120000.0f));
    EXPECT_LT(scale(13800.0f, 60000.0f), scale(14800.0f, 60000.0f));
}

TEST(Arrowheads, ThreeSegmentsFromTheTipAndBackToIt) {
    const struct {
        void (*arrow)(Canvas&);
        const char* expected;
    } cases[] = {
        {ArrowRight, "line 1000 2000 900 1950\nline 900 1950 900 2050\nline 900 2050 1000 2000\n"},
        {ArrowDown, "line 1000 2000 950 1900\nline 950 1900 1050 1900\nline 1050 1900 1000 2000\n"},
        {ArrowLeft,
         "line 1000 2000 1100 1950\nline 1100 1950 1100 2050\nline 1100 2050 1000 2000\n"},
        {ArrowUp, "line 1000 2000 950 2100\nline 950 2100 1050 2100\nline 1050 2100 1000 2000\n"},
    };
    for (const auto& c : cases) {
        RecordingCanvas canvas;
        canvas.moveTo(1000.0f, 2000.0f);
        c.arrow(canvas);
        EXPECT_EQ(canvas.recording(), c.expected);
        EXPECT_EQ(canvas.currentX(), 1000.0f);
        EXPECT_EQ(canvas.currentY(), 2000.0f);
    }
}

}  // namespace
}  // namespace voriel
