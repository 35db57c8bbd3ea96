#pragma once

#include <vector>

#include "gamedata/family_scanner.h"

namespace cli {

// The families in the order the dialog's table shows them: its families
// pass puts each one at the top of the table, so the table starts in
// reverse file order, and its sort then orders names byte by byte as
// strcmp does. The sort keeps equal names in that reversed order.
std::vector<gamedata::FamilyRecord> DialogOrder(std::vector<gamedata::FamilyRecord> families);

}  // namespace cli
