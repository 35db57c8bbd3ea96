#include "cli/plain_number.h"

namespace cli {

std::optional<std::int32_t> ParsePlainNumber(std::string_view text, std::int32_t lowest,
                                             std::int32_t highest) {
    if (text.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        // Checked on every digit, so a long run of digits cannot overflow.
        if (value > highest) {
            return std::nullopt;
        }
    }
    if (value < lowest) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace cli
