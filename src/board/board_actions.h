// What the drawing board's buttons and mouse do to its sheet, as free functions on a Canvas, so
// that the window, voriel-cli draw and the tests run the same code.
#pragma once

#include <string>

#include "board/board_state.h"
#include "canvas/canvas.h"
#include "hull/hull.h"
#include "hydro/hydrostatics.h"

namespace voriel {

// Redraw: clear the sheet, fit the views to the hull and the canvas size, compute the 83 station
// sections, then draw the lines and the body plan of every stage 0..board.ChineView.
void RedrawBoard(const Hull& hull, BoardState& board, Canvas& canvas);

// Draw station: reads the station box (a decimal comma accepted), writes back the X of the
// station chosen and draws that station in the profile. Needs a redraw before it.
void DrawStationClick(const Hull& hull, BoardState& board, std::string& stationBox, Canvas& canvas);

// Develop: unrolls the plates of the stage and draws them dotted on the sheet.
void DevelopClick(const Hull& hull, const BoardState& board, Canvas& canvas);

// Mouse on the sheet: button 1 left (zoom box), 2 right (pan line); x, y in twips of the sheet.
void BoardMouseDown(BoardState& board, Canvas& canvas, int button, float x, float y);
void BoardMouseMove(BoardState& board, Canvas& canvas, int button, float x, float y);
void BoardMouseUp(const Hull& hull, BoardState& board, Canvas& canvas, int button, float x,
                  float y);
// A double click: clear, then the full redraw (back to the fitted view).
void BoardDoubleClick(const Hull& hull, BoardState& board, Canvas& canvas);

// The hydrostatics window's Quit: the waterline and the centre of buoyancy drawn on the sheet
// with the board's view transform.
void DrawWaterline(const Hull& hull, const BoardState& board, const HydroState& hydro,
                   Canvas& canvas);

}  // namespace voriel
