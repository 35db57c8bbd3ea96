#pragma once

#include <optional>
#include <string>

namespace gamedata {

// Seam to the user's "Saved Games" folder, as ANSI text, or nothing when
// it cannot be found or its name has no exact spelling in the ANSI code
// page (a path with a character guessed at would name another folder).
// Windows: the known folder FOLDERID_SavedGames, else
// %USERPROFILE%\Saved Games. Elsewhere: a stand-in set by
// SetFakeSavedGamesFolder (saved_games_fake.h), nothing until then.
std::optional<std::string> SavedGamesFolder();

}  // namespace gamedata
