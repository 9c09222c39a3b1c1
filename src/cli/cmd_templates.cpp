// voriel-cli templates FILE: every plate at full size tiled over printer pages, to a PDF file or
// as a recording, and the accuracy report and marking tables as JSON.
#include <memory>
#include <sstream>

#include "board/print_page.h"
#include "board/station_sections.h"
#include "canvas/page_recording_canvas.h"
#include "cli/subcommand.h"
#include "develop/template_document.h"
#include "text/number_text.h"
#include "windows/batch_pdf.h"

namespace voriel::cli {

namespace {

struct TemplateOptions {
    std::string file;
    std::string pdf;
    bool record = false;
    bool report = false;
    std::string paper = "a4";
    std::string panels;
    std::string calibrate;
    std::string overlap;
    std::string date;
    std::string lang = "fr";
};

// A number of the JSON report as the pages print it, read back as a number.
double rounded(double v, const char* pattern) {
    return Val(Format(v, pattern));
}

nlohmann::json accuracyJson(const PlateAccuracy& a) {
    return {{"quadrilaterals", a.quadrilaterals},
            {"largest_difference_mm", rounded(a.largestMm, "0.000")},
            {"largest_at_point", a.largestAt},
            {"rms_difference_mm", rounded(a.rmsMm, "0.000")},
            {"lower_edge_3d_mm", rounded(a.lower3dMm, "0.0")},
            {"lower_edge_flat_mm", rounded(a.lowerFlatMm, "0.0")},
            {"upper_edge_3d_mm", rounded(a.upper3dMm, "0.0")},
            {"upper_edge_flat_mm", rounded(a.upperFlatMm, "0.0")},
            {"area_m2", rounded(a.areaM2, "0.0000")}};
}

nlohmann::json offsetJson(const std::optional<double>& mm) {
    return mm ? nlohmann::json(MarkingMm(*mm)) : nlohmann::json(nullptr);
}

nlohmann::json markingJson(const MarkingTable& t) {
    nlohmann::json rows = nlohmann::json::array();
    for (const MarkingRow& r : t.rows) {
        nlohmann::json row = {{"d_mm", MarkingMm(r.alongMm)},
                              {"lower_mm", offsetJson(r.lowerMm)},
                              {"upper_mm", offsetJson(r.upperMm)}};
        if (r.markEdge >= 0) {
            row["mark"] = r.mark;
            row["mark_edge"] = r.markEdge == 0 ? "lower" : "upper";
        }
        rows.push_back(row);
    }
    return {{"baseline_mm", MarkingMm(t.lengthMm)},
            {"baseline_aft_m", {rounded(t.aft.x, "0.0000"), rounded(t.aft.y, "0.0000")}},
            {"baseline_fwd_m", {rounded(t.fwd.x, "0.0000"), rounded(t.fwd.y, "0.0000")}},
            {"rows", rows}};
}

nlohmann::json reportJson(const Hull& hull, const TemplatePlan& plan, const TemplateOptions& o) {
    nlohmann::json plates = nlohmann::json::array();
    for (const PlannedPlate& p : plan.plates) {
        const TemplateTiling& t = p.tiling;
        plates.push_back({{"plate", TemplatePanelKey(p.plate.panel)},
                          {"name", TemplatePanelName(p.plate.panel, hull.Language)},
                          {"lower_edge", TemplateEdgeName(p.plate.panel, 0, hull.Language)},
                          {"upper_edge", TemplateEdgeName(p.plate.panel, 1, hull.Language)},
                          {"sheets", t.printedCount},
                          {"rows", t.rows},
                          {"columns", t.cols},
                          {"along_page_length", t.turned},
                          {"first_page", p.firstPage},
                          {"accuracy", accuracyJson(p.accuracy)},
                          {"marking_table", markingJson(p.marking)}});
    }
    return {{"hull", hull.HullFileName},
            {"paper", o.paper},
            {"sheets", plan.sheets},
            {"pages", plan.pages},
            {"plates", plates}};
}

// "bottom,plank1" into panels; false with the word that is not one.
bool readPanels(const std::string& list, std::vector<TemplatePanel>& panels, std::string& bad) {
    std::stringstream in(list);
    std::string word;
    while (std::getline(in, word, ',')) {
        const auto panel = TemplatePanelFromKey(word);
        if (!panel) {
            bad = word;
            return false;
        }
        panels.push_back(*panel);
    }
    return true;
}

// "SX,SY": two plain numbers.
bool readCalibration(const std::string& text, TemplateScale& scale) {
    const auto comma = text.find(',');
    if (comma == std::string::npos || text.find(',', comma + 1) != std::string::npos) return false;
    return ReadPlainNumber(text.substr(0, comma), scale.SX) &&
           ReadPlainNumber(text.substr(comma + 1), scale.SY);
}

// The request from the options, or the usage error's message.
std::optional<std::string> readRequest(const TemplateOptions& o, TemplateRequest& r) {
    std::string bad;
    if (!o.panels.empty() && !readPanels(o.panels, r.panels, bad))
        return "--panels: \"" + bad +
               "\" is not a plate: bottom, plank1, plank2, plank3, deck1, deck2, deck3, deck4, "
               "transom or bow";
    if (!o.calibrate.empty() && !readCalibration(o.calibrate, r.scale))
        return "--calibrate: give two numbers SX,SY, such as 1.01,0.995";
    if (!o.overlap.empty() && !ReadPlainNumber(o.overlap, r.overlapMm))
        return "--overlap: give the overlap in mm, such as 10";
    r.date = o.date.empty() ? today() : o.date;
    return std::nullopt;
}

int runTemplates(Io& io, const CLI::App& sub, const TemplateOptions& o) {
    const bool none = !o.record && !o.report && o.pdf.empty();
    if (none || (o.record && (o.report || !o.pdf.empty())))
        return UsageError(io, sub, "give --pdf OUT, --report (alone or with --pdf) or --record");
    TemplateRequest request;
    if (const auto bad = readRequest(o, request)) return UsageError(io, sub, *bad);
    if (const auto refused = CheckTemplateRequest(request)) return Fail(io, *refused);
    Hull hull;
    if (!OpenHullForCommand(io, o.file, hull)) return kExitFailure;
    hull.Language = o.lang == "en" ? 1 : 0;
    BoardState board;
    board.ChineView = 1;
    ComputeAllStationSections(hull, board);
    const Paper paper = o.paper == "letter" ? Paper::Letter : Paper::A4;
    const PageArea area = PrintableArea(paper);

    // One layout for every output, on the printable area of the paper.
    const TemplatePlan plan = PlanTemplates(hull, board, request, area.width, area.height);
    if (!plan.error.empty()) return Fail(io, plan.error);
    if (o.record) {
        PageRecordingCanvas canvas(area.width, area.height);
        PrintTemplates(hull, plan, request, canvas);
        io.out << canvas.recording();
        return 0;
    }
    if (!o.pdf.empty()) {
        const auto pages = [&](Canvas& canvas) -> std::optional<std::string> {
            PrintTemplates(hull, plan, request, canvas);
            return std::nullopt;
        };
        if (const auto error = PrintPagesPdfFile(pages, paper, o.pdf)) return Fail(io, *error);
    }
    if (o.report)
        PrintJson(io, reportJson(hull, plan, o));
    else
        io.out << o.pdf << "\n";
    return 0;
}

}  // namespace

Action AddTemplatesCommand(CLI::App& app) {
    auto* sub = app.add_subcommand(
        "templates",
        "Print every developed plate of a hull data file at full size, tiled over A4 or letter "
        "sheets to be taped together, with a calibration sheet, an assembly plan and accuracy "
        "report and a marking table per plate: to a PDF file (written whole or not at all), as "
        "the recording of the printer's drawing calls, or the report and tables as JSON");
    auto opt = std::make_shared<TemplateOptions>();
    sub->add_option("FILE", opt->file, "hull data file (.D50 or .D51)")
        ->required()
        ->type_name("FILE");
    sub->add_option("--pdf", opt->pdf, "write the pages to the PDF file OUT")->type_name("OUT");
    sub->add_flag("--record", opt->record,
                  "print the recording of the printer canvas calls on stdout, a \"page\" line "
                  "at each new page");
    sub->add_flag("--report", opt->report,
                  "print the accuracy report and the marking table of each plate as JSON (with "
                  "--pdf: of the document written)");
    sub->add_option("--paper", opt->paper, "a4 (default) or letter, with margins of a quarter inch")
        ->check(CLI::IsMember({"a4", "letter"}));
    sub->add_option("--panels", opt->panels,
                    "the plates, separated by commas: bottom, plank1, plank2, plank3, deck1, "
                    "deck2, deck3, deck4 (the half deck inside line k), transom, bow (default: "
                    "every plate the hull has)")
        ->type_name("LIST");
    sub->add_option("--calibrate", opt->calibrate,
                    "scale the print by SX across the page and SY down it, 100 divided by the "
                    "calibration square's width and height measured in mm (default 1,1)")
        ->type_name("SX,SY");
    sub->add_option("--overlap", opt->overlap,
                    "paper shared by neighbouring sheets, mm (default 10, 4 to 50)")
        ->type_name("MM");
    sub->add_option("--date", opt->date,
                    "the date printed in the headers (default today, as 2024-05-17)")
        ->type_name("TEXT");
    sub->add_option("--lang", opt->lang, "language of the printed texts: fr (default) or en")
        ->check(CLI::IsMember({"fr", "en"}));
    return [opt, sub](Io& io) { return runTemplates(io, *sub, *opt); };
}

}  // namespace voriel::cli
