// Chine 1, keel and bottom surface: curve functions, validation sequence, points and rulings.
#include "hull/chine1.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "hull/root_find.h"

namespace voriel {

namespace {

struct CurveSide {
    double u;  // 0 at the max-beam station, 1 at the transom or the forefoot
    double p;  // exponent
    bool aft;
};

CurveSide curveSide(const Hull& h, double x) {
    const double xb = h.XMax[1];
    if (x < xb) return {std::fabs((xb - x) / (xb - h.XAft[0])), h.PowerAft, true};
    return {std::fabs(x - xb) / (h.XFwd[0] - xb), h.PowerFwd, false};
}

double clampTo(double v, double lo, double hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}

int16_t clampAngle(int v, int lo, int hi) {
    return static_cast<int16_t>(std::min(std::max(v, lo), hi));
}

// Seven fixed-point passes xi <- x - ta*(Y1(xi) - y), each raised to floor, for points outside
// chine 1 in plan.
double fixedPointStation(const Hull& h, double ta, double x, double y, double floor) {
    double xi = x;
    for (int pass = 0; pass < 7; ++pass)
        xi = std::max(x - ta * (ChineHalfWidth1(h, xi) - y), floor);
    return xi;
}

}  // namespace

double TanDeg(double a) {
    const double pi = 3.14159265359;
    return std::tan(a * pi / 180);
}

double ChineHalfWidth1(const Hull& h, double x) {
    const CurveSide s = curveSide(h, x);
    const double yb = h.YMax[1];
    const double ye = s.aft ? h.YAft[1] : h.YFwd[1];
    if (s.u <= 1) return yb - std::pow(s.u, s.p) * (yb - ye);
    return ye - (yb - ye) * s.p * (s.u - 1);
}

double ChineHeight1(const Hull& h, double x) {
    const CurveSide s = curveSide(h, x);
    const double shape = s.aft ? h.ShapeSAft : h.ShapeSFwd;
    const double ze = s.aft ? h.ZAft[1] : h.ZFwd[1];
    if (s.u <= 1) return (std::pow(s.u, s.p) * (shape + 1) - std::pow(s.u, s.p + 1) * shape) * ze;
    return (((shape + 1) * s.p - (s.p + 1) * shape) * (s.u - 1) + 1) * ze;
}

namespace {

// The root of xi + ta*(Y1(xi) - y) = x on [Xb, x], when that interval holds one: the station of
// the ruling leaving chine 1 at xi that reaches half width y at x.
std::optional<double> rulingStationRoot(const Hull& h, double ta, double x, double y) {
    const double xb = h.XMax[1];
    const auto g = [&](double xi) { return xi + ta * (ChineHalfWidth1(h, xi) - y) - x; };
    const double gx = g(x);
    if (gx == 0.0) return x;
    if (x > xb) {
        const double gb = g(xb);
        if (gb == 0.0 || (gb < 0) != (gx < 0))
            return FindBracketedRoot(g, xb, x, gb, gx, 1e-12 * h.XFwd[0]);
    }
    return std::nullopt;
}

}  // namespace

double AdvancedRulingStation(const Hull& h, double x, double y, double floor) {
    const double ta = TanDeg(h.KeelAdvance);
    if (const auto root = rulingStationRoot(h, ta, x, y)) return *root;
    return fixedPointStation(h, ta, x, y, floor);
}

double BottomHeight(const Hull& h, double x, double y) {
    const double td = TanDeg(h.PlankAngle[0]);
    const double xb = h.XMax[1];
    if (x <= xb) return ChineHeight1(h, x) - td * (ChineHalfWidth1(h, x) - y);
    if (x < h.XMax[0]) {
        const double yb = h.YMax[1];
        const double yk = yb * (h.XMax[0] - x) / (h.XMax[0] - xb);
        // Flat triangle between the transverse ruling at Xb and the advanced one from the
        // same chine point.
        if (y <= yk) return h.ZMax[0] * (1 - y / yb);
    }
    const double xi = AdvancedRulingStation(h, x, y);
    return ChineHeight1(h, xi) - td * (ChineHalfWidth1(h, xi) - y);
}

double BottomHalfWidth(const Hull& h, double x, double z) {
    const double y1 = ChineHalfWidth1(h, x);
    const double z1 = ChineHeight1(h, x);
    if (z >= z1) return y1;
    const double keel = BottomHeight(h, x, 0);
    if (z <= keel) return 0;
    const double td = TanDeg(h.PlankAngle[0]);
    const double xb = h.XMax[1];
    if (x <= xb || h.KeelAdvance == 0) return td == 0 ? 0 : y1 - (z1 - z) / td;
    if (x < h.XMax[0] && h.ZMax[0] < 0) {
        const double yb = h.YMax[1];
        const double yk = yb * (h.XMax[0] - x) / (h.XMax[0] - xb);
        const double yt = yb * (1 - z / h.ZMax[0]);
        if (yt <= yk) return yt;
    }
    const auto f = [&](double y) { return BottomHeight(h, x, y) - z; };
    const double fTop = f(y1);
    if (!(fTop >= 0)) return y1;
    return FindBracketedRoot(f, 0.0, y1, keel - z, fTop, 1e-12 * h.XFwd[0]);
}

int16_t MaxBeamIndexFor(double lwl, double xb) {
    for (int k = 77; k >= 5; --k)
        if ((k - 1) * lwl / 80 <= xb) return static_cast<int16_t>(k);
    return 5;
}

int16_t MaxBeamIndexOfShown(double lwl, double xb) {
    const int16_t k = MaxBeamIndexFor(lwl, xb);
    if (k < 77 && k * lwl / 80 - xb <= 1e-12 * lwl) return static_cast<int16_t>(k + 1);
    return k;
}

void ComputeHeightPlane(Hull& h, int i) {
    const double len = h.XFwd[0];
    const double xb = h.XMax[1];
    const double dYf = h.YFwd[i] - h.YAft[i];
    const double dYb = h.YMax[i] - h.YAft[i];
    const double dZf = h.ZFwd[i] - h.ZAft[i];
    const double dZb = h.ZMax[i] - h.ZAft[i];
    h.PlaneZY[i] = (dZf * xb - dZb * len) / (dYf * xb - len * dYb);
    h.PlaneZX[i] = (dZf * dYb - dZb * dYf) / (len * dYb - dYf * xb);
    h.PlaneZ0[i] = h.ZAft[i] - h.PlaneZY[i] * h.YAft[i];
}

namespace {

void clampChine1Entries(Hull& h) {
    const double len = h.XFwd[0];
    h.XFwd[0] = h.XFwd[1] = len;
    h.XAft[0] = h.XAft[1] = 0;

    const double entered = h.XMax[1];
    double xb = clampTo(entered, 0.3 * len, 0.7 * len);
    h.MaxBeamIndex = xb == entered ? MaxBeamIndexOfShown(len, xb) : MaxBeamIndexFor(len, xb);
    xb = (h.MaxBeamIndex - 1) * len / 80;
    h.XMax[1] = xb;

    h.YMax[1] = clampTo(h.YMax[1], 0.01 * len, 0.5 * len);
    h.ZMax[1] = 0;
    h.YMax[0] = 0;
    h.YFwd[1] = clampTo(h.YFwd[1], 0, 0.99 * h.YMax[1]);
    h.YAft[1] = clampTo(h.YAft[1], 0, 0.99 * h.YMax[1]);
    h.ZFwd[1] = std::max(h.ZFwd[1], 0.0);
    h.ZAft[1] = std::max(h.ZAft[1], 0.0);
    h.PowerFwd = clampTo(h.PowerFwd, 2.1, 5);
    h.PowerAft = clampTo(h.PowerAft, 2.1, 5);

    h.PlankAngle[0] = clampAngle(std::abs(int{h.PlankAngle[0]}), 0, 40);
    h.KeelAdvance = clampAngle(std::abs(int{h.KeelAdvance}), 0, 60);
    h.StemAngle = clampAngle(std::abs(int{h.StemAngle}), 0, 60);
    h.TransomAngle = static_cast<int16_t>(-clampAngle(std::abs(int{h.TransomAngle}), 0, 70));
}

// Rulings ahead of the max-beam station must reach the centreline short of the forefoot and must
// not cross one another (chine 1 is steepest in plan at the forefoot): lower the keel advance
// until they do.
void limitKeelAdvance(Hull& h) {
    const double len = h.XFwd[0], xb = h.XMax[1], yb = h.YMax[1], yf = h.YFwd[1];
    while (h.KeelAdvance > 0) {
        const double ta = TanDeg(h.KeelAdvance);
        if (!(xb + yb * ta >= len || ta * h.PowerFwd * (yb - yf) >= len - xb)) break;
        --h.KeelAdvance;
    }
}

// Where chine 1 meets the plane through (pivotX, pivotZ) that runs `slope` in X per unit of
// rise: a root of x = (Z1(x) - pivotZ)*slope + pivotX. The fixed-point passes that find it
// stall or run away when the chine climbs steeply toward a raked end, so where their last step
// still moved, the root is bracketed instead: the first sign change scanning away from the pivot
// in the direction the plane leans, over two lengths. Nothing when the plane misses the chine
// or meets it only where its half width has crossed the centreline.
std::optional<double> chineEndOnPlane(const Hull& h, double pivotX, double pivotZ, double slope,
                                      double passes, double lastStep) {
    const double len = h.XFwd[0];
    std::optional<double> root = passes;
    if (std::fabs(lastStep) > 1e-9 * len) {
        const auto r = [&](double x) { return x - pivotX - (ChineHeight1(h, x) - pivotZ) * slope; };
        const double step = (-r(pivotX) < 0 ? -1 : 1) * len / 160;
        root = FirstRootFrom(r, pivotX, step, 320, 1e-12 * len);
    }
    if (root && !(ChineHalfWidth1(h, *root) >= 0)) return std::nullopt;
    return root;
}

// The stem plane pivots on the keel's forward end and leans forward by StemAngle; a stem angle
// too steep for the chine to reach it is lowered step by step. At 0 the chine ends at the
// forefoot, so the search always ends.
void stemEndOfChine1(Hull& h) {
    const double len = h.XFwd[0];
    for (;;) {
        double z = h.ZFwd[1];
        double x = len, previous = len;
        for (int counted = 0; counted < 10;) {
            previous = x;
            x = (z - h.ZFwd[0]) * TanDeg(h.StemAngle) + len;
            z = ChineHeight1(h, x);
            // Upright, the stem meets the chine at the forefoot: no lower angle to try.
            if (ChineHalfWidth1(h, x) >= 0 || h.StemAngle <= 0)
                ++counted;
            else
                --h.StemAngle;
        }
        const double slope = TanDeg(h.StemAngle);
        const auto end = chineEndOnPlane(h, len, h.ZFwd[0], slope, x, x - previous);
        if (end || h.StemAngle <= 0) {
            h.XFwd[1] = end.value_or(x);
            return;
        }
        --h.StemAngle;
    }
}

// The transom plane pivots on the keel's aft end and leans aft; one raked more steeply than the
// chine can meet (the chine climbing aft faster than the plane, or narrowing past the centreline
// before it gets there) is brought up a degree at a time, as the stem is. Upright, the transom
// meets the chine at its aft end, whose half width is never below 0.
void transomEndOfChine1(Hull& h) {
    for (;;) {
        double z = h.ZAft[1];
        double x = h.XAft[0], previous = x;
        for (int pass = 0; pass < 10; ++pass) {
            previous = x;
            x = (z - h.ZAft[0]) * TanDeg(h.TransomAngle) + h.XAft[0];
            z = ChineHeight1(h, x);
        }
        const double slope = TanDeg(h.TransomAngle);
        const auto end = chineEndOnPlane(h, h.XAft[0], h.ZAft[0], slope, x, x - previous);
        if (end || h.TransomAngle >= 0) {
            h.XAft[1] = end.value_or(x);
            return;
        }
        ++h.TransomAngle;
    }
}

}  // namespace

void ValidateChine1(Hull& h) {
    clampChine1Entries(h);
    limitKeelAdvance(h);

    const double len = h.XFwd[0], xb = h.XMax[1], yb = h.YMax[1];
    h.XMax[0] = xb + yb * TanDeg(h.KeelAdvance);
    h.ZMax[0] = -yb * TanDeg(h.PlankAngle[0]);

    h.ZFwd[0] = BottomHeight(h, len, 0);
    h.ZAft[0] = BottomHeight(h, 0, 0);
    h.ZMax[0] = BottomHeight(h, xb, 0);
    for (int i = 2; i <= 4; ++i) {
        h.ZFwd[i] = std::max(h.ZFwd[i], h.ZFwd[i - 1]);
        h.ZMax[i] = std::max(h.ZMax[i], h.ZMax[i - 1]);
        h.ZAft[i] = std::max(h.ZAft[i], h.ZAft[i - 1]);
        h.XFwd[i] = h.XFwd[0];
        h.XMax[i] = xb;
        h.XAft[i] = h.XAft[0];
    }
    ComputeHeightPlane(h, 1);
    stemEndOfChine1(h);
    transomEndOfChine1(h);
    ComputeKeelChine1Points(h);
    ComputeBottomRulings(h);
}

void ComputeKeelChine1Points(Hull& h) {
    const auto setPoint = [&h](int line, int p, double x, double y, double z) {
        h.LineX[line][p] = x;
        h.LineY[line][p] = y;
        h.LineZ[line][p] = z;
    };
    const auto chinePoint = [&](int p, double x) {
        setPoint(Chine1, p, x, ChineHalfWidth1(h, x), ChineHeight1(h, x));
    };
    const auto keelPoint = [&](int p, double x) { setPoint(Keel, p, x, 0, BottomHeight(h, x, 0)); };

    chinePoint(0, h.XAft[1]);
    keelPoint(0, h.XAft[0]);
    const double len = h.XFwd[0];
    for (int p = 1; p <= 81; ++p) {
        const double x = (p - 1) / 80.0 * (len - h.XAft[0]);
        keelPoint(p, x);
        chinePoint(p, x);
    }
    chinePoint(82, h.XFwd[1]);
    keelPoint(82, len);
}

void ComputeBottomRulings(Hull& h) {
    auto& rx = h.BottomRulingX;
    auto& ry = h.BottomRulingY;
    auto& rz = h.BottomRulingZ;
    const auto copyPoints = [&](int j, int p) {
        rx[0][j] = h.LineX[Keel][p];
        ry[0][j] = 0;
        rz[0][j] = h.LineZ[Keel][p];
        rx[1][j] = h.LineX[Chine1][p];
        ry[1][j] = h.LineY[Chine1][p];
        rz[1][j] = h.LineZ[Chine1][p];
    };
    for (int j = 0; j <= 82; ++j) copyPoints(j, j);

    if (h.KeelAdvance > 0) {
        const int kb = h.MaxBeamIndex;
        const double len = h.XFwd[0];
        const double xk = h.XMax[0];
        const double aftLimit = h.LineX[Chine1][kb];
        const double ta = TanDeg(h.KeelAdvance), td = TanDeg(h.PlankAngle[0]);
        for (int j = kb + 1; j <= 82; ++j) {
            // Keel ends spaced evenly from XMax(0) to the forefoot.
            const double x0 = xk + (len - xk) * (j - kb - 1) / (81 - kb);
            // x0 >= XMax(0): the keel height is BottomHeight(x0, 0) through the same station.
            const auto root = rulingStationRoot(h, ta, x0, 0);
            const double keelStation = root ? *root : fixedPointStation(h, ta, x0, 0, -HUGE_VAL);
            const double xi =
                std::max(root ? *root : fixedPointStation(h, ta, x0, 0, aftLimit), aftLimit);
            rx[0][j] = x0;
            ry[0][j] = 0;
            rz[0][j] = ChineHeight1(h, keelStation) - td * (ChineHalfWidth1(h, keelStation) - 0);
            rx[1][j] = xi;
            ry[1][j] = ChineHalfWidth1(h, xi);
            rz[1][j] = ChineHeight1(h, xi);
        }
    }
    copyPoints(83, 82);
}

}  // namespace voriel
