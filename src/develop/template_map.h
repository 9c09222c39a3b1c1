// The map of a plate's sheets: its grid with the outline over it, small in every sheet's header
// and large, labelled, on the plate's assembly plan.
#pragma once

#include "canvas/canvas.h"
#include "develop/template_document.h"

namespace voriel {

// A box on the page (twips).
struct MapBox {
    float x = 0.0f, y = 0.0f, width = 0.0f, height = 0.0f;
};

// The box (twips) the map of the plate's grid takes, in proportion, from the box's top-left
// corner; turned a quarter anticlockwise when that makes it larger and `mayTurn`.
MapBox FitSheetMap(const PlannedPlate& plate, const MapBox& box, bool mayTurn);

// Draws the plate's grid within the box from its top-left corner: each sheet printed framed
// solid, each left out dotted, sheet (row, col) hatched (none when out of the grid), the outline
// in the plate's colour. With labels (never turned), each printed sheet carries its label where it
// fits, and the rows' letters and the columns' numbers stand beside the grid. A map turned (as
// FitSheetMap turns it) shows the flat plate as drawn on the board, its rows running from left to
// right, the first and last rows' letters beside its ends.
void DrawSheetMap(const Hull& hull, const PlannedPlate& plate, const MapBox& box, int row, int col,
                  bool labels, bool mayTurn, Canvas& canvas);

}  // namespace voriel
