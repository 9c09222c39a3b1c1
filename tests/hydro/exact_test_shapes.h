// Shapes with closed-form hydrostatics for the exact integrator: a box, a wedge, a box whose
// keel rises forward, a box with a raked transom and a box whose flat bottom dips to a valley.
#pragma once

#include <cmath>

#include "hydro/exact_shape.h"

namespace voriel::test {

inline SectionVertex ShapeVertex(double y, double z, EdgeKind edge, Track track,
                                 SurfaceSlope slope = {}) {
    SectionVertex v;
    v.y = y;
    v.z = z;
    v.edge = edge;
    v.track = track;
    v.start = v.end = slope;
    return v;
}

// A box of length L, beam B and depth D from X = 0 to L, bottom at Z = rise*X; the transom
// raked aft by rakeTan (X = -rakeTan*Z), the bow upright.
inline ExactShape BoxShape(double length, double beam, double depth, double rise = 0.0,
                           double rakeTan = 0.0, double effort = 1.0) {
    ExactShape s;
    const double half = beam / 2;
    s.profile = [=](double x) {
        const double keel = rise * x;
        return SectionPolygon{ShapeVertex(0.0, keel, EdgeKind::Bottom, Track::Keel, {0.0, rise}),
                              ShapeVertex(half, keel, EdgeKind::Plank, Track::Chine1),
                              ShapeVertex(half, depth, EdgeKind::Deck, Track::Sheer),
                              ShapeVertex(0.0, depth, EdgeKind::Centre, Track::None)};
    };
    // The side's slope along X is 0 at the top and rise at the keel; the side is upright, so it
    // adds no surface either way.
    s.aft = {{0.0, 0.0}, {depth, -rakeTan * depth}};
    s.fwd = {{rise * length, length}, {depth, length}};  // from the keel's forward end
    s.breaks = rakeTan > 0 ? std::vector<double>{-rakeTan * depth, 0.0, length}
                           : std::vector<double>{0.0, length};
    s.length = length;
    s.effort = effort;
    return s;
}

// A V-section prism of length L: half breadth `half` at height `height`, the deck there.
inline ExactShape WedgeShape(double length, double half, double height) {
    ExactShape s;
    s.profile = [=](double) {
        return SectionPolygon{ShapeVertex(0.0, 0.0, EdgeKind::Bottom, Track::Keel),
                              ShapeVertex(half, height, EdgeKind::Deck, Track::Sheer),
                              ShapeVertex(0.0, height, EdgeKind::Centre, Track::None)};
    };
    s.aft = {{0.0, 0.0}, {height, 0.0}};
    s.fwd = {{0.0, length}, {height, length}};
    s.breaks = {0.0, length};
    s.length = length;
    return s;
}

// A box of length L, beam B and depth D from X = 0 to L whose flat bottom follows
// Z = bend*(X - low)^2: a keel (and chine) coming down to Z = 0 at X = low and rising again.
inline ExactShape ValleyShape(double length, double beam, double depth, double low, double bend) {
    ExactShape s;
    const double half = beam / 2;
    const auto bottom = [=](double x) { return bend * (x - low) * (x - low); };
    s.profile = [=](double x) {
        const SurfaceSlope rise{0.0, 2 * bend * (x - low)};
        return SectionPolygon{ShapeVertex(0.0, bottom(x), EdgeKind::Bottom, Track::Keel, rise),
                              ShapeVertex(half, bottom(x), EdgeKind::Plank, Track::Chine1),
                              ShapeVertex(half, depth, EdgeKind::Deck, Track::Sheer),
                              ShapeVertex(0.0, depth, EdgeKind::Centre, Track::None)};
    };
    s.aft = {{bottom(0.0), 0.0}, {depth, 0.0}};
    s.fwd = {{bottom(length), length}, {depth, length}};
    s.breaks = {0.0, length};
    s.length = length;
    return s;
}

}  // namespace voriel::test
