#include <windows.h>

#include "tests/support/write_protection.h"

namespace test_support {
namespace {

bool CanOpenForWriting(const std::string& path) {
    const HANDLE handle =
        CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(handle);
    return true;
}

}  // namespace

// The read-only attribute first, as a user would set it. Wine run as root
// may still open such a file for writing; then a handle that shares reading
// but not writing makes every other open for writing fail.
WriteProtection::WriteProtection(const std::string& path) : path_(path) {
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY);
    if (!CanOpenForWriting(path_)) {
        active_ = true;
        return;
    }
    const HANDLE handle = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        blockingHandle_ = handle;
    }
    active_ = blockingHandle_ != nullptr && !CanOpenForWriting(path_);
    if (!active_) {
        reason_ = "neither the read-only attribute nor a handle without write sharing holds";
    }
}

WriteProtection::~WriteProtection() {
    if (blockingHandle_ != nullptr) {
        CloseHandle(static_cast<HANDLE>(blockingHandle_));
    }
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace test_support
