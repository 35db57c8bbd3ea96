#pragma once

#include <optional>
#include <string>

namespace gamedata {

// Stand-in for the game's registry key where there is no Windows registry.
// Tests fill it; QueryGameValue returns exactly the bytes stored here.
// Storing nothing removes the value, as if the game had never written it.
void SetFakeGameValue(const char* name, std::optional<std::string> bytes);
// As if the game's key held no values at all.
void ClearFakeGameValues();

}  // namespace gamedata
