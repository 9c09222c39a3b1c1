// The drawing board's buttons and mouse beyond the golden drawings of the default hull
// (tests/golden/drawing: station 35, one zoom and one pan): the side a forward station is drawn
// on, a pram bow's plate, the narrow zoom box, the cap, the rubber bands erased wherever the
// button comes up, and the clicks that leave no mark.
#include "board/board_actions.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "board/view_transform.h"
#include "board/zoom_pan.h"
#include "canvas/recording_canvas.h"
#include "develop/panel_development.h"
#include "hull/definition_screens.h"
#include "support/recorded_calls.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

using Transform = std::tuple<float, float, float, float, float, float>;

Transform transformOf(const BoardState& b) {
    return {b.ViewScaleX, b.ViewScaleY, b.ViewScaleZ, b.ViewOriginX, b.ViewOriginY, b.ViewOriginZ};
}

// The default hull redrawn at stage 1 on a 9000 x 6000 sheet.
class BoardTest : public ::testing::Test {
protected:
    void SetUp() override { redraw(); }
    void redraw() {
        board_.ChineView = 1;
        RedrawBoard(hull_, board_, canvas_);
        fitted_ = board_;
    }
    // The calls an action makes on a blank recording.
    template <typename Action>
    std::vector<test::RecordedCall> calls(Action action) {
        canvas_.forget();
        action();
        bool ok = false;
        auto calls = test::ReadRecording(canvas_.recording(), ok);
        EXPECT_TRUE(ok);
        return calls;
    }
    // A drag (from the fitted view unless told otherwise) on a blank recording.
    void drag(int button, float x1, float y1, std::initializer_list<std::pair<float, float>> moves,
              float x2, float y2, bool fromFitted = true) {
        if (fromFitted) board_ = fitted_;
        canvas_.forget();
        BoardMouseDown(board_, canvas_, button, x1, y1);
        for (const auto& [x, y] : moves) BoardMouseMove(board_, canvas_, button, x, y);
        BoardMouseUp(hull_, board_, canvas_, button, x2, y2);
    }
    bool fitted() const { return transformOf(board_) == transformOf(fitted_); }

    Hull hull_ = test::ValidatedDefaultHull();
    BoardState board_, fitted_;
    RecordingCanvas canvas_{9000.0f, 6000.0f};
};

// A station's half breadths are laid toward the bow up to station 40, toward the stern from 41.
TEST_F(BoardTest, DrawStationLaysHalfBreadthsTowardTheBowUpToStation40) {
    for (const int index : {40, 41}) {
        std::string box = BoxText(hull_.LineX[Keel][index]);
        const auto c = calls([&] { DrawStationClick(hull_, board_, box, canvas_); });
        ASSERT_EQ(board_.StationIndex, index);
        ASSERT_EQ(c.size(), 15u);  // keel to sheer, back to the station, the station line
        const auto &x = board_.StationPtX[index], &y = board_.StationPtY[index];
        EXPECT_EQ(c[0].args[0], ViewX(board_, x[0]));
        EXPECT_EQ(c[0].args[2], ViewX(board_, x[1] + (index == 40 ? 1 : -1) * y[1]));
    }
}

TEST_F(BoardTest, DevelopClickOfAPramBowAddsItsPlateMeasuredAftFromStation80) {
    Chine1Screen s1 = FillChine1Screen(hull_);
    s1.Text1[3] = "0.3";  // half width at the forefoot
    ASSERT_FALSE(ValidateChine1Screen(hull_, s1));
    Chines23Screen s2 = FillChines23Screen(hull_);
    ASSERT_FALSE(ValidateChines23Screen(hull_, s2));
    ASSERT_GT(hull_.YFwd[Chine1], 0.001);
    redraw();
    const auto c = calls([&] { DevelopClick(hull_, board_, canvas_); });
    const EndPlateDev bow = ComputeBowPlateDev(board_);
    const double xb = hull_.LineX[Keel][80];
    const auto sheetX = [&](double x) {
        return static_cast<float>(x * board_.ViewScaleX) + board_.ViewOriginX;
    };
    const auto sheetY = [&](double y) {
        return static_cast<float>(y * board_.ViewScaleY) + board_.ViewOriginY;
    };
    const int i = test::FindLine(c, sheetX(xb), board_.ViewOriginY, sheetX(xb - bow[1].slant),
                                 sheetY(bow[1].half));
    ASSERT_GE(i, 0);
    EXPECT_EQ(c[i].color, hull_.LineColor[1]);
    EXPECT_EQ(c[i].style, 0);
    // Chine 2 to chine 3, 50 twips further aft.
    const float x11 = sheetX(xb - bow[11].slant) - 50.0f;
    EXPECT_GE(test::FindLine(c, x11, board_.ViewOriginY, x11, sheetY(bow[11].half), i), 0);
}

// Boxes 299 twips wide do not zoom, whatever their height; 300 x 10 zooms by 27 (0.9 * 9000 /
// 300), its width setting the scale; either way the box may be dragged in both directions. (The
// box's centre brought to the sheet's: the golden drawing stage1_zoom_pan.)
TEST_F(BoardTest, OnlyBoxesFrom300TwipsWideZoomAndTheyCentreOnTheSheet) {
    ASSERT_LT(fitted_.ViewScaleX * 27, kMaxViewScale);
    for (const auto& [x1, y1, x2, y2] : {std::array{1000.0f, 500.0f, 1299.0f, 500.0f},
                                         {1000.0f, 500.0f, 1299.0f, 510.0f},
                                         {1000.0f, 500.0f, 1299.0f, 5500.0f},
                                         {1000.0f, 2000.0f, 1300.0f, 2010.0f}}) {
        SCOPED_TRACE(std::to_string(x2 - x1) + " x " + std::to_string(y2 - y1));
        drag(1, x1, y1, {{1200.0f, 900.0f}}, x2, y2);
        const bool zooms = x2 - x1 >= 300;
        EXPECT_EQ(canvas_.recording().find("clear\n") != std::string::npos, zooms);
        if (zooms) {
            EXPECT_EQ(board_.ViewScaleX, static_cast<float>(fitted_.ViewScaleX * 27.0));
            EXPECT_EQ(board_.ViewScaleY, static_cast<float>(fitted_.ViewScaleY * 27.0));
            EXPECT_EQ(board_.ViewScaleZ, static_cast<float>(fitted_.ViewScaleZ * 27.0));
        } else {
            EXPECT_TRUE(fitted());
        }
        const Transform forward = transformOf(board_);
        drag(1, x2, y2, {{1200.0f, 900.0f}}, x1, y1);
        EXPECT_EQ(transformOf(board_), forward);
    }
    // A sheet of no size has no centre to zoom to.
    board_ = fitted_;
    board_.DragStartX = board_.DragStartY = board_.DragY = 1000.0f;
    board_.DragX = 2000.0f;
    EXPECT_FALSE(ZoomToBox(board_, 0.0f, 0.0f));
    EXPECT_FALSE(ZoomToBox(board_, 9000.0f, 0.0f));
    EXPECT_TRUE(fitted());
}

TEST_F(BoardTest, RepeatedZoomsStopAt32000TwipsPerMetre) {
    float previous = board_.ViewScaleX;
    int capped = 0;
    for (int i = 0; i < 8; ++i) {
        drag(1, 4350.0f, 2950.0f, {{4500.0f, 3000.0f}}, 4650.0f, 3050.0f, false);
        EXPECT_GE(board_.ViewScaleX, previous);
        EXPECT_LE(board_.ViewScaleX, kMaxViewScale);
        EXPECT_LE(board_.ViewScaleY, kMaxViewScale);
        EXPECT_EQ(board_.ViewScaleZ, -board_.ViewScaleX);
        capped += board_.ViewScaleX == kMaxViewScale;
        previous = board_.ViewScaleX;
    }
    EXPECT_GE(capped, 5);
}

// Between "mode xor" and "mode copy" every figure is drawn an even number of times, so the sheet
// is as it was before the drag, over several moves, wherever the button comes up.
TEST_F(BoardTest, TheRubberBandIsErasedByItsSecondDrawingWhereverTheButtonComesUp) {
    const struct {
        int button;
        float upX, upY;
    } cases[] = {{1, 1250.0f, 2500.0f},
                 {1, 1100.0f, 2300.0f},
                 {2, 1250.0f, 2500.0f},
                 {2, 800.0f, 1700.0f}};  // the second box is too narrow to zoom
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.button) + " up at " + std::to_string(c.upX));
        drag(c.button, 1000.0f, 2000.0f,
             {{1100.0f, 2100.0f}, {1200.0f, 2400.0f}, {1250.0f, 2500.0f}}, c.upX, c.upY);
        const std::string& rec = canvas_.recording();
        const auto begin = rec.find("mode xor\n"), end = rec.find("mode copy\n");
        ASSERT_NE(end, std::string::npos);
        bool ok = false;
        const auto calls = test::ReadRecording(rec.substr(begin, end - begin), ok);
        ASSERT_TRUE(ok);
        std::map<std::pair<int32_t, std::vector<float>>, int> drawn;
        for (const auto& call : calls) {
            EXPECT_EQ(call.op, "line");
            EXPECT_TRUE(call.xorMode);
            ++drawn[{call.color, call.args}];
        }
        EXPECT_EQ(drawn.size(), c.button == 1 ? 18u : 3u);  // box and cross, or a line, per move
        for (const auto& [figure, count] : drawn) EXPECT_EQ(count % 2, 0);
        // The last band: the zoom box's cross halving it, or the pan line to the pointer.
        for (const char* line :
             c.button == 1 ? std::vector{"line 1125 2000 1125 2500\n", "line 1000 2250 1250 2250\n"}
                           : std::vector{"line 1000 2000 1250 2500\n"})
            EXPECT_LT(rec.find(line), end) << line;
        // A pan moves every view by the drag, the scale kept; the narrow box zooms nothing.
        const float pan = c.button == 2 ? 1.0f : 0.0f;
        BoardState moved = fitted_;
        moved.ViewOriginX += pan * (c.upX - 1000.0f);
        moved.ViewOriginY += pan * (c.upY - 2000.0f);
        moved.ViewOriginZ += pan * (c.upY - 2000.0f);
        EXPECT_EQ(transformOf(board_), transformOf(moved));
    }
}

TEST_F(BoardTest, ClicksWithoutDragOtherButtonsAndASecondButtonLeaveNoMark) {
    drag(1, 2000.0f, 2000.0f, {}, 2000.0f, 2000.0f);
    EXPECT_EQ(canvas_.recording(), "mode xor\nmode copy\n");
    EXPECT_TRUE(fitted());
    drag(2, 2000.0f, 2000.0f, {}, 2000.0f, 2000.0f);  // a pan of nothing redraws the same sheet
    EXPECT_EQ(canvas_.recording().rfind("mode xor\nmode copy\nclear\n", 0), 0u);
    EXPECT_TRUE(fitted());

    canvas_.forget();
    BoardMouseDown(board_, canvas_, 3, 1000.0f, 1000.0f);
    BoardMouseDown(board_, canvas_, 4, 1000.0f, 1000.0f);
    BoardMouseMove(board_, canvas_, 1, 2000.0f, 2000.0f);
    BoardMouseUp(hull_, board_, canvas_, 1, 3000.0f, 3000.0f);
    EXPECT_EQ(canvas_.recording(), "");
    EXPECT_TRUE(fitted());
    BoardMouseDown(board_, canvas_, 1, 1000.0f, 1000.0f);
    BoardMouseDown(board_, canvas_, 2, 5000.0f, 5000.0f);       // ignored
    BoardMouseMove(board_, canvas_, 2, 5100.0f, 5100.0f);       // not the button held
    BoardMouseUp(hull_, board_, canvas_, 2, 5100.0f, 5100.0f);  // not the button held
    EXPECT_EQ(canvas_.recording(), "mode xor\n");
    BoardMouseUp(hull_, board_, canvas_, 1, 1100.0f, 1100.0f);
    EXPECT_EQ(canvas_.recording(), "mode xor\nmode copy\n");
    EXPECT_EQ(board_.DragButton, 0);
}

}  // namespace
}  // namespace voriel
