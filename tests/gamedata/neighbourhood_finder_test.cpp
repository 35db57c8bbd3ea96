#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "gamedata/directory_listing.h"
#include "gamedata/neighbourhood_finder.h"
#include "tests/support/test_files.h"
#include "tools/gamegen/gamegen.h"

namespace gamedata {
namespace {

using Labels = std::vector<std::string>;

class NeighbourhoodFinderTest : public testing::Test {
protected:
    void AddFolders(const std::vector<std::string>& names) {
        for (const std::string& name : names) {
            std::filesystem::create_directory(dataFolder_.path() / name);
        }
    }

    // The enumeration order is the file system's; the chooser sorts.
    Labels SortedLabels() {
        Labels labels = ListNeighbourhoods(dataFolder_.path().string());
        std::sort(labels.begin(), labels.end());
        return labels;
    }

    test_support::TempFolder dataFolder_;
};

TEST_F(NeighbourhoodFinderTest, NumberedFoldersGivePaddedLabels) {
    AddFolders({"UserData", "UserData2", "UserData10", "UserData7.bak"});
    EXPECT_EQ(SortedLabels(), (Labels{"01", "02", "07", "10"}));
}

TEST_F(NeighbourhoodFinderTest, TemplatesAreLeftOut) {
    AddFolders({"UserDataTemplate", "Template UserData", "userdatatemplate3", "UserData3"});
    EXPECT_EQ(SortedLabels(), (Labels{"03"}));
}

TEST_F(NeighbourhoodFinderTest, TheFirstEightCharactersGoWhateverTheyAre) {
    AddFolders({"MyUserData3", "MyUserData", "xxUserData"});
    EXPECT_EQ(SortedLabels(), (Labels{"ta", "ta"}));
}

TEST_F(NeighbourhoodFinderTest, SuffixesLongerThanTwoGiveNothing) {
    AddFolders({"UserData123", "UserData1000", "UserData99"});
    EXPECT_EQ(SortedLabels(), (Labels{"99"}));
}

TEST_F(NeighbourhoodFinderTest, SuffixesAreTakenAfterLowerCasing) {
    AddFolders({"UserDataX", "USERDATA4", "uSeRdAtA", "USERDATAAB"});
    EXPECT_EQ(SortedLabels(), (Labels{"01", "04", "0x", "ab"}));
}

TEST_F(NeighbourhoodFinderTest, DuplicatesAreAllListed) {
    AddFolders({"UserData", "UserData.old", "UserData1", "UserData02", "UserData2"});
    EXPECT_EQ(SortedLabels(), (Labels{"01", "01", "01", "02", "02"}));
}

TEST_F(NeighbourhoodFinderTest, OnlyFoldersCount) {
    AddFolders({"UserData"});
    gamegen::WriteFileBytes(dataFolder_.path() / "UserData5", "not a folder");
    gamegen::WriteFileBytes(dataFolder_.path() / "UserData6.iff", "");
    EXPECT_EQ(SortedLabels(), (Labels{"01"}));
}

TEST_F(NeighbourhoodFinderTest, EmptyDataFolderGivesNothing) {
    EXPECT_EQ(SortedLabels(), Labels{});
}

TEST_F(NeighbourhoodFinderTest, MissingDataFolderGivesNothing) {
    EXPECT_EQ(ListNeighbourhoods((dataFolder_.path() / "missing").string()), Labels{});
    gamegen::WriteFileBytes(dataFolder_.path() / "file", "");
    EXPECT_EQ(ListNeighbourhoods((dataFolder_.path() / "file").string()), Labels{});
}

TEST_F(NeighbourhoodFinderTest, FoldersInsideOtherFoldersAreNotSearched) {
    AddFolders({"Sims", "Sims/UserData4", "UserData", "UserData/UserData5"});
    EXPECT_EQ(SortedLabels(), (Labels{"01"}));
}

TEST(DirectoryListing, VisitsEveryEntryWithItsKind) {
    test_support::TempFolder folder;
    std::filesystem::create_directory(folder.path() / "Sub");
    gamegen::WriteFileBytes(folder.path() / "file.txt", "x");
    std::vector<std::pair<std::string, bool>> entries;
    ASSERT_TRUE(ForEachDirectoryEntry(folder.path().string() + "\\*.*",
                                      [&entries](const DirectoryEntry& entry) {
                                          entries.emplace_back(entry.name, entry.isDirectory);
                                      }));
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (std::vector<std::pair<std::string, bool>>{
                           {".", true}, {"..", true}, {"Sub", true}, {"file.txt", false}}));
}

TEST(DirectoryListing, MissingFolderCannotBeSearched) {
    test_support::TempFolder folder;
    bool visited = false;
    EXPECT_FALSE(ForEachDirectoryEntry((folder.path() / "missing").string() + "\\*.*",
                                       [&visited](const DirectoryEntry&) { visited = true; }));
    EXPECT_FALSE(visited);
}

}  // namespace
}  // namespace gamedata
