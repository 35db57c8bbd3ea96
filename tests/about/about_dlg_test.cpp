// The About box, opened from the main dialog as a user does and on its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "about/about_dlg.h"
#include "framework/app.h"
#include "framework/com_apartment.h"
#include "res/resource.h"
#include "tests/about/link_probe.h"
#include "tests/support/accessible_probe.h"
#include "tests/support/game_key.h"
#include "tests/support/test_files.h"
#include "tests/support/window_text.h"
#include "tests/ui/idle_script.h"
#include "tests/ui/message_box_recorder.h"
#include "tools/gamegen/gamegen.h"
#include "ui/lotwarden_dlg.h"

namespace {

using link_probe::LinkColour;
using link_probe::ToolTipText;

class TestApp : public CWinApp {
protected:
    bool InitInstance() override { return false; }
};

void PressKey(WPARAM key) {
    PostMessageA(GetFocus(), WM_KEYDOWN, key, 1);
}

TEST(AboutBoxTest, OpensFromTheAboutButtonAndTheSystemMenuOverTheMainDialog) {
    test_support::TempFolder folder;
    gamegen::WriteGameFolder(folder.path(), {{"UserData", {{"Newbie", 1, 14}}}});
    test_support::GameKey gameKey;
    gameKey.SetText("SIMS_DATA", folder.path().string());
    MessageBoxRecorder messages;
    TestApp app;
    CLotwardenDlg main;
    app.SetMainWindow(&main);

    HWND mainWindow = nullptr;
    std::vector<HWND> boxes;
    auto checkBox = [&](HWND box) {
        boxes.push_back(box);
        EXPECT_EQ(WindowText(box), "About this program...");
        EXPECT_EQ(GetWindow(box, GW_OWNER), mainWindow);
        EXPECT_FALSE(IsWindowEnabled(mainWindow)) << "the box is modal";
        EXPECT_EQ(GetFocus(), GetDlgItem(box, IDOK));
        EXPECT_EQ(test_support::ItemText(box, IDC_WEB_LINK), "Fernhollow");
    };
    IdleScript script({[&](HWND dialog) {
                           mainWindow = dialog;
                           PostMessageA(GetDlgItem(dialog, IDC_ABOUT), BM_CLICK, 0, 0);
                       },
                       [&](HWND box) {
                           checkBox(box);
                           PressKey(VK_ESCAPE);
                       },
                       [&](HWND dialog) {
                           EXPECT_EQ(dialog, mainWindow);
                           EXPECT_TRUE(IsWindowEnabled(dialog));
                           PostMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
                       },
                       [&](HWND box) {
                           checkBox(box);
                           PressKey(VK_RETURN);
                       },
                       [&](HWND dialog) {
                           EXPECT_EQ(dialog, mainWindow);
                           // Any other system command keeps its usual meaning.
                           PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
                       }});
    EXPECT_EQ(main.DoModal(), IDCANCEL);
    EXPECT_EQ(script.StepsRun(), 5u);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_FALSE(IsWindow(boxes[0]));
    EXPECT_TRUE(messages.shown.empty());
}

struct AboutLink {
    int id;
    const char* text;
    const char* target;
};

const AboutLink kAboutLinks[] = {
    {IDC_MAIL_LINK, "author@example.com", "mailto:author@example.com"},
    {IDC_WEB_LINK, "Fernhollow", "https://fernhollow.example.org/"},
};

TEST(AboutBoxTest, LinksFitTheirTextShowTheirTargetsAndOpenThem) {
    MessageBoxRecorder messages;
    link_probe::LauncherRecorder launcher;
    CAboutDlg about;
    IdleScript script(
        {[&](HWND box) {
             for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
                  child = GetWindow(child, GW_HWNDNEXT)) {
                 const LONG style = GetWindowLongA(child, GWL_STYLE);
                 EXPECT_EQ((style & WS_TABSTOP) != 0, GetDlgCtrlID(child) == IDOK)
                     << "OK is the only tab stop, not control " << GetDlgCtrlID(child);
             }
             for (const AboutLink& expected : kAboutLinks) {
                 SCOPED_TRACE(expected.text);
                 HWND link = GetDlgItem(box, expected.id);
                 EXPECT_EQ(test_support::ItemText(box, expected.id), expected.text);
                 EXPECT_EQ(ToolTipText(link), expected.target);
                 EXPECT_EQ(GetWindowLongA(link, GWL_STYLE) & SS_NOTIFY, 0);
                 const SIZE text = link_probe::TextExtent(link);
                 const SIZE client = link_probe::ClientSize(link);
                 EXPECT_EQ(client.cx, text.cx);
                 EXPECT_EQ(client.cy, text.cy);

                 EXPECT_EQ(LinkColour(link), RGB(0, 0, 255));
                 SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
                 EXPECT_EQ(LinkColour(link), RGB(255, 0, 0)) << "under the pointer";
                 SendMessageA(link, WM_MOUSEMOVE, 0, MAKELPARAM(5000, 5000));
             }
             // A click right of the company name, where the template's item
             // still reached, is not on the link.
             HWND web = GetDlgItem(box, IDC_WEB_LINK);
             RECT item{84, 86, 84 + 54, 86 + 8};
             MapDialogRect(box, &item);
             POINT onText{item.left + 1, item.top + 1};
             POINT besideText{item.left + link_probe::TextExtent(web).cx + 1, item.top + 1};
             ASSERT_LT(besideText.x, item.right);
             ClientToScreen(box, &onText);
             ClientToScreen(box, &besideText);
             EXPECT_EQ(WindowFromPoint(onText), web);
             EXPECT_NE(WindowFromPoint(besideText), web);
             PostMessageA(web, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
             PostMessageA(web, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
         },
         [&](HWND box) {
             HWND web = GetDlgItem(box, IDC_WEB_LINK);
             EXPECT_EQ(GetFocus(), web);
             EXPECT_EQ(LinkColour(web), RGB(0, 0, 255)) << "no armed colour, visited is blue";
             SetFocus(GetDlgItem(box, IDC_MAIL_LINK));
             PressKey(VK_SPACE);
         },
         [&](HWND) {
             // Enter still reaches the default button with a link focused.
             PressKey(VK_RETURN);
         }});
    EXPECT_EQ(about.DoModal(), IDOK);
    ASSERT_EQ(launcher.opened.size(), 2u);
    EXPECT_EQ(launcher.opened[0].text, "https://fernhollow.example.org/");
    EXPECT_EQ(launcher.opened[1].text, "mailto:author@example.com");
    EXPECT_TRUE(messages.shown.empty());
}

// The box's one picture.
HWND Banner(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP) {
            return child;
        }
    }
    return nullptr;
}

std::vector<HWND> stateChanges;

void CALLBACK RecordStateChange(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD,
                                DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) {
        stateChanges.push_back(window);
    }
}

TEST(AboutBoxTest, AScreenReaderSeesTwoLinksItCanOpenAndTheBannersName) {
    const ComApartment com;
    MessageBoxRecorder messages;
    link_probe::LauncherRecorder launcher;
    stateChanges.clear();
    // Wine delivers no events to a hook filtered by process: all of them,
    // then, sorted by window.
    const UniqueHandle<HWINEVENTHOOK, &UnhookWinEvent> hook(
        SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_STATECHANGE, nullptr,
                        &RecordStateChange, 0, 0, WINEVENT_OUTOFCONTEXT));
    ComHandle<IAccessible> kept;
    CAboutDlg about;
    IdleScript script(
        {[&](HWND box) {
             for (const AboutLink& expected : kAboutLinks) {
                 SCOPED_TRACE(expected.text);
                 const ComHandle<IAccessible> link =
                     test_support::ClientObject(GetDlgItem(box, expected.id));
                 ASSERT_TRUE(link);
                 const test_support::AccessibleFacts facts = test_support::ReadFacts(*link.Get());
                 EXPECT_EQ(facts.role, ROLE_SYSTEM_LINK);
                 EXPECT_EQ(facts.state & (STATE_SYSTEM_LINKED | STATE_SYSTEM_TRAVERSED),
                           STATE_SYSTEM_LINKED);
                 EXPECT_EQ(facts.name, expected.text);
                 EXPECT_EQ(facts.value, expected.target);
                 EXPECT_EQ(facts.defaultAction, "Jump");
                 EXPECT_EQ(link.Get()->accDoDefaultAction(test_support::SelfChild()), S_OK);
                 EXPECT_TRUE(launcher.opened.empty()) << "opens later, from the link's queue";
                 kept = test_support::ClientObject(GetDlgItem(box, expected.id));
             }
             const ComHandle<IAccessible> banner = test_support::ClientObject(Banner(box));
             ASSERT_TRUE(banner);
             const test_support::AccessibleFacts facts = test_support::ReadFacts(*banner.Get());
             EXPECT_EQ(facts.name, "Lotwarden");
             EXPECT_EQ(facts.role, ROLE_SYSTEM_GRAPHIC);
         },
         [&](HWND box) {
             for (const AboutLink& expected : kAboutLinks) {
                 SCOPED_TRACE(expected.text);
                 HWND link = GetDlgItem(box, expected.id);
                 const ComHandle<IAccessible> object = test_support::ClientObject(link);
                 EXPECT_NE(test_support::ReadFacts(*object.Get()).state & STATE_SYSTEM_TRAVERSED,
                           0);
                 EXPECT_EQ(std::count(stateChanges.begin(), stateChanges.end(), link), 1);
                 EXPECT_EQ(object.Get()->accSelect(SELFLAG_TAKEFOCUS, test_support::SelfChild()),
                           S_OK);
                 EXPECT_EQ(GetFocus(), link);
                 // The links draw by the system's colours and settings, of
                 // which only the box hears.
                 for (UINT change : {WM_SYSCOLORCHANGE, WM_SETTINGCHANGE}) {
                     ValidateRect(link, nullptr);
                     SendMessageA(box, change, 0, 0);
                     EXPECT_TRUE(GetUpdateRect(link, nullptr, FALSE)) << change;
                 }
             }
             PressKey(VK_ESCAPE);
         }});
    EXPECT_EQ(about.DoModal(), IDCANCEL);
    ASSERT_EQ(launcher.opened.size(), 2u);
    EXPECT_EQ(launcher.opened[0].text, "mailto:author@example.com");
    EXPECT_EQ(launcher.opened[1].text, "https://fernhollow.example.org/");
    EXPECT_TRUE(messages.shown.empty());
    ASSERT_TRUE(kept);
    BSTR name = nullptr;
    EXPECT_EQ(kept.Get()->get_accName(test_support::SelfChild(), &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(name, nullptr);
    EXPECT_EQ(kept.Get()->accDoDefaultAction(test_support::SelfChild()), CO_E_OBJNOTCONNECTED);
}

}  // namespace
