#include "finder/file_text.h"

#include "gamedata/checked_file.h"

namespace finder {

std::optional<std::string> ReadFileText(const std::string& path, std::uint64_t cap) {
    const gamedata::CheckedFile file =
        gamedata::CheckedFile::Open(path, gamedata::FileAccess::Read, gamedata::LastLink::Follow);
    std::string text;
    if (!gamedata::ReadBlocks(file, cap, [&text](const char* bytes, std::size_t count) {
            text.append(bytes, count);
        })) {
        return std::nullopt;
    }
    return text;
}

}  // namespace finder
