// Large letters and digits drawn with lines, for the sheet labels a builder reads from afar (the
// canvas prints its texts at one size only).
#pragma once

#include <string>

#include "canvas/canvas.h"

namespace voriel {

// The width (twips) of the text drawn `height` twips high.
float StrokeTextWidth(const std::string& text, float height);

// Draws the text's digits, capital letters and "-" with lines, its top-left corner at (x, y),
// `height` twips high; other characters leave a blank.
void DrawStrokeText(Canvas& canvas, const std::string& text, float x, float y, float height);

}  // namespace voriel
