// voriel-cli mass FILE: the mass-budget table after Compute, with boxes typed as NAME=TEXT, and
// with --float the hydrostatics at the total mass.
#include <memory>
#include <vector>

#include "cli/subcommand.h"
#include "hydro/mass_budget.h"
#include "text/number_text.h"

namespace voriel::cli {

namespace {

// An input box of the table: its entry name, its column (1 density, 2 area, 3 mass, 4 X) and row.
struct MassBox {
    std::string name;
    int column;
    int row;
};

std::vector<MassBox> massBoxes() {
    std::vector<MassBox> boxes;
    for (int n = 1; n <= 12; ++n) boxes.push_back({"density." + std::to_string(n), 1, n});
    for (int n = 11; n <= 12; ++n) boxes.push_back({"area." + std::to_string(n), 2, n});
    for (int n = 11; n <= 18; ++n) boxes.push_back({"x." + std::to_string(n), 4, n});
    for (int n = 13; n <= 18; ++n) boxes.push_back({"mass." + std::to_string(n), 3, n});
    return boxes;
}

std::string& boxText(MassTable& t, int column, int row) {
    switch (column) {
        case 1:
            return t.Text1[row];
        case 2:
            return t.Text2[row];
        case 3:
            return t.Text3[row];
        default:
            return t.Text4[row];
    }
}

// "density.3: " for a refused box typed on the command line, nothing for another box.
std::string entryOfBox(const std::string& box) {
    for (const MassBox& b : massBoxes())
        if (box == "Text" + std::to_string(b.column) + "(" + std::to_string(b.row) + ")")
            return b.name + ": ";
    return "";
}

nlohmann::json tableJson(const MassTable& t) {
    nlohmann::json rows = nlohmann::json::array();
    for (int n = 0; n < kMassRows; ++n)
        rows.push_back({{"density", t.Text1[n]},
                        {"area", t.Text2[n]},
                        {"mass", t.Text3[n]},
                        {"x", t.Text4[n]}});
    return rows;
}

struct MassOptions {
    std::string file;
    std::vector<std::string> entries;
    bool floatHull = false;
    std::string lang = "fr";
};

int runMass(Io& io, const CLI::App& sub, const MassOptions& opt) {
    const std::vector<MassBox> boxes = massBoxes();
    std::vector<std::pair<const MassBox*, std::string>> typed;
    for (const std::string& e : opt.entries) {
        const auto eq = e.find('=');
        if (eq == std::string::npos || eq == 0)
            return UsageError(io, sub, "entry \"" + e + "\" is not of the form ROW=TEXT");
        const std::string name = e.substr(0, eq);
        const MassBox* box = nullptr;
        for (const MassBox& b : boxes)
            if (b.name == name) box = &b;
        if (!box) {
            std::string valid;
            for (const MassBox& b : boxes) valid += " " + b.name;
            return UsageError(io, sub, "unknown name \"" + name + "\"; valid names:" + valid);
        }
        typed.emplace_back(box, e.substr(eq + 1));
    }

    Hull hull;
    if (!OpenHullForCommand(io, opt.file, hull)) return kExitFailure;
    MassBudget budget;
    MassTotals totals;
    MassTable table = ActivateMassTable(hull, budget, totals);
    for (const auto& [box, text] : typed) boxText(table, box->column, box->row) = text;
    if (auto err = ComputeMassBudget(hull, budget, table, totals))
        return Fail(io, opt.file + ": " + entryOfBox(err->box) + err->english);

    nlohmann::json doc;
    doc["rows"] = tableJson(table);
    doc["TotalMass"] = totals.TotalMass;
    doc["MassCentreX"] = totals.MassCentreX;
    if (opt.floatHull) {
        // Compute hands the total to the hydrostatics, which floats the hull from LWL / 100.
        HydroState hydro;
        HydroBoxes hydroBoxes{{"", Format(hull.XFwd[0] / 100, "0.000")}, "0.0"};
        HandMassToHydro(totals, hydro, hydroBoxes);
        MassTotals afloat = totals;
        if (auto err = ComputeHydrostatics(hull, hydro, hydroBoxes, afloat))
            return Fail(io, opt.file + ": " + err->english);
        doc["hydro"] = HydroJson(hydro, afloat, opt.lang == "fr" ? 0 : 1);
    }
    PrintJson(io, doc);
    return 0;
}

}  // namespace

Action AddMassCommand(CLI::App& app) {
    std::string names;
    for (const MassBox& b : massBoxes()) names += " " + b.name;
    auto* sub = app.add_subcommand(
        "mass",
        "Print the mass-budget table of the hull of a .D50/.D51 file after Compute, with input "
        "boxes typed as ROW=TEXT (\"density.3=6,5\"; the other boxes keep what the window shows "
        "on opening)");
    sub->footer("Names:" + names);
    auto opt = std::make_shared<MassOptions>();
    sub->add_option("FILE", opt->file, "hull data file (.D50 or .D51)")->required();
    sub->add_option("ROW=TEXT", opt->entries, "input boxes, as typed");
    sub->add_flag("--float", opt->floatHull,
                  "float the hull at the total mass and trim it over the centre of gravity");
    sub->add_option("--lang", opt->lang, "language of the hydrostatic texts: fr (default), en")
        ->check(CLI::IsMember({"fr", "en"}));
    return [opt, sub](Io& io) { return runMass(io, *sub, *opt); };
}

}  // namespace voriel::cli
