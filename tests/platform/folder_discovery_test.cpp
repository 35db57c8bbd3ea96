// Neighbourhood discovery on real folders through FindFirstFileA, with the
// names lower-cased by the ANSI code page.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gamedata/directory_listing.h"
#include "gamedata/neighbourhood_finder.h"
#include "tests/support/test_files.h"
#include "tools/gamegen/gamegen.h"

namespace gamedata {
namespace {

// The accented letters below are code page 1252; Wine takes it from a UTF-8
// locale, as the test scripts set.
void RequireWesternCodePage() {
    if (GetACP() != 1252) {
        GTEST_SKIP() << "ANSI code page is " << GetACP() << ", not 1252";
    }
}

TEST(FolderDiscovery, FindsNeighbourhoodFoldersOnly) {
    RequireWesternCodePage();
    if (IsSkipped()) {
        return;
    }
    test_support::TempFolder dataFolder;
    const std::string base = dataFolder.path().string() + "\\";
    for (const char* name : {"UserData", "UserData2", "UserData10", "UserDataTemplate",
                             "UserData7.bak", "UserData\xC9", "UserData123"}) {
        ASSERT_TRUE(CreateDirectoryA((base + name).c_str(), nullptr)) << name;
    }
    gamegen::WriteFileBytes(base + "UserData5", "a plain file");

    std::vector<std::string> labels = ListNeighbourhoods(dataFolder.path().string());
    std::sort(labels.begin(), labels.end());
    EXPECT_EQ(labels, (std::vector<std::string>{"01", "02", "07", "0\xE9", "10"}));
}

TEST(FolderDiscovery, LowerCasesByTheAnsiCodePage) {
    RequireWesternCodePage();
    if (IsSkipped()) {
        return;
    }
    EXPECT_EQ(ToLowerAnsi("USERDATA\xC9\xC0\xD6 Template"), "userdata\xE9\xE0\xF6 template");
}

TEST(FolderDiscovery, DataFolderThatIsAFileOrMissingGivesNothing) {
    test_support::TempFolder folder;
    gamegen::WriteFileBytes(folder.File("file"), "");
    EXPECT_TRUE(ListNeighbourhoods(folder.File("file")).empty());
    EXPECT_TRUE(ListNeighbourhoods(folder.File("missing")).empty());
}

}  // namespace
}  // namespace gamedata
