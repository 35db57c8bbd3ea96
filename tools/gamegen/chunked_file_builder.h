#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace gamegen {

// Builds a file from fixed bytes (markers, lots, names: what a scan must
// find exactly as written) and loose bytes (chunk headers, filler: what
// nobody reads). Finish() then alters loose bytes only, so that no loose
// byte forms a marker or leaves a partial marker in front of a real one.
class ChunkedFileBuilder {
public:
    explicit ChunkedFileBuilder(std::uint32_t seed) : random_(seed) {}

    void AppendFixed(std::string_view bytes);
    void AppendLoose(std::string_view bytes);
    void AppendRandom(std::size_t count);
    // A marker the scan must find here, with the byte before it safe.
    void AppendMarker(std::string_view marker);
    void AppendUint16(std::uint16_t value);
    void AppendUint32(std::uint32_t value);
    void AppendFixedInt32(std::int32_t value);
    // Text padded with zero bytes to exactly size bytes.
    void AppendPaddedText(std::string_view text, std::size_t size);

    std::size_t size() const { return bytes_.size(); }
    void PatchUint32(std::size_t offset, std::uint32_t value);
    std::uint32_t RandomNumber() { return random_(); }

    std::string Finish();

private:
    void BreakStrayMarkers();
    void ClearPartialMarkersBeforeMarkers();

    std::mt19937 random_;
    std::string bytes_;
    std::vector<bool> fixed_;
    std::vector<std::size_t> markerStarts_;
};

// A chunk: 4-byte type id, a 32-bit key, its total size, a 16-bit id, 16
// flag bits and a 64-byte label, then its payload.
struct ChunkHeader {
    static constexpr std::size_t kSize = 80;

    std::string_view type;
    // Family records and name tables open with a marker, and the key of a
    // family record is its lot: bytes a scan reads, so they are fixed.
    bool marked = false;
    std::uint32_t key = 0;
    std::uint16_t id = 0;
    std::string_view label;
};

// Returns where the chunk starts, for EndChunk to fill in its size.
std::size_t BeginChunk(ChunkedFileBuilder& file, const ChunkHeader& header);
void EndChunk(ChunkedFileBuilder& file, std::size_t start);

}  // namespace gamegen
