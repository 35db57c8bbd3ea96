#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "gamedata/family_scanner.h"

namespace gamedata {

// How much of the neighbourhood file ScanFamilies holds at a time.
constexpr std::size_t kScanBlockSize = 64 * 1024;

// ScanFamilies reading blockSize bytes at a time (at least one). Tests use
// small blocks to put the block boundaries inside markers, lots and names.
[[nodiscard]] std::optional<std::vector<FamilyRecord>> ScanFamilies(const std::string& path,
                                                                    std::size_t blockSize);

}  // namespace gamedata
