// The drawing board's sheet beyond the default hull's golden drawings (tests/golden/drawing): the
// fitted transform for sheets of extreme shapes, the left arrowhead (which no drawing uses yet),
// and over seeded random hulls: every number drawn is finite and a redraw keeps the hull's lines
// on the sheet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "board/arrowheads.h"
#include "board/board_actions.h"
#include "board/view_fit.h"
#include "board/view_transform.h"
#include "canvas/recording_canvas.h"
#include "hydro/hydrostatics.h"
#include "support/recorded_calls.h"
#include "support/test_hulls.h"
#include "text/number_text.h"

namespace voriel {
namespace {

void expectFiniteRecording(const RecordingCanvas& canvas) {
    bool ok = false;
    for (const auto& c : test::ReadRecording(canvas.recording(), ok))
        for (const float v : c.args) ASSERT_TRUE(std::isfinite(v)) << "line " << c.line;
    ASSERT_TRUE(ok);
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

// Every point of the hull lines drawn at the stage, in plan, profile and body plan, lies on the
// sheet with the transform the redraw left (a point exactly on an edge may round a hair past it),
// the aft limit (a tenth of chine 1 aft of station 0, or a line ending further aft) at 150 twips.
// The body plan shows the aft end and every fourth station from 5 right of its centre line, the
// stations from 45 and the forward end left of it. Then every action draws finite numbers.
TEST(DrawingProperties, ARedrawKeepsTheHullOnTheSheetAndEveryActionDrawsFiniteNumbers) {
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Hull h = test::RandomHull(seed);
        double aft = -0.1 * h.XFwd[Chine1];
        for (int j = Chine1; j <= Sheer; ++j) aft = std::min(aft, h.LineX[j][0]);
        const float sheets[][2] = {{13800, 7000}, {8400, 2000}, {28800, 16200}, {9000, 12000}};
        for (const auto& [w, ht] : sheets) {
            for (const int stage : {0, 1}) {
                SCOPED_TRACE("sheet " + std::to_string(w) + "x" + std::to_string(ht) + " stage " +
                             std::to_string(stage));
                BoardState b;
                b.ChineView = static_cast<int16_t>(stage);
                RecordingCanvas canvas(w, ht);
                RedrawBoard(h, b, canvas);
                expectFiniteRecording(canvas);
                EXPECT_NEAR(ViewX(b, aft), 150.0f, 0.01f);
                const auto on = [&](float x, float y, int line, int p) {
                    ASSERT_TRUE(x >= -0.01f && x <= w + 0.01f && y >= -0.01f && y <= ht + 0.01f)
                        << "line " << line << " point " << p << " at " << x << ", " << y;
                };
                for (int p = 0; p < kPointCount; ++p) {
                    for (int j = Keel; j <= (stage == 0 ? Chine1 : Sheer); ++j) {
                        on(ViewX(b, h.LineX[j][p]), PlanY(b, h.LineY[j][p]), j, p);
                        on(ViewX(b, h.LineX[j][p]), ProfileY(b, h.LineZ[j][p]), j, p);
                    }
                    if (p != 0 && p != kPointCount - 1 && (p - 1) % 4 != 0) continue;
                    for (int k = 0; k <= (stage == 0 ? 10 : 13); ++k)
                        on(BodyPlanSheetX(b, (p <= 41 ? 1 : -1) * b.StationPtY[p][k]),
                           ProfileY(b, b.StationPtZ[p][k]), -1, p);
                }
            }
        }
        BoardState board;
        board.ChineView = 1;
        RecordingCanvas canvas;
        RedrawBoard(h, board, canvas);
        std::string box = Str(h.XFwd[Keel] * (seed % 10) / 9.0);
        DrawStationClick(h, board, box, canvas);
        DevelopClick(h, board, canvas);
        HydroState hydro;
        FloatAtWaterline(h, hydro, h.LineZ[Chine1][h.MaxBeamIndex]);
        DrawWaterline(h, board, hydro, canvas);
        for (const auto& [button, upX, upY] :
             {std::tuple{1, 2600.0f, 3100.0f}, {2, 1500.0f, 800.0f}}) {
            BoardMouseDown(board, canvas, button, 2000.0f, 1000.0f);
            BoardMouseMove(board, canvas, button, 2500.0f, 3000.0f);
            BoardMouseUp(h, board, canvas, button, upX, upY);
        }
        expectFiniteRecording(canvas);
    }
}

}  // namespace
}  // namespace voriel
