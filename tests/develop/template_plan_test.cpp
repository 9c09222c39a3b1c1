// Planning the template document: which plates, refused requests, the way a plate lies on the
// paper worked out by hand, and the calibration sheet's square and ruler at their true size.
#include <gtest/gtest.h>

#include <cmath>

#include "develop/end_plates.h"
#include "develop/template_cover.h"
#include "develop/template_test_support.h"

namespace voriel {
namespace {

TEST(TemplatePlan, RefusedRequestsSayWhy) {
    const test::HullOnBoard boat = test::DefaultOnBoard();
    const test::HullOnBoard early = test::DefaultOnBoard(0);
    test::HullOnBoard broken = test::DefaultOnBoard();
    broken.hull.LineY[Chine2][40] = NAN;
    const PageArea a4 = PrintableArea(Paper::A4);
    const struct {
        const char* name;
        const test::HullOnBoard& board;
        TemplateRequest request;
        float width, height;
        const char* says;
    } cases[] = {
        {"SX", boat, {{}, {0.5, 1.0}, 10.0, ""}, a4.width, a4.height, "calibration factors"},
        {"SY", boat, {{}, {1.0, 1.3}, 10.0, ""}, a4.width, a4.height, "calibration factors"},
        {"NaN", boat, {{}, {NAN, 1.0}, 10.0, ""}, a4.width, a4.height, "calibration factors"},
        {"overlap", boat, {{}, {}, 2.0, ""}, a4.width, a4.height, "overlap"},
        {"bow", boat, {{TemplatePanel::Bow}, {}, 10.0, ""}, a4.width, a4.height, "pointed bow"},
        {"stage 0",
         early,
         {{TemplatePanel::Plank1}, {}, 10.0, ""},
         a4.width,
         a4.height,
         "not defined at this stage"},
        {"page", boat, {}, 2000.0f, 20000.0f, "too small"},
        {"not finite",
         broken,
         {{TemplatePanel::Plank1}, {}, 10.0, ""},
         a4.width,
         a4.height,
         "plank1: the plate cannot be laid out"},
    };
    for (const auto& c : cases) {
        const TemplatePlan plan =
            PlanTemplates(c.board.hull, c.board.board, c.request, c.width, c.height);
        EXPECT_NE(plan.error.find(c.says), std::string::npos) << c.name << ": " << plan.error;
        EXPECT_TRUE(plan.plates.empty()) << c.name;
        // Nothing is printed for a refused plan, not even the end of a document.
        PageRecordingCanvas canvas(c.width, c.height);
        PrintTemplates(c.board.hull, plan, c.request, canvas);
        EXPECT_EQ(canvas.recording(), "") << c.name;
        EXPECT_EQ(canvas.documentsEnded(), 0) << c.name;
    }
    // The broken plate alone is refused: the others still print.
    const TemplatePlan bottom = PlanTemplates(
        broken.hull, broken.board, {{TemplatePanel::Bottom}, {}, 10.0, ""}, a4.width, a4.height);
    EXPECT_EQ(bottom.error, "");
}

TEST(TemplatePlan, PlatesOfEachStageInTheirOrder) {
    const PageArea a4 = PrintableArea(Paper::A4);
    const test::HullOnBoard early = test::DefaultOnBoard(0);
    const TemplatePlan first = PlanTemplates(early.hull, early.board, {}, a4.width, a4.height);
    ASSERT_EQ(first.plates.size(), 1u);
    EXPECT_EQ(first.plates[0].plate.panel, TemplatePanel::Bottom);

    // Asked in any order and twice, printed once each in the document's order.
    const test::HullOnBoard boat = test::DefaultOnBoard();
    TemplateRequest r;
    r.panels = {TemplatePanel::Transom, TemplatePanel::Bottom, TemplatePanel::Transom};
    const TemplatePlan two = PlanTemplates(boat.hull, boat.board, r, a4.width, a4.height);
    ASSERT_EQ(two.plates.size(), 2u);
    EXPECT_EQ(two.plates[0].plate.panel, TemplatePanel::Bottom);
    EXPECT_EQ(two.plates[1].plate.panel, TemplatePanel::Transom);
    // Calibration sheet, then each plate's plan, sheets and marking table.
    int pages = 1;
    for (const PlannedPlate& p : two.plates) {
        EXPECT_EQ(p.firstPage, pages + 1);
        pages += 1 + p.tiling.printedCount + p.markingPages;
    }
    EXPECT_EQ(two.pages, pages);
    EXPECT_EQ(two.sheets, two.plates[0].tiling.printedCount + two.plates[1].tiling.printedCount);

    // A pram bow has its bow plate last.
    Hull pram = test::ValidatedDefaultHull();
    for (uint32_t seed = 1; !HasBowPlate(pram) && seed < 50; ++seed) pram = test::RandomHull(seed);
    ASSERT_TRUE(HasBowPlate(pram));
    const test::HullOnBoard withBow = test::OnBoard(pram);
    EXPECT_EQ(AvailableTemplatePanels(withBow.hull, withBow.board).back(), TemplatePanel::Bow);
}

// On A4, 197.3 mm x 270.9 mm of each page take the plate (the header band aside): with 10 mm of
// overlap each sheet adds 187.3 mm across and 260.9 mm down, and 15 mm of paper stays round the
// outline. A rectangle l x w mm needs ceil((l + 30) / step) sheets each way.
TEST(TemplatePlan, RectanglesLieTheWayThatTakesFewestSheets) {
    const struct {
        double x, y;  // flat size, mm
        int sheets;
        bool turned;
        int rows, cols;
    } cases[] = {
        {100, 100, 1, false, 1, 1},   // fits either way: left as drawn
        {1000, 50, 4, true, 4, 1},    // down the page: 1030 / 260.9; across it would be 6
        {50, 1000, 4, false, 4, 1},   // already along the page's length
        {170, 240, 2, true, 1, 2},    // turned 270 x 200 mm: 2 sheets, else 2 x 2
        {2000, 300, 16, true, 8, 2},  // 2030 / 260.9 -> 8 rows, 330 / 187.3 -> 2 columns
    };
    const PageArea a4 = PrintableArea(Paper::A4);
    const SheetArea area{a4.width, a4.height - kTemplateHeaderBand, kTemplateHeaderBand};
    for (const auto& c : cases) {
        TemplatePlate p;
        for (int j = 0; j <= 10; ++j) {
            const double x = c.x / 1000 * j / 10;
            p.lower.push_back({x, 0.0});
            p.upper.push_back({x, c.y / 1000});
        }
        const TemplateTiling t = TileTemplate(p, area, {}, 10.0, kTemplateMarginMm);
        EXPECT_EQ(t.printedCount, c.sheets) << c.x << " x " << c.y;
        EXPECT_EQ(t.turned, c.turned) << c.x << " x " << c.y;
        EXPECT_EQ(t.rows, c.rows) << c.x << " x " << c.y;
        EXPECT_EQ(t.cols, c.cols) << c.x << " x " << c.y;
        // Neighbours share the overlap exactly.
        if (t.cols > 1) {
            EXPECT_NEAR(SheetWindow(t, 0, 0).u1 - SheetWindow(t, 0, 1).u0, 10 * kTwipsPerMm, 1e-6);
        }
    }
}

// The rectangle of the calibration square and the longest line of the ruler, in twips.
struct Figures {
    double squareW = 0, squareH = 0, ruler = 0;
    int ticks = 0;
};

Figures calibrationFigures(const TemplateScale& s) {
    const test::HullOnBoard b = test::DefaultOnBoard();
    TemplateRequest r;
    r.scale = s;
    const PageArea a4 = PrintableArea(Paper::A4);
    const TemplatePlan plan = PlanTemplates(b.hull, b.board, r, a4.width, a4.height);
    PageRecordingCanvas canvas(a4.width, a4.height);
    DrawCalibrationSheet(b.hull, plan, r, canvas);
    bool ok = false;
    const auto calls = test::ReadRecording(canvas.recording(), ok);
    Figures f;
    float rulerX = 0;
    for (std::size_t i = 0; i + 3 < calls.size(); ++i) {
        const auto& a = calls[i].args;
        if (calls[i].op != "line") continue;
        if (a[0] == a[2] && std::fabs(a[3] - a[1]) > f.ruler) {
            f.ruler = std::fabs(a[3] - a[1]);
            rulerX = a[0];
        }
        // Four lines end to end, closing where they started, sides square to the page.
        bool closed = true;
        for (std::size_t k = 1; k < 4; ++k)
            closed = closed && calls[i + k].op == "line" &&
                     calls[i + k].args[0] == calls[i + k - 1].args[2] &&
                     calls[i + k].args[1] == calls[i + k - 1].args[3];
        if (closed && calls[i + 3].args[2] == a[0] && calls[i + 3].args[3] == a[1] &&
            a[1] == a[3] && calls[i + 1].args[0] == calls[i + 1].args[2]) {
            f.squareW = std::fabs(a[2] - a[0]);
            f.squareH = std::fabs(calls[i + 1].args[3] - calls[i + 1].args[1]);
        }
    }
    for (const auto& c : calls)
        if (c.op == "line" && c.args[0] == rulerX && c.args[1] == c.args[3]) ++f.ticks;
    return f;
}

TEST(TemplatePlan, CalibrationSquareAndRulerMeasureTrueAndScale) {
    const TemplateScale scales[] = {{1.0, 1.0}, {1.02, 0.97}, {0.8, 1.2}};
    for (const TemplateScale& s : scales) {
        const Figures f = calibrationFigures(s);
        EXPECT_NEAR(f.squareW, 100 * kTwipsPerMm * s.SX, 0.01) << s.SX;
        EXPECT_NEAR(f.squareH, 100 * kTwipsPerMm * s.SY, 0.01) << s.SY;
        EXPECT_NEAR(f.ruler, 200 * kTwipsPerMm * s.SY, 0.01) << s.SY;
        EXPECT_EQ(f.ticks, 201);
    }
    EXPECT_NEAR(calibrationFigures({}).squareW, 5669.29, 0.01);
}

}  // namespace
}  // namespace voriel
