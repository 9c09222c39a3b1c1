// The developed plates drawn on the drawing board's sheet over the lines, to their scale.
#pragma once

#include "board/board_state.h"
#include "canvas/canvas.h"
#include "develop/developed_outline.h"
#include "develop/end_plates.h"
#include "hull/hull.h"

namespace voriel {

// An outline is drawn dotted: a point at lower point 0, the lower edge through points 0..count,
// the upper edge from lower point 0 through upper points 0..count, and the forward end closed
// down to lower point count; the style is solid again afterwards. count is held to the points the
// development filled.

// DrawBottomDev: the developed bottom over the plan, in LineColor(0).
void DrawBottomDev(const Hull& hull, const BoardState& board, const Development& dev, int count,
                   Canvas& canvas);

// DrawPlankDev: a developed plank over the profile in LineColor(colour), its flat X moved by dx
// and its flat Y raised by dy (m).
void DrawPlankDev(const Hull& hull, const BoardState& board, const Development& dev, int count,
                  int colour, double dx, double dy, Canvas& canvas);

// The transom over the plan, solid, from 300 twips forward of the transom's X = 0: the part from
// the keel to chine 2 in LineColor(1), closed on the centre line, and the part from chine 2 to
// chine 3 in LineColor(2), 50 twips further forward.
void DrawTransomDev(const Hull& hull, const BoardState& board, const EndPlateDev& transom,
                    Canvas& canvas);

// The pram-bow plate over the plan, solid, its slant lengths measured aft from the keel at grid
// point 80: the part to chine 2 in LineColor(1), the part from chine 2 to chine 3 in LineColor(2)
// 50 twips further aft.
void DrawBowPlateDev(const Hull& hull, const BoardState& board, const EndPlateDev& bowPlate,
                     Canvas& canvas);

}  // namespace voriel
