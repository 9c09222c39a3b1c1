// Curves of form: the exact figures at level trim for evenly spaced waterlines.
#include "hydro/curves_of_form.h"

#include <algorithm>
#include <cmath>

namespace voriel {

double LowestSheerZ(const ExactHull& hull) {
    double low = HUGE_VAL;
    for (const auto& stations : hull.intervals)
        for (const ExactStation& st : stations)
            for (const SectionPolygon& p : st.polygons)
                for (const SectionVertex& v : p)
                    if (v.track == Track::Sheer) low = std::min(low, v.z);
    return std::isfinite(low) ? low : hull.keelZ;
}

std::vector<FormLevel> ComputeCurvesOfForm(const ExactHull& hull, int levels) {
    std::vector<FormLevel> out;
    const double top = LowestSheerZ(hull);
    for (int i = 1; i <= levels; ++i) {
        FormLevel level;
        level.z = hull.keelZ + (top - hull.keelZ) * i / levels;
        const ExactCondition c = ExactAtWaterline(hull, level.z, 0.0);
        level.status = c.status;
        level.figures = c.figures;
        const ExactFigures& f = c.figures;
        // Fresh water: a square metre of waterplane holds 10 kg per centimetre.
        level.TPC = f.waterplaneArea * kFreshWater / 100 / 1000;
        if (f.waterlineLength > 0)
            level.MCT = f.longitudinalInertia * kFreshWater / 1000 / (100 * f.waterlineLength);
        out.push_back(level);
    }
    return out;
}

}  // namespace voriel
