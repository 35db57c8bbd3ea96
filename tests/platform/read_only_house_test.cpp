// The ways Windows refuses to open a house file for writing, each on its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "gamedata/house_days.h"
#include "tests/support/test_files.h"
#include "tools/gamegen/gamegen.h"

namespace gamedata {
namespace {

class OpenFile {
public:
    OpenFile(const std::string& path, DWORD access, DWORD sharing)
        : handle_(CreateFileA(path.c_str(), access, sharing, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~OpenFile() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    OpenFile(OpenFile&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    OpenFile& operator=(OpenFile&&) = delete;

    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

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
    if (OpenFile(path_, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE).isOpen()) {
        GTEST_SKIP() << "the read-only attribute does not stop writers here (Wine as root)";
    }
    ExpectReadableButNotWritable();
}

TEST_F(ReadOnlyHouseTest, FileHeldWithoutWriteSharingRefusesTheWrite) {
    {
        const OpenFile holder(path_, GENERIC_READ, FILE_SHARE_READ);
        ASSERT_TRUE(holder.isOpen());
        ExpectReadableButNotWritable();
    }
    EXPECT_EQ(WriteDays(path_, 7), WriteResult::Done);
    EXPECT_EQ(ReadDays(path_), 7);
}

}  // namespace
}  // namespace gamedata
