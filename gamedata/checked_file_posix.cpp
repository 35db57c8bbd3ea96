#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "gamedata/checked_file.h"

namespace gamedata {
namespace {

FileProblem ProblemOfError(int error, LastLink lastLink) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return FileProblem::Missing;
        case EACCES:
        case EPERM:
        case EROFS:
            return FileProblem::Denied;
        case ELOOP:
            // O_NOFOLLOW's answer to a link; otherwise a loop of links.
            return lastLink == LastLink::Refuse ? FileProblem::Link : FileProblem::Failed;
        case EISDIR:
            return FileProblem::Folder;
        case ENXIO:
        case ETXTBSY:
            return FileProblem::NotRegular;
        default:
            return FileProblem::Failed;
    }
}

FileProblem ProblemOfType(mode_t mode) {
    if (S_ISREG(mode)) {
        return FileProblem::None;
    }
    return S_ISDIR(mode) ? FileProblem::Folder : FileProblem::NotRegular;
}

}  // namespace

int CheckedFile::NoHandle() {
    return -1;
}

void CheckedFile::CloseNative(int handle) {
    close(handle);
}

CheckedFile CheckedFile::Open(const std::string& path, FileAccess access, LastLink lastLink) {
    int flags = (access == FileAccess::ReadWrite ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC;
    if (lastLink == LastLink::Refuse) {
        flags |= O_NOFOLLOW;
    }
    CheckedFile file;
    file.handle_.Reset(open(path.c_str(), flags));
    if (!file.handle_) {
        const int error = errno;
        file.problem_ = ProblemOfError(error, lastLink);
        file.failure_ = std::strerror(error);
        return file;
    }
    struct stat status {};
    if (fstat(file.handle_.Get(), &status) != 0) {
        file.failure_ = std::strerror(errno);
        return file;
    }
    file.problem_ = ProblemOfType(status.st_mode);
    file.size_ = static_cast<std::uint64_t>(status.st_size);
    return file;
}

std::optional<std::size_t> CheckedFile::ReadAt(std::uint64_t offset, void* buffer,
                                               std::size_t count) const {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t read = pread(handle_.Get(), static_cast<char*>(buffer) + done, count - done,
                                   static_cast<off_t>(offset + done));
        if (read < 0 && errno == EINTR) {
            continue;
        }
        if (read < 0) {
            return std::nullopt;
        }
        if (read == 0) {
            break;
        }
        done += static_cast<std::size_t>(read);
    }
    return done;
}

bool CheckedFile::WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) const {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t written = pwrite(handle_.Get(), static_cast<const char*>(bytes) + done,
                                       count - done, static_cast<off_t>(offset + done));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

}  // namespace gamedata
