// The subcommands of voriel-cli.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace voriel::cli {

// Exit statuses: 0 done, 1 failed (a clear line on stderr, nothing written), 2 wrong usage.
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Runs the command line args (without the program name), writing to out and err.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int Run(int argc, char** argv);

}  // namespace voriel::cli
