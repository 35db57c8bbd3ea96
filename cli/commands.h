#pragma once

#include <optional>
#include <string>

#include "cli/game_location.h"

namespace cli {

enum class Command { Where, Neighbourhoods, List, Set };

// The command line as typed, numbers still as text: every rule about what
// the text may hold lives here, not in the parser.
struct Options {
    GameSource source;
    Command command = Command::List;
    bool json = false;
    std::optional<std::string> neighbourhood;
    std::optional<std::string> codePage;
    // set only
    std::optional<std::string> lot;
    std::optional<std::string> family;  // in the system's text (UTF-8 on Linux)
    std::string days;
    bool force = false;  // writes even while the game runs
};

// Runs the command and returns all it prints on standard output. Checks
// every argument before it looks at a file. Throws Refusal, having written
// nothing.
std::string Run(const Options& options);

}  // namespace cli
