// The real program on a machine with the 2025 re-release: the
// neighbourhoods in the user's Saved Games folder, with no game key or one
// written by others. The folder is made in
// the prefix's real Saved Games folder and removed again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/lotwarden_session.h"
#include "tests/support/game_key.h"
#include "tests/support/list_view.h"
#include "tests/support/re_release_folder.h"
#include "tests/support/test_files.h"
#include "tools/gamegen/gamegen.h"

namespace {

using Labels = std::vector<std::string>;

struct ChooserSeen {
    std::vector<e2e::ShownMessage> messages;
    Labels entries;
    std::string selection;
    std::vector<test_support::ListRow> families;
};

class ReReleaseSavesTest : public testing::Test {
protected:
    void MakeReReleaseSaves() {
        saves_.MakeFolder();
        gamegen::WriteGameFolder(saves_.path(), {
                                                    {"UserData", {{"Newbie", 1, 12}}},
                                                    {"UserData3", {{"Goth", 5, 200}}},
                                                });
    }

    // What the program said while starting, and what its chooser and table
    // show once its window is up; the program is closed again through its
    // Exit button.
    ChooserSeen StartProgramAndReadChooser() {
        e2e::LotwardenSession program;
        if (!program.Start()) {
            ADD_FAILURE() << "the Lotwarden window did not appear";
            return {};
        }
        ChooserSeen seen{program.TakeMessages(), program.ChooserEntries(),
                         program.ChooserSelection(), program.Rows()};
        EXPECT_TRUE(program.Exit()) << "Exit did not end the program cleanly";
        return seen;
    }

    test_support::GameKey key_;
    test_support::ReReleaseFolder saves_;
};

TEST_F(ReReleaseSavesTest, WithoutTheGameKeyTheChooserListsTheSaveFolder) {
    MakeReReleaseSaves();
    const ChooserSeen seen = StartProgramAndReadChooser();
    EXPECT_TRUE(seen.messages.empty());
    EXPECT_EQ(seen.entries, (Labels{"01", "03"}));
    // No current neighbourhood in the registry: the first one.
    EXPECT_EQ(seen.selection, "01");
    EXPECT_EQ(seen.families, (std::vector<test_support::ListRow>{{"Newbie", "01", "12"}}));
}

// Written after the re-release's saves, the classic game's are the newer.
TEST_F(ReReleaseSavesTest, TheClassicGamePlayedLastWinsOverTheSaveFolder) {
    MakeReReleaseSaves();
    test_support::TempFolder classic;
    gamegen::WriteGameFolder(classic.path(), {
                                                 {"UserData2", {{"Pleasant", 3, 40}}},
                                                 {"UserData7", {{"Roomies", 2, 9}}},
                                             });
    key_.SetText("SIMS_DATA", classic.path().string());
    key_.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "7");
    const ChooserSeen seen = StartProgramAndReadChooser();
    EXPECT_EQ(seen.entries, (Labels{"02", "07"}));
    EXPECT_EQ(seen.selection, "07");
    EXPECT_EQ(seen.families, (std::vector<test_support::ListRow>{{"Roomies", "02", "9"}}));
}

// A community installer's values: SIMS_DATA names the re-release's install
// folder, which holds no neighbourhood, and no current neighbourhood.
TEST_F(ReReleaseSavesTest, AnInstallFolderWithoutSavesGivesWayToTheSaveFolder) {
    MakeReReleaseSaves();
    test_support::TempFolder installFolder;
    key_.SetText("SIMS_DATA", installFolder.path().string());
    const ChooserSeen seen = StartProgramAndReadChooser();
    EXPECT_TRUE(seen.messages.empty());
    EXPECT_EQ(seen.entries, (Labels{"01", "03"}));
    EXPECT_EQ(seen.families, (std::vector<test_support::ListRow>{{"Newbie", "01", "12"}}));
}

TEST_F(ReReleaseSavesTest, WithNeitherTheChooserIsEmptyAndTheMissingFileIsNamed) {
    const ChooserSeen seen = StartProgramAndReadChooser();
    EXPECT_EQ(seen.messages,
              std::vector<e2e::ShownMessage>{e2e::FileNotFound("\\UserData\\neighborhood.iff")});
    EXPECT_EQ(seen.entries, Labels{});
    EXPECT_EQ(seen.selection, "");
    EXPECT_TRUE(seen.families.empty());
}

}  // namespace
