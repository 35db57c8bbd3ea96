#include "gamedata/family_scanner.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "gamedata/checked_file.h"
#include "gamedata/family_scanner_blocks.h"
#include "gamedata/file_handle.h"

namespace gamedata {
namespace {

constexpr char kFamilyMarker[] = "IMAF";
constexpr char kNameMarker[] = "FAMs";
constexpr std::size_t kMarkerSize = 4;
constexpr std::size_t kLotSize = 4;
// The name begins this many bytes after the end of the name marker.
constexpr std::size_t kNameGap = 77;
constexpr std::size_t kMaxNameSize = 32;

// The byte-at-a-time scan of a neighbourhood file, fed a block at a time.
// It keeps its place between blocks, so a block may end anywhere: inside a
// marker, a lot number, the gap before a name or the name itself.
class FamilyScan {
public:
    void Feed(const unsigned char* bytes, std::size_t count) {
        std::size_t at = 0;
        while (at < count) {
            switch (step_) {
                case Step::FindFamily:
                    at += MatchMarker(bytes + at, count - at, kFamilyMarker);
                    if (matched_ == kMarkerSize) {
                        StartStep(Step::ReadLot);
                    }
                    break;
                case Step::ReadLot:
                    lotBits_ |= static_cast<std::uint32_t>(bytes[at++]) << (8 * progress_);
                    if (++progress_ == kLotSize) {
                        StartStep(Step::FindName);
                    }
                    break;
                case Step::FindName:
                    at += MatchMarker(bytes + at, count - at, kNameMarker);
                    if (matched_ == kMarkerSize) {
                        StartStep(Step::SkipGap);
                    }
                    break;
                case Step::SkipGap: {
                    const std::size_t skipped = std::min(kNameGap - progress_, count - at);
                    at += skipped;
                    progress_ += skipped;
                    if (progress_ == kNameGap) {
                        StartStep(Step::ReadName);
                    }
                    break;
                }
                case Step::ReadName: {
                    const unsigned char byte = bytes[at++];
                    if (byte == 0) {
                        FinishFamily();
                    } else {
                        name_.push_back(static_cast<char>(byte));
                        if (name_.size() == kMaxNameSize) {
                            FinishFamily();
                        }
                    }
                    break;
                }
            }
        }
    }

    // The end of the file ends a name early, or stands in for a name that
    // lies wholly past it; a family whose name marker never came is dropped.
    std::vector<FamilyRecord> Finish() {
        if (step_ == Step::SkipGap || step_ == Step::ReadName) {
            FinishFamily();
        }
        return std::move(families_);
    }

private:
    enum class Step { FindFamily, ReadLot, FindName, SkipGap, ReadName };

    // Matches the marker one byte after the other, going on from a match
    // begun in an earlier block. A byte that breaks a partial match is
    // consumed with it and never starts a new one, so "IIMAF" holds no
    // family marker. Returns the bytes consumed; matched_ is kMarkerSize
    // when the marker is complete, which ends the consumption right there.
    std::size_t MatchMarker(const unsigned char* bytes, std::size_t count, const char* marker) {
        std::size_t at = 0;
        while (at < count) {
            if (matched_ == 0) {
                const void* first = std::memchr(bytes + at, marker[0], count - at);
                if (first == nullptr) {
                    return count;
                }
                at = static_cast<std::size_t>(static_cast<const unsigned char*>(first) - bytes) + 1;
                matched_ = 1;
            } else if (bytes[at++] == static_cast<unsigned char>(marker[matched_])) {
                if (++matched_ == kMarkerSize) {
                    return at;
                }
            } else {
                matched_ = 0;
            }
        }
        return at;
    }

    void StartStep(Step step) {
        if (step == Step::ReadLot) {
            lotBits_ = 0;
        }
        step_ = step;
        matched_ = 0;
        progress_ = 0;
    }

    // Leaves name_ empty for the next family, also when its name lies
    // wholly past the end of the file and no name byte is ever read.
    void FinishFamily() {
        const auto lot = static_cast<std::int32_t>(lotBits_);
        if (lot > 0) {
            families_.push_back(FamilyRecord{lot, name_});
        }
        name_.clear();
        StartStep(Step::FindFamily);
    }

    Step step_ = Step::FindFamily;
    std::size_t matched_ = 0;   // marker bytes matched so far
    std::size_t progress_ = 0;  // lot bytes read, or gap bytes skipped
    std::uint32_t lotBits_ = 0;
    std::string name_;
    std::vector<FamilyRecord> families_;
};

}  // namespace

std::optional<std::vector<FamilyRecord>> ScanFamilies(const std::string& path,
                                                      std::size_t blockSize) {
    FileHandle file = FileHandle::Open(path, "rb");
    if (!file) {
        return std::nullopt;
    }
    // The blocks are the only buffer: stdio's own would copy every byte once
    // more on its way here.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);
    std::vector<unsigned char> block(std::max<std::size_t>(blockSize, 1));
    FamilyScan scan;
    for (;;) {
        const std::size_t count = std::fread(block.data(), 1, block.size(), file.get());
        scan.Feed(block.data(), count);
        if (count < block.size()) {
            break;
        }
    }
    // A read that fails before the end (a folder opened as a file, a device
    // error) leaves the file's families unknown, which is not "no families".
    if (std::ferror(file.get())) {
        return std::nullopt;
    }
    return scan.Finish();
}

std::optional<std::vector<FamilyRecord>> ScanFamilies(const std::string& path) {
    return ScanFamilies(path, kScanBlockSize);
}

std::optional<std::vector<FamilyRecord>> ScanFamilies(const CheckedFile& file, std::uint64_t cap) {
    FamilyScan scan;
    const bool read = ReadBlocks(file, cap, [&scan](const char* bytes, std::size_t count) {
        scan.Feed(reinterpret_cast<const unsigned char*>(bytes), count);
    });
    if (!read) {
        return std::nullopt;
    }
    return scan.Finish();
}

}  // namespace gamedata
