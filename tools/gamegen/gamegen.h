#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Synthetic game folders for tests and the demo. Every byte is made up here;
// the layout merely resembles a chunked game file, and only the parts the
// program reads (the family and name markers, the lot after the first, the
// name 77 bytes after the second, the days field at byte 208) follow the
// game's rules.
namespace gamegen {

struct FamilyPlan {
    std::string name;
    std::int32_t lot = 0;  // 0 or less: a family without a house, never listed
    std::int16_t days = 0;
};

struct NeighbourhoodPlan {
    std::string folderName;  // "UserData", "UserData2", ...
    std::vector<FamilyPlan> families;
};

struct NeighbourhoodLayout {
    // Other chunks' bytes around each family: random, so the family
    // marker's first byte turns up about every 256 bytes as in real data.
    std::size_t fillerBytesPerFamily = 600;
    std::uint32_t seed = 1;
};

constexpr std::size_t kHouseFileSize = 4096;
constexpr std::size_t kDaysOffset = 208;

// A neighbourhood file holding the families in order (lot 0 ones too). Its
// filler never forms a marker or a partial marker that would hide one, so a
// scan finds exactly the given families.
std::string NeighbourhoodFileBytes(const std::vector<FamilyPlan>& families,
                                   const NeighbourhoodLayout& layout = {});

// A house file of kHouseFileSize bytes with days at kDaysOffset.
std::string HouseFileBytes(std::int16_t days, std::uint32_t seed = 1);

// "house05.iff" for lot 5, "house12.iff" for lot 12.
std::string HouseFileName(std::int32_t lot);

// For each neighbourhood: <root>/<folderName>/neighborhood.iff and a house
// file in <root>/<folderName>/Houses for every family on a lot. Throws
// std::runtime_error when a folder or file cannot be written.
void WriteGameFolder(const std::filesystem::path& root,
                     const std::vector<NeighbourhoodPlan>& neighbourhoods);

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace gamegen
