// The frame of a printed sheet: header with hull name, date and page, scale bar and axes.
#pragma once

#include <string>
#include <vector>

#include "board/print_page.h"
#include "canvas/canvas.h"

namespace voriel {

// The sheets a frame is drawn for.
enum class PrintView { DevelopedPlate = 0, Plan = 1, Profile = 2, BodyPlan = 3 };

// One tick of the scale bar: its distance from 0 (m) and its label.
struct ScaleTick {
    double metres = 0.0;
    std::string label;
};

// The labelled ticks of the scale bar at a scale (twips per metre), "0" first, in increasing
// distance. A pair d, 2d (0.1 m up to 1000 m) shows while 567/d < scale < 11340/d, so that the
// tick d stands between 1 cm and 20 cm from 0 (the pair ".1", ".2" for any scale above 5670);
// the single "10000" shows below 1.134.
std::vector<ScaleTick> ScaleBarTicks(double scale);

// PrintViewFrame: the header at (100, 100) in LineColor(0), the scale bar along the top of the
// sheet from 0 at printer x = PrintOriginX (ticks past the page's right margin are left out),
// then the axes of the view, dash-dot in LineColor(3), with their letters.
void PrintViewFrame(const PrintJob& job, PrintView view, Canvas& canvas);

}  // namespace voriel
