// The lines XYZ table: the five hull lines, the transom, every fourth station and the stem as
// tab-separated X, Y, Z rows.
#pragma once

#include <ostream>
#include <string>

#include "board/board_state.h"
#include "hull/hull.h"

namespace voriel {

// A coordinate of the lines table: a blank, "+" or "-", three decimals, a blank (" +0.000 ").
std::string SignedXyzNumber(double v);

// Writes the whole table (m, hull frame) from LineX/LineY/LineZ and the station sections of a
// redraw, with the titles in the hull's Language (0 French, else English).
void WriteLinesXyz(std::ostream& out, const Hull& hull, const BoardState& board);

}  // namespace voriel
