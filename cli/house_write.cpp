#include "cli/house_write.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "cli/code_page.h"
#include "cli/exit_code.h"
#include "gamedata/file_handle.h"
#include "gamedata/house_days.h"

namespace cli {
namespace {

constexpr long kDaysEnd = gamedata::kDaysOffset + 2;

// Nothing when the end cannot be found.
std::optional<long> FileSize(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) {
        return std::nullopt;
    }
    const long size = std::ftell(file);
    return size < 0 ? std::nullopt : std::optional<long>(size);
}

}  // namespace

std::int16_t SetHouseDays(const std::string& path, std::int32_t days) {
    const std::string shown = SystemTextToUtf8(path);
    std::optional<long> size;
    {
        gamedata::FileHandle file = gamedata::FileHandle::Open(path, "rb");
        if (!file) {
            // Read at once: errno tells a missing file from one it may not open.
            const int error = errno;
            throw Refusal(error == ENOENT ? ExitCode::NotFound : ExitCode::FileError,
                          "cannot open " + shown + ": " + std::strerror(error));
        }
        size = FileSize(file.get());
    }
    if (!size || *size < kDaysEnd) {
        throw Refusal(ExitCode::FileError, shown + " is shorter than " + std::to_string(kDaysEnd) +
                                               " bytes and holds no days; it is left as it is");
    }
    const std::optional<std::int16_t> previous = gamedata::ReadDays(path);
    if (!previous) {
        throw Refusal(ExitCode::FileError, "cannot read " + shown + "; check its permissions");
    }
    if (gamedata::WriteDays(path, days) != gamedata::WriteResult::Done) {
        throw Refusal(ExitCode::FileError, "cannot write " + shown +
                                               "; check its permissions and that the game is "
                                               "closed");
    }
    return *previous;
}

}  // namespace cli
