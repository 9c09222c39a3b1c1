// A plate at full size tiled over printer pages: the way it lies on the paper, the grid of
// overlapping sheets, the sheets its outline crosses, and the maps between flat, plane and page.
#pragma once

#include <string>
#include <vector>

#include "develop/template_plate.h"

namespace voriel {

// Printer twips in a metre at full size: 1440 per inch of 25.4 mm.
constexpr double kTwipsPerMetre = 1440.0 / 0.0254;
constexpr double kTwipsPerMm = kTwipsPerMetre / 1000.0;

// The printer's calibration: every length printed along the page's x is multiplied by SX, along
// its y by SY, so that a printer that prints 1 % short (SX = 1.01) prints true.
struct TemplateScale {
    double SX = 1.0, SY = 1.0;
};

// Where a sheet's piece of the plate is drawn on its page: x from 0 to width, y from top to top +
// height (twips).
struct SheetArea {
    double width = 0.0, height = 0.0, top = 0.0;
};

// A point of the plate's plane: the flat outline at 1:1 in twips, u to the right of the page and
// v down it, the outline's bounding box from (0, 0).
struct PlanePoint {
    double u = 0.0, v = 0.0;
};
struct PlaneRect {
    double u0 = 0.0, v0 = 0.0, u1 = 0.0, v1 = 0.0;
};

struct TemplateTiling {
    // false: the flat x runs to the right of the page and the flat y up it; true: the plate is
    // turned a quarter clockwise, the flat x runs down the page and the flat y to the right.
    bool turned = false;
    double minX = 0.0, maxY = 0.0, minY = 0.0;  // the flat outline's corner (m)
    double windowW = 0.0, windowH = 0.0;        // one sheet's piece of the plane (twips)
    double overlap = 0.0;                       // shared by neighbouring sheets (twips)
    double originU = 0.0, originV = 0.0;        // the plane corner of sheet (0, 0)
    int rows = 0, cols = 0;
    std::vector<char> printed;  // rows * cols, row after row: the outline crosses the cell
    int printedCount = 0;

    double stepU() const { return windowW - overlap; }
    double stepV() const { return windowH - overlap; }
    bool isPrinted(int row, int col) const {
        return row >= 0 && row < rows && col >= 0 && col < cols &&
               printed[static_cast<std::size_t>(row * cols + col)] != 0;
    }
};

// The closed outline of a plate (flat frame, m): lower edge forward, the forward end, the upper
// edge aft, the aft end.
std::vector<FlatPoint> PlateOutline(const TemplatePlate& plate);

// The tiling of the plate over sheets whose drawing area is `area`, scaled by the calibration,
// with `overlapMm` shared between neighbours and at least `marginMm` of paper around the outline;
// the grid is centred on the outline. Of the two ways the plate can lie, the one that prints fewer
// sheets (then the one with fewer sheets in its grid, then the plate along the page's width).
// The area must exceed twice the overlap both ways once scaled; the caller checks it.
TemplateTiling TileTemplate(const TemplatePlate& plate, const SheetArea& area,
                            const TemplateScale& scale, double overlapMm, double marginMm);

PlanePoint PlaneOf(const TemplateTiling& tiling, const FlatPoint& p);
// The plane direction of a flat direction (a rotation: lengths kept, in twips per metre).
PlanePoint PlaneDirection(const TemplateTiling& tiling, const FlatPoint& d);

// The piece of the plane on sheet (row, col).
PlaneRect SheetWindow(const TemplateTiling& tiling, int row, int col);

// The part of sheet (row, col) that is its own once the sheets are cut and laid together: its
// window less half the overlap on every side, between the lines through its crosses. The cells
// tile the plane; a sheet is printed when the outline passes through its cell.
PlaneRect SheetCell(const TemplateTiling& tiling, int row, int col);

// The page point (twips) of a plane point on sheet (row, col).
PlanePoint PageOf(const TemplateTiling& tiling, const TemplateScale& scale, const SheetArea& area,
                  int row, int col, const PlanePoint& p);

// The registration cross at grid corner (row 0..rows, col 0..cols): the centre of the square the
// sheets meeting there share, the same plane point on each of them.
PlanePoint CrossPoint(const TemplateTiling& tiling, int row, int col);

// Cuts the segment a-b to the rectangle; false when nothing of it is inside.
bool ClipSegment(const PlaneRect& r, PlanePoint& a, PlanePoint& b);

// "B3": the row as letters (A..Z, then AA..), the column as a number from 1.
std::string SheetLabel(int row, int col);
std::string RowLetters(int row);

}  // namespace voriel
