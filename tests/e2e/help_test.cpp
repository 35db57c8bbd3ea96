// Help in the real program: the help file beside it opens in the help
// viewer; without it, the message names where the file was expected.
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

constexpr char kHelpCaption[] = "Lotwarden Help";
constexpr char kMessageCaption[] = "Error Opening Help File";
// The control that shows a message box's text.
constexpr int kMessageTextId = 0xFFFF;

void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// A game folder with one family, so that the program starts without a message.
class LotwardenHelpTest : public testing::Test {
protected:
    void SetUp() override {
        gamegen::WriteGameFolder(game_.path(), {{"UserData", {{"Newbie", 1, 12}}}});
        key_.SetText("SIMS_DATA", game_.path().string());
        key_.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "1");
    }

    test_support::TempFolder game_;
    test_support::GameKey key_;
};

TEST_F(LotwardenHelpTest, OpensTheHelpFileBesideTheProgramAndTheProgramStillEndsCleanly) {
    e2e::RunningProgram program(e2e::ExeBesideThisOne("Lotwarden.exe"));
    HWND dialog = program.WaitForWindow("Lotwarden", 20000);
    ASSERT_NE(dialog, nullptr) << "the Lotwarden window did not appear";

    Press(dialog, IDC_HELP_BUTTON);
    HWND help = program.WaitForWindow(kHelpCaption, 20000);
    ASSERT_NE(help, nullptr) << "no help window";
    EXPECT_EQ(program.WaitForWindow(kMessageCaption, 0), nullptr);

    // Exit with the help window still open.
    Press(dialog, IDC_EXIT);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(10000, &exitCode)) << "Exit did not end the program";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_FALSE(IsWindow(help));
}

TEST_F(LotwardenHelpTest, WithoutTheHelpFileTheMessageNamesWhereItWasExpected) {
    test_support::TempFolder folder;
    const std::string exe = folder.File("Lotwarden.exe");
    ASSERT_TRUE(CopyFileA(e2e::ExeBesideThisOne("Lotwarden.exe").c_str(), exe.c_str(), TRUE));
    e2e::RunningProgram program(exe);
    HWND dialog = program.WaitForWindow("Lotwarden", 20000);
    ASSERT_NE(dialog, nullptr) << "the Lotwarden window did not appear";

    Press(dialog, IDC_HELP_BUTTON);
    HWND message = program.WaitForWindow(kMessageCaption, 20000);
    ASSERT_NE(message, nullptr) << "no message";
    EXPECT_EQ(GetWindow(message, GW_OWNER), dialog);
    const std::string text = test_support::ItemText(message, kMessageTextId);
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), folder.File("Lotwarden.chm")) << text;
    EXPECT_EQ(program.WaitForWindow(kHelpCaption, 0), nullptr);

    PostMessageA(message, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::Eventually([&] { return !IsWindow(message); }, 10000))
        << "OK did not close the message";
    Press(dialog, IDC_EXIT);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.WaitForExit(10000, &exitCode)) << "Exit did not end the program";
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
