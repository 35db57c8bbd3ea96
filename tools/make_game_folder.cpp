// make-game-folder <dir> [families]: writes a synthetic game data folder for
// the demo and for trying the program by hand, or one neighbourhood of that
// many families for timing it at scale. Point SIMS_DATA at <dir>.
// make-game-folder --prefix <prefix> [families]: the same game installed in
// a 64-bit Wine prefix, as lotwarden-cli finds it from Linux: the folder in
// drive_c, SIMS_DATA naming it and the current neighbourhood 2 in
// system.reg.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "tools/gamegen/gamegen.h"

namespace {

std::vector<gamegen::NeighbourhoodPlan> DemoNeighbourhoods() {
    return {
        {"UserData",
         {{"Hollowell", 5, 37},
          {"Brightwater", 7, 112},
          {"Okonkwo", 12, 3},
          {"Wanderfield", 0, 0},
          {"Marchetti", 20, 255},
          {"Ekstr\xF6m", 9, 1},
          {"Featherstonehaugh-Quillingsworth", 31, 64}}},
        {"UserData2",
         {{"Nakamura", 1, 18},
          {"Delacroix", 4, 90},
          {"Abernathy", 15, 140},
          {"O'Rourke", 8, 61},
          {"Pennywhistle", 0, 0}}},
        {"UserData12", {{"Lindqvist", 3, 7}, {"Castellano", 10, 200}, {"Oyelaran", 27, 45}}},
        {"UserDataTemplate", {{"Template", 1, 1}}},
    };
}

// One neighbourhood of many families, for timing the program at scale.
std::vector<gamegen::NeighbourhoodPlan> LargeNeighbourhood(int families) {
    gamegen::NeighbourhoodPlan neighbourhood{"UserData", {}};
    for (int lot = 1; lot <= families; ++lot) {
        neighbourhood.families.push_back(
            {"Family " + std::to_string(lot), lot, static_cast<std::int16_t>(lot % 255 + 1)});
    }
    return {neighbourhood};
}

// Where a 32-bit game installs in a 64-bit Windows, in Windows's spelling
// and, escaped, in system.reg's.
constexpr char kGameInPrefix[] = "drive_c/Program Files (x86)/Maxis/The Sims";
constexpr char kSimsDataValue[] = "\"C:\\\\Program Files (x86)\\\\Maxis\\\\The Sims\"";

}  // namespace

int main(int argc, char** argv) {
    const bool inPrefix = argc > 1 && std::string(argv[1]) == "--prefix";
    const int firstArgument = inPrefix ? 2 : 1;
    const int arguments = argc - firstArgument;
    if (arguments != 1 && arguments != 2) {
        std::fprintf(stderr, "usage: make-game-folder [--prefix] <dir> [families]\n");
        return 2;
    }
    const std::filesystem::path folder = argv[firstArgument];
    try {
        const auto neighbourhoods = arguments == 2
                                        ? LargeNeighbourhood(std::atoi(argv[firstArgument + 1]))
                                        : DemoNeighbourhoods();
        if (inPrefix) {
            gamegen::WritePrefix(folder, {false, kSimsDataValue, "\"2\""});
        }
        gamegen::WriteGameFolder(inPrefix ? folder / kGameInPrefix : folder, neighbourhoods);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make-game-folder: %s\n", error.what());
        return 1;
    }
    return 0;
}
