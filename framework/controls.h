#pragma once

#include <string>

#include "framework/window.h"

class CEdit : public CWnd {};

class CComboBox : public CWnd {
public:
    void ResetContent();
    // The entry's index; a sorted box places it by its own ordering.
    int AddString(const std::string& text);
    // Selects the first entry, from the top, that begins with prefix (the box's
    // own case-insensitive comparison). CB_ERR when none does; the selection
    // is then unchanged.
    int SelectString(const std::string& prefix);
};

class CListCtrl : public CWnd {
public:
    void DeleteAllItems();
};
