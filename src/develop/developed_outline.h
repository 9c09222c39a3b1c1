// The developed outline of one plate: its lower and upper edges laid flat.
#pragma once

#include <array>
#include <cstdint>

namespace voriel {

constexpr int kDevPointCount = 91;  // indices 0..90

// Flat X and Y (m) of the lower edge (DevXi, DevYi) and of the upper edge (DevXs, DevYs); index
// j belongs to point j of the two bounding lines, 0 the aft end. Indices 0..last are filled, the
// rest are 0.
struct Development {
    std::array<double, kDevPointCount> DevXi{}, DevYi{}, DevXs{}, DevYs{};
    int16_t last = -1;  // N + 2 of the development; -1 when nothing was developed
};

}  // namespace voriel
