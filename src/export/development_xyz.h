// The development XYZ tables: a developed plank or half deck, the transom and the bow plate.
#pragma once

#include <ostream>
#include <string>

#include "develop/developed_outline.h"
#include "develop/end_plates.h"

namespace voriel {

// A flat coordinate of the development tables: " 0.000 " with a minus when negative.
std::string DevelopmentXyzNumber(double v);

// The table of plate `code` (0 bottom, 1..3 planks: both edges; 11..14 the half deck at line
// code - 10: its outer edge), points 0..n of the outline (m, flat frame); the first line carries
// the hull name.
void WriteDevelopmentXyz(std::ostream& out, const std::string& hullName, int code, int n,
                         const Development& dev);

// The half transom (TransomDev) as a lower part (points 0..11) and an upper part (11..13), each
// closed on the centreline: rows of half breadth and slant length (m).
void WriteTransomXyz(std::ostream& out, const std::string& hullName, const EndPlateDev& dev);

// The half bow plate (BowPlateDev), laid out as the transom.
void WriteBowPlateXyz(std::ostream& out, const std::string& hullName, const EndPlateDev& dev);

}  // namespace voriel
