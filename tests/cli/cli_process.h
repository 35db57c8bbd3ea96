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

// Where the program's standard output goes: a file the outcome is read
// from, nowhere (closed, as by ">&-") or a device that is always full.
enum class Output { File, Closed, Full };

// Runs the built lotwarden-cli with these arguments and nothing in its
// environment but these variables and a UTF-8 locale, and waits for it (30
// seconds at most: a run still going then is stopped, and its exit code
// is -1).
CliOutcome RunCli(const std::vector<std::string>& arguments,
                  const std::map<std::string, std::string>& environment,
                  Output output = Output::File);

// Runs the built make-game-folder; throws when it fails.
void MakeGameFolder(const std::vector<std::string>& arguments);

}  // namespace cli_test
