// Development of a flat half deck: the deck line unrolled in profile, half breadths kept.
#include "develop/deck_development.h"

#include <cmath>

namespace voriel {

Development DevelopDeck(int16_t N, int16_t n, const LinePoints& X, const LinePoints& Y,
                        const LinePoints& Z) {
    if (N < 0 || n < 0 || n >= kLineCount || N + 2 >= kPointCount) return {};
    const auto& x = X[n];
    const auto& z = Z[n];
    // Two points at the same X add no length, even at different heights.
    const auto profileStep = [&](int a, int b) {
        return x[a] == x[b]
                   ? 0.0
                   : std::sqrt((x[b] - x[a]) * (x[b] - x[a]) + (z[b] - z[a]) * (z[b] - z[a]));
    };
    Development d;
    d.last = static_cast<int16_t>(N + 2);
    d.DevXi[1] = 0;
    d.DevXi[0] = -profileStep(0, 1);
    for (int j = 1; j <= N + 1; ++j) d.DevXi[j + 1] = d.DevXi[j] + profileStep(j, j + 1);
    double minX = HUGE_VAL;
    for (int j = 0; j <= N + 2; ++j) minX = std::fmin(minX, d.DevXi[j]);
    for (int j = 0; j <= N + 2; ++j) {
        d.DevXi[j] -= minX;
        d.DevXs[j] = d.DevXi[j];
        d.DevYi[j] = 0;
        d.DevYs[j] = Y[n][j];
    }
    return d;
}

}  // namespace voriel
