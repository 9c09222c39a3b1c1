// Hydrostatics: the immersed volume for a waterline, or the waterline and trim for a displacement.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "hull/definition_screens.h"
#include "hull/hull.h"
#include "hydro/mass_totals.h"

namespace voriel {

using StationValues = std::array<double, kPointCount>;  // one value per line point index 0..82

// What the hydrostatics window keeps between computations and between openings.
struct HydroState {
    double PitchAngle = 0.0;    // rad; the waterline height at X is z + tan(PitchAngle) * X
    double Displacement = 0.0;  // m3, the displacement asked for in mode 0
    double BuoyancyX = 0.0, BuoyancyY = 0.0, BuoyancyZ = 0.0;  // m; 0 when no volume is immersed
    StationValues WaterZ{};                                    // m, waterline height at each index
    StationValues WaterHalfBreadth{};  // m, 0 where the station is dry or the sheer under water
    StationValues SectionArea{};       // m2, immersed area, both sides
    StationValues SectionX{};          // m, abscissa of the section at the waterline
    StationValues SectionYc{};         // m, transverse centroid, always 0
    StationValues SectionZc{};         // m, vertical centroid of the immersed section
    StationValues WaterX{};            // m, SectionX kept for the next pass and for drawing
    int16_t HydroMode = 0;             // 0 displacement given, 1 waterline given
    int16_t ImmersionLevel = 0;        // -1 keel above water .. 5 the boat sinks

    // Results of the last computation.
    double Volume = 0.0;          // m3
    double WaterlineZ = 0.0;      // m, waterline height at the transom (X = 0)
    double WaterplaneArea = 0.0;  // m2
    bool Unstable = false;        // mode 0 ran all its iterations without converging
};

// The entry boxes of the hydrostatics window, as typed or as shown.
struct HydroBoxes {
    std::array<std::string, 2> Text1;  // 0 displacement (m3), 1 waterline height at X = 0 (m)
    std::string Text3;                 // pitch angle (degrees)
};

// Sums of one integration pass over the 83 sections.
struct PassSums {
    double volume = 0.0;          // m3
    double momentX = 0.0;         // m4, about the transom
    double momentY = 0.0;         // m4, about the centre plane
    double momentZ = 0.0;         // m4, about Z = 0
    double waterplaneArea = 0.0;  // m2, both sides
    bool transomFlooded = false;  // the sheer point at the transom end is under water
};

// One pass at waterline height z (m, at X = 0): fills WaterZ and the section arrays and raises
// ImmersionLevel. The waterline height at index i is taken at LineX(1, i) when firstPass, else at
// WaterX(i) of the previous pass.
PassSums IntegrationPass(const Hull& hull, HydroState& state, double z, bool firstPass);

// Mode 1: the sections and sums at waterline height z; ImmersionLevel starts at -1.
PassSums FloatAtWaterline(const Hull& hull, HydroState& state, double z);

// Mode 0: finds the waterline height (starting from z) at which the volume is Displacement, to
// within 0.0001 m3 in at most 30 steps, and, when totals.MassCentreX lies beyond a tenth of the
// length, trims PitchAngle (at most 30 times) until the centre of buoyancy is above it. A step
// that passes the displacement is taken again shorter; a step that leaves the hull wholly clear of
// the water or wholly under water short of the displacement steps on; only a hull under water
// that still displaces too little sinks (ImmersionLevel 5). Returns the sums of the last pass
// with the volume and waterplane area it settled on; state.WaterlineZ holds the height found.
PassSums FloatAtDisplacement(const Hull& hull, HydroState& state, double z,
                             const MassTotals& totals);

// Calcul1_Click: reads the boxes as the window does (a decimal comma accepted in each, written
// back), runs the mode in state.HydroMode, stores the results, writes the boxes and sets
// totals.TotalMass to the displaced volume x 1000. An entry that is not a finite number (the
// error names its box), or entries too large to give a finite result (no box named), are refused
// with state, boxes and totals untouched.
std::optional<EntryError> ComputeHydrostatics(const Hull& hull, HydroState& state,
                                              HydroBoxes& boxes, MassTotals& totals);

// Form_Activate: with no mass yet, the waterline box gets LWL / 100 and the waterline mode is
// selected; the pitch box shows PitchAngle; then the computation runs.
std::optional<EntryError> ActivateHydro(const Hull& hull, HydroState& state, HydroBoxes& boxes,
                                        MassTotals& totals);

// pi as the window converts degrees and radians.
constexpr double kHydroPi = 3.14159265358979;

}  // namespace voriel
