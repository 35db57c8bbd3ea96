#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gamedata/data_folder_choice.h"

// What each command found, before it is written out as text or JSON.
// Every text here is UTF-8.
namespace cli {

struct WhereResult {
    std::string dataFolder;
    std::int32_t neighbourhood = 1;
    // The other edition's folder, when it held saves too; text output only,
    // so scripts reading the JSON keep their keys.
    std::optional<gamedata::LeftOutFolder> leftOut;
};

struct NeighbourhoodsResult {
    std::string dataFolder;
    std::vector<std::string> labels;  // as the dialog's chooser lists them
};

struct FamilyRow {
    std::string name;
    std::int32_t lot = 0;
    std::optional<std::int16_t> days;  // nothing without a readable house file
};

struct ListResult {
    std::string dataFolder;
    std::int32_t neighbourhood = 1;
    std::vector<FamilyRow> families;
};

struct SetResult {
    std::string name;
    std::int32_t lot = 0;
    std::int32_t days = 0;
    std::int16_t previous = 0;
};

}  // namespace cli
