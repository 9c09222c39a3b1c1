// Model to sheet mapping of the drawing board's views, each coordinate rounded to single precision.
#pragma once

#include "board/board_state.h"
#include "canvas/canvas.h"

namespace voriel {

// Sheet x of model X (m), in the plan and the profile.
inline float ViewX(const BoardState& b, double x) {
    return static_cast<float>(b.ViewScaleX * x + b.ViewOriginX);
}
// Sheet y of half breadth Y (m) in the plan.
inline float PlanY(const BoardState& b, double y) {
    return static_cast<float>(b.ViewScaleY * y + b.ViewOriginY);
}
// Sheet y of height Z (m) in the profile and the body plan.
inline float ProfileY(const BoardState& b, double z) {
    return static_cast<float>(b.ViewScaleZ * z + b.ViewOriginZ);
}
// Sheet x of a point at offset y (m, + right of the centre line, - left of it) in the body plan.
inline float BodyPlanSheetX(const BoardState& b, double y) {
    return static_cast<float>((b.BodyPlanX + y) * b.ViewScaleX + b.ViewOriginX);
}

}  // namespace voriel
