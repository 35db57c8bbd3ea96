#include <dirent.h>
#include <sys/stat.h>

#include "common/unique_handle.h"
#include "gamedata/directory_listing.h"
#include "gamedata/file_handle.h"

namespace gamedata {
namespace {

using DirectoryHandle = UniqueHandle<DIR*, &closedir>;

// The folder part of a pattern such as "C:\Games\Sims\*.*". A pattern that
// begins with its backslash names the root, as it does on Windows.
std::string PatternFolder(const std::string& pattern) {
    const std::size_t separator = pattern.find_last_of("\\/");
    if (separator == std::string::npos) {
        return ".";
    }
    if (separator == 0) {
        return "/";
    }
    return ToPlatformPath(pattern.substr(0, separator));
}

}  // namespace

bool ForEachDirectoryEntry(const std::string& pattern, const EntryVisitor& visit) {
    const std::string folder = PatternFolder(pattern);
    const DirectoryHandle directory(opendir(folder.c_str()));
    if (!directory) {
        return false;
    }
    while (const dirent* entry = readdir(directory.Get())) {
        DirectoryEntry found;
        found.name = entry->d_name;
        found.isDirectory = IsFolder(folder + "/" + found.name);
        visit(found);
    }
    return true;
}

bool IsFolder(const std::string& path) {
    struct stat status {};
    return stat(ToPlatformPath(path).c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::optional<std::int64_t> LastWriteTime(const std::string& path) {
    struct stat status {};
    if (stat(ToPlatformPath(path).c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    constexpr std::int64_t kNanoseconds = 1000000000;
    return static_cast<std::int64_t>(status.st_mtim.tv_sec) * kNanoseconds + status.st_mtim.tv_nsec;
}

std::string ToLowerAnsi(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

}  // namespace gamedata
