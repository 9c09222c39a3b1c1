// The true hull below any plane, integrated along X over kept sections.
#include "hydro/exact_integration.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "hull/root_find.h"
#include "hydro/exact_kinks.h"

namespace voriel {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Gauss-Legendre on [-1, 1].
constexpr std::array<double, kGaussNodes> kNodes = {-0.8611363115940526, -0.3399810435848563,
                                                    0.3399810435848563, 0.8611363115940526};
constexpr std::array<double, kGaussNodes> kWeights = {0.3478548451374538, 0.6521451548625461,
                                                      0.6521451548625461, 0.3478548451374538};

void add(SliceIntegrals& sum, const SliceIntegrals& s, double sign) {
    sum.area += s.area;
    sum.momentY += sign * s.momentY;
    sum.momentZ += s.momentZ;
    sum.chord += s.chord;
    sum.chordY += sign * s.chordY;
    sum.chordYY += s.chordYY;
    sum.wetted += s.wetted;
    sum.deckWet = sum.deckWet || s.deckWet;
}

SliceIntegrals bothSides(const std::vector<SectionPolygon>& polys, const PlaneTrig& t, double x,
                         SectionPolygon& scratch) {
    SliceIntegrals sum;
    for (const SectionPolygon& poly : polys) {
        const SectionLine sb = t.starboard(x);
        ClipPolygon(poly, sb, EdgeKind::Water, Track::None, Track::None, scratch);
        const SliceIntegrals right = Integrate(scratch, sb);
        add(sum, right, 1.0);
        if (t.sinHeel == 0.0) {
            add(sum, right, -1.0);  // the mirror image: the same, moments in Y opposite
            continue;
        }
        const SectionLine pt = t.port(x);
        ClipPolygon(poly, pt, EdgeKind::Water, Track::None, Track::None, scratch);
        add(sum, Integrate(scratch, pt), -1.0);
    }
    return sum;
}

double lowestOf(const std::vector<SectionPolygon>& polys) {
    double low = HUGE_VAL;
    for (const SectionPolygon& p : polys) low = std::min(low, LowestZ(p));
    return low;
}

void accumulate(ImmersedIntegrals& sum, const SliceIntegrals& s, double x, double w) {
    sum.volume += w * s.area;
    sum.momentX += w * x * s.area;
    sum.momentY += w * s.momentY;
    sum.momentZ += w * s.momentZ;
    sum.chordArea += w * s.chord;
    sum.chordMomentX += w * x * s.chord;
    sum.chordMomentXX += w * x * x * s.chord;
    sum.chordMomentYY += w * s.chordYY;
    sum.wettedSurface += w * s.wetted;
    sum.deckImmersed = sum.deckImmersed || s.deckWet;
}

// Gauss on [u, v] over sections traced afresh.
void integrateFresh(const ExactHull& hull, const PlaneTrig& t, double u, double v,
                    ImmersedIntegrals& sum, SectionPolygon& scratch) {
    for (int k = 0; k < kGaussNodes; ++k) {
        const double x = (u + v) / 2 + (v - u) / 2 * kNodes[k];
        const auto polys = SectionAt(hull.shape, x);
        accumulate(sum, bothSides(polys, t, x, scratch), x, (v - u) / 2 * kWeights[k]);
    }
}

// The hull's section on the positive side at the facet's X for height z.
SectionPolygon facetSection(const ExactShape& shape, const ExactFacet& f, double z) {
    SectionPolygon side;
    ClipPolygon(shape.profile(f.x0 + f.slope * (z - f.z0)), {-1.0, 0.0, 0.0}, EdgeKind::Centre,
                Track::None, Track::None, side);
    return side;
}

// How far above height z each line (keel to sheer) lies in the section at the facet's X there.
std::array<double, 5> linesAbove(const SectionPolygon& side, double z) {
    std::array<double, 5> above;
    above.fill(NAN);
    for (const SectionVertex& v : side) {
        const int t = static_cast<int>(v.track) - static_cast<int>(Track::Keel);
        if (t >= 0 && t < 5) above[t] = v.z - z;
    }
    return above;
}

// A planar facet's outline: the hull's half breadth at heights up the facet, sampled and
// on both sides of every height where a line crosses the facet (a knuckle, or the deck ending
// the outline).
ExactFacet facetBetween(const ExactShape& shape, const EndKnot& a, const EndKnot& b) {
    ExactFacet f;
    f.x0 = a.x;
    f.z0 = a.z;
    f.slope = (b.x - a.x) / (b.z - a.z);
    const int samples = std::max(2, static_cast<int>(std::lround(24 * shape.effort)));
    std::vector<double> heights;
    std::array<double, 5> below{};
    for (int m = 0; m <= samples; ++m) {
        // Closer together toward the ends, where the outline can start like a square root.
        const double z = a.z + (b.z - a.z) * (1 - std::cos(kPi * m / samples)) / 2;
        const std::array<double, 5> above = linesAbove(facetSection(shape, f, z), z);
        for (int k = 0; k < 5 && m > 0; ++k) {
            if (!((below[k] > 0 && above[k] <= 0) || (below[k] <= 0 && above[k] > 0))) continue;
            const auto gap = [&](double h) { return linesAbove(facetSection(shape, f, h), h)[k]; };
            const double lo = heights.back(), eps = 1e-9 * shape.length;
            const double cross = FindBracketedRoot(gap, lo, z, below[k], above[k], eps);
            heights.push_back(std::max(lo, cross - eps));
            heights.push_back(std::min(z, cross + eps));
        }
        heights.push_back(z);
        below = above;
    }
    // At the facet's ends, just inside: the line ending there lies at that height only to
    // within rounding, and the outline there is the limit from inside.
    const double inside = 1e-9 * shape.length;
    const auto halfBreadth = [&](double z) {
        const double h = std::clamp(z, a.z + inside, b.z - inside);
        return HalfBreadthAt(facetSection(shape, f, h), h);
    };
    f.half.push_back(SectionVertex{0.0, a.z, EdgeKind::Plank, Track::None, {}, {}});
    for (std::size_t i = 0; i < heights.size(); ++i) {
        SectionVertex v;
        v.edge = EdgeKind::Plank;
        v.y = halfBreadth(heights[i]);
        v.z = heights[i];
        f.half.push_back(v);
        // The outline is smooth between the heights where a line crosses the facet: each piece
        // is the arc through its point halfway up.
        if (i > 0 && heights[i] - heights[i - 1] > 4e-9 * shape.length) {
            const double mz = (heights[i] + heights[i - 1]) / 2;
            SectionVertex& p = f.half[f.half.size() - 2];
            CurveThrough(p, halfBreadth(mz), mz, v.y, v.z);
        }
    }
    f.half.push_back(SectionVertex{0.0, b.z, EdgeKind::Centre, Track::None, {}, {}});
    return f;
}

void addFacets(ExactHull& hull, const std::vector<EndKnot>& knots) {
    for (std::size_t k = 0; k + 1 < knots.size(); ++k)
        if (knots[k + 1].z > knots[k].z)
            hull.facets.push_back(facetBetween(hull.shape, knots[k], knots[k + 1]));
}

// The immersed area of a facet, both sides, measured in its own plane.
double facetWetted(const ExactFacet& f, const PlaneTrig& t, SectionPolygon& scratch) {
    // On the facet X = x0 + slope*(z - z0), so the water's side is linear in (Y, Z) there.
    const double nz = t.cosHeel - t.rise * f.slope;
    const double c = t.level + t.rise * (f.x0 - f.slope * f.z0);
    double area = 0.0;
    for (const double side : {1.0, -1.0}) {
        const SectionLine line{-side * t.sinHeel, nz, c};
        ClipPolygon(f.half, line, EdgeKind::Water, Track::None, Track::None, scratch);
        area += Integrate(scratch, line).area;
    }
    return area * std::sqrt(1 + f.slope * f.slope);
}

// The lowest point of the hull: the lowest kept section's, refined by a golden-section search
// between its neighbours.
double lowestPoint(const ExactHull& hull) {
    double best = HUGE_VAL, lo = hull.xMin, hi = hull.xMax;
    for (const auto& stations : hull.intervals)
        for (std::size_t j = 0; j < stations.size(); ++j)
            if (stations[j].lowZ < best) {
                best = stations[j].lowZ;
                lo = stations[j > 0 ? j - 1 : j].x;
                hi = stations[j + 1 < stations.size() ? j + 1 : j].x;
            }
    const auto low = [&](double x) { return lowestOf(SectionAt(hull.shape, x)); };
    const double g = (std::sqrt(5.0) - 1) / 2;
    double a = lo, b = hi;
    for (int i = 0; i < 60 && b - a > 1e-12 * hull.shape.length; ++i) {
        const double c = b - g * (b - a), d = a + g * (b - a);
        if (low(c) < low(d))
            b = d;
        else
            a = c;
    }
    return std::min(best, low((a + b) / 2));
}

// Panel ends over [a, b], evenly spaced at about the panel length aimed at.
std::vector<double> panelEnds(const ExactShape& s, double a, double b) {
    const double width = s.length / (24 * s.effort);
    const int panels = std::max(1, static_cast<int>(std::ceil((b - a) / width - 1e-9)));
    std::vector<double> ends;
    for (int p = 0; p < panels; ++p) ends.push_back(a + (b - a) * p / panels);
    ends.push_back(b);
    return ends;
}

// The kept stations over the panels between consecutive ends: panel ends and Gauss nodes, each
// with its section and tracked corners (a station already traced at the same X in `traced`,
// increasing, is taken again); the corners of the first and last taken just inside.
std::vector<ExactStation> stationsOver(const ExactShape& s, const std::vector<double>& ends,
                                       const std::vector<ExactStation>& traced) {
    std::vector<ExactStation> stations;
    const auto keep = [&](double x, double w) {
        const auto old =
            std::lower_bound(traced.begin(), traced.end(), x,
                             [](const ExactStation& st, double v) { return st.x < v; });
        ExactStation st;
        if (old != traced.end() && old->x == x) {
            st = *old;
        } else {
            st.x = x;
            st.polygons = SectionAt(s, x);
            st.lowZ = lowestOf(st.polygons);
            st.corners = TrackedCorners(st.polygons);
        }
        st.weight = w;
        stations.push_back(std::move(st));
    };
    for (std::size_t p = 0; p + 1 < ends.size(); ++p) {
        const double u = ends[p], v = ends[p + 1];
        keep(u, 0.0);
        for (int n = 0; n < kGaussNodes; ++n)
            keep((u + v) / 2 + (v - u) / 2 * kNodes[n], (v - u) / 2 * kWeights[n]);
    }
    keep(ends.back(), 0.0);
    // A line ending at either end is missing from the section there but runs up to it.
    const double a = ends.front(), b = ends.back();
    const double inside = std::min(1e-9 * s.length, (b - a) / 4);
    stations.front().corners = TrackedCorners(SectionAt(s, a + inside));
    stations.back().corners = TrackedCorners(SectionAt(s, b - inside));
    return stations;
}

// The interval over the panel ends given, split where a tracked corner appears or vanishes
// between its stations (the integrands have a kink there, and each corner is then followed over
// a whole interval). The parts keep the panels they hold whole and their stations.
void addInterval(ExactHull& hull, const std::vector<double>& ends,
                 const std::vector<ExactStation>& traced, int depth) {
    std::vector<ExactStation> stations = stationsOver(hull.shape, ends, traced);
    const double a = ends.front(), b = ends.back();
    const double shortest = 1e-7 * hull.shape.length;
    std::vector<double> cuts;
    if (depth < 3)
        for (const double x : CornerChanges(hull.shape, stations))
            if (x - a > shortest && b - x > shortest &&
                (cuts.empty() || x - cuts.back() > shortest))
                cuts.push_back(x);
    if (cuts.empty()) {
        hull.intervals.push_back(std::move(stations));
        return;
    }
    std::vector<double> part{a};
    std::size_t k = 1;
    for (const double cut : cuts) {
        for (; ends[k] < cut; ++k) part.push_back(ends[k]);
        part.push_back(cut);
        addInterval(hull, part, stations, depth + 1);
        part = {cut};
        while (ends[k] <= cut) ++k;
    }
    part.insert(part.end(), ends.begin() + k, ends.end());
    addInterval(hull, part, stations, depth + 1);
}

}  // namespace

ExactHull BuildExactHull(ExactShape shape) {
    ExactHull hull;
    hull.shape = std::move(shape);
    const ExactShape& s = hull.shape;
    for (std::size_t k = 0; k + 1 < s.breaks.size(); ++k)
        addInterval(hull, panelEnds(s, s.breaks[k], s.breaks[k + 1]), {}, 0);
    hull.xMin = s.breaks.front();
    hull.xMax = s.breaks.back();
    addFacets(hull, s.aft);
    addFacets(hull, s.fwd);
    hull.keelZ = lowestPoint(hull);
    return hull;
}

ExactHull BuildExactHull(const Hull& hull, const ExactSettings& settings) {
    return BuildExactHull(ShapeOfHull(hull, settings));
}

ImmersedIntegrals Immerse(const ExactHull& hull, const Waterplane& plane,
                          std::vector<StationSlice>* slices) {
    const PlaneTrig t(plane);
    const double tol = 1e-10 * hull.shape.length;
    ImmersedIntegrals sum;
    SectionPolygon scratch;
    std::vector<double> kinks, inPanel;
    if (slices) slices->clear();
    for (const auto& stations : hull.intervals) {
        kinks.clear();
        WaterlineKinks(hull, stations, plane, kinks);
        std::sort(kinks.begin(), kinks.end());
        const int panels = static_cast<int>(stations.size() - 1) / (kGaussNodes + 1);
        for (int p = 0; p < panels; ++p) {
            const std::size_t first = p * (kGaussNodes + 1);
            const double u = stations[first].x, v = stations[first + kGaussNodes + 1].x;
            inPanel.clear();
            for (const double k : kinks)
                if (k - u > tol && v - k > tol && (inPanel.empty() || k - inPanel.back() > tol))
                    inPanel.push_back(k);
            const bool last = p + 1 == panels;
            for (std::size_t j = first; j <= first + kGaussNodes + (last ? 1 : 0); ++j) {
                const ExactStation& st = stations[j];
                const bool node = j > first && j <= first + kGaussNodes;
                if (!node && !slices) continue;
                const SliceIntegrals s = bothSides(st.polygons, t, st.x, scratch);
                if (slices) slices->push_back({st.x, s, st.lowZ});
                if (node && inPanel.empty()) accumulate(sum, s, st.x, st.weight);
            }
            if (inPanel.empty()) continue;
            // Gauss again on each side of every kink, over sections traced afresh.
            double from = u;
            for (const double k : inPanel) {
                integrateFresh(hull, t, from, k, sum, scratch);
                from = k;
            }
            integrateFresh(hull, t, from, v, sum, scratch);
        }
    }
    for (const ExactFacet& f : hull.facets) sum.wettedSurface += facetWetted(f, t, scratch);
    return sum;
}

StationSlice SliceAt(const ExactHull& hull, const Waterplane& plane, double x) {
    const PlaneTrig t(plane);
    SectionPolygon scratch;
    const auto polys = SectionAt(hull.shape, x);
    return {x, bothSides(polys, t, x, scratch), lowestOf(polys)};
}

}  // namespace voriel
