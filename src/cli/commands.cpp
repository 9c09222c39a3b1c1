// voriel-cli: command-line parsing and dispatch to the subcommands.
#include "cli/commands.h"

#include <exception>
#include <iostream>
#include <utility>

#include "cli/subcommand.h"
#include "files/message_text.h"
#include "hull/hull_data_file.h"

namespace voriel::cli {

std::string MessageLine(const std::string& message) {
    // Every quotation is cut to its longest, whoever wrote it; the core cuts its own the same way,
    // so cutting again changes nothing.
    std::string out;
    std::size_t pos = 0;
    while (pos < message.size()) {
        const auto open = message.find('"', pos);
        const auto close = open == std::string::npos ? open : message.find('"', open + 1);
        if (close == std::string::npos) {
            out += message.substr(pos);
            break;
        }
        out += message.substr(pos, open - pos);
        out += QuoteForMessage(message.substr(open + 1, close - open - 1));
        pos = close + 1;
    }
    return EscapeControls(out);
}

int Fail(Io& io, const std::string& message) {
    io.err << "voriel-cli: " << MessageLine(message) << "\n";
    return kExitFailure;
}

int UsageError(Io& io, const CLI::App& sub, const std::string& message) {
    io.err << "voriel-cli: " << message << "\n\n" << sub.help();
    return kExitUsage;
}

bool OpenHullForCommand(Io& io, const std::string& path, Hull& hull) {
    SetDefaultHull(hull);
    HullReadResult result = OpenHullData(path, hull);
    if (!result.hull) {
        Fail(io, result.error);
        return false;
    }
    hull = std::move(*result.hull);
    return true;
}

void PrintJson(Io& io, const nlohmann::json& doc) {
    // A file name need not be UTF-8: replace what is not rather than fail.
    io.out << doc.dump(1, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Io io{out, err};
    CLI::App app{"voriel-cli: the batch companion of Voriel 2000, the hard-chine hull designer.",
                 "voriel-cli"};
    app.require_subcommand(1);
    const std::pair<const char*, Action> commands[] = {
        {"design", AddDesignCommand(app)}, {"dump", AddDumpCommand(app)},
        {"export", AddExportCommand(app)}, {"hydro", AddHydroCommand(app)},
        {"mass", AddMassCommand(app)},     {"print", AddPrintCommand(app)},
        {"curves", AddCurvesCommand(app)}, {"stability", AddStabilityCommand(app)},
        {"draw", AddDrawCommand(app)},     {"templates", AddTemplatesCommand(app)},
    };
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        const auto subs = app.get_subcommands();
        out << (subs.empty() ? app.help() : subs.front()->help());
        return 0;
    } catch (const CLI::ParseError& e) {
        const auto subs = app.get_subcommands();
        err << "voriel-cli: " << e.what() << "\n\n"
            << (subs.empty() ? app.help() : subs.front()->help());
        return kExitUsage;
    }
    for (const auto& [name, action] : commands) {
        if (!app.got_subcommand(name)) continue;
        try {
            return action(io);
        } catch (const std::exception& e) {  // out of memory, say: still one line and status 1
            return Fail(io, std::string(name) + ": " + e.what());
        }
    }
    return UsageError(io, app, "no command given");
}

int Run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return Run(args, std::cout, std::cerr);
}

}  // namespace voriel::cli
