// The print transform: the lines fitted once per printed document to the page at a standard scale.
#include "board/print_transform.h"

#include <algorithm>
#include <cmath>

#include "text/number_text.h"

namespace voriel {

double StandardPrintScale(double s) {
    if (s >= 1136) return Int(s / 1136) * 1136;
    if (s > 568) return Int(s / 568) * 568;
    if (s >= 113.6) return Int(s / 113.6) * 113.6;
    if (s >= 56.8) return Int(s / 56.8) * 56.8;
    if (s >= 5.68) return Int(s / 5.68) * 5.68;
    return s;
}

PrintTransform FitPrintViews(const Hull& h, float width, float height, SheetReach sheets) {
    PrintTransform t;
    for (int j = Chine1; j <= Sheer; ++j) {
        for (int p = 0; p < kPointCount; ++p) {
            t.Xhi = std::max(t.Xhi, h.LineX[j][p]);
            t.Xlo = std::min(t.Xlo, h.LineX[j][p]);
            t.Yhi = std::max(t.Yhi, h.LineY[j][p]);
            t.Zhi = std::max(t.Zhi, h.LineZ[j][p]);
            t.Zlo = std::min(t.Zlo, h.LineZ[j][p]);
        }
    }
    const double pw = width, ph = height;
    const double xhi = std::max(t.Xhi, sheets.length), yhi = std::max(t.Yhi, sheets.width);
    const double figure = 0.8 * t.Yhi + xhi - t.Xlo;
    const double sa = (0.95 * pw - 200) / figure;
    const double sb = (0.95 * ph - 600) / (2.2 * yhi);
    double s = StandardPrintScale(std::min(sa, sb));
    // A hull with no extent (nothing defined) or a page too small for anything: a unit scale
    // rather than an infinite or reversed one.
    if (!std::isfinite(s) || s <= 0) s = 1.0;

    t.PrintScaleX = static_cast<float>(s);
    t.PrintScaleY = static_cast<float>(s);
    t.PrintScaleZ = static_cast<float>(-s);
    t.PrintOriginX = static_cast<float>((0.95 * pw - figure * s) / 2 + 100 - s * t.Xlo);
    t.PrintOriginY = static_cast<float>(0.5 * ph + 300);
    t.PrintOriginZ = t.PrintOriginY;
    t.PrintBodyPlanX = static_cast<float>((0.5 * pw - t.PrintOriginX) / s);
    t.pageWidth = width;
    t.pageHeight = height;
    return t;
}

}  // namespace voriel
