// A station section drawn in the profile: the half section laid flat beside its station line.
#include "board/station_drawing.h"

#include <algorithm>

#include "board/station_sections.h"
#include "board/view_transform.h"

namespace voriel {

void DrawStation(const Hull& h, const BoardState& b, Canvas& c) {
    const int i = std::clamp<int>(b.StationIndex, 1, kPointCount - 2);
    const auto &x = b.StationPtX[i], &y = b.StationPtY[i], &z = b.StationPtZ[i];
    const double side = StationDrawingSide(i);
    constexpr int kSheerPoint = kSectionPointCount - 1;

    c.setColor(h.LineColor[4]);
    c.setStyle(LineStyle::Solid);
    c.moveTo(ViewX(b, x[0]), ProfileY(b, z[0]));
    for (int j = 1; j <= kSheerPoint; ++j)
        c.lineTo(ViewX(b, x[j] + side * y[j]), ProfileY(b, z[j]));
    c.lineTo(ViewX(b, x[kSheerPoint]), ProfileY(b, z[kSheerPoint]));

    c.setStyle(LineStyle::DashDot);
    const float station = ViewX(b, x[0]);
    c.line(station, ProfileY(b, z[0]) + 100.0f, station, ProfileY(b, z[kSheerPoint]) - 100.0f);

    c.setStyle(LineStyle::Solid);
    c.setColor(h.LineColor[0]);
}

}  // namespace voriel
