// The developed panels printed full size to the print scale, one panel per page.
#pragma once

#include "board/print_frame.h"
#include "board/print_page.h"
#include "board/print_transform.h"
#include "canvas/canvas.h"
#include "develop/developed_outline.h"

namespace voriel {

// PrintPanelDev: panel k (0 the bottom, 1..3 plank k) in LineColor(k), labelled " Fond" /
// " Bottom" or " Bordé" / " Side plank" and k at (100, 900), drawn twice as the mirror sheets of
// port and starboard: flat (X, Y) at printer (PrintScaleX*X + PrintOriginX, PrintOriginY + 100 +
// PrintScaleY*Y) and at y = PrintOriginY - 100 - PrintScaleY*Y, each with the max-beam station
// dotted across it. The outline dev is the panel developed just before (points 0..dev.last).
void PrintPanelDev(const PrintJob& job, int k, const Development& dev, Canvas& canvas);

// PrintTransomDev: the whole transom developed (both halves, keel to sheer, the chine-2 line
// across it), the hull section at the max-beam station with its height along the page's x, and
// for a pram bow the bow plate drawn as the transom, from the board's station sections.
void PrintTransomDev(const PrintJob& job, Canvas& canvas);

// How far the development sheets of the stage (ChineView) reach from X = 0 and from the reference
// line: the developed bottom and, at stage 1, the planks and the transom sheet's figures.
SheetReach DevelopmentSheetsReach(const Hull& hull, const BoardState& board);

// The pages of the development print after FitPrintViews: the bottom, then when ChineView = 1
// planks 1, 2 and 3 and the transom, each on a new page with its frame (PrintViewFrame of the
// given view: the developed plate's for Print Development, the plan's for Print All). With
// tables, each panel is followed by PrintDevTable and the transom by PrintTransomTable.
void PrintDevelopmentPages(const PrintJob& job, PrintView frame, bool tables, Canvas& canvas);

}  // namespace voriel
