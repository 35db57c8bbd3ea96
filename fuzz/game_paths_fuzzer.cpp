// The game's two registry values as arbitrary bytes, and arbitrary
// neighbourhood and lot numbers: every path is the data folder's text
// followed exactly by the fixed fragments, and every number written into a
// path or a label reads back as the same number.
//
// Input: one byte of flags (bit 0: SIMS_DATA present, bit 1: the current
// neighbourhood value present), each value's bytes behind a 16-bit length,
// a neighbourhood number and a lot number (32 bits each), and the rest as
// a lot label typed as text.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/library_atoi.h"
#include "gamedata/game_data_locator.h"
#include "gamedata/game_registry_fake.h"
#include "gamedata/number_text.h"

namespace {

using fuzz::Require;

constexpr std::size_t kDataFolderCapacity = 1024;

bool StartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

void CheckDataFolder(const std::string& folder, const std::optional<std::string>& value) {
    if (!value || value->size() > kDataFolderCapacity) {
        Require(folder.empty(), "a missing or oversized SIMS_DATA gives no data folder");
        return;
    }
    Require(folder == value->substr(0, value->find('\0')),
            "the data folder is SIMS_DATA up to its first zero byte, used as stored");
}

void CheckNeighbourhoodPaths(const std::string& dataFolder, std::int32_t number) {
    const std::string folder = gamedata::NeighbourhoodFolder(number);
    const std::string stem = dataFolder + "\\UserData";
    Require(StartsWith(folder, stem), "a neighbourhood folder is the data folder + \\UserData");
    const std::string suffix = folder.substr(stem.size());
    if (number == 1) {
        Require(suffix.empty(), "neighbourhood 1 has no suffix");
    } else {
        Require(suffix == gamedata::FormatDecimal(number), "the suffix is the plain decimal");
        Require(gamedata::TextToNumber(suffix) == number, "the suffix reads back as the number");
    }
    Require(gamedata::NeighbourhoodFile(number) == folder + "\\neighborhood.iff",
            "the neighbourhood file lies in its folder");
    Require(gamedata::HousesFolder(number) == folder + "\\Houses",
            "the houses folder lies in the neighbourhood folder");
    if (number >= 1) {
        const std::string label = gamedata::FormatNeighbourhoodLabel(number);
        Require(gamedata::NeighbourhoodFolder(gamedata::TextToNumber(label)) == folder,
                "a chooser label selects the folder it was made for");
    }
}

void CheckHouseFile(const std::string& houses, const std::string& lotLabel) {
    Require(gamedata::HouseFile(houses, lotLabel) == houses + "\\house" + lotLabel + ".iff",
            "a house file is the houses folder + \\house + label + .iff");
}

void CheckLotHouseFile(const std::string& houses, std::int32_t lot) {
    if (lot < 1) {
        return;
    }
    const std::string label = gamedata::FormatLotLabel(lot);
    CheckHouseFile(houses, label);
    const std::string file = gamedata::HouseFile(houses, label);
    const std::string nameFromLabel = file.substr(houses.size() + std::string("\\house").size());
    Require(gamedata::TextToNumber(nameFromLabel) == lot, "a house file name names its lot");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput input(data, size);
    const std::uint8_t flags = input.TakeByte();
    std::optional<std::string> dataValue = input.TakeSized();
    std::optional<std::string> currentValue = input.TakeSized();
    if ((flags & 1) == 0) {
        dataValue.reset();
    }
    if ((flags & 2) == 0) {
        currentValue.reset();
    }
    const std::int32_t number = input.TakeInt32();
    const std::int32_t lot = input.TakeInt32();
    const std::string typedLabel = input.TakeRest();

    gamedata::SetFakeGameValue("SIMS_DATA", dataValue);
    gamedata::SetFakeGameValue("SIMS_CURRENT_NEIGHBORHOOD_NUM", currentValue);

    const std::string dataFolder = gamedata::ReadDataFolder();
    CheckDataFolder(dataFolder, dataValue);
    const std::int32_t current = gamedata::ReadCurrentNeighbourhood();
    Require(current == (currentValue ? fuzz::LibraryAtoi(*currentValue) : 0),
            "the current neighbourhood converts as the C library's atoi does, 0 when missing");

    // Start-up opens neighbourhood 1 for a current number of 0 or less.
    const std::int32_t opened = current > 0 ? current : 1;
    for (const std::int32_t neighbourhood : {number, current, opened}) {
        CheckNeighbourhoodPaths(dataFolder, neighbourhood);
    }
    const std::string houses = gamedata::HousesFolder(opened);
    CheckLotHouseFile(houses, lot);
    CheckHouseFile(houses, typedLabel);
    return 0;
}
