// What every printed page shares: the job being printed, the paper, new pages, text lines that
// overflow to the next page, the date and the sheet header.
#pragma once

#include <string>

#include "board/board_state.h"
#include "board/print_transform.h"
#include "canvas/canvas.h"
#include "hull/hull.h"
#include "text/print_line.h"

namespace voriel {

// One printed document: the hull, the board (its stage ChineView and its station sections, as the
// last redraw computed them), the date printed in the headers and the print transform, set by
// FitPrintViews where a command fits its views.
struct PrintJob {
    const Hull& hull;
    const BoardState& board;
    std::string date;
    PrintTransform transform{};
};

enum class Paper { A4, Letter };

// Page margins (mm) on every side of the sheets voriel-cli prints: a quarter inch, which most
// printers can print within and which leaves 63 lines of text on US letter, the whole definition
// report.
constexpr double kPrintMarginMm = 6.35;

// The printable area of the paper inside those margins, in twips (1440 per inch).
struct PageArea {
    float width = 0.0f, height = 0.0f;
};
PageArea PrintableArea(Paper paper);

// The date as the headers print it: "2024-05-17" (year, month 1..12, day 1..31).
std::string PrintDateText(int year, int month, int day);

// The printer's new page: the next page starts and the current point goes to its top-left corner.
void StartNewPage(Canvas& canvas);

// A printed text line at the current point, as one text call; the current point then goes to the
// start of the next line. A line that would pass the bottom of the page goes to the top of a new
// page first, as a printer's own overflow does; a blank line there is not printed and only moves
// the current point down.
void PrintTextLine(Canvas& canvas, const std::string& line);
inline void PrintTextLine(Canvas& canvas, const PrintLine& line) {
    PrintTextLine(canvas, line.str());
}

// The header of a sheet: hull name, "  date:", the date, "   page" and the page number.
PrintLine SheetHeader(const PrintJob& job, const Canvas& canvas);

// The header of a development table: "Voriel 2000", then in the next print zone the sheet header.
PrintLine TableHeader(const PrintJob& job, const Canvas& canvas);

}  // namespace voriel
