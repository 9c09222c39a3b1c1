// Tests of the lines drawing: the fitted transform, the grid and axes, the hull lines, the body
// plan and the arrowheads, read back from the recording canvas.
#include "board/lines_views.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "board/arrowheads.h"
#include "board/board_actions.h"
#include "board/view_fit.h"
#include "board/view_transform.h"
#include "canvas/recording_canvas.h"
#include "support/recorded_calls.h"
#include "support/test_hulls.h"
#include "text/number_text.h"

namespace voriel {
namespace {

using test::FindLine;
using test::ReadRecording;
using test::RecordedCall;

constexpr int kLast = kPointCount - 1;

std::vector<RecordedCall> redraw(const Hull& h, BoardState& b, int stage, float w = 13800.0f,
                                 float ht = 7000.0f) {
    b.ChineView = static_cast<int16_t>(stage);
    RecordingCanvas c(w, ht);
    RedrawBoard(h, b, c);
    bool ok = false;
    auto calls = ReadRecording(c.recording(), ok);
    EXPECT_TRUE(ok);
    return calls;
}

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

TEST(DrawGrid, OriginMarkCyanGridThenDashDotAxesAndSolidAgain) {
    const Hull h = test::ValidatedDefaultHull();
    BoardState b;
    FitViewTransform(h, b, 13800.0f, 7000.0f);
    RecordingCanvas c(13800.0f, 7000.0f);
    DrawGrid(h, b, c);
    bool ok = false;
    const auto calls = ReadRecording(c.recording(), ok);
    ASSERT_TRUE(ok);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls[0].op, "circle");
    EXPECT_EQ(calls[0].args, (std::vector<float>{b.ViewOriginX, b.ViewOriginZ, 50.0f}));
    EXPECT_EQ(calls[0].color, h.LineColor[4]);
    int solid = 0, dashDot = 0;
    std::vector<std::string> letters;
    for (const auto& call : calls) {
        if (call.op == "text") letters.push_back(call.text);
        if (call.op != "line") continue;
        EXPECT_EQ(call.color, kGridColor);
        (call.style == 0 ? solid : dashDot) += 1;
        EXPECT_TRUE(call.style == 0 || call.style == 3);
    }
    EXPECT_EQ(solid, 13 + 13 + 11 + 6);  // plan, profile, body-plan verticals, plan horizontals
    EXPECT_EQ(dashDot, 4 + 3 * 3);       // four axes, three arrowheads
    EXPECT_EQ(letters, (std::vector<std::string>{"Z", "X", " Y"}));
    EXPECT_TRUE(c.recording().size() > 8 &&
                c.recording().compare(c.recording().size() - 8, 8, "style 0\n") == 0);
    // The axes end 300 twips below the top and 100 twips short of the right edge.
    EXPECT_GE(
        FindLine(calls, BodyPlanSheetX(b, 0), b.ViewOriginY - 100.0f, BodyPlanSheetX(b, 0), 300.0f),
        0);
    const float base = ProfileY(b, 0.0);
    EXPECT_GE(FindLine(calls, ViewX(b, -h.XFwd[Keel] / 10), base, 13700.0f, base), 0);
}

TEST(DrawLines, NothingAfterTheGridIsDrawnDashDot) {
    const Hull h = test::ValidatedDefaultHull();
    for (const int stage : {0, 1}) {
        BoardState b;
        for (const auto& call : redraw(h, b, stage)) {
            if (call.op != "line" || call.color == kGridColor) continue;
            EXPECT_EQ(call.style, 0);
        }
    }
}

// The polyline of line j through points 0..82 is 82 consecutive segments.
void expectPolyline(const std::vector<RecordedCall>& calls, const std::vector<float>& xs,
                    const std::vector<float>& ys, int32_t color, const std::string& what) {
    const int first = FindLine(calls, xs[0], ys[0], xs[1], ys[1]);
    ASSERT_GE(first, 0) << what;
    const int last = FindLine(calls, xs[kLast - 1], ys[kLast - 1], xs[kLast], ys[kLast], first);
    EXPECT_EQ(last - first, kLast - 1) << what;
    EXPECT_EQ(calls[first].color, color) << what;
    EXPECT_EQ(calls[first].style, 0) << what;
}

std::vector<float> sheetXs(const Hull& h, const BoardState& b, int j) {
    std::vector<float> v;
    for (int p = 0; p < kPointCount; ++p) v.push_back(ViewX(b, h.LineX[j][p]));
    return v;
}

std::vector<float> planYs(const Hull& h, const BoardState& b, int j) {
    std::vector<float> v;
    for (int p = 0; p < kPointCount; ++p) v.push_back(PlanY(b, h.LineY[j][p]));
    return v;
}

std::vector<float> profileYs(const Hull& h, const BoardState& b, int j) {
    std::vector<float> v;
    for (int p = 0; p < kPointCount; ++p) v.push_back(ProfileY(b, h.LineZ[j][p]));
    return v;
}

bool hasText(const std::vector<RecordedCall>& calls, const std::string& text, int32_t color) {
    return std::any_of(calls.begin(), calls.end(), [&](const RecordedCall& c) {
        return c.op == "text" && c.text == text && c.color == color;
    });
}

TEST(DrawLines, Stage0KeelAndChine1InPlanAndProfileWithTheMaxBeamDimension) {
    const Hull h = test::ValidatedDefaultHull();
    BoardState b;
    const auto calls = redraw(h, b, 0);
    for (const int j : {Keel, Chine1}) {
        const std::string what = "line " + std::to_string(j);
        expectPolyline(calls, sheetXs(h, b, j), planYs(h, b, j), h.LineColor[0], what + " plan");
        expectPolyline(calls, sheetXs(h, b, j), profileYs(h, b, j), h.LineColor[0],
                       what + " profile");
    }
    for (int j = Chine2; j <= Sheer; ++j)
        EXPECT_LT(FindLine(calls, ViewX(b, h.LineX[j][0]), PlanY(b, h.LineY[j][0]),
                           ViewX(b, h.LineX[j][1]), PlanY(b, h.LineY[j][1])),
                  0);
    const int m = h.MaxBeamIndex;
    const float x = ViewX(b, h.LineX[Chine1][m]);
    const int dimension = FindLine(calls, x, b.ViewOriginY, x, PlanY(b, h.LineY[Chine1][m]));
    ASSERT_GE(dimension, 0);
    EXPECT_EQ(FindLine(calls, x, PlanY(b, h.LineY[Chine1][m]), x - 50.0f,
                       PlanY(b, h.LineY[Chine1][m]) - 100.0f),
              dimension + 1);  // the arrowhead at the chine
    for (const double v : {h.LineX[Chine1][m], h.LineY[Chine1][m], h.XFwd[Keel]})
        EXPECT_TRUE(hasText(calls, Format(v, "0.0##"), h.LineColor[0])) << v;
    EXPECT_TRUE(hasText(calls, "6.0", h.LineColor[0]));
}

TEST(DrawLines, Stage1EachLineClosesOnTheLineBelowInTheProfile) {
    const Hull h = test::ValidatedDefaultHull();
    BoardState b;
    const auto calls = redraw(h, b, 1);
    for (int j = Chine2; j <= Sheer; ++j) {
        const std::string what = "line " + std::to_string(j);
        const auto xs = sheetXs(h, b, j), zs = profileYs(h, b, j);
        const auto xb = sheetXs(h, b, j - 1), zb = profileYs(h, b, j - 1);
        const int aft = FindLine(calls, xb[0], zb[0], xs[0], zs[0]);
        ASSERT_GE(aft, 0) << what;
        EXPECT_EQ(FindLine(calls, xs[0], zs[0], xs[1], zs[1], aft), aft + 1) << what;
        EXPECT_EQ(FindLine(calls, xs[kLast], zs[kLast], xb[kLast], zb[kLast], aft), aft + 83)
            << what;
        EXPECT_EQ(calls[aft].color, h.LineColor[j - 1]) << what;
        expectPolyline(calls, xs, planYs(h, b, j), h.LineColor[j - 1], what + " plan");
    }
    // The default hull keeps every turn-in flag but the sheer's: only the sheer closes on chine 3
    // at the transom and the stem in the plan.
    for (const int p : {0, kLast}) {
        for (int j = Chine2; j <= Sheer; ++j) {
            const int edge =
                FindLine(calls, ViewX(b, h.LineX[j - 1][p]), PlanY(b, h.LineY[j - 1][p]),
                         ViewX(b, h.LineX[j][p]), PlanY(b, h.LineY[j][p]));
            EXPECT_EQ(edge >= 0, j == Sheer) << "line " << j << " point " << p;
        }
    }
    // The extreme ends are dimensioned in the colour of their line.
    const int fwd = h.LineX[Sheer][kLast] < h.LineX[Chine3][kLast] ? Chine3 : Sheer;
    const int aft = h.LineX[Sheer][0] >= h.LineX[Chine3][0] ? Chine3 : Sheer;
    EXPECT_TRUE(hasText(calls, Format(h.LineX[fwd][kLast], "0.0##"), h.LineColor[fwd - 1]));
    EXPECT_TRUE(hasText(calls, Format(h.LineX[aft][0], "0.0##"), h.LineColor[aft - 1]));
}

TEST(DrawBodyPlan, AftSectionsRightOfTheCentreLineForwardOnesLeft) {
    const Hull h = test::ValidatedDefaultHull();
    for (const int stage : {0, 1}) {
        BoardState b;
        const auto calls = redraw(h, b, stage);
        const int first = stage == 0 ? 0 : 10, last = stage == 0 ? 10 : 13;
        std::vector<std::pair<int, double>> sections = {{0, 1.0}};
        for (int p = 5; p <= 41; p += 4) sections.push_back({p, 1.0});
        for (int p = 45; p <= 81; p += 4) sections.push_back({p, -1.0});
        sections.push_back({kLast, -1.0});
        ASSERT_EQ(sections.size(), 22u);
        for (const auto& [p, side] : sections) {
            const auto &y = b.StationPtY[p], &z = b.StationPtZ[p];
            const auto at = [&](int j) {
                return std::make_pair(BodyPlanSheetX(b, side * y[j]), ProfileY(b, z[j]));
            };
            const int start = FindLine(calls, at(first).first, at(first).second,
                                       at(first + 1).first, at(first + 1).second);
            ASSERT_GE(start, 0) << "stage " << stage << " section " << p;
            EXPECT_EQ(calls[start].color, h.LineColor[0]);
            for (int j = first + 1; j < last; ++j)
                EXPECT_EQ(FindLine(calls, at(j).first, at(j).second, at(j + 1).first,
                                   at(j + 1).second, start + j - first),
                          start + j - first)
                    << "stage " << stage << " section " << p << " point " << j;
            // The widest point lies on the section's own side of the centre line.
            const float centre = BodyPlanSheetX(b, 0.0);
            EXPECT_GE(side * (at(last).first - centre), 0.0) << p;
            if (y[last] > 0.01) {
                EXPECT_GT(side * (at(last).first - centre), 0.0) << p;
            }
        }
        // A station between the drawn ones is not in the body plan.
        const auto &y = b.StationPtY[3], &z = b.StationPtZ[3];
        EXPECT_LT(FindLine(calls, BodyPlanSheetX(b, y[first]), ProfileY(b, z[first]),
                           BodyPlanSheetX(b, y[first + 1]), ProfileY(b, z[first + 1])),
                  0);
    }
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
