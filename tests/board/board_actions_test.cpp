// Tests of the drawing board's buttons beyond the golden drawings of the default hull
// (tests/golden/drawing): the side each station is drawn on, the station box, a pram bow's plate.
#include "board/board_actions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "board/view_transform.h"
#include "canvas/recording_canvas.h"
#include "develop/panel_development.h"
#include "hull/definition_screens.h"
#include "support/recorded_calls.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

using test::FindLine;
using test::ReadRecording;
using test::RecordedCall;

// A hull redrawn at a stage, the recording then forgotten so that a test sees only its button.
struct Sheet {
    explicit Sheet(Hull h, int stage = 1) : hull(std::move(h)) {
        board.ChineView = static_cast<int16_t>(stage);
        RedrawBoard(hull, board, canvas);
        canvas.forget();
    }
    std::vector<RecordedCall> calls() const {
        bool ok = false;
        auto c = ReadRecording(canvas.recording(), ok);
        EXPECT_TRUE(ok);
        return c;
    }
    Hull hull;
    BoardState board;
    RecordingCanvas canvas;
};

Hull pramBowHull() {
    Hull h = test::ValidatedDefaultHull();
    Chine1Screen s1 = FillChine1Screen(h);
    s1.Text1[3] = "0.3";  // half width at the forefoot
    EXPECT_FALSE(ValidateChine1Screen(h, s1));
    Chines23Screen s2 = FillChines23Screen(h);
    EXPECT_FALSE(ValidateChines23Screen(h, s2));
    return h;
}

TEST(DrawStationClick, HalfBreadthsTowardTheBowUpToStation40TowardTheSternFrom41) {
    for (const int index : {40, 41}) {
        Sheet s(test::ValidatedDefaultHull());
        std::string box = BoxText(s.hull.LineX[Keel][index]);
        DrawStationClick(s.hull, s.board, box, s.canvas);
        ASSERT_EQ(s.board.StationIndex, index);
        const auto &x = s.board.StationPtX[index], &y = s.board.StationPtY[index],
                   &z = s.board.StationPtZ[index];
        const double side = index == 40 ? 1.0 : -1.0;
        const auto calls = s.calls();
        ASSERT_EQ(calls.size(), 15u);  // keel to sheer, back to the station, the station line
        const auto& first = calls[0];
        EXPECT_EQ(first.args, (std::vector<float>{ViewX(s.board, x[0]), ProfileY(s.board, z[0]),
                                                  ViewX(s.board, x[1] + side * y[1]),
                                                  ProfileY(s.board, z[1])}));
        EXPECT_EQ(first.color, s.hull.LineColor[4]);
        EXPECT_EQ(first.style, 0);
        EXPECT_GT(side * (first.args[2] - first.args[0]), 0.0f) << index;
        const float station = ViewX(s.board, x[0]);
        EXPECT_EQ(calls[13].args, (std::vector<float>{ViewX(s.board, x[13] + side * y[13]),
                                                      ProfileY(s.board, z[13]), station,
                                                      ProfileY(s.board, z[13])}));
        EXPECT_EQ(calls[14].args, (std::vector<float>{station, ProfileY(s.board, z[0]) + 100.0f,
                                                      station, ProfileY(s.board, z[13]) - 100.0f}));
        EXPECT_EQ(calls[14].style, 3);
        const std::string& r = s.canvas.recording();
        EXPECT_EQ(r.substr(r.size() - 20), "style 0\ncolor 0 0 0\n");
    }
}

TEST(DrawStationClick, TheBoxShowsTheStationChosen) {
    Sheet s(test::ValidatedDefaultHull());
    std::string box = "2,57";
    DrawStationClick(s.hull, s.board, box, s.canvas);
    EXPECT_EQ(box, "2.55");
    EXPECT_EQ(s.board.StationIndex, 35);
    // Stations accumulate on the sheet until the next redraw.
    box = "abc";
    DrawStationClick(s.hull, s.board, box, s.canvas);
    EXPECT_EQ(box, "0");
    EXPECT_EQ(s.board.StationIndex, 1);
    EXPECT_EQ(s.calls().size(), 30u);
}

TEST(DevelopClick, APramBowAddsItsPlateMeasuredAftFromStation80) {
    Sheet s(pramBowHull(), 1);
    ASSERT_GT(s.hull.YFwd[Chine1], 0.001);
    DevelopClick(s.hull, s.board, s.canvas);
    const auto calls = s.calls();
    const auto& b = s.board;
    const EndPlateDev bow = ComputeBowPlateDev(b);
    const double xb = s.hull.LineX[Keel][80];
    const float start = static_cast<float>(b.ViewScaleX * xb) + b.ViewOriginX;
    const int i = FindLine(calls, start, b.ViewOriginY,
                           static_cast<float>((xb - bow[1].slant) * b.ViewScaleX) + b.ViewOriginX,
                           static_cast<float>(b.ViewScaleY * bow[1].half) + b.ViewOriginY);
    ASSERT_GE(i, 0);
    EXPECT_EQ(calls[i].color, s.hull.LineColor[1]);
    EXPECT_EQ(calls[i].style, 0);
    // Chine 2 to chine 3, 50 twips further aft.
    const float x11 = static_cast<float>((xb - bow[11].slant) * b.ViewScaleX) + b.ViewOriginX;
    EXPECT_GE(FindLine(calls, x11 - 50.0f, b.ViewOriginY, x11 - 50.0f,
                       static_cast<float>(b.ViewScaleY * bow[11].half) + b.ViewOriginY, i),
              0);
    EXPECT_EQ(calls.back().op, "line");
}

}  // namespace
}  // namespace voriel
