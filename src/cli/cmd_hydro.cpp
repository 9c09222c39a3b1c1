// voriel-cli hydro FILE: floats the hull at a waterline, or finds its waterline and trim for a
// displacement, as the hydrostatics window computes them.
#include <cmath>
#include <memory>

#include "cli/exact_output.h"
#include "cli/subcommand.h"
#include "hydro/exact_hydrostatics.h"
#include "hydro/hydrostatics.h"
#include "hydro/immersion_texts.h"
#include "text/number_text.h"

namespace voriel::cli {

namespace {

struct HydroOptions {
    std::string file;
    std::string lang = "fr";
    std::string waterline, displacement, pitch = "0", massCentre;
    bool json = false;
    CLI::Option* waterlineOption = nullptr;
    CLI::Option* displacementOption = nullptr;
    CLI::Option* massCentreOption = nullptr;
};

nlohmann::json stations(const StationValues& values) {
    nlohmann::json out = nlohmann::json::array();
    for (double v : values) out.push_back(v);
    return out;
}

// "--pitch: " for a refused box typed through an option, nothing when no box is to blame.
std::string optionOfBox(const std::string& box) {
    if (box == "Text1(0)") return "--displacement: ";
    if (box == "Text1(1)") return "--waterline: ";
    if (box == "Text3(0)") return "--pitch: ";
    return "";
}

int runHydro(Io& io, const CLI::App& sub, const HydroOptions& opt) {
    const bool mode0 = opt.displacementOption->count() > 0;
    if (!mode0 && opt.waterlineOption->count() == 0)
        return UsageError(io, sub, "give --waterline (waterline mode) or --displacement");
    if (!mode0 && opt.massCentreOption->count() > 0)
        return UsageError(io, sub, "--mass-centre goes with --displacement");
    MassTotals totals;
    if (opt.massCentreOption->count() > 0 && !ReadPlainNumber(opt.massCentre, totals.MassCentreX))
        return UsageError(io, sub, "--mass-centre takes a number, not \"" + opt.massCentre + "\"");

    Hull hull;
    if (!OpenHullForCommand(io, opt.file, hull)) return kExitFailure;
    HydroState state;
    HydroBoxes boxes;
    state.HydroMode = mode0 ? 0 : 1;
    boxes.Text1[0] = opt.displacement;
    // In the displacement mode the waterline box holds the height the search starts from.
    boxes.Text1[1] =
        opt.waterlineOption->count() > 0 ? opt.waterline : Format(hull.XFwd[0] / 100, "0.000");
    boxes.Text3 = opt.pitch;
    if (auto err = ComputeHydrostatics(hull, state, boxes, totals))
        return Fail(io, opt.file + ": " + optionOfBox(err->box) + err->english);
    const int16_t language = opt.lang == "fr" ? 0 : 1;
    if (!opt.json) {
        io.out << HydroText(hull, state, boxes, totals, language);
        return 0;
    }
    nlohmann::json doc = HydroJson(state, totals, language);
    doc["exact"] = ExactJson(ExactBesideWindow(hull, state, totals));
    PrintJson(io, doc);
    return 0;
}

}  // namespace

bool ReadPlainNumber(const std::string& text, double& value) {
    const std::string fixed = CommaToPoint(text);
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t i = 0, n = fixed.size();
    while (i < n && fixed[i] == ' ') ++i;
    if (i < n && (fixed[i] == '+' || fixed[i] == '-')) ++i;
    int digits = 0;
    while (i < n && isDigit(fixed[i])) ++i, ++digits;
    if (i < n && fixed[i] == '.') ++i;
    while (i < n && isDigit(fixed[i])) ++i, ++digits;
    if (digits == 0) return false;
    if (i < n && (fixed[i] == 'e' || fixed[i] == 'E')) {
        ++i;
        if (i < n && (fixed[i] == '+' || fixed[i] == '-')) ++i;
        if (i == n || !isDigit(fixed[i])) return false;
        while (i < n && isDigit(fixed[i])) ++i;
    }
    while (i < n && fixed[i] == ' ') ++i;
    if (i != n) return false;
    value = Val(fixed);
    return std::isfinite(value);
}

nlohmann::json HydroJson(const HydroState& s, const MassTotals& totals, int16_t language) {
    nlohmann::json j;
    j["volume"] = s.Volume;
    j["z"] = s.WaterlineZ;
    j["pitchDeg"] = s.PitchAngle * 180 / kHydroPi;
    j["waterplaneArea"] = s.WaterplaneArea;
    j["buoyancy"] = {s.BuoyancyX, s.BuoyancyY, s.BuoyancyZ};
    j["level"] = s.ImmersionLevel;
    j["message"] = ImmersionMessage(s.ImmersionLevel, s.Unstable, language);
    j["results"] = HydroResultsText(s, language);
    j["TotalMass"] = totals.TotalMass;
    j["WaterZ"] = stations(s.WaterZ);
    j["WaterX"] = stations(s.WaterX);
    j["WaterHalfBreadth"] = stations(s.WaterHalfBreadth);
    j["SectionArea"] = stations(s.SectionArea);
    return j;
}

Action AddHydroCommand(CLI::App& app) {
    auto* sub = app.add_subcommand(
        "hydro",
        "Float the hull of a .D50/.D51 file: the volume at a waterline height (--waterline), or "
        "the waterline height for a displacement (--displacement), trimmed over --mass-centre. "
        "TEXT is read as the window's box reads it (\"0,25\" is 0.25; no number reads as 0). "
        "Prints the window's results and diagnosis, then the exact figures of the true hull "
        "surface; --json prints them as JSON, the exact figures under \"exact\"");
    auto opt = std::make_shared<HydroOptions>();
    sub->add_option("FILE", opt->file, "hull data file (.D50 or .D51)")->required();
    sub->add_option("--lang", opt->lang, "language of the message and results: fr (default), en")
        ->check(CLI::IsMember({"fr", "en"}));
    opt->waterlineOption = sub->add_option(
        "--waterline", opt->waterline,
        "waterline height at the transom, m (with --displacement: the height to start from, "
        "default LWL / 100)");
    opt->displacementOption =
        sub->add_option("--displacement", opt->displacement, "displacement volume, m3");
    sub->add_option("--pitch", opt->pitch, "pitch angle, degrees, bow down positive (default 0)");
    sub->add_flag("--json", opt->json, "print JSON");
    opt->massCentreOption =
        sub->add_option("--mass-centre", opt->massCentre,
                        "X of the centre of gravity, m from the transom: trims the hull over it");
    return [opt, sub](Io& io) { return runHydro(io, *sub, *opt); };
}

}  // namespace voriel::cli
