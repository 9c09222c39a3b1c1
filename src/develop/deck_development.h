// Development of a flat half deck: the deck line unrolled in profile, half breadths kept.
#pragma once

#include <cstdint>

#include "develop/developed_outline.h"
#include "hull/hull.h"

namespace voriel {

// Half deck bounded by line n of (X, Y, Z)[line][point] (m; Y the half breadth, Z the height),
// points 0..N+2, N + 2 <= 82: DevXs(j) = DevXi(j) is the length along the line in profile
// from its aft end, shifted so that the smallest is 0; DevYi = 0 and DevYs(j) = Y(n, j).
// Arguments out of range develop nothing.
Development DevelopDeck(int16_t N, int16_t n, const LinePoints& X, const LinePoints& Y,
                        const LinePoints& Z);

}  // namespace voriel
