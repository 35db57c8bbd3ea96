#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace cli {

// A number typed on the command line: decimal digits only, no sign, no
// blanks, no other characters, within [lowest, highest]. Stricter than the
// days box's TextToNumber on purpose: a script's "12abc" is a slip to
// report, not 12 to write into a house file.
std::optional<std::int32_t> ParsePlainNumber(std::string_view text, std::int32_t lowest,
                                             std::int32_t highest);

}  // namespace cli
