#include "gamedata/game_process.h"

#include "gamedata/ascii_case.h"

namespace gamedata {

bool IsGameProgramName(std::string_view name) {
    return SameIgnoringAsciiCase(name, "Sims.exe");
}

bool IsGameProcess(std::string_view name, std::string_view commandLine) {
    if (IsGameProgramName(name)) {
        return true;
    }
    const std::string_view program = commandLine.substr(0, commandLine.find('\0'));
    const std::size_t separator = program.find_last_of("\\/");
    return separator != std::string_view::npos && IsGameProgramName(program.substr(separator + 1));
}

}  // namespace gamedata
