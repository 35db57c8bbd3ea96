#pragma once

#include <cstdio>
#include <string>

namespace gamedata {

// The program's paths are Windows paths. Elsewhere a backslash is taken as
// the folder separator, so the same paths reach the same files.
std::string ToPlatformPath(std::string path);

// Owns one stdio stream; the stream is closed when the handle goes.
class FileHandle {
public:
    // An empty handle when fopen fails.
    static FileHandle Open(const std::string& path, const char* mode);

    ~FileHandle();
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    FileHandle(FileHandle&& other) noexcept;
    FileHandle& operator=(FileHandle&& other) noexcept;

    explicit operator bool() const { return file_ != nullptr; }
    std::FILE* get() const { return file_; }

    // Closes now and tells whether the stream's last buffered writes
    // reached the file; a writer must not report success without it.
    [[nodiscard]] bool Close();

private:
    explicit FileHandle(std::FILE* file) : file_(file) {}

    std::FILE* file_ = nullptr;
};

}  // namespace gamedata
