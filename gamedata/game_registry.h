#pragma once

#include <optional>
#include <string>

namespace gamedata {

// Seam to the game's registry key HKLM\Software\Maxis\The Sims.
// Returns the value's raw bytes, exactly as many as the registry reported
// (no terminating zero is added or assumed), or nothing when the key or
// the value cannot be read. The value's registry type is ignored.
// Windows: the real registry, query-only, 32-bit view for a 32-bit build.
// Elsewhere: a stand-in filled by SetFakeGameValue (game_registry_fake.h).
std::optional<std::string> QueryGameValue(const char* valueName);

}  // namespace gamedata
