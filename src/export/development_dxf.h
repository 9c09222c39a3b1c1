// The development DXF files: the plank file (plates, transom, max-beam section, bow plate), the
// deck file (half decks) and the station file, with the outlines they share.
#pragma once

#include <cstdint>
#include <ostream>

#include "board/board_state.h"
#include "develop/end_plates.h"
#include "hull/hull.h"

namespace voriel {

// The whole transom (TransomDev) in the plane z = 0, its centreline at x = ox and its keel at
// y = oy: the starboard half from the keel up, across the top on the centreline, the port half
// back down.
void DxfTransomOutline(std::ostream& out, int16_t colour, const EndPlateDev& transomDev, double ox,
                       double oy);

// The whole bow plate (BowPlateDev), laid out as the transom.
void DxfBowOutline(std::ostream& out, int16_t colour, const EndPlateDev& bowPlateDev, double ox,
                   double oy);

// Section p (0..82) in its own plane: half breadths along x from ox, heights along y from oy,
// the station's X as z; starboard keel to sheer, the centreline at the sheer, port back down.
void DxfStationOutline(std::ostream& out, int16_t colour, const BoardState& board, int p, double ox,
                       double oy);

// The plank file: the developed bottom (and, when the board's ChineView is not 0, planks 1..3)
// stacked along y, with the transom, the max-beam section and, for a pram bow, the bow plate to
// their right. Each plate is developed here from the hull, the end plates from the board's
// station sections.
void WritePlankDxf(std::ostream& out, const Hull& hull, const BoardState& board);

// The deck file: the half deck at chine 1 (and, when ChineView is not 0, at lines 2..4) stacked
// along y.
void WriteDeckDxf(std::ostream& out, const Hull& hull, const BoardState& board);

// The station file of section p (StationIndex, 1..81) at the origin.
void WriteStationDxf(std::ostream& out, const BoardState& board, int p);

}  // namespace voriel
