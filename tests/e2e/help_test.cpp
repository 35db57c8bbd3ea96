// Help in the real program, asked for with the Help button or with F1 in
// either dialog: the help file beside it opens in the help viewer; without
// it, the message names where the file was expected; a viewer planted
// beside it never runs.
#include <gtest/gtest.h>

#include <string>

#include "common/unique_handle.h"
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
constexpr char kAboutCaption[] = "About this program...";
// The control that shows a message box's text.
constexpr int kMessageTextId = 0xFFFF;

void Press(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// A key press as the keyboard makes it, into the window in front; the
// system turns F1 into a help request only for such input, while the
// program's own loop takes it from the queue.
void PressF1(HWND window) {
    SetForegroundWindow(window);
    INPUT keys[2] = {};
    keys[0].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = VK_F1;
    keys[1] = keys[0];
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, keys, sizeof(INPUT));
}

// One way to ask for help; answers the dialog it was asked in.
struct HelpRequest {
    const char* name;
    HWND (*ask)(const e2e::RunningProgram& program, HWND mainDialog);
};

HWND HelpButton(const e2e::RunningProgram&, HWND mainDialog) {
    Press(mainDialog, IDC_HELP_BUTTON);
    return mainDialog;
}

HWND F1InTheMainDialog(const e2e::RunningProgram&, HWND mainDialog) {
    PressF1(mainDialog);
    return mainDialog;
}

HWND F1InTheAboutBox(const e2e::RunningProgram& program, HWND mainDialog) {
    Press(mainDialog, IDC_ABOUT);
    HWND about = program.WaitForWindow(kAboutCaption, 20000);
    if (about != nullptr) {
        PressF1(about);
    }
    return about;
}

// A game folder with one family, so that the program starts without a message.
class LotwardenHelpTest : public testing::Test {
protected:
    void SetUp() override {
        gamegen::WriteGameFolder(game_.path(), {{"UserData", {{"Newbie", 1, 12}}}});
        key_.SetText("SIMS_DATA", game_.path().string());
        key_.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "1");
    }

    // Closes the About box if help was asked there, then exits; true when
    // the program ended cleanly.
    static bool CloseAndExit(const e2e::RunningProgram& program, HWND mainDialog, HWND asked) {
        if (asked != mainDialog) {
            Press(asked, IDCANCEL);
            if (!e2e::Eventually([&] { return !IsWindow(asked); }, 10000)) {
                return false;
            }
        }
        Press(mainDialog, IDC_EXIT);
        DWORD exitCode = 1;
        return program.WaitForExit(10000, &exitCode) && exitCode == 0;
    }

    test_support::TempFolder game_;
    test_support::GameKey key_;
};

class HelpRequestTest : public LotwardenHelpTest,
                        public testing::WithParamInterface<HelpRequest> {};

TEST_P(HelpRequestTest, OpensTheHelpFileBesideTheProgramAndTheProgramStillEndsCleanly) {
    e2e::RunningProgram program(e2e::ExeBesideThisOne("Lotwarden.exe"));
    HWND dialog = program.WaitForWindow("Lotwarden", 20000);
    ASSERT_NE(dialog, nullptr) << "the Lotwarden window did not appear";

    HWND asked = GetParam().ask(program, dialog);
    ASSERT_NE(asked, nullptr);
    HWND help = program.WaitForWindow(kHelpCaption, 20000);
    ASSERT_NE(help, nullptr) << "no help window";
    EXPECT_EQ(program.WaitForWindow(kMessageCaption, 0), nullptr);

    // Exit with the help window still open.
    EXPECT_TRUE(CloseAndExit(program, dialog, asked));
    EXPECT_FALSE(IsWindow(help));
}

TEST_P(HelpRequestTest, WithoutTheHelpFileTheMessageNamesWhereItWasExpected) {
    test_support::TempFolder folder;
    const std::string exe = folder.File("Lotwarden.exe");
    ASSERT_TRUE(CopyFileA(e2e::ExeBesideThisOne("Lotwarden.exe").c_str(), exe.c_str(), TRUE));
    e2e::RunningProgram program(exe);
    HWND dialog = program.WaitForWindow("Lotwarden", 20000);
    ASSERT_NE(dialog, nullptr) << "the Lotwarden window did not appear";

    HWND asked = GetParam().ask(program, dialog);
    ASSERT_NE(asked, nullptr);
    HWND message = program.WaitForWindow(kMessageCaption, 20000);
    ASSERT_NE(message, nullptr) << "no message";
    EXPECT_EQ(GetWindow(message, GW_OWNER), asked);
    const std::string text = test_support::ItemText(message, kMessageTextId);
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), folder.File("Lotwarden.chm")) << text;
    EXPECT_EQ(program.WaitForWindow(kHelpCaption, 0), nullptr);

    PostMessageA(message, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::Eventually([&] { return !IsWindow(message); }, 10000))
        << "OK did not close the message";
    EXPECT_TRUE(CloseAndExit(program, dialog, asked));
}

INSTANTIATE_TEST_SUITE_P(Ways, HelpRequestTest,
                         testing::Values(HelpRequest{"HelpButton", &HelpButton},
                                         HelpRequest{"F1InTheMainDialog", &F1InTheMainDialog},
                                         HelpRequest{"F1InTheAboutBox", &F1InTheAboutBox}),
                         [](const testing::TestParamInfo<HelpRequest>& info) {
                             return info.param.name;
                         });

// A text value of the registry, replaced for as long as this lives, then
// put back as it was, or taken away when there was none.
class ReplacedRegistryText {
public:
    ReplacedRegistryText(HKEY root, const char* subkey, const char* name, const std::string& text)
        : name_(name) {
        HKEY key = nullptr;
        RegCreateKeyExA(root, subkey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key,
                        nullptr);
        key_.Reset(key);
        char before[MAX_PATH] = {};
        DWORD size = sizeof before;
        existed_ = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(before),
                                    &size) == ERROR_SUCCESS;
        before_ = before;
        Set(text);
    }
    ~ReplacedRegistryText() { existed_ ? Set(before_) : RegDeleteValueA(key_.Get(), name_); }
    ReplacedRegistryText(const ReplacedRegistryText&) = delete;
    ReplacedRegistryText& operator=(const ReplacedRegistryText&) = delete;

private:
    LONG Set(const std::string& text) {
        return RegSetValueExA(key_.Get(), name_, 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>(text.size() + 1));
    }

    UniqueHandle<HKEY, &RegCloseKey> key_;
    const char* name_;
    bool existed_ = false;
    std::string before_;
};

TEST_F(LotwardenHelpTest, AViewerPlantedBesideTheProgramNeverRuns) {
    test_support::TempFolder folder;
    for (const char* file : {"Lotwarden.exe", "Lotwarden.chm"}) {
        ASSERT_TRUE(
            CopyFileA(e2e::ExeBesideThisOne(file).c_str(), folder.File(file).c_str(), TRUE));
    }
    ASSERT_TRUE(CopyFileA(e2e::ExeBesideThisOne("planted\\hhctrl.ocx").c_str(),
                          folder.File("hhctrl.ocx").c_str(), TRUE));
    // The viewer's registered location, unreadable: longer than any path.
    const ReplacedRegistryText registration(
        HKEY_CLASSES_ROOT, "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32", nullptr,
        std::string(2 * MAX_PATH, 'x'));
    // Wine puts its own control in place of a file of that name, wherever
    // the file lies, unless told to take the file first as Windows does.
    const ReplacedRegistryText loadOrder(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides",
                                         "hhctrl.ocx", "native,builtin");
    e2e::RunningProgram program(folder.File("Lotwarden.exe"));
    HWND dialog = program.WaitForWindow("Lotwarden", 20000);
    ASSERT_NE(dialog, nullptr) << "the Lotwarden window did not appear";

    Press(dialog, IDC_HELP_BUTTON);
    EXPECT_NE(program.WaitForWindow(kHelpCaption, 20000), nullptr) << "no help window";
    EXPECT_EQ(GetFileAttributesA(folder.File("hhctrl.ocx.loaded").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the planted hhctrl.ocx was loaded";
    EXPECT_TRUE(CloseAndExit(program, dialog, dialog));
}

}  // namespace
