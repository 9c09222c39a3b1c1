// Areas of the plates, decks, transom and bow plate, summed station by station.
#include "hydro/mass_areas.h"

#include <cmath>

namespace voriel {

namespace {

// A zero area (a plate squeezed to nothing, a pointed bow) has no centre: it is reported as 0.
double centreOf(double moment, double area) {
    return area != 0 ? moment / area : 0.0;
}

// Girth of the plate between line k and line k+1 at point i, across the hull (Y and Z only).
double girth(const Hull& h, int k, int i) {
    const double dz = h.LineZ[k + 1][i] - h.LineZ[k][i];
    const double dy = h.LineY[k + 1][i] - h.LineY[k][i];
    return std::sqrt(dz * dz + dy * dy);
}

// The plate between line k and line k+1, as (area of one side, moment about X = 0).
void plate(const Hull& h, int k, double& area, double& moment) {
    const auto& x = h.LineX;
    area = moment = 0.0;
    for (int i = 1; i < kPointCount; ++i) {
        const double dx = (x[k][i] + x[k + 1][i]) / 2 - (x[k][i - 1] + x[k + 1][i - 1]) / 2;
        const double xc = (x[k][i - 1] + x[k + 1][i - 1] + x[k + 1][i] + x[k][i]) / 4;
        const double da = (girth(h, k, i) + girth(h, k, i - 1)) * dx / 2;
        area += da;
        moment += xc * da;
    }
}

// The plan area inside line m, both sides, as (area, moment about X = 0).
void deck(const Hull& h, int m, double& area, double& moment) {
    const auto& x = h.LineX[m];
    const auto& y = h.LineY[m];
    area = moment = 0.0;
    for (int i = 1; i < kPointCount; ++i) {
        const double da = (x[i] - x[i - 1]) * (y[i] + y[i - 1]);
        area += da;
        moment += (x[i - 1] + x[i]) * da / 2;
    }
}

// The end plate closing the lines at point i (0 transom, 82 bow), keel to sheer, both sides. The
// plate is flat, standing across the hull and leaning fore and aft: each strip between two lines
// is a trapezoid whose height, in the plate's plane, is the fore-and-aft and vertical distance
// (as the plate is developed), and whose parallel sides are the two full breadths.
void endPlate(const Hull& h, int i, double& area, double& centre) {
    double moment = 0.0;
    area = 0.0;
    for (int d = 1; d <= Sheer; ++d) {
        const double dz = h.LineZ[d][i] - h.LineZ[d - 1][i];
        const double dx = h.LineX[d][i] - h.LineX[d - 1][i];
        const double s = std::sqrt(dz * dz + dx * dx);
        const double da = (h.LineY[d - 1][i] + h.LineY[d][i]) * s;
        area += da;
        moment += (h.LineX[d - 1][i] + h.LineX[d][i]) * da / 2;
    }
    centre = centreOf(moment, area);
}

}  // namespace

MassAreas ComputeMassAreas(const Hull& h) {
    MassAreas a;
    for (int k = 0; k < 4; ++k) {
        double area, moment;
        plate(h, k, area, moment);
        a.PlateCentreX[k] = centreOf(moment, area);
        a.PlateArea[k] = 2 * area;
        deck(h, k + 1, area, moment);
        a.DeckArea[k] = area;
        a.DeckCentreX[k] = centreOf(moment, area);
    }
    endPlate(h, 0, a.TransomArea, a.TransomCentreX);
    endPlate(h, kPointCount - 1, a.BowPlateArea, a.BowPlateCentreX);
    return a;
}

}  // namespace voriel
