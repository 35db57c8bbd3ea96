#include "framework/controls.h"

#include <commctrl.h>

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

void CListCtrl::DeleteAllItems() {
    Send(LVM_DELETEALLITEMS);
}
