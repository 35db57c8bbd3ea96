#pragma once

#include <optional>
#include <string>

namespace gamedata {

// Stand-in for the user's Saved Games folder where there is no Windows
// shell: SavedGamesFolder returns exactly this. Nothing, as at start, is a
// user whose Saved Games folder cannot be found.
void SetFakeSavedGamesFolder(std::optional<std::string> folder);

}  // namespace gamedata
