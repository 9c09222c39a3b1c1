// The lines drawing on the sheet: grid and axes, the hull lines in profile and plan, the body plan.
#include "board/lines_views.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "board/arrowheads.h"
#include "board/view_transform.h"
#include "text/number_text.h"

namespace voriel {

namespace {

constexpr int kLast = kPointCount - 1;  // forward end
constexpr float kAxisTop = 300.0f;      // the vertical axes stop this far below the sheet's top

// A figure (dimension text) with its start at (x, y).
void figure(Canvas& c, double value, float x, float y) {
    c.moveTo(x, y);
    c.textLine(Format(value, "0.0##"));
}

// A letter or figure text at (x, y).
void label(Canvas& c, const std::string& text, float x, float y) {
    c.moveTo(x, y);
    c.textLine(text);
}

void planPolyline(Canvas& c, const Hull& h, const BoardState& b, int j) {
    c.moveTo(ViewX(b, h.LineX[j][0]), PlanY(b, h.LineY[j][0]));
    for (int p = 1; p < kPointCount; ++p)
        c.lineTo(ViewX(b, h.LineX[j][p]), PlanY(b, h.LineY[j][p]));
}

void profilePolyline(Canvas& c, const Hull& h, const BoardState& b, int j) {
    c.moveTo(ViewX(b, h.LineX[j][0]), ProfileY(b, h.LineZ[j][0]));
    for (int p = 1; p < kPointCount; ++p)
        c.lineTo(ViewX(b, h.LineX[j][p]), ProfileY(b, h.LineZ[j][p]));
}

// The body plan's centre line, the Z axis, the X axis (the profile's base line) and the plan's Y
// axis, each but the first ending in an arrowhead and its letter.
void drawAxes(const BoardState& b, Canvas& c, double dx, double dy, double dz) {
    const float zero = c.textWidth("0"), high = c.textHeight("00");
    const float xBody = BodyPlanSheetX(b, 0.0);
    c.line(xBody, b.ViewOriginY - 100.0f, xBody, kAxisTop);

    const float x0 = ViewX(b, 0.0);
    c.line(x0, ProfileY(b, -dz), x0, kAxisTop);
    ArrowUp(c);
    label(c, "Z", x0 - zero, kAxisTop - high);

    const float base = ProfileY(b, 0.0), right = c.scaleWidth() - 100.0f;
    c.line(ViewX(b, -dx), base, right, base);
    ArrowRight(c);
    label(c, "X", right - zero, base - high);

    const float yEnd = PlanY(b, 5 * dy) + 300.0f;
    c.line(x0, b.ViewOriginY - 100.0f, x0, yEnd);
    ArrowDown(c);
    label(c, " Y", x0, yEnd - high);
}

// The max-beam dimension, the waterline length and the keel and chine 1.
void drawStage0(const Hull& h, const BoardState& b, Canvas& c) {
    c.setColor(h.LineColor[0]);
    const int m = h.MaxBeamIndex;
    const double xm = h.LineX[Chine1][m], ym = h.LineY[Chine1][m];
    const float x = ViewX(b, xm), centre = b.ViewOriginY, chine = PlanY(b, ym);
    const float high = c.textHeight("00");
    c.line(x, centre - 25.0f, x, centre + 25.0f);
    const std::string at = Format(xm, "0.0##");
    label(c, at, x - c.textWidth(at) - 40.0f, centre + 20.0f);
    c.line(x, centre, x, chine);
    ArrowDown(c);
    figure(c, ym, x + 40.0f, (centre + chine) / 2 - high / 2);
    const std::string lwl = Format(h.XFwd[Keel], "0.0##");
    label(c, lwl, ViewX(b, h.XFwd[Keel]) - c.textWidth(lwl), centre - high - 20.0f);

    for (const int j : {Keel, Chine1}) {
        planPolyline(c, h, b, j);
        profilePolyline(c, h, b, j);
    }
}

// The X of one end of line j (point p) in the plan: a leader down from the end, a stroke to it
// with an arrowhead, and the figure under the stroke.
void endDimension(const Hull& h, const BoardState& b, Canvas& c, int j, int p) {
    c.setColor(h.LineColor[j - 1]);
    const float x = ViewX(b, h.LineX[j][p]), y = PlanY(b, h.LineY[j][p]);
    c.line(x, y + 100.0f, x, y + 500.0f);
    c.line(x - 300.0f, y + 400.0f, x, y + 400.0f);
    ArrowRight(c);
    figure(c, h.LineX[j][p], x - 300.0f, y + 500.0f);
}

// The edge between the ends (point p) of lines j - 1 and j in the plan.
void planEdge(const Hull& h, const BoardState& b, Canvas& c, int j, int p) {
    c.line(ViewX(b, h.LineX[j - 1][p]), PlanY(b, h.LineY[j - 1][p]), ViewX(b, h.LineX[j][p]),
           PlanY(b, h.LineY[j][p]));
}

// The end dimensions, then chines 2, 3 and the sheer with the transom and stem edges.
void drawStage1(const Hull& h, const BoardState& b, Canvas& c) {
    const auto& x = h.LineX;
    endDimension(h, b, c, x[Sheer][kLast] < x[Chine3][kLast] ? Chine3 : Sheer, kLast);
    endDimension(h, b, c, x[Sheer][0] >= x[Chine3][0] ? Chine3 : Sheer, 0);

    for (int j = Chine2; j <= Sheer; ++j) {
        c.setColor(h.LineColor[j - 1]);
        c.moveTo(ViewX(b, x[j - 1][0]), ProfileY(b, h.LineZ[j - 1][0]));
        for (int p = 0; p < kPointCount; ++p)
            c.lineTo(ViewX(b, x[j][p]), ProfileY(b, h.LineZ[j][p]));
        c.lineTo(ViewX(b, x[j - 1][kLast]), ProfileY(b, h.LineZ[j - 1][kLast]));

        planPolyline(c, h, b, j);
        if (h.TransomTurnIn[j - 1] != h.TransomTurnIn[j] || j == Sheer) planEdge(h, b, c, j, 0);
        if (h.StemTurnIn[j - 1] != h.StemTurnIn[j] || j == Sheer) planEdge(h, b, c, j, kLast);
    }
}

}  // namespace

void DrawGrid(const Hull& h, const BoardState& b, Canvas& c) {
    const double dx = h.XFwd[Keel] / 10, dy = h.YMax[Chine1] / 4, dz = h.ZMax[Sheer] / 4;
    c.setColor(h.LineColor[4]);
    c.setStyle(LineStyle::Solid);
    c.circle(b.ViewOriginX, b.ViewOriginZ, 50.0f);

    c.setColor(kGridColor);
    for (int i = -1; i <= 11; ++i) {
        const float x = ViewX(b, i * dx);
        c.line(x, PlanY(b, 0.0), x, PlanY(b, 5 * dy));
    }
    for (int i = -1; i <= 11; ++i) {
        const float x = ViewX(b, i * dx);
        c.line(x, ProfileY(b, -dz), x, ProfileY(b, 5 * dz));
    }
    for (int i = -5; i <= 5; ++i) {
        const float x = BodyPlanSheetX(b, i * dy);
        c.line(x, ProfileY(b, 5 * dz), x, PlanY(b, std::abs(i) * dy));
    }
    for (int i = 0; i <= 5; ++i) {
        const float y = PlanY(b, i * dy);
        c.line(BodyPlanSheetX(b, i * dy), y, ViewX(b, -dx), y);
    }

    // The axes keep the grid's colour; the hull lines after them must not inherit the dash-dot.
    c.setStyle(LineStyle::DashDot);
    drawAxes(b, c, dx, dy, dz);
    c.setStyle(LineStyle::Solid);
}

void DrawLines(const Hull& hull, const BoardState& board, int stage, Canvas& canvas) {
    if (stage == 0) drawStage0(hull, board, canvas);
    if (stage == 1) drawStage1(hull, board, canvas);
}

void DrawBodyPlan(const Hull& h, const BoardState& b, int stage, Canvas& c) {
    if (stage != 0 && stage != 1) return;
    c.setColor(h.LineColor[0]);
    c.setStyle(LineStyle::Solid);
    const int first = stage == 0 ? 0 : 10, last = stage == 0 ? 10 : 13;
    const auto section = [&](int p, double side) {
        const auto &y = b.StationPtY[p], &z = b.StationPtZ[p];
        c.moveTo(BodyPlanSheetX(b, side * y[first]), ProfileY(b, z[first]));
        for (int j = first + 1; j <= last; ++j)
            c.lineTo(BodyPlanSheetX(b, side * y[j]), ProfileY(b, z[j]));
    };
    // Aft sections right of the centre line, forward ones left of it.
    section(0, 1.0);
    for (int p = 5; p <= 41; p += 4) section(p, 1.0);
    for (int p = 45; p <= 81; p += 4) section(p, -1.0);
    section(kLast, -1.0);
}

void DrawStages(const Hull& hull, const BoardState& board, Canvas& canvas) {
    for (int s = 0; s <= std::min<int>(board.ChineView, 1); ++s) {
        DrawLines(hull, board, s, canvas);
        DrawBodyPlan(hull, board, s, canvas);
    }
}

}  // namespace voriel
