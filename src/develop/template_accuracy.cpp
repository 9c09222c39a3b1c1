// How truly a plate develops: the lengths the flat pattern cannot keep, measured against the hull.
#include "develop/template_accuracy.h"

#include <array>
#include <cmath>

namespace voriel {

namespace {

constexpr double kMm = 1000.0;

double dist(const SpacePoint& a, const SpacePoint& b) {
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) +
                     (a.z - b.z) * (a.z - b.z));
}

double dist(const FlatPoint& a, const FlatPoint& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// 3-D minus flat length of the quadrilateral's length that differs most.
double quadrilateralDifference(const TemplatePlate& p, std::size_t j) {
    const std::array<SpacePoint, 4> s = {p.lower3[j], p.upper3[j], p.upper3[j + 1],
                                         p.lower3[j + 1]};
    const std::array<FlatPoint, 4> f = {p.lower[j], p.upper[j], p.upper[j + 1], p.lower[j + 1]};
    double worst = 0.0;
    for (std::size_t a = 0; a < 4; ++a) {
        for (std::size_t b = a + 1; b < 4; ++b) {
            const double d = dist(s[a], s[b]) - dist(f[a], f[b]);
            if (std::fabs(d) > std::fabs(worst)) worst = d;
        }
    }
    return worst;
}

template <class Point>
double length(const std::vector<Point>& e) {
    double sum = 0.0;
    for (std::size_t i = 0; i + 1 < e.size(); ++i) sum += dist(e[i], e[i + 1]);
    return sum;
}

// Shoelace over the lower edge forward and the upper edge back.
double area(const TemplatePlate& p) {
    double twice = 0.0;
    const auto add = [&twice](const FlatPoint& a, const FlatPoint& b) {
        twice += a.x * b.y - b.x * a.y;
    };
    const std::size_t n = p.lower.size();
    for (std::size_t i = 0; i + 1 < n; ++i) add(p.lower[i], p.lower[i + 1]);
    add(p.lower[n - 1], p.upper[n - 1]);
    for (std::size_t i = n - 1; i >= 1; --i) add(p.upper[i], p.upper[i - 1]);
    add(p.upper[0], p.lower[0]);
    return std::fabs(twice) / 2;
}

}  // namespace

PlateAccuracy MeasurePlateAccuracy(const TemplatePlate& p) {
    PlateAccuracy r;
    if (!TemplatePlateUsable(p)) return r;
    const std::size_t cells = p.lower.size() - 1;
    double sumSquares = 0.0;
    for (std::size_t j = 0; j < cells; ++j) {
        const double d = quadrilateralDifference(p, j) * kMm;
        sumSquares += d * d;
        if (std::fabs(d) > std::fabs(r.largestMm)) {
            r.largestMm = d;
            r.largestAt = static_cast<int>(j);
        }
    }
    r.quadrilaterals = static_cast<int>(cells);
    r.rmsMm = std::sqrt(sumSquares / static_cast<double>(cells));
    r.lower3dMm = length(p.lower3) * kMm;
    r.lowerFlatMm = length(p.lower) * kMm;
    r.upper3dMm = length(p.upper3) * kMm;
    r.upperFlatMm = length(p.upper) * kMm;
    r.areaM2 = area(p);
    return r;
}

}  // namespace voriel
