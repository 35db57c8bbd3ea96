#include "gamedata/checked_file.h"

#include <vector>

namespace gamedata {

std::string ProblemText(FileProblem problem) {
    switch (problem) {
        case FileProblem::None:
            return "is a file";
        case FileProblem::Missing:
            return "is missing";
        case FileProblem::Denied:
            return "cannot be opened: permission denied";
        case FileProblem::Link:
            return "is a symbolic link";
        case FileProblem::Folder:
            return "is a folder";
        case FileProblem::NotRegular:
            return "is not a regular file (a FIFO, a device or a socket)";
        case FileProblem::Failed:
            break;
    }
    return "cannot be opened";
}

bool ReadBlocks(const CheckedFile& file, std::uint64_t cap,
                const std::function<void(const char* bytes, std::size_t count)>& take) {
    if (file.problem() != FileProblem::None || file.size() > cap) {
        return false;
    }
    constexpr std::size_t kBlockSize = 64 * 1024;
    std::vector<char> block(kBlockSize);
    std::uint64_t offset = 0;
    for (;;) {
        const std::optional<std::size_t> count = file.ReadAt(offset, block.data(), block.size());
        if (!count) {
            return false;
        }
        if (*count == 0) {
            return true;
        }
        offset += *count;
        if (offset > cap) {
            return false;
        }
        take(block.data(), *count);
    }
}

}  // namespace gamedata
