// The total mass and centre of gravity that the mass budget and the hydrostatics share.
#pragma once

namespace voriel {

// Written by the mass budget's Compute; the hydrostatics reads both and, after every computation,
// overwrites TotalMass with the displaced volume x 1000.
struct MassTotals {
    double TotalMass = 0.0;    // kg
    double MassCentreX = 0.0;  // m from the transom; 0 until a mass budget is computed
};

}  // namespace voriel
