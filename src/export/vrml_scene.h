// The VRML 2.0 scene of the hull: four coloured hull bands, the decking, a mast, navigation lights
// and five viewpoints.
#pragma once

#include <ostream>
#include <string>

#include "hull/hull.h"

namespace voriel {

// A number of the scene: four decimals, "." whatever the locale, a trailing blank, and two
// leading blanks (one before a minus sign) so that the columns stay aligned.
std::string VrmlNumber(double v);

// Writes the whole scene from LineX/LineY/LineZ (lines 0..4, points 0..82); a hull point
// (X, Y, Z) becomes the VRML point (X, Z, Y), metres, y up.
void WriteVrmlScene(std::ostream& out, const Hull& hull);

}  // namespace voriel
