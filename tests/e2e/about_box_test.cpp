// The About box of the real program, opened as a user opens it.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/e2e/lotwarden_session.h"
#include "tests/e2e/program_window.h"
#include "tests/support/game_key.h"
#include "tests/support/test_files.h"
#include "tests/support/window_text.h"
#include "tools/gamegen/gamegen.h"

namespace {

constexpr char kAboutCaption[] = "About this program...";

TEST(LotwardenProgram, OpensTheAboutBoxFromTheButtonAndTheSystemMenuAndEscapeClosesIt) {
    test_support::TempFolder game;
    gamegen::WriteGameFolder(game.path(), {{"UserData", {{"Newbie", 1, 12}}}});
    test_support::GameKey key;
    key.SetText("SIMS_DATA", game.path().string());
    key.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "1");

    e2e::RunningProgram program(e2e::ExeBesideThisOne("Lotwarden.exe"));
    HWND dialog = program.WaitForWindow("Lotwarden", 20000);
    ASSERT_NE(dialog, nullptr) << "the Lotwarden window did not appear";

    const struct {
        const char* name;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    } ways[] = {
        {"About button", WM_COMMAND, MAKEWPARAM(IDC_ABOUT, BN_CLICKED),
         reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_ABOUT))},
        {"system menu", WM_SYSCOMMAND, IDM_ABOUTBOX, 0},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        PostMessageA(dialog, way.message, way.wParam, way.lParam);
        HWND about = program.WaitForWindow(kAboutCaption, 10000);
        ASSERT_NE(about, nullptr) << "the About box did not appear";
        EXPECT_EQ(GetWindow(about, GW_OWNER), dialog);
        EXPECT_FALSE(IsWindowEnabled(dialog));
        EXPECT_EQ(test_support::ItemText(about, IDC_MAIL_LINK), "author@example.com");
        EXPECT_EQ(test_support::ItemText(about, IDC_WEB_LINK), "Fernhollow");

        // Escape reaches the box through the control that has the focus.
        PostMessageA(GetDlgItem(about, IDOK), WM_KEYDOWN, VK_ESCAPE, 1);
        ASSERT_TRUE(e2e::Eventually([&] { return !IsWindow(about); }, 10000))
            << "Escape did not close the About box";
        EXPECT_TRUE(IsWindowEnabled(dialog));
    }

    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_EXIT)));
    DWORD exitCode = 0;
    EXPECT_TRUE(program.WaitForExit(10000, &exitCode)) << "Exit did not end the program";
}

}  // namespace
