// The JSON dump of a hull and of what is computed from it.
#pragma once

#include <nlohmann/json.hpp>

#include "hull/hull.h"

namespace voriel::cli {

// The record (every parameter under its own name), the five lines, the bottom rulings, the
// station sections and the developed plates.
// Doubles read back to the same double; a non-finite value is null.
nlohmann::json DumpHull(const Hull& hull);

}  // namespace voriel::cli
