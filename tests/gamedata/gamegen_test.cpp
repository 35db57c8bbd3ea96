#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/gamedata/reference_scanner.h"
#include "tests/gamedata/scan_test_support.h"
#include "tests/support/test_files.h"
#include "tools/gamegen/gamegen.h"

namespace gamegen {
namespace {

std::size_t CountOf(const std::string& bytes, const std::string& marker) {
    std::size_t count = 0;
    for (std::size_t at = bytes.find(marker); at != std::string::npos;
         at = bytes.find(marker, at + 1)) {
        ++count;
    }
    return count;
}

std::vector<gamedata::FamilyRecord> Listed(const std::vector<FamilyPlan>& families) {
    std::vector<gamedata::FamilyRecord> records;
    for (const FamilyPlan& family : families) {
        if (family.lot > 0) {
            records.push_back({family.lot, family.name.substr(0, 32)});
        }
    }
    return records;
}

const std::vector<FamilyPlan> kFamilies = {{"Hollowell", 5, 37},
                                           {"Wanderfield", 0, 0},
                                           {"IMAF FAMs", 7, 1},
                                           {std::string(45, 'I'), 12, 2},
                                           {"", 3, 9},
                                           {"Minus", -2, 0},
                                           {"Ekstr\xF6m", 300, 4}};

TEST(NeighbourhoodFileBytes, HoldsOneMarkerPairPerFamilyAndNoStrayMarkers) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        NeighbourhoodLayout layout;
        layout.seed = seed;
        layout.fillerBytesPerFamily = 4000;
        const std::string bytes = NeighbourhoodFileBytes(kFamilies, layout);
        // The family called "IMAF FAMs" carries one of each in its name.
        EXPECT_EQ(CountOf(bytes, "IMAF"), kFamilies.size() + 1) << "seed " << seed;
        EXPECT_EQ(CountOf(bytes, "FAMs"), kFamilies.size() + 1) << "seed " << seed;
    }
}

TEST(NeighbourhoodFileBytes, ScansToTheFamiliesOnALot) {
    test_support::TempFolder folder;
    const std::string path = folder.File("neighborhood.iff");
    for (const std::size_t filler : {0u, 1u, 77u, 600u, 5000u}) {
        NeighbourhoodLayout layout;
        layout.fillerBytesPerFamily = filler;
        layout.seed = static_cast<std::uint32_t>(filler) + 3;
        WriteFileBytes(path, NeighbourhoodFileBytes(kFamilies, layout));
        EXPECT_EQ(gamedata_reference::ReferenceScanFamilies(path), Listed(kFamilies))
            << "filler " << filler;
    }
}

TEST(NeighbourhoodFileBytes, SamePlansGiveTheSameBytes) {
    EXPECT_EQ(NeighbourhoodFileBytes(kFamilies), NeighbourhoodFileBytes(kFamilies));
    NeighbourhoodLayout other;
    other.seed = 2;
    EXPECT_NE(NeighbourhoodFileBytes(kFamilies), NeighbourhoodFileBytes(kFamilies, other));
}

TEST(HouseFileBytes, HoldsTheDaysAt208InAFewKilobytes) {
    for (const std::int16_t days : {0, 1, 42, 255, 256, -1}) {
        const std::string bytes = HouseFileBytes(days);
        ASSERT_EQ(bytes.size(), kHouseFileSize);
        const auto low = static_cast<unsigned char>(bytes[kDaysOffset]);
        const auto high = static_cast<unsigned char>(bytes[kDaysOffset + 1]);
        EXPECT_EQ(static_cast<std::int16_t>(low | high << 8), days);
    }
    EXPECT_NE(HouseFileBytes(1, 1), HouseFileBytes(1, 2));
}

TEST(WriteGameFolder, LaysOutNeighbourhoodsAndHousesOnLots) {
    test_support::TempFolder root;
    WriteGameFolder(root.path(), {{"UserData", kFamilies}, {"UserData2", {{"Solo", 9, 3}}}});
    const std::filesystem::path houses = root.path() / "UserData" / "Houses";
    EXPECT_EQ(test_support::ReadBytes((root.path() / "UserData" / "neighborhood.iff").string())
                  .value_or(""),
              NeighbourhoodFileBytes(kFamilies));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(houses)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"house03.iff", "house05.iff", "house07.iff",
                                               "house12.iff", "house300.iff"}));
    const std::string house = test_support::ReadBytes((houses / "house05.iff").string()).value();
    EXPECT_EQ(house.substr(kDaysOffset, 2), std::string("\x25\x00", 2));
    EXPECT_TRUE(std::filesystem::exists(root.path() / "UserData2" / "Houses" / "house09.iff"));
}

}  // namespace
}  // namespace gamegen
