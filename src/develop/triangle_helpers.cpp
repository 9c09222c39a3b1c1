// Triangle and direction helpers of the plate development: angles from three sides, polar angle.
#include "develop/triangle_helpers.h"

#include <cmath>

namespace voriel {

namespace {

// pi as the developed tables have always rounded it.
constexpr double kPi = 3.14159265359;

// Below this fraction of the half perimeter a triangle counts as not closing. It covers rounding
// only: a looser one (a millionth) lays nearly straight triangles straight, and the plate then
// loses their true side lengths by micrometres that grow along the plate.
constexpr double kClosingTolerance = 1e-12;

}  // namespace

TriangleAngleSet TriangleAngles(double a, double b, double c) {
    if (a + b + c == 0) return {kPi / 3, kPi / 3, kPi / 3};
    const double s = (a + b + c) / 2;
    const double eps = s * kClosingTolerance;
    // "<= 0" as well: on a hull small enough for eps to vanish, a flat triangle must still not
    // reach the half-angle formula with a zero divisor.
    if (s - a < eps || s - a <= 0) return {kPi, 0, 0};
    if (s - b < eps || s - b <= 0) return {0, kPi, 0};
    if (s - c < eps || s - c <= 0) return {0, 0, kPi};
    const double sa = s - a, sb = s - b, sc = s - c;
    return {2 * std::atan(std::sqrt(sb * sc / (s * sa))),
            2 * std::atan(std::sqrt(sa * sc / (s * sb))),
            2 * std::atan(std::sqrt(sa * sb / (s * sc)))};
}

double PolarAngle(double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    if (dx == 0) {
        if (y2 > y1) return 1.570796326795;
        if (y2 == y1) return 0;
        return 4.712388980385;
    }
    const double t = std::atan(dy / dx);
    if (x2 > x1) return y2 >= y1 ? t : t + 6.28318530718;
    return t + kPi;
}

double OrientationAngle(double num, double den) {
    if (den == 0) return num > 0 ? 1.570796326795 : num < 0 ? -1.570796326795 : 0.0;
    return std::atan(num / den);
}

}  // namespace voriel
