// A print command to a PDF file from a program without windows (voriel-cli): no Qt in sight.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "board/board_state.h"
#include "board/print_documents.h"
#include "board/print_page.h"
#include "canvas/canvas.h"
#include "hull/hull.h"

namespace voriel {

// Prints the command's pages to the PDF file at `path` on the paper (kPrintMarginMm margins),
// written safely (PrintOnPrinter). Makes the GUI application the printer needs when there is none,
// on the offscreen platform when no display is set, and keeps Qt's notes off stderr. Returns the
// reason of a failure, or nothing once written.
std::optional<std::string> PrintPdfFile(PrintCommand command, const Hull& hull,
                                        const BoardState& board, const std::string& date,
                                        Paper paper, const std::string& path);

// The same for any document: `pages` draws it on the printer canvas, ending it, and returns the
// reason it could not (nothing is then written), or nothing.
std::optional<std::string> PrintPagesPdfFile(
    const std::function<std::optional<std::string>(Canvas&)>& pages, Paper paper,
    const std::string& path);

}  // namespace voriel
