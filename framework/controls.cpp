#include "framework/controls.h"

#include <vector>

bool CEdit::GetModify() const {
    return Send(EM_GETMODIFY) != 0;
}

void CComboBox::ResetContent() {
    Send(CB_RESETCONTENT);
}

int CComboBox::AddString(const std::string& text) {
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CComboBox::SelectString(const std::string& prefix) {
    return static_cast<int>(
        Send(CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(prefix.c_str())));
}

std::string CComboBox::SelectedText() const {
    const LRESULT index = Send(CB_GETCURSEL);
    const LRESULT length = index == CB_ERR ? CB_ERR : Send(CB_GETLBTEXTLEN, index);
    if (length == CB_ERR) {
        return "";
    }
    std::vector<char> text(static_cast<std::size_t>(length) + 1);
    const LRESULT copied = Send(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return std::string(text.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

void CListCtrl::DeleteAllItems() {
    Send(LVM_DELETEALLITEMS);
}

int CListCtrl::GetItemCount() const {
    return static_cast<int>(Send(LVM_GETITEMCOUNT));
}

void CListCtrl::InsertColumn(int column, const std::string& heading, int format, int width) {
    LVCOLUMNA info{};
    info.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    info.fmt = format;
    info.cx = width;
    info.pszText = const_cast<char*>(heading.c_str());
    info.iSubItem = column;
    Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
}

void CListCtrl::SetExtendedStyle(DWORD styles) {
    // A mask of 0 stands for every extended style.
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(styles));
}

int CListCtrl::InsertItem(int row, const std::string& text) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(text.c_str());
    return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void CListCtrl::SetItemText(int row, int column, const std::string& text) {
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

std::string CListCtrl::GetItemText(int row, int column) const {
    // The list view answers how much it copied, never how long the text is,
    // so the buffer grows until the text no longer fills it.
    for (std::size_t size = 64;; size *= 2) {
        std::vector<char> text(size);
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(size);
        const auto copied = static_cast<std::size_t>(
            Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (copied + 1 < size) {
            return std::string(text.data(), copied);
        }
    }
}

void CListCtrl::SetItemData(int row, LPARAM data) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = data;
    Send(LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

int CListCtrl::FirstSelectedItem() const {
    // Searching for the selected row walks every row, and callers ask on
    // every change notification: a load of n rows would cost n * n steps.
    // The selected count and the focused row are at hand; only a selection
    // of several rows, or one away from the focus, needs the search.
    const LRESULT selected = Send(LVM_GETSELECTEDCOUNT);
    if (selected == 0) {
        return -1;
    }
    const auto focused =
        static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (selected == 1 && focused >= 0 &&
        Send(LVM_GETITEMSTATE, static_cast<WPARAM>(focused), LVIS_SELECTED) != 0) {
        return focused;
    }
    return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CListCtrl::SortItems(PFNLVCOMPARE compare, LPARAM context) {
    Send(LVM_SORTITEMS, static_cast<WPARAM>(context), reinterpret_cast<LPARAM>(compare));
}

HWND CListCtrl::GetHeaderCtrl() const {
    return reinterpret_cast<HWND>(Send(LVM_GETHEADER));
}
