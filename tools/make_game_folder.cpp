// make-game-folder <dir>: writes a synthetic game data folder for the demo
// and for trying the program by hand. Point SIMS_DATA at <dir>.
#include <cstdio>
#include <exception>

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

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-game-folder <dir>\n");
        return 2;
    }
    try {
        gamegen::WriteGameFolder(argv[1], DemoNeighbourhoods());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make-game-folder: %s\n", error.what());
        return 1;
    }
    return 0;
}
