// lotwarden-cli: the days of the families of The Sims, from a script or a
// terminal. Parses the command line and prints; cli_core holds every rule.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <new>
#include <string>

#include "cli/commands.h"
#include "cli/exit_code.h"
#include "cli/output.h"
#include "cli/standard_output.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// $HOME, or where the user database says it is when it is unset or empty.
std::string HomeFolder() {
    std::string home = Environment("HOME");
#ifndef _WIN32
    if (home.empty()) {
        if (const passwd* user = getpwuid(getuid()); user != nullptr && user->pw_dir != nullptr) {
            home = user->pw_dir;
        }
    }
#endif
    return home;
}

int Refused(cli::ExitCode code, const std::string& message) {
    std::cerr << "lotwarden-cli: " << cli::Shown(message) << "\n";
    return static_cast<int>(code);
}

}  // namespace

int main(int argc, char** argv) {
    const bool outputOpen = cli::HoldStandardDescriptors();
    cli::Options options;
    CLI::App app("The days in house of the families of The Sims: list them, set them.",
                 "lotwarden-cli");
    app.set_version_flag("--version", "lotwarden-cli " LOTWARDEN_VERSION);
    app.require_subcommand(1);
    // Options may follow the command too: each command hands what it does
    // not know back to the program's own options.
    app.fallthrough();
    auto* data = app.add_option("--data", options.source.dataFolder,
                                "the game's data folder, the one that holds UserData");
    app.add_option("--prefix", options.source.prefix,
                   "a Wine or Proton prefix holding the game (Linux)")
        ->excludes(data);
    app.add_option("--neighbourhood", options.neighbourhood,
                   "the neighbourhood number (default: the game's current one)");
    app.add_option("--codepage", options.codePage,
                   "the code page of the game's names (default: 1252)");
    app.add_flag("--json", options.json, "one JSON object on standard output");
    app.footer(
        "Exit codes: 0 done, 1 usage or a refused DAYS, 2 not found, 3 ambiguous, 4 a file that\n"
        "could not be read or written, 5 the game is running (set writes only with --force).");

    app.add_subcommand("where", "the data folder in use and the neighbourhood the commands use")
        ->callback([&options] { options.command = cli::Command::Where; });
    app.add_subcommand("neighbourhoods", "the neighbourhood numbers found")->callback([&options] {
        options.command = cli::Command::Neighbourhoods;
    });
    app.add_subcommand("list", "the families of the neighbourhood, with their lots and days")
        ->callback([&options] { options.command = cli::Command::List; });
    auto* set = app.add_subcommand("set",
                                   "writes DAYS (1 to 255) for one family, as Update "
                                   "Days does");
    set->callback([&options] { options.command = cli::Command::Set; });
    set->add_option("--lot", options.lot, "the family's lot");
    set->add_option("--family", options.family, "the family's name, exactly");
    set->add_option("DAYS", options.days, "the new days in house, 1 to 255")->required();
    set->add_flag("--force", options.force, "writes even while the game is running");

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& done) {
        return app.exit(done);
    } catch (const CLI::ParseError& error) {
        return Refused(cli::ExitCode::Usage, std::string(error.what()) + "; see --help");
    }
    options.source.home = HomeFolder();
    options.source.winePrefix = Environment("WINEPREFIX");
#ifdef _WIN32
    // The output is UTF-8; a console shows it so only with this code page.
    // Byte for byte as on Linux, so one script reads both: no CR before LF.
    SetConsoleOutputCP(CP_UTF8);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::string report;
    try {
        report = cli::Run(options);
    } catch (const cli::Refusal& refusal) {
        return Refused(refusal.code(), refusal.what());
    } catch (const std::bad_alloc&) {
        return Refused(cli::ExitCode::FileError, "out of memory");
    } catch (const std::exception& error) {
        return Refused(cli::ExitCode::FileError, error.what());
    }
    if (outputOpen && cli::PrintAll(report)) {
        return 0;
    }
    // The file is written by now: exit 4 would say that nothing was.
    if (options.command == cli::Command::Set) {
        std::cerr << "lotwarden-cli: the days were written, but standard output could not "
                     "take the report\n";
        return 0;
    }
    return Refused(cli::ExitCode::FileError, "cannot write to standard output");
}
