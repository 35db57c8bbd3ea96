#include "cli/family_order.h"

#include <algorithm>
#include <cstring>

namespace cli {

std::vector<gamedata::FamilyRecord> DialogOrder(std::vector<gamedata::FamilyRecord> families) {
    std::reverse(families.begin(), families.end());
    std::stable_sort(families.begin(), families.end(),
                     [](const gamedata::FamilyRecord& first, const gamedata::FamilyRecord& second) {
                         return std::strcmp(first.name.c_str(), second.name.c_str()) < 0;
                     });
    return families;
}

}  // namespace cli
