#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "gamedata/family_scanner.h"

namespace gamedata {

// Lets GoogleTest show records in failure messages.
inline void PrintTo(const FamilyRecord& record, std::ostream* out) {
    *out << "{" << record.lot << ", \"" << record.name << "\"}";
}

}  // namespace gamedata

namespace gamedata_test {

// Pieces of neighbourhood files, spelt the way the format lays them out.
inline std::string LotBytes(std::int32_t lot) {
    const auto bits = static_cast<std::uint32_t>(lot);
    return {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
            static_cast<char>((bits >> 16) & 0xFF), static_cast<char>(bits >> 24)};
}

inline std::string Family(std::int32_t lot) {
    return "IMAF" + LotBytes(lot);
}

// The name marker and the 77 bytes between its end and the name.
inline std::string NameMarkerAndGap(char gapByte = 'g') {
    return "FAMs" + std::string(77, gapByte);
}

inline std::string Name(const std::string& name) {
    return NameMarkerAndGap() + name + std::string(1, '\0');
}

}  // namespace gamedata_test
