// The immersed part of one hull section: a triangle from the keel to chine 1, then trapezoids.
#include "hydro/immersed_section.h"

#include <algorithm>

namespace voriel {

double SegmentYAtZ(double z, double ya, double za, double yb, double zb) {
    if (ya == yb || za == zb) return (ya + yb) / 2;
    const double m = (za - zb) / (ya - yb);
    const double c = za - m * ya;
    return (z - c) / m;
}

double SectionAbscissa(double zw, double xk, double zk, double xn, double zn) {
    if (zn == zk) return xk;
    return xk + (xn - xk) * (zw - zk) / (zn - zk);
}

SectionSlice ImmersedSection(const Hull& h, int i, double zw, int16_t& level) {
    const auto z = [&](int k) { return h.LineZ[k][i]; };
    const auto y = [&](int k) { return h.LineY[k][i]; };
    const auto x = [&](int k) { return h.LineX[k][i]; };
    SectionSlice s;
    s.x = x(Keel);
    if (zw < z(Keel)) return s;

    // Area pieces and their vertical centroids, keel to chine 1 first.
    double pieces[5] = {}, centroids[5] = {};
    if (zw < z(Chine1)) {
        s.halfBreadth = SegmentYAtZ(zw, y(Keel), z(Keel), y(Chine1), z(Chine1));
        pieces[1] = (zw - z(Keel)) * s.halfBreadth;
        centroids[1] = z(Keel) + (zw - z(Keel)) * 2 / 3;
        level = std::max<int16_t>(level, 0);
    } else {
        // The piece from the keel apex to chine 1 is a triangle: its centroid is 2/3 of the way up.
        pieces[1] = (z(Chine1) - z(Keel)) * y(Chine1);
        centroids[1] = z(Keel) + (z(Chine1) - z(Keel)) * 2 / 3;
        s.x = x(Chine1);
        level = std::max<int16_t>(level, 1);
        for (int k = Chine1; k <= Chine3; ++k) {
            const int n = k + 1;
            if (zw < z(n)) {
                s.halfBreadth = SegmentYAtZ(zw, y(k), z(k), y(n), z(n));
                pieces[n] = (zw - z(k)) * (y(k) + s.halfBreadth);
                centroids[n] = (z(k) + zw) / 2;
                s.x = SectionAbscissa(zw, x(k), z(k), x(n), z(n));
                break;
            }
            pieces[n] = (y(k) + y(n)) * (z(n) - z(k));
            centroids[n] = (z(k) + z(n)) / 2;
            s.x = x(n);
            level = std::max<int16_t>(level, static_cast<int16_t>(n));
        }
    }
    double moment = 0.0;
    for (int k = 1; k <= 4; ++k) {
        s.area += pieces[k];
        moment += centroids[k] * pieces[k];
    }
    s.zc = s.area > 0 ? moment / s.area : 0.0;
    return s;
}

}  // namespace voriel
