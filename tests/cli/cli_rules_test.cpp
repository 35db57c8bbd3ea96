// The command line's own rules, without a process: what a typed number may
// be, the dialog's family order, code pages, and the two output forms.
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <optional>
#include <string>
#include <vector>

#include "cli/code_page.h"
#include "cli/family_order.h"
#include "cli/output.h"
#include "cli/plain_number.h"

namespace {

struct DaysRow {
    std::string typed;
    std::optional<std::int32_t> days;
};

class DaysTest : public testing::TestWithParam<DaysRow> {};

TEST_P(DaysTest, OnlyPlainDecimalFrom1To255) {
    EXPECT_EQ(cli::ParsePlainNumber(GetParam().typed, 1, 255), GetParam().days);
}

INSTANTIATE_TEST_SUITE_P(Rows, DaysTest,
                         testing::Values(DaysRow{"1", 1}, DaysRow{"255", 255}, DaysRow{"30", 30},
                                         DaysRow{"007", 7}, DaysRow{"12abc", std::nullopt},
                                         DaysRow{"+5", std::nullopt}, DaysRow{" 7", std::nullopt},
                                         DaysRow{"7 ", std::nullopt}, DaysRow{"0", std::nullopt},
                                         DaysRow{"256", std::nullopt}, DaysRow{"", std::nullopt},
                                         DaysRow{"-1", std::nullopt}, DaysRow{"0x1F", std::nullopt},
                                         DaysRow{"99999999999999999999999", std::nullopt}));

TEST(FamilyOrderTest, ReversedFileOrderThenStableByteOrder) {
    const std::vector<gamedata::FamilyRecord> file = {{1, "b"}, {2, "a"},         {3, "b"},
                                                      {4, "B"}, {5, "\xE9t\xE9"}, {6, "Zed"}};
    const std::vector<gamedata::FamilyRecord> shown = {{4, "B"}, {6, "Zed"}, {2, "a"},
                                                       {3, "b"}, {1, "b"},   {5, "\xE9t\xE9"}};
    EXPECT_EQ(cli::DialogOrder(file), shown);
}

struct CodePageRow {
    unsigned codePage;
    std::string stored;
    std::string utf8;
};

class CodePageTest : public testing::TestWithParam<CodePageRow> {};

TEST_P(CodePageTest, ConvertsToUtf8) {
    const std::optional<cli::CodePage> codePage = cli::CodePage::Open(GetParam().codePage);
    ASSERT_TRUE(codePage);
    EXPECT_EQ(codePage->ToUtf8(GetParam().stored), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CodePageTest,
    testing::Values(CodePageRow{1252, "Ekstr\xF6m", "Ekstr\xC3\xB6m"},
                    CodePageRow{1252, "\x80 O'Rourke", "\xE2\x82\xAC O'Rourke"},
                    CodePageRow{1251, "\xC8\xE2\xE0\xED", "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD"},
                    CodePageRow{932, "\x82\xA0", "\xE3\x81\x82"}, CodePageRow{1252, "", ""},
                    // The five bytes 1252 leaves undefined, as Windows converts them.
                    CodePageRow{1252, "\x81\x8D\x8F\x90\x9D",
                                "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
                    // Code pages whose converter holds the last letter back.
                    CodePageRow{1255, "Brightwater", "Brightwater"},
                    CodePageRow{1258, "Brightwater", "Brightwater"}));

#ifdef _WIN32
// The core's own table against the system's conversion, every byte.
TEST(CodePageTest, Windows1252IsConvertedAsMultiByteToWideCharDoes) {
    const std::optional<cli::CodePage> codePage = cli::CodePage::Open(1252);
    ASSERT_TRUE(codePage);
    for (int byte = 1; byte < 256; ++byte) {
        const char text[1] = {static_cast<char>(byte)};
        wchar_t wide[2] = {};
        ASSERT_EQ(MultiByteToWideChar(1252, 0, text, 1, wide, 2), 1);
        char utf8[4] = {};
        const int size = WideCharToMultiByte(CP_UTF8, 0, wide, 1, utf8, 4, nullptr, nullptr);
        EXPECT_EQ(codePage->ToUtf8(std::string(text, 1)), std::string(utf8, size)) << byte;
    }
}
#endif

TEST(CodePageTest, UnknownCodePageCannotBeOpened) {
    EXPECT_FALSE(cli::CodePage::Open(12345));
}

TEST(OutputTest, ListAsJsonKeepsOrderAndGivesNullForMissingDays) {
    const cli::ListResult list{
        "/games/sims", 2, {{"Abernathy", 15, 140}, {"Ekstr\xC3\xB6m", 9, std::nullopt}}};
    EXPECT_EQ(cli::ToJson(list),
              "{\"data_folder\":\"/games/sims\",\"neighbourhood\":2,\"families\":["
              "{\"name\":\"Abernathy\",\"lot\":15,\"days\":140},"
              "{\"name\":\"Ekstr\xC3\xB6m\",\"lot\":9,\"days\":null}]}\n");
}

TEST(OutputTest, ListAsTextLinesUpByCharacters) {
    const cli::ListResult list{
        "/games/sims", 1, {{"Ekstr\xC3\xB6m", 9, -2}, {"Li", 15, std::nullopt}}};
    EXPECT_EQ(cli::ToText(list),
              "Family Name  Lot #  Days in House\n"
              "Ekstr\xC3\xB6m          9             -2\n"
              "Li              15              -\n");
}

TEST(OutputTest, NeighbourhoodNumbersAscendOnceEach) {
    EXPECT_EQ(cli::ToJson(cli::NeighbourhoodsResult{"C:\\Sims", {"01", "02", "02", "12"}}),
              "{\"data_folder\":\"C:\\\\Sims\",\"neighbourhoods\":[1,2,12]}\n");
}

TEST(OutputTest, SetAsTextAndJson) {
    const cli::SetResult set{"Abernathy", 15, 30, 140};
    EXPECT_EQ(cli::ToText(set), "Abernathy (lot 15): 140 -> 30\n");
    EXPECT_EQ(cli::ToJson(set),
              "{\"name\":\"Abernathy\",\"lot\":15,\"days\":30,\"previous\":140}\n");
}

}  // namespace
