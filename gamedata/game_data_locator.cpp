#include "gamedata/game_data_locator.h"

#include <cstddef>

#include "gamedata/data_folder_choice.h"
#include "gamedata/directory_listing.h"
#include "gamedata/game_registry.h"
#include "gamedata/neighbourhood_finder.h"
#include "gamedata/number_text.h"
#include "gamedata/saved_games.h"

namespace gamedata {
namespace {

// The game's own reader takes SIMS_DATA into a buffer of this size; a longer
// value is unreadable rather than cut, so no path is built from half a name.
constexpr std::size_t kDataFolderCapacity = 1024;

// Registry bytes need not end in a zero; the text ends at the first zero
// byte or with the bytes themselves.
std::string TextUpToFirstZero(const std::string& bytes) {
    return bytes.substr(0, bytes.find('\0'));
}

// The 2025 re-release keeps its neighbourhoods here, laid out as before,
// and writes no SIMS_DATA. Nothing when this is not a folder.
std::optional<std::string> ReReleaseDataFolder() {
    const std::optional<std::string> savedGames = SavedGamesFolder();
    if (!savedGames) {
        return std::nullopt;
    }
    std::string folder = *savedGames + "\\Electronic Arts\\The Sims 25";
    if (!IsFolder(folder)) {
        return std::nullopt;
    }
    return folder;
}

std::optional<std::string> SimsDataFolder() {
    const std::optional<std::string> bytes = QueryGameValue("SIMS_DATA");
    if (!bytes || bytes->size() > kDataFolderCapacity) {
        return std::nullopt;
    }
    return TextUpToFirstZero(*bytes);
}

std::optional<std::int64_t> NewestNeighbourhood(const std::string& dataFolder) {
    return NewestNeighbourhoodFile(
        ListNeighbourhoods(dataFolder), [&dataFolder](std::int32_t neighbourhood) {
            return LastWriteTime(NeighbourhoodFile(dataFolder, neighbourhood));
        });
}

}  // namespace

DataFolderChoice ReadDataFolderChoice() {
    return ChooseDataFolder(SimsDataFolder(), ReReleaseDataFolder(), &NewestNeighbourhood)
        .value_or(DataFolderChoice{});
}

std::string ReadDataFolder() {
    return ReadDataFolderChoice().folder;
}

std::int32_t ReadCurrentNeighbourhood() {
    const std::optional<std::string> bytes = QueryGameValue("SIMS_CURRENT_NEIGHBORHOOD_NUM");
    return bytes ? NeighbourhoodInValue(*bytes) : 0;
}

std::int32_t NeighbourhoodInValue(const std::string& bytes) {
    return TextToNumber(TextUpToFirstZero(bytes));
}

std::string NeighbourhoodFolder(std::int32_t neighbourhood) {
    return NeighbourhoodFolder(ReadDataFolder(), neighbourhood);
}

std::string NeighbourhoodFile(std::int32_t neighbourhood) {
    return NeighbourhoodFile(ReadDataFolder(), neighbourhood);
}

std::string HousesFolder(std::int32_t neighbourhood) {
    return HousesFolder(ReadDataFolder(), neighbourhood);
}

std::string NeighbourhoodFolder(const std::string& dataFolder, std::int32_t neighbourhood) {
    const std::string suffix = neighbourhood == 1 ? std::string() : FormatDecimal(neighbourhood);
    return dataFolder + "\\UserData" + suffix;
}

std::string NeighbourhoodFile(const std::string& dataFolder, std::int32_t neighbourhood) {
    return NeighbourhoodFolder(dataFolder, neighbourhood) + "\\neighborhood.iff";
}

std::string HousesFolder(const std::string& dataFolder, std::int32_t neighbourhood) {
    return NeighbourhoodFolder(dataFolder, neighbourhood) + "\\Houses";
}

std::string HouseFile(const std::string& housesFolder, const std::string& lotLabel) {
    return housesFolder + "\\house" + lotLabel + ".iff";
}

}  // namespace gamedata
