#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace gamedata {

struct FamilyRecord {
    std::int32_t lot = 0;
    std::string name;  // at most 32 bytes, shown byte for byte

    bool operator==(const FamilyRecord& other) const {
        return lot == other.lot && name == other.name;
    }
};

// The families of a neighbourhood file that live on a lot (lot > 0), in file
// order. Nothing when the file cannot be opened, or fails while being read;
// an empty list when it holds no family. The path is a Windows path;
// elsewhere its backslashes are taken as folder separators.
[[nodiscard]] std::optional<std::vector<FamilyRecord>> ScanFamilies(const std::string& path);

class CheckedFile;

// The same scan of a file the caller has opened and checked itself. Nothing
// when a read fails or the file holds more than cap bytes.
[[nodiscard]] std::optional<std::vector<FamilyRecord>> ScanFamilies(const CheckedFile& file,
                                                                    std::uint64_t cap);

}  // namespace gamedata
