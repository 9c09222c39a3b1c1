// Closed arrowheads drawn with their tip at the canvas's current point.
#pragma once

#include "canvas/canvas.h"

namespace voriel {

// Each is a triangle 100 twips long and 100 twips wide drawn as three segments from the current
// point, which is back at the tip afterwards. Right points to +x, Down to +y (down the sheet).
void ArrowRight(Canvas& canvas);
void ArrowDown(Canvas& canvas);
void ArrowLeft(Canvas& canvas);
void ArrowUp(Canvas& canvas);

}  // namespace voriel
