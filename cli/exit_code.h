#pragma once

#include <stdexcept>
#include <string>

namespace cli {

// The program's exit codes are part of its interface: scripts branch on them.
enum class ExitCode {
    Done = 0,
    Usage = 1,        // a usage error, or a DAYS that is refused
    NotFound = 2,     // no game, neighbourhood, family, lot or house file
    Ambiguous = 3,    // more than one game, or more than one family that fits
    FileError = 4,    // permission, or a house file too short to hold the days
    GameRunning = 5,  // set while the game runs, without --force
};

// A refusal: one line for standard error, naming the thing and the way out.
class Refusal : public std::runtime_error {
public:
    Refusal(ExitCode code, const std::string& message) : std::runtime_error(message), code_(code) {}
    ExitCode code() const { return code_; }

private:
    ExitCode code_;
};

}  // namespace cli
