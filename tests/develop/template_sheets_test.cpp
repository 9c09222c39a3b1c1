// The full-size sheets read back from the recording: the outline put together again from every
// sheet lies on the developed outline at 1:1 and covers all of it, neighbours share their crosses,
// the calibration scales everything, on the default hull and on random hulls.
#include <gtest/gtest.h>

#include <map>

#include "develop/end_plates.h"
#include "develop/template_test_support.h"

namespace voriel {
namespace {

using test::RecordedCall;

constexpr double kTolerance = 0.5;  // twips

struct Piece {
    PlanePoint a, b;
};

// The plane point of a page point on sheet (row, col), the calibration taken out.
PlanePoint planeOfPage(const TemplatePlan& plan, const PlannedPlate& p, const TemplateScale& s,
                       int row, int col, float x, float y) {
    const PlaneRect w = SheetWindow(p.tiling, row, col);
    return {x / s.SX + w.u0, (y - plan.area.top) / s.SY + w.v0};
}

// The outline's pieces drawn on each of the plate's sheets: the pen-width-2 lines in the plate's
// colour below the header band.
std::vector<Piece> outlinePieces(const Hull& h, const test::RecordedTemplates& rec,
                                 const PlannedPlate& p, const TemplateScale& s) {
    std::vector<Piece> out;
    const int32_t colour = h.LineColor[static_cast<std::size_t>(p.plate.colour)];
    for (const auto& [page, rc] : test::SheetPages(p)) {
        int found = 0;
        for (const RecordedCall& c : rec.pages[static_cast<std::size_t>(page - 1)]) {
            if (c.op != "line" || c.width != 2 || c.color != colour) continue;
            EXPECT_GE(std::min(c.args[1], c.args[3]), rec.plan.area.top - kTolerance);
            out.push_back({planeOfPage(rec.plan, p, s, rc.first, rc.second, c.args[0], c.args[1]),
                           planeOfPage(rec.plan, p, s, rc.first, rc.second, c.args[2], c.args[3])});
            ++found;
        }
        EXPECT_GT(found, 0) << "sheet " << SheetLabel(rc.first, rc.second) << " has no outline";
    }
    return out;
}

// Every piece lies on one segment of the outline at 1:1, and the pieces cover every segment.
void expectOutlineReassembled(const PlannedPlate& p, const std::vector<Piece>& pieces) {
    const std::vector<FlatPoint> flat = PlateOutline(p.plate);
    std::vector<PlanePoint> o;
    for (const FlatPoint& q : flat) o.push_back(PlaneOf(p.tiling, q));
    std::vector<std::vector<std::pair<double, double>>> covered(o.size());
    for (const Piece& piece : pieces) {
        // A piece counts for every segment it lies on: an outline may fold back over itself.
        bool onOutline = false;
        for (std::size_t i = 0; i + 1 < o.size(); ++i) {
            double ta, tb;
            const double da = test::SegmentDistance(piece.a.u, piece.a.v, o[i].u, o[i].v,
                                                    o[i + 1].u, o[i + 1].v, &ta);
            const double db = test::SegmentDistance(piece.b.u, piece.b.v, o[i].u, o[i].v,
                                                    o[i + 1].u, o[i + 1].v, &tb);
            if (da > kTolerance || db > kTolerance) continue;
            onOutline = true;
            covered[i].push_back({std::min(ta, tb), std::max(ta, tb)});
        }
        EXPECT_TRUE(onOutline) << "a piece from (" << piece.a.u << ", " << piece.a.v << ")";
    }
    for (std::size_t i = 0; i + 1 < o.size(); ++i) {
        const double length = std::hypot(o[i + 1].u - o[i].u, o[i + 1].v - o[i].v);
        if (length < kTolerance) continue;
        auto& spans = covered[i];
        std::sort(spans.begin(), spans.end());
        double reached = 0.0;
        for (const auto& [from, to] : spans) {
            if ((from - reached) * length > kTolerance) break;
            reached = std::max(reached, to);
        }
        EXPECT_GE(reached * length, length - kTolerance)
            << "outline segment " << i << " of " << TemplatePanelKey(p.plate.panel);
    }
}

// The circles of the crosses on each printed sheet, in the plane.
std::map<std::pair<int, int>, std::vector<PlanePoint>> crossCentres(
    const test::RecordedTemplates& rec, const PlannedPlate& p, const TemplateScale& s) {
    std::map<std::pair<int, int>, std::vector<PlanePoint>> out;
    for (const auto& [page, rc] : test::SheetPages(p)) {
        for (const RecordedCall& c : rec.pages[static_cast<std::size_t>(page - 1)])
            if (c.op == "circle")
                out[rc].push_back(
                    planeOfPage(rec.plan, p, s, rc.first, rc.second, c.args[0], c.args[1]));
    }
    return out;
}

int shared(const std::vector<PlanePoint>& a, const std::vector<PlanePoint>& b) {
    int n = 0;
    for (const PlanePoint& p : a)
        for (const PlanePoint& q : b)
            if (std::hypot(p.u - q.u, p.v - q.v) <= kTolerance) ++n;
    return n;
}

void expectCrossesShared(const test::RecordedTemplates& rec, const PlannedPlate& p,
                         const TemplateScale& s) {
    const auto centres = crossCentres(rec, p, s);
    for (const auto& [rc, points] : centres) {
        EXPECT_EQ(points.size(), 4u);
        for (const auto& next :
             {std::make_pair(rc.first, rc.second + 1), std::make_pair(rc.first + 1, rc.second)}) {
            const auto it = centres.find(next);
            if (it != centres.end()) {
                EXPECT_EQ(shared(points, it->second), 2);
            }
        }
        const auto diagonal = centres.find({rc.first + 1, rc.second + 1});
        if (diagonal != centres.end()) {
            EXPECT_EQ(shared(points, diagonal->second), 1);
        }
    }
}

void expectSheetsTrue(const test::HullOnBoard& b, const TemplateRequest& request, Paper paper) {
    const test::RecordedTemplates rec = test::RecordTemplates(b, request, paper);
    ASSERT_TRUE(rec.ok);
    ASSERT_EQ(rec.plan.error, "");
    ASSERT_EQ(static_cast<int>(rec.pages.size()), rec.plan.pages);
    for (const PlannedPlate& p : rec.plan.plates) {
        SCOPED_TRACE(TemplatePanelKey(p.plate.panel));
        expectOutlineReassembled(p, outlinePieces(b.hull, rec, p, request.scale));
        expectCrossesShared(rec, p, request.scale);
    }
}

TEST(TemplateSheets, OneMetreIsItsTwipsAtFullSize) {
    EXPECT_NEAR(kTwipsPerMetre, 56692.913385826771, 1e-8);
    const test::HullOnBoard b = test::DefaultOnBoard();
    const TemplatePlate plate = MakeTemplatePlate(b.hull, b.board, TemplatePanel::Plank2);
    for (const bool turned : {false, true}) {
        TemplateTiling t;
        t.turned = turned;
        const std::vector<FlatPoint> o = PlateOutline(plate);
        for (std::size_t i = 0; i + 1 < o.size(); ++i) {
            const PlanePoint a = PlaneOf(t, o[i]), c = PlaneOf(t, o[i + 1]);
            EXPECT_NEAR(std::hypot(a.u - c.u, a.v - c.v),
                        std::hypot(o[i].x - o[i + 1].x, o[i].y - o[i + 1].y) * kTwipsPerMetre,
                        1e-6);
        }
    }
}

TEST(TemplateSheets, DefaultHullReassemblesOnBothPapersAndUnderCalibration) {
    const test::HullOnBoard b = test::DefaultOnBoard();
    const struct {
        Paper paper;
        TemplateScale scale;
        double overlap;
    } cases[] = {{Paper::A4, {1.0, 1.0}, 10.0},
                 {Paper::Letter, {1.0, 1.0}, 10.0},
                 {Paper::A4, {1.02, 0.97}, 25.0}};
    for (const auto& c : cases) {
        TemplateRequest r;
        r.scale = c.scale;
        r.overlapMm = c.overlap;
        r.date = "2024-05-17";
        expectSheetsTrue(b, r, c.paper);
    }
}

TEST(TemplateSheets, RandomHullsReassemble) {
    for (uint32_t seed = 1; seed <= 4; ++seed) {
        SCOPED_TRACE(seed);
        Hull h = test::RandomHull(seed);
        h.HullFileName = "random";
        h.Language = static_cast<int16_t>(seed % 2);
        TemplateRequest r;
        r.panels = {TemplatePanel::Plank1, TemplatePanel::Transom, TemplatePanel::Bow};
        if (!HasBowPlate(h)) r.panels.pop_back();
        r.date = "2024-05-17";
        expectSheetsTrue(test::OnBoard(h), r, seed % 3 == 0 ? Paper::Letter : Paper::A4);
    }
}

// Every sheet is printed because the outline runs through the part of it that is kept once cut,
// and no sheet left out has any of the outline there.
TEST(TemplateSheets, PrintedSheetsAreThoseTheOutlineCrosses) {
    const test::HullOnBoard b = test::DefaultOnBoard();
    const PageArea a4 = PrintableArea(Paper::A4);
    const TemplatePlan plan = PlanTemplates(b.hull, b.board, {}, a4.width, a4.height);
    for (const PlannedPlate& p : plan.plates) {
        const std::vector<FlatPoint> o = PlateOutline(p.plate);
        for (int r = 0; r < p.tiling.rows; ++r) {
            for (int c = 0; c < p.tiling.cols; ++c) {
                bool crossed = false;
                for (std::size_t i = 0; i + 1 < o.size() && !crossed; ++i) {
                    PlanePoint u = PlaneOf(p.tiling, o[i]), v = PlaneOf(p.tiling, o[i + 1]);
                    crossed = ClipSegment(SheetCell(p.tiling, r, c), u, v);
                }
                EXPECT_EQ(p.tiling.isPrinted(r, c), crossed) << SheetLabel(r, c);
            }
        }
    }
}

TEST(TemplateSheets, SheetCountsOfTheDefaultHull) {
    const test::HullOnBoard b = test::DefaultOnBoard();
    const struct {
        Paper paper;
        int sheets;
        int pages;
    } cases[] = {{Paper::A4, 509, 528}, {Paper::Letter, 534, 555}};
    for (const auto& c : cases) {
        const PageArea area = PrintableArea(c.paper);
        const TemplatePlan plan = PlanTemplates(b.hull, b.board, {}, area.width, area.height);
        ASSERT_EQ(plan.error, "");
        EXPECT_EQ(plan.plates.size(), 9u);  // a pointed bow: no bow plate
        EXPECT_EQ(plan.sheets, c.sheets);
        EXPECT_EQ(plan.pages, c.pages);
    }
}

}  // namespace
}  // namespace voriel
