// Development of a plate between two hull lines by triangulation with true 3-D edge lengths.
#pragma once

#include <cstdint>

#include "develop/developed_outline.h"
#include "hull/hull.h"

namespace voriel {

// Develops the strip between line n and line n + 1 of the point set (PX, PA, PB)[line][point]
// (m, any order of the three coordinates), points 0..N+2, N + 2 <= 90, into the plane (m), then
// turns it so that a chord lies along +X: for n = 0 (the bottom) the lower edge from point
// maxBeamIndex - 2 to maxBeamIndex + 2, for n = 1 the lower edge from end to end, for n >= 2 the
// upper edge from end to end; and shifts it so that the smallest X and the smallest Y over both
// edges are 0. Arguments out of range develop nothing.
Development DevelopPlate(int16_t N, int16_t n, const LinePoints& PX, const LinePoints& PA,
                         const LinePoints& PB, int16_t maxBeamIndex);

// The same for the bottom rulings (n = 0, rows 0 keel and 1 chine 1, pairs 0..N+2).
Development DevelopPlate(int16_t N, int16_t n, const RulingPoints& PX, const RulingPoints& PA,
                         const RulingPoints& PB, int16_t maxBeamIndex);

}  // namespace voriel
