// The true hull as the exact hydrostatics see it: half sections traced from the line curves and
// the bottom rulings, and the transom and pram-bow facets that end it.
#include "hydro/exact_shape.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "hull/chine1.h"
#include "hull/chines23.h"
#include "hull/root_find.h"

namespace voriel {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct LineSample {
    double y = 0.0, z = 0.0;
    SurfaceSlope slope;  // d(y, z)/dX along the line
};

// Lines 1..4 at x with their slopes along X. Chine 1 by central differences; each upper line by
// the plank-and-plane rule of LinePointAt applied to the line below, which is linear in that
// line's point and in x, so the slopes follow exactly.
std::array<LineSample, 5> linesAt(const Hull& h, double x) {
    std::array<LineSample, 5> s;
    const double step = 1e-6 * h.XFwd[0];
    s[1].y = ChineHalfWidth1(h, x);
    s[1].z = ChineHeight1(h, x);
    s[1].slope = {(ChineHalfWidth1(h, x + step) - ChineHalfWidth1(h, x - step)) / (2 * step),
                  (ChineHeight1(h, x + step) - ChineHeight1(h, x - step)) / (2 * step)};
    for (int i = 2; i <= 4; ++i) {
        const LineSample& b = s[i - 1];
        const double t = TanDeg(90 - h.PlankAngle[i - 1]);
        const double p = h.PlaneZ0[i], q = h.PlaneZX[i], r = h.PlaneZY[i];
        const double den = 1 - t * r;
        const double c = b.y - b.z * t, dc = b.slope.dy - b.slope.dz * t;
        s[i].y = (c + t * (p + q * x)) / den;
        s[i].z = (c * r + p + q * x) / den;
        s[i].slope = {(dc + t * q) / den, (dc * r + q) / den};
    }
    return s;
}

SectionVertex vertex(double y, double z, EdgeKind edge, Track track, SurfaceSlope start,
                     SurfaceSlope end) {
    SectionVertex v;
    v.y = y;
    v.z = z;
    v.edge = edge;
    v.track = track;
    v.start = start;
    v.end = end;
    return v;
}

// The bottom from the keel up to (not including) chine 1. Abaft the max-beam station the rulings
// are transverse and the bottom is straight. Ahead of it each ruling leaves chine 1 at xi and
// reaches this station after running (x - xi)/ta inward, dropping td per unit: the section is the
// curve of those points, sampled evenly in xi; between the transverse ruling at the max beam and
// the advanced one from the same chine point lies a flat triangle.
void appendBottom(const Hull& h, double x, int samples, const LineSample& c1,
                  SectionPolygon& poly) {
    const double td = TanDeg(h.PlankAngle[0]);
    const double xb = h.XMax[1];
    if (x <= xb || h.KeelAdvance == 0) {
        const SurfaceSlope s{0.0, c1.slope.dz - td * c1.slope.dy};
        poly.push_back(vertex(0.0, c1.z - td * c1.y, EdgeKind::Bottom, Track::Keel, s, s));
        return;
    }
    const double ta = TanDeg(h.KeelAdvance);
    const SurfaceSlope ruling{-1 / ta, -td / ta};
    const auto rulingPoint = [&](double xi) {
        return std::pair<double, double>{ChineHalfWidth1(h, xi) - (x - xi) / ta,
                                         ChineHeight1(h, xi) - td * (x - xi) / ta};
    };
    double xi0 = xb;
    bool keelOnCurve = false;
    if (x < h.XMax[0]) {
        poly.push_back(vertex(0.0, h.ZMax[0], EdgeKind::Bottom, Track::Keel, {}, {}));
    } else {
        // The ruling that reaches the centre plane here; none beyond a pointed forefoot, where
        // the bottom lies wholly across the centre plane.
        const auto g = [&](double xi) { return xi + ta * ChineHalfWidth1(h, xi) - x; };
        const double gx = g(x);
        if (!(gx > 0)) return;
        xi0 = FindBracketedRoot(g, xb, x, g(xb), gx, 1e-13 * h.XFwd[0]);
        keelOnCurve = true;
    }
    // Each piece between samples is the quadratic arc through the ruling point halfway along.
    for (int j = 0; j < samples; ++j) {
        const double xi = xi0 + (x - xi0) * j / samples;
        const double xm = xi0 + (x - xi0) * (j + 0.5) / samples;
        const double xn = xi0 + (x - xi0) * (j + 1.0) / samples;
        auto [y, z] = rulingPoint(xi);
        const bool keel = keelOnCurve && j == 0;
        if (keel) y = 0.0;
        SectionVertex v =
            vertex(y, z, EdgeKind::Bottom, keel ? Track::Keel : Track::None, ruling, ruling);
        const auto [my, mz] = rulingPoint(xm);
        const auto [ny, nz] =
            j + 1 == samples ? std::pair<double, double>{c1.y, c1.z} : rulingPoint(xn);
        CurveThrough(v, my, mz, ny, nz);
        poly.push_back(v);
    }
}

SectionPolygon hullProfile(const Hull& h, double x, int samples, bool chord) {
    const std::array<LineSample, 5> lines = linesAt(h, x);
    SectionPolygon poly;
    poly.reserve(samples + 8);
    if (chord) {
        const double step = 1e-6 * h.XFwd[0];
        const double dk =
            (BottomHeight(h, x + step, 0) - BottomHeight(h, x - step, 0)) / (2 * step);
        poly.push_back(vertex(0.0, BottomHeight(h, x, 0), EdgeKind::Bottom, Track::Keel, {0.0, dk},
                              lines[1].slope));
    } else {
        appendBottom(h, x, samples, lines[1], poly);
    }
    const Track tracks[] = {Track::None, Track::Chine1, Track::Chine2, Track::Chine3};
    for (int k = 1; k <= 3; ++k)
        poly.push_back(vertex(lines[k].y, lines[k].z, EdgeKind::Plank, tracks[k], lines[k].slope,
                              lines[k + 1].slope));
    poly.push_back(vertex(lines[4].y, lines[4].z, EdgeKind::Deck, Track::Sheer, {}, {}));
    poly.push_back(vertex(0.0, lines[4].z, EdgeKind::Centre, Track::None, {}, {}));
    return poly;
}

using Heights = std::vector<std::pair<double, double>>;  // [low, high] intervals of z

// The knots with heights made non-decreasing (a facet whose upper end lies below its lower end
// has no height: the end's X steps there).
std::vector<EndKnot> monotone(std::vector<EndKnot> knots) {
    for (std::size_t k = 1; k < knots.size(); ++k)
        knots[k].z = std::max(knots[k].z, knots[k - 1].z);
    return knots;
}

// The heights where `beyond` (x - X_end(z) for the transom, X_end(z) - x for the bow) is >= 0.
Heights heightsInside(const std::vector<EndKnot>& knots, double x, bool aft) {
    if (knots.empty()) return {{-kInf, kInf}};
    const auto beyond = [&](double z) { return aft ? x - EndX(knots, z) : EndX(knots, z) - x; };
    std::vector<double> cuts;
    for (std::size_t k = 0; k < knots.size(); ++k) {
        cuts.push_back(knots[k].z);
        if (k + 1 < knots.size() && knots[k + 1].z > knots[k].z) {
            const double x0 = knots[k].x, x1 = knots[k + 1].x;
            if ((x0 - x) * (x1 - x) < 0)
                cuts.push_back(knots[k].z + (knots[k + 1].z - knots[k].z) * (x - x0) / (x1 - x0));
        }
    }
    std::sort(cuts.begin(), cuts.end());
    Heights out;
    for (std::size_t k = 0; k <= cuts.size(); ++k) {
        const double lo = k == 0 ? -kInf : cuts[k - 1];
        const double hi = k == cuts.size() ? kInf : cuts[k];
        if (k > 0 && k < cuts.size() && hi <= lo) continue;
        const double probe = k == 0 ? hi - 1 : (k == cuts.size() ? lo + 1 : (lo + hi) / 2);
        if (!(beyond(probe) >= 0)) continue;
        if (!out.empty() && out.back().second >= lo)
            out.back().second = hi;
        else
            out.push_back({lo, hi});
    }
    return out;
}

Heights intersect(const Heights& a, const Heights& b) {
    Heights out;
    for (const auto& [alo, ahi] : a)
        for (const auto& [blo, bhi] : b) {
            const double lo = std::max(alo, blo), hi = std::min(ahi, bhi);
            if (lo < hi) out.push_back({lo, hi});
        }
    return out;
}

std::vector<double> breaksOf(const Hull& h, bool window) {
    const double len = h.XFwd[0];
    std::vector<double> xs{0.0, len, h.XMax[1]};
    if (h.KeelAdvance > 0) xs.push_back(h.XMax[0]);
    double lo = 0.0, hi = len;
    if (!window)
        for (int k = 0; k <= Sheer; ++k)
            for (const double x : {h.LineX[k][0], h.LineX[k][kPointCount - 1]}) {
                xs.push_back(x);
                lo = std::min(lo, x);
                hi = std::max(hi, x);
            }
    std::sort(xs.begin(), xs.end());
    std::vector<double> out;
    for (const double x : xs) {
        if (x < lo || x > hi) continue;
        if (out.empty() || x - out.back() > 1e-9 * len) out.push_back(x);
    }
    return out;
}

}  // namespace

double EndX(const std::vector<EndKnot>& knots, double z) {
    if (z <= knots.front().z) return knots.front().x;
    for (std::size_t k = 0; k + 1 < knots.size(); ++k) {
        const EndKnot& a = knots[k];
        const EndKnot& b = knots[k + 1];
        if (z <= b.z) return b.z > a.z ? a.x + (b.x - a.x) * (z - a.z) / (b.z - a.z) : b.x;
    }
    return knots.back().x;
}

ExactShape ShapeOfHull(const Hull& hull, const ExactSettings& settings) {
    ExactShape shape;
    const int samples = std::max(2, static_cast<int>(std::lround(12 * settings.effort)));
    const bool chord = settings.windowGeometry;
    shape.profile = [h = hull, samples, chord](double x) {
        return hullProfile(h, x, samples, chord);
    };
    const double len = hull.XFwd[0];
    if (chord) {
        shape.aft = {{0.0, 0.0}};
        shape.fwd = {{0.0, len}};
    } else {
        for (int k = 0; k <= Sheer; ++k) shape.aft.push_back({hull.LineZ[k][0], hull.LineX[k][0]});
        // A pram bow ends on facets; a pointed forefoot where its planks meet the centre plane.
        if (hull.YFwd[1] > 0)
            for (int k = 0; k <= Sheer; ++k)
                shape.fwd.push_back(
                    {hull.LineZ[k][kPointCount - 1], hull.LineX[k][kPointCount - 1]});
    }
    shape.aft = monotone(shape.aft);
    shape.fwd = monotone(shape.fwd);
    shape.breaks = breaksOf(hull, chord);
    shape.length = len;
    shape.effort = settings.effort;
    return shape;
}

std::vector<SectionPolygon> SectionAt(const ExactShape& shape, double x) {
    std::vector<SectionPolygon> out;
    const Heights heights =
        intersect(heightsInside(shape.aft, x, true), heightsInside(shape.fwd, x, false));
    if (heights.empty()) return out;
    SectionPolygon side, cut;
    ClipPolygon(shape.profile(x), {-1.0, 0.0, 0.0}, EdgeKind::Centre, Track::StemIn, Track::StemOut,
                side);
    for (std::size_t j = 0; j < heights.size(); ++j) {
        const auto [lo, hi] = heights[j];
        // Each band of heights tracks its own cut corners.
        const auto track = [&](Track base) {
            return static_cast<Track>(static_cast<int>(base) + 2 * static_cast<int>(j));
        };
        SectionPolygon poly = side;
        if (lo > -kInf) {
            ClipPolygon(poly, {0.0, -1.0, -lo}, EdgeKind::EndFacet, track(Track::CutLow),
                        track(Track::CutLow), cut);
            poly.swap(cut);
        }
        if (hi < kInf) {
            ClipPolygon(poly, {0.0, 1.0, hi}, EdgeKind::EndFacet, track(Track::CutHigh),
                        track(Track::CutHigh), cut);
            poly.swap(cut);
        }
        if (poly.size() >= 3) out.push_back(std::move(poly));
    }
    return out;
}

}  // namespace voriel
