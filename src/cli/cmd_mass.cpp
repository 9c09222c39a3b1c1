// voriel-cli mass FILE: the mass-budget table after Compute, with boxes typed as NAME=TEXT, and
// with --float the hydrostatics at the total mass.
#include <memory>
#include <vector>

#include "cli/exact_output.h"
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
    bool json = false;
    std::string lang = "fr";
};

// The window's row labels, rows 0..18, English then French.
constexpr const char* kRowLabels[kMassRows][2] = {
    {"Total", "Total"},
    {"Bottom", "Fond"},
    {"First side plank", "Premier bordé"},
    {"Second side plank", "Deuxième bordé"},
    {"third side plank", "Troisème bordé"},
    {"Transom plate", "Tableau arrière"},
    {"Pram bow plate", "Marotte"},
    {"Floor 1", "Plancher 1"},
    {"Deck 2", "Pont 2"},
    {"Deck 3", "Pont 3"},
    {"Deck 4", "Pont 4"},
    {"Bulkhead 1", "Cloison 1"},
    {"Bulkhead 2", "Cloison 2"},
    {"Engine", "Moteur"},
    {"Ballast", "Lest"},
    {"Passengers", "Passagers"},
    {"Equipment 1", "Materiel 1"},
    {"Equipment 2", "Materiel 2"},
    {"Equipment 3", "Matériel 3"},
};

// Characters, not bytes: the French labels hold accented letters.
std::size_t textWidth(const std::string& text) {
    std::size_t n = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string padLeft(const std::string& text, std::size_t width) {
    const std::size_t n = textWidth(text);
    return std::string(n < width ? width - n : 0, ' ') + text;
}

// The table as the window shows it: the four columns of rows 1..18, then the totals.
std::string tableText(const MassTable& t, bool french) {
    const char* headers[] = {french ? "Densité (kg/m2)" : "Panel density (kg/m2)",
                             french ? "Surface (m2)" : "Area (m2)",
                             french ? "Masse (kg)" : "Mass (kg)",
                             french ? "Centre de masse X (m)" : "Centre of mass X (m)"};
    const std::size_t labelWidth = 20, width = 23;
    std::string out = std::string(labelWidth, ' ');
    for (const char* h : headers) out += padLeft(h, width);
    out += "\n";
    for (int k = 1; k <= kMassRows; ++k) {
        const int n = k % kMassRows;  // rows 1..18, then row 0
        const std::string label = kRowLabels[n][french ? 1 : 0];
        std::string line = label + std::string(labelWidth - textWidth(label), ' ');
        for (const std::string* col : {&t.Text1[n], &t.Text2[n], &t.Text3[n], &t.Text4[n]})
            line += padLeft(*col, width);
        out += line + "\n";
    }
    return out;
}

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

    const int16_t language = opt.lang == "fr" ? 0 : 1;
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
        if (!opt.json) {
            io.out << tableText(table, language == 0) << "\n"
                   << HydroText(hull, hydro, hydroBoxes, afloat, language);
            return 0;
        }
        doc["hydro"] = HydroJson(hydro, afloat, language);
    }
    if (!opt.json) {
        io.out << tableText(table, language == 0);
        return 0;
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
        "Print the mass-budget table of the hull of a .D50/.D51 file after Compute (as the window "
        "shows it, or as JSON with --json), with input "
        "boxes typed as ROW=TEXT (\"density.3=6,5\"; the other boxes keep what the window shows "
        "on opening)");
    sub->footer("Names:" + names);
    auto opt = std::make_shared<MassOptions>();
    sub->add_option("FILE", opt->file, "hull data file (.D50 or .D51)")->required();
    sub->add_option("ROW=TEXT", opt->entries, "input boxes, as typed");
    sub->add_flag("--float", opt->floatHull,
                  "float the hull at the total mass and trim it over the centre of gravity");
    sub->add_flag("--json", opt->json, "print JSON");
    sub->add_option("--lang", opt->lang, "language of the table and texts: fr (default), en")
        ->check(CLI::IsMember({"fr", "en"}));
    return [opt, sub](Io& io) { return runMass(io, *sub, *opt); };
}

}  // namespace voriel::cli
