#pragma once

#include <filesystem>
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

// Whose rights a run has: the tests' own, or those of a player without
// privilege. Root passes over every mode, so a run as root cannot show what
// a mode refuses; run as root, an unprivileged run runs as nobody (user and
// group 65534), else as the tests' own user.
enum class Rights { Tests, Unprivileged };

// Runs the built lotwarden-cli with these arguments and nothing in its
// environment but these variables and a UTF-8 locale, and waits for it (30
// seconds at most: a run still going then is stopped, and its exit code
// is -1).
CliOutcome RunCli(const std::vector<std::string>& arguments,
                  const std::map<std::string, std::string>& environment,
                  Output output = Output::File, Rights rights = Rights::Tests);

// Gives the tree, root and links included, to the user an unprivileged run
// runs as, so that it reads and writes there as a player in their own
// folders; the folders above it must let everyone through, as /tmp does.
void HandToUnprivilegedUser(const std::filesystem::path& tree);

// Runs the built make-game-folder; throws when it fails.
void MakeGameFolder(const std::vector<std::string>& arguments);

}  // namespace cli_test
