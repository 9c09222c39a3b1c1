// The fitted view: the view transform that lays profile, plan and body plan on the sheet.
#include "board/view_fit.h"

#include <algorithm>
#include <cmath>

#include "board/lines_views.h"

namespace voriel {

namespace {

// Length (m) of line j in plan, along its points 0..82.
double planLength(const Hull& h, int j) {
    double length = 0.0;
    for (int p = 1; p < kPointCount; ++p)
        length += std::hypot(h.LineX[j][p] - h.LineX[j][p - 1], h.LineY[j][p] - h.LineY[j][p - 1]);
    return length;
}

// The largest scale at which the highest, lowest, widest and foremost points of the lines (and
// the body plan beside them) stay on a width x height sheet laid out from these extents. A half
// breadth may be negative where a line's straight end crosses the centre line.
double sheetLimit(const Hull& h, double W, double H, double lx, double beam, double top, double aft,
                  double depth) {
    double zHigh = 0.0, zLow = 0.0, yWide = 0.0, yNarrow = 0.0, xFwd = 0.0, xAft = aft;
    for (int j = Keel; j <= Sheer; ++j) {
        for (int p = 0; p < kPointCount; ++p) {
            zHigh = std::max(zHigh, h.LineZ[j][p]);
            zLow = std::min(zLow, h.LineZ[j][p]);
            yWide = std::max(yWide, h.LineY[j][p]);
            yNarrow = std::min(yNarrow, h.LineY[j][p]);
            xFwd = std::max(xFwd, h.LineX[j][p]);
            xAft = std::min(xAft, h.LineX[j][p]);
        }
    }
    double limit = HUGE_VAL;
    const auto hold = [&limit](double room, double extent) {
        if (extent > 0) limit = std::min(limit, room / extent);
    };
    hold(H / 2 - 100, 0.05 * top + depth + zHigh);  // profile top
    hold(H / 2 + 100, -zLow - 0.05 * top - depth);  // profile bottom
    hold(H / 4, yWide - 0.55 * beam);               // plan's outermost half breadth
    hold(3 * H / 4, 0.55 * beam - yNarrow);         // a line crossing the centre line
    // The body plan's right side; a negative half breadth on its left half lands right of it.
    hold(W - 150, 1.12 * beam + lx + std::max(yWide, -yNarrow) - aft);
    hold(W - 150, xFwd - aft);  // forward ends
    hold(150, aft - xAft);      // a keel ending aft of the other lines
    return limit;
}

}  // namespace

void FitViewTransform(const Hull& h, BoardState& b, float width, float height) {
    const int m = h.MaxBeamIndex;
    const double W = width, H = height;
    double lx = 1.1 * h.XFwd[Chine1];
    for (const int j : {Chine1, Chine3, Sheer}) lx = std::max(lx, planLength(h, j));
    double beam = 1.25 * h.YMax[Chine1];
    double top = h.YMax[Chine1];
    double aft = -0.1 * h.XFwd[Chine1];
    for (int j = Chine1; j <= Sheer; ++j) {
        aft = std::min(aft, h.LineX[j][0]);
        top = std::max({top, h.LineZ[j][kPointCount - 1], h.LineZ[j][0]});
        beam = std::max(beam, h.LineY[j][m]);
    }
    const double depth = std::fabs(h.LineZ[Keel][m]);

    const double sx = (W - 300) / (2.15 * beam + (lx - aft));
    const double sz = (H - 400) / (1.1 * (top + beam) + 1.1 * depth);
    // The two terms fit a hull about as deep as it is wide; a deeper or a much wider one would run
    // off the sheet, so the scale is also held to what keeps every line on it.
    const double s = std::min({sx, sz, sheetLimit(h, W, H, lx, beam, top, aft, depth)});
    b.ViewScaleX = static_cast<float>(s);
    b.ViewScaleY = static_cast<float>(s);
    b.ViewScaleZ = static_cast<float>(-s);
    b.ViewOriginX = static_cast<float>(150 - s * aft);
    b.ViewOriginY = static_cast<float>(H / 2 + (H / 2 - 1.1 * beam * s) / 2);
    b.ViewOriginZ = static_cast<float>((H / 2 - 100) - (0.05 * top + depth) * s);
    b.BodyPlanX = static_cast<float>(1.12 * beam + lx);
}

void FitViews(const Hull& hull, BoardState& board, Canvas& canvas) {
    FitViewTransform(hull, board, canvas.scaleWidth(), canvas.scaleHeight());
    DrawGrid(hull, board, canvas);
}

}  // namespace voriel
