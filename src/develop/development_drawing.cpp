// The developed plates drawn on the drawing board's sheet over the lines, to their scale.
#include "develop/development_drawing.h"

#include <algorithm>
#include <utility>

namespace voriel {

namespace {

using SheetPoint = std::pair<float, float>;

// The outline through map(X, Y) of the flat points, dotted.
template <class Map>
void drawOutline(const Development& d, int count, Canvas& c, Map map) {
    count = std::clamp(count, 0, std::max<int>(d.last, 0));
    const auto to = [&c](const SheetPoint& p) { c.lineTo(p.first, p.second); };
    c.setStyle(LineStyle::Dotted);
    const SheetPoint start = map(d.DevXi[0], d.DevYi[0]);
    c.pset(start.first, start.second);
    for (int j = 0; j <= count; ++j) to(map(d.DevXi[j], d.DevYi[j]));
    c.moveTo(start.first, start.second);
    for (int j = 0; j <= count; ++j) to(map(d.DevXs[j], d.DevYs[j]));
    to(map(d.DevXi[count], d.DevYi[count]));
    c.setStyle(LineStyle::Solid);
}

}  // namespace

void DrawBottomDev(const Hull& h, const BoardState& b, const Development& dev, int count,
                   Canvas& c) {
    c.setColor(h.LineColor[0]);
    drawOutline(dev, count, c, [&b](double x, double y) {
        return SheetPoint{static_cast<float>(b.ViewScaleX * x) + b.ViewOriginX,
                          static_cast<float>(b.ViewScaleY * y) + b.ViewOriginY};
    });
}

void DrawPlankDev(const Hull& h, const BoardState& b, const Development& dev, int count, int colour,
                  double dx, double dy, Canvas& c) {
    c.setColor(h.LineColor[std::clamp(colour, 0, kLineCount - 1)]);
    drawOutline(dev, count, c, [&b, dx, dy](double x, double y) {
        return SheetPoint{static_cast<float>((x + dx) * b.ViewScaleX) + b.ViewOriginX,
                          static_cast<float>((y + dy) * b.ViewScaleZ) + b.ViewOriginZ};
    });
}

void DrawTransomDev(const Hull& h, const BoardState& b, const EndPlateDev& t, Canvas& c) {
    const float ox = b.ViewOriginX, oy = b.ViewOriginY;
    const auto x = [&](int j, float offset) {
        return static_cast<float>(b.ViewScaleX * t[j].slant) + ox + offset;
    };
    const auto y = [&](int j) { return static_cast<float>(b.ViewScaleY * t[j].half) + oy; };
    c.setStyle(LineStyle::Solid);
    c.setColor(h.LineColor[1]);
    c.moveTo(ox + 300.0f, oy);
    for (int j = 1; j <= 11; ++j) c.lineTo(x(j, 300.0f), y(j));
    c.lineTo(x(11, 300.0f), oy);

    c.setColor(h.LineColor[2]);
    c.moveTo(x(11, 350.0f), oy);
    for (int j = 11; j <= 12; ++j) c.lineTo(x(j, 350.0f), y(j));
    c.lineTo(x(12, 350.0f), oy);
}

void DrawBowPlateDev(const Hull& h, const BoardState& b, const EndPlateDev& t, Canvas& c) {
    const double xb = h.LineX[Keel][80];
    const float ox = b.ViewOriginX, oy = b.ViewOriginY;
    const auto x = [&](int j, float offset) {
        return static_cast<float>((xb - t[j].slant) * b.ViewScaleX) + ox + offset;
    };
    const auto y = [&](int j) { return static_cast<float>(b.ViewScaleY * t[j].half) + oy; };
    c.setStyle(LineStyle::Solid);
    c.setColor(h.LineColor[1]);
    c.moveTo(static_cast<float>(b.ViewScaleX * xb) + ox, oy);
    for (int j = 1; j <= 11; ++j) c.lineTo(x(j, 0.0f), y(j));
    c.lineTo(x(11, 0.0f), oy);

    c.setColor(h.LineColor[2]);
    c.moveTo(x(11, -50.0f), oy);
    for (int j = 11; j <= 12; ++j) c.lineTo(x(j, -50.0f), y(j));
    c.lineTo(x(12, -50.0f), oy);
}

}  // namespace voriel
