// Help: which file is opened, what the viewer is asked, and what the user is
// told when it cannot be opened. The real viewer is Wine's hhctrl.ocx.
#include <windows.h>

#include <gtest/gtest.h>
#include <htmlhelp.h>

#include <string>
#include <vector>

#include "common/unique_handle.h"
#include "framework/resources.h"
#include "res/resource.h"
#include "tests/support/test_files.h"
#include "tests/ui/idle_script.h"
#include "tests/ui/message_box_recorder.h"
#include "ui/help_command.h"
#include "ui/html_help_viewer.h"
#include "ui/lotwarden_dlg.h"

namespace {

using WindowHandle = UniqueHandle<HWND, &DestroyWindow>;

constexpr char kMessageStart[] =
    "The program help file was either not found, or\n"
    "cannot be opened. The expected file path is:\n\n";

WindowHandle TopLevelWindow() {
    return WindowHandle(CreateWindowA("STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                      nullptr, nullptr, nullptr, nullptr));
}

struct ProgramPath {
    const char* name;
    const char* program;
    const char* helpFile;
};

class HelpFileBesideTest : public testing::TestWithParam<ProgramPath> {};

TEST_P(HelpFileBesideTest, IsTheProgramsFolderWithTheHelpFileName) {
    EXPECT_EQ(HelpFileBeside(GetParam().program), GetParam().helpFile);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, HelpFileBesideTest,
    testing::Values(
        ProgramPath{"InAFolder", "C:\\Tools\\Lotwarden.exe", "C:\\Tools\\Lotwarden.chm"},
        ProgramPath{"RenamedProgram", "C:\\Tools\\lw2.exe", "C:\\Tools\\Lotwarden.chm"},
        ProgramPath{"DotInTheFolder", "C:\\My.Games\\Lotwarden.exe", "C:\\My.Games\\Lotwarden.chm"},
        ProgramPath{"NetworkShare", "\\\\pc\\tools\\Lotwarden.exe", "\\\\pc\\tools\\Lotwarden.chm"},
        ProgramPath{"NoFolder", "Lotwarden.exe", "\\Lotwarden.chm"}),
    [](const testing::TestParamInfo<ProgramPath>& info) { return info.param.name; });

TEST(OpenHelpFile, OpensTheHelpFileBesideTheProgramWithoutAMessage) {
    MessageBoxRecorder messages;
    const WindowHandle owner = TopLevelWindow();
    HtmlHelpViewer viewer;
    HWND help = OpenHelpFile(owner.Get(), HelpFileBeside(ModulePath()), viewer);
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(IsWindowVisible(help));
    char caption[64] = {};
    GetWindowTextA(help, caption, sizeof caption);
    EXPECT_STREQ(caption, "Lotwarden Help");
    viewer.CloseAll();
    EXPECT_FALSE(IsWindow(help));
    EXPECT_TRUE(messages.shown.empty());
}

// Closed with the main dialog, not at the program's exit: on Windows the
// viewer's own thread would then still be running.
TEST(OpenHelpFile, TheHelpWindowClosesWithTheMainDialog) {
    MessageBoxRecorder messages;
    CLotwardenDlg dialog;
    HWND help = nullptr;
    IdleScript script(
        {[](HWND main) { PostMessageA(GetDlgItem(main, IDC_HELP_BUTTON), BM_CLICK, 0, 0); },
         [&](HWND main) {
             help = FindWindowA(nullptr, "Lotwarden Help");
             PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
         }});
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(IsWindow(help)) << "the help window outlived the main dialog";
}

struct Failure {
    const char* name;
    bool viewerFound;
    std::string (*helpFile)(const test_support::TempFolder& emptyFolder);
};

std::string TheBuiltHelpFile(const test_support::TempFolder&) {
    return HelpFileBeside(ModulePath());
}

std::string MissingFile(const test_support::TempFolder& emptyFolder) {
    return emptyFolder.File("Lotwarden.chm");
}

// 255 characters, just short of MAX_PATH: Wine's viewer overran a buffer
// when given such a path of a missing file.
std::string MissingFileWithALongPath(const test_support::TempFolder& emptyFolder) {
    const std::string name = "\\Lotwarden.chm";
    std::string folder = emptyFolder.File("");
    folder.append(MAX_PATH - 5 - folder.size() - name.size(), 'x');
    return folder + name;
}

class OpenHelpFileFailureTest : public testing::TestWithParam<Failure> {};

TEST_P(OpenHelpFileFailureTest, ShowsTheMessageNamingTheFileItExpected) {
    test_support::TempFolder emptyFolder;
    const std::string helpFile = GetParam().helpFile(emptyFolder);
    HtmlHelpViewer viewer(GetParam().viewerFound
                              ? HtmlHelpViewer::Loader(&LoadHtmlHelp)
                              : HtmlHelpViewer::Loader([] { return HtmlHelpFunction{}; }));
    MessageBoxRecorder messages;
    const WindowHandle owner = TopLevelWindow();

    EXPECT_EQ(OpenHelpFile(owner.Get(), helpFile, viewer), nullptr);

    ASSERT_EQ(messages.shown.size(), 1u);
    const MessageBoxRequest& shown = messages.shown[0];
    EXPECT_EQ(shown.owner, owner.Get());
    EXPECT_EQ(shown.caption, "Error Opening Help File");
    EXPECT_EQ(shown.flags, static_cast<UINT>(MB_ICONSTOP | MB_OK));
    EXPECT_EQ(shown.text, kMessageStart + helpFile);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, OpenHelpFileFailureTest,
    testing::Values(Failure{"FileMissing", true, &MissingFile},
                    Failure{"LongPathMissing", true, &MissingFileWithALongPath},
                    Failure{"ViewerMissing", false, &TheBuiltHelpFile}),
    [](const testing::TestParamInfo<Failure>& info) { return info.param.name; });

// A viewer of the test's own: records what it is asked and answers with the
// test's window.
struct FakeViewer {
    struct Call {
        std::string file;
        UINT command;
        DWORD_PTR data;
        bool withCaller;
    };
    static inline std::vector<Call> calls;
    static inline HWND window = nullptr;

    static HWND WINAPI HtmlHelp(HWND caller, LPCSTR file, UINT command, DWORD_PTR data) {
        calls.push_back({file != nullptr ? file : "", command, data, caller != nullptr});
        return command == HH_DISPLAY_TOC ? window : nullptr;
    }
    static HtmlHelpFunction Load() { return &HtmlHelp; }
};

class HtmlHelpViewerTest : public testing::Test {
protected:
    void SetUp() override {
        FakeViewer::calls.clear();
        FakeViewer::window = window_.Get();
    }
    void TearDown() override { FakeViewer::window = nullptr; }

    const WindowHandle window_ = TopLevelWindow();
    int loads_ = 0;
};

TEST_F(HtmlHelpViewerTest, LooksForTheViewerOnlyOnceAndRemembersThatItIsMissing) {
    {
        HtmlHelpViewer viewer([this] {
            ++loads_;
            return HtmlHelpFunction{};
        });
        EXPECT_EQ(loads_, 0) << "looked for before the first use";
        for (int use = 0; use < 3; ++use) {
            EXPECT_EQ(viewer.DisplayContents("C:\\Tools\\Lotwarden.chm"), nullptr);
        }
    }
    EXPECT_EQ(loads_, 1);
}

TEST_F(HtmlHelpViewerTest, AsksTheViewerItFoundForTheContentsAndClosesItsWindowsOnlyWhenAsked) {
    {
        HtmlHelpViewer viewer([this] {
            ++loads_;
            return FakeViewer::Load();
        });
        EXPECT_EQ(viewer.DisplayContents("C:\\Tools\\Lotwarden.chm"), window_.Get());
        EXPECT_EQ(viewer.DisplayContents("C:\\Tools\\Lotwarden.chm"), window_.Get());
        viewer.CloseAll();
    }
    EXPECT_EQ(loads_, 1);
    ASSERT_EQ(FakeViewer::calls.size(), 3u);
    for (int call : {0, 1}) {
        EXPECT_EQ(FakeViewer::calls[call].file, "C:\\Tools\\Lotwarden.chm");
        EXPECT_EQ(FakeViewer::calls[call].command, static_cast<UINT>(HH_DISPLAY_TOC));
        EXPECT_EQ(FakeViewer::calls[call].data, 0u);
        EXPECT_FALSE(FakeViewer::calls[call].withCaller);
    }
    EXPECT_EQ(FakeViewer::calls[2].command, static_cast<UINT>(HH_CLOSE_ALL));
}

TEST_F(HtmlHelpViewerTest, OpenHelpFileTakesTheViewersOwnCommandOffItsSystemMenu) {
    constexpr UINT kViewerCommand = 0xEFFF;
    HMENU menu = GetSystemMenu(window_.Get(), FALSE);
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, kViewerCommand, "Viewer's own"));
    const int itemsBefore = GetMenuItemCount(menu);
    HtmlHelpViewer viewer(&FakeViewer::Load);
    MessageBoxRecorder messages;

    EXPECT_EQ(OpenHelpFile(nullptr, HelpFileBeside(ModulePath()), viewer), window_.Get());

    EXPECT_EQ(GetMenuState(menu, kViewerCommand, MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_EQ(GetMenuItemCount(menu), itemsBefore - 1);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
