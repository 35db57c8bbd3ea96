#pragma once

#include <string>
#include <vector>

#include "gamedata/directory_listing.h"

namespace gamedata {

// Two-character labels of the neighbourhood folders in the data folder, in
// the file system's enumeration order, duplicates kept. Empty when the
// folder cannot be searched.
std::vector<std::string> ListNeighbourhoods(const std::string& dataFolder);

// The same through another directory search than the platform's, so folder
// names no real file system would hold can be handed in.
std::vector<std::string> ListNeighbourhoods(const std::string& dataFolder,
                                            const DirectorySearch& search);

}  // namespace gamedata
