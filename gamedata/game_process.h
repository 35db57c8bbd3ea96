#pragma once

#include <string_view>

namespace gamedata {

// The game's program is Sims.exe, for the classic game and the re-release
// alike; Windows names it in any letter case.
bool IsGameProgramName(std::string_view name);

// A Linux process is the game when its name (/proc/<pid>/comm, without the
// newline) is the game's, or when the first of its arguments
// (/proc/<pid>/cmdline, separated by NULs) is a path to it: Wine and Proton
// show the program's Windows path there.
bool IsGameProcess(std::string_view name, std::string_view commandLine);

// Seam: whether the game runs now, among the processes the user can see. A
// write the game does not know about can be saved over by its own copy of an
// open lot. Windows: the Tool Help process snapshot, which needs no rights.
// Elsewhere: the user's own processes under /proc, by IsGameProcess;
// entries that cannot be read are skipped. A look that fails answers false:
// the check may add a warning, never block an edit.
bool GameIsRunning();

}  // namespace gamedata
