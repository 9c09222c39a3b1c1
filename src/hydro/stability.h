// Stability of the true hull: cross curves KN at a displacement, and the GZ curve for a KG.
#pragma once

#include <cmath>
#include <optional>
#include <vector>

#include "hydro/exact_hydrostatics.h"
#include "hydro/exact_integration.h"

namespace voriel {

// The hull heeled at one angle, floating at the displacement with the trim held.
struct HeelPoint {
    double heelDeg = 0.0;  // degrees, the +Y side going down
    ExactStatus status = ExactStatus::Afloat;
    double KN = 0.0;     // m, the righting lever about K (the hull's lowest point upright)
    double level = 0.0;  // m, the waterplane's level found (see Waterplane)
    std::array<double, 3> buoyancy{};  // m, centre of buoyancy in the hull's frame
    bool deckImmersed = false;         // the deck edge is under water at this angle
};

struct CrossCurves {
    double volume = 0.0;  // m3, the displacement
    double pitch = 0.0;   // rad, the trim held at every angle
    std::vector<HeelPoint> points;
};

// The hull heeled at heelDeg (any sign; -90..90), its full both-sided sections cut by the inclined
// waterline, the level found for the volume: KN = yB cos(heel) + (zB - zK) sin(heel).
// levelGuess speeds the search (NAN: none).
HeelPoint HeelAt(const ExactHull& hull, double volume, double pitch, double heelDeg,
                 double levelGuess = NAN);

// KN from 0 to maxDeg in steps of stepDeg (default 0 to 90 by 5), the trim held at pitch (the
// upright value).
CrossCurves ComputeCrossCurves(const ExactHull& hull, double volume, double pitch,
                               double stepDeg = 5, double maxDeg = 90);

struct GzCurve {
    double KG = 0.0;            // m above K
    std::vector<double> GZ;     // m, GZ = KN - KG sin(heel) at each angle of the cross curves
    double maxGZ = 0.0;         // m
    double angleOfMaxGZ = 0.0;  // degrees
    // Degrees where GZ comes back to 0 after being positive (0 when it never is); none within the
    // angles computed.
    std::optional<double> vanishingAngle;
    double area30 = 0.0, area40 = 0.0;  // m.rad, under GZ from 0 to 30 and to 40 degrees
    bool complete = true;               // every angle floated (none sank or went dry)
};

// GZ for KG over the cross curves (angles from 0 in equal steps), with the angle of the greatest
// GZ and of vanishing stability refined between the angles computed (the hull heeled afresh) and
// the areas by Simpson's rule over the steps (trapezoids when a bound falls between).
GzCurve ComputeGz(const ExactHull& hull, const CrossCurves& cross, double kg);

}  // namespace voriel
