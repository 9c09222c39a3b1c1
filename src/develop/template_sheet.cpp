// One sheet of a full-size template: its piece of the plate at 1:1 with the registration crosses,
// cut lines and neighbours' names that join it to the others, under a header naming it.
#include "develop/template_sheet.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "develop/template_glyphs.h"
#include "develop/template_map.h"
#include "develop/template_text.h"

namespace voriel {

namespace {

constexpr float kLabelHeight = 560.0f;  // the sheet's label in the header (about 10 mm)
constexpr float kLabelLeft = 100.0f, kLabelTop = 70.0f;
constexpr float kMapWidth = 3200.0f, kMapHeight = 620.0f, kMapTop = 50.0f, kMapSide = 400.0f;
constexpr float kSideGap = 150.0f;      // between an overlap strip and the neighbour's name
constexpr double kNameInsideMm = 15.0;  // the plate's name from its outline, inside it

// One sheet's view of the plane.
struct SheetView {
    const TemplatePlan& plan;
    const PlannedPlate& plate;
    const TemplateScale& scale;
    int row, col;
    PlaneRect window;
};

PlanePoint pageOf(const SheetView& v, const PlanePoint& p) {
    return PageOf(v.plate.tiling, v.scale, v.plan.area, v.row, v.col, p);
}

// The part of the plane segment on the sheet.
void planeLine(Canvas& c, const SheetView& v, PlanePoint a, PlanePoint b) {
    if (!ClipSegment(v.window, a, b)) return;
    const PlanePoint p = pageOf(v, a), q = pageOf(v, b);
    c.line(static_cast<float>(p.u), static_cast<float>(p.v), static_cast<float>(q.u),
           static_cast<float>(q.v));
}

bool inside(const PlaneRect& r, const PlanePoint& p) {
    return p.u >= r.u0 && p.u <= r.u1 && p.v >= r.v0 && p.v <= r.v1;
}

// A text whose top-left corner is held within the sheet's area.
void textWithin(Canvas& c, const SheetArea& area, double x, double y, const std::string& text) {
    const double w = c.textWidth(text), h = c.textHeight(text);
    x = std::clamp(x, 0.0, std::max(0.0, area.width - w));
    y = std::clamp(y, area.top, std::max(area.top, area.top + area.height - h));
    c.moveTo(static_cast<float>(x), static_cast<float>(y));
    c.textInline(text);
}

void header(const Hull& h, const SheetView& v, const TemplateRequest& request, Canvas& c) {
    const TemplateTiling& t = v.plate.tiling;
    const std::string label = SheetLabel(v.row, v.col);
    const int16_t lang = h.Language;
    const MapBox fitted = FitSheetMap(v.plate, {0.0f, kMapTop, kMapWidth, kMapHeight}, true);
    // Room on both sides of the map for the row letters of a turned map.
    const float mapX = c.scaleWidth() - fitted.width - kMapSide;
    const float textX = kLabelLeft + StrokeTextWidth(label, kLabelHeight) + 240.0f;
    const std::string grid = std::to_string(t.rows) + " x " + std::to_string(t.cols);
    DrawHeaderBand(c, textX, mapX - 120.0f,
                   {PlateTitle(h, v.plate.plate) + " - 1:1",
                    Tr(lang, "feuille ", "sheet ") + label + Tr(lang, " : rangée ", ": row ") +
                        RowLetters(v.row) + Tr(lang, ", colonne ", ", column ") +
                        std::to_string(v.col + 1) + Tr(lang, " (grille ", " (grid ") + grid + ")",
                    DatePageLine(request, c, lang)});
    c.setWidth(3);
    DrawStrokeText(c, label, kLabelLeft, kLabelTop, kLabelHeight);
    c.setWidth(1);
    DrawSheetMap(h, v.plate, {mapX, kMapTop, fitted.width, fitted.height}, v.row, v.col, false,
                 true, c);
}

// The crosses at the sheet's four corner squares, each circled.
void crosses(const SheetView& v, Canvas& c) {
    const TemplateTiling& t = v.plate.tiling;
    const double arm = std::min(0.4 * t.overlap, 5.0 * kTwipsPerMm);
    for (int dr = 0; dr <= 1; ++dr) {
        for (int dc = 0; dc <= 1; ++dc) {
            const PlanePoint p = CrossPoint(t, v.row + dr, v.col + dc);
            planeLine(c, v, {p.u - arm, p.v}, {p.u + arm, p.v});
            planeLine(c, v, {p.u, p.v - arm}, {p.u, p.v + arm});
            const PlanePoint q = pageOf(v, p);
            c.circle(static_cast<float>(q.u), static_cast<float>(q.v),
                     static_cast<float>(0.5 * arm * v.scale.SX));
        }
    }
}

// Cut lines through the crosses shared with the printed neighbours to the left and above, and
// the names of the printed neighbours on all four sides.
void joins(const Hull& h, const SheetView& v, Canvas& c) {
    const TemplateTiling& t = v.plate.tiling;
    const SheetArea& a = v.plan.area;
    const std::string cut = Tr(h.Language, "couper", "cut");
    const double ovX = t.overlap * v.scale.SX, ovY = t.overlap * v.scale.SY;
    const double midY = a.top + a.height / 2 - c.textHeight("0") / 2;
    c.setStyle(LineStyle::DashDot);
    if (t.isPrinted(v.row, v.col - 1)) {
        const double u = v.window.u0 + t.overlap / 2;
        planeLine(c, v, {u, v.window.v0}, {u, v.window.v1});
        textWithin(c, a, ovX + kSideGap, midY - 2 * c.textHeight("0"), cut);
    }
    if (t.isPrinted(v.row - 1, v.col)) {
        const double w = v.window.v0 + t.overlap / 2;
        planeLine(c, v, {v.window.u0, w}, {v.window.u1, w});
        textWithin(c, a, a.width / 2 + 4 * c.textWidth("0"), a.top + ovY + kSideGap, cut);
    }
    c.setStyle(LineStyle::Solid);
    const auto name = [&](int r, int k) { return SheetLabel(r, k); };
    if (t.isPrinted(v.row, v.col - 1))
        textWithin(c, a, ovX + kSideGap, midY, "\u2190 " + name(v.row, v.col - 1));
    if (t.isPrinted(v.row, v.col + 1)) {
        const std::string s = name(v.row, v.col + 1) + " \u2192";
        textWithin(c, a, a.width - ovX - kSideGap - c.textWidth(s), midY, s);
    }
    if (t.isPrinted(v.row - 1, v.col)) {
        const std::string s = "\u2191 " + name(v.row - 1, v.col);
        textWithin(c, a, a.width / 2 - c.textWidth(s) / 2, a.top + ovY + kSideGap, s);
    }
    if (t.isPrinted(v.row + 1, v.col)) {
        const std::string s = "\u2193 " + name(v.row + 1, v.col);
        textWithin(c, a, a.width / 2 - c.textWidth(s) / 2,
                   a.top + a.height - ovY - kSideGap - c.textHeight(s), s);
    }
}

// Twice the outline's signed area in the plane: its sign tells on which side of each segment the
// plate lies.
double twiceArea(const std::vector<PlanePoint>& o) {
    double a = 0.0;
    for (std::size_t i = 0; i + 1 < o.size(); ++i) a += o[i].u * o[i + 1].v - o[i + 1].u * o[i].v;
    return a;
}

// The outline's pieces on the sheet, and the plate's name on the plate's side of the longest
// piece, so that a sheet with a single line still says which side is the plate.
void outline(const Hull& h, const SheetView& v, Canvas& c) {
    std::vector<PlanePoint> o;
    for (const FlatPoint& p : PlateOutline(v.plate.plate)) o.push_back(PlaneOf(v.plate.tiling, p));
    c.setWidth(2);
    double longest = 0.0;
    PlanePoint mid, inward;
    const double side = twiceArea(o) >= 0 ? 1.0 : -1.0;
    for (std::size_t i = 0; i + 1 < o.size(); ++i) {
        PlanePoint a = o[i], b = o[i + 1];
        if (!ClipSegment(v.window, a, b)) continue;
        planeLine(c, v, a, b);
        const double du = b.u - a.u, dv = b.v - a.v, n = std::hypot(du, dv);
        if (n <= longest) continue;
        longest = n;
        mid = {(a.u + b.u) / 2, (a.v + b.v) / 2};
        inward = {-dv / n * side, du / n * side};
    }
    c.setWidth(1);
    if (longest <= 0.0) return;
    const double reach = kNameInsideMm * kTwipsPerMm;
    const PlanePoint at = pageOf(v, {mid.u + inward.u * reach, mid.v + inward.v * reach});
    const std::string name = TemplatePanelName(v.plate.plate.panel, h.Language);
    textWithin(c, v.plan.area, at.u - c.textWidth(name) / 2, at.v - c.textHeight(name) / 2, name);
}

// A mark across its edge, its label beyond its outer end, clear of it.
void mark(const SheetView& v, const TemplateMark& m, Canvas& c) {
    const TemplateTiling& t = v.plate.tiling;
    const PlanePoint at = PlaneOf(t, m.at);
    const PlanePoint d = PlaneDirection(t, m.across);  // twips per metre of the mark's direction
    const double in = kMarkInsideMm / 1000, out = kMarkOutsideMm / 1000;
    const PlanePoint end{at.u - d.u * out, at.v - d.v * out};
    planeLine(c, v, end, {at.u + d.u * in, at.v + d.v * in});
    if (!inside(v.window, at)) return;
    const PlanePoint p = pageOf(v, end);
    const double ox = -d.u * v.scale.SX, oy = -d.v * v.scale.SY;
    const double n = std::hypot(ox, oy);
    if (n == 0) return;
    const double w = c.textWidth(m.label), h = c.textHeight(m.label);
    const double reach = std::fabs(ox / n) * w / 2 + std::fabs(oy / n) * h / 2 + 60;
    textWithin(c, v.plan.area, p.u + ox / n * reach - w / 2, p.v + oy / n * reach - h / 2, m.label);
}

void centreline(const Hull& h, const SheetView& v, Canvas& c) {
    const auto& up = v.plate.plate.upper;
    double top = 0.0;
    for (const FlatPoint& p : up) top = std::max(top, p.x);
    const double extra = 0.01;  // the line runs 10 mm past the plate at both ends
    c.setStyle(LineStyle::DashDot);
    const TemplateTiling& t = v.plate.tiling;
    const PlanePoint a = PlaneOf(t, {-extra, 0.0}), b = PlaneOf(t, {top + extra, 0.0});
    planeLine(c, v, a, b);
    c.setStyle(LineStyle::Solid);
    if (inside(v.window, b)) {
        const PlanePoint p = pageOf(v, b);
        textWithin(c, v.plan.area, p.u + 60, p.v + 60, Tr(h.Language, "axe", "centreline"));
    }
}

}  // namespace

void DrawTemplateSheet(const Hull& h, const TemplatePlan& plan, const PlannedPlate& plate,
                       const TemplateRequest& request, int row, int col, Canvas& c) {
    const SheetView v{plan, plate, request.scale, row, col, SheetWindow(plate.tiling, row, col)};
    c.setMode(DrawMode::Copy);
    header(h, v, request, c);
    c.setColor(0);
    c.setStyle(LineStyle::Solid);
    crosses(v, c);
    joins(h, v, c);
    c.setColor(h.LineColor[static_cast<std::size_t>(plate.plate.colour)]);
    outline(h, v, c);
    for (const TemplateMark& m : plate.marks) mark(v, m, c);
    if (plate.plate.endPlate()) centreline(h, v, c);
    c.setColor(0);
}

}  // namespace voriel
