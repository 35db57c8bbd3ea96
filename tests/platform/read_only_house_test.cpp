// The ways Windows refuses to open a house file for writing, each on its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/kernel_handle.h"
#include "gamedata/house_days.h"
#include "tests/support/test_files.h"
#include "tools/gamegen/gamegen.h"

namespace gamedata {
namespace {

KernelHandle OpenExisting(const std::string& path, DWORD access, DWORD sharing) {
    return KernelHandle(CreateFileA(path.c_str(), access, sharing, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
}

class ReadOnlyHouseTest : public testing::Test {
protected:
    void SetUp() override { gamegen::WriteFileBytes(path_, before_); }
    void TearDown() override { SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL); }

    void ExpectReadableButNotWritable() {
        EXPECT_EQ(ReadDays(path_), 42);
        EXPECT_EQ(WriteDays(path_, 7), WriteResult::NotFound);
        EXPECT_EQ(test_support::ReadBytes(path_), before_);
    }

    test_support::TempFolder folder_;
    const std::string path_ = folder_.File("house05.iff");
    const std::string before_ = gamegen::HouseFileBytes(42);
};

TEST_F(ReadOnlyHouseTest, ReadOnlyAttributeRefusesTheWrite) {
    ASSERT_TRUE(SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY));
    if (OpenExisting(path_, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE)) {
        GTEST_SKIP() << "the read-only attribute does not stop writers here (Wine as root)";
    }
    ExpectReadableButNotWritable();
}

TEST_F(ReadOnlyHouseTest, FileHeldWithoutWriteSharingRefusesTheWrite) {
    {
        const KernelHandle holder = OpenExisting(path_, GENERIC_READ, FILE_SHARE_READ);
        ASSERT_TRUE(holder);
        ExpectReadableButNotWritable();
    }
    EXPECT_EQ(WriteDays(path_, 7), WriteResult::Done);
    EXPECT_EQ(ReadDays(path_), 7);
}

}  // namespace
}  // namespace gamedata
