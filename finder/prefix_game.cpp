// GameInPrefix: the game as the Windows program would find it when run in
// one Wine or Proton prefix.
#include <sys/stat.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <vector>

#include "finder/case_blind_path.h"
#include "finder/game_search.h"
#include "finder/wine_registry_file.h"
#include "gamedata/ascii_case.h"
#include "gamedata/checked_file.h"
#include "gamedata/data_folder_choice.h"
#include "gamedata/game_data_locator.h"
#include "gamedata/neighbourhood_finder.h"

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
    // Read as written where that leads to the drive; but a relative target
    // starts from the folder the link really lies in, which is elsewhere
    // when dosdevices is a link itself.
    const fs::path written = (link.parent_path() / target).lexically_normal();
    if (fs::equivalent(written, link, error)) {
        return written.string();
    }
    const fs::path real = fs::canonical(link, error);
    return error ? std::nullopt : std::optional<std::string>(real.string());
}

// The parts of a path below a drive's root as Windows resolves them before
// any file is looked at: "." goes, ".." takes the part before it away and
// stops at the root, as "C:\..\Sims" is "C:\Sims".
std::string ResolvedBelowDrive(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (std::size_t at = 0; at <= path.size(); ++at) {
        if (at < path.size() && path[at] != '\\' && path[at] != '/') {
            part.push_back(path[at]);
            continue;
        }
        if (part == "..") {
            if (!parts.empty()) {
                parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    }
    std::string resolved;
    for (const std::string& kept : parts) {
        resolved += "/" + kept;
    }
    return resolved;
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
    return MatchCaseBlindWherePossible(*root, ResolvedBelowDrive(text.substr(2)));
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

// The newest neighbourhood file's last write time in a data folder of the
// prefix, as the Windows program weighs its candidates: the folders its
// chooser would list, and UserData, each found without regard to case.
std::optional<std::int64_t> NewestNeighbourhood(const std::string& dataFolder) {
    const std::vector<std::string> labels = gamedata::ListNeighbourhoods(
        dataFolder, [&dataFolder](const std::string&, const gamedata::EntryVisitor& visit) {
            std::error_code error;
            for (fs::directory_iterator it(dataFolder, error), end; !error && it != end;
                 it.increment(error)) {
                std::error_code notFolder;
                visit({it->path().filename().string(), it->is_directory(notFolder)});
            }
            return !error;
        });
    return gamedata::NewestNeighbourhoodFile(
        labels, [&dataFolder](std::int32_t neighbourhood) -> std::optional<std::int64_t> {
            // Built below an empty data folder: what follows the first
            // backslash is the path below the data folder.
            const std::optional<std::string> file = FindCaseBlind(
                dataFolder, gamedata::NeighbourhoodFile(std::string(), neighbourhood).substr(1));
            struct stat status {};
            if (!file || stat(file->c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
                return std::nullopt;
            }
            constexpr std::int64_t kNanoseconds = 1000000000;
            return static_cast<std::int64_t>(status.st_mtim.tv_sec) * kNanoseconds +
                   status.st_mtim.tv_nsec;
        });
}

constexpr char kPlainKey[] = "Software\\Maxis\\The Sims";
constexpr char kWow64Key[] = "Software\\Wow6432Node\\Maxis\\The Sims";
constexpr char kDataFolderValue[] = "SIMS_DATA";
constexpr char kNeighbourhoodValue[] = "SIMS_CURRENT_NEIGHBORHOOD_NUM";
// Far above any prefix's registry file; a larger one is refused unread.
constexpr std::uint64_t kLargestRegistryFile = 64 * 1024 * 1024;

struct GameValues {
    std::optional<std::string> dataFolder;
    std::optional<std::string> currentNeighbourhood;
};

// The game's two values from the prefix's registry file, read once, its
// lines streamed. Throws UnreadableFile.
GameValues ReadGameValues(const fs::path& file) {
    RegistryScan scan({{kPlainKey, kDataFolderValue},
                       {kPlainKey, kNeighbourhoodValue},
                       {kWow64Key, kDataFolderValue},
                       {kWow64Key, kNeighbourhoodValue}});
    const gamedata::CheckedFile registry = gamedata::CheckedFile::Open(
        file.string(), gamedata::FileAccess::Read, gamedata::LastLink::Follow);
    const bool read = gamedata::ReadBlocks(registry, kLargestRegistryFile,
                                           [&scan](const char* bytes, std::size_t count) {
                                               scan.Feed({bytes, count});
                                           });
    if (!read) {
        const std::string why = registry.problem() != gamedata::FileProblem::None
                                    ? gamedata::ProblemText(registry.problem())
                                : registry.size() > kLargestRegistryFile ? "is larger than 64 MiB"
                                                                         : "cannot be read";
        throw UnreadableFile(file.string() + " " + why);
    }
    scan.Finish();
    // The game is a 32-bit program: in a 64-bit prefix its key lies in the
    // WOW64 view.
    const std::size_t first = scan.IsWin32() ? 0 : 2;
    return {scan.Value(first), scan.Value(first + 1)};
}

}  // namespace

bool IsWinePrefix(const std::string& folder) {
    std::error_code error;
    return IsFolder(fs::path(folder) / "drive_c") &&
           fs::is_regular_file(fs::path(folder) / "system.reg", error);
}

std::optional<PrefixGame> GameInPrefix(const std::string& folder) {
    fs::path prefix = folder;
    if (!IsWinePrefix(prefix.string())) {
        prefix /= "pfx";  // Proton's compatdata/<id>
        if (!IsWinePrefix(prefix.string())) {
            return std::nullopt;
        }
    }
    GameValues values = ReadGameValues(prefix / "system.reg");
    std::optional<gamedata::DataFolderChoice> choice =
        gamedata::ChooseDataFolder(MappedDataFolder(prefix, values.dataFolder),
                                   ReReleaseDataFolder(prefix), &NewestNeighbourhood);
    if (!choice) {
        return std::nullopt;
    }
    return PrefixGame{prefix.string(), std::move(choice->folder),
                      std::move(values.currentNeighbourhood), std::move(choice->leftOut)};
}

}  // namespace finder
