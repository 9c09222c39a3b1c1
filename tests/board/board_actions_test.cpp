// The drawing board's buttons beyond the golden drawings of the default hull (tests/golden/drawing,
// station 35 only): the side a forward station is drawn on, and a pram bow's plate.
#include "board/board_actions.h"

#include <gtest/gtest.h>

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

// The recording of an action on a hull redrawn at stage 1, without the redraw.
template <typename Action>
std::vector<test::RecordedCall> actionOn(const Hull& hull, BoardState& board, Action action) {
    RecordingCanvas canvas;
    board.ChineView = 1;
    RedrawBoard(hull, board, canvas);
    canvas.forget();
    action(canvas);
    bool ok = false;
    auto calls = test::ReadRecording(canvas.recording(), ok);
    EXPECT_TRUE(ok);
    return calls;
}

TEST(DrawStationClick, HalfBreadthsTowardTheBowUpToStation40TowardTheSternFrom41) {
    const Hull h = test::ValidatedDefaultHull();
    for (const int index : {40, 41}) {
        BoardState b;
        std::string box = BoxText(h.LineX[Keel][index]);
        const auto calls = actionOn(h, b, [&](Canvas& c) { DrawStationClick(h, b, box, c); });
        ASSERT_EQ(b.StationIndex, index);
        ASSERT_EQ(calls.size(), 15u);  // keel to sheer, back to the station, the station line
        EXPECT_EQ(calls[0].args[0], ViewX(b, b.StationPtX[index][0]));
        EXPECT_GT((index == 40 ? 1 : -1) * (calls[0].args[2] - calls[0].args[0]), 0.0f);
    }
}

TEST(DevelopClick, APramBowAddsItsPlateMeasuredAftFromStation80) {
    Hull h = test::ValidatedDefaultHull();
    Chine1Screen s1 = FillChine1Screen(h);
    s1.Text1[3] = "0.3";  // half width at the forefoot
    ASSERT_FALSE(ValidateChine1Screen(h, s1));
    Chines23Screen s2 = FillChines23Screen(h);
    ASSERT_FALSE(ValidateChines23Screen(h, s2));
    ASSERT_GT(h.YFwd[Chine1], 0.001);
    BoardState b;
    const auto calls = actionOn(h, b, [&](Canvas& c) { DevelopClick(h, b, c); });
    const EndPlateDev bow = ComputeBowPlateDev(b);
    const double xb = h.LineX[Keel][80];
    const auto sheetX = [&](double x) {
        return static_cast<float>(x * b.ViewScaleX) + b.ViewOriginX;
    };
    const auto sheetY = [&](double y) {
        return static_cast<float>(y * b.ViewScaleY) + b.ViewOriginY;
    };
    const int i = test::FindLine(calls, sheetX(xb), b.ViewOriginY, sheetX(xb - bow[1].slant),
                                 sheetY(bow[1].half));
    ASSERT_GE(i, 0);
    EXPECT_EQ(calls[i].color, h.LineColor[1]);
    EXPECT_EQ(calls[i].style, 0);
    // Chine 2 to chine 3, 50 twips further aft.
    const float x11 = sheetX(xb - bow[11].slant) - 50.0f;
    EXPECT_GE(test::FindLine(calls, x11, b.ViewOriginY, x11, sheetY(bow[11].half), i), 0);
}

}  // namespace
}  // namespace voriel
