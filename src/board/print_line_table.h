// The printed point table of one hull line.
#pragma once

#include <string>

#include "board/print_page.h"
#include "canvas/canvas.h"

namespace voriel {

// The name of line 0..4 in the tables, in the hull's language: " ligne de la quille " /
// " of the keel " ... " ligne du livet " / " of shear line ".
std::string PrintedLineName(int line, int16_t language);

// PrintLineTable: on a new page, the header, the line's name and its points as rows "pt", X, Y, Z
// (m, "#0.000", one print zone each): point 0 at the transom, every second station up to the
// max-beam station, the row "Bmax", every second station after it up to 81 and point 82 at the
// stem. Lines 0..4; another line prints nothing.
void PrintLineTable(const PrintJob& job, int line, Canvas& canvas);

}  // namespace voriel
