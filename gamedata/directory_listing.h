#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace gamedata {

struct DirectoryEntry {
    std::string name;
    bool isDirectory = false;
};

using EntryVisitor = std::function<void(const DirectoryEntry&)>;

// Seam to the platform's directory search. Calls visit for every entry the
// search pattern (a Windows pattern such as "C:\Games\Sims\*.*") yields,
// "." and ".." included, in enumeration order. False when the search
// cannot start. Windows: FindFirstFileA / FindNextFileA. Elsewhere: the
// pattern's folder, with backslashes taken as separators, via POSIX opendir.
bool ForEachDirectoryEntry(const std::string& pattern, const EntryVisitor& visit);

// The shape of ForEachDirectoryEntry, for callers that let a test or a fuzz
// target hand in entries no real folder would hold.
using DirectorySearch = std::function<bool(const std::string& pattern, const EntryVisitor& visit)>;

// True when the path names an existing folder; false for a file or
// nothing. Windows: GetFileAttributesA. Elsewhere: stat, backslashes taken
// as separators.
bool IsFolder(const std::string& path);

// When the regular file at path was last written, in the platform's own
// units, which compare only with each other; nothing for a folder or an
// entry that is missing or cannot be read. Windows: GetFileAttributesExA.
// Elsewhere: stat, backslashes taken as separators.
std::optional<std::int64_t> LastWriteTime(const std::string& path);

// Lower case by the rules of the system's ANSI code page (ASCII elsewhere).
std::string ToLowerAnsi(std::string text);

}  // namespace gamedata
