// The marking table of a plate: offsets from a straight baseline, for marking the plywood from
// dimensions rather than from paper.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "develop/template_marks.h"
#include "develop/template_plate.h"

namespace voriel {

struct MarkingRow {
    double alongMm = 0.0;                    // distance along the baseline from its aft end
    std::optional<double> lowerMm, upperMm;  // offsets square to the baseline to each edge
    std::string mark;                        // the station mark's label, or "" every 100 mm
    int markEdge = -1;                       // the edge the mark lies on, -1 for none
};

// The baseline runs from `aft` to `fwd` (m, flat frame). Offsets are positive to the left of the
// baseline looking from aft to forward (toward the upper edge of a plank). Rows run in increasing
// distance: every 100 mm from 0, the forward end, and one row at each mark, where the offset to
// the mark's edge is the mark itself. An edge the square line does not cross has no offset; one
// it crosses more than once gives its first crossing from aft.
struct MarkingTable {
    FlatPoint aft, fwd;
    double lengthMm = 0.0;
    std::vector<MarkingRow> rows;
};

// The chord from the plate's aft extreme point to its forward extreme point (smallest and largest
// flat x over both edges); for an end plate, its centreline from the keel to the top.
MarkingTable MakeMarkingTable(const TemplatePlate& plate, const std::vector<TemplateMark>& marks);

// A length as the table prints it: to the nearest 0.5 mm.
double MarkingMm(double mm);

// The flat point (m) of a distance along the baseline and an offset from it (mm).
FlatPoint MarkingPoint(const MarkingTable& table, double alongMm, double offsetMm);

}  // namespace voriel
