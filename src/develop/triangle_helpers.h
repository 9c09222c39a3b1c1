// Triangle and direction helpers of the plate development: angles from three sides, polar angle.
#pragma once

namespace voriel {

// Angles (radians) of a triangle, alpha opposite side a, beta opposite b, gamma opposite c.
struct TriangleAngleSet {
    double alpha = 0.0;
    double beta = 0.0;
    double gamma = 0.0;
};

// Angles of the triangle with sides a, b, c >= 0 (any one length unit). Three zero sides give
// pi/3 each; sides that do not close (one at least the sum of the others) give the straight angle
// opposite the long side and 0 at the others. Never NaN while a + b + c is finite.
TriangleAngleSet TriangleAngles(double a, double b, double c);

// Direction (radians, in [0, 2 pi)) of the vector from (x1, y1) to (x2, y2); 0 for a zero vector.
double PolarAngle(double x1, double y1, double x2, double y2);

// The angle (radians) that turns a developed chord (den along X, -num along Y) onto +X:
// atan(num / den). A chord perpendicular to X (den exactly 0) gives a right angle with the sign
// of num, and a chord of no length gives 0.
double OrientationAngle(double num, double den);

}  // namespace voriel
