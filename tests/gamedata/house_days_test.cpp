#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "gamedata/house_days.h"
#include "gamedata/number_text.h"
#include "tests/support/test_files.h"
#include "tests/support/write_protection.h"
#include "tools/gamegen/gamegen.h"

namespace gamedata {
namespace {

using namespace std::string_literals;

class HouseDaysTest : public testing::Test {
protected:
    // A house file of the usual size with these two bytes at 208.
    std::string HouseWith(const std::string& daysBytes) {
        std::string bytes = gamegen::HouseFileBytes(0);
        bytes.replace(kDaysOffset, 2, daysBytes);
        return bytes;
    }

    std::string Write(const std::string& bytes) {
        gamegen::WriteFileBytes(path_, bytes);
        return path_;
    }

    test_support::TempFolder folder_;
    const std::string path_ = folder_.File("house05.iff");
};

struct DaysCase {
    std::string bytes;
    std::int16_t days;
    const char* shown;
};

void PrintTo(const DaysCase& daysCase, std::ostream* out) {
    *out << daysCase.shown;
}

class ReadDaysTest : public HouseDaysTest, public testing::WithParamInterface<DaysCase> {};

TEST_P(ReadDaysTest, ReadsSignedLittleEndianAt208) {
    const std::optional<std::int16_t> days = ReadDays(Write(HouseWith(GetParam().bytes)));
    ASSERT_TRUE(days.has_value());
    EXPECT_EQ(*days, GetParam().days);
    EXPECT_EQ(FormatDecimal(*days), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReadDaysTest,
    testing::Values(DaysCase{"\x2A\x00"s, 42, "42"}, DaysCase{"\xFF\xFF"s, -1, "-1"},
                    DaysCase{"\x00\x01"s, 256, "256"}, DaysCase{"\xFF\x00"s, 255, "255"},
                    DaysCase{"\x00\x00"s, 0, "0"}, DaysCase{"\xFF\x7F"s, 32767, "32767"},
                    DaysCase{"\x00\x80"s, -32768, "-32768"}));

TEST_F(HouseDaysTest, ShortFilesReadTheBytesTheyHaveAndZeroForTheRest) {
    EXPECT_EQ(ReadDays(Write("")), 0);
    EXPECT_EQ(ReadDays(Write(std::string(100, '\x11'))), 0);
    EXPECT_EQ(ReadDays(Write(std::string(208, '\x11'))), 0);
    EXPECT_EQ(ReadDays(Write(std::string(208, '\x11') + "\xFF")), 255);
    EXPECT_EQ(ReadDays(Write(std::string(208, '\x11') + "\x07\x01")), 263);
}

TEST_F(HouseDaysTest, ReadingAMissingFileIsNotFoundAndCreatesNothing) {
    EXPECT_EQ(ReadDays(path_), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(HouseDaysTest, ReadingAFolderIsNotFound) {
    EXPECT_EQ(ReadDays(folder_.path().string()), std::nullopt);
}

struct WriteCase {
    std::int32_t value;
    std::string bytes;
};

void PrintTo(const WriteCase& writeCase, std::ostream* out) {
    *out << writeCase.value;
}

class WriteDaysTest : public HouseDaysTest, public testing::WithParamInterface<WriteCase> {};

TEST_P(WriteDaysTest, ChangesExactlyBytes208And209) {
    const std::string before = gamegen::HouseFileBytes(31, 7);
    ASSERT_EQ(WriteDays(Write(before), GetParam().value), WriteResult::Done);
    std::string expected = before;
    expected.replace(kDaysOffset, 2, GetParam().bytes);
    EXPECT_EQ(test_support::ReadBytes(path_), expected);
}

INSTANTIATE_TEST_SUITE_P(Values, WriteDaysTest,
                         testing::Values(WriteCase{7, "\x07\x00"s}, WriteCase{1, "\x01\x00"s},
                                         WriteCase{255, "\xFF\x00"s}, WriteCase{256, "\x00\x01"s},
                                         WriteCase{-1, "\xFF\xFF"s},
                                         WriteCase{0x12345, "\x45\x23"s}));

TEST_F(HouseDaysTest, WrittenDaysReadBack) {
    Write(gamegen::HouseFileBytes(3));
    for (const std::int16_t days : {1, 2, 100, 255}) {
        ASSERT_EQ(WriteDays(path_, days), WriteResult::Done);
        EXPECT_EQ(ReadDays(path_), days);
    }
}

TEST_F(HouseDaysTest, WritingAShortFileGrowsItTo210WithZeroes) {
    ASSERT_EQ(WriteDays(Write(std::string(100, '\x11')), 9), WriteResult::Done);
    EXPECT_EQ(test_support::ReadBytes(path_),
              std::string(100, '\x11') + std::string(108, '\0') + "\x09\x00"s);

    ASSERT_EQ(WriteDays(Write(std::string(209, '\x11')), 9), WriteResult::Done);
    EXPECT_EQ(test_support::ReadBytes(path_), std::string(208, '\x11') + "\x09\x00"s);

    ASSERT_EQ(WriteDays(Write(""), 300), WriteResult::Done);
    EXPECT_EQ(test_support::ReadBytes(path_), std::string(208, '\0') + "\x2C\x01"s);
}

TEST_F(HouseDaysTest, WritingAMissingFileIsNotFoundAndCreatesNothing) {
    EXPECT_EQ(WriteDays(path_, 7), WriteResult::NotFound);
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(HouseDaysTest, WritingAFolderIsNotFound) {
    EXPECT_EQ(WriteDays(folder_.path().string(), 7), WriteResult::NotFound);
}

TEST_F(HouseDaysTest, ReadOnlyFileIsReadButNotWritten) {
    const std::string before = HouseWith("\x2A\x00"s);
    Write(before);
    const test_support::WriteProtection protection(path_);
    if (!protection.active()) {
        GTEST_SKIP() << "cannot make a file read-only here: " << protection.reason();
    }
    EXPECT_EQ(ReadDays(path_), 42);
    EXPECT_EQ(WriteDays(path_, 7), WriteResult::NotFound);
    EXPECT_EQ(test_support::ReadBytes(path_), before);
}

#ifndef _WIN32
// /dev/full takes every write into the stream's buffer and fails it when the
// buffer is flushed at the close: a failure only the close can report.
TEST(WriteDays, FailedFlushIsNotReportedAsDone) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    EXPECT_EQ(WriteDays("/dev/full", 7), WriteResult::NotFound);
}
#endif

}  // namespace
}  // namespace gamedata
