// What every voriel-cli subcommand shares: its streams and how it registers itself.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/commands.h"
#include "hull/hull.h"
#include "hydro/hydrostatics.h"

namespace voriel::cli {

struct Io {
    std::ostream& out;
    std::ostream& err;
};

// The work of a subcommand, run once the command line is parsed; returns the exit status.
using Action = std::function<int(Io&)>;

// Each adds its subcommand (with its options) to app and returns the action to run when chosen.
Action AddCurvesCommand(CLI::App& app);
Action AddDesignCommand(CLI::App& app);
Action AddDrawCommand(CLI::App& app);
Action AddDumpCommand(CLI::App& app);
Action AddExportCommand(CLI::App& app);
Action AddHydroCommand(CLI::App& app);
Action AddMassCommand(CLI::App& app);
Action AddPrintCommand(CLI::App& app);
Action AddStabilityCommand(CLI::App& app);
Action AddTemplatesCommand(CLI::App& app);

// The message as one line of reasonable length: control characters escaped, every quotation
// ("...") cut to kMaxQuotedChars characters with "…".
std::string MessageLine(const std::string& message);

// Prints one line "voriel-cli: message" (MessageLine) on err and returns kExitFailure.
int Fail(Io& io, const std::string& message);

// Prints the message and the subcommand's usage text on err and returns kExitUsage.
int UsageError(Io& io, const CLI::App& sub, const std::string& message);

// Reads a hull data file as the Open command does, starting from the default hull; on failure
// prints the reason and returns false.
bool OpenHullForCommand(Io& io, const std::string& path, Hull& hull);

// Prints a JSON document on out, one object, indented.
void PrintJson(Io& io, const nlohmann::json& doc);

// The hydrostatic results as voriel-cli hydro prints them (language 0 French, else English).
nlohmann::json HydroJson(const HydroState& state, const MassTotals& totals, int16_t language);

// A command-line number (a decimal comma accepted), the whole text; false when it is not one.
bool ReadPlainNumber(const std::string& text, double& value);

// Today's date from the local clock, as the printed headers show it ("2024-05-17").
std::string today();

}  // namespace voriel::cli
