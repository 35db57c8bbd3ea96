#include <gtest/gtest.h>

#include <string>

#include "gamedata/game_data_locator.h"
#include "tests/support/game_key.h"

namespace gamedata {
namespace {

using namespace std::string_literals;

class GameDataLocatorTest : public testing::Test {
protected:
    void SetDataFolder(const std::string& bytes) { key_.SetBytes("SIMS_DATA", bytes); }
    void SetCurrentNeighbourhood(const std::string& bytes) {
        key_.SetBytes("SIMS_CURRENT_NEIGHBORHOOD_NUM", bytes);
    }

    test_support::GameKey key_;
};

TEST_F(GameDataLocatorTest, DataFolderIsTheTextUpToItsZero) {
    SetDataFolder("C:\\Games\\Sims\0"s);
    EXPECT_EQ(ReadDataFolder(), "C:\\Games\\Sims");
    SetDataFolder("C:\\Games\\Sims\0C:\\Other\0"s);
    EXPECT_EQ(ReadDataFolder(), "C:\\Games\\Sims");
}

TEST_F(GameDataLocatorTest, DataFolderWithoutZeroEndsWithItsBytes) {
    SetDataFolder("C:\\Games\\Sims"s);
    EXPECT_EQ(ReadDataFolder(), "C:\\Games\\Sims");
}

TEST_F(GameDataLocatorTest, MissingDataFolderIsEmpty) {
    EXPECT_EQ(ReadDataFolder(), "");
    SetCurrentNeighbourhood("2"s);
    EXPECT_EQ(ReadDataFolder(), "");
    SetDataFolder(""s);
    EXPECT_EQ(ReadDataFolder(), "");
}

TEST_F(GameDataLocatorTest, DataFolderFillingTheWholeBufferIsRead) {
    const std::string folder = "C:\\" + std::string(1020, 'a');
    SetDataFolder(folder + '\0');
    EXPECT_EQ(ReadDataFolder(), folder);
    SetDataFolder(folder + 'b');
    EXPECT_EQ(ReadDataFolder(), folder + 'b');
}

TEST_F(GameDataLocatorTest, DataFolderLongerThanTheBufferIsUnreadable) {
    SetDataFolder("C:\\" + std::string(1020, 'a') + "b\0"s);
    EXPECT_EQ(ReadDataFolder(), "");
    SetDataFolder("C:\\Sims\0"s + std::string(2000, 'x'));
    EXPECT_EQ(ReadDataFolder(), "");
    EXPECT_EQ(NeighbourhoodFile(1), "\\UserData\\neighborhood.iff");
}

TEST_F(GameDataLocatorTest, CurrentNeighbourhoodIsItsTextConverted) {
    SetCurrentNeighbourhood("2\0"s);
    EXPECT_EQ(ReadCurrentNeighbourhood(), 2);
    SetCurrentNeighbourhood("12\0"s);
    EXPECT_EQ(ReadCurrentNeighbourhood(), 12);
    SetCurrentNeighbourhood(" -3\0"s);
    EXPECT_EQ(ReadCurrentNeighbourhood(), -3);
    SetCurrentNeighbourhood("7"s);
    EXPECT_EQ(ReadCurrentNeighbourhood(), 7);
    SetCurrentNeighbourhood(
        "4\0"
        "9"s);
    EXPECT_EQ(ReadCurrentNeighbourhood(), 4);
    SetCurrentNeighbourhood("4294967297\0"s);
    EXPECT_EQ(ReadCurrentNeighbourhood(), INT32_MAX);
}

TEST_F(GameDataLocatorTest, CurrentNeighbourhoodReadsTheWholeValueHoweverLong) {
    SetCurrentNeighbourhood(std::string(5000, ' ') + "3\0"s);
    EXPECT_EQ(ReadCurrentNeighbourhood(), 3);
    SetCurrentNeighbourhood(std::string(3000, '0') + "42");
    EXPECT_EQ(ReadCurrentNeighbourhood(), 42);
}

TEST_F(GameDataLocatorTest, CurrentNeighbourhoodNotTextReadsAsZero) {
    EXPECT_EQ(ReadCurrentNeighbourhood(), 0);
    SetDataFolder("C:\\Games\\Sims"s);
    EXPECT_EQ(ReadCurrentNeighbourhood(), 0);
    SetCurrentNeighbourhood(""s);
    EXPECT_EQ(ReadCurrentNeighbourhood(), 0);
    // A 32-bit number 2 as stored in binary, not as text.
    SetCurrentNeighbourhood("\x02\0\0\0"s);
    EXPECT_EQ(ReadCurrentNeighbourhood(), 0);
}

TEST_F(GameDataLocatorTest, NeighbourhoodPathsAppendToTheDataFolder) {
    SetDataFolder("C:\\Games\\Sims\0"s);
    EXPECT_EQ(NeighbourhoodFolder(1), "C:\\Games\\Sims\\UserData");
    EXPECT_EQ(NeighbourhoodFile(1), "C:\\Games\\Sims\\UserData\\neighborhood.iff");
    EXPECT_EQ(NeighbourhoodFile(3), "C:\\Games\\Sims\\UserData3\\neighborhood.iff");
    EXPECT_EQ(NeighbourhoodFolder(10), "C:\\Games\\Sims\\UserData10");
    EXPECT_EQ(NeighbourhoodFolder(9), "C:\\Games\\Sims\\UserData9");
    EXPECT_EQ(NeighbourhoodFolder(0), "C:\\Games\\Sims\\UserData0");
    EXPECT_EQ(NeighbourhoodFolder(-2), "C:\\Games\\Sims\\UserData-2");
    EXPECT_EQ(HousesFolder(2), "C:\\Games\\Sims\\UserData2\\Houses");
}

TEST_F(GameDataLocatorTest, TrailingBackslashIsKeptAndDoubles) {
    SetDataFolder("C:\\Games\\Sims\\\0"s);
    EXPECT_EQ(NeighbourhoodFile(1), "C:\\Games\\Sims\\\\UserData\\neighborhood.iff");
    EXPECT_EQ(HousesFolder(4), "C:\\Games\\Sims\\\\UserData4\\Houses");
}

TEST_F(GameDataLocatorTest, PathsFollowTheRegistryOnEveryCall) {
    SetDataFolder("C:\\One"s);
    EXPECT_EQ(NeighbourhoodFolder(1), "C:\\One\\UserData");
    SetDataFolder("D:\\Two"s);
    EXPECT_EQ(NeighbourhoodFolder(1), "D:\\Two\\UserData");
    key_.Remove("SIMS_DATA");
    EXPECT_EQ(NeighbourhoodFolder(1), "\\UserData");
    SetDataFolder("E:\\Three"s);
    key_.RemoveKey();
    EXPECT_EQ(NeighbourhoodFolder(2), "\\UserData2");
}

TEST(HouseFile, IsHouseAndTheLotLabelInTheHousesFolder) {
    EXPECT_EQ(HouseFile("C:\\S\\UserData\\Houses", "05"), "C:\\S\\UserData\\Houses\\house05.iff");
    EXPECT_EQ(HouseFile("C:\\S\\UserData\\Houses", "100"), "C:\\S\\UserData\\Houses\\house100.iff");
    EXPECT_EQ(HouseFile("", "12"), "\\house12.iff");
}

}  // namespace
}  // namespace gamedata
