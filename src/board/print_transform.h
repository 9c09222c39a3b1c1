// The print transform: the lines fitted once per printed document to the page at a standard scale.
#pragma once

#include "hull/hull.h"

namespace voriel {

// Printer twips with y downward, single precision as the printer receives them: printer x =
// PrintScaleX*X + PrintOriginX, plan y = PrintScaleY*Y + PrintOriginY, profile and body-plan y =
// PrintScaleZ*Z + PrintOriginZ (PrintScaleZ = -PrintScaleX, so Z grows upward).
struct PrintTransform {
    float PrintScaleX = 0.0f, PrintScaleY = 0.0f, PrintScaleZ = 0.0f;
    float PrintOriginX = 0.0f, PrintOriginY = 0.0f, PrintOriginZ = 0.0f;
    // Model X (m) of the body plan's centre line on its own sheet: the middle of the page.
    float PrintBodyPlanX = 0.0f;
    // The hull's extents over lines 1..4 (m), each starting at 0, for the axes of the sheets.
    double Xlo = 0.0, Xhi = 0.0, Yhi = 0.0, Zlo = 0.0, Zhi = 0.0;
    // The page the transform was fitted to (twips).
    float pageWidth = 0.0f, pageHeight = 0.0f;
};

// A scale (twips per metre) brought down to a standard one, 568 twips per metre being 1:100:
// multiples of 1136 from 1136 up, 568 between 568 and 1136, then steps of 113.6, 56.8 and 5.68;
// below 5.68 the scale stays as it is.
double StandardPrintScale(double s);

// How far the development sheets of a document reach (m): along X from X = 0 (the longest panel,
// or the transom sheet's figures) and across from the reference line (the widest panel). A
// document without development sheets reaches nowhere.
struct SheetReach {
    double length = 0.0;
    double width = 0.0;
};

// FitPrintViews: the transform for a page of width x height twips, the figure (the hull's length
// and 0.8 of its half breadth) centred across the page, Y = 0 and Z = 0 at 0.5*height + 300. A
// developed panel longer than the hull or wider than its half breadth counts in their place, so
// that every pattern printed lies whole on its page.
PrintTransform FitPrintViews(const Hull& hull, float width, float height, SheetReach sheets = {});

// Printer x of model X (m) in the plan and the profile.
inline float PrintX(const PrintTransform& t, double x) {
    return static_cast<float>(t.PrintScaleX * x + t.PrintOriginX);
}
// Printer y of half breadth Y (m) in the plan.
inline float PrintPlanY(const PrintTransform& t, double y) {
    return static_cast<float>(t.PrintScaleY * y + t.PrintOriginY);
}
// Printer y of height Z (m) in the profile and the body plan.
inline float PrintProfileY(const PrintTransform& t, double z) {
    return static_cast<float>(t.PrintScaleZ * z + t.PrintOriginZ);
}
// Printer x of a point at offset y (m, + right of the centre line) in the body plan.
inline float PrintBodyPlanSheetX(const PrintTransform& t, double y) {
    return static_cast<float>((t.PrintBodyPlanX + y) * t.PrintScaleX + t.PrintOriginX);
}

}  // namespace voriel
