// The printed tables of the developed panels, the transom and the pram-bow plate.
#pragma once

#include <string>

#include "board/print_page.h"
#include "canvas/canvas.h"
#include "develop/developed_outline.h"

namespace voriel {

// The title of panel k's table in the hull's language: "développement du fond" /
// "development of bottom", "développement du bordé k" / "development of plank k".
std::string DevTableTitle(int k, int16_t language);

// PrintDevTable: on a new page, the flat coordinates (m, "#0.000") of both edges of panel k
// (0 the bottom, 1..3 plank k) point by point, rows 0..m-1, the "Bmax" row of the max-beam
// point m, then the rows up to the panel's last point (83 for the bottom, 82 for a plank: the
// forward end its outline is cut to). dev is the panel developed just before.
void PrintDevTable(const PrintJob& job, int k, const Development& dev, Canvas& canvas);

// PrintTransomTable: on a new page, the transom's outline as rows of half breadth Y (negative on
// the first side) and slant length Z (m, " 0.000 "), the lower part round through the keel and
// the upper part, each closed on the centre line; for a pram bow the bow plate's on the next
// page. Both are developed from the board's station sections.
void PrintTransomTable(const PrintJob& job, Canvas& canvas);

}  // namespace voriel
