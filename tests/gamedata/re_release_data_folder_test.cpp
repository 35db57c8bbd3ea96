// Where the data folder comes from: the folder SIMS_DATA names or the
// re-release's save folder, whichever holds the saves played last.
// Natively through the stand-ins; under Wine with the real registry and the
// real Saved Games folder of the prefix.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "gamedata/game_data_locator.h"
#include "tests/support/game_key.h"
#include "tests/support/re_release_folder.h"
#include "tests/support/test_files.h"

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

// A neighbourhood folder in a data folder, with its neighborhood.iff last
// written the given number of minutes after a fixed past moment; without
// the file when there is no minute.
struct Planted {
    const char* folder;
    std::optional<int> minute;
};

enum class Taken { SimsData, ReRelease };

struct SavesCase {
    const char* name;
    std::vector<Planted> atSimsData;
    std::vector<Planted> inSaves;
    Taken taken;
    // Set when both held neighbourhoods: why the other was left out.
    std::optional<LeftOutBecause> leftOut;
};

void PrintTo(const SavesCase& savesCase, std::ostream* out) {
    *out << savesCase.name;
}

const SavesCase kSavesCases[] = {
    // The community installer's values: SIMS_DATA names the install folder.
    {"InstallFolderWithoutNeighbourhoods", {}, {{"UserData", 0}}, Taken::ReRelease, {}},
    {"TemplatesAtInstallFolderOlder",
     {{"UserData", 0}},
     {{"UserData", 5}},
     Taken::ReRelease,
     LeftOutBecause::Older},
    {"ClassicGamePlayedLast",
     {{"UserData", 9}},
     {{"UserData", 5}},
     Taken::SimsData,
     LeftOutBecause::Older},
    {"SameTime",
     {{"UserData", 5}},
     {{"UserData", 5}},
     Taken::SimsData,
     LeftOutBecause::TieToSimsData},
    {"NewestOfSeveralCounts",
     {{"UserData", 7}},
     {{"UserData", 0}, {"UserData3", 9}},
     Taken::ReRelease,
     LeftOutBecause::Older},
    {"SavesFolderWithoutNeighbourhoods", {{"UserData", 0}}, {}, Taken::SimsData, {}},
    {"NeitherHoldsOne", {}, {}, Taken::SimsData, {}},
    // Folders the chooser would not list hold no neighbourhood.
    {"TemplateFolderIsNoNeighbourhood",
     {{"UserData", 0}},
     {{"UserDataTemplate", 9}},
     Taken::SimsData,
     {}},
    {"FolderWithoutItsFileIsNoNeighbourhood",
     {{"UserData", 0}},
     {{"UserData2", std::nullopt}},
     Taken::SimsData,
     {}},
};

class DataFolderChoiceTest : public testing::TestWithParam<SavesCase> {
protected:
    void Plant(const std::filesystem::path& dataFolder, const Planted& planted) {
        const std::filesystem::path folder = dataFolder / planted.folder;
        std::filesystem::create_directories(folder);
        if (!planted.minute) {
            return;
        }
        const std::filesystem::path file = folder / "neighborhood.iff";
        std::ofstream(file, std::ios::binary) << "IFF";
        std::filesystem::last_write_time(file, moment_ + std::chrono::minutes(*planted.minute));
    }

    test_support::GameKey key_;
    test_support::ReReleaseFolder saves_;
    test_support::TempFolder installFolder_;
    const std::filesystem::file_time_type moment_ =
        std::filesystem::file_time_type::clock::now() - std::chrono::hours(2);
};

TEST_P(DataFolderChoiceTest, TheSavesPlayedLastWin) {
    const SavesCase& savesCase = GetParam();
    const std::string simsData = installFolder_.path().string();
    key_.SetText("SIMS_DATA", simsData);
    saves_.MakeFolder();
    for (const Planted& planted : savesCase.atSimsData) {
        Plant(installFolder_.path(), planted);
    }
    for (const Planted& planted : savesCase.inSaves) {
        Plant(saves_.path(), planted);
    }

    const bool reRelease = savesCase.taken == Taken::ReRelease;
    const std::string expected = reRelease ? saves_.DataFolderText() : simsData;
    const DataFolderChoice choice = ReadDataFolderChoice();
    EXPECT_EQ(choice.folder, expected);
    EXPECT_EQ(ReadDataFolder(), expected);
    EXPECT_EQ(NeighbourhoodFile(2), expected + "\\UserData2\\neighborhood.iff");
    ASSERT_EQ(choice.leftOut.has_value(), savesCase.leftOut.has_value());
    if (savesCase.leftOut) {
        EXPECT_EQ(choice.leftOut->folder, reRelease ? simsData : saves_.DataFolderText());
        EXPECT_EQ(choice.leftOut->because, *savesCase.leftOut);
    }
}

INSTANTIATE_TEST_SUITE_P(BothCandidates, DataFolderChoiceTest, testing::ValuesIn(kSavesCases),
                         [](const testing::TestParamInfo<SavesCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace gamedata
