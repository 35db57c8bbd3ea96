// Help in the real program, asked for with the Help button or with F1 in
// either dialog: the help file beside it opens in the help viewer; without
// it, the message names where the file was expected; F1 inside a message
// box opens nothing more; a viewer, or any DLL, planted beside it never runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "common/unique_handle.h"
#include "res/resource.h"
#include "tests/e2e/lotwarden_session.h"
#include "tests/e2e/program_window.h"
#include "tests/support/game_key.h"
#include "tests/support/list_view.h"
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

// Key presses as the keyboard makes them, into the window in front; the
// system turns F1 into a help request only for such input, while the
// program's own loop takes them from the queue, in order.
void PressKeys(HWND window, std::initializer_list<WORD> keys) {
    SetForegroundWindow(window);
    std::vector<INPUT> input;
    for (WORD key : keys) {
        INPUT press{};
        press.type = INPUT_KEYBOARD;
        press.ki.wVk = key;
        input.push_back(press);
        press.ki.dwFlags = KEYEVENTF_KEYUP;
        input.push_back(press);
    }
    SendInput(static_cast<UINT>(input.size()), input.data(), sizeof(INPUT));
}

void PressF1(HWND window) {
    PressKeys(window, {VK_F1});
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

    // A copy of the program in a folder of its own, without its help file.
    std::string ProgramAlone() const {
        Plant("Lotwarden.exe", "Lotwarden.exe");
        return folder_.File("Lotwarden.exe");
    }

    // A file from beside this test, put beside the copy under another name.
    void Plant(const char* file, const char* as) const {
        ASSERT_TRUE(CopyFileA(e2e::ExeBesideThisOne(file).c_str(), folder_.File(as).c_str(), TRUE))
            << file;
    }

    test_support::TempFolder game_;
    test_support::GameKey key_;
    test_support::TempFolder folder_;
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
    e2e::RunningProgram program(ProgramAlone());
    HWND dialog = program.WaitForWindow("Lotwarden", 20000);
    ASSERT_NE(dialog, nullptr) << "the Lotwarden window did not appear";

    HWND asked = GetParam().ask(program, dialog);
    ASSERT_NE(asked, nullptr);
    HWND message = program.WaitForWindow(kMessageCaption, 20000);
    ASSERT_NE(message, nullptr) << "no message";
    EXPECT_EQ(GetWindow(message, GW_OWNER), asked);
    const std::string text = test_support::ItemText(message, kMessageTextId);
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), folder_.File("Lotwarden.chm")) << text;
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
    const std::string program = ProgramAlone();
    Plant("Lotwarden.chm", "Lotwarden.chm");
    Plant("planted\\hhctrl.ocx", "hhctrl.ocx");
    // The viewer's registered location, unreadable: longer than any path.
    const ReplacedRegistryText registration(
        HKEY_CLASSES_ROOT, "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32", nullptr,
        std::string(2 * MAX_PATH, 'x'));
    // Wine puts its own control in place of a file of that name, wherever
    // the file lies, unless told to take the file first as Windows does.
    const ReplacedRegistryText loadOrder(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides",
                                         "hhctrl.ocx", "native,builtin");
    e2e::RunningProgram running(program);
    HWND dialog = running.WaitForWindow("Lotwarden", 20000);
    ASSERT_NE(dialog, nullptr) << "the Lotwarden window did not appear";

    Press(dialog, IDC_HELP_BUTTON);
    EXPECT_NE(running.WaitForWindow(kHelpCaption, 20000), nullptr) << "no help window";
    EXPECT_EQ(GetFileAttributesA(folder_.File("hhctrl.ocx.loaded").c_str()),
              INVALID_FILE_ATTRIBUTES)
        << "the planted hhctrl.ocx was loaded";
    EXPECT_TRUE(CloseAndExit(running, dialog, dialog));
}

// LoadLibraryA run inside the program, as the system's code there asks for
// a DLL by bare name: the module's address, 0 when nothing loaded, nothing
// when the call could not be made. Both sides are 32-bit, and kernel32 lies
// at one address in every process of a session.
std::optional<DWORD> LoadInProgram(HANDLE process, const std::string& dll) {
    void* name = VirtualAllocEx(process, nullptr, dll.size() + 1, MEM_COMMIT, PAGE_READWRITE);
    DWORD module = 0;
    bool called =
        name != nullptr && WriteProcessMemory(process, name, dll.c_str(), dll.size() + 1, nullptr);
    if (called) {
        const auto loadLibrary =
            reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void (*)()>(
                GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")));
        const UniqueHandle<HANDLE, &CloseHandle> thread(
            CreateRemoteThread(process, nullptr, 0, loadLibrary, name, 0, nullptr));
        called = thread && WaitForSingleObject(thread.Get(), e2e::kDeadlineMs) == WAIT_OBJECT_0 &&
                 GetExitCodeThread(thread.Get(), &module);
    }
    if (name != nullptr) {
        VirtualFreeEx(process, name, 0, MEM_RELEASE);
    }
    return called ? std::optional<DWORD>(module) : std::nullopt;
}

TEST_F(LotwardenHelpTest, ADllBesideTheProgramIsNeverLoadedByBareName) {
    const std::string program = ProgramAlone();
    Plant("planted\\hhctrl.ocx", "planted.dll");
    e2e::RunningProgram running(program);
    HWND dialog = running.WaitForWindow("Lotwarden", 20000);
    ASSERT_NE(dialog, nullptr) << "the Lotwarden window did not appear";

    const std::optional<DWORD> module = LoadInProgram(running.Process(), "planted.dll");
    ASSERT_TRUE(module.has_value()) << "LoadLibraryA could not be run in the program";
    EXPECT_EQ(*module, 0u);
    EXPECT_EQ(GetFileAttributesA(folder_.File("planted.dll.loaded").c_str()),
              INVALID_FILE_ATTRIBUTES)
        << "the planted DLL's DllMain ran";
    EXPECT_TRUE(CloseAndExit(running, dialog, dialog));
}

// A message box of the program, and how the user brings it up.
struct MessageBoxCase {
    const char* name;
    const char* caption;
    void (*open)(HWND mainDialog);
};

void PrintTo(const MessageBoxCase& box, std::ostream* out) {
    *out << box.name;
}

void AskForHelp(HWND mainDialog) {
    PressF1(mainDialog);
}

void UpdateWithZeroDays(HWND mainDialog) {
    test_support::SelectListRow(GetDlgItem(mainDialog, IDC_FAMILY_TABLE), 0);
    HWND daysBox = GetDlgItem(mainDialog, IDC_DAYS);
    SendMessageA(daysBox, EM_SETSEL, 0, -1);
    PostMessageA(daysBox, WM_CHAR, '0', 1);
    HWND update = GetDlgItem(mainDialog, IDC_UPDATE_DAYS);
    e2e::Eventually([&] { return IsWindowEnabled(update) != FALSE; });
    Press(mainDialog, IDC_UPDATE_DAYS);
}

class F1InAMessageBoxTest : public LotwardenHelpTest,
                            public testing::WithParamInterface<MessageBoxCase> {};

TEST_P(F1InAMessageBoxTest, OpensNothingAndOKLeavesNoBox) {
    e2e::RunningProgram program(ProgramAlone());
    HWND dialog = program.WaitForWindow("Lotwarden", 20000);
    ASSERT_NE(dialog, nullptr) << "the Lotwarden window did not appear";
    GetParam().open(dialog);
    HWND box = program.WaitForWindow(GetParam().caption, 20000);
    ASSERT_NE(box, nullptr) << "no message";

    // Enter comes after the F1s: a box they brought up would take it in
    // place of this one, and stay.
    PressKeys(box, {VK_F1, VK_F1, VK_RETURN});
    std::size_t mostBoxes = 0;
    EXPECT_TRUE(e2e::Eventually(
        [&] {
            const std::size_t boxes = program.VisibleWindows().size() - 1;
            mostBoxes = std::max(mostBoxes, boxes);
            return boxes == 0;
        },
        10000))
        << "a message is still up";
    EXPECT_EQ(mostBoxes, 1u);
    EXPECT_TRUE(CloseAndExit(program, dialog, dialog));
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, F1InAMessageBoxTest,
    testing::Values(MessageBoxCase{"HelpError", kMessageCaption, &AskForHelp},
                    MessageBoxCase{"BadInput", "Bad Input", &UpdateWithZeroDays}),
    [](const testing::TestParamInfo<MessageBoxCase>& info) { return info.param.name; });

}  // namespace
