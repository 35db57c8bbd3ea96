#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gamedata {

// The one conversion every caller uses for numbers typed or stored as text:
// leading blanks, optional sign, leading digits, rest ignored, no digits
// gives 0. Unlike the C library's atoi, values beyond 32 bits clamp to
// INT32_MIN / INT32_MAX instead of wrapping, so "4294967297" stays out of
// any small range and is rejected rather than read as 1.
std::int32_t TextToNumber(std::string_view text);

// Plain decimal: minus sign for negatives, no leading zeros, no separators.
std::string FormatDecimal(std::int32_t number);

// Below 10 a "0" goes in front ("07"); from 10 on plain decimal ("10").
// Lot labels are part of house file names, so this must match the game's
// own naming both when building a path and when reading the label back.
std::string FormatLotLabel(std::int32_t lot);
std::string FormatNeighbourhoodLabel(std::int32_t neighbourhood);

}  // namespace gamedata
