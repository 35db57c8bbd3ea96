#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "cli/code_page.h"
#include "cli/exit_code.h"
#include "cli/game_location.h"
#include "common/unique_handle.h"
#include "finder/case_blind_path.h"
#include "finder/game_search.h"
#include "gamedata/file_handle.h"
#include "gamedata/game_data_locator.h"

namespace cli {
namespace {

std::string Joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) {
        text += (text.empty() ? "" : ", ") + part;
    }
    return text;
}

// The dialog's rule: the value's text up to its first zero byte, as a
// number; not a positive one gives 1.
std::int32_t CurrentNeighbourhood(const std::optional<std::string>& bytes) {
    if (!bytes) {
        return 1;
    }
    const std::int32_t number = gamedata::NeighbourhoodInValue(*bytes);
    return number <= 0 ? 1 : number;
}

GameLocation InPrefix(const finder::PrefixGame& game) {
    return {game.dataFolder, game.dataFolder, CurrentNeighbourhood(game.currentNeighbourhoodBytes),
            game.leftOut};
}

Refusal CannotLook(const std::string& path, int error) {
    const bool denied = error == EACCES || error == EPERM;
    return Refusal(ExitCode::FileError, "cannot look at " + SystemTextToUtf8(path) + ": " +
                                            std::strerror(error) +
                                            (denied ? "; check its permissions" : ""));
}

std::optional<std::string> Found(finder::CaseBlindMatch match) {
    switch (match.outcome) {
        case finder::CaseBlindMatch::Outcome::Found:
            return std::move(match.path);
        case finder::CaseBlindMatch::Outcome::Missing:
            return std::nullopt;
        case finder::CaseBlindMatch::Outcome::CannotLook:
            break;
    }
    throw CannotLook(match.path, match.error);
}

}  // namespace

GameLocation LocateGame(const GameSource& source) {
    if (source.dataFolder) {
        return {*source.dataFolder, *source.dataFolder, 1, std::nullopt};
    }
    if (source.prefix) {
        std::optional<finder::PrefixGame> game;
        try {
            game = finder::GameInPrefix(*source.prefix);
        } catch (const finder::UnreadableFile& unreadable) {
            throw Refusal(ExitCode::FileError, std::string(unreadable.what()) +
                                                   "; the prefix's registry cannot be read");
        }
        if (!game) {
            throw Refusal(ExitCode::NotFound, "no game found in the prefix " + *source.prefix +
                                                  "; give its data folder with --data");
        }
        return InPrefix(*game);
    }
    // No home folder gives no ~/.wine, never a folder below the root or the
    // working directory.
    const bool homeKnown = !source.home.empty() && source.home.front() == '/';
    const std::string winePrefix = !source.winePrefix.empty() ? source.winePrefix
                                   : homeKnown                ? source.home + "/.wine"
                                                              : std::string();
    const finder::GameSearch search = finder::FindGames(source.home, winePrefix);
    if (search.games.empty()) {
        throw Refusal(ExitCode::NotFound, "no game found; looked in " +
                                              Joined(search.placesLooked) +
                                              "; give a prefix with --prefix or the data "
                                              "folder with --data");
    }
    if (search.games.size() > 1) {
        std::vector<std::string> prefixes;
        for (const finder::PrefixGame& game : search.games) {
            prefixes.push_back(game.prefix);
        }
        throw Refusal(ExitCode::Ambiguous, std::to_string(prefixes.size()) + " games found: " +
                                               Joined(prefixes) + "; pick one with --prefix");
    }
    return InPrefix(search.games.front());
}

bool FolderExists(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) == 0) {
        return S_ISDIR(status.st_mode);
    }
    if (errno == ENOENT || errno == ENOTDIR) {
        return false;
    }
    throw CannotLook(path, errno);
}

bool ForEachDataFolderEntry(const std::string& dataFolder, const gamedata::EntryVisitor& visit) {
    using DirectoryHandle = UniqueHandle<DIR*, &closedir>;
    const DirectoryHandle directory(opendir(dataFolder.c_str()));
    if (!directory) {
        return false;
    }
    while (const dirent* entry = readdir(directory.Get())) {
        const std::string name = entry->d_name;
        visit({name, FolderExists(dataFolder + "/" + name)});
    }
    return true;
}

std::optional<std::string> FindInDataFolder(const std::string& dataFolder,
                                            const std::string& relative) {
    // An exact spelling wins over every other match, so a path found as
    // spelt needs no folder listing: a neighbourhood of a thousand families
    // would otherwise list its Houses folder a thousand times.
    const std::string exact = dataFolder + "/" + gamedata::ToPlatformPath(relative);
    struct stat status {};
    if (stat(exact.c_str(), &status) == 0) {
        return exact;
    }
    return Found(finder::LookUpCaseBlind(dataFolder, relative));
}

FolderFiles::FolderFiles(std::string folder) : listing_(std::move(folder)) {}

std::optional<std::string> FolderFiles::Find(const std::string& name) const {
    return Found(listing_.Find(name));
}

}  // namespace cli
