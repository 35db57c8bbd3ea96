// The real program, started as its own process against a generated game
// folder and driven from this one through its windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/program_window.h"
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

    e2e::RunningProgram program(e2e::ExeBesideThisOne("Lotwarden.exe"));
    HWND dialog = program.WaitForWindow("Lotwarden", 20000);
    ASSERT_NE(dialog, nullptr) << "the Lotwarden window did not appear";

    HWND chooser = GetDlgItem(dialog, IDC_NEIGHBOURHOOD);
    EXPECT_EQ(test_support::ClassNameOf(chooser), "ComboBox");
    EXPECT_EQ(test_support::ComboEntries(chooser), (std::vector<std::string>{"01", "02", "12"}));
    EXPECT_EQ(test_support::ComboSelection(chooser), "02");

    EXPECT_EQ(test_support::ClassNameOf(GetDlgItem(dialog, IDC_FAMILY_TABLE)), "SysListView32");
    for (int id : {IDC_DAYS, IDC_UPDATE_DAYS, IDC_HELP_BUTTON, IDC_ABOUT, IDC_EXIT}) {
        EXPECT_NE(GetDlgItem(dialog, id), nullptr) << "control " << id;
    }

    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_EXIT)));
    DWORD exitCode = 0;
    ASSERT_TRUE(program.WaitForExit(10000, &exitCode)) << "Exit did not end the program";
    EXPECT_EQ(test_support::ReadBytes(game.File("UserData2\\Houses\\house05.iff")), houseBefore);
}

}  // namespace
