// The pages of a plate around its sheets: the assembly plan with the accuracy report before them,
// the marking table after them.
#pragma once

#include "canvas/canvas.h"
#include "develop/template_document.h"

namespace voriel {

// The plate's first sheet, on the current page: what it is and how many sheets it takes, how
// many to cut, its edges and marks, the accuracy report, and the map of its grid with every
// sheet's label.
void DrawAssemblyPlan(const Hull& hull, const TemplatePlan& plan, const PlannedPlate& plate,
                      const TemplateRequest& request, Canvas& canvas);

// How many pages the marking table of `rows` rows takes on pages `pageHeight` twips high (two
// columns of rows a page, at least one page).
int MarkingPageCount(int rows, float pageHeight);

// The marking table, each page started with StartNewPage: the baseline and how to read the
// offsets, then the rows in two columns: d, the offsets to the lower and upper edges (mm to
// 0.5 mm, "-" where the square line misses the edge, "*" after the mark's own offset) and the
// mark's label.
void DrawMarkingTable(const Hull& hull, const PlannedPlate& plate, const TemplateRequest& request,
                      Canvas& canvas);

}  // namespace voriel
