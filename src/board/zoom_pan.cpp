// Zoom and pan of the drawing board's views: the transform changes and the rubber bands.
#include "board/zoom_pan.h"

#include <utility>

#include "board/lines_views.h"

namespace voriel {

namespace {

void zoomBox(const BoardState& b, Canvas& c, float x, float y) {
    const float sx = b.DragStartX, sy = b.DragStartY;
    c.line(sx, sy, x, sy);
    c.line(x, sy, x, y);
    c.line(x, y, sx, y);
    c.line(sx, y, sx, sy);
}

void zoomCentreLines(const BoardState& b, Canvas& c, float x, float y) {
    const float sx = b.DragStartX, sy = b.DragStartY;
    c.line((sx + x) / 2, sy, (sx + x) / 2, y);
    c.line(sx, (sy + y) / 2, x, (sy + y) / 2);
}

void panLine(const BoardState& b, Canvas& c, float x, float y) {
    c.line(b.DragStartX, b.DragStartY, x, y);
}

}  // namespace

void MoveRubberBand(const BoardState& b, Canvas& c, int button, bool erasePrevious) {
    if (button == 1) {
        c.setColor(kZoomBoxColor);
        if (erasePrevious) zoomBox(b, c, b.DragPrevX, b.DragPrevY);
        zoomBox(b, c, b.DragX, b.DragY);
        c.setColor(kBandLineColor);
        if (erasePrevious) zoomCentreLines(b, c, b.DragPrevX, b.DragPrevY);
        zoomCentreLines(b, c, b.DragX, b.DragY);
    } else if (button == 2) {
        c.setColor(kBandLineColor);
        if (erasePrevious) panLine(b, c, b.DragPrevX, b.DragPrevY);
        panLine(b, c, b.DragX, b.DragY);
    }
}

void EraseRubberBand(const BoardState& b, Canvas& c, int button) {
    if (button == 1) {
        c.setColor(kZoomBoxColor);
        zoomBox(b, c, b.DragX, b.DragY);
        c.setColor(kBandLineColor);
        zoomCentreLines(b, c, b.DragX, b.DragY);
    } else if (button == 2) {
        c.setColor(kBandLineColor);
        panLine(b, c, b.DragX, b.DragY);
    }
}

bool ZoomToBox(BoardState& b, float width, float height) {
    if (b.DragX < b.DragStartX) std::swap(b.DragX, b.DragStartX);
    if (b.DragY < b.DragStartY) std::swap(b.DragY, b.DragStartY);
    const double dx = b.DragX - b.DragStartX, dy = b.DragY - b.DragStartY;
    // A sheet of no size (a window shrunk to nothing) has no centre to zoom to.
    if (dx < kMinZoomBoxWidth || !(width > 0) || !(height > 0)) return false;
    const double w = width, h = height;
    double f = dy / h < dx / w ? w / dx : h / dy;
    f *= 0.9;
    if (b.ViewScaleX * f > kMaxViewScale) f = kMaxViewScale / b.ViewScaleX;
    if (b.ViewScaleY * f > kMaxViewScale) f = kMaxViewScale / b.ViewScaleY;

    const double cx = (static_cast<double>(b.DragStartX) + b.DragX) / 2;
    const double cy = (static_cast<double>(b.DragStartY) + b.DragY) / 2;
    b.ViewOriginX = static_cast<float>(w / 2 - (cx - b.ViewOriginX) * f);
    b.ViewOriginY = static_cast<float>(h / 2 - (cy - b.ViewOriginY) * f);
    b.ViewOriginZ = static_cast<float>(h / 2 - (cy - b.ViewOriginZ) * f);
    b.ViewScaleX = static_cast<float>(b.ViewScaleX * f);
    b.ViewScaleY = static_cast<float>(b.ViewScaleY * f);
    b.ViewScaleZ = static_cast<float>(b.ViewScaleZ * f);
    return true;
}

void PanView(BoardState& b) {
    const float dx = b.DragX - b.DragStartX, dy = b.DragY - b.DragStartY;
    b.ViewOriginX += dx;
    b.ViewOriginY += dy;
    b.ViewOriginZ += dy;
}

void RedrawView(const Hull& hull, const BoardState& board, Canvas& canvas) {
    canvas.clear();
    DrawGrid(hull, board, canvas);
    DrawStages(hull, board, canvas);
}

}  // namespace voriel
