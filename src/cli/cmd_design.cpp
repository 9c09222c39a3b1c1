// voriel-cli design: the default hull with the named boxes of both definition screens replaced.
#include <algorithm>
#include <memory>
#include <vector>

#include "cli/dump.h"
#include "cli/subcommand.h"
#include "files/message_text.h"
#include "hull/definition_screens.h"
#include "hull/hull_data_file.h"

namespace voriel::cli {

namespace {

// Box names of the chine-1 screen: Text1(0..6), then Text2(0..7).
const char* const kChine1Names[] = {"lwl",
                                    "max-beam-position",
                                    "half-max-beam",
                                    "half-width-forward",
                                    "half-width-aft",
                                    "power-forward",
                                    "power-aft",
                                    "height-forward",
                                    "height-aft",
                                    "s-shape-aft",
                                    "deadrise",
                                    "keel-advance",
                                    "stem-inclination",
                                    "transom-inclination",
                                    "s-shape-forward"};
const char* const kColumnNames[] = {"chine2", "chine3", "sheer"};
const char* const kRowNames[] = {"height-forward", "height-max-beam", "height-aft",
                                 "plank-inclination"};
const char* const kCheckNames[] = {"stem-turned-in-2", "stem-turned-in-3", "transom-turned-in-2",
                                   "transom-turned-in-3"};

std::string* chine1Box(Chine1Screen& s, const std::string& name) {
    for (std::size_t i = 0; i < std::size(kChine1Names); ++i)
        if (name == kChine1Names[i]) return i < 7 ? &s.Text1[i] : &s.Text2[i - 7];
    return nullptr;
}

std::string* chines23Box(Chines23Screen& s, const std::string& name) {
    for (std::size_t c = 0; c < 3; ++c)
        for (std::size_t r = 0; r < 4; ++r)
            if (name == std::string(kColumnNames[c]) + "." + kRowNames[r]) return &s.Columns[c][r];
    return nullptr;
}

int checkIndex(const std::string& name) {
    for (int k = 0; k < 4; ++k)
        if (name == kCheckNames[k]) return k;
    return -1;
}

std::string validNames() {
    std::string out;
    for (const char* n : kChine1Names) out += std::string(" ") + n;
    for (const char* c : kColumnNames)
        for (const char* r : kRowNames) out += std::string(" ") + c + "." + r;
    for (const char* n : kCheckNames) out += std::string(" ") + n;
    return out;
}

struct Entry {
    std::string name, text;
};

struct DesignOptions {
    std::vector<std::string> entries;
    std::string output;
    CLI::Option* outputOption = nullptr;
    bool force = false;
    bool json = false;
};

// Saves as -o asks: the file written is named on err (out stays the JSON dump alone); a file the
// user did not name (the name cut before its first ".", .D50 added) is replaced only with --force.
int saveHull(Io& io, Hull& hull, const DesignOptions& opt) {
    const SaveTarget target = HullDataSaveTarget(opt.output);
    if (!target.error.empty()) return Fail(io, target.error);
    if (target.replacesOther && !opt.force)
        return Fail(io, opt.output + ": the hull would be saved as " + target.path +
                            ", which exists and is not the file named; give --force to replace it");
    if (auto err = SaveHullData(hull, opt.output)) return Fail(io, *err);
    io.err << "voriel-cli: saved " << EscapeControls(target.path) << "\n";
    return 0;
}

int runDesign(Io& io, const CLI::App& sub, const DesignOptions& opt) {
    std::vector<Entry> entries;
    for (const std::string& e : opt.entries) {
        const auto eq = e.find('=');
        if (eq == std::string::npos || eq == 0)
            return UsageError(io, sub, "entry \"" + e + "\" is not of the form NAME=TEXT");
        Entry entry{e.substr(0, eq), e.substr(eq + 1)};
        Chine1Screen probe1;
        Chines23Screen probe2;
        const int check = checkIndex(entry.name);
        if (!chine1Box(probe1, entry.name) && !chines23Box(probe2, entry.name) && check < 0)
            return UsageError(io, sub,
                              "unknown name \"" + entry.name + "\"; valid names:" + validNames());
        if (check >= 0 && entry.text != "0" && entry.text != "1")
            return UsageError(
                io, sub,
                entry.name + " takes 1 (ticked) or 0 (cleared), not \"" + entry.text + "\"");
        entries.push_back(entry);
    }

    Hull hull;
    SetDefaultHull(hull);
    Chine1Screen screen1 = FillChine1Screen(hull);
    for (const Entry& e : entries)
        if (std::string* box = chine1Box(screen1, e.name)) *box = e.text;
    if (auto err = ValidateChine1Screen(hull, screen1)) return Fail(io, err->english);

    Chines23Screen screen2 = FillChines23Screen(hull);
    for (const Entry& e : entries) {
        if (std::string* box = chines23Box(screen2, e.name)) *box = e.text;
        const int check = checkIndex(e.name);
        if (check >= 0) ClickTurnIn(hull, screen2, check < 2, 2 + check % 2, e.text == "1");
    }
    if (auto err = ValidateChines23Screen(hull, screen2)) return Fail(io, err->english);

    if (opt.outputOption->count() > 0) {
        if (const int status = saveHull(io, hull, opt)) return status;
    }
    if (opt.json) PrintJson(io, DumpHull(hull));
    return 0;
}

}  // namespace

Action AddDesignCommand(CLI::App& app) {
    auto* sub = app.add_subcommand(
        "design",
        "Validate the default hull with the named boxes of both definition screens replaced "
        "(NAME=TEXT, as typed: \"lwl=6,5\")");
    sub->footer("Names:" + validNames());
    auto opt = std::make_shared<DesignOptions>();
    sub->add_option("NAME=TEXT", opt->entries, "box entries, applied in the order given");
    opt->outputOption = sub->add_option(
        "-o,--output", opt->output,
        "write the hull data file: the name cut before its first \".\", extension .D50; the path "
        "written is printed on stderr");
    sub->add_flag("--force", opt->force,
                  "replace an existing file that -o did not name exactly (\"boat\" writes "
                  "boat.D50)");
    sub->add_flag("--json", opt->json, "print the dump");
    return [opt, sub](Io& io) { return runDesign(io, *sub, *opt); };
}

}  // namespace voriel::cli
