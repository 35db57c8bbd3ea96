#include "gamedata/file_handle.h"

#include <algorithm>
#include <utility>

namespace gamedata {

std::string ToPlatformPath(std::string path) {
#ifndef _WIN32
    std::replace(path.begin(), path.end(), '\\', '/');
#endif
    return path;
}

FileHandle FileHandle::Open(const std::string& path, const char* mode) {
    return FileHandle(std::fopen(ToPlatformPath(path).c_str(), mode));
}

FileHandle::~FileHandle() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

FileHandle::FileHandle(FileHandle&& other) noexcept : file_(std::exchange(other.file_, nullptr)) {}

FileHandle& FileHandle::operator=(FileHandle&& other) noexcept {
    if (this != &other) {
        if (file_ != nullptr) {
            std::fclose(file_);
        }
        file_ = std::exchange(other.file_, nullptr);
    }
    return *this;
}

bool FileHandle::Close() {
    if (file_ == nullptr) {
        return false;
    }
    return std::fclose(std::exchange(file_, nullptr)) == 0;
}

}  // namespace gamedata
