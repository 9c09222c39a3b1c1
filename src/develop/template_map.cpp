// The map of a plate's sheets: its grid with the outline over it, small in every sheet's header
// and large, labelled, on the plate's assembly plan.
#include "develop/template_map.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace voriel {

namespace {

// The least distance (twips) between two points of the outline drawn in a map.
constexpr float kMapResolution = 25.0f;

// Room for the rows' letters and the columns' numbers of a labelled map.
struct Gutter {
    float left = 0.0f, top = 0.0f;
};

// How the plane lands in the map: scaled by m from its top-left corner, and turned a quarter
// anticlockwise when `turned` (the rows then run left to right and the columns upward).
struct MapFrame {
    const TemplateTiling& t;
    float x0, y0;
    double m;
    bool turned;
    double gridW() const { return t.cols * t.stepU() + t.overlap; }
    double gridH() const { return t.rows * t.stepV() + t.overlap; }

    void point(double u, double v, float& x, float& y) const {
        const double du = u - t.originU, dv = v - t.originV;
        x = x0 + static_cast<float>((turned ? dv : du) * m);
        y = y0 + static_cast<float>((turned ? gridW() - du : dv) * m);
    }
    // The map rectangle of sheet (r, k) without its overlap: left, top, width, height.
    void cell(int r, int k, float& x, float& y, float& w, float& h) const {
        const PlaneRect win = SheetWindow(t, r, k);
        float xa, ya, xb, yb;
        point(win.u0, win.v0, xa, ya);
        point(win.u0 + t.stepU(), win.v0 + t.stepV(), xb, yb);
        x = std::min(xa, xb);
        y = std::min(ya, yb);
        w = std::max(xa, xb) - x;
        h = std::max(ya, yb) - y;
    }
};

Gutter gutter(const TemplateTiling& t, bool labels, const Canvas& canvas) {
    if (!labels) return {};
    return {canvas.textWidth(RowLetters(t.rows - 1)) + 80.0f, canvas.textHeight("0") + 40.0f};
}

double scaleOf(const TemplateTiling& t, float width, float height, bool turned) {
    const double w = t.cols * t.stepU() + t.overlap, h = t.rows * t.stepV() + t.overlap;
    return std::max(0.0, std::min(width / (turned ? h : w), height / (turned ? w : h)));
}

// Lines x + y = const across the rectangle, every `gap` twips.
void hatch(Canvas& c, float x, float y, float w, float h, float gap) {
    for (float t = gap; t < w + h; t += gap) {
        c.line(x + std::min(t, w), y + std::max(0.0f, t - w), x + std::max(0.0f, t - h),
               y + std::min(t, h));
    }
}

// The grid's lines, solid along the sheets printed and dotted elsewhere, one line for each run of
// cells alike.
void gridLines(const MapFrame& f, Canvas& c) {
    const TemplateTiling& t = f.t;
    const auto run = [&](double u0, double v0, double u1, double v1, bool solid) {
        float x0, y0, x1, y1;
        f.point(u0, v0, x0, y0);
        f.point(u1, v1, x1, y1);
        c.setStyle(solid ? LineStyle::Solid : LineStyle::Dotted);
        c.line(x0, y0, x1, y1);
    };
    const double su = t.stepU(), sv = t.stepV();
    for (int r = 0; r <= t.rows; ++r) {
        const double v = t.originV + r * sv;
        for (int k = 0; k < t.cols;) {
            const bool solid = t.isPrinted(r - 1, k) || t.isPrinted(r, k);
            int end = k + 1;
            while (end < t.cols && (t.isPrinted(r - 1, end) || t.isPrinted(r, end)) == solid) ++end;
            run(t.originU + k * su, v, t.originU + end * su, v, solid);
            k = end;
        }
    }
    for (int k = 0; k <= t.cols; ++k) {
        const double u = t.originU + k * su;
        for (int r = 0; r < t.rows;) {
            const bool solid = t.isPrinted(r, k - 1) || t.isPrinted(r, k);
            int end = r + 1;
            while (end < t.rows && (t.isPrinted(end, k - 1) || t.isPrinted(end, k)) == solid) ++end;
            run(u, t.originV + r * sv, u, t.originV + end * sv, solid);
            r = end;
        }
    }
    c.setStyle(LineStyle::Solid);
}

void centredText(Canvas& c, float cx, float cy, const std::string& text) {
    c.moveTo(cx - c.textWidth(text) / 2, cy - c.textHeight(text) / 2);
    c.textInline(text);
}

void labelSheets(const MapFrame& f, const Gutter& g, const MapBox& box, Canvas& c) {
    const TemplateTiling& t = f.t;
    for (int r = 0; r < t.rows; ++r) {
        float x, y, w, h;
        f.cell(r, 0, x, y, w, h);
        centredText(c, box.x + g.left / 2, y + h / 2, RowLetters(r));
        for (int k = 0; k < t.cols; ++k) {
            f.cell(r, k, x, y, w, h);
            const std::string label = SheetLabel(r, k);
            if (t.isPrinted(r, k) && c.textWidth(label) + 60 < w && c.textHeight(label) + 40 < h)
                centredText(c, x + w / 2, y + h / 2, label);
        }
    }
    for (int k = 0; k < t.cols; ++k) {
        float x, y, w, h;
        f.cell(0, k, x, y, w, h);
        const std::string number = std::to_string(k + 1);
        if (c.textWidth(number) + 20 < w) centredText(c, x + w / 2, box.y + g.top / 2, number);
    }
}

MapFrame frameFor(const PlannedPlate& plate, const MapBox& box, const Gutter& g, bool mayTurn) {
    const TemplateTiling& t = plate.tiling;
    const float w = box.width - g.left, h = box.height - g.top;
    const bool turned = mayTurn && scaleOf(t, w, h, true) > scaleOf(t, w, h, false);
    return {t, box.x + g.left, box.y + g.top, scaleOf(t, w, h, turned), turned};
}

}  // namespace

MapBox FitSheetMap(const PlannedPlate& plate, const MapBox& box, bool mayTurn) {
    const MapFrame f = frameFor(plate, box, {}, mayTurn);
    const double w = f.turned ? f.gridH() : f.gridW(), h = f.turned ? f.gridW() : f.gridH();
    return {box.x, box.y, static_cast<float>(w * f.m), static_cast<float>(h * f.m)};
}

void DrawSheetMap(const Hull& hull, const PlannedPlate& plate, const MapBox& box, int row, int col,
                  bool labels, bool mayTurn, Canvas& c) {
    const TemplateTiling& t = plate.tiling;
    const Gutter g = gutter(t, labels, c);
    const MapFrame f = frameFor(plate, box, g, mayTurn && !labels);
    c.setColor(0);
    c.setWidth(1);
    gridLines(f, c);
    if (row >= 0 && row < t.rows && col >= 0 && col < t.cols) {
        float x, y, w, h;
        f.cell(row, col, x, y, w, h);
        hatch(c, x, y, w, h, std::max(25.0f, std::min(w, h) / 5));
    }
    if (labels && !f.turned) labelSheets(f, g, box, c);
    if (f.turned && !labels) {
        const float mid = f.y0 + static_cast<float>(f.gridW() * f.m / 2) - c.textHeight("A") / 2;
        const std::string last = RowLetters(t.rows - 1);
        c.moveTo(f.x0 - c.textWidth("A") - 40.0f, mid);
        c.textInline("A");
        c.moveTo(f.x0 + static_cast<float>(f.gridH() * f.m) + 40.0f, mid);
        c.textInline(last);
    }
    c.setColor(hull.LineColor[static_cast<std::size_t>(plate.plate.colour)]);
    const std::vector<FlatPoint> outline = PlateOutline(plate.plate);
    float lastX = 0.0f, lastY = 0.0f;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const PlanePoint p = PlaneOf(t, outline[i]);
        float x, y;
        f.point(p.u, p.v, x, y);
        // Points closer than the map can show are left out, the last one kept.
        const bool seen = std::hypot(x - lastX, y - lastY) >= kMapResolution;
        if (i == 0)
            c.moveTo(x, y);
        else if (seen || i + 1 == outline.size())
            c.lineTo(x, y);
        else
            continue;
        lastX = x;
        lastY = y;
    }
    c.setColor(0);
}

}  // namespace voriel
