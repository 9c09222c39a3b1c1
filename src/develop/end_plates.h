// Transom and pram-bow plate: the end sections unrolled in the plane of the inclined plate.
#pragma once

#include <array>

#include "board/board_state.h"
#include "hull/hull.h"

namespace voriel {

// One section point laid flat: slant length (m) from the keel along the plate, half breadth (m).
struct SlantPoint {
    double slant = 0.0;
    double half = 0.0;
};

// Points 0 keel .. 10 chine 1, 11 chine 2, 12 chine 3, 13 sheer; entry 0 is always (0, 0).
using EndPlateDev = std::array<SlantPoint, kSectionPointCount>;

// The development of section p (0..82) of the station sections: each step adds the distance in
// X and Z only, the plate standing square to the centre plane.
EndPlateDev DevelopEndSection(const BoardState& board, int p);

// TransomDev: the section at the aft end (point 0), as last computed by the redraw.
EndPlateDev ComputeTransomDev(const BoardState& board);

// BowPlateDev: the section at the forward end (point 82), as last computed by the redraw.
EndPlateDev ComputeBowPlateDev(const BoardState& board);

// A pram bow has a plate: the chine-1 half width at the forefoot YFwd(1) is above 0.001 m.
bool HasBowPlate(const Hull& hull);

}  // namespace voriel
