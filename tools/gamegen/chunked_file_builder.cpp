#include "tools/gamegen/chunked_file_builder.h"

#include <stdexcept>

namespace gamegen {
namespace {

constexpr std::string_view kMarkers[] = {"IMAF", "FAMs"};
constexpr std::size_t kMarkerSize = 4;

bool IsMarkerAt(const std::string& bytes, std::size_t at) {
    for (const std::string_view marker : kMarkers) {
        if (bytes.compare(at, kMarkerSize, marker) == 0) {
            return true;
        }
    }
    return false;
}

// Every marker byte is a letter, and its other case is in no marker (the
// only lower-case marker letter, 's', turns upper-case), so flipping the
// case of one byte breaks a marker without making another.
char OtherCase(char letter) {
    return static_cast<char>(letter ^ 0x20);
}

// A byte that could be the start or middle of a partial marker; in front of
// a marker it would swallow the marker's first byte.
bool CouldContinueMarker(char byte) {
    return byte == 'I' || byte == 'M' || byte == 'A' || byte == 'F';
}

}  // namespace

void ChunkedFileBuilder::AppendFixed(std::string_view bytes) {
    bytes_.append(bytes);
    fixed_.insert(fixed_.end(), bytes.size(), true);
}

void ChunkedFileBuilder::AppendLoose(std::string_view bytes) {
    bytes_.append(bytes);
    fixed_.insert(fixed_.end(), bytes.size(), false);
}

void ChunkedFileBuilder::AppendRandom(std::size_t count) {
    std::string bytes(count, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random_() >> 24);
    }
    AppendLoose(bytes);
}

void ChunkedFileBuilder::AppendMarker(std::string_view marker) {
    markerStarts_.push_back(bytes_.size());
    AppendFixed(marker);
}

void ChunkedFileBuilder::AppendUint16(std::uint16_t value) {
    const char bytes[] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    AppendLoose(std::string_view(bytes, sizeof bytes));
}

void ChunkedFileBuilder::AppendUint32(std::uint32_t value) {
    AppendUint16(static_cast<std::uint16_t>(value & 0xFFFF));
    AppendUint16(static_cast<std::uint16_t>(value >> 16));
}

void ChunkedFileBuilder::AppendFixedInt32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    const char bytes[] = {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
                          static_cast<char>((bits >> 16) & 0xFF), static_cast<char>(bits >> 24)};
    AppendFixed(std::string_view(bytes, sizeof bytes));
}

void ChunkedFileBuilder::AppendPaddedText(std::string_view text, std::size_t size) {
    std::string padded(text.substr(0, size));
    padded.resize(size, '\0');
    AppendLoose(padded);
}

void ChunkedFileBuilder::PatchUint32(std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes_[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

std::string ChunkedFileBuilder::Finish() {
    BreakStrayMarkers();
    ClearPartialMarkersBeforeMarkers();
    fixed_.clear();
    markerStarts_.clear();
    return std::move(bytes_);
}

void ChunkedFileBuilder::BreakStrayMarkers() {
    std::size_t nextMarker = 0;
    for (std::size_t at = 0; at + kMarkerSize <= bytes_.size(); ++at) {
        if (nextMarker < markerStarts_.size() && markerStarts_[nextMarker] == at) {
            ++nextMarker;
            continue;
        }
        if (!IsMarkerAt(bytes_, at)) {
            continue;
        }
        std::size_t loose = at + kMarkerSize;
        while (loose > at && fixed_[loose - 1]) {
            --loose;
        }
        // Fixed bytes are consumed by the scan as lot or name bytes, never
        // searched; a stray marker lying wholly in them is harmless.
        if (loose > at) {
            bytes_[loose - 1] = OtherCase(bytes_[loose - 1]);
        }
    }
}

void ChunkedFileBuilder::ClearPartialMarkersBeforeMarkers() {
    for (const std::size_t start : markerStarts_) {
        if (start == 0 || !CouldContinueMarker(bytes_[start - 1])) {
            continue;
        }
        if (fixed_[start - 1]) {
            throw std::logic_error("a marker follows fixed bytes that would hide it");
        }
        bytes_[start - 1] = OtherCase(bytes_[start - 1]);
    }
}

std::size_t BeginChunk(ChunkedFileBuilder& file, const ChunkHeader& header) {
    const std::size_t start = file.size();
    if (header.marked) {
        file.AppendMarker(header.type);
        file.AppendFixedInt32(static_cast<std::int32_t>(header.key));
    } else {
        file.AppendLoose(header.type);
        file.AppendUint32(header.key);
    }
    file.AppendUint32(0);
    file.AppendUint16(header.id);
    file.AppendUint16(0);
    file.AppendPaddedText(header.label, 64);
    return start;
}

void EndChunk(ChunkedFileBuilder& file, std::size_t start) {
    file.PatchUint32(start + 8, static_cast<std::uint32_t>(file.size() - start));
}

}  // namespace gamegen
