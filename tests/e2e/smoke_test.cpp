// The real program, started as its own process against a generated game
// folder and driven from this one through its windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/lotwarden_session.h"
#include "tests/support/game_key.h"
#include "tests/support/test_files.h"
#include "tests/support/window_text.h"
#include "tools/gamegen/gamegen.h"

namespace {

TEST(LotwardenProgram, StartsOnTheGameFolderListsItsNeighbourhoodsAndExitsCleanly) {
    test_support::TempFolder game;
    gamegen::WriteGameFolder(game.path(), {
                                              {"UserData", {{"Newbie", 1, 12}}},
                                              {"UserData12", {{"Pleasant", 3, 40}}},
                                              {"UserData2", {{"Goth", 5, 200}}},
                                              {"UserDataTemplate", {}},
                                          });
    test_support::GameKey key;
    key.SetText("SIMS_DATA", game.path().string());
    key.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "2");
    const std::string houseBefore =
        test_support::ReadBytes(game.File("UserData2\\Houses\\house05.iff")).value();

    e2e::LotwardenSession program;
    ASSERT_TRUE(program.Start()) << "the Lotwarden window did not appear";
    EXPECT_EQ(test_support::ClassNameOf(program.Control(IDC_NEIGHBOURHOOD)), "ComboBox");
    EXPECT_EQ(program.ChooserEntries(), (std::vector<std::string>{"01", "02", "12"}));
    EXPECT_EQ(program.ChooserSelection(), "02");

    EXPECT_EQ(test_support::ClassNameOf(program.Control(IDC_FAMILY_TABLE)), "SysListView32");
    EXPECT_EQ(program.Rows(), (std::vector<test_support::ListRow>{{"Goth", "05", "200"}}));
    for (int id : {IDC_DAYS, IDC_UPDATE_DAYS, IDC_HELP_BUTTON, IDC_ABOUT, IDC_EXIT}) {
        EXPECT_NE(program.Control(id), nullptr) << "control " << id;
    }

    ASSERT_TRUE(program.Exit()) << "Exit did not end the program cleanly";
    EXPECT_TRUE(program.TakeMessages().empty());
    EXPECT_EQ(test_support::ReadBytes(game.File("UserData2\\Houses\\house05.iff")), houseBefore);
}

}  // namespace
