#include <random>

#include "tools/gamegen/gamegen.h"

namespace gamegen {
namespace {

constexpr char kHouseHeader[] = "LWHS synthetic house";

}  // namespace

std::string HouseFileBytes(std::int16_t days, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::string bytes(kHouseFileSize, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(random() >> 24);
    }
    bytes.replace(0, sizeof kHouseHeader, kHouseHeader, sizeof kHouseHeader);
    const auto bits = static_cast<std::uint16_t>(days);
    bytes[kDaysOffset] = static_cast<char>(bits & 0xFF);
    bytes[kDaysOffset + 1] = static_cast<char>(bits >> 8);
    return bytes;
}

std::string HouseFileName(std::int32_t lot) {
    // Written out here rather than borrowed from the program, so that tests
    // built on these folders check the program's lot labels independently.
    const std::string number = std::to_string(lot);
    return "house" + (lot < 10 ? "0" + number : number) + ".iff";
}

}  // namespace gamegen
