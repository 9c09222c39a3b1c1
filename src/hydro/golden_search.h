// Golden-section search for the greatest value of a function on an interval.
#pragma once

#include <algorithm>
#include <cmath>

namespace voriel {

struct GoldenMax {
    double x = 0.0;
    double value = 0.0;
};

// The greatest value of f on [a, b] (f unimodal there, or f's value at an end if larger), to
// within tol in x.
template <class F>
GoldenMax GoldenSectionMax(F f, double a, double b, double tol) {
    const double g = (std::sqrt(5.0) - 1) / 2;
    GoldenMax best{a, f(a)};
    const double fb = f(b);
    if (fb > best.value) best = {b, fb};
    double c = b - g * (b - a), d = a + g * (b - a);
    double fc = f(c), fd = f(d);
    for (int i = 0; i < 100 && b - a > tol; ++i) {
        if (fc > fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - g * (b - a);
            fc = f(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + g * (b - a);
            fd = f(d);
        }
    }
    if (fc > best.value) best = {c, fc};
    if (fd > best.value) best = {d, fd};
    return best;
}

}  // namespace voriel
