// The full-size template document: which plates, how each is tiled, and the pages printed in
// order on the printer canvas.
#include "develop/template_document.h"

#include <algorithm>
#include <cmath>

#include "board/print_page.h"
#include "develop/template_cover.h"
#include "develop/template_sheet.h"
#include "develop/template_tables.h"
#include "text/number_text.h"

namespace voriel {

namespace {

// A plate longer or wider than this (m) is no boat plate but a broken hull file.
constexpr double kLargestPlateM = 60.0;
// The smallest piece of a plate a sheet may carry, both ways (mm).
constexpr double kSmallestSheetMm = 60.0;

// The panels asked for, in the document's order, or why one cannot be had.
std::vector<TemplatePanel> chosenPanels(const Hull& h, const BoardState& board,
                                        const TemplateRequest& r, std::string& error) {
    const std::vector<TemplatePanel> available = AvailableTemplatePanels(h, board);
    if (r.panels.empty()) return available;
    for (const TemplatePanel p : r.panels) {
        if (std::find(available.begin(), available.end(), p) != available.end()) continue;
        error = std::string(TemplatePanelKey(p)) +
                (p == TemplatePanel::Bow ? ": this hull has a pointed bow, no pram-bow plate"
                                         : ": this plate is not defined at this stage");
        return {};
    }
    std::vector<TemplatePanel> out;
    for (const TemplatePanel p : available)
        if (std::find(r.panels.begin(), r.panels.end(), p) != r.panels.end()) out.push_back(p);
    return out;
}

bool tooLarge(const TemplatePlate& p) {
    double lo = HUGE_VAL, hi = -HUGE_VAL;
    for (const auto* edge : {&p.lower, &p.upper}) {
        for (const FlatPoint& q : *edge) {
            lo = std::min({lo, q.x, q.y});
            hi = std::max({hi, q.x, q.y});
        }
    }
    return hi - lo > kLargestPlateM;
}

std::optional<std::string> checkPage(const TemplateRequest& r, const SheetArea& area) {
    const double least = std::max(kSmallestSheetMm, 3 * r.overlapMm) * kTwipsPerMm;
    if (area.width / r.scale.SX < least || area.height / r.scale.SY < least)
        return std::string("The printer's page is too small for full-size templates.");
    return std::nullopt;
}

PlannedPlate planPlate(const Hull& h, TemplatePlate plate, const TemplateRequest& r,
                       const SheetArea& area) {
    PlannedPlate p;
    p.plate = std::move(plate);
    p.marks = TemplateMarks(h, p.plate, h.Language);
    p.accuracy = MeasurePlateAccuracy(p.plate);
    p.marking = MakeMarkingTable(p.plate, p.marks);
    p.tiling = TileTemplate(p.plate, area, r.scale, r.overlapMm, kTemplateMarginMm);
    return p;
}

}  // namespace

std::optional<std::string> CheckTemplateRequest(const TemplateRequest& r) {
    const auto within = [](double v, double lo, double hi) { return v >= lo && v <= hi; };
    if (!within(r.scale.SX, kMinCalibration, kMaxCalibration) ||
        !within(r.scale.SY, kMinCalibration, kMaxCalibration))
        return "The calibration factors SX and SY must lie between " +
               Format(kMinCalibration, "0.00") + " and " + Format(kMaxCalibration, "0.00") +
               " (100 divided by the size measured in mm, 1 for a true printer).";
    if (!within(r.overlapMm, kMinOverlapMm, kMaxOverlapMm))
        return "The overlap must lie between " + Format(kMinOverlapMm, "0") + " and " +
               Format(kMaxOverlapMm, "0") + " mm.";
    return std::nullopt;
}

TemplatePlan PlanTemplates(const Hull& h, const BoardState& board, const TemplateRequest& r,
                           float pageWidth, float pageHeight) {
    TemplatePlan plan;
    plan.pageWidth = pageWidth;
    plan.pageHeight = pageHeight;
    plan.area = {pageWidth, pageHeight - kTemplateHeaderBand, kTemplateHeaderBand};
    const auto fail = [&plan](const std::string& why) {
        plan.plates.clear();
        plan.error = why;
        return plan;
    };
    if (const auto refused = CheckTemplateRequest(r)) return fail(*refused);
    if (const auto refused = checkPage(r, plan.area)) return fail(*refused);
    std::string error;
    const std::vector<TemplatePanel> panels = chosenPanels(h, board, r, error);
    if (!error.empty()) return fail(error);
    if (panels.empty()) return fail("There is no plate to print at this stage.");
    int page = 1;  // the calibration sheet
    for (const TemplatePanel panel : panels) {
        const TemplatePlate plate = MakeTemplatePlate(h, board, panel);
        if (!TemplatePlateUsable(plate) || tooLarge(plate))
            return fail(std::string(TemplatePanelKey(panel)) +
                        ": the plate cannot be laid out at full size (its development is not "
                        "finite or is larger than " +
                        Format(kLargestPlateM, "0") + " m).");
        PlannedPlate p = planPlate(h, plate, r, plan.area);
        p.firstPage = page + 1;
        p.markingPages = MarkingPageCount(static_cast<int>(p.marking.rows.size()), pageHeight);
        page += 1 + p.tiling.printedCount + p.markingPages;
        plan.sheets += p.tiling.printedCount;
        plan.plates.push_back(std::move(p));
        if (plan.sheets > kMaxTemplateSheets)
            return fail("The templates would take more than " + std::to_string(kMaxTemplateSheets) +
                        " sheets.");
    }
    plan.pages = page;
    return plan;
}

void PrintTemplates(const Hull& h, const TemplatePlan& plan, const TemplateRequest& r, Canvas& c) {
    if (!plan.error.empty()) return;
    DrawCalibrationSheet(h, plan, r, c);
    for (const PlannedPlate& p : plan.plates) {
        StartNewPage(c);
        DrawAssemblyPlan(h, plan, p, r, c);
        for (int row = 0; row < p.tiling.rows; ++row) {
            for (int col = 0; col < p.tiling.cols; ++col) {
                if (!p.tiling.isPrinted(row, col)) continue;
                StartNewPage(c);
                DrawTemplateSheet(h, plan, p, r, row, col, c);
            }
        }
        DrawMarkingTable(h, p, r, c);
    }
    c.endDoc();
}

}  // namespace voriel
