// The fitted view: the view transform that lays profile, plan and body plan on the sheet.
#pragma once

#include "board/board_state.h"
#include "canvas/canvas.h"
#include "hull/hull.h"

namespace voriel {

// Sets the view transform of board for a sheet of width x height twips: one scale S (twips per
// metre) for all views, the profile in the upper half, the plan (half breadths growing downward)
// in the lower half, the body plan to their right, the aft limit 150 twips from the left edge.
void FitViewTransform(const Hull& hull, BoardState& board, float width, float height);

// FitViews: the transform for the canvas's size, then DrawGrid.
void FitViews(const Hull& hull, BoardState& board, Canvas& canvas);

}  // namespace voriel
