// A plate at full size tiled over printer pages: the way it lies on the paper, the grid of
// overlapping sheets, the sheets its outline crosses, and the maps between flat, plane and page.
#include "develop/template_tiling.h"

#include <algorithm>
#include <cmath>

namespace voriel {

namespace {

struct Extent {
    double minX = HUGE_VAL, maxX = -HUGE_VAL, minY = HUGE_VAL, maxY = -HUGE_VAL;
};

Extent extentOf(const std::vector<FlatPoint>& outline) {
    Extent e;
    for (const FlatPoint& p : outline) {
        e.minX = std::min(e.minX, p.x);
        e.maxX = std::max(e.maxX, p.x);
        e.minY = std::min(e.minY, p.y);
        e.maxY = std::max(e.maxY, p.y);
    }
    return e;
}

// Sheets whose cells, `step` long, cover the outline's `length` and the margin on both sides,
// centred on it: their count and where the first sheet's window starts.
void spread(double length, double margin, double step, double overlap, int& count, double& origin) {
    const double padded = length + 2 * margin;
    count = std::max(1, static_cast<int>(std::ceil(padded / step - 1e-9)));
    origin = -margin - (count * step - padded) / 2 - overlap / 2;
}

// Marks every sheet through whose cell one of the outline's segments passes.
void markPrinted(TemplateTiling& t, const std::vector<FlatPoint>& outline) {
    t.printed.assign(static_cast<std::size_t>(t.rows * t.cols), 0);
    const double su = t.stepU(), sv = t.stepV();
    for (std::size_t i = 0; i + 1 < outline.size(); ++i) {
        const PlanePoint a = PlaneOf(t, outline[i]), b = PlaneOf(t, outline[i + 1]);
        const auto range = [](double lo, double hi, double origin, double step, double window,
                              int n, int& first, int& last) {
            first = std::max(0, static_cast<int>(std::floor((lo - origin - window) / step)));
            last = std::min(n - 1, static_cast<int>(std::floor((hi - origin) / step)));
        };
        int c0, c1, r0, r1;
        range(std::min(a.u, b.u), std::max(a.u, b.u), t.originU, su, t.windowW, t.cols, c0, c1);
        range(std::min(a.v, b.v), std::max(a.v, b.v), t.originV, sv, t.windowH, t.rows, r0, r1);
        for (int r = r0; r <= r1; ++r) {
            for (int c = c0; c <= c1; ++c) {
                PlanePoint p = a, q = b;
                if (ClipSegment(SheetCell(t, r, c), p, q))
                    t.printed[static_cast<std::size_t>(r * t.cols + c)] = 1;
            }
        }
    }
    t.printedCount = static_cast<int>(std::count(t.printed.begin(), t.printed.end(), 1));
}

TemplateTiling tileOneWay(const std::vector<FlatPoint>& outline, bool turned, const SheetArea& area,
                          const TemplateScale& scale, double overlapMm, double marginMm) {
    const Extent e = extentOf(outline);
    TemplateTiling t;
    t.turned = turned;
    t.minX = e.minX;
    t.minY = e.minY;
    t.maxY = e.maxY;
    t.windowW = area.width / scale.SX;
    t.windowH = area.height / scale.SY;
    t.overlap = overlapMm * kTwipsPerMm;
    const double margin = marginMm * kTwipsPerMm;
    const double alongX = (e.maxX - e.minX) * kTwipsPerMetre;
    const double alongY = (e.maxY - e.minY) * kTwipsPerMetre;
    spread(turned ? alongY : alongX, margin, t.stepU(), t.overlap, t.cols, t.originU);
    spread(turned ? alongX : alongY, margin, t.stepV(), t.overlap, t.rows, t.originV);
    markPrinted(t, outline);
    return t;
}

}  // namespace

std::vector<FlatPoint> PlateOutline(const TemplatePlate& p) {
    std::vector<FlatPoint> out(p.lower.begin(), p.lower.end());
    out.insert(out.end(), p.upper.rbegin(), p.upper.rend());
    if (!p.lower.empty()) out.push_back(p.lower.front());
    return out;
}

TemplateTiling TileTemplate(const TemplatePlate& plate, const SheetArea& area,
                            const TemplateScale& scale, double overlapMm, double marginMm) {
    const std::vector<FlatPoint> outline = PlateOutline(plate);
    TemplateTiling along = tileOneWay(outline, false, area, scale, overlapMm, marginMm);
    TemplateTiling down = tileOneWay(outline, true, area, scale, overlapMm, marginMm);
    const auto key = [](const TemplateTiling& t) {
        return std::make_pair(t.printedCount, t.rows * t.cols);
    };
    return key(down) < key(along) ? down : along;
}

PlanePoint PlaneOf(const TemplateTiling& t, const FlatPoint& p) {
    const double along = (p.x - t.minX) * kTwipsPerMetre;
    if (t.turned) return {(p.y - t.minY) * kTwipsPerMetre, along};
    return {along, (t.maxY - p.y) * kTwipsPerMetre};
}

PlanePoint PlaneDirection(const TemplateTiling& t, const FlatPoint& d) {
    if (t.turned) return {d.y * kTwipsPerMetre, d.x * kTwipsPerMetre};
    return {d.x * kTwipsPerMetre, -d.y * kTwipsPerMetre};
}

PlaneRect SheetWindow(const TemplateTiling& t, int row, int col) {
    const double u0 = t.originU + col * t.stepU(), v0 = t.originV + row * t.stepV();
    return {u0, v0, u0 + t.windowW, v0 + t.windowH};
}

PlaneRect SheetCell(const TemplateTiling& t, int row, int col) {
    const PlaneRect w = SheetWindow(t, row, col);
    const double half = t.overlap / 2;
    return {w.u0 + half, w.v0 + half, w.u1 - half, w.v1 - half};
}

PlanePoint PageOf(const TemplateTiling& t, const TemplateScale& scale, const SheetArea& area,
                  int row, int col, const PlanePoint& p) {
    const PlaneRect w = SheetWindow(t, row, col);
    return {scale.SX * (p.u - w.u0), area.top + scale.SY * (p.v - w.v0)};
}

PlanePoint CrossPoint(const TemplateTiling& t, int row, int col) {
    return {t.originU + col * t.stepU() + t.overlap / 2,
            t.originV + row * t.stepV() + t.overlap / 2};
}

bool ClipSegment(const PlaneRect& r, PlanePoint& a, PlanePoint& b) {
    // Liang-Barsky: the part of a + t (b - a), t in [0, 1], inside the rectangle.
    const double du = b.u - a.u, dv = b.v - a.v;
    double t0 = 0.0, t1 = 1.0;
    const auto edge = [&t0, &t1](double p, double q) {
        if (p == 0) return q >= 0;
        const double t = q / p;
        if (p < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
        return true;
    };
    if (!edge(-du, a.u - r.u0) || !edge(du, r.u1 - a.u) || !edge(-dv, a.v - r.v0) ||
        !edge(dv, r.v1 - a.v))
        return false;
    // The ends inside stay exactly as they were.
    if (t1 < 1) b = {a.u + t1 * du, a.v + t1 * dv};
    if (t0 > 0) a = {a.u + t0 * du, a.v + t0 * dv};
    return true;
}

std::string RowLetters(int row) {
    std::string s;
    for (int n = row + 1; n > 0; n = (n - 1) / 26)
        s.insert(s.begin(), static_cast<char>('A' + (n - 1) % 26));
    return s;
}

std::string SheetLabel(int row, int col) {
    return RowLetters(row) + std::to_string(col + 1);
}

}  // namespace voriel
