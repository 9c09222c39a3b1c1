// The curves window's printout: the curves of form on one page, the GZ curve and its figures on
// the next, on a QPrinter (paper, or a PDF file written safely).
#pragma once

#include <QPrinter>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hydro/curves_of_form.h"
#include "hydro/stability.h"

namespace voriel {

struct CurvesPrintout {
    std::string hullName;  // in the page headers
    std::string date;
    int16_t language = 0;  // 0 French, else English
    std::vector<FormLevel> levels;
    CrossCurves cross;  // no points: the GZ page says there is no curve
    GzCurve gz;
};

// Prints the two pages, laid out for the printer's paper and orientation. A printer set to PDF
// output prints into a temporary file first, which then replaces the output file through the
// safe writer, so a failure leaves no partial file. Returns the reason of a failure, or nothing.
std::optional<std::string> PrintCurves(QPrinter& printer, const CurvesPrintout& printout);

}  // namespace voriel
