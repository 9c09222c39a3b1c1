// The marking table of a plate: offsets from a straight baseline, for marking the plywood from
// dimensions rather than from paper.
#include "develop/template_marking.h"

#include <algorithm>
#include <cmath>

#include "text/number_text.h"

namespace voriel {

namespace {

constexpr double kMm = 1000.0;
constexpr double kRowStepMm = 100.0;

struct Frame {
    FlatPoint origin, along, left;  // left: the baseline's direction turned a quarter anticlockwise
};

Frame frameOf(const MarkingTable& t) {
    const double dx = t.fwd.x - t.aft.x, dy = t.fwd.y - t.aft.y;
    const double n = std::hypot(dx, dy);
    const FlatPoint along = n > 0 ? FlatPoint{dx / n, dy / n} : FlatPoint{1.0, 0.0};
    return {t.aft, along, {-along.y, along.x}};
}

double alongOf(const Frame& f, const FlatPoint& p) {
    return ((p.x - f.origin.x) * f.along.x + (p.y - f.origin.y) * f.along.y) * kMm;
}

double offsetOf(const Frame& f, const FlatPoint& p) {
    return ((p.x - f.origin.x) * f.left.x + (p.y - f.origin.y) * f.left.y) * kMm;
}

// The offset where the square line at distance d (mm) first crosses the edge.
std::optional<double> offsetAt(const Frame& f, const std::vector<FlatPoint>& edge, double d) {
    for (std::size_t i = 0; i + 1 < edge.size(); ++i) {
        const double a = alongOf(f, edge[i]), b = alongOf(f, edge[i + 1]);
        if (std::fmin(a, b) > d || std::fmax(a, b) < d) continue;
        if (a == b) return offsetOf(f, edge[i]);
        const double t = (d - a) / (b - a);
        const FlatPoint p{edge[i].x + t * (edge[i + 1].x - edge[i].x),
                          edge[i].y + t * (edge[i + 1].y - edge[i].y)};
        return offsetOf(f, p);
    }
    return std::nullopt;
}

void baseline(const TemplatePlate& p, MarkingTable& t) {
    if (p.endPlate()) {
        double top = 0.0;
        for (const FlatPoint& q : p.upper) top = std::max(top, q.x);
        t.aft = {0.0, 0.0};
        t.fwd = {top, 0.0};
        return;
    }
    t.aft = p.lower[0];
    t.fwd = p.lower[0];
    for (const auto* edge : {&p.lower, &p.upper}) {
        for (const FlatPoint& q : *edge) {
            if (q.x < t.aft.x) t.aft = q;
            if (q.x > t.fwd.x) t.fwd = q;
        }
    }
}

}  // namespace

double MarkingMm(double mm) {
    return RoundHalfEven(mm * 2) / 2;
}

FlatPoint MarkingPoint(const MarkingTable& t, double alongMm, double offsetMm) {
    const Frame f = frameOf(t);
    const double a = alongMm / kMm, o = offsetMm / kMm;
    return {f.origin.x + a * f.along.x + o * f.left.x, f.origin.y + a * f.along.y + o * f.left.y};
}

MarkingTable MakeMarkingTable(const TemplatePlate& p, const std::vector<TemplateMark>& marks) {
    MarkingTable t;
    if (!TemplatePlateUsable(p)) return t;
    baseline(p, t);
    const Frame f = frameOf(t);
    t.lengthMm = alongOf(f, t.fwd);
    const auto row = [&](double d) {
        return MarkingRow{d, offsetAt(f, p.lower, d), offsetAt(f, p.upper, d), "", -1};
    };
    const int steps = static_cast<int>(std::floor(t.lengthMm / kRowStepMm));
    for (int i = 0; i <= steps; ++i) t.rows.push_back(row(i * kRowStepMm));
    if (t.lengthMm > steps * kRowStepMm) t.rows.push_back(row(t.lengthMm));
    for (const TemplateMark& m : marks) {
        MarkingRow r = row(alongOf(f, m.at));
        (m.edge == 0 ? r.lowerMm : r.upperMm) = offsetOf(f, m.at);
        r.mark = m.label;
        r.markEdge = m.edge;
        t.rows.push_back(r);
    }
    std::stable_sort(t.rows.begin(), t.rows.end(), [](const MarkingRow& a, const MarkingRow& b) {
        return a.alongMm < b.alongMm;
    });
    return t;
}

}  // namespace voriel
