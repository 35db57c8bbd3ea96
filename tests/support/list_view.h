#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace test_support {

// A list view seen from outside, in this process or in another one: the
// list view's messages carry pointers, so the data goes through memory of
// the process that owns the window.
using ListRow = std::vector<std::string>;

// Every row's texts, one per column, in the order the list shows them.
std::vector<ListRow> ListRows(HWND list);
// Selects the row and gives it the focus, as a click does.
void SelectListRow(HWND list, int row);
// The first selected row, -1 when none is.
int SelectedListRow(HWND list);

struct ListColumn {
    std::string heading;
    int format;  // LVCFMT_LEFT, LVCFMT_CENTER, ...
    int width;
    bool operator==(const ListColumn& other) const {
        return heading == other.heading && format == other.format && width == other.width;
    }
};
std::vector<ListColumn> ListColumns(HWND list);

}  // namespace test_support
