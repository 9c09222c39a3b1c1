// voriel-cli print FILE: the pages of a Print menu command, to a PDF file or as a recording.
#include <ctime>
#include <memory>

#include "board/print_documents.h"
#include "board/print_page.h"
#include "board/station_sections.h"
#include "canvas/page_recording_canvas.h"
#include "cli/subcommand.h"
#include "windows/batch_pdf.h"

namespace voriel::cli {

namespace {

struct PrintOptions {
    std::string file;
    std::string what;
    std::string pdf;
    bool record = false;
    std::string stage = "1";
    std::string lang = "fr";
    std::string paper = "a4";
    std::string date;
};

}  // namespace

namespace {

PrintCommand command(const std::string& what) {
    if (what == "drawing") return PrintCommand::Drawing;
    if (what == "development") return PrintCommand::Development;
    return PrintCommand::All;
}

int runPrint(Io& io, const CLI::App& sub, const PrintOptions& opt) {
    if (opt.record == !opt.pdf.empty())
        return UsageError(io, sub, "give exactly one of --pdf OUT and --record");
    Hull hull;
    if (!OpenHullForCommand(io, opt.file, hull)) return kExitFailure;
    hull.Language = opt.lang == "en" ? 1 : 0;
    BoardState board;
    board.ChineView = opt.stage == "0" ? 0 : 1;
    ComputeAllStationSections(hull, board);
    const std::string date = opt.date.empty() ? today() : opt.date;
    const Paper paper = opt.paper == "letter" ? Paper::Letter : Paper::A4;

    if (opt.record) {
        const PageArea area = PrintableArea(paper);
        PageRecordingCanvas canvas(area.width, area.height);
        PrintDocument(command(opt.what), hull, board, date, canvas);
        io.out << canvas.recording();
        return 0;
    }
    if (const auto error = PrintPdfFile(command(opt.what), hull, board, date, paper, opt.pdf))
        return Fail(io, *error);
    io.out << opt.pdf << "\n";
    return 0;
}

}  // namespace

std::string today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return PrintDateText(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

Action AddPrintCommand(CLI::App& app) {
    auto* sub = app.add_subcommand(
        "print",
        "Print the pages of a Print menu command for a hull data file, as the drawing board "
        "prints them after a redraw: to a PDF file (written whole or not at all) or as the "
        "recording of the printer's drawing calls");
    auto opt = std::make_shared<PrintOptions>();
    sub->add_option("FILE", opt->file, "hull data file (.D50 or .D51)")
        ->required()
        ->type_name("FILE");
    sub->add_option("--what", opt->what, "the command: drawing, development or all")
        ->required()
        ->check(CLI::IsMember({"drawing", "development", "all"}));
    sub->add_option("--pdf", opt->pdf, "write the pages to the PDF file OUT")->type_name("OUT");
    sub->add_flag("--record", opt->record,
                  "print the recording of the printer canvas calls on stdout, a \"page\" line "
                  "at each new page");
    sub->add_option("--stage", opt->stage,
                    "1 (default) all lines defined; 0 only the keel and chine 1")
        ->check(CLI::IsMember({"0", "1"}));
    sub->add_option("--lang", opt->lang, "language of the printed texts: fr (default) or en")
        ->check(CLI::IsMember({"fr", "en"}));
    sub->add_option("--paper", opt->paper, "a4 (default) or letter, with margins of a quarter inch")
        ->check(CLI::IsMember({"a4", "letter"}));
    sub->add_option("--date", opt->date,
                    "the date printed in the headers (default today, as 2024-05-17)")
        ->type_name("TEXT");
    return [opt, sub](Io& io) { return runPrint(io, *sub, *opt); };
}

}  // namespace voriel::cli
