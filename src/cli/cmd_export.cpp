// voriel-cli export FILE: writes the DXF, XYZ and VRML files of the Save menu for a hull file.
#include <array>
#include <filesystem>
#include <memory>
#include <system_error>

#include "board/station_sections.h"
#include "cli/subcommand.h"
#include "export/export_commands.h"
#include "hull/definition_screens.h"

namespace voriel::cli {

namespace {

struct ExportOptions {
    std::string file;
    std::string stage = "1";
    std::string lang = "fr";
    std::string linesDxf, linesXyz, devDxf, devXyz, station, stationDxf, vrml, all;
};

// The hull, the board as a redraw leaves it and the station box, as the menu commands see them.
struct Desk {
    std::string hullPath;  // the hull data file read, which no export may replace
    Hull hull;
    BoardState board;
    std::string stationBox;
};

// Writes the files of one command, each at `target` (a path) or, when `inFolder`, under its
// proposed name inside the folder `target`; a file that names the hull renames it for what
// follows, as in the program. Returns false when a file could not be written.
bool writeFiles(Io& io, Desk& desk, const std::vector<ExportFile>& files, const std::string& target,
                bool inFolder) {
    bool ok = true;
    for (const ExportFile& f : files) {
        std::string path = target;
        if (inFolder) path = (target.back() == '/' ? target : target + "/") + f.dialog.proposedName;
        std::error_code ec;
        if (std::filesystem::equivalent(path, desk.hullPath, ec)) {
            Fail(io, path + ": this is the hull file being exported; it is not overwritten");
            ok = false;
            continue;
        }
        const ExportOutcome o = SaveExportFile(f, desk.hull, desk.board, path);
        if (o.error) {
            Fail(io, o.error->message);
            ok = false;
            continue;
        }
        if (o.hullFileName) desk.hull.HullFileName = *o.hullFileName;
        io.out << path << "\n";
    }
    return ok;
}

// The Save menu's export commands, in the menu's order.
enum Command { LinesXyz, LinesDxf, DevelopmentXyz, DevelopmentDxf, StationDxf, Vrml, kCommands };
using Targets = std::array<std::string, kCommands>;  // where each command writes; empty skips it

std::vector<ExportFile> commandFiles(Command c, Desk& desk) {
    switch (c) {
        case LinesXyz:
            return LinesXyzCommand(desk.hull);
        case LinesDxf:
            return LinesDxfCommand(desk.hull);
        case DevelopmentXyz:
            return DevelopmentXyzCommand(desk.hull, desk.board);
        case DevelopmentDxf:
            return DevelopmentDxfCommand(desk.hull, desk.board);
        case StationDxf:
            return StationDxfCommand(desk.hull, desk.board, desk.stationBox);
        default:
            return VrmlCommand(desk.hull);
    }
}

// Runs the commands that have a target, in the menu's order, so that a lines or VRML file that
// renames the hull does so for the files after it, as in the program. The development commands
// always write into a folder; with `allInFolders` every command does.
bool writeCommands(Io& io, Desk& desk, const Targets& targets, bool allInFolders) {
    bool ok = true;
    for (int c = 0; c < kCommands; ++c) {
        if (targets[c].empty()) continue;
        const bool inFolder = allInFolders || c == DevelopmentXyz || c == DevelopmentDxf;
        ok &=
            writeFiles(io, desk, commandFiles(static_cast<Command>(c), desk), targets[c], inFolder);
    }
    return ok;
}

int runExport(Io& io, const CLI::App& sub, const ExportOptions& opt, bool stationGiven) {
    if (stationGiven && opt.stationDxf.empty() && opt.all.empty())
        return UsageError(io, sub, "--station needs --station-dxf or --all");
    const Targets named{opt.linesXyz, opt.linesDxf,   opt.devXyz,
                        opt.devDxf,   opt.stationDxf, opt.vrml};
    if (opt.all.empty() && named == Targets{})
        return UsageError(io, sub, "nothing to write: name at least one file or folder");

    Desk desk;
    desk.hullPath = opt.file;
    if (!OpenHullForCommand(io, opt.file, desk.hull)) return kExitFailure;
    desk.hull.Language = opt.lang == "en" ? 1 : 0;
    desk.board.ChineView = opt.stage == "0" ? 0 : 1;
    ComputeAllStationSections(desk.hull, desk.board);
    // The station box shows the max-beam position until the user types another abscissa.
    desk.stationBox = stationGiven ? opt.station : BoxText(desk.hull.XMax[Chine1]);

    bool ok = writeCommands(io, desk, named, false);
    if (!opt.all.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(opt.all, ec);
        if (ec) return Fail(io, opt.all + ": " + ec.message());
        Targets everything;
        everything.fill(opt.all);
        ok &= writeCommands(io, desk, everything, true);
    }
    return ok ? 0 : kExitFailure;
}

}  // namespace

Action AddExportCommand(CLI::App& app) {
    auto* sub = app.add_subcommand(
        "export",
        "Write the DXF, XYZ and VRML files of the Save menu for a hull data file, as the "
        "drawing board writes them after a redraw; each written path is printed on a line");
    auto opt = std::make_shared<ExportOptions>();
    sub->add_option("FILE", opt->file, "hull data file (.D50 or .D51)")
        ->required()
        ->type_name("FILE");
    sub->add_option("--stage", opt->stage,
                    "1 (default) all lines defined; 0 the development files as with only chine 1 "
                    "defined")
        ->check(CLI::IsMember({"0", "1"}));
    sub->add_option("--lang", opt->lang, "language of the lines XYZ titles: fr (default) or en")
        ->check(CLI::IsMember({"fr", "en"}));
    sub->add_option("--lines-xyz", opt->linesXyz, "lines XYZ table at PATH (names the hull)")
        ->type_name("PATH");
    sub->add_option("--lines-dxf", opt->linesDxf, "lines DXF at PATH (names the hull)")
        ->type_name("PATH");
    sub->add_option("--dev-xyz", opt->devXyz, "development XYZ tables into the folder DIR")
        ->type_name("DIR");
    sub->add_option("--dev-dxf", opt->devDxf, "plank and deck DXF into the folder DIR")
        ->type_name("DIR");
    auto* station = sub->add_option("--station", opt->station,
                                    "station abscissa as typed in the station box (\"2,57\" "
                                    "works); default the max-beam "
                                    "position")
                        ->type_name("X");
    sub->add_option("--station-dxf", opt->stationDxf, "station DXF at PATH")->type_name("PATH");
    sub->add_option("--vrml", opt->vrml, "VRML scene at PATH (names the hull)")->type_name("PATH");
    sub->add_option("--all", opt->all,
                    "every file of the Save menu under its proposed name into DIR (created if "
                    "needed)")
        ->type_name("DIR");
    return [opt, sub, station](Io& io) { return runExport(io, *sub, *opt, station->count() > 0); };
}

}  // namespace voriel::cli
