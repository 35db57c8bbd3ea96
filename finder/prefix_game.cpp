// GameInPrefix: the game as the Windows program would find it when run in
// one Wine or Proton prefix.
#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <system_error>
#include <vector>

#include "finder/case_blind_path.h"
#include "finder/file_text.h"
#include "finder/game_search.h"
#include "finder/wine_registry_file.h"
#include "gamedata/ascii_case.h"

namespace finder {
namespace {

namespace fs = std::filesystem;

// The Windows program reads SIMS_DATA into a buffer of this size and
// treats a longer value as unreadable.
constexpr std::size_t kDataFolderCapacity = 1024;

bool IsFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool IsPrefix(const fs::path& folder) {
    std::error_code error;
    return IsFolder(folder / "drive_c") && fs::is_regular_file(folder / "system.reg", error);
}

// Where a drive letter leads: the target of the dosdevices link, made
// absolute against dosdevices itself as Wine does, or nothing when the drive
// is not mapped.
std::optional<std::string> DriveRoot(const fs::path& prefix, char letter) {
    const fs::path link =
        prefix / "dosdevices" / (std::string(1, gamedata::LowerAscii(letter)) + ":");
    if (!IsFolder(link)) {
        return std::nullopt;
    }
    std::error_code error;
    const fs::path target = fs::read_symlink(link, error);
    if (error) {
        return link.string();  // a real folder in place of the link
    }
    return (link.parent_path() / target).lexically_normal().string();
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// SIMS_DATA as the Windows program uses it, mapped into the prefix: its text
// up to the first zero byte, "X:\rest" with X a mapped drive. Nothing when
// it cannot be mapped; a folder named but missing keeps its name.
std::optional<std::string> MappedDataFolder(const fs::path& prefix,
                                            const std::optional<std::string>& value) {
    if (!value || value->size() > kDataFolderCapacity) {
        return std::nullopt;
    }
    const std::string text = value->substr(0, value->find('\0'));
    if (text.size() < 2 || !IsAsciiLetter(text[0]) || text[1] != ':') {
        return std::nullopt;
    }
    const std::optional<std::string> root = DriveRoot(prefix, text[0]);
    if (!root) {
        return std::nullopt;
    }
    return MatchCaseBlindWherePossible(*root, text.substr(2));
}

// The re-release writes no SIMS_DATA and keeps its files under the user's
// Saved Games. A prefix normally has one user; should several have the
// folder, the first by byte order is taken, so the answer does not depend
// on the order the file system lists them in.
std::optional<std::string> ReReleaseDataFolder(const fs::path& prefix) {
    const std::optional<std::string> users = FindCaseBlind((prefix / "drive_c").string(), "users");
    if (!users) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(*users, error), end; !error && it != end; it.increment(error)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        const std::optional<std::string> folder =
            FindCaseBlind(*users + "/" + name, "Saved Games/Electronic Arts/The Sims 25");
        if (folder && IsFolder(*folder)) {
            return folder;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<PrefixGame> GameInPrefix(const std::string& folder) {
    fs::path prefix = folder;
    if (!IsPrefix(prefix)) {
        prefix /= "pfx";  // Proton's compatdata/<id>
        if (!IsPrefix(prefix)) {
            return std::nullopt;
        }
    }
    const std::string registry = ReadFileText((prefix / "system.reg").string()).value_or("");
    // The game is a 32-bit program: in a 64-bit prefix its key lies in the
    // WOW64 view.
    const char* key = IsWin32Registry(registry) ? "Software\\Maxis\\The Sims"
                                                : "Software\\Wow6432Node\\Maxis\\The Sims";
    std::optional<std::string> dataFolder =
        MappedDataFolder(prefix, ReadRegistryValue(registry, key, "SIMS_DATA"));
    if (!dataFolder) {
        dataFolder = ReReleaseDataFolder(prefix);
    }
    if (!dataFolder) {
        return std::nullopt;
    }
    return PrefixGame{prefix.string(), *dataFolder,
                      ReadRegistryValue(registry, key, "SIMS_CURRENT_NEIGHBORHOOD_NUM")};
}

}  // namespace finder
