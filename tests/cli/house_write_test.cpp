// The checked write through one descriptor: whatever happens to the path
// between the check and the write, no file but the one checked changes,
// and a file cut short in between is never grown back.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "cli/exit_code.h"
#include "cli/house_write.h"
#include "tests/support/test_files.h"
#include "tools/gamegen/gamegen.h"

namespace {

class HouseWriteTest : public testing::Test {
protected:
    HouseWriteTest() { gamegen::WriteFileBytes(house_, gamegen::HouseFileBytes(140)); }

    test_support::TempFolder folder_;
    const std::string house_ = folder_.File("house15.iff");
};

TEST_F(HouseWriteTest, AFileCutShortAfterTheCheckIsRefusedAndNotGrownBack) {
    cli::HouseFileWrite write(house_);
    std::filesystem::resize_file(house_, 100);
    try {
        write.Write(30);
        ADD_FAILURE() << "the write was done";
    } catch (const cli::Refusal& refusal) {
        EXPECT_EQ(refusal.code(), cli::ExitCode::FileError);
        EXPECT_NE(std::string(refusal.what()).find("cut short"), std::string::npos);
    }
    EXPECT_EQ(std::filesystem::file_size(house_), 100u);
}

#ifndef _WIN32
// Windows refuses to rename a file another handle holds open.
TEST_F(HouseWriteTest, AFileSwappedAfterTheCheckIsNotTheOneWritten) {
    cli::HouseFileWrite write(house_);
    std::filesystem::rename(house_, house_ + ".old");
    const std::string swapped = gamegen::HouseFileBytes(7);
    gamegen::WriteFileBytes(house_, swapped);

    EXPECT_EQ(write.Write(30), 140);
    EXPECT_EQ(test_support::ReadBytes(house_), swapped);
    EXPECT_EQ(test_support::ReadBytes(house_ + ".old")->substr(gamegen::kDaysOffset, 2),
              std::string("\x1E\0", 2));
}
#endif

}  // namespace
