// Areas and area centres of the hull plates, floor and decks, transom and pram-bow plate.
#pragma once

#include <array>

#include "hull/hull.h"

namespace voriel {

// Areas in m2 and centres as X in m from the transom. A centre is 0 when its area is 0.
struct MassAreas {
    // Bottom (keel to chine 1) and planks 1..3 (chine k to line k+1), developed, both sides.
    std::array<double, 4> PlateArea{}, PlateCentreX{};
    // Plan area inside line m = 1..4 (floor 1, decks 2..4), both sides.
    std::array<double, 4> DeckArea{}, DeckCentreX{};
    double TransomArea = 0.0, TransomCentreX = 0.0;    // closing the lines at point 0
    double BowPlateArea = 0.0, BowPlateCentreX = 0.0;  // closing the lines at point 82
};

// The areas from the points of lines 0..4 (points 0..82) of the hull record.
MassAreas ComputeMassAreas(const Hull& hull);

}  // namespace voriel
