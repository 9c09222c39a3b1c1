// The full-size template document: which plates, how each is tiled, and the pages printed in
// order on the printer canvas.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "board/board_state.h"
#include "canvas/canvas.h"
#include "develop/template_accuracy.h"
#include "develop/template_marking.h"
#include "develop/template_marks.h"
#include "develop/template_plate.h"
#include "develop/template_tiling.h"
#include "hull/hull.h"

namespace voriel {

// The limits a request is held to: a calibration factor outside them is a typing slip (a
// printer is never 20 % off), an overlap outside them leaves no room for the crosses or wastes
// the sheet.
constexpr double kMinCalibration = 0.8, kMaxCalibration = 1.25;
constexpr double kMinOverlapMm = 4.0, kMaxOverlapMm = 50.0;
constexpr double kDefaultOverlapMm = 10.0;
// Paper left around the outline, for the station labels.
constexpr double kTemplateMarginMm = 15.0;
// More sheets than this in one document is a hull no one builds from home-printed paper.
constexpr int kMaxTemplateSheets = 3000;
// The band at the top of every page that holds its texts, the sheet label and the map (twips).
constexpr float kTemplateHeaderBand = 760.0f;

struct TemplateRequest {
    std::vector<TemplatePanel> panels;  // in any order; empty: every plate the hull has
    TemplateScale scale;
    double overlapMm = kDefaultOverlapMm;
    std::string date;  // printed in the headers
};

struct PlannedPlate {
    TemplatePlate plate;
    std::vector<TemplateMark> marks;
    PlateAccuracy accuracy;
    MarkingTable marking;
    TemplateTiling tiling;
    int firstPage = 0;     // the plate's first sheet: its assembly plan and accuracy report
    int markingPages = 0;  // the marking table's pages after its sheets
};

struct TemplatePlan {
    float pageWidth = 0.0f, pageHeight = 0.0f;  // the printer's page (twips)
    SheetArea area;                             // where each sheet's piece of a plate is drawn
    std::vector<PlannedPlate> plates;           // in the order of AvailableTemplatePanels
    int sheets = 0;                             // the tiled sheets of every plate
    int pages = 0;                              // the whole document
    std::string error;                          // why there is no document, or ""
};

// The reason a request cannot be printed (calibration or overlap out of their limits), or nothing.
std::optional<std::string> CheckTemplateRequest(const TemplateRequest& request);

// The document for the hull at the board's stage (ChineView; the end plates from its station
// sections) on pages of pageWidth x pageHeight twips. The error is set, and no plate planned,
// when a plate asked for does not exist at this stage, cannot be developed, the request is out of
// its limits, the page is too small or the document would pass kMaxTemplateSheets.
TemplatePlan PlanTemplates(const Hull& hull, const BoardState& board,
                           const TemplateRequest& request, float pageWidth, float pageHeight);

// Prints the planned document from the canvas's current page and ends it (endDoc): the
// calibration sheet, then for each plate its assembly plan with the accuracy report, its sheets
// row after row and its marking table. A plan with an error prints nothing.
void PrintTemplates(const Hull& hull, const TemplatePlan& plan, const TemplateRequest& request,
                    Canvas& canvas);

}  // namespace voriel
