// Stability of the true hull: the hull heeled and floated at its displacement, cross curves and
// the GZ curve with its angles and areas.
#include "hydro/stability.h"

#include <cmath>

#include "hull/root_find.h"
#include "hydro/golden_search.h"

namespace voriel {

namespace {

constexpr double kPi = 3.14159265358979323846;

double radians(double deg) {
    return deg * kPi / 180;
}

// Area under GZ from 0 to bound (degrees) over equally spaced angles from 0: Simpson's rule when
// the bound is an even number of steps, else trapezoids (the last one cut at the bound).
double areaUpTo(const std::vector<double>& angles, const std::vector<double>& gz, double bound) {
    if (angles.size() < 2) return 0.0;
    const double step = angles[1] - angles[0];
    const double steps = bound / step;
    const int whole = static_cast<int>(std::floor(steps + 1e-9));
    const int last = static_cast<int>(angles.size()) - 1;
    const double h = radians(step);
    if (std::fabs(steps - whole) < 1e-9 && whole % 2 == 0 && whole <= last) {
        double sum = 0.0;
        for (int i = 0; i <= whole; ++i)
            sum += gz[i] * (i == 0 || i == whole ? 1 : (i % 2 == 1 ? 4 : 2));
        return sum * h / 3;
    }
    double sum = 0.0;
    for (int i = 0; i < std::min(whole, last); ++i) sum += (gz[i] + gz[i + 1]) * h / 2;
    if (whole < last) {
        const double t = steps - whole;
        const double end = gz[whole] + (gz[whole + 1] - gz[whole]) * t;
        sum += (gz[whole] + end) * h * t / 2;
    }
    return sum;
}

}  // namespace

HeelPoint HeelAt(const ExactHull& hull, double volume, double pitch, double heelDeg,
                 double levelGuess) {
    const double phi = radians(heelDeg);
    const LevelFound found = FindLevel(hull, volume, pitch, phi, levelGuess);
    HeelPoint p;
    p.heelDeg = heelDeg;
    p.status = found.status;
    p.level = found.level;
    p.deckImmersed = found.integrals.deckImmersed;
    const double v = found.integrals.volume;
    if (found.status != ExactStatus::Afloat || !(v > 0)) return p;
    p.buoyancy = {found.integrals.momentX / v, found.integrals.momentY / v,
                  found.integrals.momentZ / v};
    p.KN = p.buoyancy[1] * std::cos(phi) + (p.buoyancy[2] - hull.keelZ) * std::sin(phi);
    return p;
}

CrossCurves ComputeCrossCurves(const ExactHull& hull, double volume, double pitch, double stepDeg,
                               double maxDeg) {
    CrossCurves c;
    c.volume = volume;
    c.pitch = pitch;
    double guess = NAN;
    for (int k = 0; k * stepDeg <= maxDeg + 1e-9; ++k) {
        c.points.push_back(HeelAt(hull, volume, pitch, k * stepDeg, guess));
        guess = c.points.back().level;
    }
    return c;
}

GzCurve ComputeGz(const ExactHull& hull, const CrossCurves& cross, double kg) {
    GzCurve g;
    g.KG = kg;
    std::vector<double> angles;
    for (const HeelPoint& p : cross.points) {
        angles.push_back(p.heelDeg);
        g.GZ.push_back(p.KN - kg * std::sin(radians(p.heelDeg)));
        if (p.status != ExactStatus::Afloat) g.complete = false;
    }
    const int n = static_cast<int>(g.GZ.size());
    if (n == 0) return g;
    const auto gzAt = [&](double deg) {
        return HeelAt(hull, cross.volume, cross.pitch, deg).KN - kg * std::sin(radians(deg));
    };
    int best = 0;
    for (int i = 1; i < n; ++i)
        if (g.GZ[i] > g.GZ[best]) best = i;
    g.maxGZ = g.GZ[best];
    g.angleOfMaxGZ = angles[best];
    if (best > 0 && best + 1 < n && g.complete) {
        const GoldenMax m = GoldenSectionMax(gzAt, angles[best - 1], angles[best + 1], 1e-4);
        if (m.value > g.maxGZ) {
            g.maxGZ = m.value;
            g.angleOfMaxGZ = m.x;
        }
    }
    int firstPositive = 1;
    while (firstPositive < n && !(g.GZ[firstPositive] > 0)) ++firstPositive;
    if (firstPositive == n) {
        g.vanishingAngle = 0.0;  // never positive: no stability at all
    } else {
        for (int i = firstPositive + 1; i < n; ++i)
            if (g.GZ[i] <= 0) {
                g.vanishingAngle = g.complete ? FindBracketedRoot(gzAt, angles[i - 1], angles[i],
                                                                  g.GZ[i - 1], g.GZ[i], 1e-6)
                                              : angles[i];
                break;
            }
    }
    g.area30 = areaUpTo(angles, g.GZ, 30);
    g.area40 = areaUpTo(angles, g.GZ, 40);
    return g;
}

}  // namespace voriel
