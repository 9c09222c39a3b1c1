// Closed arrowheads drawn with their tip at the canvas's current point.
#include "board/arrowheads.h"

#include <array>
#include <utility>

namespace voriel {

namespace {

using Steps = std::array<std::pair<float, float>, 3>;

// Three segments, each relative to the end of the one before.
void relativeSegments(Canvas& c, const Steps& steps) {
    for (const auto& [dx, dy] : steps) c.lineTo(c.currentX() + dx, c.currentY() + dy);
}

}  // namespace

void ArrowRight(Canvas& c) {
    relativeSegments(c, {{{-100.0f, -50.0f}, {0.0f, 100.0f}, {100.0f, -50.0f}}});
}

void ArrowDown(Canvas& c) {
    relativeSegments(c, {{{-50.0f, -100.0f}, {100.0f, 0.0f}, {-50.0f, 100.0f}}});
}

void ArrowLeft(Canvas& c) {
    relativeSegments(c, {{{100.0f, -50.0f}, {0.0f, 100.0f}, {-100.0f, -50.0f}}});
}

void ArrowUp(Canvas& c) {
    relativeSegments(c, {{{-50.0f, 100.0f}, {100.0f, 0.0f}, {-50.0f, -100.0f}}});
}

}  // namespace voriel
