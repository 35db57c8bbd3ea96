#include "cli/neighbourhood.h"

#include <algorithm>
#include <cstdint>

#include "cli/exit_code.h"
#include "cli/family_order.h"
#include "cli/game_location.h"
#include "gamedata/checked_file.h"
#include "gamedata/family_scanner.h"
#include "gamedata/file_handle.h"
#include "gamedata/game_data_locator.h"
#include "gamedata/neighbourhood_finder.h"
#include "gamedata/number_text.h"

namespace cli {
namespace {

// The core builds a path by appending to the data folder; below an empty
// one, what follows the first backslash is the path relative to it.
std::string BelowDataFolder(const std::string& pathBelowEmptyFolder) {
    return pathBelowEmptyFolder.substr(1);
}

// Far above any neighbourhood the game writes; a larger file is no
// neighbourhood, and reading it all would only cost time.
constexpr std::uint64_t kLargestNeighbourhoodFile = 256 * 1024 * 1024;

std::vector<gamedata::FamilyRecord> ReadFamilies(const std::string& path) {
    const std::string shown = SystemTextToUtf8(path);
    const gamedata::CheckedFile file =
        gamedata::CheckedFile::Open(path, gamedata::FileAccess::Read, gamedata::LastLink::Follow);
    if (file.problem() == gamedata::FileProblem::Failed) {
        throw Refusal(ExitCode::FileError, "cannot read " + shown + ": " + file.failure());
    }
    if (file.problem() != gamedata::FileProblem::None) {
        throw Refusal(ExitCode::FileError, shown + " " + gamedata::ProblemText(file.problem()));
    }
    if (file.size() > kLargestNeighbourhoodFile) {
        throw Refusal(ExitCode::FileError,
                      shown + " is larger than 256 MiB and no neighbourhood file");
    }
    std::optional<std::vector<gamedata::FamilyRecord>> records =
        gamedata::ScanFamilies(file, kLargestNeighbourhoodFile);
    if (!records) {
        throw Refusal(ExitCode::FileError, "cannot read " + shown);
    }
    return std::move(*records);
}

}  // namespace

std::vector<Family> LoadFamilies(const std::string& dataFolder, std::int32_t neighbourhood,
                                 const CodePage& codePage) {
    const std::string relative =
        BelowDataFolder(gamedata::NeighbourhoodFile(std::string(), neighbourhood));
    const std::optional<std::string> file = FindInDataFolder(dataFolder, relative);
    const std::string label = gamedata::FormatDecimal(neighbourhood);
    if (!file) {
        // Spelt with the separator of the system the player types paths on.
        throw Refusal(ExitCode::NotFound, "neighbourhood " + label + " not found: no " +
                                              gamedata::ToPlatformPath(relative) + " in " +
                                              SystemTextToUtf8(dataFolder) +
                                              "; see the neighbourhoods command");
    }
    const std::vector<gamedata::FamilyRecord> records = ReadFamilies(*file);
    // Found once: each house file is then looked for in it alone.
    const std::optional<std::string> houses = FindInDataFolder(
        dataFolder, BelowDataFolder(gamedata::HousesFolder(std::string(), neighbourhood)));
    const std::optional<FolderFiles> houseFiles =
        houses ? std::optional<FolderFiles>(*houses) : std::nullopt;
    std::vector<Family> families;
    for (const gamedata::FamilyRecord& record : DialogOrder(records)) {
        const std::string house = BelowDataFolder(
            gamedata::HouseFile(std::string(), gamedata::FormatLotLabel(record.lot)));
        families.push_back({codePage.ToUtf8(record.name), record.lot,
                            houseFiles ? houseFiles->Find(house) : std::nullopt});
    }
    return families;
}

std::vector<std::string> NeighbourhoodLabels(const std::string& dataFolder) {
    bool listed = false;
    std::vector<std::string> labels = gamedata::ListNeighbourhoods(
        dataFolder,
        [&dataFolder, &listed](const std::string&, const gamedata::EntryVisitor& visit) {
            listed = ForEachDataFolderEntry(dataFolder, visit);
            return listed;
        });
    if (!listed) {
        throw Refusal(ExitCode::FileError, "cannot list the data folder " +
                                               SystemTextToUtf8(dataFolder) +
                                               "; check its permissions");
    }
    // The labels are lower case already, so the list box's order without
    // regard to case is plain byte order.
    std::sort(labels.begin(), labels.end());
    return labels;
}

}  // namespace cli
