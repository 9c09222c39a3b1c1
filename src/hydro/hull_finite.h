// The complete finiteness check of a hull: everything the program computes from it.
#pragma once

#include "hull/hull.h"

namespace voriel {

// True when the record (AllFinite: defining values, planes, lines 0..4, bottom rulings) and
// everything computed from it are finite numbers: the 83 station sections, every developed plate
// (bottom, planks 1..3, half decks 1..4), the transom and, for a pram bow, the bow plate, the
// plate areas and centres, and the mass-budget table with its default entries. A hull that fails
// it would print or write NaN somewhere, so the reader and the screens refuse it.
bool AllResultsFinite(const Hull& hull);

}  // namespace voriel
