// Reading house files ahead of the days pass: the pass still sees every
// row's days in row order, stops at the first missing file, opens no file
// twice and none once it has stopped, whatever fails on the readers' side.
// Also run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <mutex>
#include <new>
#include <ostream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>
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
    std::vector<std::string> readAhead;            // the rows' files when the pass began
    std::vector<std::string> rows;                 // each row's file when the pass gets to it
    std::vector<int> shown;                        // the days the pass shows, in row order
    std::string stoppedAt;                         // the missing file that stops it, if any
    int threadsThatStart = 2;                      // later starts fail
    std::vector<std::string> throwOnReaders = {};  // files whose read throws off the pass's thread
};

void PrintTo(const ReadAheadCase& readAheadCase, std::ostream* out) {
    *out << readAheadCase.name;
}

class DaysReadAheadTest : public testing::TestWithParam<ReadAheadCase> {};

TEST_P(DaysReadAheadTest, PassSeesEveryRowInOrderStopsAtTheFirstMissingFileAndOpensNoneTwice) {
    const ReadAheadCase& readAheadCase = GetParam();
    const std::thread::id passThread = std::this_thread::get_id();
    std::mutex openedMutex;
    std::map<std::string, int> opened;
    std::vector<std::string> openedAfterTheStop;
    bool passStopped = false;
    int threadsStarted = 0;
    std::vector<int> shown;
    std::string stoppedAt;
    {
        DaysReadAhead reads(
            readAheadCase.readAhead,
            [&](const std::string& houseFile) {
                // Slow enough that readers left running would still be at it
                // when the pass stops.
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                const auto& throwing = readAheadCase.throwOnReaders;
                if (std::this_thread::get_id() != passThread &&
                    std::find(throwing.begin(), throwing.end(), houseFile) != throwing.end()) {
                    throw std::bad_alloc();
                }
                const std::lock_guard<std::mutex> lock(openedMutex);
                ++opened[houseFile];
                if (passStopped) {
                    openedAfterTheStop.push_back(houseFile);
                }
                return DaysOfName(houseFile);
            },
            [&](std::function<void()> work) {
                if (threadsStarted == readAheadCase.threadsThatStart) {
                    throw std::system_error(
                        std::make_error_code(std::errc::resource_unavailable_try_again));
                }
                ++threadsStarted;
                return std::thread(std::move(work));
            });
        for (const std::string& row : readAheadCase.rows) {
            const std::optional<std::int16_t> days = reads.DaysIn(row);
            if (!days) {
                const std::lock_guard<std::mutex> lock(openedMutex);
                passStopped = true;
                stoppedAt = row;
                break;
            }
            shown.push_back(*days);
        }
    }
    EXPECT_EQ(shown, readAheadCase.shown);
    EXPECT_EQ(stoppedAt, readAheadCase.stoppedAt);
    EXPECT_EQ(openedAfterTheStop, std::vector<std::string>())
        << "opened while the pass had stopped";
    for (const auto& [houseFile, times] : opened) {
        EXPECT_EQ(times, 1) << houseFile << " opened more than once";
    }
    for (std::size_t row = 0; row < shown.size(); ++row) {
        EXPECT_EQ(opened.count(readAheadCase.rows[row]), 1u) << "row " << row << " never read";
    }
}

TEST(DaysReadAheadStartTest, ListingTheFilesThatThrowsGivesNoReadingAhead) {
    EXPECT_EQ(DaysReadAhead::StartOrNothing(
                  []() -> std::vector<std::string> { throw std::runtime_error("registry gone"); }),
              nullptr);
    EXPECT_NE(DaysReadAhead::StartOrNothing([] { return std::vector<std::string>{"a"}; }), nullptr);
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
        ReadAheadCase{"RowsAddedAfterTheStart", {}, {"a", "b"}, {1, 2}, ""},
        ReadAheadCase{"UnlistedMissingFileStopsTheReaders",
                      {"a", "b", "c", "d", "e", "f", "g", "h"},
                      {"a", "Q", "c"},
                      {1},
                      "Q"},
        ReadAheadCase{"SecondThreadDoesNotStart",
                      {"a", "b", "c", "d"},
                      {"a", "b", "c", "d"},
                      {1, 2, 3, 4},
                      "",
                      1},
        ReadAheadCase{"NoThreadStarts", {"a", "B", "c"}, {"a", "B", "c"}, {1}, "B", 0},
        ReadAheadCase{"ReadsThrowOnTheReaders",
                      {"a", "b", "c", "d"},
                      {"a", "b", "c", "d"},
                      {1, 2, 3, 4},
                      "",
                      2,
                      {"b", "c"}}),
    [](const testing::TestParamInfo<ReadAheadCase>& info) { return info.param.name; });

}  // namespace
}  // namespace gamedata
