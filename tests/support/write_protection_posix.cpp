#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/write_protection.h"

namespace test_support {
namespace {

bool CanOpenForWriting(const std::string& path) {
    const int fd = open(path.c_str(), O_WRONLY);
    if (fd < 0) {
        return false;
    }
    close(fd);
    return true;
}

// The immutable attribute stops root as well; it needs the file system's
// support and the privilege to set it.
bool SetImmutable(const std::string& path, bool immutable) {
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    close(fd);
    return done;
}

}  // namespace

WriteProtection::WriteProtection(const std::string& path) : path_(path) {
    chmod(path_.c_str(), 0444);
    if (!CanOpenForWriting(path_)) {
        active_ = true;
        return;
    }
    immutable_ = SetImmutable(path_, true);
    active_ = immutable_ && !CanOpenForWriting(path_);
    if (!active_) {
        reason_ =
            "running with the privilege to write read-only files, and the file system does "
            "not take the immutable attribute here";
    }
}

WriteProtection::~WriteProtection() {
    if (immutable_) {
        SetImmutable(path_, false);
    }
    chmod(path_.c_str(), 0644);
}

}  // namespace test_support
