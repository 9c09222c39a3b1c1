// The true hull as the exact hydrostatics see it: the half section at any X, the end facets of
// the transom and of a pram bow, and the abscissae where the surface changes its formula.
#pragma once

#include <functional>
#include <vector>

#include "hull/hull.h"
#include "hydro/exact_section.h"

namespace voriel {

struct ExactSettings {
    // 1 for the figures shown; 10 does ten times the work (ten times the panels along X and the
    // samples of the curved bottom and of the end facets), to check that the figures converged.
    double effort = 1.0;
    // The window's geometry instead of the true one: a straight chord from keel to chine 1 and
    // the hull cut at X = 0 and X = LWL (what the window's method tends to with finer stations).
    bool windowGeometry = false;
};

// The end of a line on the transom or on a pram bow (m). Between the ends of two consecutive
// lines the hull ends on the plane through both that holds the transverse direction, so the
// end's X varies linearly with the height; below the lowest end and above the highest it keeps
// their X.
struct EndKnot {
    double z = 0.0, x = 0.0;
};

struct ExactShape {
    // The half section at X (m): keel up to sheer, closed at sheer height by the deck and down the
    // centre plane, not yet cut by the ends nor by the centre plane.
    std::function<SectionPolygon(double x)> profile;
    std::vector<EndKnot> aft;    // the hull lies where X >= the end's X at that height
    std::vector<EndKnot> fwd;    // X <= the end's X; none for a pointed forefoot
    std::vector<double> breaks;  // increasing; the first and last bound the hull along X
    double length = 1.0;         // m, the reference for steps and tolerances (LWL)
    double effort = 1.0;         // as in ExactSettings
};

ExactShape ShapeOfHull(const Hull& hull, const ExactSettings& settings = {});

// The section at X: the profile kept on the positive side of the centre plane and at the heights
// where X lies between the transom and the bow. Usually one polygon; none beyond the ends.
std::vector<SectionPolygon> SectionAt(const ExactShape& shape, double x);

// X of the end facet at height z (piecewise linear over the knots, constant beyond them).
double EndX(const std::vector<EndKnot>& knots, double z);

}  // namespace voriel
