#include <windows.h>

#include "common/kernel_handle.h"
#include "gamedata/directory_listing.h"

namespace gamedata {
namespace {

using FindHandle = UniqueHandle<HANDLE, &FindClose, &NoKernelHandle>;

}  // namespace

bool ForEachDirectoryEntry(const std::string& pattern, const EntryVisitor& visit) {
    WIN32_FIND_DATAA data{};
    const FindHandle search(FindFirstFileA(pattern.c_str(), &data));
    if (!search) {
        return false;
    }
    do {
        DirectoryEntry found;
        found.name = data.cFileName;
        found.isDirectory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        visit(found);
    } while (FindNextFileA(search.Get(), &data));
    return true;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::int64_t> LastWriteTime(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
        data.ftLastWriteTime.dwLowDateTime);
}

std::string ToLowerAnsi(std::string text) {
    if (!text.empty()) {
        CharLowerBuffA(text.data(), static_cast<DWORD>(text.size()));
    }
    return text;
}

}  // namespace gamedata
