// The immersed part of one hull section below a waterline height.
#pragma once

#include <cstdint>

#include "hull/hull.h"

namespace voriel {

// Half width at height z on the straight line through (ya, za) and (yb, zb); the mean of ya and
// yb when the two points share their half width or their height.
double SegmentYAtZ(double z, double ya, double za, double yb, double zb);

// Abscissa at height zw on the segment from (xk, zk) up to (xn, zn); the lower point's abscissa
// when the two points lie at one height (no slope to follow).
double SectionAbscissa(double zw, double xk, double zk, double xn, double zn);

// What ImmersedSection finds at one line point index.
struct SectionSlice {
    double halfBreadth = 0.0;  // m, half breadth of the hull at the waterline (0 when dry)
    double area = 0.0;         // m2, immersed area, both sides
    double x = 0.0;            // m, abscissa of the section at the waterline
    double yc = 0.0;           // m, transverse centroid (always 0: the hull is symmetric)
    double zc = 0.0;           // m, vertical centroid (0 when the area is not positive)
};

// The section at point index i (0..82) through the points of lines 0..4, cut by the waterline at
// height zw (m). Raises level to the highest line the water reaches here: 0 above the keel, k at
// or above line k (4 the sheer); a dry station leaves it as it is.
SectionSlice ImmersedSection(const Hull& hull, int i, double zw, int16_t& level);

}  // namespace voriel
