#include <windows.h>

#include "gamedata/checked_file.h"

namespace gamedata {
namespace {

FileProblem ProblemOfError(DWORD error, const std::string& path) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
            return FileProblem::Missing;
        case ERROR_ACCESS_DENIED: {
            // CreateFile refuses a folder with this error too; the
            // attributes tell the two apart, for the message alone.
            const DWORD attributes = GetFileAttributesA(path.c_str());
            return attributes != INVALID_FILE_ATTRIBUTES &&
                           (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0
                       ? FileProblem::Folder
                       : FileProblem::Denied;
        }
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return FileProblem::Denied;
        default:
            return FileProblem::Failed;
    }
}

std::string SystemMessage(DWORD error) {
    char text[256] = {};
    const DWORD size = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, error, 0, text, sizeof text, nullptr);
    std::string message(text, size);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
        message.pop_back();
    }
    return message.empty() ? "error " + std::to_string(error) : message;
}

OVERLAPPED At(std::uint64_t offset) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return at;
}

// One call moves at most this much, whatever count asks for.
DWORD Chunk(std::size_t count) {
    return static_cast<DWORD>(count < 0x40000000u ? count : 0x40000000u);
}

}  // namespace

void* CheckedFile::NoHandle() {
    return INVALID_HANDLE_VALUE;
}

void CheckedFile::CloseNative(void* handle) {
    CloseHandle(handle);
}

CheckedFile CheckedFile::Open(const std::string& path, FileAccess access, LastLink lastLink) {
    const DWORD rights = GENERIC_READ | (access == FileAccess::ReadWrite ? GENERIC_WRITE : 0);
    const DWORD flags =
        FILE_ATTRIBUTE_NORMAL | (lastLink == LastLink::Refuse ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
    CheckedFile file;
    file.handle_.Reset(CreateFileA(path.c_str(), rights, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, flags, nullptr));
    if (!file.handle_) {
        const DWORD error = GetLastError();
        file.problem_ = ProblemOfError(error, path);
        file.failure_ = SystemMessage(error);
        return file;
    }
    // A pipe, a console or a device ("CON", "\\.\pipe\x") has no place in
    // a game folder, and reading one could wait for ever.
    if (GetFileType(file.handle_.Get()) != FILE_TYPE_DISK) {
        file.problem_ = FileProblem::NotRegular;
        return file;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    if (!GetFileInformationByHandle(file.handle_.Get(), &information)) {
        file.failure_ = SystemMessage(GetLastError());
        return file;
    }
    if ((information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        file.problem_ = FileProblem::Folder;
    } else if ((information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        file.problem_ = FileProblem::Link;
    } else {
        file.problem_ = FileProblem::None;
    }
    file.size_ =
        (static_cast<std::uint64_t>(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
    return file;
}

std::optional<std::size_t> CheckedFile::ReadAt(std::uint64_t offset, void* buffer,
                                               std::size_t count) const {
    std::size_t done = 0;
    while (done < count) {
        OVERLAPPED at = At(offset + done);
        DWORD read = 0;
        if (!ReadFile(handle_.Get(), static_cast<char*>(buffer) + done, Chunk(count - done), &read,
                      &at)) {
            if (GetLastError() == ERROR_HANDLE_EOF) {
                break;
            }
            return std::nullopt;
        }
        if (read == 0) {
            break;
        }
        done += read;
    }
    return done;
}

bool CheckedFile::WriteAt(std::uint64_t offset, const void* bytes, std::size_t count) const {
    std::size_t done = 0;
    while (done < count) {
        OVERLAPPED at = At(offset + done);
        DWORD written = 0;
        if (!WriteFile(handle_.Get(), static_cast<const char*>(bytes) + done, Chunk(count - done),
                       &written, &at) ||
            written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

}  // namespace gamedata
