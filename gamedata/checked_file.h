#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "common/unique_handle.h"

namespace gamedata {

// Why a file was not opened, or is not one the program reads or writes:
// each reason gets its own message.
enum class FileProblem {
    None,
    Missing,     // no such file, or a folder on the way is missing
    Denied,      // its permissions, or those of a folder on the way
    Link,        // a symbolic link where none may be
    Folder,      // a folder in place of the file
    NotRegular,  // a FIFO, a device or a socket: reading it could block for ever
    Failed,      // any other error of the system
};

// The words for a problem in a message: "is a symbolic link", ...
std::string ProblemText(FileProblem problem);

enum class FileAccess { Read, ReadWrite };
enum class LastLink { Follow, Refuse };

// One file opened once, checked on that one descriptor (or handle) and
// read or written only through it: a check by path and a write by path can
// be two files to anyone who swaps one in between. The open never blocks
// (a FIFO or a device is refused by the check, never read), and with
// LastLink::Refuse a link in the last part of the path is refused rather
// than followed; links among the folders above it still lead the way.
// POSIX: open with O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, fstat, pread and
// pwrite. Windows: CreateFile with FILE_FLAG_OPEN_REPARSE_POINT, the
// handle's own type and information, reads and writes at an offset.
class CheckedFile {
public:
    static CheckedFile Open(const std::string& path, FileAccess access, LastLink lastLink);

    // None when the file is open and a regular file.
    FileProblem problem() const { return problem_; }
    // The system's words for a Failed open.
    const std::string& failure() const { return failure_; }
    std::uint64_t size() const { return size_; }

    // Up to count bytes from offset, fewer only at the end of the file;
    // nothing when the read fails.
    std::optional<std::size_t> ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const;
    // All count bytes at offset, or false.
    [[nodiscard]] bool WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) const;

private:
#ifdef _WIN32
    using Native = void*;  // HANDLE
#else
    using Native = int;
#endif
    static Native NoHandle();
    static void CloseNative(Native handle);
    UniqueHandle<Native, &CheckedFile::CloseNative, &CheckedFile::NoHandle> handle_;
    FileProblem problem_ = FileProblem::Failed;
    std::string failure_;
    std::uint64_t size_ = 0;
};

// Hands the bytes of a regular file to take, a block at a time, from the
// start on. False when a read fails or the file holds more than cap bytes
// (it may grow while it is read): a file far larger than any real one is
// a mistake or an attack, never data.
bool ReadBlocks(const CheckedFile& file, std::uint64_t cap,
                const std::function<void(const char* bytes, std::size_t count)>& take);

}  // namespace gamedata
