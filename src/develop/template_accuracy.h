// How truly a plate develops: the lengths the flat pattern cannot keep, measured against the hull.
#pragma once

#include "develop/template_plate.h"

namespace voriel {

// The development keeps the sides of every triangle it lays, so those say nothing. Each
// quadrilateral j of the plate (lower and upper points j and j + 1, two neighbouring triangles)
// has one length the development does not keep: the diagonal it did not split along (L(j)
// U(j + 1) for j >= 1) or, for the aft quadrilateral, whose two diagonals are both laid, its aft
// side L(0) U(0). The difference of that length in the hull and on the flat pattern, 3-D minus
// flat, is what the plate must stretch (> 0) or shrink (< 0) there to fit. Measured as the
// largest difference over the quadrilateral's six lengths, so that a length the development could
// not keep for another reason (coinciding points) shows too.
struct PlateAccuracy {
    int quadrilaterals = 0;
    double largestMm = 0.0;  // the difference of largest size, with its sign (mm)
    int largestAt = 0;       // the quadrilateral's first point index j
    double rmsMm = 0.0;      // root mean square over the quadrilaterals (mm)
    double lower3dMm = 0.0, lowerFlatMm = 0.0;  // lengths of the lower edge (mm)
    double upper3dMm = 0.0, upperFlatMm = 0.0;  // lengths of the upper edge (mm)
    double areaM2 = 0.0;                        // the flat outline's area (m²)
};

// The report of a plate (edges of equal length, at least two points each).
PlateAccuracy MeasurePlateAccuracy(const TemplatePlate& plate);

}  // namespace voriel
