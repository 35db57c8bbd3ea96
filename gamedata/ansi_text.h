#pragma once

#include <optional>
#include <string>

namespace gamedata {

// Windows only. The wide text in the given code page, or nothing when a
// character has no exact equivalent there: the system would otherwise put
// in a look-alike or a default character, and a path spelt so names
// another file or none.
std::optional<std::string> WideToAnsiExactly(const std::wstring& wide, unsigned codePage);

}  // namespace gamedata
