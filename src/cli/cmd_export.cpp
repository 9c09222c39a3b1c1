// voriel-cli export FILE: writes the DXF, XYZ and VRML files of the Save menu for a hull file.
#include <array>
#include <filesystem>
#include <memory>
#include <system_error>

#include "board/station_sections.h"
#include "cli/subcommand.h"
#include "export/export_commands.h"
#include "files/safe_file.h"
#include "hull/definition_screens.h"
#include "hull/hull_data_file.h"

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

// The Save menu's export commands, in the menu's order.
enum Command { LinesXyz, LinesDxf, DevelopmentXyz, DevelopmentDxf, StationDxf, Vrml, kCommands };
using Targets = std::array<std::string, kCommands>;  // where each command writes; empty skips it

std::vector<ExportFile> commandFiles(Command c, const Hull& hull, Desk& desk) {
    switch (c) {
        case LinesXyz:
            return LinesXyzCommand(hull);
        case LinesDxf:
            return LinesDxfCommand(hull);
        case DevelopmentXyz:
            return DevelopmentXyzCommand(hull, desk.board);
        case DevelopmentDxf:
            return DevelopmentDxfCommand(hull, desk.board);
        case StationDxf:
            return StationDxfCommand(hull, desk.board, desk.stationBox);
        default:
            return VrmlCommand(hull);
    }
}

// One file to write and where.
struct Planned {
    ExportFile file;
    std::string path;
};

// The files of the commands that have a target, in the menu's order, each at `target` (a path)
// or, when in a folder, under its proposed name inside the folder `target`. A lines or VRML file
// renames the hull for the files after it, as in the program: the plan follows that renaming on
// a copy of the hull, and the writing replays it. The development commands always write into a
// folder; with `allInFolders` every command does. The station command sets the board's station.
void planCommands(Desk& desk, Hull& named, const Targets& targets, bool allInFolders,
                  std::vector<Planned>& plan) {
    for (int c = 0; c < kCommands; ++c) {
        if (targets[c].empty()) continue;
        const bool inFolder = allInFolders || c == DevelopmentXyz || c == DevelopmentDxf;
        for (const ExportFile& f : commandFiles(static_cast<Command>(c), named, desk)) {
            std::string path = targets[c];
            if (inFolder) path = (path.back() == '/' ? path : path + "/") + f.dialog.proposedName;
            if (f.namesHull) named.HullFileName = HullNameFromPath(path);
            plan.push_back({f, path});
        }
    }
}

// Every target before the first file is written: not the hull file itself, a folder that exists
// and may be written, no folder or special file in the way, no file the user may not write.
std::optional<std::string> checkTargets(const Desk& desk, const std::vector<Planned>& plan) {
    for (const Planned& p : plan) {
        std::error_code ec;
        if (std::filesystem::equivalent(p.path, desk.hullPath, ec))
            return p.path + ": this is the hull file being exported; it is not overwritten";
        if (auto err = CheckWriteTarget(p.path)) return err;
    }
    return std::nullopt;
}

// Writes the plan in order. A failure now (a full disk, say) stops the writing and names the
// files already written.
int writePlan(Io& io, Desk& desk, const std::vector<Planned>& plan) {
    std::string written;
    for (const Planned& p : plan) {
        const ExportOutcome o = SaveExportFile(p.file, desk.hull, desk.board, p.path);
        if (o.error)
            return Fail(io, o.error->message + (written.empty() ? "; no file was written"
                                                                : "; already written: " + written));
        if (o.hullFileName) desk.hull.HullFileName = *o.hullFileName;
        io.out << p.path << "\n";
        written += (written.empty() ? "" : ", ") + p.path;
    }
    return 0;
}

// The folders `folder` needs that do not exist yet, the deepest first.
std::vector<std::filesystem::path> missingFolders(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> out;
    std::error_code ec;
    for (auto p = folder.lexically_normal(); !p.empty() && !std::filesystem::exists(p, ec);
         p = p.parent_path()) {
        out.push_back(p);
        if (p == p.parent_path()) break;
    }
    return out;
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

    std::vector<Planned> plan;
    Hull renamed = desk.hull;
    planCommands(desk, renamed, named, false, plan);
    std::vector<std::filesystem::path> created;
    if (!opt.all.empty()) {
        Targets everything;
        everything.fill(opt.all);
        planCommands(desk, renamed, everything, true, plan);
        created = missingFolders(opt.all);
        std::error_code ec;
        std::filesystem::create_directories(opt.all, ec);
        if (ec) return Fail(io, opt.all + ": " + ec.message());
    }
    if (auto err = checkTargets(desk, plan)) {
        std::error_code ec;
        for (const auto& folder : created) std::filesystem::remove(folder, ec);
        return Fail(io, *err);
    }
    return writePlan(io, desk, plan);
}

}  // namespace

Action AddExportCommand(CLI::App& app) {
    auto* sub = app.add_subcommand(
        "export",
        "Write the DXF, XYZ and VRML files of the Save menu for a hull data file, as the "
        "drawing board writes them after a redraw; every target is checked before the first "
        "file is written, and each written path is printed on a line");
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
