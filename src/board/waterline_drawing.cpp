// The hydrostatics window's Quit: the waterline and the centre of buoyancy drawn on the sheet.
#include "board/board_actions.h"
#include "board/view_transform.h"

namespace voriel {

namespace {

// A circle of 60 twips crossed by two diagonals 80 twips wide.
void buoyancyMark(Canvas& c, float x, float y) {
    c.circle(x, y, 60.0f);
    c.line(x - 40.0f, y - 40.0f, x + 40.0f, y + 40.0f);
    c.line(x - 40.0f, y + 40.0f, x + 40.0f, y - 40.0f);
}

}  // namespace

void DrawWaterline(const Hull& hull, const BoardState& b, const HydroState& w, Canvas& c) {
    constexpr int kLast = kPointCount - 1;
    constexpr int kMid = 40;  // the aft half of the body plan ends here
    c.setColor(hull.LineColor[4]);
    c.setWidth(2);

    c.moveTo(ViewX(b, w.WaterX[0]), PlanY(b, 0.0));
    for (int i = 0; i <= kLast; ++i)
        c.lineTo(ViewX(b, w.WaterX[i]), PlanY(b, w.WaterHalfBreadth[i]));
    c.lineTo(ViewX(b, w.WaterX[kLast]), PlanY(b, 0.0));

    c.moveTo(ViewX(b, w.WaterX[0]), ProfileY(b, w.WaterZ[0]));
    for (int i = 1; i <= kLast; ++i) c.lineTo(ViewX(b, w.WaterX[i]), ProfileY(b, w.WaterZ[i]));

    c.moveTo(BodyPlanSheetX(b, 0.0), ProfileY(b, w.WaterZ[0]));
    for (int i = 0; i <= kMid; ++i)
        c.lineTo(BodyPlanSheetX(b, w.WaterHalfBreadth[i]), ProfileY(b, w.WaterZ[i]));
    c.moveTo(BodyPlanSheetX(b, -w.WaterHalfBreadth[kMid]), ProfileY(b, w.WaterZ[kMid]));
    for (int i = kMid + 1; i <= kLast; ++i)
        c.lineTo(BodyPlanSheetX(b, -w.WaterHalfBreadth[i]), ProfileY(b, w.WaterZ[i]));
    c.lineTo(BodyPlanSheetX(b, 0.0), ProfileY(b, w.WaterZ[kLast]));

    c.setWidth(1);
    buoyancyMark(c, ViewX(b, w.BuoyancyX), PlanY(b, w.BuoyancyY));
    buoyancyMark(c, ViewX(b, w.BuoyancyX), ProfileY(b, w.BuoyancyZ));
}

}  // namespace voriel
