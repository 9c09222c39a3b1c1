// A hull record whose every section is the same five-point section: a prism for checking the
// hydrostatics and mass areas against closed forms.
#pragma once

#include <array>
#include <utility>
#include <vector>

#include "hull/hull.h"

namespace voriel::test {

// Half breadth and height of lines 0..4 of every section: keel, chines 1..3, sheer.
constexpr std::array<std::pair<double, double>, 5> kPrismSection = {
    {{0.0, 0.0}, {1.0, 0.5}, {1.2, 1.0}, {1.2, 1.5}, {1.0, 2.0}}};
constexpr double kPrismStep = 0.1;                               // m between point indices
constexpr double kPrismLength = kPrismStep * (kPointCount - 1);  // 8.2 m

// Every line point i at X = i * kPrismStep with the section above; the ends stand upright.
inline Hull PrismHull() {
    Hull h;
    SetDefaultHull(h);
    for (int k = 0; k <= Sheer; ++k)
        for (int i = 0; i < kPointCount; ++i) {
            h.LineX[k][i] = i * kPrismStep;
            h.LineY[k][i] = kPrismSection[k].first;
            h.LineZ[k][i] = kPrismSection[k].second;
        }
    h.XFwd[0] = h.XFwd[1] = kPrismLength;
    h.YMax[1] = 1.0;
    return h;
}

// Area and vertical centroid, both sides, of the part below z of the closed half section
// (y, z) points (keel up to sheer, then back to the centreline at sheer height): the polygon is
// clipped against the half plane and measured with the shoelace formula. A half section climbing
// on the positive side has a positive area; where it strays across the centreline, the part
// across counts negative, as a width integrated over the height would.
struct ClippedArea {
    double area = 0.0;
    double zc = 0.0;
};

inline ClippedArea AreaBelow(std::vector<std::pair<double, double>> poly, double z) {
    poly.push_back({0.0, poly.back().second});
    std::vector<std::pair<double, double>> clipped;
    for (std::size_t a = 0; a < poly.size(); ++a) {
        const auto p = poly[a], q = poly[(a + 1) % poly.size()];
        const bool pin = p.second <= z, qin = q.second <= z;
        if (pin) clipped.push_back(p);
        if (pin != qin) {
            const double t = (z - p.second) / (q.second - p.second);
            clipped.push_back({p.first + t * (q.first - p.first), z});
        }
    }
    double twice = 0.0, moment = 0.0;
    for (std::size_t a = 0; a < clipped.size(); ++a) {
        const auto p = clipped[a], q = clipped[(a + 1) % clipped.size()];
        const double cross = p.first * q.second - q.first * p.second;
        twice += cross;
        moment += (p.second + q.second) * cross;
    }
    ClippedArea out;
    out.area = twice;  // both sides: twice the half section
    if (twice != 0) out.zc = moment / (3 * twice);
    return out;
}

}  // namespace voriel::test
