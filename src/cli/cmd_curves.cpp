// voriel-cli curves FILE: the curves of form of the true hull at level trim, for a person, as
// JSON or as CSV.
#include <memory>
#include <string>
#include <vector>

#include "cli/exact_output.h"
#include "cli/subcommand.h"
#include "hydro/curves_of_form.h"

namespace voriel::cli {

namespace {

struct CurvesOptions {
    std::string file;
    int levels = 20;
    bool json = false, csv = false;
    std::string lang = "fr";
};

// One column of the table: its CSV name, a person's header, decimals and value.
struct Column {
    const char* name;
    const char* header;
    int decimals;
    double (*value)(const FormLevel&);
};

constexpr Column kColumns[] = {
    {"z", "z m", 3, [](const FormLevel& l) { return l.z; }},
    {"draft", "T m", 3, [](const FormLevel& l) { return l.figures.draft; }},
    {"volume", "V m3", 3, [](const FormLevel& l) { return l.figures.volume; }},
    {"displacementFresh", "kg", 0, [](const FormLevel& l) { return l.figures.displacementFresh; }},
    {"displacementSea", "kg sea", 0, [](const FormLevel& l) { return l.figures.displacementSea; }},
    {"waterlineLength", "LWL m", 3, [](const FormLevel& l) { return l.figures.waterlineLength; }},
    {"waterlineBeam", "BWL m", 3, [](const FormLevel& l) { return l.figures.waterlineBeam; }},
    {"buoyancyX", "XB m", 3, [](const FormLevel& l) { return l.figures.buoyancy[0]; }},
    {"buoyancyZ", "ZB m", 3, [](const FormLevel& l) { return l.figures.buoyancy[2]; }},
    {"waterplaneArea", "Awp m2", 3, [](const FormLevel& l) { return l.figures.waterplaneArea; }},
    {"LCF", "LCF m", 3, [](const FormLevel& l) { return l.figures.LCF; }},
    {"KB", "KB m", 3, [](const FormLevel& l) { return l.figures.KB; }},
    {"BMt", "BMt m", 3, [](const FormLevel& l) { return l.figures.BMt; }},
    {"BMl", "BMl m", 2, [](const FormLevel& l) { return l.figures.BMl; }},
    {"KMt", "KMt m", 3, [](const FormLevel& l) { return l.figures.KMt; }},
    {"KMl", "KMl m", 2, [](const FormLevel& l) { return l.figures.KMl; }},
    {"Cb", "Cb", 3, [](const FormLevel& l) { return l.figures.Cb; }},
    {"Cp", "Cp", 3, [](const FormLevel& l) { return l.figures.Cp; }},
    {"Cm", "Cm", 3, [](const FormLevel& l) { return l.figures.Cm; }},
    {"Cwp", "Cwp", 3, [](const FormLevel& l) { return l.figures.Cwp; }},
    {"wettedSurface", "S m2", 3, [](const FormLevel& l) { return l.figures.wettedSurface; }},
    {"TPC", "TPC t/cm", 4, [](const FormLevel& l) { return l.TPC; }},
    {"MCT", "MCT t.m/cm", 4, [](const FormLevel& l) { return l.MCT; }},
};
constexpr std::size_t kColumnCount = sizeof(kColumns) / sizeof(kColumns[0]);

void printTable(Io& io, const std::vector<FormLevel>& levels, bool french) {
    io.out << (french ? "Courbes de carène, assiette nulle (TPC et MCT en eau douce)\n"
                      : "Curves of form, level trim (TPC and MCT in fresh water)\n");
    std::vector<std::vector<std::string>> cells(levels.size() + 1);
    for (const Column& c : kColumns) cells[0].push_back(c.header);
    for (std::size_t i = 0; i < levels.size(); ++i)
        for (const Column& c : kColumns)
            cells[i + 1].push_back(Fixed(c.value(levels[i]), c.decimals));
    for (std::size_t k = 0; k < kColumnCount; ++k) {
        std::size_t width = 0;
        for (const auto& row : cells) width = std::max(width, row[k].size());
        for (auto& row : cells) row[k] = std::string(width + 1 - row[k].size(), ' ') + row[k];
    }
    for (std::size_t i = 0; i < cells.size(); ++i) {
        std::string line;
        for (const std::string& cell : cells[i]) line += cell;
        if (i > 0 && levels[i - 1].figures.deckImmersed)
            line += french ? "  livet immergé" : "  deck edge under water";
        io.out << line << "\n";
    }
}

int runCurves(Io& io, const CurvesOptions& opt) {
    Hull hull;
    if (!OpenHullForCommand(io, opt.file, hull)) return kExitFailure;
    const ExactHull exact = BuildExactHull(hull);
    const std::vector<FormLevel> levels = ComputeCurvesOfForm(exact, opt.levels);
    if (opt.json) {
        nlohmann::json doc;
        doc["keelZ"] = exact.keelZ;
        doc["sheerZ"] = LowestSheerZ(exact);
        doc["levels"] = nlohmann::json::array();
        for (const FormLevel& l : levels) {
            nlohmann::json j = ExactJson({l.status, l.z, 0.0, l.figures});
            j["TPC"] = l.TPC;
            j["MCT"] = l.MCT;
            doc["levels"].push_back(j);
        }
        PrintJson(io, doc);
    } else if (opt.csv) {
        std::string header;
        for (const Column& c : kColumns) header += std::string(header.empty() ? "" : ",") + c.name;
        io.out << header << ",deckImmersed\n";
        for (const FormLevel& l : levels) {
            std::string line;
            for (const Column& c : kColumns)
                line += (line.empty() ? "" : ",") + PlainNumber(c.value(l));
            io.out << line << "," << (l.figures.deckImmersed ? "true" : "false") << "\n";
        }
    } else {
        printTable(io, levels, opt.lang == "fr");
    }
    return 0;
}

}  // namespace

Action AddCurvesCommand(CLI::App& app) {
    auto* sub = app.add_subcommand(
        "curves",
        "Curves of form of the hull of a .D50/.D51 file, from its true surface: the exact "
        "hydrostatic figures at level trim for evenly spaced waterlines from just above the keel "
        "to the lowest point of the deck edge, with TPC and MCT (fresh water)");
    auto opt = std::make_shared<CurvesOptions>();
    sub->add_option("FILE", opt->file, "hull data file (.D50 or .D51)")->required();
    sub->add_option("--levels", opt->levels, "number of waterlines (default 20)")
        ->check(CLI::Range(1, 1000));
    auto* json = sub->add_flag("--json", opt->json, "print JSON");
    sub->add_flag("--csv", opt->csv, "print CSV, one line per waterline")->excludes(json);
    sub->add_option("--lang", opt->lang, "language of the table's title: fr (default), en")
        ->check(CLI::IsMember({"fr", "en"}));
    return [opt](Io& io) { return runCurves(io, *opt); };
}

}  // namespace voriel::cli
