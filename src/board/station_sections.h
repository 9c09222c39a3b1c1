// Station sections: the 14-point transverse section at each point index and the station choice.
#pragma once

#include <string>
#include <string_view>

#include "board/board_state.h"
#include "hull/hull.h"

namespace voriel {

// Fills section p (0..82) of StationPtX/Y/Z in metres, hull frame: points 0..10 on the bottom
// from the keel to chine 1 at tenths of the way, 11..13 copied from lines 2, 3, 4 at point p.
void ComputeStationSection(const Hull& hull, BoardState& board, int p);

// What a redraw computes: every section p = 0..82 in increasing order.
void ComputeAllStationSections(const Hull& hull, BoardState& board);

// The station choice of the "Draw station" button: reads the station box text (a decimal comma
// accepted, no number reads as 0), sets StationX (m) and StationIndex (1..81, snapped down to the
// station grid, clamped to the first and last station) and returns the box's new text, the X of
// the keel at that station.
std::string ChooseStation(const Hull& hull, BoardState& board, std::string_view stationText);

// Side toward which the chosen station's half breadths are laid in the profile: +1 for stations
// in the aft half (index <= 40), -1 for the forward half.
int StationDrawingSide(int stationIndex);

}  // namespace voriel
