// Chines 2 and 3 and the sheer line: plank-and-plane curves, stem and transom ends, points.
#pragma once

#include "hull/hull.h"

namespace voriel {

struct LinePoint {
    double y;  // half width (m)
    double z;  // height (m)
};

// Half width and height of line i (1..4) at abscissa x: chine 1's curves for i = 1, else where
// the plank rising from line i-1 at PlankAngle(i-1) meets the height plane of line i.
LinePoint LinePointAt(const Hull& hull, int line, double x);

double ChineHalfWidth2(const Hull& hull, double x);
double ChineHeight2(const Hull& hull, double x);
double ChineHalfWidth3(const Hull& hull, double x);
double ChineHeight3(const Hull& hull, double x);
double SheerHalfWidth(const Hull& hull, double x);
double SheerHeight(const Hull& hull, double x);

// X where the straight line through (x1, y1) and (x2, y2) reaches target; the mean of x1 and x2
// when the samples share their X or their Y.
double SecantZero(double x1, double y1, double x2, double y2, double target);

// Clamps the plank angles and raises the heights stored in the record, then computes for lines
// 2, 3, 4 in turn the half widths, height plane, stem and transom ends and points.
void ValidateChines23(Hull& hull);

// Fills line i (2..4) of LineX, LineY, LineZ from its ends and curves.
void ComputeUpperLinePoints(Hull& hull, int line);
inline void ComputeChine2Points(Hull& hull) {
    ComputeUpperLinePoints(hull, Chine2);
}
inline void ComputeChine3Points(Hull& hull) {
    ComputeUpperLinePoints(hull, Chine3);
}
inline void ComputeSheerPoints(Hull& hull) {
    ComputeUpperLinePoints(hull, Sheer);
}

}  // namespace voriel
