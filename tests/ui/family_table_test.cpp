// The family table of the real main dialog: columns, the three passes, the
// not-found message and the empty-table notice.
#include <windows.h>

#include <commctrl.h>

#include "framework/handles.h"
#include "framework/window_dc.h"
#include "tests/ui/main_dialog_fixture.h"
#include "ui/family_list_ctrl.h"

namespace {

using test_support::ListRow;

TEST(FamilyColumnWidthsTest, SplitsTheWidthInSixthsAndGivesTheRestToTheDays) {
    struct Case {
        int width, name, lot, days;
    };
    for (const Case& c : {Case{380, 189, 63, 128}, Case{385, 192, 64, 129}, Case{5, 0, 0, 5}}) {
        const FamilyColumnWidths widths = SplitColumnWidths(c.width);
        EXPECT_EQ(widths.name, c.name) << c.width;
        EXPECT_EQ(widths.lot, c.lot) << c.width;
        EXPECT_EQ(widths.days, c.days) << c.width;
    }
}

class FamilyTableTest : public MainDialogTest {
protected:
    void SetUp() override {
        UseGame({{"UserData",
                  {{"Zed", 2, 20}, {"Adams", 12, 120}, {"baker", 3, -1}, {"\xC9mile", 7, 256}}},
                 {"UserData2", {{"Goth", 5, 40}}}},
                1);
    }
};

TEST_F(FamilyTableTest, ColumnsFillTheWidthBesideTheScrollBar) {
    Run({[](HWND dialog) {
        RECT client{};
        GetClientRect(Table(dialog), &client);
        const FamilyColumnWidths widths =
            SplitColumnWidths(client.right - GetSystemMetrics(SM_CXVSCROLL));
        EXPECT_EQ(
            test_support::ListColumns(Table(dialog)),
            (std::vector<test_support::ListColumn>{{"Family Name", LVCFMT_LEFT, widths.name},
                                                   {"Lot #", LVCFMT_CENTER, widths.lot},
                                                   {"Days in House", LVCFMT_CENTER, widths.days}}));
        EXPECT_EQ(SendMessageA(Table(dialog), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0),
                  LVS_EX_FULLROWSELECT);
        Close(dialog);
    }});
}

TEST_F(FamilyTableTest, RowsAreSortedByteWiseWithLotLabelsAndDays) {
    Run({[](HWND dialog) {
        EXPECT_EQ(Rows(dialog), (std::vector<ListRow>{{"Adams", "12", "120"},
                                                      {"Zed", "02", "20"},
                                                      {"baker", "03", "-1"},
                                                      {"\xC9mile", "07", "256"}}));
        Close(dialog);
    }});
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(FamilyTableTest, MissingHouseFileStopsTheDaysPassThere) {
    // The days pass runs over the rows in reverse file order, before the
    // sort: Emile, baker, Adams, Zed. Its third row is Adams.
    const std::string missing = HouseFile("UserData", 12);
    std::filesystem::remove(missing);
    Run({[](HWND dialog) {
        EXPECT_EQ(Rows(dialog), (std::vector<ListRow>{{"Adams", "12", ""},
                                                      {"Zed", "02", ""},
                                                      {"baker", "03", "-1"},
                                                      {"\xC9mile", "07", "256"}}));
        Close(dialog);
    }});
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text, NotFoundText(missing));
    EXPECT_EQ(messages_.shown[0].caption, "File Not Found");
    EXPECT_EQ(messages_.shown[0].flags, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_NE(messages_.shown[0].owner, nullptr);
}

TEST_F(FamilyTableTest, MissingNeighbourhoodFileEmptiesTheTableAtStartAndOnASwitch) {
    const std::string missing = folder_.File("UserData2\\neighborhood.iff");
    std::filesystem::remove(missing);
    gameKey_.SetText("SIMS_CURRENT_NEIGHBORHOOD_NUM", "2");
    Run({[](HWND dialog) {
             EXPECT_TRUE(Rows(dialog).empty());
             Choose(dialog, "01");
         },
         [](HWND dialog) {
             ASSERT_EQ(Rows(dialog).size(), 4u);
             test_support::SelectListRow(Table(dialog), 1);
             Type(dialog, "9");
         },
         [](HWND dialog) {
             ASSERT_TRUE(Enabled(dialog, IDC_UPDATE_DAYS));
             Choose(dialog, "02");
         },
         [](HWND dialog) {
             // No row of the first neighbourhood may stay to be written into
             // the second one's house files.
             EXPECT_TRUE(Rows(dialog).empty());
             EXPECT_EQ(test_support::ItemText(dialog, IDC_DAYS), "");
             EXPECT_FALSE(Enabled(dialog, IDC_UPDATE_DAYS));
             EXPECT_FALSE(Enabled(dialog, IDC_DAYS));
             Close(dialog);
         }});
    ASSERT_EQ(messages_.shown.size(), 2u);
    EXPECT_EQ(messages_.shown[0].text, NotFoundText(missing));
    EXPECT_EQ(messages_.shown[1].text, NotFoundText(missing));
}

// Draws the table's background into a bitmap and counts the pixels of the
// window-text colour below the header, where the notice would be.
int NoticePixels(HWND table) {
    RECT client{};
    GetClientRect(table, &client);
    const CWindowDC screen(table);
    const UniqueHandle<HDC, &DeleteDC> dc(CreateCompatibleDC(screen.Get()));
    const GdiHandle<HBITMAP> bitmap(
        CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
    const CSelectedObject selected(dc.Get(), bitmap.Get());
    SendMessageA(table, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()), 0);
    RECT header{};
    GetWindowRect(reinterpret_cast<HWND>(SendMessageA(table, LVM_GETHEADER, 0, 0)), &header);
    int pixels = 0;
    for (int y = header.bottom - header.top; y < client.bottom; ++y) {
        for (int x = 0; x < client.right; ++x) {
            pixels += GetPixel(dc.Get(), x, y) == GetSysColor(COLOR_WINDOWTEXT) ? 1 : 0;
        }
    }
    return pixels;
}

TEST_F(FamilyTableTest, EmptyTableDrawsItsNoticeUntilARowExists) {
    UseGame({{"UserData", {}}, {"UserData2", {{"Goth", 5, 40}}}}, 1);
    int emptyPixels = 0;
    int filledPixels = 0;
    Run({[&](HWND dialog) {
             emptyPixels = NoticePixels(Table(dialog));
             Choose(dialog, "02");
         },
         [&](HWND dialog) {
             filledPixels = NoticePixels(Table(dialog));
             Close(dialog);
         }});
    EXPECT_GT(emptyPixels, 20) << "no text drawn below the header of the empty table";
    EXPECT_EQ(filledPixels, 0);
}

}  // namespace
