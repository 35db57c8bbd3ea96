#include <windows.h>

#include <utility>

#include "cli/code_page.h"
#include "cli/exit_code.h"
#include "cli/game_location.h"
#include "gamedata/directory_listing.h"
#include "gamedata/game_data_locator.h"

namespace cli {
GameLocation LocateGame(const GameSource& source) {
    if (source.prefix) {
        throw Refusal(ExitCode::Usage,
                      "--prefix is for Wine and Proton prefixes on Linux; on Windows the game's "
                      "registry values name the data folder, or give it with --data");
    }
    if (source.dataFolder) {
        return {*source.dataFolder, SystemTextToUtf8(*source.dataFolder), 1, std::nullopt};
    }
    const gamedata::DataFolderChoice choice = gamedata::ReadDataFolderChoice();
    const std::string& dataFolder = choice.folder;
    if (dataFolder.empty()) {
        throw Refusal(ExitCode::NotFound,
                      "no game found: the registry key HKLM\\Software\\Maxis\\The Sims names no "
                      "data folder and there is no Saved Games\\Electronic Arts\\The Sims 25; "
                      "give the data folder with --data");
    }
    const std::int32_t current = gamedata::ReadCurrentNeighbourhood();
    std::optional<gamedata::LeftOutFolder> leftOut = choice.leftOut;
    if (leftOut) {
        leftOut->folder = SystemTextToUtf8(leftOut->folder);
    }
    return {dataFolder, SystemTextToUtf8(dataFolder), current <= 0 ? 1 : current, leftOut};
}

bool FolderExists(const std::string& path) {
    return gamedata::IsFolder(path);
}

bool ForEachDataFolderEntry(const std::string& dataFolder, const gamedata::EntryVisitor& visit) {
    return gamedata::ForEachDirectoryEntry(dataFolder + "\\*.*", visit);
}

std::optional<std::string> FindInDataFolder(const std::string& dataFolder,
                                            const std::string& relative) {
    // Joined as the dialog joins them, a trailing backslash of the stored
    // folder included.
    const std::string path = dataFolder + "\\" + relative;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
        return std::nullopt;
    }
    return path;
}

FolderFiles::FolderFiles(std::string folder) : folder_(std::move(folder)) {}

std::optional<std::string> FolderFiles::Find(const std::string& name) const {
    return FindInDataFolder(folder_, name);
}

}  // namespace cli
