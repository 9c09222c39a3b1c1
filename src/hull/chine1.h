// First chine, keel and bottom: the closed-form curves and the chine-1 validation sequence.
#pragma once

#include <cmath>

#include "hull/hull.h"

namespace voriel {

// tan(a*pi/180) with pi = 3.14159265359.
double TanDeg(double a);

// Half width (m) of chine 1 at abscissa x (m); negative beyond the ends where the straight
// continuation crosses the centreline.
double ChineHalfWidth1(const Hull& hull, double x);

// Height (m) of chine 1 at abscissa x: 0 at the max-beam station, ZFwd(1) / ZAft(1) at the ends.
double ChineHeight1(const Hull& hull, double x);

// Height (m) of the bottom surface at abscissa x and half width y >= 0; y = 0 gives the keel.
double BottomHeight(const Hull& hull, double x, double y);

// Half width (m) of the bottom at station x and height z: the inverse of BottomHeight(x, .).
double BottomHalfWidth(const Hull& hull, double x, double z);

// The chine-1 station xi whose bottom ruling passes through (x, y), ahead of the max-beam station:
// the root of xi + ta*(Y1(xi) - y) = x on [Xb, x]. Where there is none (a point outside chine 1
// in plan), seven fixed-point passes from x, each raised to floor.
double AdvancedRulingStation(const Hull& hull, double x, double y, double floor = -HUGE_VAL);

// Largest k in 5..77 with (k - 1)*L/80 <= xb (5 when there is none).
int16_t MaxBeamIndexFor(double lwl, double xb);

// The same for a position read back from its 15-digit text (a box or the data file): a value
// within 1e-12*L below a station's X is that station, so that reading back what is shown never
// moves the max beam one station aft.
int16_t MaxBeamIndexOfShown(double lwl, double xb);

// Clamps the chine-1 entries stored in the record, computes the keel ends, the plane of line 1,
// the stem and transom ends of chine 1, the keel and chine-1 points and the bottom rulings.
void ValidateChine1(Hull& hull);

// Fills lines 0 and 1 of LineX, LineY, LineZ.
void ComputeKeelChine1Points(Hull& hull);

// Fills BottomRulingX/Y/Z pairs 0..83 (row 0 keel end, row 1 chine-1 end).
void ComputeBottomRulings(Hull& hull);

// The plane Z = PlaneZ0 + PlaneZX*X + PlaneZY*Y of line i through its aft point (at X = 0), its
// max-beam point (at XMax(1)) and its forward point (at XFwd(0)).
void ComputeHeightPlane(Hull& hull, int line);

}  // namespace voriel
