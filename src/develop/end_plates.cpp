// Transom and pram-bow plate: the end sections unrolled in the plane of the inclined plate.
#include "develop/end_plates.h"

#include <cmath>

namespace voriel {

EndPlateDev DevelopEndSection(const BoardState& board, int p) {
    const auto& x = board.StationPtX[p];
    const auto& y = board.StationPtY[p];
    const auto& z = board.StationPtZ[p];
    EndPlateDev d{};
    for (int j = 1; j < kSectionPointCount; ++j) {
        const double dx = x[j] - x[j - 1];
        const double dz = z[j] - z[j - 1];
        d[j].slant = d[j - 1].slant + std::sqrt(dz * dz + dx * dx);
        d[j].half = y[j];
    }
    return d;
}

EndPlateDev ComputeTransomDev(const BoardState& board) {
    return DevelopEndSection(board, 0);
}

EndPlateDev ComputeBowPlateDev(const BoardState& board) {
    return DevelopEndSection(board, kPointCount - 1);
}

bool HasBowPlate(const Hull& hull) {
    return hull.YFwd[Chine1] > 0.001;
}

}  // namespace voriel
