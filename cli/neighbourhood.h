#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/code_page.h"

namespace cli {

struct Family {
    std::string name;  // UTF-8
    std::int32_t lot = 0;
    std::optional<std::string> houseFile;  // nothing when the lot's house file is missing
};

// The families of a neighbourhood that live on a lot, in the dialog's order,
// each with the house file the dialog would read and write for its row.
// Throws Refusal: NotFound without the neighbourhood file, FileError when it
// is there but cannot be read.
std::vector<Family> LoadFamilies(const std::string& dataFolder, std::int32_t neighbourhood,
                                 const CodePage& codePage);

// The neighbourhoods' labels as the dialog's chooser lists them: a sorted
// list box, duplicates kept. Throws Refusal (FileError) when the data
// folder cannot be listed, which is not the same as holding none.
std::vector<std::string> NeighbourhoodLabels(const std::string& dataFolder);

}  // namespace cli
