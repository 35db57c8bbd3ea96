// Days editing in the real main dialog: the days box following the
// selection, the enable rules, and Update Days writing the house file.
#include <functional>
#include <optional>

#include "tests/support/stand_in_game.h"
#include "tests/support/write_protection.h"
#include "tests/ui/main_dialog_fixture.h"

namespace {

using test_support::ItemText;
using test_support::SelectedListRow;
using test_support::SelectListRow;

class DaysEditingTest : public MainDialogTest {
protected:
    void SetUp() override {
        UseGame({{"UserData", {{"Goth", 3, 14}, {"Newbie", 12, 40}}},
                 {"UserData2", {}},
                 {"UserData3", {{"Pleasant", 3, 90}}}},
                1);
    }

    // Selects the family, types text and, once the idle pass has enabled
    // Update Days, lets the game change under the loaded table, then presses it.
    void TypeAndUpdate(
        const std::string& text, const std::string& family = "Goth",
        const std::function<void()>& changeTheGame = [] {}) {
        Run({[&](HWND dialog) {
                 SelectListRow(Table(dialog), RowOf(dialog, family));
                 Type(dialog, text);
             },
             [&](HWND dialog) {
                 ASSERT_TRUE(Enabled(dialog, IDC_UPDATE_DAYS)) << text;
                 changeTheGame();
                 Click(dialog, IDC_UPDATE_DAYS);
                 rowAfter_ = Rows(dialog)[static_cast<std::size_t>(RowOf(dialog, family))];
                 daysBoxAfter_ = ItemText(dialog, IDC_DAYS);
                 selectedAfter_ = SelectedListRow(Table(dialog)) == RowOf(dialog, family);
                 Close(dialog);
             }});
    }

    static std::string DaysBytes(const std::string& house) {
        return test_support::ReadBytes(house).value_or("").substr(208, 2);
    }

    test_support::ListRow rowAfter_;
    std::string daysBoxAfter_;
    bool selectedAfter_ = false;
};

struct TypedDays {
    const char* name;
    const char* typed;
    std::optional<int> written;  // nothing: "Bad Input", nothing written
};

class DaysInputTest : public DaysEditingTest, public testing::WithParamInterface<TypedDays> {};

TEST_P(DaysInputTest, WritesOnlyTheTwoDaysBytesOrRefusesWithBadInput) {
    const std::string house = HouseFile("UserData", 3);
    const std::string before = test_support::ReadBytes(house).value();
    const std::string otherBefore = test_support::ReadBytes(HouseFile("UserData", 12)).value();
    TypeAndUpdate(GetParam().typed);
    std::string expected = before;
    if (GetParam().written) {
        expected[208] = static_cast<char>(*GetParam().written & 0xFF);
        expected[209] = static_cast<char>(*GetParam().written >> 8);
        EXPECT_EQ(rowAfter_,
                  (test_support::ListRow{"Goth", "03", std::to_string(*GetParam().written)}));
        EXPECT_TRUE(selectedAfter_) << "the updated row stays selected";
        EXPECT_TRUE(messages_.shown.empty());
    } else {
        ASSERT_EQ(messages_.shown.size(), 1u);
        EXPECT_EQ(messages_.shown[0].text, "Please enter an integer value between 1 and 255.");
        EXPECT_EQ(messages_.shown[0].caption, "Bad Input");
        EXPECT_EQ(messages_.shown[0].flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
        EXPECT_EQ(rowAfter_, (test_support::ListRow{"Goth", "03", "14"}));
    }
    EXPECT_EQ(test_support::ReadBytes(house), expected) << "the whole file, byte for byte";
    EXPECT_EQ(test_support::ReadBytes(HouseFile("UserData", 12)), otherBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Typed, DaysInputTest,
    testing::Values(TypedDays{"Most", "255", 255}, TypedDays{"PlusSign", "+5", 5},
                    TypedDays{"LeadingBlank", " 7", 7}, TypedDays{"TrailingLetters", "12abc", 12},
                    TypedDays{"OneTooMany", "256", std::nullopt},
                    TypedDays{"Zero", "0", std::nullopt}, TypedDays{"Negative", "-3", std::nullopt},
                    TypedDays{"Letters", "abc", std::nullopt},
                    TypedDays{"SixteenBitsAndOne", "65537", std::nullopt},
                    TypedDays{"ThirtyTwoBitsAndOne", "4294967297", std::nullopt}),
    [](const testing::TestParamInfo<TypedDays>& info) { return info.param.name; });

TEST_F(DaysEditingTest, UnwritableOrMissingHouseFileIsReportedAndNothingIsWritten) {
    const std::string house = HouseFile("UserData", 3);
    const std::string before = test_support::ReadBytes(house).value();
    {
        test_support::WriteProtection protection(house);
        ASSERT_TRUE(protection.active()) << protection.reason();
        TypeAndUpdate("9");
    }
    EXPECT_EQ(test_support::ReadBytes(house), before);

    // The table is loaded while the file is there; it goes before Update.
    TypeAndUpdate("9", "Goth", [&] { std::filesystem::remove(house); });
    EXPECT_FALSE(std::filesystem::exists(house)) << "a missing house file must not be created";
    ASSERT_EQ(messages_.shown.size(), 2u);
    for (const MessageBoxRequest& message : messages_.shown) {
        EXPECT_EQ(message.text, NotFoundText(house));
        EXPECT_EQ(message.caption, "File Not Found");
    }
}

TEST_F(DaysEditingTest, WhileTheGameRunsUpdateAsksBeforeWritingAndOnlyYesWrites) {
    const test_support::StandInGame game;
    const std::string house = HouseFile("UserData", 3);
    const std::string before = test_support::ReadBytes(house).value();
    int button = IDNO;
    messages_.answer = [&](const MessageBoxRequest& request) {
        EXPECT_EQ(DaysBytes(house), std::string("\x0E\x00", 2)) << "asked before any write";
        EXPECT_NE(GetDlgItem(request.owner, IDC_FAMILY_TABLE), nullptr) << "owned by the dialog";
        return button;
    };
    TypeAndUpdate("0");
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].caption, "Bad Input") << "the number is checked first";

    TypeAndUpdate("77");
    EXPECT_EQ(test_support::ReadBytes(house), before);
    EXPECT_EQ(rowAfter_, (test_support::ListRow{"Goth", "03", "14"}));
    EXPECT_EQ(daysBoxAfter_, "77");

    button = IDYES;
    TypeAndUpdate("77");
    std::string expected = before;
    expected[208] = 77;
    EXPECT_EQ(test_support::ReadBytes(house), expected) << "the whole file, byte for byte";
    EXPECT_EQ(rowAfter_, (test_support::ListRow{"Goth", "03", "77"}));
    ASSERT_EQ(messages_.shown.size(), 3u);
    for (std::size_t answered = 1; answered < 3; ++answered) {
        const MessageBoxRequest& warning = messages_.shown[answered];
        EXPECT_EQ(warning.text,
                  "The Sims is running. It may save its own copy of an open lot over this change; "
                  "closing the game first is safer.\n\nWrite the new days anyway?");
        EXPECT_EQ(warning.caption, "Lotwarden");
        EXPECT_EQ(warning.flags, static_cast<UINT>(MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2));
    }
}

TEST_F(DaysEditingTest, UpdateWritesIntoTheFolderTheRowsWereLoadedFromAfterTheGameMovedIt) {
    test_support::TempFolder moved;
    gamegen::WriteGameFolder(moved.path(), {{"UserData", {{"Xena", 3, 50}}}});
    const std::string xena = moved.File("UserData\\Houses\\" + gamegen::HouseFileName(3));
    TypeAndUpdate("77", "Goth", [&] { gameKey_.SetText("SIMS_DATA", moved.path().string()); });
    EXPECT_EQ(DaysBytes(HouseFile("UserData", 3)), std::string("\x4D\x00", 2));
    EXPECT_EQ(DaysBytes(xena), std::string("\x32\x00", 2)) << "another family's house";
    EXPECT_EQ(rowAfter_, (test_support::ListRow{"Goth", "03", "77"}));
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(DaysEditingTest, UpdatedRowShowsTheValueWrittenWhenTheDaysPassStopsBeforeIt) {
    const std::string goth = HouseFile("UserData", 3);
    TypeAndUpdate("77", "Newbie", [&] { std::filesystem::remove(goth); });
    EXPECT_EQ(DaysBytes(HouseFile("UserData", 12)), std::string("\x4D\x00", 2));
    EXPECT_EQ(rowAfter_, (test_support::ListRow{"Newbie", "12", "77"}));
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text, NotFoundText(goth)) << "the pass still stops at Goth";
}

TEST_F(DaysEditingTest, UpdateDaysIsEnabledOnlyForATypedValueOfASelectedFamily) {
    Run({[](HWND dialog) {
             EXPECT_TRUE(Enabled(dialog, IDC_DAYS));
             EXPECT_FALSE(Enabled(dialog, IDC_UPDATE_DAYS)) << "nothing selected";
             SelectListRow(Table(dialog), RowOf(dialog, "Goth"));
         },
         [](HWND dialog) {
             EXPECT_EQ(ItemText(dialog, IDC_DAYS), "14");
             EXPECT_FALSE(Enabled(dialog, IDC_UPDATE_DAYS)) << "copied from the table, not typed";
             Type(dialog, "20");
         },
         [](HWND dialog) {
             EXPECT_TRUE(Enabled(dialog, IDC_UPDATE_DAYS));
             Type(dialog, "");
         },
         [](HWND dialog) {
             EXPECT_FALSE(Enabled(dialog, IDC_UPDATE_DAYS)) << "empty box";
             Type(dialog, "21");
             SelectListRow(Table(dialog), RowOf(dialog, "Newbie"));
         },
         [](HWND dialog) {
             EXPECT_EQ(ItemText(dialog, IDC_DAYS), "40") << "refilled from the new selection";
             EXPECT_FALSE(Enabled(dialog, IDC_UPDATE_DAYS)) << "set by the program, not typed";
             Choose(dialog, "03");
         },
         [](HWND dialog) {
             EXPECT_EQ(Rows(dialog).size(), 1u);
             EXPECT_EQ(SelectedListRow(Table(dialog)), -1);
             EXPECT_FALSE(Enabled(dialog, IDC_UPDATE_DAYS)) << "a reload selects nothing";
             Choose(dialog, "02");
         },
         [](HWND dialog) {
             EXPECT_EQ(ItemText(dialog, IDC_DAYS), "");
             EXPECT_FALSE(Enabled(dialog, IDC_DAYS)) << "empty table";
             EXPECT_FALSE(Enabled(dialog, IDC_UPDATE_DAYS));
             Close(dialog);
         }});
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(DaysEditingTest, SwitchWritesIntoTheChosenNeighbourhood) {
    Run({[](HWND dialog) { Choose(dialog, "03"); },
         [](HWND dialog) {
             SelectListRow(Table(dialog), 0);
             Type(dialog, "33");
         },
         [](HWND dialog) {
             Click(dialog, IDC_UPDATE_DAYS);
             Close(dialog);
         }});
    EXPECT_EQ(test_support::ReadBytes(HouseFile("UserData3", 3))->substr(208, 2),
              std::string("\x21\x00", 2));
    EXPECT_EQ(test_support::ReadBytes(HouseFile("UserData", 3))->substr(208, 2),
              std::string("\x0E\x00", 2));
}

}  // namespace
