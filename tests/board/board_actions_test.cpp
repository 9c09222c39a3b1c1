// Tests of the drawing board's buttons on the sheet: the redraw, Draw station, Develop and the
// waterline drawn by the hydrostatics window's Quit.
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

TEST(RedrawBoard, ClearsFitsComputesTheSectionsAndDrawsEveryStage) {
    const Hull h = test::ValidatedDefaultHull();
    BoardState b;
    b.ChineView = 1;
    RecordingCanvas c;
    c.line(1.0f, 2.0f, 3.0f, 4.0f);
    c.forget();
    RedrawBoard(h, b, c);
    EXPECT_EQ(c.recording().rfind("clear\n", 0), 0u);
    EXPECT_GT(b.ViewScaleX, 0.0f);
    EXPECT_EQ(b.StationPtX[82][10], h.LineX[Chine1][82]);
    EXPECT_EQ(b.StationPtZ[40][13], h.LineZ[Sheer][40]);
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

// The dotted outlines: one point at lower point 0 starts each.
std::vector<RecordedCall> outlineStarts(const std::vector<RecordedCall>& calls) {
    std::vector<RecordedCall> starts;
    for (const auto& c : calls)
        if (c.op == "pset") starts.push_back(c);
    return starts;
}

TEST(DevelopClick, Stage0DrawsTheBottomOnlyDottedOverThePlan) {
    Sheet s(test::ValidatedDefaultHull(), 0);
    DevelopClick(s.hull, s.board, s.canvas);
    const auto calls = s.calls();
    const auto starts = outlineStarts(calls);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].color, s.hull.LineColor[0]);
    EXPECT_EQ(starts[0].style, 2);
    ASSERT_EQ(calls.size(), 1u + 84 + 84 + 1);  // lower edge, upper edge, forward end
    // The first segment runs from lower point 0 to itself, the second on to lower point 1.
    EXPECT_EQ(calls[1].args[0], calls[1].args[2]);
    EXPECT_EQ(calls[1].args[1], calls[1].args[3]);
    const Development bottom = DevelopPanel(s.hull, Panel::Bottom);
    const auto& b = s.board;
    const auto sheet = [&b](double x, double y) {
        return std::vector<float>{static_cast<float>(b.ViewScaleX * x) + b.ViewOriginX,
                                  static_cast<float>(b.ViewScaleY * y) + b.ViewOriginY};
    };
    EXPECT_EQ(starts[0].args, sheet(bottom.DevXi[0], bottom.DevYi[0]));
    const auto lower83 = sheet(bottom.DevXi[83], bottom.DevYi[83]);
    EXPECT_EQ(std::vector<float>(calls.back().args.begin() + 2, calls.back().args.end()), lower83);
    const auto upper0 = sheet(bottom.DevXs[0], bottom.DevYs[0]);
    EXPECT_EQ(std::vector<float>(calls[85].args.begin() + 2, calls[85].args.end()), upper0);
    const std::string& r = s.canvas.recording();
    EXPECT_EQ(r.substr(r.size() - 20), "style 0\ncolor 0 0 0\n");
}

TEST(DevelopClick, Stage1AddsThePlanksOverTheProfileAndTheTransom) {
    Sheet s(test::ValidatedDefaultHull(), 1);
    ASSERT_LE(s.hull.YFwd[Chine1], 0.001);
    DevelopClick(s.hull, s.board, s.canvas);
    const auto calls = s.calls();
    const auto starts = outlineStarts(calls);
    ASSERT_EQ(starts.size(), 4u);
    const auto& b = s.board;
    const auto& x = s.hull.LineX;
    const auto& z = s.hull.LineZ;
    const double dx[] = {x[2][0], x[3][0], x[4][0]};
    const double dy[] = {0.0, (z[3][0] + z[2][0]) / 2, z[4][0]};
    for (int k = 1; k <= 3; ++k) {
        const Development plank = DevelopPanel(s.hull, static_cast<Panel>(k));
        EXPECT_EQ(starts[k].color, s.hull.LineColor[k]);
        EXPECT_EQ(starts[k].args[0],
                  static_cast<float>((plank.DevXi[0] + dx[k - 1]) * b.ViewScaleX) + b.ViewOriginX);
        EXPECT_EQ(starts[k].args[1],
                  static_cast<float>((plank.DevYi[0] + dy[k - 1]) * b.ViewScaleZ) + b.ViewOriginZ);
    }
    // The transom: 12 solid segments to chine 2 from 300 twips forward of the origin, 3 more
    // from chine 2 to chine 3; no bow plate on a pointed bow.
    int lower = 0, upper = 0;
    for (const auto& c : calls) {
        if (c.op != "line" || c.style != 0) continue;
        (c.color == s.hull.LineColor[1] ? lower : upper) += 1;
    }
    EXPECT_EQ(lower, 12);
    EXPECT_EQ(upper, 3);
    EXPECT_GE(
        FindLine(calls, b.ViewOriginX + 300.0f, b.ViewOriginY,
                 static_cast<float>(b.ViewScaleX * ComputeTransomDev(b)[1].slant) + b.ViewOriginX +
                     300.0f,
                 static_cast<float>(b.ViewScaleY * ComputeTransomDev(b)[1].half) + b.ViewOriginY),
        0);
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

TEST(DrawWaterline, WaterlineInPlanProfileAndBodyPlanThenTheCentreOfBuoyancy) {
    Sheet s(test::ValidatedDefaultHull(), 1);
    HydroState w;
    FloatAtWaterline(s.hull, w, 0.05);
    w.BuoyancyX = 2.5;
    w.BuoyancyY = 0.0;
    w.BuoyancyZ = -0.05;
    DrawWaterline(s.hull, s.board, w, s.canvas);
    const std::string& r = s.canvas.recording();
    EXPECT_EQ(r.rfind("color 128 0 155\nwidth 2\n", 0), 0u);
    const auto calls = s.calls();
    ASSERT_EQ(calls.size(), 84u + 82u + 84u + 2u * 3u);  // plan, profile, body plan, two marks
    const auto& b = s.board;
    EXPECT_EQ(calls[0].args,
              (std::vector<float>{ViewX(b, w.WaterX[0]), PlanY(b, 0.0), ViewX(b, w.WaterX[0]),
                                  PlanY(b, w.WaterHalfBreadth[0])}));
    EXPECT_EQ(calls[83].args[3], PlanY(b, 0.0));  // closed on the centre line
    // The aft half of the body plan right of its centre line, the forward half left of it.
    const float centre = BodyPlanSheetX(b, 0.0);
    for (int i = 166; i < 166 + 41; ++i) EXPECT_GE(calls[i].args[2], centre);
    for (int i = 166 + 41; i < 166 + 84; ++i) EXPECT_LE(calls[i].args[2], centre);
    EXPECT_EQ(calls[166 + 83].args[2], centre);
    for (std::size_t i = 0; i < calls.size(); ++i) EXPECT_EQ(calls[i].width, i < 250 ? 2 : 1);
    EXPECT_EQ(calls[250].op, "circle");
    EXPECT_EQ(calls[250].args, (std::vector<float>{ViewX(b, 2.5), PlanY(b, 0.0), 60.0f}));
    EXPECT_EQ(calls[253].args, (std::vector<float>{ViewX(b, 2.5), ProfileY(b, -0.05), 60.0f}));
    EXPECT_EQ(calls[254].args,
              (std::vector<float>{calls[253].args[0] - 40.0f, calls[253].args[1] - 40.0f,
                                  calls[253].args[0] + 40.0f, calls[253].args[1] + 40.0f}));
}

}  // namespace
}  // namespace voriel
