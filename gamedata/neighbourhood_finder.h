#pragma once

#include <string>
#include <vector>

namespace gamedata {

// Two-character labels of the neighbourhood folders in the data folder, in
// the file system's enumeration order, duplicates kept. Empty when the
// folder cannot be searched.
std::vector<std::string> ListNeighbourhoods(const std::string& dataFolder);

}  // namespace gamedata
