#include "cli/house_write.h"

#include "cli/code_page.h"
#include "cli/exit_code.h"
#include "gamedata/house_days.h"

namespace cli {
namespace {

constexpr std::uint64_t kDaysEnd = gamedata::kDaysOffset + 2;

std::int16_t DaysOf(const unsigned char (&bytes)[2]) {
    return static_cast<std::int16_t>(bytes[0] | (bytes[1] << 8));
}

gamedata::CheckedFile OpenForWriting(const std::string& path, const std::string& shown) {
    gamedata::CheckedFile file = gamedata::CheckedFile::Open(path, gamedata::FileAccess::ReadWrite,
                                                             gamedata::LastLink::Refuse);
    switch (file.problem()) {
        case gamedata::FileProblem::None:
            break;
        case gamedata::FileProblem::Missing:
            throw Refusal(ExitCode::NotFound, "cannot open " + shown + ": " + file.failure());
        case gamedata::FileProblem::Denied:
            throw Refusal(ExitCode::FileError, "cannot write " + shown +
                                                   ": permission denied; check its permissions "
                                                   "and that the game is closed");
        case gamedata::FileProblem::Link:
        case gamedata::FileProblem::Folder:
        case gamedata::FileProblem::NotRegular:
            throw Refusal(ExitCode::FileError, shown + " " + gamedata::ProblemText(file.problem()) +
                                                   ", not a house file; nothing was written");
        case gamedata::FileProblem::Failed:
            throw Refusal(ExitCode::FileError, "cannot open " + shown + ": " + file.failure());
    }
    if (file.size() < kDaysEnd) {
        throw Refusal(ExitCode::FileError, shown + " is shorter than " + std::to_string(kDaysEnd) +
                                               " bytes and holds no days; it is left as it is");
    }
    return file;
}

}  // namespace

std::optional<std::int16_t> ReadHouseDays(const std::string& path) {
    const gamedata::CheckedFile file =
        gamedata::CheckedFile::Open(path, gamedata::FileAccess::Read, gamedata::LastLink::Refuse);
    unsigned char bytes[2] = {0, 0};
    if (file.problem() != gamedata::FileProblem::None ||
        !file.ReadAt(gamedata::kDaysOffset, bytes, sizeof bytes)) {
        return std::nullopt;
    }
    return DaysOf(bytes);
}

HouseFileWrite::HouseFileWrite(const std::string& path)
    : shown_(SystemTextToUtf8(path)), file_(OpenForWriting(path, shown_)) {}

std::int16_t HouseFileWrite::Write(std::int32_t days) {
    // Read through the same descriptor just before the write: a file cut
    // short since the check no longer holds both bytes, and a write at 208
    // would grow it again.
    unsigned char previous[2] = {0, 0};
    const std::optional<std::size_t> read =
        file_.ReadAt(gamedata::kDaysOffset, previous, sizeof previous);
    if (!read) {
        throw Refusal(ExitCode::FileError, "cannot read " + shown_ + "; nothing was written");
    }
    if (*read < sizeof previous) {
        throw Refusal(ExitCode::FileError, shown_ +
                                               " was cut short while it was being checked; "
                                               "nothing was written");
    }
    const unsigned char bytes[2] = {static_cast<unsigned char>(days & 0xFF),
                                    static_cast<unsigned char>((days >> 8) & 0xFF)};
    if (!file_.WriteAt(gamedata::kDaysOffset, bytes, sizeof bytes)) {
        throw Refusal(ExitCode::FileError, "cannot write " + shown_ +
                                               "; check its permissions and that the game is "
                                               "closed");
    }
    return DaysOf(previous);
}

}  // namespace cli
