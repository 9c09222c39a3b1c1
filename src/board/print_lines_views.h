// The lines printed on their sheets: plan, profile and body plan with the print transform.
#pragma once

#include "board/print_page.h"
#include "canvas/canvas.h"

namespace voriel {

// PrintPlanView and PrintProfileView: the lines of one stage as the drawing board draws them,
// without dimension figures. Stage 0: the keel and chine 1 in LineColor(0). Stage 1: chines 2, 3
// and the sheer, line j in LineColor(j - 1); in the profile each runs from the aft end of the
// line below through its points and down to that line's forward end (the transom and stem
// edges); in the plan the transom and stem edges from line j - 1 to line j show where their
// turn-in flags differ, and always for the sheer. Other stages print nothing.
void PrintPlanView(const PrintJob& job, int stage, Canvas& canvas);
void PrintProfileView(const PrintJob& job, int stage, Canvas& canvas);

// PrintBodyPlan: the station sections of the board in LineColor(0), centred on the page: the aft
// end and every fourth station 5..41 right of the centre line, the stations 45..81 and the
// forward end left of it. Stage 0 draws the bottom (section points 0..10), stage 1 the whole
// section from the keel to the sheer (0..13), since the sheet is printed once for the stage.
void PrintBodyPlan(const PrintJob& job, int stage, Canvas& canvas);

}  // namespace voriel
