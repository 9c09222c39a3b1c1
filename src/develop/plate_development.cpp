// Development of a plate between two hull lines by triangulation with true 3-D edge lengths.
#include "develop/plate_development.h"

#include <cmath>

#include "develop/triangle_helpers.h"

namespace voriel {

namespace {

// pi as the developed tables have always rounded it.
constexpr double kPi = 3.14159265359;

struct Point3 {
    double x, y, z;
    bool operator==(const Point3& o) const { return x == o.x && y == o.y && z == o.z; }
};

using Edge3 = std::array<Point3, kDevPointCount>;

double Dist(const Point3& p, const Point3& q) {
    return std::sqrt((p.x - q.x) * (p.x - q.x) + (p.y - q.y) * (p.y - q.y) +
                     (p.z - q.z) * (p.z - q.z));
}

// One edge of the plate being laid flat.
struct FlatEdge {
    std::array<double, kDevPointCount>& x;
    std::array<double, kDevPointCount>& y;
};

// Lays point `to` of edge e at `length` from point `from` of edge f along angle phi.
void Step(FlatEdge e, int to, const FlatEdge& f, int from, double phi, double length) {
    e.x[to] = f.x[from] + length * std::cos(phi);
    e.y[to] = f.y[from] + length * std::sin(phi);
}

void Copy(FlatEdge e, int to, int from) {
    e.x[to] = e.x[from];
    e.y[to] = e.y[from];
}

// A reference side this much shorter than the step laid from it gives no direction: laid flat,
// its direction is rounding noise. This happens where two lines touch (equal heights entered on
// the screens make them meet or run together), and the edge then runs straight on.
constexpr double kPinch = 1e-7;

bool Pinched(double reference, double step) {
    return reference <= kPinch * step;
}

// Direction of the last flat segment of the edge up to point j that has a length; +X if none.
double LastDirection(const FlatEdge& e, int j) {
    for (int i = j; i >= 1; --i) {
        if (e.x[i] != e.x[i - 1] || e.y[i] != e.y[i - 1])
            return PolarAngle(e.x[i - 1], e.y[i - 1], e.x[i], e.y[i]);
    }
    return 0;
}

// Points 0 lie aft of points 1, turned from the first rung.
void LayAftEnds(const Edge3& L, const Edge3& U, FlatEdge lo, FlatEdge up) {
    const double rung = Dist(L[1], U[1]);
    if (L[0] == L[1]) {
        Copy(lo, 0, 1);
    } else {
        const double c = Dist(L[1], L[0]);
        const double theta = PolarAngle(lo.x[1], lo.y[1], up.x[1], up.y[1]);
        const double phi =
            Pinched(rung, c) ? kPi : theta + TriangleAngles(rung, Dist(L[0], U[1]), c).beta;
        Step(lo, 0, lo, 1, phi, c);
    }
    if (U[0] == U[1]) {
        Copy(up, 0, 1);
    } else {
        const double c = Dist(U[1], U[0]);
        const double theta = PolarAngle(up.x[1], up.y[1], lo.x[1], lo.y[1]);
        const double phi =
            Pinched(rung, c) ? -kPi : theta - TriangleAngles(rung, Dist(U[0], L[1]), c).beta;
        Step(up, 0, up, 1, phi, c);
    }
}

void Triangulate(int N, const Edge3& L, const Edge3& U, FlatEdge lo, FlatEdge up) {
    lo.x[1] = 0;
    lo.y[1] = 0;
    up.x[1] = 0;
    up.y[1] = Dist(U[1], L[1]);
    LayAftEnds(L, U, lo, up);
    // Each quadrilateral L(j) U(j) U(j+1) L(j+1) is split along the diagonal U(j) L(j+1).
    for (int j = 1; j <= N + 1; ++j) {
        if (L[j + 1] == L[j]) {
            Copy(lo, j + 1, j);
        } else {
            const double a = Dist(L[j], U[j]), c = Dist(L[j], L[j + 1]);
            const double theta = PolarAngle(lo.x[j], lo.y[j], up.x[j], up.y[j]);
            const double phi = Pinched(a, c)
                                   ? LastDirection(lo, j)
                                   : theta - TriangleAngles(a, Dist(L[j + 1], U[j]), c).beta;
            Step(lo, j + 1, lo, j, phi, c);
        }
        if (U[j + 1] == U[j]) {
            Copy(up, j + 1, j);
        } else {
            const double a = Dist(L[j + 1], U[j]), c = Dist(U[j], U[j + 1]);
            const double theta = PolarAngle(up.x[j], up.y[j], lo.x[j + 1], lo.y[j + 1]);
            const double phi = Pinched(a, c)
                                   ? LastDirection(up, j)
                                   : theta + TriangleAngles(a, Dist(U[j + 1], L[j + 1]), c).beta;
            Step(up, j + 1, up, j, phi, c);
        }
    }
}

// Turns the plate by r about the origin, then shifts it onto both axes from the positive side.
void TurnAndShift(Development& d, double r) {
    const int last = d.last;
    const double c = std::cos(r), s = std::sin(r);
    double minX = HUGE_VAL, minY = HUGE_VAL;
    const auto turn = [&](double& x, double& y) {
        const double xr = x * c - y * s;
        const double yr = x * s + y * c;
        x = xr;
        y = yr;
        minX = std::fmin(minX, x);
        minY = std::fmin(minY, y);
    };
    for (int j = 0; j <= last; ++j) {
        turn(d.DevXi[j], d.DevYi[j]);
        turn(d.DevXs[j], d.DevYs[j]);
    }
    for (int j = 0; j <= last; ++j) {
        d.DevXi[j] -= minX;
        d.DevXs[j] -= minX;
        d.DevYi[j] -= minY;
        d.DevYs[j] -= minY;
    }
}

double PlateOrientation(const Development& d, int n, int N, int maxBeamIndex) {
    if (n == 0) {
        // The keel edge at the max-beam station becomes horizontal; the index is held where
        // k - 2 and k + 2 exist.
        const int k = maxBeamIndex < 2 ? 2 : maxBeamIndex > N ? N : maxBeamIndex;
        return OrientationAngle(d.DevYi[k - 2] - d.DevYi[k + 2], d.DevXi[k + 2] - d.DevXi[k - 2]);
    }
    const int e = N + 2;
    if (n == 1) return OrientationAngle(d.DevYi[0] - d.DevYi[e], d.DevXi[e] - d.DevXi[0]);
    return OrientationAngle(d.DevYs[0] - d.DevYs[e], d.DevXs[e] - d.DevXs[0]);
}

template <class Points>
Development DevelopFrom(int N, int n, const Points& PX, const Points& PA, const Points& PB,
                        int maxBeamIndex) {
    const int rows = static_cast<int>(PX.size());
    const int points = static_cast<int>(PX[0].size());
    if (N < 0 || n < 0 || n + 1 >= rows || N + 2 >= points || N + 2 >= kDevPointCount) return {};
    Edge3 lower{}, upper{};
    for (int j = 0; j <= N + 2; ++j) {
        lower[j] = {PX[n][j], PA[n][j], PB[n][j]};
        upper[j] = {PX[n + 1][j], PA[n + 1][j], PB[n + 1][j]};
    }
    Development d;
    d.last = static_cast<int16_t>(N + 2);
    Triangulate(N, lower, upper, FlatEdge{d.DevXi, d.DevYi}, FlatEdge{d.DevXs, d.DevYs});
    TurnAndShift(d, PlateOrientation(d, n, N, maxBeamIndex));
    return d;
}

}  // namespace

Development DevelopPlate(int16_t N, int16_t n, const LinePoints& PX, const LinePoints& PA,
                         const LinePoints& PB, int16_t maxBeamIndex) {
    return DevelopFrom(N, n, PX, PA, PB, maxBeamIndex);
}

Development DevelopPlate(int16_t N, int16_t n, const RulingPoints& PX, const RulingPoints& PA,
                         const RulingPoints& PB, int16_t maxBeamIndex) {
    return DevelopFrom(N, n, PX, PA, PB, maxBeamIndex);
}

}  // namespace voriel
