// What the drawing board's buttons and mouse do to its sheet, as free functions on a Canvas.
#include "board/board_actions.h"

#include "board/lines_views.h"
#include "board/station_drawing.h"
#include "board/station_sections.h"
#include "board/view_fit.h"
#include "board/zoom_pan.h"
#include "develop/development_drawing.h"
#include "develop/panel_development.h"

namespace voriel {

void RedrawBoard(const Hull& hull, BoardState& board, Canvas& canvas) {
    canvas.clear();
    FitViews(hull, board, canvas);
    ComputeAllStationSections(hull, board);
    DrawStages(hull, board, canvas);
}

void DrawStationClick(const Hull& hull, BoardState& board, std::string& stationBox,
                      Canvas& canvas) {
    stationBox = ChooseStation(hull, board, stationBox);
    DrawStation(hull, board, canvas);
}

void DevelopClick(const Hull& hull, const BoardState& board, Canvas& canvas) {
    const BoardDevelopment dev = DeveloperClick(hull, board);
    for (const BoardPanel& p : dev.panels) {
        if (p.panel == Panel::Bottom)
            DrawBottomDev(hull, board, p.outline, p.count, canvas);
        else
            DrawPlankDev(hull, board, p.outline, p.count, p.colour, p.dx, p.dy, canvas);
    }
    if (dev.transom) DrawTransomDev(hull, board, *dev.transom, canvas);
    if (dev.bowPlate) DrawBowPlateDev(hull, board, *dev.bowPlate, canvas);
    canvas.setStyle(LineStyle::Solid);
    canvas.setColor(hull.LineColor[0]);
}

void BoardMouseDown(BoardState& board, Canvas& canvas, int button, float x, float y) {
    // Left or right alone starts a drag; a second button during a drag is ignored.
    if ((button != 1 && button != 2) || board.DragButton != 0) return;
    board.DragStartX = board.DragX = x;
    board.DragStartY = board.DragY = y;
    board.DragButton = static_cast<int16_t>(button);
    board.BandDrawn = false;
    canvas.setMode(DrawMode::Xor);
}

void BoardMouseMove(BoardState& board, Canvas& canvas, int button, float x, float y) {
    if (board.DragButton == 0 || button != board.DragButton) return;
    board.DragPrevX = board.DragX;
    board.DragPrevY = board.DragY;
    board.DragX = x;
    board.DragY = y;
    // The first move has no band on the sheet to erase.
    MoveRubberBand(board, canvas, button, board.BandDrawn);
    board.BandDrawn = true;
}

void BoardMouseUp(const Hull& hull, BoardState& board, Canvas& canvas, int button, float x,
                  float y) {
    if (board.DragButton == 0 || button != board.DragButton) return;
    // The band is erased where the last move drew it, wherever the button comes up.
    if (board.BandDrawn) EraseRubberBand(board, canvas, button);
    canvas.setMode(DrawMode::Copy);
    board.DragButton = 0;
    board.BandDrawn = false;
    board.DragX = x;
    board.DragY = y;
    if (button == 2) {
        PanView(board);
        RedrawView(hull, board, canvas);
    } else if (ZoomToBox(board, canvas.scaleWidth(), canvas.scaleHeight())) {
        RedrawView(hull, board, canvas);
    }
}

void BoardDoubleClick(const Hull& hull, BoardState& board, Canvas& canvas) {
    canvas.clear();
    RedrawBoard(hull, board, canvas);
}

}  // namespace voriel
