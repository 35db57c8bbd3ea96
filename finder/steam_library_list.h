#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace finder {

// The library folders that the text of Steam's steamapps/libraryfolders.vdf
// (Valve's KeyValues text) lists, in the file's order, as written. Both
// layouts Steam has used: "path" inside each numbered block
//     "libraryfolders" { "0" { "path" "/home/deck/.local/share/Steam" ... } }
// and, in older files, a numbered key with the folder as its value
//     "LibraryFolders" { "TimeNextStatsReport" "..." "1" "/mnt/games/SteamLibrary" }
// Only the top block's entries count: a "path" deeper inside (under "apps",
// say) names no library. A damaged file gives what could be read before the
// damage.
std::vector<std::string> ReadSteamLibraryFolders(std::string_view vdfText);

}  // namespace finder
