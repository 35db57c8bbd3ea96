// Reading house files ahead of the days pass: the pass still sees every
// row's days in row order, stops at the first missing file, and opens no
// file twice. Also run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

#include "gamedata/days_read_ahead.h"

namespace gamedata {
namespace {

// House files by name: "a" holds 1, "b" 2 and so on; a name in capitals is
// a missing file.
std::optional<std::int16_t> DaysOfName(const std::string& houseFile) {
    if (houseFile[0] < 'a') {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(houseFile[0] - 'a' + 1);
}

struct ReadAheadCase {
    const char* name;
    std::vector<std::string> readAhead;  // the rows' files when the pass began
    std::vector<std::string> rows;       // each row's file when the pass gets to it
    std::vector<int> shown;              // the days the pass shows, in row order
    std::string stoppedAt;               // the missing file that stops it, if any
};

void PrintTo(const ReadAheadCase& readAheadCase, std::ostream* out) {
    *out << readAheadCase.name;
}

class DaysReadAheadTest : public testing::TestWithParam<ReadAheadCase> {};

TEST_P(DaysReadAheadTest, PassSeesEveryRowInOrderStopsAtTheFirstMissingFileAndOpensNoneTwice) {
    std::mutex openedMutex;
    std::map<std::string, int> opened;
    std::vector<int> shown;
    std::string stoppedAt;
    {
        DaysReadAhead reads(GetParam().readAhead, [&](const std::string& houseFile) {
            const std::lock_guard<std::mutex> lock(openedMutex);
            ++opened[houseFile];
            return DaysOfName(houseFile);
        });
        for (const std::string& row : GetParam().rows) {
            const std::optional<std::int16_t> days = reads.DaysIn(row);
            if (!days) {
                stoppedAt = row;
                break;
            }
            shown.push_back(*days);
        }
    }
    EXPECT_EQ(shown, GetParam().shown);
    EXPECT_EQ(stoppedAt, GetParam().stoppedAt);
    for (const auto& [houseFile, times] : opened) {
        EXPECT_EQ(times, 1) << houseFile << " opened more than once";
    }
    for (std::size_t row = 0; row < shown.size(); ++row) {
        EXPECT_EQ(opened.count(GetParam().rows[row]), 1u) << "row " << row << " never read";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Passes, DaysReadAheadTest,
    testing::Values(
        ReadAheadCase{
            "EveryFileThere", {"a", "b", "c", "d"}, {"a", "b", "c", "d"}, {1, 2, 3, 4}, ""},
        ReadAheadCase{"MissingFileInTheMiddle",
                      {"a", "b", "C", "d", "e"},
                      {"a", "b", "C", "d", "e"},
                      {1, 2},
                      "C"},
        ReadAheadCase{"FirstFileMissing", {"A", "b"}, {"A", "b"}, {}, "A"},
        ReadAheadCase{"RowLabelChanged", {"a", "b", "c"}, {"a", "x", "c"}, {1, 24, 3}, ""},
        ReadAheadCase{"ChangedRowNoLongerNamesTheMissingFile",
                      {"a", "B", "c", "d"},
                      {"a", "x", "c", "d"},
                      {1, 24, 3, 4},
                      ""},
        ReadAheadCase{"ChangedRowNowNamesAMissingFile", {"a", "b", "c"}, {"a", "Q", "c"}, {1}, "Q"},
        ReadAheadCase{"TwoRowsOnOneLot", {"a", "a", "b"}, {"a", "a", "b"}, {1, 1, 2}, ""},
        ReadAheadCase{"EmptyTable", {}, {}, {}, ""},
        ReadAheadCase{"RowsAddedAfterTheStart", {}, {"a", "b"}, {1, 2}, ""}),
    [](const testing::TestParamInfo<ReadAheadCase>& info) { return info.param.name; });

}  // namespace
}  // namespace gamedata
