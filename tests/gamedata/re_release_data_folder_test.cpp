// Where the data folder comes from when the game's registry names none: the
// re-release's save folder. Natively through the stand-ins; under Wine with
// the real registry and the real Saved Games folder of the prefix.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>

#include "gamedata/game_data_locator.h"
#include "tests/support/game_key.h"
#include "tests/support/re_release_folder.h"

namespace gamedata {
namespace {

struct RegistryCase {
    const char* name;
    void (*setUp)(test_support::GameKey& key);
    // What SIMS_DATA holds when it can be read; nothing when it cannot.
    std::optional<std::string> readable;
    std::int32_t currentNeighbourhood;
};

void PrintTo(const RegistryCase& registryCase, std::ostream* out) {
    *out << registryCase.name;
}

const RegistryCase kRegistryCases[] = {
    {"FolderThatIsNotThere",
     [](test_support::GameKey& key) { key.SetText("SIMS_DATA", "C:\\Games\\Sims"); },
     "C:\\Games\\Sims", 0},
    {"EmptyText", [](test_support::GameKey& key) { key.SetText("SIMS_DATA", ""); }, "", 0},
    {"ValueMissing",
     [](test_support::GameKey& key) { key.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "3"); },
     std::nullopt, 3},
    {"KeyMissing", [](test_support::GameKey& key) { key.RemoveKey(); }, std::nullopt, 0},
    {"LongerThan1024Bytes",
     [](test_support::GameKey& key) { key.SetText("SIMS_DATA", "C:\\" + std::string(1100, 'a')); },
     std::nullopt, 0},
};

struct SaveFolderCase {
    const char* name;
    void (*setUp)(test_support::ReReleaseFolder& folder);
    bool isFolder;
};

void PrintTo(const SaveFolderCase& saveFolderCase, std::ostream* out) {
    *out << saveFolderCase.name;
}

const SaveFolderCase kSaveFolderCases[] = {
    {"SaveFolder", [](test_support::ReReleaseFolder& folder) { folder.MakeFolder(); }, true},
    {"NoSaveFolder", [](test_support::ReReleaseFolder&) {}, false},
    {"FileInItsPlace", [](test_support::ReReleaseFolder& folder) { folder.MakeFile(); }, false},
};

using Combination = std::tuple<RegistryCase, SaveFolderCase>;

class ReReleaseDataFolderTest : public testing::TestWithParam<Combination> {
protected:
    test_support::GameKey key_;
    test_support::ReReleaseFolder saves_;
};

TEST_P(ReReleaseDataFolderTest, ReadableValueWinsElseTheSaveFolderIfItIsOne) {
    const auto& [registry, saveFolder] = GetParam();
    registry.setUp(key_);
    saveFolder.setUp(saves_);

    const std::string expected = registry.readable     ? *registry.readable
                                 : saveFolder.isFolder ? saves_.DataFolderText()
                                                       : std::string();
    EXPECT_EQ(ReadDataFolder(), expected);
    EXPECT_EQ(NeighbourhoodFile(2), expected + "\\UserData2\\neighborhood.iff");
    // The current neighbourhood is the registry's alone.
    EXPECT_EQ(ReadCurrentNeighbourhood(), registry.currentNeighbourhood);
}

INSTANTIATE_TEST_SUITE_P(RegistryBySaveFolder, ReReleaseDataFolderTest,
                         testing::Combine(testing::ValuesIn(kRegistryCases),
                                          testing::ValuesIn(kSaveFolderCases)),
                         [](const testing::TestParamInfo<Combination>& info) {
                             return std::string(std::get<0>(info.param).name) + "_" +
                                    std::get<1>(info.param).name;
                         });

}  // namespace
}  // namespace gamedata
