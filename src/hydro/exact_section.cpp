// Hull sections as polygons with straight and quadratic edges: clipping by a line and the
// integrals of what is kept.
#include "hydro/exact_section.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace voriel {

namespace {

bool isHull(EdgeKind kind) {
    return kind == EdgeKind::Bottom || kind == EdgeKind::Plank;
}

SurfaceSlope lerp(const SurfaceSlope& a, const SurfaceSlope& b, double t) {
    return {a.dy + (b.dy - a.dy) * t, a.dz + (b.dz - a.dz) * t};
}

// One edge as an arc: P, control C, Q (a straight edge has its control halfway).
struct Arc {
    double py, pz, cy, cz, qy, qz;
    Arc(const SectionVertex& p, const SectionVertex& q)
        : py(p.y),
          pz(p.z),
          cy(p.curved ? p.cy : (p.y + q.y) / 2),
          cz(p.curved ? p.cz : (p.z + q.z) / 2),
          qy(q.y),
          qz(q.z) {}
    double y(double t) const { return (1 - t) * (1 - t) * py + 2 * t * (1 - t) * cy + t * t * qy; }
    double z(double t) const { return (1 - t) * (1 - t) * pz + 2 * t * (1 - t) * cz + t * t * qz; }
    double dy(double t) const { return 2 * ((1 - t) * (cy - py) + t * (qy - cy)); }
    double dz(double t) const { return 2 * ((1 - t) * (cz - pz) + t * (qz - cz)); }
};

// Three-point Gauss on [0, 1]: exact for the polynomials of degree 5 the integrals below give.
constexpr std::array<double, 3> kT = {0.1127016653792583, 0.5, 0.8872983346207417};
constexpr std::array<double, 3> kW = {5.0 / 18, 8.0 / 18, 5.0 / 18};

// Roots in (0, 1) of (1-t)^2 fp + 2t(1-t) fc + t^2 fq, increasing.
int rootsInside(double fp, double fc, double fq, std::array<double, 2>& roots) {
    const double a = fp - 2 * fc + fq, b = 2 * (fc - fp), c = fp;
    const double lo = 1e-12, hi = 1 - 1e-12;
    int n = 0;
    const auto keep = [&](double t) {
        if (t > lo && t < hi) roots[n++] = t;
    };
    if (std::fabs(a) <= 1e-14 * (std::fabs(b) + std::fabs(c))) {
        if (b != 0) keep(-c / b);
    } else {
        const double disc = b * b - 4 * a * c;
        if (disc < 0) return 0;
        const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
        double t1 = q / a, t2 = q != 0 ? c / q : t1;
        if (t1 > t2) std::swap(t1, t2);
        keep(t1);
        if (t2 != t1) keep(t2);
    }
    return n;
}

// The vertex starting the part [t0, t1] of the edge from p to q.
SectionVertex piece(const SectionVertex& p, const SectionVertex& q, double t0, double t1) {
    const Arc arc(p, q);
    SectionVertex v = p;
    v.y = arc.y(t0);
    v.z = arc.z(t0);
    v.start = lerp(p.start, p.end, t0);
    v.end = lerp(p.start, p.end, t1);
    if (p.curved) {
        // The control point of the sub-arc: the blossom of the arc at (t0, t1).
        const double a = (1 - t0) * (1 - t1), b = (1 - t0) * t1 + t0 * (1 - t1), c = t0 * t1;
        v.cy = a * p.y + b * p.cy + c * q.y;
        v.cz = a * p.z + b * p.cz + c * q.z;
    }
    if (t0 > 0) v.track = Track::None;
    return v;
}

}  // namespace

void ClipPolygon(const SectionPolygon& in, const SectionLine& line, EdgeKind cut, Track enter,
                 Track exit, SectionPolygon& out) {
    out.clear();
    const std::size_t n = in.size();
    if (n == 0) return;
    const auto side = [&](double y, double z) { return line.ny * y + line.nz * z - line.c; };
    // Each edge is cut where it crosses the line; each part is kept or not by its middle. A kept
    // part starts an output edge; a dropped part after a kept one starts an edge along the line.
    const auto walk = [&](const SectionVertex& p, const SectionVertex& q, bool& wasIn, bool emit) {
        const Arc arc(p, q);
        std::array<double, 2> roots{};
        const int count = rootsInside(side(p.y, p.z), side(arc.cy, arc.cz), side(q.y, q.z), roots);
        double t0 = 0.0;
        for (int k = 0; k <= count; ++k) {
            const double t1 = k < count ? roots[k] : 1.0;
            const double tm = (t0 + t1) / 2;
            const bool inside = side(arc.y(tm), arc.z(tm)) <= 0;
            if (emit && inside) {
                SectionVertex v = piece(p, q, t0, t1);
                if (!wasIn && isHull(p.edge)) v.track = enter;
                out.push_back(v);
            } else if (emit && wasIn) {
                SectionVertex v;
                v.y = arc.y(t0);
                v.z = arc.z(t0);
                v.edge = cut;
                v.track = isHull(p.edge) ? exit : Track::None;
                out.push_back(v);
            }
            wasIn = inside;
            t0 = t1;
        }
    };
    bool wasIn = false;
    walk(in[n - 1], in[0], wasIn, false);  // whether the polygon comes into its first vertex inside
    for (std::size_t i = 0; i < n; ++i) walk(in[i], in[(i + 1) % n], wasIn, true);
}

SliceIntegrals Integrate(const SectionPolygon& poly, const SectionLine& water) {
    SliceIntegrals s;
    const std::size_t n = poly.size();
    if (n < 3) return s;
    const double norm = std::hypot(water.ny, water.nz);
    const double uy = water.nz / norm, uz = -water.ny / norm;  // along the waterline
    for (std::size_t i = 0; i < n; ++i) {
        const SectionVertex& p = poly[i];
        const SectionVertex& q = poly[(i + 1) % n];
        // Green's theorem: area = 1/2 closed integral of (y dz - z dy), first moments of
        // y^2/2 dz and -z^2/2 dy.
        if (!p.curved) {
            const double dy = q.y - p.y, dz = q.z - p.z;
            s.area += (p.y * q.z - q.y * p.z) / 2;
            s.momentY += dz * (p.y * p.y + p.y * q.y + q.y * q.y) / 6;
            s.momentZ -= dy * (p.z * p.z + p.z * q.z + q.z * q.z) / 6;
        } else {
            const Arc arc(p, q);
            for (int k = 0; k < 3; ++k) {
                const double t = kT[k], y = arc.y(t), z = arc.z(t), dy = arc.dy(t), dz = arc.dz(t);
                s.area += kW[k] * (y * dz - z * dy) / 2;
                s.momentY += kW[k] * y * y * dz / 2;
                s.momentZ -= kW[k] * z * z * dy / 2;
            }
        }
        switch (p.edge) {
            case EdgeKind::Water: {
                // Counter-clockwise, the kept side below: a true water edge runs against u, and an
                // edge joining two pieces runs both ways and cancels.
                const double len = -((q.y - p.y) * uy + (q.z - p.z) * uz);
                s.chord += len;
                s.chordY += len * (p.y + q.y) / 2;
                s.chordYY += len * (p.y * p.y + p.y * q.y + q.y * q.y) / 3;
                break;
            }
            case EdgeKind::Bottom:
            case EdgeKind::Plank: {
                // Surface per unit of X: the edge's length, each element stretched by
                // sqrt(1 + (normal . slope)^2).
                const Arc arc(p, q);
                for (int k = 0; k < 3; ++k) {
                    const double dy = arc.dy(kT[k]), dz = arc.dz(kT[k]);
                    const double len = std::hypot(dy, dz);
                    if (len == 0.0) continue;
                    const SurfaceSlope sl = lerp(p.start, p.end, kT[k]);
                    const double slope = (dz * sl.dy - dy * sl.dz) / len;
                    s.wetted += kW[k] * len * std::sqrt(1 + slope * slope);
                }
                break;
            }
            case EdgeKind::Deck:
                if (q.y != p.y || q.z != p.z) s.deckWet = true;
                break;
            default:
                break;
        }
    }
    return s;
}

double LowestZ(const SectionPolygon& poly) {
    double low = std::numeric_limits<double>::infinity();
    for (const SectionVertex& v : poly) low = std::min(low, v.z);
    return low;
}

double HalfBreadthAt(const SectionPolygon& poly, double z) {
    double widest = 0.0;
    const std::size_t n = poly.size();
    for (std::size_t i = 0; i < n; ++i) {
        const SectionVertex& p = poly[i];
        const SectionVertex& q = poly[(i + 1) % n];
        if (!isHull(p.edge)) continue;
        const Arc arc(p, q);
        if (p.z == z) widest = std::max(widest, p.y);
        if (q.z == z) widest = std::max(widest, q.y);
        std::array<double, 2> roots{};
        const int count = rootsInside(p.z - z, arc.cz - z, q.z - z, roots);
        for (int k = 0; k < count; ++k) widest = std::max(widest, arc.y(roots[k]));
    }
    return widest;
}

}  // namespace voriel
