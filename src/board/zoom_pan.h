// Zoom and pan of the drawing board's views: the transform changes and the rubber bands.
#pragma once

#include <cstdint>

#include "board/board_state.h"
#include "canvas/canvas.h"
#include "hull/hull.h"

namespace voriel {

constexpr int32_t kZoomBoxColor = Rgb(0, 255, 0);     // green
constexpr int32_t kBandLineColor = Rgb(255, 0, 255);  // magenta: zoom centre lines, pan line
constexpr float kMinZoomBoxWidth = 300.0f;            // twips; narrower boxes do not zoom
constexpr float kMaxViewScale = 32000.0f;             // twips per metre

// Rubber bands, drawn in the mode in force (exclusive-or during a drag, so that drawing a band
// twice erases it). Button 1: the green box from (DragStartX, DragStartY) to a corner and its
// magenta centre lines; button 2: the magenta pan line from the start.
// A move: the band at (DragPrevX, DragPrevY) erased when erasePrevious, and drawn at (DragX,
// DragY); the boxes first, then the centre lines.
void MoveRubberBand(const BoardState& board, Canvas& canvas, int button, bool erasePrevious);
// The band at (DragX, DragY) drawn once more, erasing it.
void EraseRubberBand(const BoardState& board, Canvas& canvas, int button);

// The zoom of a left-button drag ended at (DragX, DragY): orders the corners, and for a box at
// least 300 twips wide enlarges it by 0.9 of the factor that makes it fill the sheet of
// width x height twips in its tighter direction (capped so that no scale passes 32000 twips per
// metre), centred on the sheet. Returns false, with the view unchanged, for a narrower box.
bool ZoomToBox(BoardState& board, float width, float height);

// The pan of a right-button drag ended at (DragX, DragY): plan, profile and body plan move by
// the drag.
void PanView(BoardState& board);

// The redraw after a zoom or pan: clear, DrawGrid and the stages, with the transform as it is;
// the station sections are not recomputed.
void RedrawView(const Hull& hull, const BoardState& board, Canvas& canvas);

}  // namespace voriel
