// A station section drawn in the profile: the half section laid flat beside its station line.
#pragma once

#include "board/board_state.h"
#include "canvas/canvas.h"
#include "hull/hull.h"

namespace voriel {

// Draws section board.StationIndex (1..81) in the profile in LineColor(4): from the keel through
// points 1..13 at profile abscissa X + s*Y (s = +1 for the aft half, toward the bow, -1 for the
// forward half) and back to the sheer point on the station plane, then the station line dash-dot
// from 100 twips below the keel to 100 twips above the sheer. Ends solid in LineColor(0).
void DrawStation(const Hull& hull, const BoardState& board, Canvas& canvas);

}  // namespace voriel
