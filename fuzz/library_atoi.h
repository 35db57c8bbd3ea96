#pragma once

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

namespace fuzz {

// The atoi rule as the C library reads it, the yardstick for the program's
// own conversion: strtoll in the "C" locale (no fuzz program changes the
// locale), held to the 32-bit range the program clamps to. The text ends
// at its first zero byte, as a C string does.
inline std::int32_t LibraryAtoi(const std::string& text) {
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (value > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (value < std::numeric_limits<std::int32_t>::min()) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace fuzz
