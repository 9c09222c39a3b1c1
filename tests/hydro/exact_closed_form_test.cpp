// The exact integrator against closed forms: a box (afloat and under water), a wedge, a box with a
// rising keel, a box with a raked transom, a bottom dipping under the water between kept sections,
// and a box barge heeled through 90 degrees.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "hydro/exact_integration.h"
#include "hydro/exact_shape.h"
#include "hydro/stability.h"

namespace voriel {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Height of a flat bottom along X, and its slope.
struct Bottom {
    std::function<double(double)> z = [](double) { return 0.0; };
    std::function<double(double)> dz = [](double) { return 0.0; };
};

// A box of length L, beam B and depth D from X = 0 to L, its flat bottom at Z = bottom(X), the
// transom raked aft by rakeTan (X = -rakeTan*Z), the bow upright. With vHalf > 0, a V section of
// that half breadth at the deck instead.
ExactShape boxShape(double L, double B, double D, Bottom bottom = {}, double rakeTan = 0,
                    double vHalf = 0) {
    ExactShape s;
    s.profile = [=](double x) {
        const double keel = bottom.z(x);
        const SurfaceSlope slope{0.0, bottom.dz(x)};
        SectionPolygon p{{0.0, keel, EdgeKind::Bottom, Track::Keel, slope, slope, false, 0, 0}};
        // The side is upright: it adds no surface whatever its slope along X.
        if (vHalf <= 0)
            p.push_back({B / 2, keel, EdgeKind::Plank, Track::Chine1, {}, {}, false, 0, 0});
        p.push_back(
            {vHalf > 0 ? vHalf : B / 2, D, EdgeKind::Deck, Track::Sheer, {}, {}, false, 0, 0});
        p.push_back({0.0, D, EdgeKind::Centre, Track::None, {}, {}, false, 0, 0});
        return p;
    };
    const double z0 = bottom.z(0.0);
    s.aft = {{z0, -rakeTan * z0}, {D, -rakeTan * D}};
    s.fwd = {{bottom.z(L), L}, {D, L}};  // from the keel's forward end
    s.breaks =
        rakeTan > 0 ? std::vector<double>{-rakeTan * D, 0.0, L} : std::vector<double>{0.0, L};
    s.length = L;
    return s;
}

struct Expected {
    double volume, xB, zB, chordArea, lcf, inertiaT, inertiaL, wetted;
};

void expectIntegrals(const ImmersedIntegrals& in, const Expected& e, const std::string& what) {
    SCOPED_TRACE(what);
    EXPECT_NEAR(in.volume, e.volume, 1e-10 * e.volume);
    EXPECT_NEAR(in.momentX / in.volume, e.xB, 1e-10);
    EXPECT_NEAR(in.momentY / in.volume, 0.0, 1e-12);
    EXPECT_NEAR(in.momentZ / in.volume, e.zB, 1e-10);
    EXPECT_NEAR(in.chordArea, e.chordArea, 1e-10 * e.chordArea);
    const double lcf = in.chordMomentX / in.chordArea;
    EXPECT_NEAR(lcf, e.lcf, 1e-10);
    EXPECT_NEAR(in.chordMomentYY, e.inertiaT, 1e-10 * e.inertiaT);
    EXPECT_NEAR(in.chordMomentXX - lcf * in.chordMomentX, e.inertiaL, 1e-9 * e.inertiaL);
    EXPECT_NEAR(in.wettedSurface, e.wetted, 1e-10 * e.wetted);
    EXPECT_FALSE(in.deckImmersed);
}

TEST(ExactClosedForm, BoxWedgeRisingKeelAndRakedTransom) {
    const double L = 5, B = 2, D = 1.5, T = 0.4;
    expectIntegrals(Immerse(BuildExactHull(boxShape(L, B, D)), {T, 0, 0}),
                    {L * B * T, L / 2, T / 2, L * B, L / 2, L * B * B * B / 12, B * L * L * L / 12,
                     L * B + 2 * L * T + 2 * B * T},
                    "box");
    // Under water the deck is reported, the volume stops at it and it adds no wetted surface.
    const ImmersedIntegrals under = Immerse(BuildExactHull(boxShape(L, B, D)), {D + 1, 0, 0});
    EXPECT_TRUE(under.deckImmersed);
    EXPECT_NEAR(under.volume, L * B * D, 1e-12);
    EXPECT_NEAR(under.chordArea, 0.0, 1e-12);
    EXPECT_NEAR(under.wettedSurface, L * B + 2 * L * D + 2 * B * D, 1e-12);
    // V section, half breadth 0.8 at 1 m: half breadth at T is 0.8*T.
    const double y = 0.8 * T;
    expectIntegrals(Immerse(BuildExactHull(boxShape(L, B, 1.0, {}, 0, 0.8)), {T, 0, 0}),
                    {L * y * T, L / 2, 2 * T / 3, 2 * y * L, L / 2, L * 2 * y * y * y / 3,
                     2 * y * L * L * L / 12, 2 * L * std::hypot(y, T) + 2 * y * T},
                    "wedge");
    // Keel Z = k*X: the water reaches X = T/k < L; the section area B*(T - kX) vanishes there, a
    // kink inside a panel.
    const double k = 0.1, end = T / k;
    const Bottom rising{[k](double x) { return k * x; }, [k](double) { return k; }};
    expectIntegrals(
        Immerse(BuildExactHull(boxShape(L, B, D, rising)), {T, 0, 0}),
        {B * T * end / 2, end / 3, 2 * T / 3, B * end, end / 2, end * B * B * B / 12,
         B * end * end * end / 12, B * end * std::hypot(1.0, k) + 2 * T * end / 2 + B * T},
        "rising keel");
    // Transom raked aft by t: the water reaches X = -d*t, and the transom facet's immersed part is
    // B wide and d*sqrt(1 + t^2) long. At 2 cm the water meets the corner cut by the transom
    // closer to X = 0 than the last kept section, and that corner ends at X = 0.
    const double t = std::tan(25 * kPi / 180);
    const ExactHull raked = BuildExactHull(boxShape(L, B, D, {}, t));
    for (const double d : {T, 0.02}) {
        const double v = B * (L * d + d * d * t / 2);
        const double mx = B * d * L * L / 2 - B * d * d * d * t * t / 6;
        const double mz = B * (L * d * d / 2 + d * d * d * t / 3);
        expectIntegrals(Immerse(raked, {d, 0, 0}),
                        {v, mx / v, mz / v, B * (L + d * t), (L - d * t) / 2,
                         (L + d * t) * B * B * B / 12, B * std::pow(L + d * t, 3) / 12,
                         B * L + 2 * (L * d + d * d * t / 2) + B * d * std::hypot(1.0, t) + B * d},
                        "raked transom at " + std::to_string(d));
    }
}

// The bottom Z = bend*(X - low)^2 comes down below the water and rises again between two kept
// sections (or between the aft end and the first node): the water covers |X - low| < r, with
// r = sqrt(h/bend). Panels are L/24 long; the Gauss nodes of the one over [2.083, 2.292] lie at
// 2.098, 2.152, 2.223 and 2.277.
TEST(ExactClosedForm, ValleyBetweenKeptSectionsIsFound) {
    const double L = 5, B = 2, D = 1, bend = 1;
    const auto valley = [&](double low) {
        return BuildExactHull(boxShape(L, B, D,
                                       {[=](double x) { return bend * (x - low) * (x - low); },
                                        [=](double x) { return 2 * bend * (x - low); }}));
    };
    const struct {
        const char* what;
        double low, r;
    } cases[] = {
        {"between two nodes", 2.1875, 0.01},
        {"near a node", 2.16, 0.005},
        {"beside a panel's end", 2.09, 0.003},
        {"beside the aft end", 0.004, 0.002},
    };
    for (const auto& c : cases) {
        const double r = c.r, h = bend * r * r;
        const double arc =
            r * std::sqrt(1 + 4 * bend * bend * r * r) + std::asinh(2 * bend * r) / (2 * bend);
        expectIntegrals(Immerse(valley(c.low), {h, 0, 0}),
                        {4 * B * h * r / 3, c.low, 3 * h / 5, 2 * r * B, c.low,
                         2 * r * B * B * B / 12, B * 8 * r * r * r / 12, B * arc + 8 * h * r / 3},
                        c.what);
    }
    // A hair above the water the bottom stays dry: no crossing is made up.
    EXPECT_EQ(Immerse(valley(2.1875), {-1e-9, 0, 0}).volume, 0.0);
}

// KN of a box barge of beam B, depth D and draft T (K on the bottom): wall-sided while the
// waterline crosses both sides, a triangle once the bottom's edge comes out, a slab at 90.
double boxKN(double B, double D, double T, double deg) {
    const double phi = deg * kPi / 180, tn = std::tan(phi), area = B * T;
    if (deg == 90) return D / 2;
    if (tn <= std::min(2 * T / B, 2 * (D - T) / B))
        return std::sin(phi) * (T / 2 + B * B / (12 * T) * (1 + tn * tn / 2));
    const double a = std::sqrt(2 * area / tn), b = std::sqrt(2 * area * tn);
    EXPECT_LE(a, B);
    EXPECT_LE(b, D);
    return (B / 2 - a / 3) * std::cos(phi) + b / 3 * std::sin(phi);
}

TEST(ExactClosedForm, BoxBargeHeeledThroughNinetyDegrees) {
    const double L = 6, B = 2, D = 4, T = 0.5, kg = 0.8;
    const ExactHull barge = BuildExactHull(boxShape(L, B, D));
    const CrossCurves cross = ComputeCrossCurves(barge, L * B * T, 0.0);
    ASSERT_EQ(cross.points.size(), 19u);
    for (const HeelPoint& p : cross.points) {
        if (p.heelDeg > 80 && p.heelDeg < 90) continue;  // deck and bottom both cut: no closed form
        SCOPED_TRACE(p.heelDeg);
        EXPECT_EQ(p.status, ExactStatus::Afloat);
        EXPECT_NEAR(p.KN, boxKN(B, D, T, p.heelDeg), 1e-9);
        EXPECT_NEAR(p.buoyancy[0], L / 2, 1e-9);
        EXPECT_EQ(p.deckImmersed, p.heelDeg == 90);
    }
    // GZ for a KG of 0.8: stiff, positive up to 90 degrees, the greatest GZ the slab's at 90.
    const GzCurve curve = ComputeGz(barge, cross, kg);
    EXPECT_FALSE(curve.vanishingAngle);
    EXPECT_NEAR(curve.maxGZ, D / 2 - kg, 1e-9);
    EXPECT_EQ(curve.angleOfMaxGZ, 90);
    // Areas: Simpson's rule over the 5-degree steps against the closed form integrated finely
    // (the wall-sided form ends at 26.6 degrees, a kink Simpson's rule cannot follow exactly).
    const auto area = [&](double to) {
        double sum = 0;
        const int n = 20000;
        for (int i = 0; i < n; ++i) {
            const double deg = (i + 0.5) * to / n;
            sum += (boxKN(B, D, T, deg) - kg * std::sin(deg * kPi / 180)) * (to / n) * kPi / 180;
        }
        return sum;
    };
    EXPECT_NEAR(curve.area30, area(30), 5e-3 * area(30));
    EXPECT_NEAR(curve.area40, area(40), 5e-3 * area(40));
}

}  // namespace
}  // namespace voriel
