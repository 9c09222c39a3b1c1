// The marks a template carries on its edges: where every fifth station and the max-beam station
// cross the plate, and where the chines meet the transom and the bow plate.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "develop/template_plate.h"
#include "hull/hull.h"

namespace voriel {

struct TemplateMark {
    std::string label;  // "St 21 x=1.250", "Bmax x=2.963", "bouchain 1" / "chine 1"
    int edge = 0;       // 0 lower edge, 1 upper edge
    FlatPoint at;       // the point on the edge (m, flat frame)
    FlatPoint across;   // unit direction of the mark, pointing into the plate
};

// The marks of a plate, lower edge first. A plank, the bottom or a half deck: stations 1, 6, ...,
// 81 and the max-beam station (MaxBeamIndex), on each edge where the station's plane X =
// LineX(chine 1, p) crosses the edge's 3-D polyline (the first crossing from aft), the flat point
// at the same fraction of the flat segment; the mark runs along the station (from one edge's
// crossing to the other's) or square to the edge when only one edge is crossed. An end plate:
// chines 1, 2 and 3 on both halves, across the plate.
std::vector<TemplateMark> TemplateMarks(const Hull& hull, const TemplatePlate& plate,
                                        int16_t language);

}  // namespace voriel
