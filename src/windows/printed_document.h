// One print command printed on a QPrinter: on paper, or to a PDF file that is written safely.
#pragma once

#include <QPrinter>
#include <functional>
#include <optional>
#include <string>

#include "board/board_state.h"
#include "board/print_documents.h"
#include "board/print_page.h"
#include "canvas/canvas.h"
#include "hull/hull.h"

namespace voriel {

// Sets the printer to write a PDF file at `path` on the paper, portrait, with margins of
// kPrintMarginMm on every side.
void SetPdfPrinter(QPrinter& printer, Paper paper, const std::string& path);

// Prints the pages of the command on the printer as one document (PrintDocument). A printer set
// to PDF output prints into a temporary file first, which then replaces the printer's output
// file through the safe writer: a failure leaves no partial file and the file that was there
// intact. Returns the reason of a failure (the printer's error, or the PDF file's path and the
// reason it could not be written), or nothing once printed.
std::optional<std::string> PrintOnPrinter(QPrinter& printer, PrintCommand command, const Hull& hull,
                                          const BoardState& board, const std::string& date);

// The same for any document: `pages` draws it on the printer canvas, ending it, and returns the
// reason it could not (nothing is then written), or nothing.
using PrintedPages = std::function<std::optional<std::string>(Canvas&)>;
std::optional<std::string> PrintPagesOnPrinter(QPrinter& printer, const PrintedPages& pages);

// The same for a document painted straight on the printer (QPainter): `paint` prints it, ending
// it, and returns the reason it could not, or nothing.
using PaintOnPrinter = std::function<std::optional<std::string>(QPrinter&)>;
std::optional<std::string> PrintDocumentOn(QPrinter& printer, const PaintOnPrinter& paint);

}  // namespace voriel
