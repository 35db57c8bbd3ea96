#include <windows.h>

#include <utility>

#include "gamedata/directory_listing.h"

namespace gamedata {
namespace {

class FindHandle {
public:
    FindHandle(const std::string& pattern, WIN32_FIND_DATAA& first)
        : handle_(FindFirstFileA(pattern.c_str(), &first)) {}
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            FindClose(handle_);
        }
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    FindHandle(FindHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    FindHandle& operator=(FindHandle&&) = delete;

    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

bool ForEachDirectoryEntry(const std::string& pattern,
                           const std::function<void(const DirectoryEntry&)>& visit) {
    WIN32_FIND_DATAA data{};
    const FindHandle search(pattern, data);
    if (!search) {
        return false;
    }
    do {
        DirectoryEntry found;
        found.name = data.cFileName;
        found.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        visit(found);
    } while (FindNextFileA(search.get(), &data));
    return true;
}

std::string ToLowerAnsi(std::string text) {
    if (!text.empty()) {
        CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    }
    return text;
}

}  // namespace gamedata
