// Curves of form: the exact figures at level trim for evenly spaced drafts, with TPC and MCT.
#pragma once

#include <vector>

#include "hydro/exact_hydrostatics.h"
#include "hydro/exact_integration.h"

namespace voriel {

struct FormLevel {
    double z = 0.0;  // m, the waterline height
    ExactStatus status = ExactStatus::Afloat;
    ExactFigures figures;
    double TPC = 0.0;  // tonnes per centimetre of immersion, fresh water
    double MCT = 0.0;  // tonne-metres to change the trim 1 cm, fresh water (GMl taken as BMl)
};

// The lowest point of the deck edge (m): where the curves of form stop.
double LowestSheerZ(const ExactHull& hull);

// levels waterlines at level trim, evenly spaced from one step above the lowest point of the hull
// up to the lowest point of the deck edge (default 20).
std::vector<FormLevel> ComputeCurvesOfForm(const ExactHull& hull, int levels = 20);

}  // namespace voriel
