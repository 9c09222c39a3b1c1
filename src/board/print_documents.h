// The three print commands of the drawing board, page by page, each one printed document.
#pragma once

#include <string>

#include "board/board_state.h"
#include "canvas/canvas.h"
#include "hull/hull.h"

namespace voriel {

enum class PrintCommand { Drawing, Development, All };

// Prints the pages of one command on the canvas, a printer whose page is scaleWidth x
// scaleHeight twips (y downward), from its current page, and ends the document (endDoc). The
// board gives the stage (ChineView) and the station sections of the last redraw; date is the
// text printed in the headers. Nothing printed changes the hull or the board.
//   Drawing: the profile, plan and body-plan sheets.
//   Development: the bottom, and at stage 1 planks 1..3 and the transom, one sheet each.
//   All: the definition report, the three sheets with the point tables of the lines, then the
//   developed panels each with its table, the transom with its table.
void PrintDocument(PrintCommand command, const Hull& hull, const BoardState& board,
                   const std::string& date, Canvas& canvas);

}  // namespace voriel
