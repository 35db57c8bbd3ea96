#pragma once

#include <cstdint>
#include <string>

#include "gamedata/data_folder_choice.h"

namespace gamedata {

// Both read the game's registry afresh on every call; nothing is cached.
// A value's text ends at its first zero byte or with its last byte.
// The data folder is chosen (ChooseDataFolder) between the folder a
// readable SIMS_DATA names (up to 1024 bytes, used as stored, even when the
// folder is missing) and the re-release's "<Saved Games>\Electronic
// Arts\The Sims 25" if that is a folder; empty text when there is neither.
std::string ReadDataFolder();
// The same choice, with the folder it left out, if any.
DataFolderChoice ReadDataFolderChoice();
// The whole value, however long, converted by TextToNumber. 0 when the key
// or the value is missing or unreadable.
std::int32_t ReadCurrentNeighbourhood();
// The same number from the value's raw bytes read elsewhere (a Wine
// prefix's registry file): the text up to the first zero byte.
std::int32_t NeighbourhoodInValue(const std::string& bytes);

// GameDataFolder + "\UserData" (+ number unless it is 1). The data folder is
// used exactly as stored, so a trailing backslash doubles up.
std::string NeighbourhoodFolder(std::int32_t neighbourhood);
std::string NeighbourhoodFile(std::int32_t neighbourhood);
std::string HousesFolder(std::int32_t neighbourhood);
// The same paths inside a data folder read once by the caller, so that
// everything built from one load names the same folder, even when the
// registry names another one meanwhile.
std::string NeighbourhoodFolder(const std::string& dataFolder, std::int32_t neighbourhood);
std::string NeighbourhoodFile(const std::string& dataFolder, std::int32_t neighbourhood);
std::string HousesFolder(const std::string& dataFolder, std::int32_t neighbourhood);
std::string HouseFile(const std::string& housesFolder, const std::string& lotLabel);

}  // namespace gamedata
