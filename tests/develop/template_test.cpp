// Full-size templates: the accuracy report and the marking table (worked out by hand, and true on
// real hulls), the plan of the document, and the sheets read back from the recording: the outline
// put together again from every sheet lies on the developed outline at 1:1 and covers all of it,
// neighbours share their crosses, the calibration scales everything.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>

#include "board/print_page.h"
#include "board/station_sections.h"
#include "canvas/page_recording_canvas.h"
#include "develop/end_plates.h"
#include "develop/plate_development.h"
#include "develop/template_accuracy.h"
#include "develop/template_cover.h"
#include "develop/template_document.h"
#include "support/recorded_calls.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

using test::RecordedCall;

constexpr double kTolerance = 0.5;  // twips

struct HullOnBoard {
    Hull hull;
    BoardState board;
};

// A hull at a stage with the station sections of a redraw: seed 0 the default hull "boat", any
// other a random hull.
HullOnBoard OnBoard(uint32_t seed, int16_t stage = 1) {
    HullOnBoard out{seed == 0 ? test::ValidatedDefaultHull() : test::RandomHull(seed), {}};
    out.hull.HullFileName = seed == 0 ? "boat" : "random";
    out.board.ChineView = stage;
    ComputeAllStationSections(out.hull, out.board);
    return out;
}

// The distance from p to the segment a b, and how far along it (0 to 1) its nearest point lies.
double SegmentDistance(double px, double py, double ax, double ay, double bx, double by,
                       double* along = nullptr) {
    const double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
    const double t =
        std::clamp(len2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0.0, 0.0, 1.0);
    if (along) *along = t;
    return std::hypot(px - ax - t * dx, py - ay - t * dy);
}

// Distance (m) from a flat point to the plate's closed outline.
double OutlineDistance(const TemplatePlate& plate, const FlatPoint& p) {
    const std::vector<FlatPoint> o = PlateOutline(plate);
    double best = HUGE_VAL;
    for (std::size_t i = 0; i + 1 < o.size(); ++i)
        best = std::min(best, SegmentDistance(p.x, p.y, o[i].x, o[i].y, o[i + 1].x, o[i + 1].y));
    return best;
}

// L(j) = (j, 0, 0), U(j) = (j, 1, 0) but U(2) lifted to (2, 1, 1). Quadrilateral 0 is flat.
// Quadrilateral 1 is split along U(1) L(2) (length sqrt 2): its lower triangle is half a unit
// square, its upper one (L(2), U(1), U(2)) equilateral of side sqrt 2, laid on the far side of
// the diagonal. Flat, L(1) U(2) = (sqrt 2 + sqrt 6) / 2; in the hull, |(1, 1, 1)| = sqrt 3.
TEST(TemplateAccuracy, TwistedQuadrilateralShowsItsDiagonal) {
    LinePoints x{}, y{}, z{};
    for (int j = 0; j <= 2; ++j) x[1][j] = x[2][j] = j, y[2][j] = 1.0;
    z[2][2] = 1.0;
    const Development d = DevelopPlate(0, 1, x, z, y, 41);  // laid out as the planks are
    TemplatePlate plate;
    for (int j = 0; j <= d.last; ++j) {
        plate.lower3.push_back({x[1][j], y[1][j], z[1][j]});
        plate.upper3.push_back({x[2][j], y[2][j], z[2][j]});
        plate.lower.push_back({d.DevXi[j], d.DevYi[j]});
        plate.upper.push_back({d.DevXs[j], d.DevYs[j]});
    }
    const PlateAccuracy a = MeasurePlateAccuracy(plate);
    const double expected = (std::sqrt(3.0) - (std::sqrt(2.0) + std::sqrt(6.0)) / 2) * 1000;
    EXPECT_EQ(std::tie(a.quadrilaterals, a.largestAt), std::make_tuple(2, 1));
    EXPECT_NEAR(a.largestMm, expected, 1e-9);  // negative: the plate must shrink across it
    EXPECT_NEAR(a.rmsMm, std::fabs(expected) / std::sqrt(2.0), 1e-9);
    // The edges are laid true; the area is the unit square, half of one and the equilateral
    // triangle.
    EXPECT_NEAR(a.lower3dMm, 2000.0, 1e-9);
    EXPECT_NEAR(a.upperFlatMm, a.upper3dMm, 1e-9);
    EXPECT_NEAR(a.areaM2, 1.5 + std::sqrt(3.0) / 2, 1e-9);
}

// length x width (m), lower edge on the x axis, eleven points an edge.
TemplatePlate Rectangle(double length, double width) {
    TemplatePlate p;
    for (int j = 0; j <= 10; ++j) {
        p.lower.push_back({length * j / 10, 0.0});
        p.upper.push_back({length * j / 10, width});
        p.lower3.push_back({length * j / 10, 0.0, 0.0});
        p.upper3.push_back({length * j / 10, width, 0.0});
    }
    return p;
}

// A rectangle by hand; where the square line misses an edge the table says so rather than make
// a number up.
TEST(TemplateMarking, RectangleByHand) {
    const MarkingTable t =
        MakeMarkingTable(Rectangle(1.0, 0.2), {{"St 6 x=0.250", 1, {0.25, 0.2}, {0, -1}}});
    EXPECT_DOUBLE_EQ(t.lengthMm, 1000.0);
    ASSERT_EQ(t.rows.size(), 12u);  // 0, 100, ..., 1000 and the mark
    for (std::size_t i = 0; i < t.rows.size(); ++i) {
        EXPECT_LT(std::hypot(*t.rows[i].lowerMm, *t.rows[i].upperMm - 200.0), 1e-9) << i;
        EXPECT_GE(t.rows[i].alongMm, i > 0 ? t.rows[i - 1].alongMm : 0.0);
    }
    EXPECT_NEAR(t.rows[3].alongMm, 250.0, 1e-9);
    EXPECT_EQ(std::tie(t.rows[3].mark, t.rows[3].markEdge, t.rows[2].mark),
              std::make_tuple("St 6 x=0.250", 1, ""));
    EXPECT_EQ(std::make_pair(MarkingMm(12.26), MarkingMm(-12.74)), std::make_pair(12.5, -12.5));

    TemplatePlate p = Rectangle(1.0, 0.2);
    p.upper.back() = {0.95, 0.2};  // the upper edge stops 50 mm short
    p.upper[9] = {0.9, 0.2};
    const MarkingRow last = MakeMarkingTable(p, {}).rows.back();
    EXPECT_NEAR(last.alongMm, 1000.0, 1e-9);
    EXPECT_TRUE(last.lowerMm.has_value() && !last.upperMm.has_value());
}

// The marking table of a plate: a row every 100 mm, the printed numbers (to 0.5 mm) give points
// on the outline within 0.5 mm, and each station mark comes back from its row.
void ExpectTableTrue(const TemplatePlate& plate, const std::vector<TemplateMark>& marks) {
    const MarkingTable t = MakeMarkingTable(plate, marks);
    ASSERT_FALSE(t.rows.empty());
    EXPECT_NEAR(t.rows.front().alongMm, 0.0, 1e-9);
    EXPECT_NEAR(t.rows.back().alongMm, t.lengthMm, 1e-6);
    const auto point = [&](const MarkingRow& r, double offset) {
        return MarkingPoint(t, MarkingMm(r.alongMm), MarkingMm(offset));
    };
    int regular = 0;
    for (const MarkingRow& r : t.rows) {
        if (r.markEdge < 0 && r.alongMm < t.lengthMm - 1e-6) {
            EXPECT_NEAR(r.alongMm, 100.0 * regular++, 1e-6);
        }
        for (const auto& offset : {r.lowerMm, r.upperMm})
            EXPECT_LT(offset ? OutlineDistance(plate, point(r, *offset)) : 0, 5e-4) << r.alongMm;
    }
    for (const TemplateMark& m : marks) {
        int found = 0;
        for (const MarkingRow& r : t.rows) {
            if (r.mark != m.label || r.markEdge != m.edge) continue;
            const auto& offset = m.edge == 0 ? r.lowerMm : r.upperMm;
            ASSERT_TRUE(offset.has_value());
            const FlatPoint q = point(r, *offset);
            EXPECT_LT(std::hypot(q.x - m.at.x, q.y - m.at.y), 5e-4) << m.label;
            ++found;
        }
        EXPECT_GT(found, 0) << m.label;
    }
}

// Whatever the hull, every plate keeps both edges' lengths, has an area and a finite report, its
// marks lie on its outline and its marking table is true.
TEST(TemplatePlate, HullPlatesKeepTheirEdgesAndTheirTablesAreTrue) {
    for (uint32_t seed = 0; seed <= 12; ++seed) {
        const HullOnBoard b = OnBoard(seed);
        for (const TemplatePanel panel : AvailableTemplatePanels(b.hull, b.board)) {
            SCOPED_TRACE(std::to_string(seed) + " " + TemplatePanelKey(panel));
            const TemplatePlate plate = MakeTemplatePlate(b.hull, b.board, panel);
            const PlateAccuracy a = MeasurePlateAccuracy(plate);
            EXPECT_NEAR(a.lower3dMm, a.lowerFlatMm, 1e-6);
            EXPECT_NEAR(a.upper3dMm, a.upperFlatMm, 1e-6);
            // A finite rms no larger than the largest error (a NaN fails the comparison).
            EXPECT_TRUE(a.quadrilaterals > 0 && a.areaM2 > 0 && std::isfinite(a.largestMm) &&
                        a.rmsMm <= std::fabs(a.largestMm) + 1e-12);
            const std::vector<TemplateMark> marks = TemplateMarks(b.hull, plate, 1);
            EXPECT_FALSE(marks.empty());
            for (const TemplateMark& m : marks) {
                EXPECT_LT(OutlineDistance(plate, m.at), 1e-9) << m.label;
                EXPECT_NEAR(std::hypot(m.across.x, m.across.y), 1.0, 1e-9) << m.label;
            }
            ExpectTableTrue(plate, marks);
        }
    }
}

// The stations marked: every fifth and the max beam, each named once per edge it crosses.
TEST(TemplateMarking, StationsMarkedOnThePlanks) {
    const HullOnBoard b = OnBoard(0);
    const auto marks =
        TemplateMarks(b.hull, MakeTemplatePlate(b.hull, b.board, TemplatePanel::Plank1), 0);
    int edges[2] = {0, 0}, bmax = 0;
    for (const TemplateMark& m : marks) {
        ++edges[m.edge == 0 ? 0 : 1];
        bmax += m.label.find("Bmax") != std::string::npos;
    }
    // Stations 1, 6, ..., 81 and the max-beam station, on both edges of the plank.
    const int stations = 17 + ((b.hull.MaxBeamIndex - 1) % 5 == 0 ? 0 : 1);
    EXPECT_EQ(std::make_tuple(edges[0], edges[1], bmax), std::make_tuple(stations, stations, 2));
    EXPECT_EQ(marks.front().label, "St 1 x=0.000");
}

TEST(TemplatePlan, RefusedRequestsSayWhyAndPrintNothing) {
    const HullOnBoard boat = OnBoard(0), early = OnBoard(0, 0);
    HullOnBoard broken = OnBoard(0);
    broken.hull.LineY[Chine2][40] = NAN;
    const PageArea a4 = PrintableArea(Paper::A4);
    const auto plank1 = std::vector<TemplatePanel>{TemplatePanel::Plank1};
    const struct {
        const HullOnBoard& board;
        TemplateRequest request;
        float width;
        const char* says;
    } cases[] = {
        {boat, {{}, {0.5, 1.0}, 10.0, ""}, a4.width, "calibration factors"},
        {boat, {{}, {1.0, 1.3}, 10.0, ""}, a4.width, "calibration factors"},
        {boat, {{}, {NAN, 1.0}, 10.0, ""}, a4.width, "calibration factors"},
        {boat, {{}, {}, 2.0, ""}, a4.width, "overlap"},
        {boat, {{TemplatePanel::Bow}, {}, 10.0, ""}, a4.width, "pointed bow"},
        {early, {plank1, {}, 10.0, ""}, a4.width, "not defined at this stage"},
        {boat, {}, 2000.0f, "too small"},
        {broken, {plank1, {}, 10.0, ""}, a4.width, "plank1: the plate cannot be laid out"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.says);
        const TemplatePlan plan =
            PlanTemplates(c.board.hull, c.board.board, c.request, c.width, a4.height);
        EXPECT_NE(plan.error.find(c.says), std::string::npos) << plan.error;
        EXPECT_TRUE(plan.plates.empty());
        // Nothing is printed for a refused plan, not even the end of a document.
        PageRecordingCanvas canvas(c.width, a4.height);
        PrintTemplates(c.board.hull, plan, c.request, canvas);
        EXPECT_EQ(std::make_pair(canvas.recording(), canvas.documentsEnded()),
                  std::make_pair(std::string(), 0));
    }
    // The broken plate alone is refused: the others still print.
    const TemplateRequest bottom{{TemplatePanel::Bottom}, {}, 10.0, ""};
    EXPECT_EQ(PlanTemplates(broken.hull, broken.board, bottom, a4.width, a4.height).error, "");
}

// The plates planned, in the document's order. (The sheets the plan counts are its plates':
// PrintCli.TemplatesReportCountsThePagesOfThePdf.)
TEST(TemplatePlan, PlatesOfEachStageInTheirOrder) {
    using P = TemplatePanel;
    const auto planned = [](const HullOnBoard& b, const std::vector<P>& asked) {
        const PageArea a4 = PrintableArea(Paper::A4);
        std::vector<P> out;
        for (const PlannedPlate& p :
             PlanTemplates(b.hull, b.board, {asked, {}, 10.0, ""}, a4.width, a4.height).plates)
            out.push_back(p.plate.panel);
        return out;
    };
    EXPECT_EQ(planned(OnBoard(0, 0), {}), std::vector<P>{P::Bottom});
    // Asked in any order and twice, printed once each in the document's order.
    EXPECT_EQ(planned(OnBoard(0), {P::Transom, P::Bottom, P::Transom}),
              (std::vector<P>{P::Bottom, P::Transom}));
    // A pram bow has its bow plate last.
    uint32_t seed = 1;
    while (!HasBowPlate(test::RandomHull(seed)) && seed < 50) ++seed;
    const HullOnBoard pram = OnBoard(seed);
    EXPECT_EQ(AvailableTemplatePanels(pram.hull, pram.board).back(), P::Bow);
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
        SCOPED_TRACE(std::to_string(c.x) + " x " + std::to_string(c.y));
        const TemplateTiling t =
            TileTemplate(Rectangle(c.x / 1000, c.y / 1000), area, {}, 10.0, kTemplateMarginMm);
        EXPECT_EQ(std::tie(t.printedCount, t.turned, t.rows, t.cols),
                  std::tie(c.sheets, c.turned, c.rows, c.cols));
        // Neighbours share the overlap exactly.
        const double shared = SheetWindow(t, 0, 0).u1 - SheetWindow(t, 0, 1).u0;
        EXPECT_TRUE(t.cols == 1 || std::fabs(shared - 10 * kTwipsPerMm) < 1e-6) << shared;
    }
}

// The document printed on a recording printer of the paper's printable area, its calls cut into
// pages (page 1 first).
struct RecordedTemplates {
    TemplatePlan plan;
    std::vector<std::vector<RecordedCall>> pages;
};

RecordedTemplates RecordTemplates(const HullOnBoard& b, const TemplateRequest& request,
                                  Paper paper) {
    const PageArea area = PrintableArea(paper);
    RecordedTemplates out{PlanTemplates(b.hull, b.board, request, area.width, area.height), {{}}};
    PageRecordingCanvas canvas(area.width, area.height);
    PrintTemplates(b.hull, out.plan, request, canvas);
    bool ok = false;
    for (const RecordedCall& c : test::ReadRecording(canvas.recording(), ok)) {
        if (c.op == "page")
            out.pages.emplace_back();
        else
            out.pages.back().push_back(c);
    }
    EXPECT_TRUE(ok);
    return out;
}

// A printed sheet of a plate: its page's calls and where its page points lie in the plane.
struct Sheet {
    int row, col;
    const std::vector<RecordedCall>* calls;
    PlaneRect window;
    // The plane point of a page point, the calibration taken out.
    PlanePoint plane(const TemplatePlan& plan, const TemplateScale& s, float x, float y) const {
        return {x / s.SX + window.u0, (y - plan.area.top) / s.SY + window.v0};
    }
};

// The printed sheets of a plate, row after row, on the pages after its first.
std::vector<Sheet> Sheets(const RecordedTemplates& rec, const PlannedPlate& p) {
    std::vector<Sheet> out;
    std::size_t page = static_cast<std::size_t>(p.firstPage);
    for (int r = 0; r < p.tiling.rows; ++r)
        for (int c = 0; c < p.tiling.cols; ++c)
            if (p.tiling.isPrinted(r, c))
                out.push_back({r, c, &rec.pages.at(page++), SheetWindow(p.tiling, r, c)});
    return out;
}

// The calibration sheet's square (100 mm) and ruler (200 mm with a tick every millimetre) at
// their true size, scaled by the calibration: the square is four lines end to end, closing
// where they started, sides square to the page; the ruler the longest upright line.
void ExpectCalibrationTrue(const RecordedTemplates& rec, const TemplateScale& s) {
    std::vector<std::array<float, 4>> l;
    for (const RecordedCall& c : rec.pages[0])
        if (c.op == "line") l.push_back({c.args[0], c.args[1], c.args[2], c.args[3]});
    double squareW = 0, squareH = 0, ruler = 0, rulerX = 0;
    for (std::size_t i = 0; i < l.size(); ++i) {
        if (l[i][0] == l[i][2] && std::fabs(l[i][3] - l[i][1]) > ruler)
            ruler = std::fabs(l[i][3] - l[i][1]), rulerX = l[i][0];
        bool closed = i + 3 < l.size() && l[i][1] == l[i][3] && l[i + 1][0] == l[i + 1][2];
        for (std::size_t k = 1; k <= 4 && closed; ++k)
            closed = l[i + k % 4][0] == l[i + k - 1][2] && l[i + k % 4][1] == l[i + k - 1][3];
        if (closed) squareW = std::fabs(l[i][2] - l[i][0]), squareH = l[i + 1][3] - l[i + 1][1];
    }
    const auto ticks = std::count_if(l.begin(), l.end(),
                                     [&](const auto& a) { return a[0] == rulerX && a[1] == a[3]; });
    EXPECT_NEAR(squareW, 100 * kTwipsPerMm * s.SX, 0.01) << s.SX;
    EXPECT_NEAR(squareH, 100 * kTwipsPerMm * s.SY, 0.01) << s.SY;
    EXPECT_NEAR(ruler, 200 * kTwipsPerMm * s.SY, 0.01) << s.SY;
    EXPECT_EQ(ticks, 201);
}

// Every piece of the outline drawn on the plate's sheets (the pen-width-2 lines in the plate's
// colour below the header band) lies on one segment of the outline at 1:1, every sheet has some,
// and the pieces cover every segment. (A metre of the plate is its twips on the sheet, turned or
// not: the sheet counts of RectanglesLieTheWayThatTakesFewestSheets.)
void ExpectOutlineReassembled(const Hull& h, const RecordedTemplates& rec, const PlannedPlate& p,
                              const TemplateScale& s) {
    std::vector<std::pair<PlanePoint, PlanePoint>> pieces;
    const int32_t colour = h.LineColor[static_cast<std::size_t>(p.plate.colour)];
    for (const Sheet& sheet : Sheets(rec, p)) {
        const std::size_t before = pieces.size();
        for (const RecordedCall& c : *sheet.calls) {
            if (c.op != "line" || c.width != 2 || c.color != colour) continue;
            EXPECT_GE(std::min(c.args[1], c.args[3]), rec.plan.area.top - kTolerance);
            pieces.push_back({sheet.plane(rec.plan, s, c.args[0], c.args[1]),
                              sheet.plane(rec.plan, s, c.args[2], c.args[3])});
        }
        EXPECT_GT(pieces.size(), before) << "sheet " << SheetLabel(sheet.row, sheet.col);
    }
    std::vector<PlanePoint> o;
    for (const FlatPoint& q : PlateOutline(p.plate)) o.push_back(PlaneOf(p.tiling, q));
    std::vector<std::vector<std::pair<double, double>>> covered(o.size());
    for (const auto& [a, b] : pieces) {
        // A piece counts for every segment it lies on: an outline may fold back over itself.
        bool onOutline = false;
        for (std::size_t i = 0; i + 1 < o.size(); ++i) {
            double ta, tb;
            const auto& [u, v] = std::tie(o[i], o[i + 1]);
            if (SegmentDistance(a.u, a.v, u.u, u.v, v.u, v.v, &ta) > kTolerance ||
                SegmentDistance(b.u, b.v, u.u, u.v, v.u, v.v, &tb) > kTolerance)
                continue;
            onOutline = true;
            covered[i].push_back({std::min(ta, tb), std::max(ta, tb)});
        }
        EXPECT_TRUE(onOutline) << "a piece from (" << a.u << ", " << a.v << ")";
    }
    for (std::size_t i = 0; i + 1 < o.size(); ++i) {
        const double length = std::hypot(o[i + 1].u - o[i].u, o[i + 1].v - o[i].v);
        std::sort(covered[i].begin(), covered[i].end());
        double reached = 0.0;
        for (const auto& [from, to] : covered[i]) {
            if ((from - reached) * length > kTolerance) break;
            reached = std::max(reached, to);
        }
        EXPECT_GE(reached * length, length - kTolerance) << "outline segment " << i;
    }
    // A sheet is printed where the outline runs through the part of it kept once cut, only there.
    for (int r = 0; r < p.tiling.rows; ++r) {
        for (int c = 0; c < p.tiling.cols; ++c) {
            bool crossed = false;
            for (std::size_t i = 0; i + 1 < o.size() && !crossed; ++i) {
                PlanePoint u = o[i], v = o[i + 1];
                crossed = ClipSegment(SheetCell(p.tiling, r, c), u, v);
            }
            EXPECT_EQ(p.tiling.isPrinted(r, c), crossed) << SheetLabel(r, c);
        }
    }
}

// Each printed sheet has the four crosses of its corners; a neighbour shares two of them, a
// diagonal neighbour one.
void ExpectCrossesShared(const RecordedTemplates& rec, const PlannedPlate& p,
                         const TemplateScale& s) {
    std::map<std::pair<int, int>, std::vector<PlanePoint>> centres;
    for (const Sheet& sheet : Sheets(rec, p))
        for (const RecordedCall& c : *sheet.calls)
            if (c.op == "circle")
                centres[{sheet.row, sheet.col}].push_back(
                    sheet.plane(rec.plan, s, c.args[0], c.args[1]));
    const auto shared = [&](const std::vector<PlanePoint>& a, int row, int col) {
        const auto it = centres.find({row, col});
        if (it == centres.end()) return -1;
        int n = 0;
        for (const PlanePoint& q : a)
            for (const PlanePoint& r : it->second)
                n += std::hypot(q.u - r.u, q.v - r.v) <= kTolerance;
        return n;
    };
    for (const auto& [rc, points] : centres) {
        const auto [row, col] = rc;
        EXPECT_EQ(points.size(), 4u);
        for (const int n : {shared(points, row, col + 1), shared(points, row + 1, col)})
            EXPECT_TRUE(n == -1 || n == 2) << n;
        const int diagonal = shared(points, row + 1, col + 1);
        EXPECT_TRUE(diagonal == -1 || diagonal == 1) << diagonal;
    }
}

// The default hull on both papers and under calibrations, and random hulls with a bow plate where
// they have one, in both languages.
TEST(TemplateSheets, OutlinesReassembleAtFullSize) {
    const struct {
        uint32_t seed;
        Paper paper;
        TemplateScale scale;
        double overlap;
    } cases[] = {{0, Paper::A4, {1.0, 1.0}, 10.0},   {0, Paper::Letter, {1.0, 1.0}, 10.0},
                 {0, Paper::A4, {1.02, 0.97}, 25.0}, {1, Paper::A4, {}, 10.0},
                 {2, Paper::A4, {}, 10.0},           {3, Paper::Letter, {}, 10.0},
                 {4, Paper::A4, {}, 10.0},           {0, Paper::A4, {0.8, 1.2}, 10.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.seed);
        HullOnBoard b = OnBoard(c.seed);
        b.hull.Language = static_cast<int16_t>(c.seed % 2);
        TemplateRequest r{{}, c.scale, c.overlap, "2024-05-17"};
        if (c.seed != 0) {
            r.panels = {TemplatePanel::Plank1, TemplatePanel::Transom};
            if (HasBowPlate(b.hull)) r.panels.push_back(TemplatePanel::Bow);
        }
        const RecordedTemplates rec = RecordTemplates(b, r, c.paper);
        ASSERT_EQ(rec.plan.error, "");
        ASSERT_EQ(static_cast<int>(rec.pages.size()), rec.plan.pages);
        ExpectCalibrationTrue(rec, r.scale);
        for (const PlannedPlate& p : rec.plan.plates) {
            SCOPED_TRACE(TemplatePanelKey(p.plate.panel));
            ExpectOutlineReassembled(b.hull, rec, p, r.scale);
            ExpectCrossesShared(rec, p, r.scale);
        }
    }
}

}  // namespace
}  // namespace voriel
