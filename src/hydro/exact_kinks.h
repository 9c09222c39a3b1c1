// Breakpoints of the immersed integrals along X: where the waterline crosses a tracked corner of
// the sections, and where a tracked corner appears or vanishes between kept sections.
#pragma once

#include <vector>

#include "hydro/exact_integration.h"

namespace voriel {

// The tracked corners of a section, ordered by track and occurrence.
std::vector<TrackedCorner> TrackedCorners(const std::vector<SectionPolygon>& polygons);

// Whether two ordered lists hold the same corners (the same tracks, as often).
bool SameCorners(const std::vector<TrackedCorner>& a, const std::vector<TrackedCorner>& b);

// The X (m) between consecutive stations where the set of tracked corners changes (a line
// crossing the centre plane, an end facet starting to cut a line), each found by bisection on
// sections traced afresh; increasing.
std::vector<double> CornerChanges(const ExactShape& shape,
                                  const std::vector<ExactStation>& stations);

// Appends every X (m) strictly inside the stations' span where the waterline crosses a tracked
// corner: a change of side between two kept stations, and the two crossings of a corner that
// comes near the water between kept stations and turns back without reaching them on the other
// side (found at its least distance to the water, on sections traced afresh). Unsorted.
void WaterlineKinks(const ExactHull& hull, const std::vector<ExactStation>& stations,
                    const Waterplane& plane, std::vector<double>& kinks);

}  // namespace voriel
