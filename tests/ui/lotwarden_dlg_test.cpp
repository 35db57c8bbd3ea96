#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/com_apartment.h"
#include "framework/handles.h"
#include "framework/tooltip.h"
#include "framework/window.h"
#include "framework/window_dc.h"
#include "res/resource.h"
#include "tests/support/accessible_probe.h"
#include "tests/support/game_key.h"
#include "tests/support/test_files.h"
#include "tests/support/window_text.h"
#include "tests/ui/idle_script.h"
#include "tests/ui/message_box_recorder.h"
#include "tools/gamegen/gamegen.h"
#include "ui/lotwarden_dlg.h"

namespace {

using test_support::ComboEntries;
using test_support::ComboSelection;
using test_support::ItemText;

// A game folder with four neighbourhoods and the game's registry values
// pointing at it, the current neighbourhood being 3.
class LotwardenDlgTest : public testing::Test {
protected:
    void SetUp() override {
        gamegen::WriteGameFolder(folder_.path(), {{"UserData10", {}},
                                                  {"UserData3", {{"Goth", 3, 40}}},
                                                  {"UserData", {{"Newbie", 1, 14}}},
                                                  {"UserData2", {}}});
        gameKey_.SetText("SIMS_DATA", folder_.path().string());
        gameKey_.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "3");
    }

    INT_PTR Run(std::vector<IdleScript::Step> steps) {
        IdleScript script(std::move(steps));
        CLotwardenDlg dialog;
        return dialog.DoModal();
    }

    test_support::TempFolder folder_;
    test_support::GameKey gameKey_;
    MessageBoxRecorder messages_;
};

HWND Chooser(HWND dialog) {
    return GetDlgItem(dialog, IDC_NEIGHBOURHOOD);
}

TEST_F(LotwardenDlgTest, ChooserHoldsTheDiscoveredLabelsSortedAndSelectsTheCurrentOne) {
    Run({[](HWND dialog) {
        EXPECT_EQ(ComboEntries(Chooser(dialog)),
                  (std::vector<std::string>{"01", "02", "03", "10"}));
        EXPECT_EQ(ComboSelection(Chooser(dialog)), "03");
        EXPECT_EQ(ItemText(dialog, IDC_DAYS), "");
        EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_FAMILY_TABLE)) << "first tab stop";
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }});
}

TEST_F(LotwardenDlgTest, AScreenReaderNamesTheTableFamilies) {
    const ComApartment com;
    std::string name = "not read";
    Run({[&](HWND dialog) {
        const ComHandle<IAccessible> table =
            test_support::ClientObject(GetDlgItem(dialog, IDC_FAMILY_TABLE));
        if (table) {
            name = test_support::ReadFacts(*table.Get()).name;
        }
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }});
    EXPECT_EQ(name, "Families");
}

struct TipSearch {
    HWND owner;
    HWND tip;
};

BOOL CALLBACK FindOwnedTip(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<TipSearch*>(data);
    if (GetWindow(window, GW_OWNER) != search.owner ||
        test_support::ClassNameOf(window) != TOOLTIPS_CLASSA) {
        return TRUE;
    }
    search.tip = window;
    return FALSE;
}

// The text of the tooltip the dialog shows over its chooser.
std::string ChooserTipText(HWND dialog) {
    TipSearch search{dialog, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &FindOwnedTip, reinterpret_cast<LPARAM>(&search));
    char text[1024] = {};
    TOOLINFOA info{};
    info.cbSize = kToolInfoSize;
    info.hwnd = dialog;
    info.uId = reinterpret_cast<UINT_PTR>(Chooser(dialog));
    info.lpszText = text;
    SendMessageA(search.tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
    return text;
}

TEST_F(LotwardenDlgTest, ChooserTipNamesTheFolderOfTheNeighbourhoodShown) {
    const std::string data = folder_.path().string();
    Run({[&](HWND dialog) {
        EXPECT_EQ(ChooserTipText(dialog), data + "\\UserData3");
        HWND chooser = Chooser(dialog);
        SendMessageA(chooser, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>("01"));
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_NEIGHBOURHOOD, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(chooser));
        EXPECT_EQ(ChooserTipText(dialog), data + "\\UserData");
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }});
}

struct CurrentNeighbourhood {
    const char* name;
    const char* stored;  // nullptr: the value is absent
    const char* selected;
};

class LotwardenDlgSelectionTest : public LotwardenDlgTest,
                                  public testing::WithParamInterface<CurrentNeighbourhood> {};

TEST_P(LotwardenDlgSelectionTest, SelectsTheGamesCurrentNeighbourhoodWhenItIsListed) {
    if (GetParam().stored != nullptr) {
        gameKey_.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", GetParam().stored);
    } else {
        gameKey_.Remove("SIMS_CURRENT_NEIGHBORHOOD_NUM");
    }
    std::string selected = "not run";
    Run({[&](HWND dialog) {
        selected = ComboSelection(Chooser(dialog));
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }});
    EXPECT_EQ(selected, GetParam().selected);
}

INSTANTIATE_TEST_SUITE_P(Values, LotwardenDlgSelectionTest,
                         testing::Values(CurrentNeighbourhood{"Ten", "10", "10"},
                                         CurrentNeighbourhood{"NotListed", "7", ""},
                                         CurrentNeighbourhood{"ZeroMeansFirst", "0", "01"},
                                         CurrentNeighbourhood{"NegativeMeansFirst", "-2", "01"},
                                         CurrentNeighbourhood{"AbsentMeansFirst", nullptr, "01"}),
                         [](const testing::TestParamInfo<CurrentNeighbourhood>& info) {
                             return info.param.name;
                         });

TEST_F(LotwardenDlgTest, SystemMenuEndsWithTheAboutItemAndHasNoSizeOrMaximize) {
    Run({[](HWND dialog) {
        HMENU menu = GetSystemMenu(dialog, FALSE);
        ASSERT_NE(menu, nullptr);
        const int count = GetMenuItemCount(menu);
        ASSERT_GE(count, 2);
        EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
        EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
        char text[64] = {};
        GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, "&About this program...");
        EXPECT_EQ(GetMenuState(menu, SC_SIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
        EXPECT_EQ(GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND), static_cast<UINT>(-1));
        EXPECT_NE(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND), static_cast<UINT>(-1));
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }});
}

TEST_F(LotwardenDlgTest, BigAndSmallIconAreTheSameSixteenPixelIcon) {
    Run({[](HWND dialog) {
        const auto big = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_BIG, 0));
        const auto small = reinterpret_cast<HICON>(SendMessageA(dialog, WM_GETICON, ICON_SMALL, 0));
        ASSERT_NE(big, nullptr);
        EXPECT_EQ(big, small);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(dialog, WM_QUERYDRAGICON, 0, 0)), big);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(big, &info));
        const GdiHandle<HBITMAP> colour(info.hbmColor);
        const GdiHandle<HBITMAP> mask(info.hbmMask);
        BITMAP bitmap{};
        GetObjectA(colour.Get(), sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, 16);
        EXPECT_EQ(bitmap.bmHeight, 16);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    }});
}

// The texts of the main dialog's and the About box's text controls, in the
// order of their templates.
const std::vector<std::vector<std::string>> kDialogTexts = {
    {"Change &Days Value To:", "&Update Days", "&Help...", "&About...", "E&xit",
     "Current &Neighborhood:"},
    {"OK", "Version 2.1", "General Information", "E-Mail the Author:", "author@example.com",
     "Visit the Website:", "Fernhollow",
     "Lotwarden is not made or endorsed by Maxis.\nBack up your neighbourhoods before you edit "
     "them."},
};

// The texts of the dialog's static texts, buttons and links, each expected
// to show whole in the font it is drawn with: on one line within the
// control's client width or, in a static with room for more lines, wrapped
// at that width within its client height.
std::vector<std::string> CheckedTexts(HWND dialog) {
    std::vector<std::string> texts;
    for (HWND control = GetWindow(dialog, GW_CHILD); control != nullptr;
         control = GetWindow(control, GW_HWNDNEXT)) {
        const bool isStatic = test_support::ClassNameOf(control) == "Static";
        if (isStatic ? (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) > SS_RIGHT
                     : test_support::ClassNameOf(control) != "Button") {
            continue;
        }
        const std::string text = WindowText(control);
        texts.push_back(text);
        RECT client{};
        GetClientRect(control, &client);
        const CWindowDC dc(control);
        // A link answers with its own underlined font.
        const CSelectedObject font(
            dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc.Get(), &metrics);
        const bool wraps = isStatic && client.bottom >= 2 * metrics.tmHeight;
        // DrawText leaves out the '&' of a mnemonic, as the controls do;
        // GetTextExtentPoint32 would count it.
        RECT drawn{0, 0, client.right, 0};
        DrawTextA(dc.Get(), text.c_str(), -1, &drawn,
                  DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE));
        EXPECT_LE(wraps ? drawn.bottom : drawn.right, wraps ? client.bottom : client.right)
            << '"' << text << "\" is cut: " << (wraps ? "wrapped height" : "width");
    }
    return texts;
}

TEST_F(LotwardenDlgTest, EveryLabelOfTheMainDialogAndTheAboutBoxShowsItsWholeText) {
    std::vector<std::vector<std::string>> checked;
    Run({[&](HWND dialog) {
             checked.push_back(CheckedTexts(dialog));
             PostMessageA(GetDlgItem(dialog, IDC_ABOUT), BM_CLICK, 0, 0);
         },
         [&](HWND box) {
             checked.push_back(CheckedTexts(box));
             PostMessageA(box, WM_COMMAND, IDOK, 0);
         },
         [](HWND dialog) { PostMessageA(dialog, WM_CLOSE, 0, 0); }});
    EXPECT_EQ(checked, kDialogTexts);
}

struct Ending {
    const char* name;
    void (*act)(HWND dialog);
    INT_PTR result;
};

class LotwardenDlgEndingTest : public LotwardenDlgTest,
                               public testing::WithParamInterface<Ending> {};

TEST_P(LotwardenDlgEndingTest, EndsTheDialogWithoutWritingAnything) {
    const std::string houseFile =
        (folder_.path() / "UserData3" / "Houses" / gamegen::HouseFileName(3)).string();
    const std::string before = test_support::ReadBytes(houseFile).value_or("");
    ASSERT_FALSE(before.empty());
    const INT_PTR result = Run({[](HWND dialog) {
                                    HWND days = GetDlgItem(dialog, IDC_DAYS);
                                    SetFocus(days);
                                    PostMessageA(days, WM_CHAR, '9', 1);
                                    PostMessageA(days, WM_CHAR, '9', 1);
                                },
                                GetParam().act});
    EXPECT_EQ(result, GetParam().result);
    EXPECT_EQ(test_support::ReadBytes(houseFile), before);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, LotwardenDlgEndingTest,
    testing::Values(
        Ending{"Exit",
               [](HWND dialog) { PostMessageA(GetDlgItem(dialog, IDC_EXIT), BM_CLICK, 0, 0); },
               IDCANCEL},
        Ending{"Escape", [](HWND) { PostMessageA(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1); },
               IDCANCEL},
        Ending{"Enter",
               [](HWND dialog) {
                   EXPECT_EQ(ItemText(dialog, IDC_DAYS), "99");
                   PostMessageA(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
               },
               IDOK},
        Ending{"CloseBox", [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); },
               IDCANCEL}),
    [](const testing::TestParamInfo<Ending>& info) { return info.param.name; });

}  // namespace
