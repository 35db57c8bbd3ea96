// FindGames: every Wine and Proton prefix a player of the game is likely to
// have, each looked in once.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <set>
#include <system_error>

#include "finder/file_text.h"
#include "finder/game_search.h"
#include "finder/steam_library_list.h"

namespace finder {
namespace {

namespace fs = std::filesystem;

// Paths that lead to one folder: on a Steam Deck ~/.steam/steam is a link to
// ~/.local/share/Steam, and a library lists itself. The first spelling seen
// is the one kept, the one the player is most likely to recognise.
class DistinctFolders {
public:
    bool Add(const std::string& folder) {
        std::error_code error;
        fs::path key = fs::weakly_canonical(folder, error);
        if (error) {
            key = fs::path(folder);
        }
        // A folder that does not exist keeps the separator it was written with.
        key = key.lexically_normal();
        if (!key.has_filename() && key.has_relative_path()) {
            key = key.parent_path();
        }
        if (!seen_.insert(key.string()).second) {
            return false;
        }
        folders_.push_back(folder);
        return true;
    }

    const std::vector<std::string>& Folders() const { return folders_; }

private:
    std::set<std::string> seen_;
    std::vector<std::string> folders_;
};

// A search never starts from the working directory: a relative path there
// would find whatever folder the player happens to stand in.
bool IsAbsolute(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

// Far above any list Steam writes; a larger one is skipped like a missing one.
constexpr std::uint64_t kLargestLibraryList = 1024 * 1024;

// A Steam installation and the libraries its libraryfolders.vdf lists.
void AddSteamLibraries(const fs::path& steam, DistinctFolders& libraries) {
    libraries.Add(steam.string());
    const std::optional<std::string> vdf =
        ReadFileText((steam / "steamapps" / "libraryfolders.vdf").string(), kLargestLibraryList);
    if (!vdf) {
        return;
    }
    for (const std::string& library : ReadSteamLibraryFolders(*vdf)) {
        if (IsAbsolute(library)) {
            libraries.Add(library);
        }
    }
}

// Proton keeps one prefix per game, steamapps/compatdata/<app id>/pfx; the
// ids in byte order, so a search reports the same order every time.
std::vector<std::string> ProtonPrefixes(const std::string& library) {
    std::vector<std::string> prefixes;
    std::error_code error;
    const fs::path compatdata = fs::path(library) / "steamapps" / "compatdata";
    for (fs::directory_iterator it(compatdata, error), end; !error && it != end;
         it.increment(error)) {
        const fs::path prefix = it->path() / "pfx";
        std::error_code notFolder;
        if (fs::is_directory(prefix, notFolder)) {
            prefixes.push_back(prefix.string());
        }
    }
    std::sort(prefixes.begin(), prefixes.end());
    return prefixes;
}

// The Wine prefixes directly inside a launcher's folder, in byte order.
std::vector<std::string> LauncherPrefixes(const fs::path& folder) {
    std::vector<std::string> prefixes;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (IsWinePrefix(it->path().string())) {
            prefixes.push_back(it->path().string());
        }
    }
    std::sort(prefixes.begin(), prefixes.end());
    return prefixes;
}

// Where Steam lives on Linux: its own folders, Debian's package's, the
// Flatpak's and the Snap's.
constexpr const char* kSteamFolders[] = {
    ".steam/steam",
    ".steam/root",
    ".steam/debian-installation",
    ".local/share/Steam",
    ".var/app/com.valvesoftware.Steam/data/Steam",
    "snap/steam/common/.local/share/Steam",
};

// Where launchers keep a Wine prefix a game or bottle: Heroic, Lutris,
// Bottles and Bottles' Flatpak.
constexpr const char* kLauncherFolders[] = {
    "Games/Heroic/Prefixes/default",
    "Games",
    ".local/share/bottles/bottles",
    ".var/app/com.usebottles.bottles/data/bottles/bottles",
};

}  // namespace

GameSearch FindGames(const std::string& home, const std::string& winePrefix) {
    DistinctFolders prefixes;
    if (IsAbsolute(winePrefix)) {
        // A WINEPREFIX naming Proton's compatdata/<id> is the prefix Steam
        // finds as compatdata/<id>/pfx: one game, not two.
        const bool proton = !IsWinePrefix(winePrefix) && IsWinePrefix(winePrefix + "/pfx");
        prefixes.Add(proton ? winePrefix + "/pfx" : winePrefix);
    }
    if (IsAbsolute(home)) {
        DistinctFolders libraries;
        for (const char* steam : kSteamFolders) {
            AddSteamLibraries(fs::path(home) / steam, libraries);
        }
        for (const std::string& library : libraries.Folders()) {
            for (const std::string& prefix : ProtonPrefixes(library)) {
                prefixes.Add(prefix);
            }
        }
        for (const char* launcher : kLauncherFolders) {
            for (const std::string& prefix : LauncherPrefixes(fs::path(home) / launcher)) {
                prefixes.Add(prefix);
            }
        }
    }
    GameSearch search;
    search.placesLooked = prefixes.Folders();
    for (const std::string& prefix : search.placesLooked) {
        try {
            if (std::optional<PrefixGame> game = GameInPrefix(prefix)) {
                search.games.push_back(std::move(*game));
            }
        } catch (const UnreadableFile&) {
            // A prefix the player did not name: looked in, nothing found.
        }
    }
    return search;
}

}  // namespace finder
