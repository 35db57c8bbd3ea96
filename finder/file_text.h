#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace finder {

// The whole file's bytes when it is a regular file (through links) of at
// most cap bytes. Nothing when it is missing, cannot be read, is a folder,
// a FIFO or a device (never opened in a way that waits), or is larger.
std::optional<std::string> ReadFileText(const std::string& path, std::uint64_t cap);

}  // namespace finder
