#include "tests/gamedata/reference_scanner.h"

#include <cstdint>
#include <cstdio>
#include <memory>

namespace gamedata_reference {
namespace {

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, CloseFile>;

// Reads one byte and compares it with the marker's next byte, and only on a
// match goes on to the next. The byte that fails is consumed; the end of
// the file fails like any other mismatch.
bool MatchMarker(std::FILE* file, const char* marker) {
    for (int i = 0; i < 4; ++i) {
        const int byte = std::fgetc(file);
        if (byte == EOF || byte != static_cast<unsigned char>(marker[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<std::vector<gamedata::FamilyRecord>> ReferenceScanFamilies(const std::string& path) {
    const File file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return std::nullopt;
    }
    std::vector<gamedata::FamilyRecord> families;
    while (!std::feof(file.get())) {
        if (!MatchMarker(file.get(), "IMAF")) {
            continue;
        }
        unsigned char lotBytes[4] = {0, 0, 0, 0};
        std::fread(lotBytes, 1, 4, file.get());
        if (std::feof(file.get())) {
            break;
        }
        const auto lot = static_cast<std::int32_t>(static_cast<std::uint32_t>(lotBytes[0]) |
                                                   static_cast<std::uint32_t>(lotBytes[1]) << 8 |
                                                   static_cast<std::uint32_t>(lotBytes[2]) << 16 |
                                                   static_cast<std::uint32_t>(lotBytes[3]) << 24);
        while (!std::feof(file.get())) {
            if (!MatchMarker(file.get(), "FAMs")) {
                continue;
            }
            std::fseek(file.get(), 77, SEEK_CUR);
            std::string name;
            while (name.size() < 32) {
                const int byte = std::fgetc(file.get());
                if (byte == EOF || byte == 0) {
                    break;
                }
                name.push_back(static_cast<char>(byte));
            }
            if (lot > 0) {
                families.push_back({lot, name});
            }
            break;
        }
    }
    return families;
}

}  // namespace gamedata_reference
