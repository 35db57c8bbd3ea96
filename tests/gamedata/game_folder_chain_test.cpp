// From the game's registry values to the days on disk, through the same
// calls the main window makes, on a generated game folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gamedata/family_scanner.h"
#include "gamedata/game_data_locator.h"
#include "gamedata/house_days.h"
#include "gamedata/neighbourhood_finder.h"
#include "gamedata/number_text.h"
#include "tests/gamedata/scan_test_support.h"
#include "tests/support/game_key.h"
#include "tests/support/test_files.h"
#include "tools/gamegen/gamegen.h"

namespace gamedata {
namespace {

class GameFolderChainTest : public testing::Test {
protected:
    void SetUp() override {
        gamegen::WriteGameFolder(
            root_.path(),
            {{"UserData", {{"Hollowell", 5, 37}, {"Wanderfield", 0, 0}, {"Brightwater", 12, 255}}},
             {"UserData2", {{"Nakamura", 1, 18}}},
             {"UserData12", {{"Lindqvist", 3, 7}, {"Castellano", 10, 200}}},
             {"UserDataTemplate", {{"Template", 1, 1}}}});
        key_.SetText("SIMS_DATA", root_.path().string());
    }

    std::optional<std::int16_t> DaysOnLot(std::int32_t neighbourhood, std::int32_t lot) {
        return ReadDays(HouseFile(HousesFolder(neighbourhood), FormatLotLabel(lot)));
    }

    test_support::TempFolder root_;
    test_support::GameKey key_;
};

TEST_F(GameFolderChainTest, ListsTheNeighbourhoodsOfTheDataFolder) {
    std::vector<std::string> labels = ListNeighbourhoods(ReadDataFolder());
    std::sort(labels.begin(), labels.end());
    EXPECT_EQ(labels, (std::vector<std::string>{"01", "02", "12"}));
}

TEST_F(GameFolderChainTest, CurrentNeighbourhoodLeadsToItsFamiliesAndDays) {
    key_.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "12");
    const std::int32_t current = ReadCurrentNeighbourhood();
    ASSERT_EQ(current, 12);
    EXPECT_EQ(FormatNeighbourhoodLabel(current), "12");
    EXPECT_EQ(ScanFamilies(NeighbourhoodFile(current)),
              (std::vector<FamilyRecord>{{3, "Lindqvist"}, {10, "Castellano"}}));
    EXPECT_EQ(DaysOnLot(current, 3), 7);
    EXPECT_EQ(DaysOnLot(current, 10), 200);
}

TEST_F(GameFolderChainTest, FirstNeighbourhoodIsTheFolderWithoutNumber) {
    EXPECT_EQ(ScanFamilies(NeighbourhoodFile(1)),
              (std::vector<FamilyRecord>{{5, "Hollowell"}, {12, "Brightwater"}}));
    EXPECT_EQ(DaysOnLot(1, 5), 37);
    EXPECT_EQ(DaysOnLot(1, 12), 255);
    EXPECT_EQ(ScanFamilies(NeighbourhoodFile(2)), (std::vector<FamilyRecord>{{1, "Nakamura"}}));
}

TEST_F(GameFolderChainTest, WrittenDaysReachOnlyThatHouse) {
    const std::string house = HouseFile(HousesFolder(1), FormatLotLabel(5));
    ASSERT_EQ(WriteDays(house, 99), WriteResult::Done);
    EXPECT_EQ(DaysOnLot(1, 5), 99);
    EXPECT_EQ(DaysOnLot(1, 12), 255);
}

TEST_F(GameFolderChainTest, MissingNeighbourhoodAndHouseAreNotFound) {
    EXPECT_EQ(ScanFamilies(NeighbourhoodFile(3)), std::nullopt);
    EXPECT_EQ(DaysOnLot(1, 6), std::nullopt);
    EXPECT_EQ(WriteDays(HouseFile(HousesFolder(1), FormatLotLabel(6)), 5), WriteResult::NotFound);
}

TEST_F(GameFolderChainTest, NoDataFolderFindsNothing) {
    key_.RemoveKey();
    EXPECT_EQ(ScanFamilies(NeighbourhoodFile(1)), std::nullopt);
    EXPECT_EQ(ReadCurrentNeighbourhood(), 0);
}

}  // namespace
}  // namespace gamedata
