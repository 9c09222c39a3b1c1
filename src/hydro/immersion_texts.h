// The hydrostatics window's diagnosis and results texts, in French or English.
#pragma once

#include <cstdint>
#include <string>

#include "hydro/hydrostatics.h"

namespace voriel {

// Background colour (r + 256 g + 65536 b) of the diagnosis box for an immersion level -1..5.
int32_t ImmersionColour(int16_t level);

// The diagnosis for an immersion level -1..5 (language 0 French, anything else English); at
// level 4 an unstable equilibrium is said too.
std::string ImmersionMessage(int16_t level, bool unstable, int16_t language);

// The results box: waterplane area and centre of buoyancy, lines separated by a line feed; two
// blanks when the level is -1 or 5 (nothing sensible to show).
std::string HydroResultsText(const HydroState& state, int16_t language);

}  // namespace voriel
