// The printed hull definition report: the defining points, equations, angles and line ends.
#pragma once

#include "board/print_page.h"
#include "canvas/canvas.h"

namespace voriel {

// PrintDefinitionReport: one report from the current point of the page (a long report runs on
// to the next page by the overflow of PrintTextLine). Values in m "0.000" and degrees; block
// rows hold the French label in the first print zone and X, Y, Z in the next three.
void PrintDefinitionReport(const PrintJob& job, Canvas& canvas);

}  // namespace voriel
