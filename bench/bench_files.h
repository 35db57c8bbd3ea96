#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace benchmark {
class State;
}

namespace bench {

// A generated neighbourhood file of the given size in MiB, written once
// into the build folder and reused by later runs.
std::string NeighbourhoodFile(std::size_t mebibytes);

// count generated house files, written once like the neighbourhood files.
std::vector<std::string> HouseFiles(std::size_t count);

// A game data folder whose UserData holds this many families, each in its
// own house file on lots 1 to families; written once. Its path.
std::string GameFolder(std::size_t families);

// The house files of GameFolder(families), in lot order.
std::vector<std::string> GameHouseFiles(std::size_t families);

// Reads the whole file once so timed runs find it in the page cache.
void WarmCache(const std::string& path);

// The bare reads other figures are held against: the days of every house
// file, one after the other, from the page cache.
void ReadAllDays(benchmark::State& state, const std::vector<std::string>& houses);

}  // namespace bench
