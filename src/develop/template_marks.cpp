// The marks a template carries on its edges: where every fifth station and the max-beam station
// cross the plate, and where the chines meet the transom and the bow plate.
#include "develop/template_marks.h"

#include <cmath>
#include <optional>

#include "text/number_text.h"

namespace voriel {

namespace {

struct Crossing {
    FlatPoint at;
    FlatPoint along;  // the flat edge's direction there
};

FlatPoint unit(double x, double y) {
    const double n = std::hypot(x, y);
    return n > 0 ? FlatPoint{x / n, y / n} : FlatPoint{0.0, 0.0};
}

// Where the plane X = xs first crosses the edge, from aft.
std::optional<Crossing> crossing(const std::vector<SpacePoint>& e3,
                                 const std::vector<FlatPoint>& flat, double xs) {
    for (std::size_t i = 0; i + 1 < e3.size(); ++i) {
        const double a = e3[i].x, b = e3[i + 1].x;
        if (std::fmin(a, b) > xs || std::fmax(a, b) < xs || a == b) continue;
        const double t = (xs - a) / (b - a);
        const FlatPoint& p = flat[i];
        const FlatPoint& q = flat[i + 1];
        return Crossing{{p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)}, unit(q.x - p.x, q.y - p.y)};
    }
    return std::nullopt;
}

// Square to the edge, toward the other edge's point `toward`; straight at it where the edge has
// no length there, and across the flat y where even that fails.
FlatPoint squareInto(const Crossing& c, const FlatPoint& toward) {
    FlatPoint n{-c.along.y, c.along.x};
    if (n.x == 0.0 && n.y == 0.0) n = unit(toward.x - c.at.x, toward.y - c.at.y);
    if (n.x == 0.0 && n.y == 0.0) n = {0.0, 1.0};
    if (n.x * (toward.x - c.at.x) + n.y * (toward.y - c.at.y) < 0) n = {-n.x, -n.y};
    return n;
}

// Along the station from one edge's crossing to the other's, or square to the edge where the
// other edge is not crossed or meets this one there.
FlatPoint markDirection(const Crossing& c, const std::optional<Crossing>& other,
                        const FlatPoint& inside) {
    if (other) {
        const FlatPoint d = unit(other->at.x - c.at.x, other->at.y - c.at.y);
        if (d.x != 0.0 || d.y != 0.0) return d;
    }
    return squareInto(c, inside);
}

void stationMarks(const Hull& h, const TemplatePlate& p, int station, const std::string& label,
                  std::vector<TemplateMark>& lower, std::vector<TemplateMark>& upper) {
    const double xs = h.LineX[Chine1][station];
    const auto lo = crossing(p.lower3, p.lower, xs);
    const auto up = crossing(p.upper3, p.upper, xs);
    const std::size_t mid = p.lower.size() / 2;
    if (lo) lower.push_back({label, 0, lo->at, markDirection(*lo, up, p.upper[mid])});
    if (up) upper.push_back({label, 1, up->at, markDirection(*up, lo, p.lower[mid])});
}

std::vector<TemplateMark> endPlateMarks(const TemplatePlate& p, int16_t language) {
    std::vector<TemplateMark> out;
    for (int edge = 0; edge <= 1; ++edge) {
        for (int chine = 1; chine <= 3; ++chine) {
            const std::size_t j = chine == 1 ? 10 : 9 + static_cast<std::size_t>(chine);
            if (j >= p.lower.size()) continue;
            const FlatPoint& a = edge == 0 ? p.lower[j] : p.upper[j];
            const FlatPoint& b = edge == 0 ? p.upper[j] : p.lower[j];
            const std::string name =
                (language == 0 ? "bouchain " : "chine ") + std::to_string(chine);
            // Where the halves meet on the centreline the mark runs along the flat y.
            FlatPoint across = unit(b.x - a.x, b.y - a.y);
            if (across.x == 0.0 && across.y == 0.0) across = {0.0, edge == 0 ? 1.0 : -1.0};
            out.push_back({name, edge, a, across});
        }
    }
    return out;
}

}  // namespace

std::vector<TemplateMark> TemplateMarks(const Hull& h, const TemplatePlate& p, int16_t language) {
    if (p.lower.size() < 2) return {};
    if (p.endPlate()) return endPlateMarks(p, language);
    std::vector<TemplateMark> lower, upper;
    const int bmax = h.MaxBeamIndex;
    for (int s = 1; s <= kPointCount - 2; ++s) {
        const bool fifth = (s - 1) % 5 == 0;
        if (!fifth && s != bmax) continue;
        std::string label = fifth ? "St " + std::to_string(s) : std::string();
        if (s == bmax) label += fifth ? " Bmax" : "Bmax";
        label += " x=" + Format(h.LineX[Chine1][s], "0.000");
        stationMarks(h, p, s, label, lower, upper);
    }
    lower.insert(lower.end(), upper.begin(), upper.end());
    return lower;
}

}  // namespace voriel
