#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace gamedata {

constexpr long kDaysOffset = 208;
// The days a player may write, in the dialog and on the command line alike.
constexpr std::int32_t kFewestDays = 1;
constexpr std::int32_t kMostDays = 255;

enum class WriteResult { Done, NotFound };

// The signed 16-bit little-endian value at byte 208. Missing bytes of a
// short file read as zero. Nothing when the file cannot be opened or read.
[[nodiscard]] std::optional<std::int16_t> ReadDays(const std::string& path);

// Writes the low 16 bits of value at byte 208 and touches nothing else; a
// file shorter than 210 bytes grows to 210, the gap reading as zero bytes.
// Never creates a file; a missing or read-only file gives NotFound, and so
// does a write that does not reach the file: NotFound is the only failure
// a caller knows, and a failed write must never look done.
[[nodiscard]] WriteResult WriteDays(const std::string& path, std::int32_t value);

}  // namespace gamedata
