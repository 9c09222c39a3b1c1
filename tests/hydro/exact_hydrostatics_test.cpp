// Exact hydrostatics on the default and random hulls: convergence against ten times the effort,
// dV/dz = Awp, the window's method converging on the window's geometry, the floating searches,
// and the stability properties (dKN/dheel = KMt upright, KN odd in the heel). The default hull's
// figures and GZ curve are the golden texts' (tests/golden/texts).
#include "hydro/exact_hydrostatics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "hull/chine1.h"
#include "hull/chines23.h"
#include "hydro/stability.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The default hull (seed 0) and seeded random hulls.
Hull hullOf(int seed) {
    return seed == 0 ? ValidatedDefaultHull() : test::RandomHull(900 + seed);
}

// A waterline a fraction of the way from the hull's lowest point to its lowest sheer point.
double waterlineAt(const ExactHull& x, const Hull& h, double fraction) {
    return x.keelZ +
           fraction * (*std::min_element(h.LineZ[Sheer].begin(), h.LineZ[Sheer].end()) - x.keelZ);
}

// Every case of the sample: 60 random hulls, three waterlines between the lowest point and the
// lowest sheer point, each level, bow down and bow up (the waterline passing at the same height
// over the hull's lowest kept section). Volume, waterplane and centre of buoyancy within 0.01 %,
// the wetted surface within 0.02 % (the pointed forefoot's sections shrink like a square root
// toward the stem, where panels of even length converge slower). On ten of them, the volume grows
// with the waterline as the waterplane area.
TEST(ExactHydrostatics, ConvergedAgainstTenTimesTheEffortAndDvDzIsTheWaterplane) {
    for (int seed = 0; seed <= 60; ++seed) {
        const Hull h = hullOf(seed);
        const ExactHull once = BuildExactHull(h), tenfold = BuildExactHull(h, {10.0, false});
        std::vector<StationSlice> slices;
        Immerse(once, {once.keelZ, 0, 0}, &slices);
        const auto lowest =
            std::min_element(slices.begin(), slices.end(),
                             [](const auto& a, const auto& b) { return a.lowZ < b.lowZ; });
        const double len = h.XFwd[0], xLow = lowest->x;
        for (const double fraction : {0.15, 0.5, 0.9}) {
            const double z = waterlineAt(once, h, fraction);
            for (const double pitch : {0.0, 0.02, -0.02}) {
                SCOPED_TRACE("seed " + std::to_string(seed) + " at " + std::to_string(z) +
                             " pitch " + std::to_string(pitch));
                const Waterplane plane{z - std::tan(pitch) * xLow, pitch, 0};
                const ImmersedIntegrals a = Immerse(once, plane), b = Immerse(tenfold, plane);
                ASSERT_GT(b.volume, 0);
                ASSERT_GT(b.chordArea, 0);
                EXPECT_NEAR(a.volume, b.volume, 1e-4 * b.volume);
                EXPECT_NEAR(a.chordArea, b.chordArea, 1e-4 * b.chordArea);
                EXPECT_NEAR(a.momentX / a.volume, b.momentX / b.volume, 1e-4 * len);
                EXPECT_NEAR(a.momentZ / a.volume, b.momentZ / b.volume, 1e-4 * len);
                EXPECT_NEAR(a.wettedSurface, b.wettedSurface, 2e-4 * b.wettedSurface);
            }
            if (seed > 10) continue;
            const double dz = 1e-5 * len, awp = Immerse(once, {z, 0.01, 0}).chordArea;
            const double dv =
                Immerse(once, {z + dz, 0.01, 0}).volume - Immerse(once, {z - dz, 0.01, 0}).volume;
            EXPECT_NEAR(dv / (2 * dz), awp, 1e-4 * awp);
        }
    }
}

// The window's method with 80 * pieces stations over [0, LWL]: each piece the hull record's
// points refilled over its stretch of the lines, the end points repeating their neighbours.
double windowVolume(const Hull& h, double z, int pieces) {
    double v = 0;
    for (int i = 0; i < pieces; ++i) {
        const double a = h.XFwd[0] * i / pieces, b = h.XFwd[0] * (i + 1) / pieces;
        Hull part = h;
        for (int p = 0; p < kPointCount; ++p) {
            const double x = a + (b - a) * (std::clamp(p, 1, 81) - 1) / 80;
            part.LineX[Keel][p] = x;
            part.LineY[Keel][p] = 0;
            part.LineZ[Keel][p] = BottomHeight(h, x, 0);
            for (int k = Chine1; k <= Sheer; ++k) {
                const double xk = std::clamp(x, h.LineX[k][0], h.LineX[k][82]);
                const LinePoint pt = LinePointAt(h, k, xk);
                part.LineX[k][p] = xk;
                part.LineY[k][p] = pt.y;
                part.LineZ[k][p] = pt.z;
            }
        }
        HydroState s;
        v += FloatAtWaterline(part, s, z).volume;
    }
    return v;
}

TEST(ExactHydrostatics, WindowMethodTendsToTheExactVolumeOfTheWindowsGeometry) {
    for (int seed = 0; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        const Hull h = hullOf(seed);
        const ExactHull chord = BuildExactHull(h, {1.0, true});
        const double z = waterlineAt(chord, h, 0.4), exact = Immerse(chord, {z, 0, 0}).volume;
        HydroState s;
        const double w1 = windowVolume(h, z, 1), e8 = std::fabs(windowVolume(h, z, 8) - exact);
        EXPECT_NEAR(w1, FloatAtWaterline(h, s, z).volume, 1e-12);
        EXPECT_LT(e8, 1e-5 * exact);
        EXPECT_LT(e8, std::fabs(w1 - exact) / 10 + 1e-9 * exact);
    }
}

// The floating searches find the volume and the trim; KN rises as KMt and is odd in the heel.
TEST(ExactStability, SearchesFloatTheHullAndKnRisesAsKMtAndIsOddInTheHeel) {
    for (int seed = 0; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        const Hull h = hullOf(seed);
        const ExactHull x = BuildExactHull(h);
        const double len = h.XFwd[0], z = waterlineAt(x, h, 0.4);
        const double v = Immerse(x, {z, 0, 0}).volume;
        const ExactCondition level = ExactAtDisplacement(x, v, 0.0);
        EXPECT_EQ(level.status, ExactStatus::Afloat);
        EXPECT_NEAR(level.waterlineZ, z, 1e-8 * len);
        const double g = level.figures.buoyancy[0] + 0.03 * len;
        const ExactCondition trimmed = ExactTrimmed(x, v, g);
        EXPECT_NEAR(trimmed.figures.volume, v, 1e-9 * v);
        EXPECT_NEAR(trimmed.figures.buoyancy[0], g, 1e-6 * len);
        EXPECT_GT(trimmed.pitch, 0);  // the centre of gravity forward: bow down
        EXPECT_EQ(ExactAtDisplacement(x, 0.0, 0).status, ExactStatus::Dry);
        EXPECT_EQ(ExactAtDisplacement(x, 1e6 * v, 0).status, ExactStatus::Submerged);
        EXPECT_EQ(ExactAtWaterline(x, x.keelZ - 0.01, 0).status, ExactStatus::Dry);
        const ExactCondition under = ExactAtWaterline(x, x.keelZ + 2 * len, 0);
        EXPECT_EQ(under.status, ExactStatus::Submerged);
        EXPECT_TRUE(under.figures.deckImmersed);
        EXPECT_EQ(under.figures.waterplaneArea, 0.0);

        const double slope = HeelAt(x, v, 0.0, 0.05).KN / (0.05 * kPi / 180);
        EXPECT_NEAR(slope, level.figures.KMt, 2e-3 * level.figures.KMt);
        for (const double deg : {10.0, 35.0, 70.0, 90.0}) {
            const HeelPoint right = HeelAt(x, v, 0.0, deg), left = HeelAt(x, v, 0.0, -deg);
            EXPECT_NEAR(left.KN, -right.KN, 1e-9 * len) << deg;
            EXPECT_NEAR(left.buoyancy[1], -right.buoyancy[1], 1e-9 * len) << deg;
        }
    }
}

}  // namespace
}  // namespace voriel
