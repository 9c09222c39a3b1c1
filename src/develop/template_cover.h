// The first sheet of a template document: the calibration square and ruler with what to do with
// them, how to join the sheets, and the contents.
#pragma once

#include "canvas/canvas.h"
#include "develop/template_document.h"

namespace voriel {

// The calibration square's side and the ruler's length (mm) as they must measure on paper.
constexpr double kCalibrationSquareMm = 100.0, kCalibrationRulerMm = 200.0;

// Draws the calibration sheet on the current page: the header, a ruler of 200 mm down the left
// (ticks every mm, numbered every 10 mm), a square of 100 mm x 100 mm, both scaled by SX along
// the page's x and SY along its y, the instructions and the contents (each plate's sheets and
// pages, then the totals).
void DrawCalibrationSheet(const Hull& hull, const TemplatePlan& plan,
                          const TemplateRequest& request, Canvas& canvas);

}  // namespace voriel
