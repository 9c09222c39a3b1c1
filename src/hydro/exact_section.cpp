// Hull sections as polygons: clipping by a line and the integrals of what is kept.
#include "hydro/exact_section.h"

#include <algorithm>
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

// The surface along a hull edge per unit of edge length and of X: sqrt(1 + (normal . slope)^2),
// averaged by two-point Gauss (the slope varies linearly along the edge).
double stretchedLength(const SectionVertex& p, const SectionVertex& q) {
    const double dy = q.y - p.y, dz = q.z - p.z;
    const double len = std::hypot(dy, dz);
    if (len == 0.0) return 0.0;
    const double ny = dz / len, nz = -dy / len;
    const double g = 0.5 / std::sqrt(3.0);
    double sum = 0.0;
    for (const double t : {0.5 - g, 0.5 + g}) {
        const SurfaceSlope s = lerp(p.start, p.end, t);
        const double k = ny * s.dy + nz * s.dz;
        sum += std::sqrt(1.0 + k * k);
    }
    return len * sum / 2;
}

}  // namespace

void ClipPolygon(const SectionPolygon& in, const SectionLine& line, EdgeKind cut, Track enter,
                 Track exit, SectionPolygon& out) {
    out.clear();
    const std::size_t n = in.size();
    const auto side = [&](const SectionVertex& v) {
        return line.ny * v.y + line.nz * v.z - line.c;
    };
    for (std::size_t i = 0; i < n; ++i) {
        const SectionVertex& p = in[i];
        const SectionVertex& q = in[(i + 1) % n];
        const double fp = side(p), fq = side(q);
        const bool pin = fp <= 0, qin = fq <= 0;
        if (pin == qin) {
            if (pin) out.push_back(p);
            continue;
        }
        const double t = fp / (fp - fq);
        SectionVertex cross;
        cross.y = p.y + (q.y - p.y) * t;
        cross.z = p.z + (q.z - p.z) * t;
        const SurfaceSlope mid = lerp(p.start, p.end, t);
        if (pin) {
            SectionVertex kept = p;
            kept.end = mid;
            out.push_back(kept);
            cross.edge = cut;
            cross.track = isHull(p.edge) ? exit : Track::None;
        } else {
            cross.edge = p.edge;
            cross.track = isHull(p.edge) ? enter : Track::None;
            cross.start = mid;
            cross.end = p.end;
        }
        out.push_back(cross);
    }
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
        const double cross = p.y * q.z - q.y * p.z;
        s.area += cross / 2;
        s.momentY += (p.y + q.y) * cross / 6;
        s.momentZ += (p.z + q.z) * cross / 6;
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
            case EdgeKind::Plank:
                s.wetted += stretchedLength(p, q);
                break;
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
        const double lo = std::min(p.z, q.z), hi = std::max(p.z, q.z);
        if (z < lo || z > hi) continue;
        const double y =
            hi == lo ? std::max(p.y, q.y) : p.y + (q.y - p.y) * (z - p.z) / (q.z - p.z);
        widest = std::max(widest, y);
    }
    return widest;
}

}  // namespace voriel
