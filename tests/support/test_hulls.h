// Hulls for the tests: the validated default hull and seeded random hulls within the screens'
// limits.
#pragma once

#include <cstdint>
#include <random>

#include "hull/definition_screens.h"
#include "hull/hull.h"

namespace voriel::test {

using voriel::ValidatedDefaultHull;

// A random hull a builder could enter on both screens (within their limits, plank inclinations
// up to 120 degrees), validated. The same seed gives the same hull.
Hull RandomHull(uint32_t seed);

// How many of the first draws of the seeds firstSeed .. firstSeed + count - 1 were refused by a
// screen: entries within the screens' limits should all give a hull.
int RefusedRandomDraws(uint32_t firstSeed, uint32_t count);

}  // namespace voriel::test
