// Chines 2 and 3 and the sheer line.
#include "hull/chines23.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "hull/chine1.h"
#include "hull/root_find.h"

namespace voriel {

namespace {

// The point of line i at x, given the point of line i-1 at the same x.
LinePoint pointAbove(const Hull& h, int i, double x, LinePoint below) {
    const double t = TanDeg(90 - h.PlankAngle[i - 1]);  // the plank's run per unit of rise
    const double c = below.y - below.z * t;
    const double p = h.PlaneZ0[i], q = h.PlaneZX[i], r = h.PlaneZY[i];
    return {(c + t * (p + q * x)) / (1 - t * r), (c * r + p + q * x) / (1 - t * r)};
}

}  // namespace

LinePoint LinePointAt(const Hull& h, int i, double x) {
    if (i <= Chine1) return {ChineHalfWidth1(h, x), ChineHeight1(h, x)};
    return pointAbove(h, i, x, LinePointAt(h, i - 1, x));
}

double ChineHalfWidth2(const Hull& h, double x) {
    return LinePointAt(h, Chine2, x).y;
}
double ChineHeight2(const Hull& h, double x) {
    return LinePointAt(h, Chine2, x).z;
}
double ChineHalfWidth3(const Hull& h, double x) {
    return LinePointAt(h, Chine3, x).y;
}
double ChineHeight3(const Hull& h, double x) {
    return LinePointAt(h, Chine3, x).z;
}
double SheerHalfWidth(const Hull& h, double x) {
    return LinePointAt(h, Sheer, x).y;
}
double SheerHeight(const Hull& h, double x) {
    return LinePointAt(h, Sheer, x).z;
}

double SecantZero(double x1, double y1, double x2, double y2, double target) {
    if (x1 == x2 || y1 == y2) return (x1 + x2) / 2;
    return x1 + (target - y1) * (x2 - x1) / (y2 - y1);
}

namespace {

double halfWidth(const Hull& h, int i, double x) {
    return LinePointAt(h, i, x).y;
}

// Zero of the half width of line i near the pointed forefoot, by secant steps from x0.
double zeroSearch(const Hull& h, int i, double x0) {
    double xa = x0, xb = 1.05 * xa;
    double e = SecantZero(xa, halfWidth(h, i, xa), xb, halfWidth(h, i, xb), 0);
    for (int pass = 0; pass < 7; ++pass) {
        if (std::fabs(halfWidth(h, i, e)) < 1e-9) break;
        if (e > xb) {
            xa = xb;
            xb = e;
        } else if (e < xa) {
            xa = xb = e;
        } else {
            xa = (e + xa) / 2;
            xb = (e + xb) / 2;
        }
        e = SecantZero(xa, halfWidth(h, i, xa), xb, halfWidth(h, i, xb), 0);
    }
    return e;
}

// Two secant corrections toward 0.99*x when the line has crossed the centreline at x.
double pullBackToCentreline(const Hull& h, int i, double x) {
    if (halfWidth(h, i, x) >= 0) return x;
    for (int pass = 0; pass < 2; ++pass) {
        const double x2 = 0.99 * x;
        x = SecantZero(x, halfWidth(h, i, x), x2, halfWidth(h, i, x2), 0);
    }
    return x;
}

// Where line i meets a stem or transom segment of slope tan(angle) pivoting at (pivotX, pivotZ):
// up to 7 passes of x = (z - pivotZ)*tan(angle) + pivotX, z = Zi(x), optionally leaving once the
// line has crossed the centreline. Where the passes neither left nor settled (their last step
// still moved), the meeting point is bracketed from the pivot instead, as for chine 1.
double endOnSegment(const Hull& h, int i, double z, double pivotZ, double pivotX, double angle,
                    bool leaveWhenCrossed) {
    const double slope = TanDeg(angle);
    double x = pivotX, previous = pivotX;
    for (int pass = 0; pass < 7; ++pass) {
        previous = x;
        x = (z - pivotZ) * slope + pivotX;
        const LinePoint pt = LinePointAt(h, i, x);
        z = pt.z;
        if (leaveWhenCrossed && pt.y < 0) return x;
    }
    const double len = h.XFwd[0];
    if (std::fabs(x - previous) <= 1e-9 * len) return x;
    const auto r = [&](double xs) {
        return xs - pivotX - (LinePointAt(h, i, xs).z - pivotZ) * slope;
    };
    const double step = (-r(pivotX) < 0 ? -1 : 1) * len / 160;
    return FirstRootFrom(r, pivotX, step, 320, 1e-12 * len).value_or(x);
}

double stemEnd(const Hull& h, int i) {
    if (h.YFwd[1] == 0) return zeroSearch(h, i, h.XFwd[i - 1]);
    double x;
    if (i == Chine2) {
        x = endOnSegment(h, i, h.ZFwd[i], h.ZFwd[0], h.XFwd[0], h.StemAngle, true);
    } else {
        // The stem segment above line i-1 pivots on its forward end; turned in, it leans back.
        const double a = h.StemTurnIn[i - 1] * h.StemAngle;
        x = endOnSegment(h, i, h.ZFwd[i], h.LineZ[i - 1][82], h.XFwd[i - 1], a, true);
        x = std::max(x, h.XFwd[0]);
    }
    return pullBackToCentreline(h, i, x);
}

double transomEnd(const Hull& h, int i) {
    double x;
    if (i == Chine2) {
        x = endOnSegment(h, i, h.ZAft[i], h.ZAft[0], h.XAft[0], h.TransomAngle, true);
    } else {
        const double a = h.TransomTurnIn[i - 1] * h.TransomAngle;
        x = endOnSegment(h, i, h.ZAft[i], h.LineZ[i - 1][0], h.XAft[i - 1], a, false);
        x = std::min(x, h.XAft[0]);
    }
    return pullBackToCentreline(h, i, x);
}

int16_t clampInt16(int v, int lo, int hi) {
    return static_cast<int16_t>(std::min(std::max(v, lo), hi));
}

}  // namespace

void ComputeUpperLinePoints(Hull& h, int i) {
    const auto setPoint = [&](int p, double x) {
        // Where this line's point shares the X of the line below, build on that point.
        const LinePoint pt = x == h.LineX[i - 1][p]
                                 ? pointAbove(h, i, x, {h.LineY[i - 1][p], h.LineZ[i - 1][p]})
                                 : LinePointAt(h, i, x);
        h.LineX[i][p] = x;
        h.LineY[i][p] = pt.y;
        h.LineZ[i][p] = pt.z;
    };
    setPoint(0, h.XAft[i]);
    for (int p = 1; p <= 81; ++p) {
        double x = h.LineX[Keel][p];
        if (x < h.XAft[i]) x = h.XAft[i];
        if (x > h.XFwd[i]) x = h.XFwd[i];
        setPoint(p, x);
    }
    setPoint(82, h.XFwd[i]);
}

void ValidateChines23(Hull& h) {
    auto& pa = h.PlankAngle;
    const int a1 = std::abs(int{pa[1]});
    pa[1] = a1 < pa[0] + 5 ? static_cast<int16_t>(pa[0] + 5) : clampInt16(a1, 0, 90);
    pa[2] = clampInt16(std::abs(int{pa[2]}), pa[1], 170);
    pa[3] = clampInt16(std::abs(int{pa[3]}), pa[2], 170);

    for (int i = 2; i <= 4; ++i) {
        h.XMax[i] = h.XMax[i - 1];
        h.ZFwd[i] = std::max(h.ZFwd[i], h.ZFwd[i - 1]);
        h.ZMax[i] = std::max(h.ZMax[i], h.ZMax[i - 1]);
        h.ZAft[i] = std::max(h.ZAft[i], h.ZAft[i - 1]);
        const double t = TanDeg(90 - pa[i - 1]);
        h.YFwd[i] = h.YFwd[i - 1] + (h.ZFwd[i] - h.ZFwd[i - 1]) * t;
        h.YMax[i] = h.YMax[i - 1] + (h.ZMax[i] - h.ZMax[i - 1]) * t;
        h.YAft[i] = h.YAft[i - 1] + (h.ZAft[i] - h.ZAft[i - 1]) * t;
    }
    for (int i = 2; i <= 4; ++i) {
        ComputeHeightPlane(h, i);
        h.XFwd[i] = stemEnd(h, i);
        h.XAft[i] = transomEnd(h, i);
        ComputeUpperLinePoints(h, i);
    }
}

}  // namespace voriel
