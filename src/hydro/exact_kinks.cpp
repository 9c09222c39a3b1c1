// Breakpoints of the immersed integrals along X: the tracked corners followed over the kept
// sections, their crossings by the waterline refined on sections traced afresh.
#include "hydro/exact_kinks.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "hull/root_find.h"

namespace voriel {

namespace {

struct CornerKey {
    Track track;
    int occurrence;
    bool operator==(const CornerKey& o) const {
        return track == o.track && occurrence == o.occurrence;
    }
};

const SectionVertex* cornerIn(const std::vector<SectionPolygon>& polys, const CornerKey& key) {
    int seen = 0;
    for (const SectionPolygon& p : polys)
        for (const SectionVertex& v : p)
            if (v.track == key.track && seen++ == key.occurrence) return &v;
    return nullptr;
}

// The corner in an ordered list, looked for first where it was in the previous list (hint).
const TrackedCorner* cornerIn(const std::vector<TrackedCorner>& corners, const CornerKey& key,
                              std::size_t& hint) {
    if (hint < corners.size() && CornerKey{corners[hint].track, corners[hint].occurrence} == key)
        return &corners[hint];
    for (std::size_t i = 0; i < corners.size(); ++i)
        if (CornerKey{corners[i].track, corners[i].occurrence} == key) {
            hint = i;
            return &corners[i];
        }
    return nullptr;
}

// One corner on one side, followed along X on sections traced afresh.
struct Follow {
    const ExactHull& hull;
    const PlaneTrig& water;
    CornerKey key;
    double side;
    // Its distance above the water at x; NaN where the section there has no such corner.
    double at(double x) const {
        const std::vector<SectionPolygon> polys = SectionAt(hull.shape, x);
        const SectionVertex* v = cornerIn(polys, key);
        return v ? water.above(v->y, v->z, x, side) : NAN;
    }
    // Where the distance, da at a and db at b on opposite sides of the water, is 0. Where the
    // corner is missing, the straight line between the two stands in.
    double crossing(double a, double b, double da, double db) const {
        const auto along = [&](double x) {
            const double d = at(x);
            return std::isfinite(d) ? d : da + (db - da) * (x - a) / (b - a);
        };
        return FindBracketedRoot(along, a, b, da, db, 1e-9 * hull.shape.length);
    }
};

// The parabola through three samples (x increasing): g ~ bend*(x - xv)^2 + least.
struct Parabola {
    double bend = 0.0, xv = 0.0, least = 0.0;
};

Parabola through(double x0, double g0, double x1, double g1, double x2, double g2) {
    const double d01 = (g1 - g0) / (x1 - x0), d12 = (g2 - g1) / (x2 - x1);
    Parabola p;
    p.bend = (d12 - d01) / (x2 - x0);
    if (!(p.bend > 0)) return p;
    p.xv = (x0 + x1) / 2 - d01 / (2 * p.bend);
    p.least = g0 + d01 * (p.xv - x0) + p.bend * (p.xv - x0) * (p.xv - x1);
    return p;
}

struct Least {
    double x, g;
};

// The least of g over [lo, hi] (one dip there) by golden section. Stops as soon as g is at or
// below 0, or once the bracket is too narrow for g, curving no more than bend, to reach 0.
template <class G>
Least leastOf(G g, double lo, double hi, double bend, double tol) {
    const double r = (std::sqrt(5.0) - 1) / 2;
    double c = hi - r * (hi - lo), d = lo + r * (hi - lo);
    double gc = g(c), gd = g(d);
    for (int i = 0; i < 100; ++i) {
        const Least best = gc < gd ? Least{c, gc} : Least{d, gd};
        const double w = hi - lo;
        if (!(best.g > 0) || w <= tol || best.g > bend * w * w) return best;
        if (gc < gd) {
            hi = d;
            d = c;
            gd = gc;
            c = hi - r * (hi - lo);
            gc = g(c);
        } else {
            lo = c;
            c = d;
            gc = gd;
            d = lo + r * (hi - lo);
            gd = g(d);
        }
    }
    return gc < gd ? Least{c, gc} : Least{d, gd};
}

// A dip of the distance toward the water between samples lo and hi (both on the side sign of
// the water): if it reaches the water, both crossings.
void crossingsOfDip(const Follow& f, double sign, double xlo, double dlo, double xhi, double dhi,
                    double bend, std::vector<double>& kinks) {
    const auto g = [&](double x) {
        const double d = f.at(x);
        return std::isfinite(d) ? sign * d : HUGE_VAL;
    };
    // Twice the samples' curvature: the bound need not be tight, only safe.
    const Least m = leastOf(g, xlo, xhi, 2 * bend, 1e-10 * f.hull.shape.length);
    if (m.g > 0) return;
    const double dm = sign * m.g;
    kinks.push_back(f.crossing(xlo, m.x, dlo, dm));
    kinks.push_back(f.crossing(m.x, xhi, dm, dhi));
}

// The crossings of one corner on one side, from its distances d at the stations' X (NaN where
// a station lacks it).
void crossingsOf(const Follow& f, const std::vector<double>& xs, const std::vector<double>& d,
                 std::vector<double>& kinks) {
    const std::size_t n = xs.size();
    const auto wet = [](double v) { return v <= 0; };
    for (std::size_t j = 0; j + 1 < n; ++j)
        if (std::isfinite(d[j]) && std::isfinite(d[j + 1]) && wet(d[j]) != wet(d[j + 1]))
            kinks.push_back(f.crossing(xs[j], xs[j + 1], d[j], d[j + 1]));
    // A corner that comes near the water and turns back between samples: the samples' distance
    // is least at one of them (or, at an end, heads down past the first gap), and the parabola
    // through three of them dips at least halfway to the water.
    for (std::size_t j = 0; j + 2 < n; ++j) {
        const double d0 = d[j], d1 = d[j + 1], d2 = d[j + 2];
        if (!(std::isfinite(d0) && std::isfinite(d1) && std::isfinite(d2))) continue;
        if (wet(d0) != wet(d1) || wet(d1) != wet(d2)) continue;
        const double sign = wet(d1) ? -1.0 : 1.0;
        const double g0 = sign * d0, g1 = sign * d1, g2 = sign * d2;
        const Parabola p = through(xs[j], g0, xs[j + 1], g1, xs[j + 2], g2);
        if (!(p.bend > 0)) continue;
        if (g1 <= g0 && g1 <= g2) {
            if (p.least < g1 / 2) crossingsOfDip(f, sign, xs[j], d0, xs[j + 2], d2, p.bend, kinks);
        } else if (j == 0 && g0 < g1 && p.xv > xs[0] && p.xv < xs[1] && p.least < g0 / 2) {
            crossingsOfDip(f, sign, xs[0], d0, xs[1], d1, p.bend, kinks);
        } else if (j + 3 == n && g2 < g1 && p.xv > xs[j + 1] && p.xv < xs[j + 2] &&
                   p.least < g2 / 2) {
            crossingsOfDip(f, sign, xs[j + 1], d1, xs[j + 2], d2, p.bend, kinks);
        }
    }
}

}  // namespace

std::vector<TrackedCorner> TrackedCorners(const std::vector<SectionPolygon>& polygons) {
    std::vector<TrackedCorner> out;
    for (const SectionPolygon& p : polygons)
        for (const SectionVertex& v : p)
            if (v.track != Track::None) {
                int seen = 0;
                for (const TrackedCorner& c : out) seen += c.track == v.track ? 1 : 0;
                out.push_back({v.track, seen, v.y, v.z});
            }
    std::stable_sort(out.begin(), out.end(), [](const TrackedCorner& a, const TrackedCorner& b) {
        return a.track < b.track;
    });
    return out;
}

bool SameCorners(const std::vector<TrackedCorner>& a, const std::vector<TrackedCorner>& b) {
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(),
        [](const TrackedCorner& p, const TrackedCorner& q) { return p.track == q.track; });
}

std::vector<double> CornerChanges(const ExactShape& shape,
                                  const std::vector<ExactStation>& stations) {
    std::vector<double> out;
    for (std::size_t j = 0; j + 1 < stations.size(); ++j) {
        const std::vector<TrackedCorner>& before = stations[j].corners;
        if (SameCorners(before, stations[j + 1].corners)) continue;
        double lo = stations[j].x, hi = stations[j + 1].x;
        for (int i = 0; i < 60 && hi - lo > 1e-11 * shape.length; ++i) {
            const double mid = (lo + hi) / 2;
            (SameCorners(TrackedCorners(SectionAt(shape, mid)), before) ? lo : hi) = mid;
        }
        out.push_back((lo + hi) / 2);
    }
    return out;
}

void WaterlineKinks(const ExactHull& hull, const std::vector<ExactStation>& stations,
                    const Waterplane& plane, std::vector<double>& kinks) {
    const PlaneTrig water(plane);
    // Every corner met over the stations (usually the same ones at all of them).
    std::vector<CornerKey> keys;
    const std::vector<TrackedCorner>* last = nullptr;
    for (const ExactStation& st : stations) {
        if (last && SameCorners(*last, st.corners)) continue;
        for (const TrackedCorner& c : st.corners)
            if (std::find(keys.begin(), keys.end(), CornerKey{c.track, c.occurrence}) == keys.end())
                keys.push_back({c.track, c.occurrence});
        last = &st.corners;
    }
    std::vector<double> xs, d(stations.size());
    for (const ExactStation& st : stations) xs.push_back(st.x);
    for (const CornerKey& key : keys)
        for (const double side : {1.0, -1.0}) {
            std::size_t hint = 0;
            for (std::size_t j = 0; j < stations.size(); ++j) {
                const TrackedCorner* c = cornerIn(stations[j].corners, key, hint);
                d[j] = c ? water.above(c->y, c->z, stations[j].x, side) : NAN;
            }
            crossingsOf(Follow{hull, water, key, side}, xs, d, kinks);
            if (water.sinHeel == 0.0) break;  // the -Y side mirrors the +Y side
        }
}

}  // namespace voriel
