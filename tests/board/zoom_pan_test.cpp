// Tests of zoom and pan with the mouse: the transform changes, the cap, the rubber bands drawn in
// exclusive-or and erased, and the clicks that leave no mark.
#include "board/zoom_pan.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "board/board_actions.h"
#include "board/view_transform.h"
#include "canvas/recording_canvas.h"
#include "support/recorded_calls.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

using test::ReadRecording;

// The default hull redrawn at stage 1 on a 9000 x 6000 sheet, its recording forgotten.
class ZoomPanTest : public ::testing::Test {
protected:
    void SetUp() override {
        board_.ChineView = 1;
        RedrawBoard(hull_, board_, canvas_);
        canvas_.forget();
        fitted_ = board_;
    }
    void drag(int button, float x1, float y1, std::initializer_list<std::pair<float, float>> moves,
              float x2, float y2) {
        BoardMouseDown(board_, canvas_, button, x1, y1);
        for (const auto& [x, y] : moves) BoardMouseMove(board_, canvas_, button, x, y);
        BoardMouseUp(hull_, board_, canvas_, button, x2, y2);
    }
    std::tuple<float, float, float, float, float, float> transform() const {
        return {board_.ViewScaleX,  board_.ViewScaleY,  board_.ViewScaleZ,
                board_.ViewOriginX, board_.ViewOriginY, board_.ViewOriginZ};
    }
    std::tuple<float, float, float, float, float, float> fittedTransform() const {
        return {fitted_.ViewScaleX,  fitted_.ViewScaleY,  fitted_.ViewScaleZ,
                fitted_.ViewOriginX, fitted_.ViewOriginY, fitted_.ViewOriginZ};
    }
    bool redrawn() const { return canvas_.recording().find("clear\n") != std::string::npos; }

    const Hull hull_ = test::ValidatedDefaultHull();
    BoardState board_, fitted_;
    RecordingCanvas canvas_{9000.0f, 6000.0f};
};

TEST_F(ZoomPanTest, ABoxUnder300TwipsWideDoesNotZoomWhateverItsHeight) {
    for (const float height : {0.0f, 10.0f, 5000.0f}) {
        drag(1, 1000.0f, 500.0f, {{1200.0f, 900.0f}}, 1299.0f, 500.0f + height);
        EXPECT_EQ(transform(), fittedTransform()) << height;
        drag(1, 1299.0f, 500.0f + height, {{1200.0f, 900.0f}}, 1000.0f, 500.0f);
        EXPECT_EQ(transform(), fittedTransform()) << height;
    }
    EXPECT_FALSE(redrawn());
}

TEST_F(ZoomPanTest, ABox300By10ZoomsBy27AndCentresOnTheSheet) {
    ASSERT_LT(fitted_.ViewScaleX * 27, kMaxViewScale);
    // The model point under the box's centre.
    const double cx = (1150.0 - fitted_.ViewOriginX) / fitted_.ViewScaleX;
    const double cz = (2005.0 - fitted_.ViewOriginZ) / fitted_.ViewScaleZ;
    drag(1, 1000.0f, 2000.0f, {{1100.0f, 2100.0f}}, 1300.0f, 2010.0f);
    EXPECT_EQ(board_.ViewScaleX, static_cast<float>(fitted_.ViewScaleX * 27.0));
    EXPECT_EQ(board_.ViewScaleY, static_cast<float>(fitted_.ViewScaleY * 27.0));
    EXPECT_EQ(board_.ViewScaleZ, static_cast<float>(fitted_.ViewScaleZ * 27.0));
    EXPECT_NEAR(ViewX(board_, cx), 4500.0f, 0.01f);
    EXPECT_NEAR(ProfileY(board_, cz), 3000.0f, 0.01f);
    EXPECT_TRUE(redrawn());
    // The same box dragged the other way round zooms the same.
    const auto zoomed = transform();
    board_ = fitted_;
    drag(1, 1300.0f, 2010.0f, {{1100.0f, 2100.0f}}, 1000.0f, 2000.0f);
    EXPECT_EQ(transform(), zoomed);
}

TEST_F(ZoomPanTest, ASheetOfNoSizeDoesNotZoom) {
    board_.DragStartX = 1000.0f;
    board_.DragStartY = 1000.0f;
    board_.DragX = 2000.0f;
    board_.DragY = 1000.0f;
    EXPECT_FALSE(ZoomToBox(board_, 0.0f, 0.0f));
    EXPECT_FALSE(ZoomToBox(board_, 9000.0f, 0.0f));
    EXPECT_EQ(transform(), fittedTransform());
}

TEST_F(ZoomPanTest, ATallBoxFillsTheSheetInHeight) {
    drag(1, 1000.0f, 1000.0f, {}, 1600.0f, 3000.0f);  // 600 x 2000: height is the tighter way
    EXPECT_EQ(board_.ViewScaleX, static_cast<float>(fitted_.ViewScaleX * (0.9 * 6000 / 2000)));
}

TEST_F(ZoomPanTest, RepeatedZoomsStopAt32000TwipsPerMetre) {
    float previous = board_.ViewScaleX;
    int capped = 0;
    for (int i = 0; i < 8; ++i) {
        drag(1, 4350.0f, 2950.0f, {{4500.0f, 3000.0f}}, 4650.0f, 3050.0f);
        EXPECT_GE(board_.ViewScaleX, previous);
        EXPECT_LE(board_.ViewScaleX, kMaxViewScale);
        EXPECT_LE(board_.ViewScaleY, kMaxViewScale);
        EXPECT_EQ(board_.ViewScaleZ, -board_.ViewScaleX);
        if (board_.ViewScaleX == kMaxViewScale) ++capped;
        previous = board_.ViewScaleX;
    }
    EXPECT_GE(capped, 5);
}

TEST_F(ZoomPanTest, APanMovesEveryViewBy500RightAnd200Up) {
    const float x0 = ViewX(board_, hull_.LineX[Keel][10]);
    const float z0 = ProfileY(board_, hull_.LineZ[Keel][10]);
    drag(2, 3000.0f, 3000.0f, {{3100.0f, 2900.0f}, {3400.0f, 2850.0f}}, 3500.0f, 2800.0f);
    EXPECT_EQ(board_.ViewOriginX, fitted_.ViewOriginX + 500.0f);
    EXPECT_EQ(board_.ViewOriginY, fitted_.ViewOriginY - 200.0f);
    EXPECT_EQ(board_.ViewOriginZ, fitted_.ViewOriginZ - 200.0f);
    EXPECT_EQ(board_.ViewScaleX, fitted_.ViewScaleX);
    EXPECT_NEAR(ViewX(board_, hull_.LineX[Keel][10]), x0 + 500.0f, 0.001f);
    EXPECT_NEAR(ProfileY(board_, hull_.LineZ[Keel][10]), z0 - 200.0f, 0.001f);
    // The redraw: grid and lines with the transform as it is, no new fit.
    bool ok = false;
    const auto calls = ReadRecording(canvas_.recording(), ok);
    ASSERT_TRUE(ok);
    const auto clear = std::find_if(calls.begin(), calls.end(),
                                    [](const test::RecordedCall& c) { return c.op == "clear"; });
    ASSERT_NE(clear, calls.end());
    ASSERT_EQ((clear + 1)->op, "circle");
    EXPECT_EQ((clear + 1)->args, (std::vector<float>{fitted_.ViewOriginX + 500.0f,
                                                     fitted_.ViewOriginZ - 200.0f, 50.0f}));
}

// Between "mode xor" and "mode copy" every figure is drawn an even number of times, so the sheet is
// as it was before the drag.
void expectBandsCancel(const std::string& recording, const std::string& what) {
    const auto begin = recording.find("mode xor\n");
    const auto end = recording.find("mode copy\n");
    ASSERT_NE(begin, std::string::npos) << what;
    ASSERT_NE(end, std::string::npos) << what;
    bool ok = false;
    const auto calls = ReadRecording(recording.substr(begin, end - begin), ok);
    ASSERT_TRUE(ok) << what;
    std::map<std::pair<int32_t, std::vector<float>>, int> drawn;
    for (const auto& c : calls) {
        EXPECT_EQ(c.op, "line") << what;
        EXPECT_TRUE(c.xorMode) << what;
        ++drawn[{c.color, c.args}];
    }
    EXPECT_FALSE(drawn.empty()) << what;
    for (const auto& [figure, count] : drawn) EXPECT_EQ(count % 2, 0) << what;
}

TEST_F(ZoomPanTest, TheRubberBandIsErasedByItsSecondDrawingWhereverTheButtonComesUp) {
    const struct {
        int button;
        float upX, upY;
        const char* what;
    } cases[] = {{1, 1250.0f, 2500.0f, "zoom box up where the last move was"},
                 {1, 1100.0f, 2300.0f, "zoom box up elsewhere, too narrow to zoom"},
                 {2, 1250.0f, 2500.0f, "pan line"},
                 {2, 800.0f, 1700.0f, "pan line up elsewhere"}};
    for (const auto& c : cases) {
        board_ = fitted_;
        canvas_.forget();
        drag(c.button, 1000.0f, 2000.0f,
             {{1100.0f, 2100.0f}, {1200.0f, 2400.0f}, {1250.0f, 2500.0f}}, c.upX, c.upY);
        expectBandsCancel(canvas_.recording(), c.what);
    }
}

TEST_F(ZoomPanTest, TheFirstMoveOnlyDrawsTheNewBand) {
    BoardMouseDown(board_, canvas_, 1, 1000.0f, 2000.0f);
    BoardMouseMove(board_, canvas_, 1, 1400.0f, 2200.0f);
    EXPECT_EQ(canvas_.recording(),
              "mode xor\n"
              "color 0 255 0\n"
              "line 1000 2000 1400 2000\nline 1400 2000 1400 2200\n"
              "line 1400 2200 1000 2200\nline 1000 2200 1000 2000\n"
              "color 255 0 255\n"
              "line 1200 2000 1200 2200\nline 1000 2100 1400 2100\n");
    canvas_.forget();
    BoardMouseMove(board_, canvas_, 1, 1500.0f, 2300.0f);
    EXPECT_EQ(canvas_.recording(),
              "color 0 255 0\n"
              "line 1000 2000 1400 2000\nline 1400 2000 1400 2200\n"
              "line 1400 2200 1000 2200\nline 1000 2200 1000 2000\n"
              "line 1000 2000 1500 2000\nline 1500 2000 1500 2300\n"
              "line 1500 2300 1000 2300\nline 1000 2300 1000 2000\n"
              "color 255 0 255\n"
              "line 1200 2000 1200 2200\nline 1000 2100 1400 2100\n"
              "line 1250 2000 1250 2300\nline 1000 2150 1500 2150\n");
}

TEST_F(ZoomPanTest, AClickWithoutDragLeavesNoMark) {
    for (const int button : {1, 2}) {
        canvas_.forget();
        board_ = fitted_;
        BoardMouseDown(board_, canvas_, button, 2000.0f, 2000.0f);
        BoardMouseUp(hull_, board_, canvas_, button, 2000.0f, 2000.0f);
        if (button == 1) {
            EXPECT_EQ(canvas_.recording(), "mode xor\nmode copy\n");
            EXPECT_EQ(transform(), fittedTransform());
        } else {
            // A pan of nothing redraws the same sheet.
            EXPECT_EQ(canvas_.recording().rfind("mode xor\nmode copy\nclear\n", 0), 0u);
        }
    }
}

TEST_F(ZoomPanTest, OtherButtonsAndASecondButtonDuringADragDoNothing) {
    BoardMouseDown(board_, canvas_, 3, 1000.0f, 1000.0f);
    BoardMouseDown(board_, canvas_, 4, 1000.0f, 1000.0f);
    BoardMouseMove(board_, canvas_, 1, 2000.0f, 2000.0f);
    BoardMouseUp(hull_, board_, canvas_, 1, 3000.0f, 3000.0f);
    EXPECT_EQ(canvas_.recording(), "");
    EXPECT_EQ(transform(), fittedTransform());

    BoardMouseDown(board_, canvas_, 1, 1000.0f, 1000.0f);
    BoardMouseDown(board_, canvas_, 2, 5000.0f, 5000.0f);       // ignored
    BoardMouseMove(board_, canvas_, 2, 5100.0f, 5100.0f);       // not the button held
    BoardMouseUp(hull_, board_, canvas_, 2, 5100.0f, 5100.0f);  // not the button held
    EXPECT_EQ(canvas_.recording(), "mode xor\n");
    BoardMouseUp(hull_, board_, canvas_, 1, 1100.0f, 1100.0f);
    EXPECT_EQ(canvas_.recording(), "mode xor\nmode copy\n");
    EXPECT_EQ(board_.DragButton, 0);
}

TEST_F(ZoomPanTest, ADoubleClickReturnsToTheFittedView) {
    drag(1, 1000.0f, 2000.0f, {{1100.0f, 2100.0f}}, 1300.0f, 2010.0f);
    ASSERT_NE(transform(), fittedTransform());
    canvas_.forget();
    BoardDoubleClick(hull_, board_, canvas_);
    EXPECT_EQ(transform(), fittedTransform());
    RecordingCanvas single(9000.0f, 6000.0f);
    BoardState again = fitted_;
    RedrawBoard(hull_, again, single);
    EXPECT_EQ(canvas_.recording(), "clear\n" + single.recording());
}

}  // namespace
}  // namespace voriel
