// voriel-cli dump FILE: reads a hull data file as the Open command does and prints the dump.
#include <memory>

#include "cli/dump.h"
#include "cli/subcommand.h"

namespace voriel::cli {

Action AddDumpCommand(CLI::App& app) {
    auto* sub = app.add_subcommand("dump", "Read a .D50 or .D51 hull data file and print the dump");
    auto file = std::make_shared<std::string>();
    sub->add_option("FILE", *file, "hull data file (.D50 or .D51)")->required();
    return [file](Io& io) {
        Hull hull;
        if (!OpenHullForCommand(io, *file, hull)) return kExitFailure;
        PrintJson(io, DumpHull(hull));
        return 0;
    };
}

}  // namespace voriel::cli
