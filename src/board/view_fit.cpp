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
    const double s = std::min(sx, sz);
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
