#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "framework/window.h"

class CEdit : public CWnd {
public:
    // Set when the user has edited the text since the program last set it.
    bool GetModify() const;
};

class CComboBox : public CWnd {
public:
    void ResetContent();
    // The entry's index; a sorted box places it by its own ordering.
    int AddString(const std::string& text);
    // Selects the first entry, from the top, that begins with prefix (the box's
    // own case-insensitive comparison). CB_ERR when none does; the selection
    // is then unchanged.
    int SelectString(const std::string& prefix);
    // The selected entry's text, "" when nothing is selected.
    std::string SelectedText() const;
};

// A list view in report view. Rows and columns are counted from 0.
class CListCtrl : public CWnd {
public:
    void DeleteAllItems();
    int GetItemCount() const;
    // format is LVCFMT_LEFT, LVCFMT_CENTER or LVCFMT_RIGHT.
    void InsertColumn(int column, const std::string& heading, int format, int width);
    // Replaces every extended style with styles.
    void SetExtendedStyle(DWORD styles);
    // The new row's index.
    int InsertItem(int row, const std::string& text);
    void SetItemText(int row, int column, const std::string& text);
    std::string GetItemText(int row, int column) const;
    void SetItemData(int row, LPARAM data);
    // The first selected row, -1 when none is.
    int FirstSelectedItem() const;
    void SortItems(PFNLVCOMPARE compare, LPARAM context);
    HWND GetHeaderCtrl() const;
};
