// Exact hydrostatic figures of the true hull: at a waterline, or floated at a displacement with
// the trim over the centre of gravity found as the window finds it.
#pragma once

#include <array>
#include <cmath>

#include "hull/hull.h"
#include "hydro/exact_integration.h"
#include "hydro/hydrostatics.h"
#include "hydro/mass_totals.h"

namespace voriel {

constexpr double kFreshWater = 1000.0;  // kg/m3
constexpr double kSeaWater = 1025.0;    // kg/m3

// Figures of one floating condition. K is the lowest point of the hull; lengths along the
// waterplane (the same as along X at level trim); 0 where a figure has no meaning (nothing
// immersed, no waterplane).
struct ExactFigures {
    double volume = 0.0;               // m3
    double displacementFresh = 0.0;    // kg
    double displacementSea = 0.0;      // kg
    double waterlineLength = 0.0;      // m
    double waterlineBeam = 0.0;        // m, the widest waterline chord
    double draft = 0.0;                // m, the lowest point's depth below the waterline
    std::array<double, 3> buoyancy{};  // m, centre of buoyancy X, Y, Z
    double waterplaneArea = 0.0;       // m2
    double LCF = 0.0;                  // m, X of the waterplane's centre
    double transverseInertia = 0.0;    // m4, of the waterplane about its centre line
    double longitudinalInertia = 0.0;  // m4, about the transverse line through its centre
    double midshipArea = 0.0;          // m2, the greatest immersed section
    double KB = 0.0, BMt = 0.0, BMl = 0.0, KMt = 0.0, KMl = 0.0;  // m
    double Cb = 0.0, Cp = 0.0, Cm = 0.0, Cwp = 0.0;
    double wettedSurface = 0.0;  // m2, bottom, planks and end facets
    bool deckImmersed = false;   // some of the deck edge is under water
};

enum class ExactStatus {
    Afloat,
    Dry,        // nothing under water (the keel above the waterline, or no displacement)
    Submerged,  // the whole hull under water: a displacement it cannot carry, it sinks
};

struct ExactCondition {
    ExactStatus status = ExactStatus::Dry;
    double waterlineZ = 0.0;  // m, at X = 0 on the centre plane
    double pitch = 0.0;       // rad, as the window's pitch angle
    ExactFigures figures;
};

// Mode 1: the figures at waterline height z (m at X = 0) and pitch (rad).
ExactCondition ExactAtWaterline(const ExactHull& hull, double z, double pitch);

// Mode 0: the waterline at which the hull displaces volume (m3) at the pitch given.
ExactCondition ExactAtDisplacement(const ExactHull& hull, double volume, double pitch);

// Mode 0 with trim: the waterline and the pitch at which the hull displaces volume with its
// centre of buoyancy above massCentreX (m from the transom), as the window trims.
ExactCondition ExactTrimmed(const ExactHull& hull, double volume, double massCentreX);

// The exact figures beside the window's own: the same mode, the same entries (waterline and
// pitch, or displacement, trimmed over the mass budget's centre when the window trims), read
// from the state and totals left by ComputeHydrostatics.
ExactCondition ExactBesideWindow(const Hull& hull, const HydroState& state,
                                 const MassTotals& totals, const ExactSettings& settings = {});

// The level (see Waterplane) at which the part below the plane of that pitch and heel is volume,
// to within 1e-10 of it, with its integrals; Dry for no volume, Submerged when the hull holds
// less. guess speeds the search (not finite: none).
struct LevelFound {
    ExactStatus status = ExactStatus::Dry;
    double level = 0.0;
    ImmersedIntegrals integrals;
};
LevelFound FindLevel(const ExactHull& hull, double volume, double pitch, double heel, double guess);

}  // namespace voriel
