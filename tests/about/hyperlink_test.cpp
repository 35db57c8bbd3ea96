// The hyperlink control on real windows under Wine: what it shows, how it
// opens its target and what it tells the user when it cannot.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "about/hyperlink.h"
#include "framework/app.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"
#include "framework/handles.h"
#include "tests/about/link_probe.h"
#include "tests/about/link_test_ids.h"
#include "tests/support/window_text.h"
#include "tests/ui/idle_script.h"
#include "tests/ui/message_box_recorder.h"

namespace {

using hyperlink::kLinkHoverColour;
using hyperlink::kLinkNoArmedColour;
using hyperlink::LinkStyle;
using link_probe::LinkColour;
using link_probe::ToolTipText;

constexpr COLORREF kLink = RGB(0, 0, 200);
constexpr COLORREF kArmed = RGB(0, 200, 0);
constexpr COLORREF kVisited = RGB(200, 0, 200);
constexpr COLORREF kHover = RGB(200, 0, 0);

// Four static items of the test's own dialog, each taken over by a link.
// The links live on the heap so that a test can destroy one early.
class LinkHostDialog : public CDialog {
public:
    LinkHostDialog() : CDialog(IDD_LINK_TEST) {}

    std::unique_ptr<CHyperLink> left = std::make_unique<CHyperLink>();
    std::unique_ptr<CHyperLink> centred = std::make_unique<CHyperLink>();
    std::unique_ptr<CHyperLink> empty = std::make_unique<CHyperLink>();
    std::unique_ptr<CHyperLink> other = std::make_unique<CHyperLink>();

protected:
    void DoDataExchange(CDataExchange& dx) override {
        dx.Control(IDC_LINK_LEFT, *left);
        dx.Control(IDC_LINK_CENTRED, *centred);
        dx.Control(IDC_LINK_EMPTY, *empty);
        dx.Control(IDC_LINK_OTHER, *other);
    }
};

// The host dialog as the application's main window, so that the links'
// message boxes have an owner.
class TestApp : public CWinApp {
protected:
    bool InitInstance() override { return false; }
};

class HyperLinkTest : public testing::Test {
protected:
    HyperLinkTest() { app_.SetMainWindow(&dialog_); }

    INT_PTR Run(std::vector<IdleScript::Step> steps) {
        IdleScript script(std::move(steps));
        return dialog_.DoModal();
    }

    TestApp app_;
    LinkHostDialog dialog_;
    MessageBoxRecorder messages_;
    link_probe::LauncherRecorder launcher_;
};

void Close(HWND dialog) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
}

HWND Item(HWND dialog, int id) {
    return GetDlgItem(dialog, id);
}

TEST_F(HyperLinkTest, AttachSharesTargetAndTextAndTheTooltipFollowsTheTarget) {
    dialog_.empty->SetLinkTarget("https://example.org/empty");
    Run({[&](HWND dialog) {
        HWND left = Item(dialog, IDC_LINK_LEFT);
        HWND empty = Item(dialog, IDC_LINK_EMPTY);
        EXPECT_EQ(ToolTipText(left), "Left link") << "an empty target takes the text";
        EXPECT_EQ(test_support::ItemText(dialog, IDC_LINK_EMPTY), "https://example.org/empty")
            << "an empty text takes the target";
        EXPECT_EQ(ToolTipText(empty), "https://example.org/empty");

        dialog_.left->SetLinkTarget("https://example.org/left");
        EXPECT_EQ(ToolTipText(left), "https://example.org/left");
        EXPECT_EQ(test_support::ItemText(dialog, IDC_LINK_LEFT), "Left link");
        EXPECT_TRUE(IsWindowVisible(left));

        LOGFONTA dialogFont{};
        LOGFONTA linkFont{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)),
                   sizeof dialogFont, &dialogFont);
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(left, WM_GETFONT, 0, 0)), sizeof linkFont,
                   &linkFont);
        EXPECT_EQ(linkFont.lfUnderline, 1);
        EXPECT_EQ(linkFont.lfHeight, dialogFont.lfHeight);
        EXPECT_STREQ(linkFont.lfFaceName, dialogFont.lfFaceName);
        Close(dialog);
    }});
}

TEST_F(HyperLinkTest, WindowFitsItsTextKeepingTheEdgeOrCentreOfItsAlignment) {
    Run({[&](HWND dialog) {
        // Halving the difference keeps a pixel of an odd one in a centred link.
        for (const auto& [id, slack] : {std::pair{IDC_LINK_LEFT, 0}, {IDC_LINK_CENTRED, 1}}) {
            HWND link = Item(dialog, id);
            const SIZE text = link_probe::TextExtent(link);
            const SIZE client = link_probe::ClientSize(link);
            EXPECT_GE(client.cx, text.cx) << id;
            EXPECT_LE(client.cx, text.cx + slack) << id;
            EXPECT_EQ(client.cy, text.cy) << id;
        }
        RECT item{8, 20, 8 + 101, 20 + 8};
        MapDialogRect(dialog, &item);
        RECT centred{};
        GetWindowRect(Item(dialog, IDC_LINK_CENTRED), &centred);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&centred), 2);
        EXPECT_LE(std::abs((centred.left + centred.right) - (item.left + item.right)), 1);
        RECT left{};
        GetWindowRect(Item(dialog, IDC_LINK_LEFT), &left);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&left), 2);
        RECT leftItem{8, 8, 108, 16};
        MapDialogRect(dialog, &leftItem);
        EXPECT_EQ(left.left, leftItem.left);
        EXPECT_EQ(left.top, leftItem.top);
        Close(dialog);
    }});
}

struct ColourCase {
    const char* name;
    LinkStyle add;
    bool visit;
    bool focus;
    bool hover;
    COLORREF colour;
};

void PrintTo(const ColourCase& c, std::ostream* out) {
    *out << c.name;
}

class HyperLinkColourTest : public HyperLinkTest, public testing::WithParamInterface<ColourCase> {};

TEST_P(HyperLinkColourTest, HoverWinsThenArmedThenVisited) {
    const ColourCase& c = GetParam();
    CHyperLink::SetLinkColours(kLink, kArmed, kVisited, kHover);
    COLORREF shown = 0;
    Run({[&](HWND dialog) {
        HWND link = Item(dialog, IDC_LINK_LEFT);
        dialog_.left->ChangeLinkStyle(0, c.add, true);
        if (c.visit) {
            dialog_.left->ActivateLink();
        }
        if (c.focus) {
            SetFocus(link);
        }
        if (c.hover) {
            SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
            EXPECT_EQ(GetCapture(), link);
        }
        shown = LinkColour(link);
        if (c.hover) {
            SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(5000, 5000));
            EXPECT_EQ(GetCapture(), nullptr) << "a move off the link ends the capture";
        }
        Close(dialog);
    }});
    EXPECT_EQ(shown, c.colour);
}

INSTANTIATE_TEST_SUITE_P(
    States, HyperLinkColourTest,
    testing::Values(
        ColourCase{"Fresh", 0, false, false, false, kLink},
        ColourCase{"Focused", 0, false, true, false, kArmed},
        ColourCase{"FocusedWithoutArmedColour", kLinkNoArmedColour, false, true, false, kLink},
        ColourCase{"Visited", 0, true, false, false, kVisited},
        ColourCase{"VisitedAndFocusedWithoutArmedColour", kLinkNoArmedColour, true, true, false,
                   kVisited},
        ColourCase{"HoverWinsOverArmedAndVisited", kLinkHoverColour, true, true, true, kHover},
        ColourCase{"HoverWithoutHoverColour", 0, false, false, true, kLink}),
    [](const testing::TestParamInfo<ColourCase>& info) { return info.param.name; });

// Answers as a window whose focus cues are hidden, which Wine 8 never
// reports: it keeps no UI state.
LRESULT CALLBACK HideFocusCues(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR) {
    return message == WM_QUERYUISTATE ? UISF_HIDEFOCUS
                                      : DefSubclassProc(window, message, wParam, lParam);
}

void PaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

TEST_F(HyperLinkTest, FocusShowsARectangleAlongTheOutlineUnlessFocusCuesAreHidden) {
    Run({[&](HWND dialog) {
        HWND link = Item(dialog, IDC_LINK_LEFT);
        // The armed colour would change the text too.
        dialog_.left->ChangeLinkStyle(0, kLinkNoArmedColour, true);
        PaintNow(dialog);
        const std::vector<COLORREF> before = link_probe::ClientPixels(link);
        SetFocus(link);
        PaintNow(link);
        const std::vector<COLORREF> focused = link_probe::ClientPixels(link);
        const SIZE size = link_probe::ClientSize(link);
        ASSERT_EQ(focused.size(), before.size());
        int changed = 0;
        for (int y = 0; y < size.cy; ++y) {
            for (int x = 0; x < size.cx; ++x) {
                const std::size_t at = static_cast<std::size_t>(y * size.cx + x);
                if (focused[at] != before[at]) {
                    ++changed;
                    EXPECT_TRUE(x == 0 || y == 0 || x == size.cx - 1 || y == size.cy - 1)
                        << "changed inside the outline at " << x << ',' << y;
                }
            }
        }
        // A dotted line: every other pixel of the outline.
        EXPECT_GE(changed, size.cx + size.cy - 2);

        InvalidateRect(link, nullptr, TRUE);
        PaintNow(link);
        EXPECT_EQ(link_probe::ClientPixels(link), focused) << "a second paint keeps it";
        SetWindowSubclass(link, &HideFocusCues, 1, 0);
        SendMessageA(link, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
        PaintNow(link);
        EXPECT_EQ(link_probe::ClientPixels(link), before) << "focus cues hidden";
        RemoveWindowSubclass(link, &HideFocusCues, 1);
        Close(dialog);
    }});
}

struct ActionCase {
    const char* name;
    std::vector<std::pair<UINT, WPARAM>> posted;  // to the link, pointer at (1, 1)
    bool focusFirst;
    std::size_t opens;
};

void PrintTo(const ActionCase& c, std::ostream* out) {
    *out << c.name;
}

class HyperLinkActionTest : public HyperLinkTest, public testing::WithParamInterface<ActionCase> {};

TEST_P(HyperLinkActionTest, SpaceBarAndReleaseAfterPressOpenTheTarget) {
    const ActionCase& c = GetParam();
    dialog_.left->SetLinkTarget("https://example.org/left");
    HWND link = nullptr;
    HWND focusAfter = nullptr;
    Run({[&](HWND dialog) {
             link = Item(dialog, IDC_LINK_LEFT);
             if (c.focusFirst) {
                 SetFocus(link);
             }
             for (const auto& [message, wParam] : c.posted) {
                 PostMessageA(link, message, wParam, MAKELPARAM(1, 1));
             }
         },
         [&](HWND dialog) {
             focusAfter = GetFocus();
             Close(dialog);
         }});
    ASSERT_EQ(launcher_.opened.size(), c.opens);
    for (const auto& call : launcher_.opened) {
        EXPECT_EQ(call.text, "https://example.org/left");
        EXPECT_EQ(call.showCommand, SW_SHOW);
    }
    if (!c.posted.empty() && c.posted.front().first == WM_LBUTTONDOWN) {
        EXPECT_EQ(focusAfter, link) << "a press takes the focus";
    }
    EXPECT_TRUE(messages_.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Actions, HyperLinkActionTest,
    testing::Values(
        ActionCase{"SpaceBar", {{WM_KEYDOWN, VK_SPACE}}, true, 1},
        ActionCase{"SpaceBarRepeats", {{WM_KEYDOWN, VK_SPACE}, {WM_KEYDOWN, VK_SPACE}}, true, 2},
        ActionCase{"OtherKey", {{WM_KEYDOWN, 'A'}}, true, 0},
        ActionCase{"PressOnly", {{WM_LBUTTONDOWN, MK_LBUTTON}}, false, 0},
        ActionCase{"PressThenRelease", {{WM_LBUTTONDOWN, MK_LBUTTON}, {WM_LBUTTONUP, 0}}, false, 1},
        ActionCase{"ReleaseWithoutPress", {{WM_LBUTTONUP, 0}}, false, 0}),
    [](const testing::TestParamInfo<ActionCase>& info) { return info.param.name; });

// Points ".htm" at a page class of the test's own, whose open command is
// the given one (none: the class has no command), for as long as it lives.
class RegisteredWebPage {
public:
    explicit RegisteredWebPage(const std::optional<std::string>& command) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CLASSES_ROOT, ".htm", 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
            const Key htm(key);
            htmExisted_ = true;
            char value[1024] = {};
            LONG size = sizeof value;
            if (RegQueryValueA(htm.Get(), nullptr, value, &size) == ERROR_SUCCESS) {
                previous_ = value;
            }
        }
        SetDefault(".htm", kPageClass);
        if (command) {
            SetDefault(std::string(kPageClass) + "\\shell\\open\\command", *command);
        }
    }
    ~RegisteredWebPage() {
        RegDeleteTreeA(HKEY_CLASSES_ROOT, kPageClass);
        if (!htmExisted_) {
            RegDeleteTreeA(HKEY_CLASSES_ROOT, ".htm");
        } else if (previous_) {
            SetDefault(".htm", *previous_);
        }
    }
    RegisteredWebPage(const RegisteredWebPage&) = delete;
    RegisteredWebPage& operator=(const RegisteredWebPage&) = delete;

private:
    using Key = UniqueHandle<HKEY, &RegCloseKey>;
    static constexpr char kPageClass[] = "Lotwarden.TestPage";

    static void SetDefault(const std::string& subkey, const std::string& value) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CLASSES_ROOT, subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS)
            << subkey;
        const Key created(key);
        RegSetValueExA(created.Get(), nullptr, 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    }

    bool htmExisted_ = false;
    std::optional<std::string> previous_;
};

struct OpenCase {
    const char* name;
    std::string target;
    INT_PTR shellResult;
    std::optional<std::string> registeredCommand;
    UINT startResult;
    std::optional<std::string> started;
    std::optional<std::string> reason;  // none: the link opened
};

const std::string kPage = "https://example.org/page";
const std::string kLongTarget = "https://example.org/" + std::string(400, 'p');

void PrintTo(const OpenCase& c, std::ostream* out) {
    *out << c.name;
}

class HyperLinkOpenTest : public HyperLinkTest, public testing::WithParamInterface<OpenCase> {};

TEST_P(HyperLinkOpenTest, ShellThenRegisteredWebProgramAndAFailureIsReported) {
    const OpenCase& c = GetParam();
    const RegisteredWebPage page(c.registeredCommand);
    launcher_.shellResult = c.shellResult;
    launcher_.startResult = c.startResult;
    CHyperLink::SetLinkColours(kLink, kArmed, kVisited, kHover);
    dialog_.left->SetLinkTarget(c.target);
    HWND dialogWindow = nullptr;
    COLORREF colour = 0;
    Run({[&](HWND dialog) {
        dialogWindow = dialog;
        dialog_.left->ActivateLink();
        colour = LinkColour(Item(dialog, IDC_LINK_LEFT));
        Close(dialog);
    }});
    ASSERT_EQ(launcher_.opened.size(), 1u);
    EXPECT_EQ(launcher_.opened[0].text, c.target);
    if (c.started) {
        ASSERT_EQ(launcher_.started.size(), 1u);
        EXPECT_EQ(launcher_.started[0].text, *c.started);
        EXPECT_EQ(launcher_.started[0].showCommand, SW_SHOW);
    } else {
        EXPECT_TRUE(launcher_.started.empty());
    }
    if (!c.reason) {
        EXPECT_TRUE(launcher_.beeps.empty());
        EXPECT_TRUE(messages_.shown.empty());
        EXPECT_EQ(colour, kVisited);
        return;
    }
    EXPECT_EQ(launcher_.beeps, std::vector<UINT>{MB_ICONEXCLAMATION});
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text, "Can't open link:\n\n" + *c.reason);
    EXPECT_EQ(messages_.shown[0].caption, "about_tests");
    EXPECT_EQ(messages_.shown[0].flags, static_cast<UINT>(MB_ICONEXCLAMATION | MB_OK));
    EXPECT_EQ(messages_.shown[0].owner, dialogWindow);
    EXPECT_EQ(colour, kLink) << "a failed open leaves the link unvisited";
}

const char kNoAssociation[] =
    "There is no application associated\nwith the given filename extension.";

INSTANTIATE_TEST_SUITE_P(
    Outcomes, HyperLinkOpenTest,
    testing::Values(OpenCase{"ShellOpens", kPage, 42, R"("C:\Web\browse.exe" "%1")", 33,
                             std::nullopt, std::nullopt},
                    OpenCase{"RegisteredProgramStarts", kPage, 31,
                             R"("C:\Web\browse.exe" "%1" -new)", 33,
                             R"("C:\Web\browse.exe"  )" + kPage, std::nullopt},
                    OpenCase{"NoRegisteredCommandReportsTheShellsCode", kPage, 31, std::nullopt, 33,
                             std::nullopt, kNoAssociation},
                    OpenCase{"RegisteredProgramFailsWithItsOwnCode", kPage, 31, "browse.exe %1", 2,
                             "browse.exe  " + kPage, "The specified file was not found."},
                    OpenCase{"CommandLineTooLongStartsNothing", kLongTarget, 27,
                             "C:\\" + std::string(150, 'w') + "\\browse.exe \"%1\"", 33,
                             std::nullopt, "The filename association is\nincomplete or invalid."}),
    [](const testing::TestParamInfo<OpenCase>& info) { return info.param.name; });

// A key of the test's own under HKEY_CURRENT_USER, gone afterwards.
class ScratchKey {
public:
    static constexpr char kPath[] = "Software\\Lotwarden.Test\\Scratch";

    ScratchKey() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Lotwarden.Test"); }
    ~ScratchKey() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Lotwarden.Test"); }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    void SetDefault(const std::string& value) {
        ASSERT_EQ(RegSetValueA(HKEY_CURRENT_USER, kPath, REG_SZ, value.c_str(),
                               static_cast<DWORD>(value.size())),
                  ERROR_SUCCESS);
    }
};

struct RegistryCase {
    const char* name;
    std::optional<std::string> stored;  // none: no key
    bool read;
};

void PrintTo(const RegistryCase& c, std::ostream* out) {
    *out << c.name;
}

class ReadRegistryDefaultTest : public testing::TestWithParam<RegistryCase> {};

TEST_P(ReadRegistryDefaultTest, ReadsTextThatFitsAndLeavesTheOutputAloneOtherwise) {
    ScratchKey key;
    if (GetParam().stored) {
        key.SetDefault(*GetParam().stored);
    }
    std::string out = "untouched";
    const LONG error = CHyperLink::ReadRegistryDefault(HKEY_CURRENT_USER, ScratchKey::kPath, out);
    if (GetParam().read) {
        EXPECT_EQ(error, ERROR_SUCCESS);
        EXPECT_EQ(out, *GetParam().stored);
    } else {
        EXPECT_NE(error, ERROR_SUCCESS);
        EXPECT_EQ(out, "untouched");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadRegistryDefaultTest,
    testing::Values(RegistryCase{"Short", "htmlfile", true}, RegistryCase{"Empty", "", true},
                    RegistryCase{"LongestThatFits", std::string(259, 'a'), true},
                    RegistryCase{"OneByteTooLong", std::string(260, 'a'), false},
                    RegistryCase{"NoKey", std::nullopt, false}),
    [](const testing::TestParamInfo<RegistryCase>& info) { return info.param.name; });

// Puts the test's stand-in help program, which has cursor 106, in place of
// the system's for as long as it lives. Wine loads its built-in help
// program instead of a file of that name unless told to take the file.
class HelpProgramWithHandCursor {
public:
    HelpProgramWithHandCursor() {
        char folder[MAX_PATH] = {};
        GetWindowsDirectoryA(folder, MAX_PATH);
        installed_ = std::string(folder) + "\\winhlp32.exe";
        saved_ = installed_ + ".lotwarden-test";
        RestoreSystemProgram();
        // A Wine prefix without a 32-bit part, like today's Windows, may
        // have no help program at all: then there is nothing to put aside.
        hadSystemProgram_ = GetFileAttributesA(installed_.c_str()) != INVALID_FILE_ATTRIBUTES;
        if (hadSystemProgram_) {
            EXPECT_TRUE(MoveFileA(installed_.c_str(), saved_.c_str()));
        }
        EXPECT_TRUE(CopyFileA(StandIn().c_str(), installed_.c_str(), FALSE)) << StandIn();
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, kOverrides, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr);
        const Key overrides(key);
        RegSetValueExA(overrides.Get(), "winhlp32.exe", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>("native"), 7);
    }
    ~HelpProgramWithHandCursor() {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kOverrides, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            const Key overrides(key);
            RegDeleteValueA(overrides.Get(), "winhlp32.exe");
        }
        if (hadSystemProgram_) {
            RestoreSystemProgram();
        } else {
            DeleteFileA(installed_.c_str());
        }
    }
    HelpProgramWithHandCursor(const HelpProgramWithHandCursor&) = delete;
    HelpProgramWithHandCursor& operator=(const HelpProgramWithHandCursor&) = delete;

private:
    using Key = UniqueHandle<HKEY, &RegCloseKey>;
    static constexpr char kOverrides[] = "Software\\Wine\\DllOverrides";

    static std::string StandIn() {
        char path[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
        const std::string self(path, length);
        return self.substr(0, self.rfind('\\') + 1) + "help_program\\winhlp32.exe";
    }

    // Also mends what a test run that died half-way left behind.
    void RestoreSystemProgram() {
        if (GetFileAttributesA(saved_.c_str()) != INVALID_FILE_ATTRIBUTES) {
            MoveFileExA(saved_.c_str(), installed_.c_str(), MOVEFILE_REPLACE_EXISTING);
        }
    }

    std::string installed_;
    bool hadSystemProgram_ = false;
    std::string saved_;
};

LRESULT AskForCursor(HWND link) {
    return SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                        MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

POINT CursorHotSpot() {
    ICONINFO info{};
    if (!GetIconInfo(GetCursor(), &info)) {
        return {-1, -1};
    }
    const GdiHandle<HBITMAP> colour(info.hbmColor);
    const GdiHandle<HBITMAP> mask(info.hbmMask);
    return {static_cast<LONG>(info.xHotspot), static_cast<LONG>(info.yHotspot)};
}

// What a cursor shows: the bits of its mask and colour bitmaps.
std::vector<BYTE> CursorBits(HCURSOR cursor) {
    ICONINFO info{};
    if (!GetIconInfo(cursor, &info)) {
        return {};
    }
    const GdiHandle<HBITMAP> colour(info.hbmColor);
    const GdiHandle<HBITMAP> mask(info.hbmMask);
    std::vector<BYTE> bits;
    for (HBITMAP bitmap : {mask.Get(), colour.Get()}) {
        BITMAP size{};
        if (bitmap != nullptr && GetObjectA(bitmap, sizeof size, &size) == sizeof size) {
            const std::size_t start = bits.size();
            bits.resize(start + static_cast<std::size_t>(size.bmWidthBytes * size.bmHeight));
            GetBitmapBits(bitmap, static_cast<LONG>(bits.size() - start), bits.data() + start);
        }
    }
    return bits;
}

TEST_F(HyperLinkTest, HandCursorComesFromTheHelpProgramAndGoesWithTheFirstLinkDestroyed) {
    const HelpProgramWithHandCursor helpProgram;
    Run({[&](HWND dialog) {
        HWND left = Item(dialog, IDC_LINK_LEFT);
        HWND other = Item(dialog, IDC_LINK_OTHER);
        EXPECT_EQ(AskForCursor(left), TRUE);
        EXPECT_EQ(CursorHotSpot().x, TEST_HAND_HOTSPOT_X);
        EXPECT_EQ(CursorHotSpot().y, TEST_HAND_HOTSPOT_Y);
        EXPECT_EQ(AskForCursor(other), TRUE);

        dialog_.left.reset();
        EXPECT_EQ(AskForCursor(other), FALSE) << "the first link destroyed took the cursor";
        EXPECT_TRUE(IsWindow(left));
        Close(dialog);
    }});
}

// Wine's help program, like that of Windows since Vista, has no cursor 106.
TEST_F(HyperLinkTest, SystemHandCursorWhenTheHelpProgramHasNone) {
    HCURSOR systemHand = LoadCursorA(nullptr, IDC_HAND);
    ASSERT_FALSE(CursorBits(systemHand).empty());
    Run({[&](HWND dialog) {
        EXPECT_EQ(AskForCursor(Item(dialog, IDC_LINK_LEFT)), TRUE);
        EXPECT_EQ(CursorBits(GetCursor()), CursorBits(systemHand));
        EXPECT_NE(GetCursor(), systemHand) << "the first link destroyed would destroy a shared one";
        Close(dialog);
    }});
}

}  // namespace
