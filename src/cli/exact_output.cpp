// The exact hydrostatic figures as voriel-cli prints them.
#include "cli/exact_output.h"

#include <cmath>
#include <utility>
#include <vector>

#include "hydro/immersion_texts.h"
#include "text/number_text.h"

namespace voriel::cli {

namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

std::string StatusName(ExactStatus status) {
    switch (status) {
        case ExactStatus::Afloat:
            return "afloat";
        case ExactStatus::Dry:
            return "dry";
        default:
            return "submerged";
    }
}

nlohmann::json ExactJson(const ExactCondition& c) {
    const ExactFigures& f = c.figures;
    nlohmann::json j;
    j["status"] = StatusName(c.status);
    j["z"] = c.waterlineZ;
    j["pitchDeg"] = c.pitch * 180 / kPi;
    j["volume"] = f.volume;
    j["displacementFresh"] = f.displacementFresh;
    j["displacementSea"] = f.displacementSea;
    j["waterlineLength"] = f.waterlineLength;
    j["waterlineBeam"] = f.waterlineBeam;
    j["draft"] = f.draft;
    j["buoyancy"] = {f.buoyancy[0], f.buoyancy[1], f.buoyancy[2]};
    j["waterplaneArea"] = f.waterplaneArea;
    j["LCF"] = f.LCF;
    j["KB"] = f.KB;
    j["BMt"] = f.BMt;
    j["BMl"] = f.BMl;
    j["KMt"] = f.KMt;
    j["KMl"] = f.KMl;
    j["Cb"] = f.Cb;
    j["Cp"] = f.Cp;
    j["Cm"] = f.Cm;
    j["Cwp"] = f.Cwp;
    j["wettedSurface"] = f.wettedSurface;
    j["deckImmersed"] = f.deckImmersed;
    return j;
}

std::string PlainNumber(double v) {
    return nlohmann::json(v).dump();
}

std::string Fixed(double v, int decimals) {
    std::string pattern = decimals > 0 ? "0." + std::string(decimals, '0') : "0";
    return Format(v, pattern);
}

std::string ExactTable(const ExactCondition& c, int language) {
    const bool fr = language == 0;
    const ExactFigures& f = c.figures;
    std::string out = fr ? "Valeurs exactes (surface réelle de la coque) :\n"
                         : "Exact figures (true hull surface):\n";
    if (c.status == ExactStatus::Dry)
        return out + (fr ? "  rien n'est immergé\n" : "  nothing is under water\n");
    // Label, value, unit.
    const std::vector<std::pair<std::string, std::string>> rows = {
        {fr ? "Volume" : "Volume", Fixed(f.volume, 3) + " m3"},
        {fr ? "Déplacement eau douce" : "Displacement, fresh water",
         Fixed(f.displacementFresh, 0) + " kg"},
        {fr ? "Déplacement eau de mer" : "Displacement, sea water",
         Fixed(f.displacementSea, 0) + " kg"},
        {fr ? "Longueur de flottaison" : "Waterline length", Fixed(f.waterlineLength, 3) + " m"},
        {fr ? "Largeur de flottaison" : "Waterline beam", Fixed(f.waterlineBeam, 3) + " m"},
        {fr ? "Tirant d'eau" : "Draft", Fixed(f.draft, 3) + " m"},
        {fr ? "Centre de carène X, Y, Z" : "Centre of buoyancy X, Y, Z",
         Fixed(f.buoyancy[0], 3) + ", " + Fixed(f.buoyancy[1], 3) + ", " + Fixed(f.buoyancy[2], 3) +
             " m"},
        {fr ? "Surface de flottaison" : "Waterplane area", Fixed(f.waterplaneArea, 3) + " m2"},
        {fr ? "Centre de flottaison (LCF)" : "Centre of flotation (LCF)", Fixed(f.LCF, 3) + " m"},
        {"KB", Fixed(f.KB, 3) + " m"},
        {"BMt, BMl", Fixed(f.BMt, 3) + ", " + Fixed(f.BMl, 3) + " m"},
        {"KMt, KMl", Fixed(f.KMt, 3) + ", " + Fixed(f.KMl, 3) + " m"},
        {"Cb, Cp, Cm, Cwp",
         Fixed(f.Cb, 3) + ", " + Fixed(f.Cp, 3) + ", " + Fixed(f.Cm, 3) + ", " + Fixed(f.Cwp, 3)},
        {fr ? "Surface mouillée" : "Wetted surface", Fixed(f.wettedSurface, 3) + " m2"},
    };
    for (const auto& [label, value] : rows) {
        std::string line = "  " + label;
        // Pad by characters, not bytes: the French labels hold accented letters.
        std::size_t width = 0;
        for (const char ch : label)
            if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++width;
        line += std::string(width < 30 ? 30 - width : 1, ' ');
        out += line + value + "\n";
    }
    if (c.status == ExactStatus::Submerged)
        out += fr ? "  ATTENTION : la coque est entièrement sous l'eau\n"
                  : "  WARNING: the whole hull is under water\n";
    else if (f.deckImmersed)
        out += fr ? "  ATTENTION : le livet est immergé\n"
                  : "  WARNING: the deck edge is under water\n";
    return out;
}

std::string HydroText(const Hull& hull, const HydroState& state, const HydroBoxes& boxes,
                      const MassTotals& totals, int16_t language) {
    const bool fr = language == 0;
    std::string out;
    out +=
        std::string(fr ? "Déplacement (m3)" : "Displacement (m3)") + "  " + boxes.Text1[0] + "\n";
    out += std::string(fr ? "Z ligne flottaison (m)" : "Z Waterline (m)") + "  " + boxes.Text1[1] +
           "\n";
    out += std::string(fr ? "Angle de tanguage (deg)" : "Pitch angle (deg)") + "  " + boxes.Text3 +
           "\n";
    out += ImmersionMessage(state.ImmersionLevel, state.Unstable, language) + "\n";
    // The results box shows two blanks when there is nothing sensible to show.
    const std::string results = HydroResultsText(state, language);
    if (results != "  ") out += results + "\n";
    return out + "\n" + ExactTable(ExactBesideWindow(hull, state, totals), language);
}

}  // namespace voriel::cli
