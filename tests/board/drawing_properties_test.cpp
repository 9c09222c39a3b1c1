// Properties of the drawing board's sheet over seeded random hulls: every number drawn is finite
// and a redraw keeps the hull's lines on the sheet.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "board/board_actions.h"
#include "board/view_transform.h"
#include "canvas/recording_canvas.h"
#include "hydro/hydrostatics.h"
#include "support/recorded_calls.h"
#include "support/test_hulls.h"
#include "text/number_text.h"

namespace voriel {
namespace {

using test::ReadRecording;
using test::RecordedCall;

constexpr uint32_t kHulls = 100;

void expectFinite(const std::vector<RecordedCall>& calls, const std::string& what) {
    for (const auto& c : calls)
        for (const float v : c.args) ASSERT_TRUE(std::isfinite(v)) << what << " line " << c.line;
}

// Every point of the hull lines drawn at the stage, in plan, profile and body plan, lies on the
// sheet with the transform the redraw left.
void expectOnSheet(const Hull& h, const BoardState& b, int stage, float w, float ht,
                   const std::string& what) {
    // A point landing exactly on an edge may round a hair past it.
    constexpr float kRounding = 0.01f;
    const auto on = [&](float x, float y, const std::string& where) {
        ASSERT_TRUE(x >= -kRounding && x <= w + kRounding && y >= -kRounding && y <= ht + kRounding)
            << what << " " << where << " at " << x << ", " << y;
    };
    for (int p = 0; p < kPointCount; ++p) {
        const std::string at = " point " + std::to_string(p);
        for (int j = Keel; j <= (stage == 0 ? Chine1 : Sheer); ++j) {
            const std::string where = "line " + std::to_string(j) + at;
            on(ViewX(b, h.LineX[j][p]), PlanY(b, h.LineY[j][p]), where + " plan");
            on(ViewX(b, h.LineX[j][p]), ProfileY(b, h.LineZ[j][p]), where + " profile");
        }
        // The body plan shows the aft end and every fourth station from 5 right of its centre
        // line, the stations from 45 and the forward end left of it.
        if (p != 0 && p != kPointCount - 1 && (p - 1) % 4 != 0) continue;
        const double side = p <= 41 ? 1.0 : -1.0;
        for (int k = 0; k <= (stage == 0 ? 10 : 13); ++k)
            on(BodyPlanSheetX(b, side * b.StationPtY[p][k]), ProfileY(b, b.StationPtZ[p][k]),
               "section" + at);
    }
}

TEST(DrawingProperties, ARedrawKeepsTheHullOnTheSheetOfEveryRandomHull) {
    const struct {
        float w, h;
    } sheets[] = {
        {13800.0f, 7000.0f}, {8400.0f, 2000.0f}, {28800.0f, 16200.0f}, {9000.0f, 12000.0f}};
    for (uint32_t seed = 1; seed <= kHulls; ++seed) {
        const Hull hull = test::RandomHull(seed);
        for (const auto& s : sheets) {
            for (const int stage : {0, 1}) {
                BoardState board;
                board.ChineView = static_cast<int16_t>(stage);
                RecordingCanvas canvas(s.w, s.h);
                RedrawBoard(hull, board, canvas);
                bool ok = false;
                const auto calls = ReadRecording(canvas.recording(), ok);
                ASSERT_TRUE(ok);
                const std::string what = "seed " + std::to_string(seed) + " sheet " +
                                         std::to_string(s.w) + "x" + std::to_string(s.h) +
                                         " stage " + std::to_string(stage);
                expectFinite(calls, what);
                expectOnSheet(hull, board, stage, s.w, s.h, what);
            }
        }
    }
}

TEST(DrawingProperties, EveryActionDrawsFiniteNumbersOnEveryRandomHull) {
    for (uint32_t seed = 1; seed <= kHulls; ++seed) {
        const Hull hull = test::RandomHull(seed);
        BoardState board;
        board.ChineView = 1;
        RecordingCanvas canvas;
        RedrawBoard(hull, board, canvas);
        std::string box = Str(hull.XFwd[Keel] * (seed % 10) / 9.0);
        DrawStationClick(hull, board, box, canvas);
        DevelopClick(hull, board, canvas);
        HydroState hydro;
        FloatAtWaterline(hull, hydro, hull.LineZ[Chine1][hull.MaxBeamIndex]);
        DrawWaterline(hull, board, hydro, canvas);
        BoardMouseDown(board, canvas, 1, 2000.0f, 1000.0f);
        BoardMouseMove(board, canvas, 1, 2500.0f, 3000.0f);
        BoardMouseUp(hull, board, canvas, 1, 2600.0f, 3100.0f);
        BoardMouseDown(board, canvas, 2, 2000.0f, 1000.0f);
        BoardMouseMove(board, canvas, 2, 2500.0f, 3000.0f);
        BoardMouseUp(hull, board, canvas, 2, 1500.0f, 800.0f);
        bool ok = false;
        const auto calls = ReadRecording(canvas.recording(), ok);
        ASSERT_TRUE(ok);
        expectFinite(calls, "seed " + std::to_string(seed));
    }
}

}  // namespace
}  // namespace voriel
