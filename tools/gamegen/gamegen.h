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

// A Wine prefix as Wine leaves it, reduced to what finding the game reads.
struct PrefixPlan {
    bool win32 = false;  // "#arch=win32" and the plain key; otherwise win64 and Wow6432Node
    // The right-hand side of SIMS_DATA exactly as system.reg holds it, e.g.
    // "\"C:\\\\Games\\\\Sims\"" for C:\Games\Sims; empty: no such value.
    std::string simsData;
    // The same for SIMS_CURRENT_NEIGHBORHOOD_NUM: "\"2\"" or "dword:00000002".
    std::string currentNeighbourhood;
};

// <prefix>/system.reg (Wine's header lines and the game's key, even when it
// holds no value), <prefix>/dosdevices/c: -> ../drive_c and z: -> /, and
// <prefix>/drive_c. Writing over an earlier prefix replaces system.reg and
// the two links and keeps what drive_c holds. Throws std::runtime_error or
// std::filesystem::filesystem_error when something cannot be written.
void WritePrefix(const std::filesystem::path& prefix, const PrefixPlan& plan);

}  // namespace gamegen
