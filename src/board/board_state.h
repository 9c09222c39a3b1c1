// The drawing board's model state: the stage flag, the 83 station sections and the station shown.
#pragma once

#include <array>
#include <cstdint>

#include "hull/hull.h"

namespace voriel {

constexpr int kSectionPointCount = 14;  // 0 keel, 1..9 bottom, 10 chine 1, 11..13 chine 2, 3, sheer

// One coordinate of every section: [point index 0..82][section point 0..13], metres.
using SectionPoints = std::array<std::array<double, kSectionPointCount>, kPointCount>;

struct BoardState {
    // Button last pressed: 0 only keel and chine 1 are defined, 1 all lines are defined.
    int16_t ChineView = 0;
    SectionPoints StationPtX{}, StationPtY{}, StationPtZ{};
    double StationX = 0.0;     // abscissa last typed in the station box (m)
    int16_t StationIndex = 0;  // point index 1..81 of the station last drawn
};

}  // namespace voriel
