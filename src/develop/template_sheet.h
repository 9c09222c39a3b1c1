// One sheet of a full-size template: its piece of the plate at 1:1 with the registration crosses,
// cut lines and neighbours' names that join it to the others, under a header naming it.
#pragma once

#include "canvas/canvas.h"
#include "develop/template_document.h"

namespace voriel {

// The twips a mark runs into the plate from its edge and out of it.
constexpr double kMarkInsideMm = 8.0, kMarkOutsideMm = 4.0;

// Draws sheet (row, col) of the plate on the current page: the header band (the sheet's label in
// large letters, the hull and plate, the sheet's place in the grid, the date and page, the map of
// the grid with this sheet hatched), then within the sheet's area, clipped to it: the crosses at
// the four shared corner squares, the cut lines along the overlap shared with the printed
// neighbour to the left and above (the sheet is cut there and laid over them), the names of the
// printed neighbours at each side, the outline (pen width 2), the marks with their labels and
// the centreline of an end plate.
void DrawTemplateSheet(const Hull& hull, const TemplatePlan& plan, const PlannedPlate& plate,
                       const TemplateRequest& request, int row, int col, Canvas& canvas);

}  // namespace voriel
