// Hydrostatics: integration passes over the sections, the waterline and trim iterations, and the
// window's read-back of its boxes.
#include "hydro/hydrostatics.h"

#include <algorithm>
#include <cmath>

#include "hydro/immersed_section.h"
#include "text/number_text.h"

namespace voriel {

namespace {

constexpr int kMaxIterations = 30;
constexpr int kMaxTrimPasses = 30;
constexpr double kVolumeTolerance = 0.0001;  // m3

void setBuoyancy(HydroState& s, const PassSums& sums) {
    const double v = sums.volume;
    s.BuoyancyX = v > 0 ? sums.momentX / v : 0.0;
    s.BuoyancyY = v > 0 ? sums.momentY / v : 0.0;
    s.BuoyancyZ = v > 0 ? sums.momentZ / v : 0.0;
}

// One search for the waterline height from z at the current pitch. Returns the last pass with
// the volume and waterplane area the search settled on; z becomes the last height tried.
PassSums searchWaterline(const Hull& h, HydroState& s, double& z) {
    const double d = s.Displacement;
    double z0 = z;
    float f = 0.85f;  // the relaxation factor is kept in single precision
    PassSums sums = IntegrationPass(h, s, z0, true);
    double v = sums.volume;
    // A hull barely touching the water has almost no waterplane: step as if it had a fifth of
    // its length times its half beam, so that the first step stays reasonable.
    double awp = std::max(sums.waterplaneArea, 0.2 * h.XFwd[1] * h.YMax[1]);
    double dz = awp > 0 ? (d - v) * 0.3 / awp : 0.0;  // no hull yet: nothing to float
    s.Unstable = false;
    for (int n = 1;; ++n) {
        z = z0 + dz;
        const double vPrev = v, awpPrev = awp;
        s.ImmersionLevel = 0;
        sums = IntegrationPass(h, s, z, false);
        v = sums.volume;
        awp = sums.waterplaneArea;
        if (std::fabs(d - v) < kVolumeTolerance) break;
        const bool crossed = Sgn(v - d) != Sgn(vPrev - d);
        if (awp <= 1e-8 && !crossed) {
            // No waterplane, and the step did not pass the displacement. With the sheer under
            // water and still too little volume, the boat sinks. Otherwise the hull is wholly
            // clear of the water below the displacement, or wholly under water above it: the
            // waterline lies further on, so step on, twice as far.
            if (v < d && s.ImmersionLevel >= 4) {
                s.ImmersionLevel = 5;
                break;
            }
            z0 = z;
            dz *= 2;
            awp = awpPrev;
        } else if (crossed) {
            // Overshot (perhaps clear out of the water or over the sheer): go back and take a
            // shorter step.
            dz *= 0.4;
            v = vPrev;
            awp = awpPrev;
            f = static_cast<float>(f * 0.75);
        } else {
            z0 = z;
            dz = (d - v) / ((awpPrev + awp) * 0.5) * f;
            f = static_cast<float>(f * 1.05);
        }
        if (n >= kMaxIterations) {
            s.Unstable = true;
            break;
        }
    }
    // Nothing immersed and not sunk (a displacement of 0 lifts the hull clear): the keel is
    // above water.
    if (v <= 0 && s.ImmersionLevel < 4) s.ImmersionLevel = -1;
    sums.volume = v;
    sums.waterplaneArea = awp;
    return sums;
}

}  // namespace

PassSums IntegrationPass(const Hull& h, HydroState& s, double z, bool firstPass) {
    const double slope = std::tan(s.PitchAngle);
    PassSums sums;
    sums.transomFlooded = true;
    for (int i = 0; i < kPointCount; ++i) {
        const double xi = firstPass ? h.LineX[Chine1][i] : s.WaterX[i];
        s.WaterZ[i] = slope * xi + z;
        const SectionSlice cut = ImmersedSection(h, i, s.WaterZ[i], s.ImmersionLevel);
        s.WaterHalfBreadth[i] = cut.halfBreadth;
        s.SectionArea[i] = cut.area;
        s.SectionX[i] = cut.x;
        s.SectionYc[i] = cut.yc;
        s.SectionZc[i] = cut.zc;
        s.WaterX[i] = cut.x;
        // The level only rises along the pass, so this keeps the flag only when the sheer at the
        // transom end (the first station) is already under water.
        if (s.ImmersionLevel < 4) sums.transomFlooded = false;
        if (i == 0) continue;
        const double dx = h.LineX[Keel][i] - h.LineX[Keel][i - 1];
        const double dv = dx * (s.SectionArea[i - 1] + s.SectionArea[i]) / 2;
        sums.volume += dv;
        sums.momentX += (s.SectionX[i - 1] + s.SectionX[i]) * dv / 2;
        sums.momentY += (s.SectionYc[i - 1] + s.SectionYc[i]) * dv / 2;
        sums.momentZ += (s.SectionZc[i - 1] + s.SectionZc[i]) * dv / 2;
        sums.waterplaneArea += dx * (s.WaterHalfBreadth[i - 1] + s.WaterHalfBreadth[i]);
    }
    return sums;
}

PassSums FloatAtWaterline(const Hull& h, HydroState& s, double z) {
    s.ImmersionLevel = -1;
    s.Unstable = false;
    s.WaterlineZ = z;
    return IntegrationPass(h, s, z, true);
}

PassSums FloatAtDisplacement(const Hull& h, HydroState& s, double z, const MassTotals& totals) {
    const double len = h.XFwd[1];
    const double g = totals.MassCentreX;
    double p = -0.03;  // trim step, rad
    PassSums sums;
    for (int t = 1;; ++t) {
        sums = searchWaterline(h, s, z);
        setBuoyancy(s, sums);
        const bool trimmed = g > 0.1 * len && std::fabs(s.BuoyancyX - g) > 0.002 * len;
        if (trimmed) {
            // Toward the centre of gravity; each change of direction cuts the step to 30 %.
            double step = std::fabs(p) * Sgn(g - s.BuoyancyX);
            if (Sgn(step) != Sgn(p)) {
                step *= 0.3;
                p = step;
            }
            s.PitchAngle += step;
        }
        if (!trimmed || t >= kMaxTrimPasses) break;
    }
    s.WaterlineZ = z;
    return sums;
}

namespace {

EntryError invalidEntry(const std::string& box, const std::string& text) {
    return EntryError{box, "Valeur non valable dans " + box + " : \"" + text + "\"",
                      "Invalid value in " + box + ": \"" + text + "\""};
}

bool allFinite(const HydroState& s) {
    const double scalars[] = {s.PitchAngle, s.BuoyancyX,  s.BuoyancyY,     s.BuoyancyZ,
                              s.Volume,     s.WaterlineZ, s.WaterplaneArea};
    for (double v : scalars)
        if (!std::isfinite(v)) return false;
    for (const StationValues* a :
         {&s.WaterZ, &s.WaterHalfBreadth, &s.SectionArea, &s.SectionX, &s.SectionZc, &s.WaterX})
        for (double v : *a)
            if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

std::optional<EntryError> ComputeHydrostatics(const Hull& h, HydroState& state, HydroBoxes& boxes,
                                              MassTotals& totals) {
    HydroBoxes read = boxes;
    read.Text3 = CommaToPoint(read.Text3);
    read.Text1[0] = CommaToPoint(read.Text1[0]);
    read.Text1[1] = CommaToPoint(read.Text1[1]);
    const double pitchDeg = Val(read.Text3);
    const double displacement = Val(read.Text1[0]);
    const double z = Val(read.Text1[1]);
    if (!std::isfinite(pitchDeg)) return invalidEntry("Text3(0)", boxes.Text3);
    if (!std::isfinite(displacement)) return invalidEntry("Text1(0)", boxes.Text1[0]);
    if (!std::isfinite(z)) return invalidEntry("Text1(1)", boxes.Text1[1]);

    // Worked on a copy: entries too large for a finite result leave everything as it was.
    HydroState s = state;
    s.PitchAngle = pitchDeg * kHydroPi / 180;
    s.Displacement = std::fabs(displacement);
    const PassSums sums =
        s.HydroMode == 0 ? FloatAtDisplacement(h, s, z, totals) : FloatAtWaterline(h, s, z);
    setBuoyancy(s, sums);
    s.Volume = sums.volume;
    s.WaterplaneArea = sums.waterplaneArea;
    if (sums.transomFlooded) s.ImmersionLevel = 5;
    if (!allFinite(s))
        return EntryError{"", "Valeurs trop grandes : le calcul ne donne pas de résultat fini",
                          "Values too large: the computation gives no finite result"};

    state = s;
    boxes = read;
    boxes.Text1[0] = Format(s.Volume, "0.000");
    boxes.Text1[1] = Format(s.WaterlineZ, "0.000");
    boxes.Text3 = Format(s.PitchAngle * 180 / kHydroPi, "0.0");
    totals.TotalMass = s.Volume * 1000;
    return std::nullopt;
}

std::optional<EntryError> ActivateHydro(const Hull& h, HydroState& state, HydroBoxes& boxes,
                                        MassTotals& totals) {
    if (totals.TotalMass <= 0) {
        boxes.Text1[1] = Format(h.XFwd[0] / 100, "0.000");
        state.HydroMode = 1;
    }
    boxes.Text3 = Format(state.PitchAngle * 180 / kHydroPi, "0.0");
    return ComputeHydrostatics(h, state, boxes, totals);
}

}  // namespace voriel
