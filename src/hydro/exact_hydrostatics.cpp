// Exact hydrostatic figures: the level for a displacement, the trim over the centre of gravity,
// and the figures of one floating condition.
#include "hydro/exact_hydrostatics.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "hydro/golden_search.h"

namespace voriel {

namespace {

// The largest of value over the kept slices, refined between the best one's neighbours.
template <class V>
double refinedMax(const std::vector<StationSlice>& slices, const ExactHull& hull,
                  const Waterplane& plane, V value) {
    std::size_t best = 0;
    for (std::size_t j = 1; j < slices.size(); ++j)
        if (value(slices[j]) > value(slices[best])) best = j;
    if (slices.empty()) return 0.0;
    const double a = slices[best > 0 ? best - 1 : best].x;
    const double b = slices[best + 1 < slices.size() ? best + 1 : best].x;
    const auto f = [&](double x) { return value(SliceAt(hull, plane, x)); };
    return std::max(value(slices[best]),
                    GoldenSectionMax(f, a, b, 1e-10 * hull.shape.length).value);
}

// X where the waterline starts (forward = false) or ends, between the last dry and first wet
// slices, by bisection.
double waterlineEnd(const std::vector<StationSlice>& slices, const ExactHull& hull,
                    const Waterplane& plane, bool forward) {
    const double eps = 1e-12 * hull.shape.length;
    const auto wet = [&](const StationSlice& s) { return s.slice.chord > eps; };
    const std::size_t n = slices.size();
    std::size_t j = 0;
    if (!forward) {
        while (j < n && !wet(slices[j])) ++j;
        if (j == 0 || j == n) return j == n ? 0.0 : slices[0].x;
    } else {
        j = n - 1;
        while (j > 0 && !wet(slices[j])) --j;
        if (j == n - 1) return slices[j].x;
    }
    double dry = slices[forward ? j + 1 : j - 1].x, inside = slices[j].x;
    for (int i = 0; i < 60 && std::fabs(dry - inside) > 1e-12 * hull.shape.length; ++i) {
        const double mid = (dry + inside) / 2;
        (wet(SliceAt(hull, plane, mid)) ? inside : dry) = mid;
    }
    return (dry + inside) / 2;
}

ExactFigures figuresOf(const ExactHull& hull, const Waterplane& plane, const ImmersedIntegrals& in,
                       const std::vector<StationSlice>& slices) {
    ExactFigures f;
    const double v = in.volume;
    if (!(v > 0)) return f;
    const double cosp = std::cos(plane.pitch), tanp = std::tan(plane.pitch);
    f.volume = v;
    f.displacementFresh = v * kFreshWater;
    f.displacementSea = v * kSeaWater;
    f.buoyancy = {in.momentX / v, in.momentY / v, in.momentZ / v};
    f.wettedSurface = in.wettedSurface;
    f.deckImmersed = in.deckImmersed;
    f.KB = f.buoyancy[2] - hull.keelZ;
    f.KMt = f.KMl = f.KB;
    f.draft = refinedMax(slices, hull, plane, [&](const StationSlice& s) {
        return std::isfinite(s.lowZ) ? (plane.level + tanp * s.x - s.lowZ) * cosp : 0.0;
    });
    f.midshipArea =
        refinedMax(slices, hull, plane, [](const StationSlice& s) { return s.slice.area; });
    if (in.chordArea > 0) {
        // The sections' chords are the waterplane seen along X: stretch by 1/cos(pitch).
        f.waterplaneArea = in.chordArea / cosp;
        f.LCF = in.chordMomentX / in.chordArea;
        f.transverseInertia = in.chordMomentYY / cosp;
        f.longitudinalInertia = (in.chordMomentXX - f.LCF * in.chordMomentX) / (cosp * cosp * cosp);
        f.BMt = f.transverseInertia / v;
        f.BMl = f.longitudinalInertia / v;
        f.KMt = f.KB + f.BMt;
        f.KMl = f.KB + f.BMl;
        f.waterlineLength =
            (waterlineEnd(slices, hull, plane, true) - waterlineEnd(slices, hull, plane, false)) /
            cosp;
        f.waterlineBeam =
            refinedMax(slices, hull, plane, [](const StationSlice& s) { return s.slice.chord; });
    }
    const double lb = f.waterlineLength * f.waterlineBeam;
    if (lb > 0 && f.draft > 0) f.Cb = v / (lb * f.draft);
    if (f.midshipArea > 0 && f.waterlineLength > 0) f.Cp = v / (f.midshipArea * f.waterlineLength);
    if (f.waterlineBeam > 0 && f.draft > 0) f.Cm = f.midshipArea / (f.waterlineBeam * f.draft);
    if (lb > 0) f.Cwp = f.waterplaneArea / lb;
    return f;
}

ExactCondition conditionAt(const ExactHull& hull, const Waterplane& plane) {
    std::vector<StationSlice> slices;
    const ImmersedIntegrals in = Immerse(hull, plane, &slices);
    ExactCondition c;
    c.waterlineZ = plane.level;
    c.pitch = plane.pitch;
    c.status = !(in.volume > 0)   ? ExactStatus::Dry
               : in.chordArea > 0 ? ExactStatus::Afloat
                                  : ExactStatus::Submerged;
    c.figures = figuresOf(hull, plane, in, slices);
    return c;
}

// The levels between which the plane of that pitch and heel leaves the hull dry and wholly
// under water: the kept sections' extremes, widened until that holds between them too.
std::pair<double, double> levelRange(const ExactHull& hull, double pitch, double heel) {
    const double s = std::sin(heel), c = std::cos(heel), t = std::tan(pitch);
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    for (const auto& stations : hull.intervals)
        for (const ExactStation& st : stations)
            for (const SectionPolygon& p : st.polygons)
                for (const SectionVertex& v : p)
                    for (const double side : {1.0, -1.0}) {
                        const double g = c * (v.z - t * st.x) - side * s * v.y;
                        lo = std::min(lo, g);
                        hi = std::max(hi, g);
                    }
    const double margin = 1e-3 * hull.shape.length;
    lo -= margin;
    hi += margin;
    for (int i = 0; i < 20 && Immerse(hull, {lo, pitch, heel}).volume > 0; ++i) lo -= hi - lo;
    for (int i = 0; i < 20 && Immerse(hull, {hi, pitch, heel}).chordArea > 0; ++i) hi += hi - lo;
    return {lo, hi};
}

}  // namespace

LevelFound FindLevel(const ExactHull& hull, double volume, double pitch, double heel,
                     double guess) {
    auto [lo, hi] = levelRange(hull, pitch, heel);
    LevelFound out;
    if (!(volume > 0)) {
        out.level = lo;
        out.integrals = Immerse(hull, {lo, pitch, heel});
        return out;
    }
    const ImmersedIntegrals full = Immerse(hull, {hi, pitch, heel});
    if (full.volume < volume * (1 - 1e-12)) {
        out.status = ExactStatus::Submerged;
        out.level = hi;
        out.integrals = full;
        return out;
    }
    double h = std::isfinite(guess) && guess > lo && guess < hi
                   ? guess
                   : lo + (hi - lo) * std::sqrt(volume / full.volume);
    out.status = ExactStatus::Afloat;
    for (int i = 0; i < 100; ++i) {
        const ImmersedIntegrals in = Immerse(hull, {h, pitch, heel});
        out.level = h;
        out.integrals = in;
        const double f = in.volume - volume;
        if (std::fabs(f) <= 1e-10 * volume) break;
        (f < 0 ? lo : hi) = h;
        if (hi - lo <= 1e-14 * hull.shape.length) break;
        // Newton (d volume / d level is the chord area), bisection where it would leave the
        // bracket.
        const double next = in.chordArea > 0 ? h - f / in.chordArea : lo - 1;
        h = next > lo && next < hi ? next : (lo + hi) / 2;
    }
    return out;
}

ExactCondition ExactAtWaterline(const ExactHull& hull, double z, double pitch) {
    return conditionAt(hull, {z, pitch, 0.0});
}

ExactCondition ExactAtDisplacement(const ExactHull& hull, double volume, double pitch) {
    const LevelFound found = FindLevel(hull, volume, pitch, 0.0, NAN);
    ExactCondition c = conditionAt(hull, {found.level, pitch, 0.0});
    if (found.status != ExactStatus::Afloat) c.status = found.status;
    return c;
}

ExactCondition ExactTrimmed(const ExactHull& hull, double volume, double massCentreX) {
    // The pitch at which the centre of buoyancy lies above the centre of gravity: secant steps
    // kept within a bracket, starting from level trim and the step the longitudinal metacentre
    // suggests.
    const double len = hull.shape.length;
    double level = NAN;
    const auto offset = [&](double pitch) -> double {
        const LevelFound f = FindLevel(hull, volume, pitch, 0.0, level);
        level = f.level;
        if (f.status != ExactStatus::Afloat) return NAN;
        return f.integrals.momentX / f.integrals.volume - massCentreX;
    };
    double lo = -1.2, hi = 1.2;  // rad: no hull floats sensibly beyond
    double p0 = 0.0, f0 = offset(p0);
    if (!std::isfinite(f0)) return ExactAtDisplacement(hull, volume, 0.0);
    const ExactCondition level0 = ExactAtDisplacement(hull, volume, 0.0);
    const double bml = level0.figures.BMl;
    double p1 = bml > 0 ? std::clamp(-f0 / bml, -0.3, 0.3) : 0.01;
    (f0 < 0 ? lo : hi) = p0;
    for (int i = 0; i < 60 && std::fabs(f0) > 1e-9 * len; ++i) {
        const double f1 = offset(p1);
        if (!std::isfinite(f1)) {
            (p1 > p0 ? hi : lo) = p1;  // sunk at that pitch: come back toward level
            p1 = (lo + hi) / 2;
            continue;
        }
        (f1 < 0 ? lo : hi) = p1;
        double next = f1 != f0 ? p1 - f1 * (p1 - p0) / (f1 - f0) : (lo + hi) / 2;
        if (!(next > lo && next < hi)) next = (lo + hi) / 2;
        p0 = p1;
        f0 = f1;
        p1 = next;
        if (hi - lo < 1e-12) break;
    }
    return ExactAtDisplacement(hull, volume, p0);
}

ExactCondition ExactBesideWindow(const Hull& h, const HydroState& state, const MassTotals& totals,
                                 const ExactSettings& settings) {
    const ExactHull hull = BuildExactHull(h, settings);
    if (state.HydroMode != 0) return ExactAtWaterline(hull, state.WaterlineZ, state.PitchAngle);
    // The window trims only over a centre of gravity beyond a tenth of the length.
    if (totals.MassCentreX > 0.1 * h.XFwd[1])
        return ExactTrimmed(hull, state.Displacement, totals.MassCentreX);
    return ExactAtDisplacement(hull, state.Displacement, state.PitchAngle);
}

}  // namespace voriel
