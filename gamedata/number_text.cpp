#include "gamedata/number_text.h"

#include <cstdint>
#include <limits>

namespace gamedata {
namespace {

// The blanks the C library's isspace accepts in the "C" locale; atoi skips
// exactly these.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string PaddedLabel(std::int32_t number) {
    return number < 10 ? "0" + FormatDecimal(number) : FormatDecimal(number);
}

}  // namespace

std::int32_t TextToNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    // Accumulating the magnitude in 64 bits and stopping at the first value
    // past the 32-bit range keeps any number of digits from overflowing.
    constexpr std::int64_t kMaxMagnitude =
        static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1;
    std::int64_t magnitude = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        magnitude = magnitude * 10 + (text[at] - '0');
        if (magnitude > kMaxMagnitude) {
            magnitude = kMaxMagnitude;
        }
    }
    if (negative) {
        return static_cast<std::int32_t>(-magnitude);
    }
    if (magnitude > std::numeric_limits<std::int32_t>::max()) {
        return std::numeric_limits<std::int32_t>::max();
    }
    return static_cast<std::int32_t>(magnitude);
}

std::string FormatDecimal(std::int32_t number) {
    return std::to_string(number);
}

std::string FormatLotLabel(std::int32_t lot) {
    return PaddedLabel(lot);
}

std::string FormatNeighbourhoodLabel(std::int32_t neighbourhood) {
    return PaddedLabel(neighbourhood);
}

}  // namespace gamedata
