// The game's registry values as the real registry delivers them: typed
// values written with the registry's own calls, read back by the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "gamedata/game_data_locator.h"
#include "gamedata/game_registry.h"
#include "tests/support/game_key.h"

namespace gamedata {
namespace {

using namespace std::string_literals;

constexpr char kDataFolder[] = "SIMS_DATA";
constexpr char kNeighbourhood[] = "SIMS_CURRENT_NEIGHBORHOOD_NUM";

class RegistryTest : public testing::Test {
protected:
    test_support::GameKey key_;
};

TEST_F(RegistryTest, TextValuesAreRead) {
    key_.SetText(kDataFolder, "C:\\Games\\Sims");
    key_.SetText(kNeighbourhood, "12");
    EXPECT_EQ(ReadDataFolder(), "C:\\Games\\Sims");
    EXPECT_EQ(ReadCurrentNeighbourhood(), 12);
    EXPECT_EQ(NeighbourhoodFile(3), "C:\\Games\\Sims\\UserData3\\neighborhood.iff");
}

TEST_F(RegistryTest, RawBytesAreExactlyWhatTheRegistryHolds) {
    key_.SetText(kDataFolder, "C:\\Sims");
    EXPECT_EQ(QueryGameValue(kDataFolder), "C:\\Sims\0"s);
    key_.SetBytes(kDataFolder, "D:\\NoZero");
    EXPECT_EQ(QueryGameValue(kDataFolder), "D:\\NoZero");
    key_.SetBytes(kDataFolder, "");
    EXPECT_EQ(QueryGameValue(kDataFolder), "");
}

TEST_F(RegistryTest, MissingValuesAndKeyReadAsEmptyAndZero) {
    key_.SetText("OTHER_VALUE", "C:\\Elsewhere");
    EXPECT_EQ(QueryGameValue(kDataFolder), std::nullopt);
    EXPECT_EQ(ReadDataFolder(), "");
    EXPECT_EQ(ReadCurrentNeighbourhood(), 0);
    key_.RemoveKey();
    EXPECT_EQ(QueryGameValue(kDataFolder), std::nullopt);
    EXPECT_EQ(ReadDataFolder(), "");
    EXPECT_EQ(ReadCurrentNeighbourhood(), 0);
}

TEST_F(RegistryTest, NumberStoredAsDwordReadsAsZero) {
    const DWORD two = 2;
    key_.SetTyped(kNeighbourhood, REG_DWORD,
                  std::string(reinterpret_cast<const char*>(&two), sizeof two));
    EXPECT_EQ(QueryGameValue(kNeighbourhood), "\x02\0\0\0"s);
    EXPECT_EQ(ReadCurrentNeighbourhood(), 0);
}

TEST_F(RegistryTest, DataFolderLongerThan1024BytesIsUnreadable) {
    key_.SetText(kDataFolder, "C:\\" + std::string(1100, 'a'));
    EXPECT_EQ(ReadDataFolder(), "");
    key_.SetBytes(kDataFolder, "C:\\Sims\0"s + std::string(1500, 'b'));
    EXPECT_EQ(ReadDataFolder(), "");
    // 1023 characters and the zero fill the buffer exactly.
    key_.SetText(kDataFolder, "C:\\" + std::string(1020, 'c'));
    EXPECT_EQ(ReadDataFolder(), "C:\\" + std::string(1020, 'c'));
}

TEST_F(RegistryTest, BinaryValueWithoutZeroIsReadToItsLastByte) {
    key_.SetBytes(kDataFolder, "C:\\Binary\\Sims");
    EXPECT_EQ(ReadDataFolder(), "C:\\Binary\\Sims");
    const std::string full = "C:\\" + std::string(1021, 'd');
    key_.SetBytes(kDataFolder, full);
    EXPECT_EQ(ReadDataFolder(), full);
    key_.SetBytes(kNeighbourhood, "7");
    EXPECT_EQ(ReadCurrentNeighbourhood(), 7);
}

TEST_F(RegistryTest, TextWithoutTerminatingZeroIsNotOverrun) {
    key_.SetTyped(kDataFolder, REG_SZ, "C:\\Bare");
    EXPECT_EQ(ReadDataFolder(), "C:\\Bare");
}

TEST_F(RegistryTest, NeighbourhoodIsReadWholeHoweverLong) {
    key_.SetText(kNeighbourhood, std::string(5000, ' ') + "3");
    EXPECT_EQ(ReadCurrentNeighbourhood(), 3);
    key_.SetBytes(kNeighbourhood, std::string(3000, '0') + "42");
    EXPECT_EQ(ReadCurrentNeighbourhood(), 42);
}

TEST_F(RegistryTest, TypeIsIgnored) {
    key_.SetTyped(kDataFolder, REG_EXPAND_SZ, "C:\\Expand\0"s);
    key_.SetTyped(kNeighbourhood, REG_MULTI_SZ,
                  "4\0"
                  "9\0\0"s);
    EXPECT_EQ(ReadDataFolder(), "C:\\Expand");
    EXPECT_EQ(ReadCurrentNeighbourhood(), 4);
}

}  // namespace
}  // namespace gamedata
