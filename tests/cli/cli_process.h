#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cli_test {

struct CliOutcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built lotwarden-cli with these arguments and nothing in its
// environment but these variables and a UTF-8 locale, and waits for it.
CliOutcome RunCli(const std::vector<std::string>& arguments,
                  const std::map<std::string, std::string>& environment);

// Runs the built make-game-folder; throws when it fails.
void MakeGameFolder(const std::vector<std::string>& arguments);

}  // namespace cli_test
