#pragma once

#include <optional>
#include <string>

namespace finder {

// The whole file's bytes; nothing when it cannot be opened or read.
std::optional<std::string> ReadFileText(const std::string& path);

}  // namespace finder
