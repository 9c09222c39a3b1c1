// The lines drawing on the sheet: grid and axes, the hull lines in profile and plan, the body plan.
#pragma once

#include <cstdint>

#include "board/board_state.h"
#include "canvas/canvas.h"
#include "hull/hull.h"

namespace voriel {

constexpr int32_t kGridColor = Rgb(0, 255, 255);  // cyan

// DrawGrid: the profile's origin mark, the cyan grid of plan, profile and body plan, and the
// dash-dot axes with their arrowheads and letters, in the colour in force; ends in solid style.
void DrawGrid(const Hull& hull, const BoardState& board, Canvas& canvas);

// DrawLines: stage 0 the keel and chine 1 in plan and profile with the max-beam dimension and the
// waterline length; stage 1 chines 2, 3 and the sheer with the transom and stem edges and the
// dimensions of the lines' extreme ends. Other stages draw nothing.
void DrawLines(const Hull& hull, const BoardState& board, int stage, Canvas& canvas);

// DrawBodyPlan: the station sections (points 0..10 for stage 0, 10..13 for stage 1) of the aft
// end and every fourth station up to 41 right of the centre line, of the stations 45..81 and the
// forward end left of it.
void DrawBodyPlan(const Hull& hull, const BoardState& board, int stage, Canvas& canvas);

// DrawLines then DrawBodyPlan of every stage 0..board.ChineView, as every redraw ends.
void DrawStages(const Hull& hull, const BoardState& board, Canvas& canvas);

}  // namespace voriel
