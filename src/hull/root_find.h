// A bracketing root finder for the monotone functions of the hull geometry.
#pragma once

#include <cmath>
#include <optional>

namespace voriel {

// A root of f on [a, b], where fa = f(a) and fb = f(b) have opposite signs (or one is zero), to
// within tol in the argument. Regula falsi with the Illinois modification: it keeps the bracket,
// so it cannot leave [a, b], and converges in a handful of steps on smooth functions; a bisection
// step is taken whenever the bracket fails to halve, so the worst case stays that of bisection.
template <class F>
double FindBracketedRoot(F f, double a, double b, double fa, double fb, double tol) {
    if (fa == 0.0) return a;
    if (fb == 0.0) return b;
    int side = 0;
    for (int iter = 0; iter < 200 && std::fabs(b - a) > tol; ++iter) {
        const double width = std::fabs(b - a);
        double c = (a * fb - b * fa) / (fb - fa);
        if (!(c > std::fmin(a, b) && c < std::fmax(a, b))) c = 0.5 * (a + b);
        const double fc = f(c);
        if (fc == 0.0) return c;
        if ((fc < 0) == (fb < 0)) {
            b = c;
            fb = fc;
            if (side == -1) fa *= 0.5;
            side = -1;
        } else {
            a = c;
            fa = fc;
            if (side == 1) fb *= 0.5;
            side = 1;
        }
        if (std::fabs(b - a) > 0.5 * width) {
            // Slow progress: bisect once to guarantee the bracket shrinks.
            const double m = 0.5 * (a + b);
            const double fm = f(m);
            if (fm == 0.0) return m;
            if ((fm < 0) == (fb < 0)) {
                b = m;
                fb = fm;
            } else {
                a = m;
                fa = fm;
            }
            side = 0;
        }
    }
    // The end with the smaller residual.
    return std::fabs(fa) <= std::fabs(fb) ? a : b;
}

// The first root of f met scanning from x0 in `count` steps of `step`, refined to within tol;
// nothing when f keeps its sign all the way.
template <class F>
std::optional<double> FirstRootFrom(F f, double x0, double step, int count, double tol) {
    double xa = x0, fa = f(xa);
    for (int k = 1; k <= count; ++k) {
        const double xb = x0 + k * step, fb = f(xb);
        if (fa == 0 || (fa < 0) != (fb < 0)) return FindBracketedRoot(f, xa, xb, fa, fb, tol);
        xa = xb;
        fa = fb;
    }
    return std::nullopt;
}

}  // namespace voriel
