#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gamedata/family_scanner.h"

namespace gamedata_reference {

// The neighbourhood scan exactly as the format's rules describe it: one
// stdio call per byte, one 4-byte read per family and one 77-byte seek per
// name. Slow on purpose; it is the yardstick ScanFamilies is held to.
// For regular files only: a stream that fails without reaching its end
// would keep it reading.
std::optional<std::vector<gamedata::FamilyRecord>> ReferenceScanFamilies(const std::string& path);

}  // namespace gamedata_reference
