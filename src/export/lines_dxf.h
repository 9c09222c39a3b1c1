// The lines DXF: keel, chines and sheer on both sides, and the transom, every fourth station and
// the forward end as closed sections.
#pragma once

#include <ostream>

#include "board/board_state.h"
#include "hull/hull.h"

namespace voriel {

// Writes the whole file in model coordinates (m) from LineX/LineY/LineZ (lines 0..4, points
// 0..82) and the station sections of a redraw; the comment carries HullFileName.
void WriteLinesDxf(std::ostream& out, const Hull& hull, const BoardState& board);

}  // namespace voriel
