// The real program, started as its own process against a generated game
// folder and driven from this one through its windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/program_window.h"
#include "tests/support/game_key.h"
#include "tests/support/list_view.h"
#include "tests/support/test_files.h"
#include "tests/support/window_text.h"
#include "tools/gamegen/gamegen.h"

namespace {

// Polls until the condition holds or the deadline passes; the program runs
// in its own process, so there is nothing to wait on directly.
template <class Condition>
bool Eventually(Condition condition, DWORD timeoutMs = 10000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

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

// A user's edit, from outside: select a family, type over the days box,
// press Update Days. A bad value is answered with "Bad Input" and writes
// nothing; a good one lands in the house file and in the table.
TEST(LotwardenProgram, UpdatesTheSelectedFamilysDaysAndRefusesABadValue) {
    test_support::TempFolder game;
    gamegen::WriteGameFolder(game.path(), {{"UserData", {{"Newbie", 1, 12}, {"Goth", 5, 200}}}});
    test_support::GameKey key;
    key.SetText("SIMS_DATA", game.path().string());
    key.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "1");
    const std::string house = game.File("UserData\\Houses\\house05.iff");
    const std::string before = test_support::ReadBytes(house).value();

    e2e::RunningProgram program(e2e::ExeBesideThisOne("Lotwarden.exe"));
    HWND dialog = program.WaitForWindow("Lotwarden", 20000);
    ASSERT_NE(dialog, nullptr) << "the Lotwarden window did not appear";
    HWND table = GetDlgItem(dialog, IDC_FAMILY_TABLE);
    HWND days = GetDlgItem(dialog, IDC_DAYS);
    HWND update = GetDlgItem(dialog, IDC_UPDATE_DAYS);
    ASSERT_EQ(test_support::ListRows(table),
              (std::vector<test_support::ListRow>{{"Goth", "05", "200"}, {"Newbie", "01", "12"}}));

    const auto typeAndUpdate = [&](const std::string& text) {
        test_support::SelectListRow(table, 0);
        SendMessageA(days, EM_SETSEL, 0, -1);
        for (char c : text) {
            PostMessageA(days, WM_CHAR, static_cast<unsigned char>(c), 1);
        }
        ASSERT_TRUE(Eventually([&] { return IsWindowEnabled(update) != FALSE; }))
            << "Update Days was not enabled after typing " << text;
        PostMessageA(update, BM_CLICK, 0, 0);
    };

    typeAndUpdate("300");
    HWND badInput = program.WaitForWindow("Bad Input", 10000);
    ASSERT_NE(badInput, nullptr) << "no Bad Input message";
    EXPECT_EQ(test_support::ItemText(badInput, 0xFFFF),
              "Please enter an integer value between 1 and 255.");
    PostMessageA(badInput, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(Eventually([&] { return !IsWindow(badInput); }));
    EXPECT_EQ(test_support::ReadBytes(house), before);

    typeAndUpdate("77");
    std::string expected = before;
    expected.replace(208, 2, std::string("\x4D\x00", 2));
    EXPECT_TRUE(Eventually([&] { return test_support::ReadBytes(house) == expected; }))
        << "77 did not land at byte 208 alone";
    EXPECT_TRUE(Eventually([&] { return test_support::ListRows(table)[0][2] == "77"; }));
    EXPECT_EQ(test_support::SelectedListRow(table), 0);

    PostMessageA(dialog, WM_CLOSE, 0, 0);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
