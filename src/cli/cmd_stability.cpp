// voriel-cli stability FILE --displacement V: the cross curves KN of the true hull heeled from 0
// to 90 degrees, and with --kg the GZ curve with its angles and areas.
#include <memory>
#include <string>

#include "cli/exact_output.h"
#include "cli/subcommand.h"
#include "hydro/stability.h"

namespace voriel::cli {

namespace {

struct StabilityOptions {
    std::string file;
    std::string displacement, kg;
    CLI::Option* kgOption = nullptr;
    bool json = false, csv = false;
    std::string lang = "fr";
};

nlohmann::json stabilityJson(const ExactHull& exact, const CrossCurves& cross, const GzCurve* gz) {
    nlohmann::json doc;
    doc["volume"] = cross.volume;
    doc["pitchDeg"] = 0.0;
    doc["keelZ"] = exact.keelZ;
    doc["points"] = nlohmann::json::array();
    for (std::size_t i = 0; i < cross.points.size(); ++i) {
        const HeelPoint& p = cross.points[i];
        nlohmann::json j{{"heel", p.heelDeg},
                         {"status", StatusName(p.status)},
                         {"KN", p.KN},
                         {"buoyancy", {p.buoyancy[0], p.buoyancy[1], p.buoyancy[2]}},
                         {"deckImmersed", p.deckImmersed}};
        if (gz) j["GZ"] = gz->GZ[i];
        doc["points"].push_back(j);
    }
    if (gz) {
        doc["KG"] = gz->KG;
        doc["maxGZ"] = gz->maxGZ;
        doc["angleOfMaxGZ"] = gz->angleOfMaxGZ;
        doc["vanishingAngle"] =
            gz->vanishingAngle ? nlohmann::json(*gz->vanishingAngle) : nlohmann::json(nullptr);
        doc["area30"] = gz->area30;
        doc["area40"] = gz->area40;
    }
    return doc;
}

void printCsv(Io& io, const CrossCurves& cross, const GzCurve* gz) {
    io.out << "heel,KN" << (gz ? ",GZ" : "") << ",deckImmersed\n";
    for (std::size_t i = 0; i < cross.points.size(); ++i) {
        const HeelPoint& p = cross.points[i];
        io.out << PlainNumber(p.heelDeg) << "," << PlainNumber(p.KN);
        if (gz) io.out << "," << PlainNumber(gz->GZ[i]);
        io.out << "," << (p.deckImmersed ? "true" : "false") << "\n";
    }
}

void printTable(Io& io, const CrossCurves& cross, const GzCurve* gz, bool fr) {
    io.out << (fr ? "Stabilité, déplacement " : "Stability, displacement ")
           << Fixed(cross.volume, 3) << " m3, " << (fr ? "assiette nulle" : "level trim")
           << (gz ? ", KG " + Fixed(gz->KG, 3) + " m" : "") << "\n";
    io.out << (fr ? " gîte deg   KN m" : " heel deg   KN m") << (gz ? "     GZ m" : "") << "\n";
    for (std::size_t i = 0; i < cross.points.size(); ++i) {
        const HeelPoint& p = cross.points[i];
        std::string line = Fixed(p.heelDeg, 0);
        line = std::string(9 - line.size(), ' ') + line;
        const std::string kn = Fixed(p.KN, 3);
        line += std::string(8 - std::min<std::size_t>(7, kn.size()), ' ') + kn;
        if (gz) {
            const std::string g = Fixed(gz->GZ[i], 3);
            line += std::string(9 - std::min<std::size_t>(8, g.size()), ' ') + g;
        }
        if (p.deckImmersed) line += fr ? "  livet immergé" : "  deck edge under water";
        io.out << line << "\n";
    }
    if (!gz) return;
    io.out << (fr ? "GZ maximal " : "Maximum GZ ") << Fixed(gz->maxGZ, 3) << " m "
           << (fr ? "à " : "at ") << Fixed(gz->angleOfMaxGZ, 1) << " deg\n";
    io.out << (fr ? "Angle de chavirement " : "Angle of vanishing stability ")
           << (gz->vanishingAngle ? Fixed(*gz->vanishingAngle, 1) + " deg"
                                  : (fr ? "au-delà de 90 deg" : "beyond 90 deg"))
           << "\n";
    io.out << (fr ? "Aire sous GZ jusqu'à 30 deg " : "Area under GZ up to 30 deg ")
           << Fixed(gz->area30, 4) << " m.rad, " << (fr ? "jusqu'à 40 deg " : "up to 40 deg ")
           << Fixed(gz->area40, 4) << " m.rad\n";
}

int runStability(Io& io, const CLI::App& sub, const StabilityOptions& opt) {
    double volume = 0, kg = 0;
    if (!ReadPlainNumber(opt.displacement, volume) || !(volume > 0))
        return UsageError(
            io, sub,
            "--displacement takes a volume above 0 (m3), not \"" + opt.displacement + "\"");
    const bool withKg = opt.kgOption->count() > 0;
    if (withKg && !ReadPlainNumber(opt.kg, kg))
        return UsageError(io, sub, "--kg takes a height (m), not \"" + opt.kg + "\"");

    Hull hull;
    if (!OpenHullForCommand(io, opt.file, hull)) return kExitFailure;
    const ExactHull exact = BuildExactHull(hull);
    const ExactCondition upright = ExactAtDisplacement(exact, volume, 0.0);
    if (upright.status == ExactStatus::Submerged)
        return Fail(io, opt.file + ": the hull holds at most " +
                            Fixed(Immerse(exact, {upright.waterlineZ, 0, 0}).volume, 3) +
                            " m3 below its deck; it sinks under " + Fixed(volume, 3) + " m3");
    const CrossCurves cross = ComputeCrossCurves(exact, volume, 0.0);
    GzCurve gz;
    if (withKg) gz = ComputeGz(exact, cross, kg);
    const GzCurve* g = withKg ? &gz : nullptr;
    if (opt.json)
        PrintJson(io, stabilityJson(exact, cross, g));
    else if (opt.csv)
        printCsv(io, cross, g);
    else
        printTable(io, cross, g, opt.lang == "fr");
    return 0;
}

}  // namespace

Action AddStabilityCommand(CLI::App& app) {
    auto* sub = app.add_subcommand(
        "stability",
        "Stability of the hull of a .D50/.D51 file from its true surface: the cross curves KN "
        "from 0 to 90 degrees of heel in steps of 5 at a displacement, level trim, K the lowest "
        "point of the hull; with --kg the GZ curve, its greatest value, the angle of vanishing "
        "stability and the areas under it up to 30 and 40 degrees. The deck is closed at sheer "
        "height: an immersed deck edge is shown");
    auto opt = std::make_shared<StabilityOptions>();
    sub->add_option("FILE", opt->file, "hull data file (.D50 or .D51)")->required();
    sub->add_option("--displacement", opt->displacement, "displacement volume, m3")->required();
    opt->kgOption = sub->add_option("--kg", opt->kg, "height of the centre of gravity above K, m");
    auto* json = sub->add_flag("--json", opt->json, "print JSON");
    sub->add_flag("--csv", opt->csv, "print CSV, one line per angle")->excludes(json);
    sub->add_option("--lang", opt->lang, "language of the table: fr (default), en")
        ->check(CLI::IsMember({"fr", "en"}));
    return [opt, sub](Io& io) { return runStability(io, *sub, *opt); };
}

}  // namespace voriel::cli
