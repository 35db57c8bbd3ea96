#include <fstream>
#include <stdexcept>

#include "tools/gamegen/gamegen.h"

namespace gamegen {

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

void WriteGameFolder(const std::filesystem::path& root,
                     const std::vector<NeighbourhoodPlan>& neighbourhoods) {
    std::uint32_t seed = 1;
    for (const NeighbourhoodPlan& neighbourhood : neighbourhoods) {
        const std::filesystem::path folder = root / neighbourhood.folderName;
        const std::filesystem::path houses = folder / "Houses";
        std::filesystem::create_directories(houses);
        NeighbourhoodLayout layout;
        layout.seed = seed++;
        WriteFileBytes(folder / "neighborhood.iff",
                       NeighbourhoodFileBytes(neighbourhood.families, layout));
        for (const FamilyPlan& family : neighbourhood.families) {
            if (family.lot > 0) {
                WriteFileBytes(houses / HouseFileName(family.lot),
                               HouseFileBytes(family.days, seed++));
            }
        }
    }
}

}  // namespace gamegen
